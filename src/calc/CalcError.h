#pragma once

#include <stdexcept>
#include <string>

namespace zul {

// Raised by the calculation when a step has no finite result (division by zero, overflow,
// logarithm of a non-positive number, an integer conversion out of range) or when a record
// that must be read is missing.  The driver catches it and reports a calculation error.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace zul
