#include "calc/CalcMath.h"

#include "calc/CalcError.h"
#include "util/RoundHalfUp.h"

#include <cmath>

namespace zul::calcmath {

double Finite(double x) {
    if (!std::isfinite(x)) {
        throw CalcError("overflow");
    }
    return x;
}

double Div(double a, double b) {
    if (b == 0.0 || !std::isfinite(b) || !std::isfinite(a)) {
        throw CalcError("division by zero");
    }
    return Finite(a / b);
}

double Log(double x) {
    if (!(x > 0.0) || !std::isfinite(x)) {
        throw CalcError("logarithm of a non-positive number");
    }
    return std::log(x);
}

double Round(double x, int d) {
    return Finite(RoundHalfUp(Finite(x), d));
}

std::int32_t ToLong(double x) {
    const double r = std::nearbyint(Finite(x)); // default rounding mode: halves to even
    if (r < -2147483648.0 || r > 2147483647.0) {
        throw CalcError("integer overflow");
    }
    return static_cast<std::int32_t>(r);
}

std::int32_t ToMillimetres(double x) {
    return ToLong(Finite(x * 1000.0));
}

double CosDegrees(double degrees) {
    return Finite(std::cos(Finite(degrees * kPi / 180.0)));
}

} // namespace zul::calcmath
