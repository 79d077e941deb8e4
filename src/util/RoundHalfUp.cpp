#include "util/RoundHalfUp.h"

#include "util/NumberText.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace zul {

namespace {

constexpr auto kPow10 = [] {
    std::array<std::uint64_t, 16> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) {
        p[i] = p[i - 1] * 10;
    }
    return p;
}();

// 10^d, exact for the whole numbers of decimals used.
double PowerOfTen(int d) {
    return d >= 0 && d < 16 ? static_cast<double>(kPow10[static_cast<std::size_t>(d)]) : std::pow(10.0, d);
}

// What the decision needs from the general text form of t (15 significant digits): 0 when
// the text has no decimal point, otherwise 1 + the value of the first digit after it.
int FractionDigitOfText(double t) {
    const std::string text = GeneralNumberText(t);
    const auto dot = text.find('.');
    if (dot == std::string::npos) {
        return 0;
    }
    const bool digit = dot + 1 < text.size() && text[dot + 1] >= '0' && text[dot + 1] <= '9';
    return 1 + (digit ? text[dot + 1] - '0' : 0);
}

// The same answer without writing the text, for 0.1 <= t < 1e14, where the text is the plain
// decimal form with 15 - (integer digits) decimals.  The binary value of t is scaled by that
// power of ten exactly in 128-bit integers and rounded half to even, as the text conversion
// rounds; the decimals shown are then the remainder of that integer.
int FractionDigitExact(double t) {
    const auto whole = static_cast<std::uint64_t>(t);
    std::size_t integerDigits = 0;
    while (integerDigits < 15 && whole >= kPow10[integerDigits]) {
        ++integerDigits;
    }
    const std::size_t decimals = 15 - integerDigits; // 1..15
    int exponent = 0;
    const double fraction = std::frexp(t, &exponent); // t = fraction x 2^exponent, fraction in [0.5, 1)
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent;              // t = mantissa / 2^shift, shift in 6..57 here
    __extension__ typedef unsigned __int128 u128; // a GCC and Clang extension
    const u128 scaled = static_cast<u128>(mantissa) * kPow10[decimals];
    // The digits shown stay below 10^15 + 1 (t x 10^decimals < 10^15), so they fit 64 bits.
    auto shown = static_cast<std::uint64_t>(scaled >> shift);
    const u128 rest = scaled & ((static_cast<u128>(1) << shift) - 1);
    const u128 half = static_cast<u128>(1) << (shift - 1);
    if (rest > half || (rest == half && (shown & 1) != 0)) {
        ++shown;
    }
    const std::uint64_t decimalsShown = shown % kPow10[decimals];
    if (decimalsShown == 0) {
        return 0;
    }
    return 1 + static_cast<int>(decimalsShown / kPow10[decimals - 1]);
}

// The usual case, from the whole and fractional parts of t (0.1 <= t < 1e14): the first decimal
// of the fraction is the digit shown unless the fraction is so close to a tenth or to a whole
// number that rounding it to the decimals shown could carry; then -1 (the exact way decides).
int FractionDigitQuick(double t) {
    const double whole = std::trunc(t);
    const double fraction = t - whole; // exact
    std::size_t integerDigits = 0;
    while (integerDigits < 15 && whole >= static_cast<double>(kPow10[integerDigits])) {
        ++integerDigits;
    }
    // Half a unit of the last decimal shown, widened for the arithmetic below.
    const double half = 0.5 / static_cast<double>(kPow10[15 - integerDigits]) + 1e-14;
    const double tenths = fraction * 10;
    const double digit = std::floor(tenths);
    if (fraction > half && 1 - fraction > half && digit + 1 - tenths > 10 * half) {
        return 1 + static_cast<int>(digit);
    }
    return -1;
}

} // namespace

double RoundHalfUp(double x, int d) {
    const double a = std::fabs(x);
    if (a < 1.0 / PowerOfTen(d + 1)) {
        return 0.0;
    }
    const double p = PowerOfTen(d);
    const double t = a * p + 0.00001;
    int digit = 0;
    if (t >= 0.1 && t < 1e14) {
        digit = FractionDigitQuick(t);
        if (digit < 0) {
            digit = FractionDigitExact(t);
        }
    } else {
        digit = FractionDigitOfText(t);
    }
    double r = 0.0;
    if (digit == 0) {
        r = t / p;
    } else if (digit - 1 >= 5) {
        r = std::trunc(t + 1.0) / p;
    } else {
        r = std::trunc(t) / p;
    }
    return x >= 0 ? r : -r;
}

} // namespace zul
