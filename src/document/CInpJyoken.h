#pragma once

#include <cstdint>
#include <string>

namespace zul {

// Calculation conditions of one pile.  Members in declaration order, which is also the
// order of the conditions block in the input data file.
class CInpJyoken {
public:
    bool InpFlg = false;               // conditions entered
    std::string Title = "（未定義）";  // study case name (UTF-8 in memory)
    double D = 1.0;                    // pile diameter, m
    double Dw = 1.5;                   // outer blade diameter, m
    double Dwi = 0.5;                  // inner blade diameter, m
    double L = 10.0;                   // design pile length, m
    double Theta = 0.0;                // inclination, degrees
    double ELPU = 0.0;                 // pile head elevation, m
    std::int32_t Sekou = 0;            // construction method 0..7
    std::int32_t Siji = 0;             // 0 end-bearing pile, 1 friction pile
    std::int32_t IsWpRa = 0;           // self-weight in the allowable push-in capacity (0/1)
    std::int32_t IsWpPa = 1;           // self-weight in the allowable pull-out capacity (0/1)
    double Gp1 = 0.0;                  // pile unit weight above the water level, kN/m3
    double Gp2 = 0.0;                  // pile unit weight below the water level, kN/m3
    std::int32_t QdMethod = 1;         // automatic tip resistance of driven piles (0/1)
    std::int32_t QdSiji = 2;           // embedment mode 0..2
    double ELSL = 0.0;                 // top of the bearing layer, m elevation
    std::int32_t Bottom = 0;           // open-ended steel pipe pile (0/1)

    bool operator==(const CInpJyoken&) const = default;
};

} // namespace zul
