#pragma once

#include <cstdint>

namespace zul {

// Standard values the ground screen proposes for one layer from the construction method, the
// soil kind code (column 1, rounded to a whole number), the unit weight above the water
// γs and the N value: the unit weight below the water γs' (γs - 9, not below 0), the skin
// friction f (kN/m2) and the tip resistance qd (kN/m2).
struct LayerStandardValues {
    double gammaBelow = 0.0;
    double f = 0.0;
    double qd = 0.0;
};

LayerStandardValues StandardLayerValues(std::int32_t method, double kindIndex, double gammaAbove, double n);

} // namespace zul
