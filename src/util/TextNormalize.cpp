#include "util/TextNormalize.h"

#include "util/NumberText.h"
#include "util/TextLines.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

namespace zul {

std::string NormalizeNfkc(std::string_view utf8) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfkc = icu::Normalizer2::getNFKCInstance(status);
    const icu::UnicodeString source =
        icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
    if (U_FAILURE(status) || nfkc == nullptr) {
        return std::string(utf8);
    }
    const icu::UnicodeString normal = nfkc->normalize(source, status);
    if (U_FAILURE(status)) {
        return std::string(utf8);
    }
    std::string out;
    normal.toUTF8String(out);
    return out;
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the whole text is one plain decimal number.
bool IsDecimalNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == s.size();
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    return Utf8ValidPrefixLength(bytes) == bytes.size();
}

std::size_t Utf8ValidPrefixLength(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i;
        }
        if (i + length > bytes.size()) {
            return i;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) {
                return i;
            }
        }
        i += length;
    }
    return i;
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (!IsBlank(c)) {
            out += c;
        }
    }
    return out;
}

std::optional<double> ParseDecimalNumber(std::string_view utf8) {
    // Plain ASCII needs no normalisation (the common case, kept fast).
    bool ascii = true;
    for (const char c : utf8) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    const std::string normal = ascii ? std::string(utf8) : NormalizeNfkc(utf8);
    const std::string_view s = TrimBlanks(normal);
    if (!IsDecimalNumber(s)) {
        return std::nullopt;
    }
    // The one number reader of the program: "." is the decimal point whatever the locale.
    return ParseNumber(s);
}

} // namespace zul
