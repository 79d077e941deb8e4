#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zul {

// Conversion between UTF-8 (the program's texts in memory) and code page 932 (the Japanese
// Windows code page of the input data file, the settings file and the print files).
// "～" is U+FF5E, "①", "№" and half-width katakana have their code page 932 forms.
// Nothing is ever replaced: a character without a code page 932 form, or bytes that are not
// valid in the source encoding, make the conversion fail (no value).
std::optional<std::string> EncodeCp932(std::string_view utf8);
std::optional<std::string> DecodeCp932(std::string_view cp932);

// Decodes what can be decoded: a character without a UTF-8 form becomes as many "?" as it has
// bytes, so that a text keeps its width in columns (for drawing texts that came from a file).
std::string DecodeCp932Lenient(std::string_view cp932);

// Encodes what can be encoded: a character without a code page 932 form becomes "?", so that one
// odd character never costs a whole line, label or face name (print files, metafile texts).
std::string EncodeCp932Lenient(std::string_view utf8);

// True when the byte opens a two-byte character of code page 932.
constexpr bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Width in bytes (print columns) of the code page 932 character that starts at cp932[i]: 2 for a
// lead byte with a byte after it, else 1.
constexpr std::size_t Cp932CharWidth(std::string_view cp932, std::size_t i) {
    return IsCp932LeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size() ? 2 : 1;
}

// Characters of a code page 932 text that take two columns and those that take one.
struct Cp932Columns {
    std::size_t full = 0;
    std::size_t half = 0;
};
Cp932Columns CountCp932Columns(std::string_view cp932);

// Length of the longest prefix of text of at most maxBytes bytes that does not end inside a
// two-byte character.
std::size_t Cp932PrefixLength(std::string_view cp932, std::size_t maxBytes);

// True when both texts are equal when the single-byte Latin letters are compared without regard
// to case (two-byte characters compare exactly), as section and key names of settings files do.
bool Cp932EqualsIgnoreCase(std::string_view a, std::string_view b);

} // namespace zul
