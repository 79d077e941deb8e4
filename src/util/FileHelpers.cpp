#include "util/FileHelpers.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zul {

namespace {

bool IsUsablePath(const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenFile(const std::string& path, const char* mode) {
    return IsUsablePath(path) ? File(std::fopen(path.c_str(), mode)) : File();
}

} // namespace

bool KillFile(const std::string& path) {
    struct stat st {};
    if (!IsUsablePath(path) || ::lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return false;
    }
    return ::unlink(path.c_str()) == 0;
}

bool MakeFolder(const std::string& path) {
    return IsUsablePath(path) && ::mkdir(path.c_str(), 0777) == 0;
}

bool CreateEmptyFile(const std::string& path) {
    File file = OpenFile(path, "wb");
    return file && std::fclose(file.release()) == 0;
}

bool AppendTextFile(const std::string& destination, const std::string& source) {
    File in = OpenFile(source, "rb");
    if (!in) {
        return false;
    }
    File out = OpenFile(destination, "ab");
    if (!out) {
        return false;
    }
    // A file appended to itself would grow while it is read and never end: refused, as a file
    // that is already open.
    struct stat inStat {};
    struct stat outStat {};
    if (::fstat(::fileno(in.get()), &inStat) != 0 || ::fstat(::fileno(out.get()), &outStat) != 0 ||
        (inStat.st_dev == outStat.st_dev && inStat.st_ino == outStat.st_ino)) {
        return false;
    }
    bool lineOpen = false; // bytes of a line were copied and its end is still due
    int c = 0;
    while ((c = std::getc(in.get())) != EOF) {
        if (c == '\r' || c == '\n') {
            if (c == '\r') {
                const int next = std::getc(in.get());
                if (next != '\n' && next != EOF) {
                    std::ungetc(next, in.get());
                }
            }
            if (std::fputs("\r\n", out.get()) == EOF) {
                return false;
            }
            lineOpen = false;
            continue;
        }
        if (std::putc(c, out.get()) == EOF) {
            return false;
        }
        lineOpen = true;
    }
    if (std::ferror(in.get()) || (lineOpen && std::fputs("\r\n", out.get()) == EOF)) {
        return false;
    }
    return std::fclose(out.release()) == 0;
}

std::string MakeTempFileName() {
    std::string folder = "/tmp";
    if (const char* tmp = std::getenv("TMPDIR"); tmp != nullptr && tmp[0] == '/') {
        folder = tmp;
    }
    return MakeTempFileName(folder);
}

std::string MakeTempFileName(const std::string& folder) {
    if (!IsUsablePath(folder)) {
        return {};
    }
    std::string path = folder + (folder.back() == '/' ? "" : "/") + "~PSXXXXXX";
    const int fd = ::mkstemp(path.data());
    if (fd < 0) {
        return {};
    }
    ::close(fd);
    return path;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return home;
    }
    if (const passwd* user = ::getpwuid(::geteuid()); user != nullptr && user->pw_dir != nullptr) {
        return user->pw_dir;
    }
    return {};
}

std::string GetLocalAppDataFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
        return data;
    }
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.local/share";
}

} // namespace zul
