#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zul {

// Heading numbering of the calculation report, section "Chapter" of the settings file.
// Method: 0 none, 1 the level's own number, 2 "1-1" style, 3 "1.1" style.  Init: the number of
// the first chapter.  Style1..4: number style of each heading level (0 none, 1..9).
// Margin1..4: left margin of each level in half-width columns.  A missing key reads as 0.
struct NumberingSettings {
    std::int32_t Method = 0;
    std::int32_t Init = 0;
    std::array<std::int32_t, 4> Style{};
    std::array<std::int32_t, 4> Margin{};
    bool operator==(const NumberingSettings&) const = default;
};

// The ranges of the numbering screen.
inline constexpr std::int32_t kMaxNumberingMethod = 3;
inline constexpr std::int32_t kMaxFirstChapter = 99;
inline constexpr std::int32_t kMaxNumberStyle = 9;
inline constexpr std::int32_t kMaxHeadingMargin = 10;

// The settings brought into the numbering screen's ranges: a settings file edited by hand (a
// first chapter of 2147483647, a margin of -5) cannot overflow the heading counters or push a
// heading off the page.
NumberingSettings ClampedNumberingSettings(NumberingSettings settings);

// Reads the section, every value clamped to its range (ClampedNumberingSettings).
NumberingSettings ReadNumberingSettings(const std::string& iniFile);
// Writes every key of the section; true when every write succeeded.
bool WriteNumberingSettings(const std::string& iniFile, const NumberingSettings& settings);

// How many items the calculation report has (report/ReportItems.h lists them).
inline constexpr std::size_t kReportItemCount = 4;

// The report items chosen on the print menu, section "Print": key "i" for item i (1 chosen, 0 not).
struct PrintItemChoices {
    std::array<bool, kReportItemCount> Chosen{};
    bool operator==(const PrintItemChoices&) const = default;
};

PrintItemChoices ReadPrintItemChoices(const std::string& iniFile);
bool WritePrintItemChoices(const std::string& iniFile, const PrintItemChoices& choices);

// Whether the report prints its supplements (the N-value table, the soil profile, the notes of
// the plausibility check), section "Print" key "Supplement" (1 on, 0 off); on when the key is
// missing or holds no number.
bool ReadSupplementSetting(const std::string& iniFile);
bool WriteSupplementSetting(const std::string& iniFile, bool supplement);

} // namespace zul
