#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zul::reference {

// Raised by the reference calculation wherever the pile calculation cannot go on: a division
// by zero, a value that is no longer finite, the logarithm of a non-positive number, a
// segment that must be read but does not exist, a cell without a numeric value.
class CalcFailure : public std::runtime_error {
public:
    explicit CalcFailure(const std::string& what) : std::runtime_error(what) {}
};

// The decimal constants the calculation uses for a circle and for a quarter circle.
inline constexpr double kPi = 3.141592654;
inline constexpr double kQuarterPi = 0.7853981635;

// Fails unless x is a finite number; returns x.
double Finite(double x, const char* what);

// a / b, failing on a zero divisor or a result that is not finite.
double Quotient(double a, double b, const char* what);

// Natural logarithm, failing for a non-positive argument.
double NaturalLog(double x, const char* what);

// The shared half-up rounding to d decimals, guarded against non-finite values.
double Round(double x, int d);

// Cosine of an inclination given in degrees; an inclination whose cosine is not positive
// (the pile would point sideways or upwards) cannot be calculated.
double InclinationCosine(double degrees);

// An elevation or depth in whole millimetres, halves to the even millimetre.
std::int64_t WholeMillimetres(double metres);

} // namespace zul::reference
