#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zul {

// Most bytes a file of the program (study, settings, report template, definition, print or
// figure file) may hold when it is read whole.
inline constexpr std::size_t kMaxReadBytes = 64 * 1024 * 1024;

// Reads the whole plain file into bytes, at most maxBytes of them: a folder, pipe or device is
// "path/file access error" at once, without waiting for data; a longer file is "out of memory"
// (the program does not take it) after reading no more than maxBytes + 1 bytes.
// Returns 0 or the file error code (FileError).
int ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes = kMaxReadBytes);

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

// ReplaceFileContents in two steps, for outputs that must change together or not at all:
// Prepare writes the complete new file beside its target (checks, links and modes as
// ReplaceFileContents), Commit renames it over the target.  A prepared file that is never
// committed is removed with the object, and the target stays as it was.
class PendingFile {
public:
    PendingFile() = default;
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Returns 0 or the file error code (FileError).
    int Prepare(const std::string& path, std::string_view bytes);
    // Returns 0 or the file error code; FileError::PathFileAccess when nothing is prepared.
    int Commit();

private:
    std::string temporary_;
    std::string target_;
};

// Whether a file can be written at path, checked without writing: a target that exists must be
// a plain, writable file (a pipe, device or folder fails at once with "path/file access
// error"), its folder must exist ("path not found") and its name must fit the file system
// ("bad file name").  Returns 0 or the file error code (FileError).
int CheckWritableTarget(const std::string& path);

// Whether two paths name the same file: the same file on disk when both exist (links, "..",
// hard links), otherwise the same path once made absolute and resolved as far as it exists.
bool SameFile(const std::string& a, const std::string& b);

} // namespace zul
