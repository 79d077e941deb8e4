#include "ReferenceArithmetic.h"

#include "util/RoundHalfUp.h"

#include <cmath>

namespace zul::reference {

double Finite(double x, const char* what) {
    if (!std::isfinite(x)) {
        throw CalcFailure(std::string("non-finite value: ") + what);
    }
    return x;
}

double Quotient(double a, double b, const char* what) {
    if (b == 0.0) {
        throw CalcFailure(std::string("division by zero: ") + what);
    }
    return Finite(a / b, what);
}

double NaturalLog(double x, const char* what) {
    if (!(x > 0.0)) {
        throw CalcFailure(std::string("logarithm of a non-positive value: ") + what);
    }
    return std::log(x);
}

double Round(double x, int d) {
    return Finite(RoundHalfUp(Finite(x, "rounded value"), d), "rounded value");
}

double InclinationCosine(double degrees) {
    const double c = std::cos(degrees * kPi / 180.0);
    if (!(c > 0.0)) {
        throw CalcFailure("inclination without a positive cosine");
    }
    return c;
}

std::int64_t WholeMillimetres(double metres) {
    const double scaled = Finite(metres * 1000.0, "millimetres");
    if (std::fabs(scaled) > 9.0e15) {
        throw CalcFailure("elevation out of range");
    }
    return static_cast<std::int64_t>(std::nearbyint(scaled));
}

} // namespace zul::reference
