#include "report/HeadingNumbering.h"

#include <algorithm>

namespace zul {

namespace {

const char* const kRoman[] = {"i", "ii", "iii", "iv", "v", "vi", "vii", "viii", "ix", "x"};
const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩",
                                "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱", "⑲", "⑳"};

// The counter within 1..limit: above it set back to 1.
std::int32_t Wrapped(std::int32_t& counter, std::int32_t limit) {
    if (counter > limit) {
        counter = 1;
    }
    return counter;
}

} // namespace

std::string NumberText(std::int32_t style, std::int32_t& counter) {
    if (counter <= 0) {
        return {};
    }
    const std::string n = std::to_string(counter);
    switch (style) {
    case 1:
        return n;
    case 2:
        return "(" + n + ")";
    case 3:
        return n + ")";
    case 4:
        return "(" + std::string(1, static_cast<char>('a' + Wrapped(counter, 26) - 1)) + ")";
    case 5:
        return std::string(1, static_cast<char>('a' + Wrapped(counter, 26) - 1)) + ")";
    case 6:
        return "(" + std::string(kRoman[Wrapped(counter, 10) - 1]) + ")";
    case 7:
        return std::string(kRoman[Wrapped(counter, 10) - 1]) + ")";
    case 8:
        return kCircled[Wrapped(counter, 20) - 1];
    case 9:
        return "･";
    default:
        return {};
    }
}

// The number of a heading from the number texts of the levels, leaving out the empty ones: a
// heading whose own level has no number gets none (no separator, no dot, no space), and a level
// above without a number is left out of the joined number.
std::string HeadingNumbering::JoinedNumber(std::int32_t method, std::int32_t level,
                                           const std::array<std::string, 4>& t) {
    if (method < 1 || method > 3 || level < 1 || level > 4 ||
        t[static_cast<std::size_t>(level - 1)].empty()) {
        return {};
    }
    if (method == 1 || level == 4) {
        return t[static_cast<std::size_t>(level - 1)] + " ";
    }
    const std::string sep = method == 2 ? "-" : ".";
    std::string number;
    for (std::size_t k = 0; k < static_cast<std::size_t>(level); ++k) {
        if (!t[k].empty()) {
            number += (number.empty() ? "" : sep) + t[k];
        }
    }
    return number + (level == 1 ? ". " : " ");
}

void HeadingNumbering::Restart(const NumberingSettings& settings, bool leaveOutEmptyNumbers) {
    settings_ = settings;
    leaveOutEmptyNumbers_ = leaveOutEmptyNumbers;
    counters_ = {settings.Init - 1, 0, 0, 0};
    currentLevel_ = 1;
}

std::int32_t HeadingNumbering::Margin(std::int32_t level) const {
    return settings_.Margin[static_cast<std::size_t>(std::clamp<std::int32_t>(level, 1, 4) - 1)];
}

std::string HeadingNumbering::Next(std::int32_t level) {
    currentLevel_ = level;
    auto& c = counters_;
    switch (level) {
    case 1:
        ++c[0];
        c[1] = c[2] = c[3] = 0;
        break;
    case 2:
        ++c[1];
        c[2] = c[3] = 0;
        break;
    case 3:
        ++c[2];
        c[3] = 0;
        break;
    case 4:
        ++c[3];
        break;
    default:
        break;
    }
    std::array<std::string, 4> t;
    for (std::size_t k = 0; k < 4; ++k) {
        t[k] = NumberText(settings_.Style[k], c[k]);
    }
    const std::int32_t method = settings_.Method;
    if (leaveOutEmptyNumbers_) {
        return JoinedNumber(method, level, t);
    }
    std::string number;
    if (method == 1 && level >= 1 && level <= 4) {
        number = t[static_cast<std::size_t>(level - 1)];
    } else if (method == 2 || method == 3) {
        const std::string sep = method == 2 ? "-" : ".";
        switch (level) {
        case 1:
            number = t[0] + ".";
            break;
        case 2:
            number = t[0] + sep + t[1];
            break;
        case 3:
            number = t[0] + sep + t[1] + sep + t[2];
            break;
        case 4:
            number = t[3];
            break;
        default:
            break;
        }
    }
    return number + " ";
}

} // namespace zul
