#pragma once

#include <QString>

#include <string>

namespace zul {

// Text in code page 932 (Shift_JIS as Windows writes it), through glibc iconv "CP932".
// A character the code page lacks becomes "?"; the rest of the text is kept.
std::string EncodeCp932(const QString& text);

} // namespace zul
