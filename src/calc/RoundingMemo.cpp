#include "calc/RoundingMemo.h"

#include "calc/CalcError.h"
#include "util/RoundHalfUp.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace zul::calcmath {

namespace {

// One remembered answer: the bits of x and its rounding.
struct Entry {
    std::uint64_t x = 0;
    double rounded = 0;
};

// 512 places for each of 0 to 3 decimals, chosen by a multiplicative hash of the bits of x.  A
// place that was never written holds x = +0 and its rounding +0, a true answer.
constexpr int kPlaceBits = 9;
constexpr int kMaxDecimals = 3;
thread_local std::array<std::array<Entry, std::size_t{1} << kPlaceBits>, kMaxDecimals + 1> tRemembered{};

double Rounded(double x, int d) {
    const double r = RoundHalfUp(x, d);
    if (!std::isfinite(r)) {
        throw CalcError("overflow");
    }
    return r;
}

} // namespace

double RememberedRound(double x, int d) {
    if (!std::isfinite(x)) {
        throw CalcError("overflow");
    }
    if (d < 0 || d > kMaxDecimals) {
        return Rounded(x, d);
    }
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const auto place = static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ULL) >> (64 - kPlaceBits));
    Entry& e = tRemembered[static_cast<std::size_t>(d)][place];
    if (e.x != bits) {
        e.rounded = Rounded(x, d);
        e.x = bits;
    }
    return e.rounded;
}

} // namespace zul::calcmath
