#pragma once

#include <string>
#include <string_view>

namespace zul {

// Reads the whole plain file into bytes (a folder, pipe or device is "path/file access error").
// Returns 0 or the file error code (FileError).
int ReadWholeFile(const std::string& path, std::string& bytes);

// Whether the plain file at path can be opened for reading, without reading it (a study file
// of any size is checked at once).  Returns 0 or the code of the failed open (FileError).
int CheckReadableFile(const std::string& path);

// Replaces the contents of the file at path by bytes without ever leaving a half-written file:
// the bytes go to a new file in the same folder, which is flushed to the disk and then renamed
// over the target.  On failure the target is as it was and the new file is removed.  A target
// that exists but is read-only fails with "permission denied" (a rename would replace it).
// A link is followed and the file it names replaced; a device or pipe is written directly.
// Returns 0 or the file error code (FileError).
int ReplaceFileContents(const std::string& path, std::string_view bytes);

} // namespace zul
