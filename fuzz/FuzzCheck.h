#pragma once

#include <cstdlib>

// A property of the code under fuzzing that must hold: a violation aborts, so that the fuzzer
// keeps the input that caused it.
inline void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}
