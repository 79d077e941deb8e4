#pragma once

#include "calc/CalcError.h"
#include "calc/RoundingMemo.h"

#include <cmath>
#include <cstdint>

namespace zul::calcmath {

// Pi as the calculation uses it everywhere, and pi / 4 for the section areas.
inline constexpr double kPi = 3.141592654;
inline constexpr double kQuarterPi = 0.7853981635;

// Depths and N-values beyond these magnitudes are left to the plain evaluation by the quick
// paths (the N-value selection, the balance bound): below them no millimetre conversion,
// interpolation or interval value can leave the finite range, so the plain evaluation's range
// checks cannot trip.
inline constexpr double kQuickMaxDepth = 1e6;
inline constexpr double kQuickMaxN = 1e9;

// Plain floating point does not trap, so every step of the calculation passes its results
// through these checks; each throws CalcError where the arithmetic has no finite result.

// The value itself when finite.
inline double Finite(double x) {
    if (!std::isfinite(x)) {
        throw CalcError("overflow");
    }
    return x;
}

// a / b; fails for a zero or non-finite divisor or a non-finite result.
inline double Div(double a, double b) {
    if (b == 0.0 || !std::isfinite(b) || !std::isfinite(a)) {
        throw CalcError("division by zero");
    }
    return Finite(a / b);
}

// Natural logarithm; fails for a non-positive argument.
inline double Log(double x) {
    if (!(x > 0.0) || !std::isfinite(x)) {
        throw CalcError("logarithm of a non-positive number");
    }
    return std::log(x);
}

// The calculation's half-up rounding to d decimals of a finite value.
inline double Round(double x, int d) {
    return RememberedRound(x, d);
}

// Conversion to a 32-bit integer, halves to the even integer; fails outside the 32-bit range.
inline std::int32_t ToLong(double x) {
    if (!(std::fabs(x) < 2147483649.0)) {
        throw CalcError("integer overflow");
    }
    // Adding and removing 1.5 x 2^52 rounds to the nearest integer, halves to even, in the
    // default rounding mode (exact for magnitudes below 2^51).
    constexpr double kRound = 6755399441055744.0;
    const double r = (x + kRound) - kRound;
    if (r < -2147483648.0 || r > 2147483647.0) {
        throw CalcError("integer overflow");
    }
    return static_cast<std::int32_t>(r);
}

// An elevation or depth in whole millimetres (x * 1000 converted as ToLong).
inline std::int32_t ToMillimetres(double x) {
    return ToLong(x * 1000.0);
}

// Cosine of an angle in degrees, converted with the calculation's pi.
inline double CosDegrees(double degrees) {
    return Finite(std::cos(Finite(degrees * kPi / 180.0)));
}

} // namespace zul::calcmath
