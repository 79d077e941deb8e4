#pragma once

#include <cstring>

namespace zul {

// Whether two doubles are the same value to the last bit (signed zeros and NaNs apart).
inline bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace zul
