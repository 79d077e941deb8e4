#include "document/LayerStandardValues.h"

#include "document/ConstructionMethod.h"
#include "document/SoilKind.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zul {

namespace {

using Method = ConstructionMethod;

// Skin friction: a x N up to the cap, for N above 2 only.
double skinFriction(std::optional<Method> method, bool granular, double n) {
    if (n <= 2) {
        return 0.0;
    }
    double factor = 2;
    double cap = 100;
    switch (method.value_or(Method::RotaryPressIn)) {
    case Method::Driven:
        factor = granular ? 2 : 10;
        cap = granular ? 100 : 150;
        break;
    case Method::CastInPlace:
        factor = granular ? 5 : 10;
        cap = granular ? 200 : 150;
        break;
    case Method::InnerExcavationFinalDriving:
    case Method::InnerExcavationCementMilk:
    case Method::InnerExcavationConcrete:
        factor = granular ? 2 : 8;
        cap = 100;
        break;
    case Method::SteelPipeSoilCement:
        factor = 10;
        cap = 200;
        break;
    case Method::PreBoring:
        factor = granular ? 5 : 10;
        cap = granular ? 150 : 100;
        break;
    case Method::RotaryPressIn: // and any code outside the list
        factor = granular ? 2 : 10;
        cap = 100;
        break;
    }
    return std::min(factor * n, cap);
}

double tipResistance(std::optional<Method> method, int kind, double n) {
    const bool sandy = kind == static_cast<int>(SoilKind::Sandy);
    const bool gravel = kind == static_cast<int>(SoilKind::Gravel);
    switch (method.value_or(Method::Driven)) {
    case Method::CastInPlace:
    case Method::InnerExcavationConcrete:
        if (sandy) {
            return n >= 30 ? 3000 : 0;
        }
        if (gravel) {
            return n >= 50 ? 5000 : n >= 30 ? 3000 : 0;
        }
        return 0;
    case Method::InnerExcavationCementMilk:
    case Method::SteelPipeSoilCement:
    case Method::PreBoring:
        if (sandy) {
            return std::min(150 * n, 7500.0);
        }
        if (gravel) {
            return std::min(200 * n, 10000.0);
        }
        return 0;
    case Method::RotaryPressIn:
        return std::min(150 * n, 7500.0);
    case Method::Driven: // and any code outside the list
    case Method::InnerExcavationFinalDriving:
        return 0;
    }
    return 0;
}

} // namespace

LayerStandardValues StandardLayerValues(std::int32_t method, double kindIndex, double gammaAbove, double n) {
    // The kind index rounds to a whole number (halves to even, as a whole-number conversion does).
    const int kind = static_cast<int>(std::nearbyint(kindIndex));
    const auto known = MethodOfCode(method);
    LayerStandardValues values;
    values.gammaBelow = std::max(gammaAbove - 9, 0.0);
    values.f = skinFriction(known, IsGranular(kind), n);
    values.qd = tipResistance(known, kind, n);
    return values;
}

} // namespace zul
