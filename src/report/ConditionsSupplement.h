#pragma once

// The supplements of the conditions report for a checker: the N values as the calculation reads
// them (No., depth, elevation, N) and the figure of the ground and the pile beside them.

#include "report/ReportRun.h"
#include "report/ReportSections.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zul {

// Template block of the supplements.
inline constexpr std::string_view kConditionsSupplementBlock = "計算条件_Ｎ値と地盤図";

// Area of the ground figure on the page (mm) and the lines of the page it covers below its
// record: its height in the preview's lines of 267 / 62 mm, rounded up.
inline constexpr double kSoilProfileWidth = 176;
inline constexpr double kSoilProfileHeight = 150;
inline constexpr std::int32_t kLinesUnderSoilProfile = 35;

// The template lines of an N-value table: its head, the line that closes it (and each page of
// it) and the notes under it.
struct NTableLines {
    const TemplateBlock& block;
    std::int32_t headFirst = 0;
    std::int32_t headLast = 0;
    std::int32_t close = 0;
    std::int32_t noteFirst = 0;
    std::int32_t noteLast = 0;
};

// An N-value table of count rows (writeRow(i), i from 0, one line each) under the heading of
// the supplement block headingBlock, split over pages: each page ends with the closing line and
// the next repeats the head; a short table is never split and the last rows never leave the
// closing lines alone on a page.  Without rows the heading and the line that says so.
void WriteNTable(PageWriter& ps, const TemplateBlock& headingBlock, const NTableLines& lines,
                 std::int32_t count, const std::function<void(std::int32_t)>& writeRow);

// The N-value table after the layer table and the ground figure after it, with their headings
// and notes; nothing when the supplements are off.
void WriteConditionsSupplement(ReportRun& run, const ReportContext& ctx);

// The ground figure: the layers as bands with their numbers, kind names and boundary
// elevations, the ground-water level (▽), both design ground levels, the pile from its head to
// its tip with its diameter, and the N values as a line over depth on the same vertical scale.
// Gives the figure index file.
std::string basMakeIDXFileSoilProfile(ReportRun& run, const ReportContext& ctx, double areaWidth,
                                      double areaHeight);

} // namespace zul
