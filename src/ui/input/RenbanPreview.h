#pragma once

#include <QString>

#include <array>

namespace zul {

// The numbering screen's previews, each seven lines ended by CR LF with "○○○" for the
// heading text: one heading of each level, an empty line, the first two again.
// Method preview: the fixed indents 0, 2, 4 and 8 spaces.
QString MethodPreviewText(int method);
// Margin preview: each level indented by its margin (negative margins count as 0).
QString MarginPreviewText(int method, const std::array<int, 4>& margins);

} // namespace zul
