#include "util/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace zul {

namespace {

// One conversion descriptor per direction and thread, opened on first use and closed at
// thread end.  glibc's "CP932" is Microsoft's table ("SHIFT_JIS" lacks "①" and maps "～"
// to the wave dash).
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::optional<std::string> convert(std::string_view input) {
        if (!valid()) {
            return std::nullopt;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // back to the initial state
        std::string output;
        output.resize(input.size() * 2 + 16);
        // iconv takes a non-const input pointer but does not write through it.
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        std::size_t written = 0;
        while (true) {
            char* out = output.data() + written;
            std::size_t outLeft = output.size() - written;
            const std::size_t rc = iconv(cd_, inLeft > 0 ? &in : nullptr, &inLeft, &out, &outLeft);
            written = output.size() - outLeft;
            if (rc != static_cast<std::size_t>(-1)) {
                if (inLeft == 0) {
                    break;
                }
                continue;
            }
            if (errno == E2BIG) {
                output.resize(output.size() * 2);
                continue;
            }
            return std::nullopt; // EILSEQ or EINVAL: not convertible, never replaced
        }
        output.resize(written);
        return output;
    }

private:
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t cd_;
};

} // namespace

std::optional<std::string> EncodeCp932(std::string_view utf8) {
    thread_local Converter converter("CP932", "UTF-8");
    return converter.convert(utf8);
}

std::optional<std::string> DecodeCp932(std::string_view cp932) {
    thread_local Converter converter("UTF-8", "CP932");
    return converter.convert(cp932);
}

std::string DecodeCp932Lenient(std::string_view cp932) {
    if (auto whole = DecodeCp932(cp932)) {
        return std::move(*whole);
    }
    std::string out;
    for (std::size_t i = 0; i < cp932.size();) {
        const std::size_t n = Cp932CharWidth(cp932, i);
        const auto one = DecodeCp932(cp932.substr(i, n));
        out += one ? *one : std::string(n, '?');
        i += n;
    }
    return out;
}

std::string EncodeCp932Lenient(std::string_view utf8) {
    if (auto whole = EncodeCp932(utf8)) {
        return std::move(*whole);
    }
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const std::size_t n = std::min<std::size_t>(c >= 0xF0   ? 4
                                                    : c >= 0xE0 ? 3
                                                    : c >= 0xC0 ? 2
                                                                : 1,
                                                    utf8.size() - i);
        const auto one = EncodeCp932(utf8.substr(i, n));
        out += one ? *one : std::string("?");
        i += n;
    }
    return out;
}

Cp932Columns CountCp932Columns(std::string_view cp932) {
    Cp932Columns columns;
    for (std::size_t i = 0; i < cp932.size();) {
        const std::size_t w = Cp932CharWidth(cp932, i);
        (w == 2 ? columns.full : columns.half) += 1;
        i += w;
    }
    return columns;
}

std::size_t Cp932PrefixLength(std::string_view cp932, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < cp932.size()) {
        const std::size_t width = IsCp932LeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1;
        if (i + width > maxBytes) {
            break;
        }
        i += width;
    }
    return i < cp932.size() ? i : cp932.size();
}

bool Cp932EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    auto fold = [](unsigned char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
    };
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (IsCp932LeadByte(ca)) {
            // a two-byte character: lead and trail byte compare exactly
            if (ca != cb || (i + 1 < a.size() && a[i + 1] != b[i + 1])) {
                return false;
            }
            ++i;
            continue;
        }
        if (fold(ca) != fold(cb)) {
            return false;
        }
    }
    return true;
}

} // namespace zul
