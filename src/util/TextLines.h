#pragma once

#include <cstddef>
#include <limits>
#include <string_view>
#include <vector>

namespace zul {

// The lines of a text file's contents without their ends.  A line ends at CR LF, LF or CR (as
// the program's text files may come from either world); a last line without an end counts too,
// an end at the very end of the text opens no further line.
// At most maxLines lines; cut, when given, tells whether lines were left out.
std::vector<std::string_view> SplitLines(std::string_view text,
                                         std::size_t maxLines = std::numeric_limits<std::size_t>::max(),
                                         bool* cut = nullptr);

// A blank of the program's texts: space, tab, the line ends CR and LF, form feed, vertical tab.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// The text without blanks and ideographic spaces (U+3000 in UTF-8) at both ends.  The bytes
// of the ideographic space never stand at either end of a valid code page 932 text, so the
// same trim serves texts of both encodings.
std::string_view TrimBlanks(std::string_view text);

// Whether the text holds nothing but blanks and ideographic spaces (an empty text does).
bool IsBlankText(std::string_view text);

} // namespace zul
