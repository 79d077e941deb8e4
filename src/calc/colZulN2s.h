#pragma once

#include "calc/ZulCollection.h"

namespace zul {

// One interval between consecutive N-value points within four diameters above the tip.
struct clsZulN2 {
    double EU = 0;   // elevation of the upper point, m
    double EL = 0;   // elevation of the lower point, m
    double Li = 0;   // EU - EL
    double Lii = 0;  // Li along the pile axis
    double NU = 0;   // N-value at the upper point
    double NL = 0;   // N-value at the lower point
    double Ni = 0;   // mean N of the interval
    double LiNi = 0; // Ni x Li

    bool operator==(const clsZulN2&) const = default;
};

class colZulN2s : public ZulCollection<clsZulN2> {
public:
    clsZulN2& Add(double dblEU, double dblEL, double dblNU, double dblNL) {
        clsZulN2 r;
        r.EU = dblEU;
        r.EL = dblEL;
        r.Li = dblEU - dblEL;
        r.Lii = r.Li;
        r.NU = dblNU;
        r.NL = dblNL;
        return Append(r);
    }
};

} // namespace zul
