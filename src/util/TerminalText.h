#pragma once

#include <string>
#include <string_view>

namespace zul {

// Text that came from a file or a command line (a path, a version text), made safe to show in
// a terminal: control characters (C0, DEL and C1, ESC and NUL included) and bytes that are no
// UTF-8 are shown as "\xHH" or "\u0080" ... instead of being sent raw, so that a file cannot
// move the cursor, recolour or retitle the terminal.  Every other character, Japanese
// included, is kept.
std::string EscapeControls(std::string_view text);

} // namespace zul
