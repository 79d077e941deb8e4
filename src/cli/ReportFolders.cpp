// The folders of a zul-cli report run: its private work folder and the figures folder beside
// the print file, replaced whole when everything is written.
#include "cli/ReportFolders.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "util/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <unistd.h>

namespace zul::cli {

namespace fs = std::filesystem;

bool RecordableFolder(const std::string& folder) {
    const auto encoded = EncodeCp932(folder);
    return encoded && std::none_of(encoded->begin(), encoded->end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

std::string TemporaryFolder() {
    const char* tmp = std::getenv("TMPDIR");
    if (tmp != nullptr && tmp[0] == '/' && RecordableFolder(tmp)) {
        return tmp;
    }
    return "/tmp";
}

ScratchFolder::ScratchFolder(const std::string& parent) {
    std::string pattern = parent + (parent.ends_with('/') ? "" : "/") + ".~zul-report-XXXXXX";
    errno = 0;
    if (::mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern;
    } else {
        error_ = FileErrorFromErrno(errno != 0 ? errno : EIO, std::string());
    }
}

ScratchFolder::~ScratchFolder() {
    if (!path_.empty() && !kept_) {
        std::error_code error;
        fs::remove_all(path_, error);
    }
}

FolderLock::FolderLock(const std::string& folder)
    : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ >= 0) {
        while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) {
        ::close(fd_); // releases the lock
    }
}

namespace {

constexpr std::string_view kFiguresMarkText =
    "zul-cli report: figures of the print file beside this folder\n";

// The names the report's own files have in a figures folder: figure files, study graphs and the
// folder's mark.
bool IsReportFile(const std::string& name) {
    return name.rfind("~PS", 0) == 0 || name == "RA01.WMF" || name == "PA01.WMF" || name == "RA02.WMF" ||
           name == "PA02.WMF" || name == kFiguresMarkName;
}

} // namespace

int MarkFiguresFolder(const fs::path& folder) {
    return ReplaceFileContents((folder / kFiguresMarkName).string(), kFiguresMarkText);
}

bool FiguresPlaceIsOurs(const fs::path& target) {
    std::error_code error;
    const auto status = fs::symlink_status(target, error);
    if (status.type() == fs::file_type::not_found) {
        return true;
    }
    if (error || status.type() != fs::file_type::directory) {
        return false;
    }
    return fs::symlink_status(target / kFiguresMarkName, error).type() == fs::file_type::regular;
}

bool RemoveOldFigures(const fs::path& old) {
    std::error_code error;
    const auto status = fs::symlink_status(old, error);
    if (error || status.type() == fs::file_type::not_found) {
        return true;
    }
    if (status.type() != fs::file_type::directory) {
        return fs::remove(old, error);
    }
    for (const auto& entry : fs::directory_iterator(old, error)) {
        std::error_code entryError;
        if (IsReportFile(entry.path().filename().string()) &&
            entry.symlink_status(entryError).type() == fs::file_type::regular) {
            fs::remove(entry.path(), entryError);
        }
    }
    return fs::remove(old, error);
}

int SwapFolderIn(const fs::path& fresh, const fs::path& target) {
    std::error_code error;
    const auto status = fs::symlink_status(target, error);
    if (status.type() == fs::file_type::not_found) {
        return ::rename(fresh.c_str(), target.c_str()) == 0 ? 0 : errno;
    }
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // A file system without the exchange: the earlier one steps aside to a name of its own
    // (the emptied work folder's), then the new one takes its place.
    const fs::path aside = fresh.string() + "-old";
    if (::rename(target.c_str(), aside.c_str()) != 0) {
        return errno;
    }
    if (::rename(fresh.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::rename(aside.c_str(), target.c_str());
        return err;
    }
    return ::rename(aside.c_str(), fresh.c_str()) == 0 ? 0 : errno;
}

} // namespace zul::cli
