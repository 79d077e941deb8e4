#pragma once

#include <stdexcept>
#include <string>

namespace zul {

// Any failure while a report section writes (missing template block, file error, table overflow).
// Sections throw it; the boundary of a report part catches it and the part reports false.  A
// failed write carries its file error code (FileError), 0 for any other failure.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const std::string& what, int fileError = 0)
        : std::runtime_error(what), fileError_(fileError) {}
    int FileErrorCode() const { return fileError_; }

private:
    int fileError_ = 0;
};

} // namespace zul
