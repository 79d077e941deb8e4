#pragma once

// The folders of a zul-cli report run: a private work folder for every file the run makes,
// and the figures folder beside the print file, which the finished work folder replaces whole.

#include <filesystem>
#include <string>

namespace zul::cli {

// Whether a folder can be named in a print file, whose records are code page 932 text: a
// character code page 932 cannot hold would become "?" and a control character a space, and
// the preview would not find the files.
bool RecordableFolder(const std::string& folder);

// The user's temporary folder ($TMPDIR, else /tmp); /tmp when $TMPDIR cannot be named in a
// print file.
std::string TemporaryFolder();

// A folder of its own for the files of one run, made with a unique hidden name in parent;
// removed with everything in it unless Keep() was called.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& parent);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    // Empty when the folder could not be made; error() then holds the file error code.
    const std::string& path() const { return path_; }
    int error() const { return error_; }
    void Keep() { kept_ = true; }

private:
    std::string path_;
    int error_ = 0;
    bool kept_ = false;
};

// Holds an exclusive lock on a folder while the outputs in it are replaced, so that two runs
// on the same print file never mix their print file and figures.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_;
};

// The file that marks a figures folder as made by a report run: only such a folder is ever
// replaced.
inline constexpr const char* kFiguresMarkName = ".zul-report-figures";

// Marks folder as a figures folder of a report run.  Returns 0 or the file error code (FileError).
int MarkFiguresFolder(const std::filesystem::path& folder);

// Whether a report run may put its figures at target: nothing stands there, or a real folder
// (not a link) with the mark of a report run.  A file, a link or a folder of the user is not
// ours to replace.
bool FiguresPlaceIsOurs(const std::filesystem::path& target);

// Puts the finished figures folder made at fresh in the place of the figures folder target,
// a folder of a report run or nothing (FiguresPlaceIsOurs, checked by the caller); what stood
// there is then at fresh.  Returns 0 or the system's error number.
int SwapFolderIn(const std::filesystem::path& fresh, const std::filesystem::path& target);

// Removes what was the figures folder before it was replaced: a link or other file itself
// (never what it points to), a folder's report files ("~PS…", the study graphs) and then the
// folder when that left it empty.  False when other files keep it.
bool RemoveOldFigures(const std::filesystem::path& old);

} // namespace zul::cli
