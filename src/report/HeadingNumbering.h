#pragma once

// The heading numbers of the calculation report: the numbering settings of the run, the counters
// of the four heading levels and the level of the last numbered heading.  The counters run on
// from report item to report item within one generation run.

#include "io/ReportSettings.h"

#include <array>
#include <cstdint>
#include <string>

namespace zul {

// The number text of counter in style (1..9), UTF-8; empty for a counter of 0 or less and for
// another style.  Styles with a limited range set the counter back to 1 above it.
std::string NumberText(std::int32_t style, std::int32_t& counter);

class HeadingNumbering {
public:
    explicit HeadingNumbering(const NumberingSettings& settings = {}) { Restart(settings); }

    // Numbering of a new generation run: the settings' method, styles and margins, chapter
    // counter Init - 1, the other counters 0, current level 1.  leaveOutEmptyNumbers (the report
    // with its supplements): a level without a number (no style chosen) prints no number, no
    // separator and no dot, where the report without them prints ". 計算条件".
    void Restart(const NumberingSettings& settings, bool leaveOutEmptyNumbers = false);
    const NumberingSettings& Settings() const { return settings_; }

    // Whether headings carry numbers at all (method 1 to 3).
    bool Numbered() const { return settings_.Method != 0; }
    // The heading number of a level-1..4 heading (counters advanced, the level becomes the
    // current one), followed by a space; UTF-8.
    std::string Next(std::int32_t level);
    // The left margin of a heading level 1..4, in half-width columns.
    std::int32_t Margin(std::int32_t level) const;
    // The level of the last numbered heading (1 until one is written); body lines take its margin.
    std::int32_t CurrentLevel() const { return currentLevel_; }

private:
    static std::string JoinedNumber(std::int32_t method, std::int32_t level,
                                    const std::array<std::string, 4>& t);

    NumberingSettings settings_;
    bool leaveOutEmptyNumbers_ = false;
    std::array<std::int32_t, 4> counters_{}; // levels 1..4 at 0..3
    std::int32_t currentLevel_ = 1;
};

} // namespace zul
