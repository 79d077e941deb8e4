#include "util/NumberText.h"

#include "util/TextLines.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <system_error>

namespace zul {

namespace {

// The last significant digit of a 15-digit text one lower, toward zero: "1.79769313486232e+308"
// becomes "1.79769313486231e+308".  Only used where the text was rounded up, away from zero, so
// the mantissa never is a single 1 followed by zeros.
void LowerLastDigit(std::string& text) {
    const std::size_t exponent = text.find('e');
    std::size_t i = (exponent == std::string::npos ? text.size() : exponent);
    while (i-- > 0) {
        if (text[i] == '.') {
            continue;
        }
        if (text[i] != '0') {
            --text[i];
            break;
        }
        text[i] = '9';
    }
    // Trailing zeros of the fraction go, as they do in every general text.
    const std::size_t end = exponent == std::string::npos ? text.size() : exponent;
    std::size_t cut = end;
    if (text.find('.') < end) {
        while (text[cut - 1] == '0') {
            --cut;
        }
        if (text[cut - 1] == '.') {
            --cut;
        }
    }
    text.erase(cut, end - cut);
}

} // namespace

std::string GeneralNumberText(double value) {
    if (value == 0.0) {
        return "0";
    }
    // to_chars does not depend on the process locale (a desktop session may use a decimal comma).
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    // Next to the largest number, 15 digits may round beyond it: such a text would not read
    // back, so it takes the 15-digit value just below, toward zero.
    double back = 0;
    if (std::isfinite(value) && std::fabs(value) > 1 &&
        std::from_chars(text.data(), text.data() + text.size(), back).ec == std::errc::result_out_of_range) {
        LowerLastDigit(text);
    }
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string PrintNumberText(double value) {
    if (value < 0) {
        return "-" + GeneralNumberText(-value) + " ";
    }
    return " " + GeneralNumberText(value) + " ";
}

namespace {

// strtod in the "C" locale: the decimal point is always ".", whatever the session's locale.
double ParseInCLocale(const std::string& digits) {
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return ::strtod_l(digits.c_str(), nullptr, cLocale);
}

// Copies the numeric prefix of text (without blanks) into digits; returns false when there is
// no digit at all.  Used by both the lenient and the strict conversion.
bool numericPrefix(std::string_view text, std::string& digits, std::size_t& consumed) {
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        digits += text[i++];
        skipBlanks();
    }
    bool anyDigit = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        digits += text[i++];
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        digits += text[i++];
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            digits += text[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        consumed = 0;
        return false;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "E";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j++];
        }
        bool expDigit = false;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
            exponent += text[j++];
            expDigit = true;
        }
        if (expDigit) {
            digits += exponent;
            i = j;
        }
    }
    consumed = i;
    return true;
}

} // namespace

double NumberOfText(std::string_view text) {
    // Blanks count for nothing anywhere in the text: "1 000" is 1000, "- 2. 5" is -2.5.
    std::string packed;
    for (const char c : text) {
        if (!IsBlank(c)) {
            packed += c;
        }
    }
    std::string digits;
    std::size_t consumed = 0;
    if (!numericPrefix(packed, digits, consumed)) {
        return 0.0;
    }
    const double value = ParseInCLocale(digits);
    return std::isfinite(value) ? value : 0.0;
}

std::optional<double> ParseNumber(std::string_view text) {
    std::string digits;
    std::size_t consumed = 0;
    if (!numericPrefix(text, digits, consumed)) {
        return std::nullopt;
    }
    while (consumed < text.size() && IsBlank(text[consumed])) {
        ++consumed;
    }
    if (consumed != text.size()) {
        return std::nullopt;
    }
    const double value = ParseInCLocale(digits);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace zul
