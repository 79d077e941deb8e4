#pragma once

// The check of an option that takes a number above 0.  CLI11's own says "not in range 0.000000 to"
// and the largest number in all its 309 digits; this one says what is wanted in a few words.

#include <CLI/CLI.hpp>

#include <cmath>
#include <string>

namespace zul::cli {

inline CLI::Validator PositiveNumberCheck() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            double value = 0;
            if (!CLI::detail::lexical_cast(text, value) || !std::isfinite(value)) {
                return "数値を指定して下さい（" + text + "）";
            }
            if (!(value > 0)) {
                return "0 より大きい数を指定して下さい（" + text + "）";
            }
            return std::string();
        },
        "POSITIVE");
}

} // namespace zul::cli
