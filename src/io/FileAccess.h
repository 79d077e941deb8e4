#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zul {

// Reads the whole plain file into bytes (a folder, pipe or device is "path/file access error").
// Returns 0 or the file error code (FileError).
int ReadWholeFile(const std::string& path, std::string& bytes);

// Reads the whole plain file into bytes when it holds at most maxBytes bytes.  A larger file is
// refused without reading it (tooLarge set, bytes empty, result 0).  Returns 0 or the file error
// code (FileError).
int ReadWholeFileUpTo(const std::string& path, std::size_t maxBytes, std::string& bytes, bool& tooLarge);

// Whether the plain file at path can be opened for reading, without reading it (a study file
// of any size is checked at once).  Returns 0 or the code of the failed open (FileError).
int CheckReadableFile(const std::string& path);

// Replaces the contents of the file at path by bytes without ever leaving a half-written file:
// the bytes go to a new file in the same folder, which is flushed to the disk and then renamed
// over the target.  On failure the target is as it was and the new file is removed.  The new
// file keeps the mode of the file it replaces, and its owner and group as far as the process
// may set them.  A symbolic link is followed and the file it names replaced (created when the
// link names no file yet); the link stays.  A target that exists but is read-only fails with
// "permission denied" (a rename would replace it); one that is no plain file (a folder, pipe or
// device) fails at once with "path/file access error", without being opened.
// Returns 0 or the file error code (FileError).
int ReplaceFileContents(const std::string& path, std::string_view bytes);

} // namespace zul
