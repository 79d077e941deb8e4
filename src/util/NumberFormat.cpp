#include "util/NumberFormat.h"

#include "util/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zul {

namespace {

// One picture section broken into its parts.
struct Section {
    std::string prefix;                   // literals before the first digit placeholder
    std::vector<std::string> intLiterals; // literal text after integer placeholder i (index from left)
    std::string intPlaceholders;          // "#" and "0" before the point
    bool point = false;
    std::string pointLiteral;              // literals between the point and the first decimal place
    std::string fracPlaceholders;          // "#" and "0" after the point
    std::vector<std::string> fracLiterals; // literal text after decimal placeholder i
    std::string suffix;                    // literals after the last placeholder
    bool grouping = false;
    int thousandsScale = 0;
    bool percent = false;
};

// Splits the picture at ";" outside quotes and escapes.
std::vector<std::string_view> SplitSections(std::string_view picture) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char c = picture[i];
        if (quoted) {
            quoted = c != '"';
        } else if (c == '"') {
            quoted = true;
        } else if (c == '\\') {
            ++i;
        } else if (c == ';') {
            sections.push_back(picture.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(picture.substr(start));
    return sections;
}

// Length of the UTF-8 character that starts with byte c.
std::size_t Utf8Length(unsigned char c) {
    if (c >= 0xF0) {
        return 4;
    }
    if (c >= 0xE0) {
        return 3;
    }
    return c >= 0xC0 ? 2 : 1;
}

Section ParseSection(std::string_view text) {
    Section s;
    std::string pending; // literal text not yet placed
    bool anyDigit = false;
    int pendingCommas = 0; // commas after the last integer placeholder
    auto placeLiteral = [&] {
        if (pending.empty()) {
            return;
        }
        if (!anyDigit && !s.point) {
            s.prefix += pending;
        } else if (!s.point) {
            s.intLiterals.back() += pending;
        } else if (s.fracPlaceholders.empty()) {
            s.pointLiteral += pending;
        } else {
            s.fracLiterals.back() += pending;
        }
        pending.clear();
    };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '0' || c == '#') {
            if (pendingCommas > 0 && !s.point) {
                s.grouping = true;
            }
            pendingCommas = 0;
            placeLiteral();
            anyDigit = true;
            if (s.point) {
                s.fracPlaceholders += c;
                s.fracLiterals.emplace_back();
            } else {
                s.intPlaceholders += c;
                s.intLiterals.emplace_back();
            }
            ++i;
        } else if (c == '.' && !s.point) {
            placeLiteral();
            s.thousandsScale += pendingCommas;
            pendingCommas = 0;
            s.point = true;
            ++i;
        } else if (c == ',' && !s.point && anyDigit) {
            ++pendingCommas;
            ++i;
        } else if (c == '\\' && i + 1 < text.size()) {
            const std::size_t n = Utf8Length(static_cast<unsigned char>(text[i + 1]));
            pending += text.substr(i + 1, n);
            i += 1 + n;
        } else if (c == '"') {
            const auto close = text.find('"', i + 1);
            const auto end = close == std::string_view::npos ? text.size() : close;
            pending += text.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            if (c == '%') {
                s.percent = true;
            }
            const std::size_t n = std::min(Utf8Length(static_cast<unsigned char>(c)), text.size() - i);
            pending += text.substr(i, n);
            i += n;
        }
    }
    if (!s.point) {
        s.thousandsScale += pendingCommas;
    }
    s.suffix = pending;
    // Literals after the last placeholder belong to the suffix.
    if (!s.point && !s.intLiterals.empty()) {
        s.suffix = s.intLiterals.back() + s.suffix;
        s.intLiterals.back().clear();
    } else if (s.point && !s.fracLiterals.empty()) {
        s.suffix = s.fracLiterals.back() + s.suffix;
        s.fracLiterals.back().clear();
    } else if (s.point) {
        s.suffix = s.pointLiteral + s.suffix;
        s.pointLiteral.clear();
    }
    return s;
}

// A non-negative value as decimal digits: intDigits (no leading zeros, empty for 0) and
// fracDigits, rounded half away from zero to `decimals` places from its 15-digit form.
struct Decimal {
    std::string intDigits;
    std::string fracDigits;
    bool isZero() const {
        return intDigits.empty() && fracDigits.find_first_not_of('0') == std::string::npos;
    }
};

Decimal ToDecimal(double magnitude, std::size_t decimals) {
    char buffer[64] = {};
    std::to_chars(buffer, buffer + sizeof buffer - 1, magnitude, std::chars_format::scientific, 14);
    // buffer: d.dddddddddddddde[+-]xx
    std::string digits;
    digits += buffer[0];
    digits.append(buffer + 2, 14);
    const int exponent = std::atoi(buffer + 17);
    // Position of the decimal point within digits (may be outside the digits).
    const long pointAt = 1L + exponent;
    std::string all; // digits with the point at intLength
    long intLength = pointAt;
    if (pointAt <= 0) {
        all = std::string(static_cast<std::size_t>(-pointAt), '0') + digits;
        intLength = 0;
    } else if (pointAt >= static_cast<long>(digits.size())) {
        all = digits + std::string(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    } else {
        all = digits;
    }
    std::string intPart = all.substr(0, static_cast<std::size_t>(intLength));
    std::string fracPart = all.substr(static_cast<std::size_t>(intLength));
    const bool roundUp = fracPart.size() > decimals && fracPart[decimals] >= '5';
    fracPart.resize(decimals, '0');
    if (roundUp) {
        std::string number = intPart + fracPart;
        long i = static_cast<long>(number.size()) - 1;
        while (i >= 0 && number[static_cast<std::size_t>(i)] == '9') {
            number[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            number.insert(number.begin(), '1');
        } else {
            ++number[static_cast<std::size_t>(i)];
        }
        intPart = number.substr(0, number.size() - decimals);
        fracPart = number.substr(number.size() - decimals);
    }
    const auto firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? std::string() : intPart.substr(firstNonZero);
    return {intPart, fracPart};
}

std::string Group(const std::string& digits) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

double Scaled(double magnitude, const Section& s) {
    double v = magnitude;
    if (s.percent) {
        v *= 100.0;
    }
    for (int i = 0; i < s.thousandsScale; ++i) {
        v /= 1000.0;
    }
    return v;
}

std::string Render(const Decimal& number, const Section& s) {
    // Integer part: placeholders from the first "0" on are required digits.
    const auto firstZero = s.intPlaceholders.find('0');
    const std::size_t required = firstZero == std::string::npos ? 0 : s.intPlaceholders.size() - firstZero;
    std::string intDigits = number.intDigits;
    if (intDigits.size() < required) {
        intDigits.insert(0, required - intDigits.size(), '0');
    }
    std::string intText;
    const bool hasMiddleLiterals = [&] {
        for (std::size_t i = 0; i + 1 < s.intLiterals.size(); ++i) {
            if (!s.intLiterals[i].empty()) {
                return true;
            }
        }
        return false;
    }();
    if (!hasMiddleLiterals) {
        intText = s.grouping ? Group(intDigits) : intDigits;
    } else {
        // Literals between integer placeholders stay at their places counted from the right;
        // digits beyond the placeholders go in front.
        const std::size_t places = s.intPlaceholders.size();
        std::size_t remaining = intDigits.size();
        for (std::size_t k = places; k-- > 0;) {
            intText.insert(0, s.intLiterals[k]);
            if (remaining > 0) {
                const std::size_t take = k == 0 ? remaining : 1;
                intText.insert(0, intDigits.substr(remaining - take, take));
                remaining -= take;
            }
        }
    }
    std::string text = s.prefix + intText;
    if (s.point) {
        const auto lastZero = s.fracPlaceholders.rfind('0');
        const std::size_t minimum = lastZero == std::string::npos ? 0 : lastZero + 1;
        std::string frac = number.fracDigits;
        while (frac.size() > minimum && frac.back() == '0') {
            frac.pop_back();
        }
        text += '.';
        text += s.pointLiteral;
        for (std::size_t i = 0; i < frac.size(); ++i) {
            text += frac[i];
            text += s.fracLiterals[i];
        }
    }
    return text + s.suffix;
}

} // namespace

std::string FormatNumber(double value, std::string_view picture) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "Infinity" : "-Infinity";
    }
    if (picture.empty()) {
        return GeneralNumberText(value);
    }
    const auto sections = SplitSections(picture);
    const Section positive = ParseSection(sections[0]);
    auto format = [](double magnitude, const Section& s) {
        return ToDecimal(Scaled(magnitude, s), s.fracPlaceholders.size());
    };
    const double magnitude = std::fabs(value);
    if (value < 0) {
        const bool ownNegative = sections.size() >= 2 && !sections[1].empty();
        const Section negative = ownNegative ? ParseSection(sections[1]) : positive;
        const Decimal number = format(magnitude, negative);
        if (!number.isZero()) {
            return (ownNegative ? "" : "-") + Render(number, negative);
        }
    }
    const Decimal number = format(magnitude, positive);
    if (number.isZero() && sections.size() >= 3 && !sections[2].empty()) {
        const Section zero = ParseSection(sections[2]);
        return Render(format(0.0, zero), zero);
    }
    return Render(value < 0 ? format(0.0, positive) : number, positive);
}

std::string FormatCapacity(double value) {
    return FormatNumber(value, "###,##0.0");
}

std::string FormatSignedNumber(double value, std::string_view picture) {
    if (value < 0) {
        return "-" + FormatNumber(-value, picture);
    }
    return FormatNumber(value, picture);
}

} // namespace zul
