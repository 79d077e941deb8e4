#include "io/FileAccess.h"

#include "io/FileError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace zul {

namespace {

bool IsUsablePath(const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos;
}

std::string ParentFolder(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Closes a descriptor on every way out of a function.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }
    // Closes now and reports the error of the close (delayed write errors arrive here).
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

int WriteErrorCode(int err) {
    // A missing folder while creating a file is "path not found", never "file not found".
    if (err == ENOENT) {
        return FileError::PathNotFound;
    }
    return FileErrorFromErrno(err, std::string());
}

// The file a path names after following its symbolic links, also when that file does not exist
// yet (a link to a file still to be written).  A path that is no link is its own target; a
// chain longer than the system follows stops where it is and fails when used.
std::string LinkTarget(const std::string& path) {
    constexpr int kMaxLinks = 40;
    std::string target = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            break;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) {
            break;
        }
        link.resize(static_cast<std::size_t>(n));
        target = link.front() == '/' ? link : ParentFolder(target) + "/" + link;
    }
    return target;
}

// Gives the new file the owner, group and permissions of the file it replaces.  Owner and
// group are kept as far as the process may set them (a user may give a file any of the groups
// they belong to, only the administrator another owner); the permissions are set last because
// a change of owner clears the set-user and set-group marks.
void KeepOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    ::fchmod(fd, old.st_mode & 07777);
}

std::string TemporarySibling(const std::string& folder) {
    thread_local std::mt19937_64 random{std::random_device{}()};
    static const char digits[] = "0123456789abcdef";
    std::string name = folder == "/" ? "/" : folder + "/";
    name += ".~zul";
    auto bits = random();
    for (int i = 0; i < 12; ++i) {
        name += digits[bits & 15];
        bits >>= 4;
    }
    return name + ".tmp";
}

} // namespace

int FileErrorFromErrno(int err, const std::string& path) {
    switch (err) {
    case 0:
        return FileError::None;
    case ENOENT: {
        struct stat st {};
        if (!path.empty() && ::stat(ParentFolder(path).c_str(), &st) != 0) {
            return FileError::PathNotFound;
        }
        return FileError::FileNotFound;
    }
    case ENOTDIR:
    case ELOOP:
        return FileError::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return FileError::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // no room for the file where it goes
        return FileError::DiskFull;
    case ENAMETOOLONG:
    case EINVAL:
        return FileError::BadFileName;
    default:
        return FileError::PathFileAccess;
    }
}

namespace {

// Opens a plain file for reading.  Only plain files are read: a pipe could stall the program and
// a device never end.  Returns 0 or the file error code.
int OpenPlainFile(const std::string& path, FileDescriptor& fd) {
    if (!IsUsablePath(path)) {
        return FileError::BadFileName;
    }
    fd.reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        return FileErrorFromErrno(errno, path);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return FileErrorFromErrno(errno, path);
    }
    if (!S_ISREG(st.st_mode)) {
        return FileError::PathFileAccess;
    }
    return FileError::None;
}

} // namespace

int CheckReadableFile(const std::string& path) {
    FileDescriptor fd(-1);
    return OpenPlainFile(path, fd);
}

int ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    bool tooLarge = false;
    if (const int err = ReadWholeFileUpTo(path, maxBytes, bytes, tooLarge); err != FileError::None) {
        return err;
    }
    return tooLarge ? FileError::OutOfMemory : FileError::None;
}

int ReadWholeFileUpTo(const std::string& path, std::size_t maxBytes, std::string& bytes, bool& tooLarge) {
    bytes.clear();
    tooLarge = false;
    FileDescriptor fd(-1);
    if (const int err = OpenPlainFile(path, fd); err != FileError::None) {
        return err;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return FileErrorFromErrno(errno, path);
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        tooLarge = true;
        return FileError::None;
    }
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            bytes.clear();
            return FileErrorFromErrno(errno, path);
        }
        if (n == 0) {
            break;
        }
        // A file that grows while it is read is bounded all the same.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            bytes.clear();
            tooLarge = true;
            return FileError::None;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return FileError::None;
}

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
    PendingFile pending;
    if (const int err = pending.Prepare(path, bytes); err != FileError::None) {
        return err;
    }
    return pending.Commit();
}

PendingFile::~PendingFile() {
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

int PendingFile::Prepare(const std::string& path, std::string_view bytes) {
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    if (!IsUsablePath(path)) {
        return FileError::BadFileName;
    }
    // What the path names in the end, links followed.  Only a plain file is replaced: a pipe
    // would wait for a reader for ever and a device is no file to keep.
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) {
        return WriteErrorCode(errno);
    }
    if (exists) {
        if (!S_ISREG(st.st_mode)) {
            return FileError::PathFileAccess;
        }
        // Read-only is the file's own mark and holds even for the administrator.
        if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) {
            return FileError::PermissionDenied;
        }
    }
    const std::string target = LinkTarget(path);

    const std::string folder = ParentFolder(target);
    std::string temporary;
    int fdNumber = -1;
    for (int attempt = 0; attempt < 100 && fdNumber < 0; ++attempt) {
        temporary = TemporarySibling(folder);
        fdNumber = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fdNumber < 0 && errno != EEXIST) {
            return WriteErrorCode(errno);
        }
    }
    if (fdNumber < 0) {
        return FileError::PathFileAccess;
    }
    FileDescriptor fd(fdNumber);
    if (exists) {
        KeepOwnerAndMode(fd.get(), st);
    }
    int err = WriteAll(fd.get(), bytes);
    if (err == 0 && ::fsync(fd.get()) != 0 && errno != EINVAL) {
        err = errno;
    }
    if (const int closeErr = fd.close(); err == 0) {
        err = closeErr;
    }
    if (err != 0) {
        ::unlink(temporary.c_str());
        return WriteErrorCode(err);
    }
    temporary_ = temporary;
    target_ = target;
    return FileError::None;
}

int PendingFile::Commit() {
    if (temporary_.empty()) {
        return FileError::PathFileAccess;
    }
    const int err = ::rename(temporary_.c_str(), target_.c_str()) == 0 ? 0 : errno;
    if (err != 0) {
        ::unlink(temporary_.c_str());
    }
    temporary_.clear();
    return err == 0 ? FileError::None : WriteErrorCode(err);
}

int CheckWritableTarget(const std::string& path) {
    if (!IsUsablePath(path)) {
        return FileError::BadFileName;
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            return FileError::PathFileAccess;
        }
        if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) {
            return FileError::PermissionDenied;
        }
    } else if (errno != ENOENT) {
        return WriteErrorCode(errno);
    }
    const std::string target = LinkTarget(path);
    const std::string folder = ParentFolder(target);
    if (::stat(folder.c_str(), &st) != 0) {
        return WriteErrorCode(errno);
    }
    if (!S_ISDIR(st.st_mode)) {
        return FileError::PathNotFound;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        return WriteErrorCode(errno);
    }
    const auto slash = target.find_last_of('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    const long most = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (name.empty() || name == "." || name == ".." ||
        (most > 0 && name.size() > static_cast<std::size_t>(most))) {
        return FileError::BadFileName;
    }
    return FileError::None;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (!IsUsablePath(a) || !IsUsablePath(b)) {
        return false;
    }
    struct stat sa {};
    struct stat sb {};
    const bool aExists = ::stat(a.c_str(), &sa) == 0;
    const bool bExists = ::stat(b.c_str(), &sb) == 0;
    if (aExists && bExists) {
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    }
    if (aExists != bExists) {
        return false;
    }
    std::error_code error;
    const auto ca = std::filesystem::weakly_canonical(std::filesystem::absolute(a, error), error);
    const auto cb = std::filesystem::weakly_canonical(std::filesystem::absolute(b, error), error);
    return !error && ca == cb;
}

} // namespace zul
