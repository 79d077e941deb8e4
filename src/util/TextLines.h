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

} // namespace zul
