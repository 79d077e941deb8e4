#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

// A private folder for the files one fuzzing run reads and writes: in memory (/dev/shm) where
// available, so that the many writes do not wear the disk.  It is made inside $ZUL_FUZZ_FOLDER
// when that is set (scripts/fuzz.sh gives each run a folder it removes afterwards, also after a
// crash) and is removed when the process ends normally.
inline const std::string& FuzzFolder() {
    static const std::string folder = [] {
        std::string parent = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        if (const char* given = std::getenv("ZUL_FUZZ_FOLDER"); given != nullptr && given[0] == '/') {
            parent = given;
        }
        std::string pattern = parent + "/zul-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        return pattern;
    }();
    static const bool removedAtExit = [] {
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(FuzzFolder(), ignored);
        });
        return true;
    }();
    static_cast<void>(removedAtExit);
    return folder;
}

inline void WriteFuzzFile(const std::string& path, const char* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
}

inline std::string ReadFuzzFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
