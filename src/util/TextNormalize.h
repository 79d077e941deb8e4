#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zul {

// Unicode compatibility normalisation (NFKC, through ICU) of a UTF-8 text: full-width digits,
// signs, letters and the ideographic space become their ASCII forms, half-width katakana become
// full-width ("ｼﾙﾄ" → "シルト").  Bytes that are no UTF-8 become U+FFFD.
std::string NormalizeNfkc(std::string_view utf8);

// The number a text from an outside file holds: NFKC, blanks at both ends removed, then a plain
// decimal number (optional sign, digits with an optional decimal point, optional exponent).
// Anything else, and a number that is not finite, is no value.
std::optional<double> ParseDecimalNumber(std::string_view utf8);

// Whether the bytes are valid UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);
// How many leading bytes are valid UTF-8: the place of the first byte that is not (the size
// when all are).
std::size_t Utf8ValidPrefixLength(std::string_view bytes);

// The text without any blank (space, tab, line end), for comparing names written with or
// without spaces.
std::string WithoutBlanks(std::string_view text);

} // namespace zul
