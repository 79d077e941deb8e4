#pragma once

#include <stdexcept>

namespace zul {

// A figure or definition file whose contents do not follow the format; the message (Japanese)
// says what is wrong, the caller names the file.
class PrintFileFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace zul
