#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

// A private folder for the files one fuzzing run reads and writes: in memory (/dev/shm) where
// available, so that the many writes do not wear the disk.
inline const std::string& FuzzFolder() {
    static const std::string folder = [] {
        std::string pattern =
            ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/zul-fuzz-XXXXXX" : "/tmp/zul-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        return pattern;
    }();
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
