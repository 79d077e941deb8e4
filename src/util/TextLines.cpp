#include "util/TextLines.h"

namespace zul {

std::vector<std::string_view> SplitLines(std::string_view text, std::size_t maxLines, bool* cut) {
    std::vector<std::string_view> lines;
    if (cut) {
        *cut = false;
    }
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (lines.size() == maxLines) {
            if (cut) {
                *cut = true;
            }
            break;
        }
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r') {
            ++pos;
        }
        if (pos < text.size() && text[pos] == '\n') {
            ++pos;
        }
    }
    return lines;
}

std::string_view TrimBlanks(std::string_view text) {
    static constexpr std::string_view kIdeographicSpace = "\u3000";
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        while (!text.empty() && IsBlank(text.front())) {
            text.remove_prefix(1);
            trimmed = true;
        }
        while (!text.empty() && IsBlank(text.back())) {
            text.remove_suffix(1);
            trimmed = true;
        }
        if (text.starts_with(kIdeographicSpace)) {
            text.remove_prefix(kIdeographicSpace.size());
            trimmed = true;
        }
        if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
            trimmed = true;
        }
    }
    return text;
}

bool IsBlankText(std::string_view text) {
    return TrimBlanks(text).empty();
}

} // namespace zul
