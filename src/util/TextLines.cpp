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

} // namespace zul
