#include "render/MetafileText.h"

#include "util/Cp932.h"

#include <QList>

namespace zul {

std::string MetafileText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (auto whole = EncodeCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())))) {
        return *whole;
    }
    std::string out;
    for (const uint codePoint : text.toUcs4()) {
        const QByteArray one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1).toUtf8();
        const auto encoded =
            EncodeCp932(std::string_view(one.constData(), static_cast<std::size_t>(one.size())));
        out += encoded ? *encoded : std::string("?");
    }
    return out;
}

} // namespace zul
