#pragma once

#include "calc/ZulCollection.h"

#include <cstdint>

namespace zul {

// One ground layer, built by the driver from the layer table.
struct clsZulJiban {
    double EU = 0;         // elevation of the top of the layer, m
    double EL = -100;      // elevation of the bottom, m
    double H = 100;        // thickness, m
    std::int32_t Kind = 0; // 0 sandy soil, 1 sandy gravel, 2 cohesive soil
    double Gs1 = 18;       // unit weight above the water level, kN/m3
    double Gs2 = 10;       // unit weight below the water level, kN/m3
    double Fai = 0;        // angle of internal friction (carried only)
    double N = 0;          // representative N-value
    double aEo = 10000;    // deformation modulus (carried only)
    double f = 0;          // maximum skin friction intensity, kN/m2
    double qd = 3000;      // tip resistance intensity when the tip lies in this layer, kN/m2
    double DE = 1.0;       // reduction factor applied to f

    bool operator==(const clsZulJiban&) const = default;
};

// Ground layers from the top down.
class colZulJiban : public ZulCollection<clsZulJiban> {
public:
    // Appends a layer whose bottom lies dblH below its top dblEU.
    clsZulJiban& Add(double dblEU, double dblH, std::int32_t lngKind, double dblGs1, double dblGs2,
                     double dblFai, double dblN, double dblaEo, double dblf, double dblqd, double dblDE) {
        clsZulJiban r;
        r.EU = dblEU;
        r.EL = dblEU - dblH;
        r.H = dblH;
        r.Kind = lngKind;
        r.Gs1 = dblGs1;
        r.Gs2 = dblGs2;
        r.Fai = dblFai;
        r.N = dblN;
        r.aEo = dblaEo;
        r.f = dblf;
        r.qd = dblqd;
        r.DE = dblDE;
        return Append(r);
    }
};

} // namespace zul
