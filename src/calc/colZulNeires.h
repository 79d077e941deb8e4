#pragma once

#include "calc/ZulIntervals.h"

namespace zul {

// One interval between consecutive N-value points of the embedment evaluation.
struct clsZulNeire {
    double EU = 0;   // elevation of the upper point, m
    double EL = 0;   // elevation of the lower point, m
    double Li = 0;   // EU - EL
    double Lii = 0;  // Li along the pile axis
    double NU = 0;   // N-value at the upper point
    double NL = 0;   // N-value at the lower point
    double DNU = 0;  // NU minus the design N-value
    double DNL = 0;  // NL minus the design N-value
    double Ni = 0;   // mean of DNU and DNL
    double LiNi = 0; // Ni x Li

    bool operator==(const clsZulNeire&) const = default;
};

class colZulNeires : public ZulIntervalCollection<clsZulNeire> {};

} // namespace zul
