#include "render/Cp932Text.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace zul {

namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

} // namespace

std::string EncodeCp932(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    iconv_t raw = iconv_open("CP932", "UTF-8");
    if (raw == reinterpret_cast<iconv_t>(-1)) {
        return utf8.toStdString(); // no converter on this system: better the bytes than nothing
    }
    const std::unique_ptr<void, IconvCloser> cd(raw);
    std::string out;
    char* in = const_cast<char*>(utf8.constData());
    std::size_t inLeft = static_cast<std::size_t>(utf8.size());
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(raw, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (done == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            // Not representable (or broken input): one "?" for the whole UTF-8 character.
            out.push_back('?');
            std::size_t skip = 1;
            while (skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) {
                ++skip;
            }
            in += skip;
            inLeft -= skip;
        }
    }
    return out;
}

} // namespace zul
