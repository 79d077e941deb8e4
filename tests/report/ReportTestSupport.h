#pragma once

// Helpers of the report tests: code page 932 texts and the lines of a print file.

#include "../util/TestFolder.h"
#include "util/Cp932.h"

#include <string>
#include <string_view>
#include <vector>

namespace zul::test {

// A UTF-8 text of the test in code page 932 (the text must be encodable).
inline std::string Sjis(std::string_view utf8) {
    return EncodeCp932(utf8).value();
}

// A code page 932 text of a file in UTF-8.
inline std::string Utf8(std::string_view cp932) {
    return DecodeCp932(cp932).value();
}

// The lines of a print text (code page 932) in UTF-8, split at CR LF; a form feed stays at the
// start of the line that follows it.
inline std::vector<std::string> PrintTextLines(const std::string& cp932) {
    const std::string text = Utf8(cp932);
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(text.substr(pos));
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

// The lines of a print file, as PrintTextLines.
inline std::vector<std::string> PrintLines(const std::string& path) {
    return PrintTextLines(ReadBytes(path));
}

} // namespace zul::test
