#pragma once

#include "calc/CalcError.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace zul::calcmath {

// The calculation's half-up rounding to d decimals of a finite value, remembering recent answers.
// A table run rounds the same values over and over (the shaft segments, the intervals between
// N-value points, the friction of each layer), and the rounding decides on the decimal form of
// the value, which costs far more than a look-up.  The rounding is a function of x and d alone,
// so a remembered answer is the answer.  Each thread keeps its own small table.
double RememberedRound(double x, int d);

namespace memo {

// One remembered answer: the bits of x and its rounding.
struct Entry {
    std::uint64_t x = 0;
    double rounded = 0;
};

// 512 places for each of 0 to 3 decimals, chosen by a multiplicative hash of the bits of x.  A
// place that was never written holds x = +0 and its rounding +0, a true answer.
inline constexpr int kPlaceBits = 9;
inline constexpr int kMaxDecimals = 3;
using Table = std::array<std::array<Entry, std::size_t{1} << kPlaceBits>, kMaxDecimals + 1>;
inline constinit thread_local Table tRemembered{};

// Rounds x, which has no remembered answer, and remembers the answer in e.
double RoundInto(double x, int d, Entry* e);

} // namespace memo

inline double RememberedRound(double x, int d) {
    if (!std::isfinite(x)) {
        throw CalcError("overflow");
    }
    if (d < 0 || d > memo::kMaxDecimals) {
        return memo::RoundInto(x, d, nullptr);
    }
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const auto place = static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ULL) >> (64 - memo::kPlaceBits));
    memo::Entry& e = memo::tRemembered[static_cast<std::size_t>(d)][place];
    return e.x == bits ? e.rounded : memo::RoundInto(x, d, &e);
}

} // namespace zul::calcmath
