#pragma once

#include <cstdint>
#include <string>

namespace zul {

// Small file and folder operations.  None of them reports an error: each returns whether it
// worked, and the caller decides.

// Deletes the file; false when it is missing or cannot be deleted.
bool KillFile(const std::string& path);

// Creates the folder (its parent must exist); false on any failure, an existing folder included.
bool MakeFolder(const std::string& path);

// Creates the file or truncates an existing one to empty.
bool CreateEmptyFile(const std::string& path);

// Appends every line of the source file to the destination (created when missing), each ended
// by CR LF.  A source line ends at CR LF, LF or CR; its bytes are copied unchanged.  False when
// destination and source are the same file (it would grow without end while being read).
bool AppendTextFile(const std::string& destination, const std::string& source);

// Creates a new empty file with a unique name beginning with "~PS" in the user's temporary
// folder ($TMPDIR, else /tmp) and returns its full path; empty when that fails.
std::string MakeTempFileName();
// The same in the given folder.
std::string MakeTempFileName(const std::string& folder);

// The user's home folder: $HOME, else the user database entry; empty when unknown.
std::string HomeFolder();

// The user's local application data folder: $XDG_DATA_HOME, else ~/.local/share; empty when
// neither a data folder nor a home folder is known.
std::string GetLocalAppDataFolder();

// A length in twips (1/1440 inch) in millimetres.
constexpr double TwipToMM(std::int32_t twips) {
    return twips / 1440.0 * 25.4;
}

} // namespace zul
