#include "ui/input/StandardValues.h"

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

// Skin friction: a x N up to the cap, for N above 2 only.
double skinFriction(std::int32_t method, bool granular, double n) {
    if (n <= 2) {
        return 0.0;
    }
    double factor = 2;
    double cap = 100;
    switch (method) {
    case 0: // driven pile
        factor = granular ? 2 : 10;
        cap = granular ? 100 : 150;
        break;
    case 1: // cast-in-place pile
        factor = granular ? 5 : 10;
        cap = granular ? 200 : 150;
        break;
    case 2: // the three inner-excavation methods
    case 3:
    case 4:
        factor = granular ? 2 : 8;
        cap = 100;
        break;
    case 5: // steel pipe soil cement pile
        factor = 10;
        cap = 200;
        break;
    case 6: // pre-boring pile
        factor = granular ? 5 : 10;
        cap = granular ? 150 : 100;
        break;
    default: // rotary press-in pile and any other code
        factor = granular ? 2 : 10;
        cap = 100;
        break;
    }
    return std::min(factor * n, cap);
}

double tipResistance(std::int32_t method, int kind, double n) {
    switch (method) {
    case 1:
    case 4:
        if (kind == 0) {
            return n >= 30 ? 3000 : 0;
        }
        if (kind == 1) {
            return n >= 50 ? 5000 : n >= 30 ? 3000 : 0;
        }
        return 0;
    case 3:
    case 5:
    case 6:
        if (kind == 0) {
            return std::min(150 * n, 7500.0);
        }
        if (kind == 1) {
            return std::min(200 * n, 10000.0);
        }
        return 0;
    case 7:
        return std::min(150 * n, 7500.0);
    default: // driven piles (0, 2) and any other code
        return 0;
    }
}

} // namespace

LayerStandardValues StandardLayerValues(std::int32_t method, double kindIndex, double gammaAbove, double n) {
    // The kind index rounds to a whole number (halves to even, as a whole-number conversion does).
    const int kind = static_cast<int>(std::nearbyint(kindIndex));
    const bool granular =
        kind == static_cast<int>(LayerKind::Sandy) || kind == static_cast<int>(LayerKind::Gravel);
    LayerStandardValues values;
    values.gammaBelow = std::max(gammaAbove - 9, 0.0);
    values.f = skinFriction(method, granular, n);
    values.qd = tipResistance(method, kind, n);
    return values;
}

} // namespace zul
