#pragma once

#include "calc/ZulIntervals.h"

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

class colZulN2s : public ZulIntervalCollection<clsZulN2> {};

} // namespace zul
