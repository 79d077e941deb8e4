#pragma once

#include <string>

namespace zul {

// Error codes of the file layer, as the file commands show them to the user.
namespace FileError {
inline constexpr int None = 0;
inline constexpr int SubscriptOutOfRange = 9; // a count above the array bound
inline constexpr int Overflow = 6;            // an integer outside the 32-bit range
inline constexpr int OutOfMemory = 7;         // the file holds more than memory can take
inline constexpr int TypeMismatch = 13;       // a field that cannot be converted
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62; // the file ends before all fields are read
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
} // namespace FileError

// The code of a failed file operation from the system's error number.  path is the file that
// was opened: a missing file whose folder is missing too is "path not found".
int FileErrorFromErrno(int err, const std::string& path);

} // namespace zul
