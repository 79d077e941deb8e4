#pragma once

// Split the text of an input data file into its lines and join them again; lines end with
// CR LF.

#include <string>
#include <vector>

namespace zul::test {

inline std::vector<std::string> CrlfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::string JoinCrlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

} // namespace zul::test
