#pragma once

#include <QString>

#include <string>

namespace zul {

// Text for a metafile text record or face name: code page 932 bytes.  A character the code
// page lacks becomes "?", so that one odd character never costs the whole label.
std::string MetafileText(const QString& text);

} // namespace zul
