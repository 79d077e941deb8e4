#pragma once

#include "calc/ZulCollection.h"

#include <cstdint>

namespace zul {

// One row of the results table for one pile diameter (kN per pile).
struct clsRaTable {
    double L = 0;           // pile length, m
    double Ra = 0;          // allowable push-in capacity, normal case
    double Pa = 0;          // allowable pull-out capacity, normal case
    double Rae = 0;         // allowable push-in capacity, level-1 earthquake case
    double Pae = 0;         // allowable pull-out capacity, level-1 earthquake case
    std::int32_t Error = 0; // 0 in every stored row

    bool operator==(const clsRaTable&) const = default;
};

class colRaTabls : public ZulCollection<clsRaTable> {
public:
    clsRaTable& Add(double dblL, double dblRa, double dblPa, double dblRae, double dblPae,
                    std::int32_t lngError) {
        return Append(clsRaTable{dblL, dblRa, dblPa, dblRae, dblPae, lngError});
    }
};

} // namespace zul
