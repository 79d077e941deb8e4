#include "render/MetafileText.h"

#include "util/Cp932.h"

namespace zul {

std::string MetafileText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return EncodeCp932Lenient(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace zul
