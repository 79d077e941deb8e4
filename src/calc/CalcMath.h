#pragma once

#include <cstdint>

namespace zul::calcmath {

// Pi as the calculation uses it everywhere, and pi / 4 for the section areas.
inline constexpr double kPi = 3.141592654;
inline constexpr double kQuarterPi = 0.7853981635;

// Plain floating point does not trap, so every step of the calculation passes its results
// through these checks; each throws CalcError where the arithmetic has no finite result.

// The value itself when finite.
double Finite(double x);
// a / b; fails for a zero or non-finite divisor or a non-finite result.
double Div(double a, double b);
// Natural logarithm; fails for a non-positive argument.
double Log(double x);
// The calculation's half-up rounding to d decimals of a finite value.
double Round(double x, int d);
// Conversion to a 32-bit integer, halves to the even integer; fails outside the 32-bit range.
std::int32_t ToLong(double x);
// An elevation or depth in whole millimetres (x * 1000 converted as ToLong).
std::int32_t ToMillimetres(double x);
// Cosine of an angle in degrees, converted with the calculation's pi.
double CosDegrees(double degrees);

} // namespace zul::calcmath
