#pragma once

// The frame every figure of the detailed report shares: definition files and a clean figure at
// the start, the figure data file and the figure index file at the end; and the N-value chart
// that the two N-value figures draw.

#include "calc/CZul.h"
#include "calc/colZulNs.h"
#include "report/ReportRun.h"

#include <optional>
#include <string>
#include <string_view>

namespace zul {

// Title of every figure of the detailed report, as the preview program lists it, and the
// subtitle the figure data files carry.
inline constexpr std::string_view kFigureTitle = "ｺﾝｸﾘｰﾄの応力～ひずみ関係図";
inline constexpr std::string_view kFigureSubtitle = "杭の支持力計算図";

// Loads LINE_PRN.DEF and STR_PRN.DEF of programFolder and empties the figure tables with the
// layout values 10, layout2 and 15 mm; line kind 1, text kind 2.
void BeginFigure(ReportRun& run, const std::string& programFolder, double layout2);
// Where the pile stands in an N-value figure: the top of the ground layers (0 without layers),
// the pile tip as a depth below it and the cosine of the pile's inclination, which turns lengths
// along the pile into depths.
struct PileDepths {
    double groundTop = 0;
    double zTip = 0;
    double cosA = 1;
};
// Begins an N-value figure (layout2 7.5 mm) of pile z and gives where the pile stands.
PileDepths BeginNValueFigure(ReportRun& run, const std::string& programFolder, const CZul& z);
// Writes the figure data file and the figure index file for an area of areaWidth by areaHeight
// mm; the index file's path.
std::string FinishFigure(ReportRun& run, double areaWidth, double areaHeight);

// The line kinds of LINE_PRN.DEF and the text kind of STR_PRN.DEF the figures draw with, and a
// line between two points in figure millimetres.
namespace figure_drawing {
inline constexpr std::int32_t kThin = 1;
inline constexpr std::int32_t kThick = 2;
inline constexpr std::int32_t kDashed = 3;
inline constexpr std::int32_t kCentre = 4;
inline constexpr std::int32_t kDotted = 5;
inline constexpr std::int32_t kSmallText = 2;
// The end point is numbered first; one statement each, so the numbering does not depend on the
// order in which a compiler evaluates the arguments of a call.
std::int32_t Line(FigureBuilder& fig, double xa, double ya, double xb, double yb, std::int32_t kind);
} // namespace figure_drawing

// Text helpers in figure millimetres: a horizontal text centred on x, and right-aligned at x.
void TextCentred(FigureBuilder& fig, const std::string& text, double x, double y);
void TextRight(FigureBuilder& fig, const std::string& text, double x, double y);

// The N-value chart of the two N-value figures: depth along the pile runs from left (the upper
// end of the range, depth zTop below the ground top) to right (the pile tip, depth zTip); N runs
// upward from 0 to 50.  Draws the axes with their scale and the caption "Ｎ値", the grid, the
// profile of points (depth Z, N), the design N-value as a line across the chart when given, and
// below the chart the pile with its tip, the dimension of its diameter "D" and, when
// rangeDimension, the dimension of the range with rangeLabel.  Each point's N-value and
// elevation is written where it stands clear of the lines and of the other texts (the tip's
// first); a label that finds no clear place is left out, the table beside the figure lists it.
struct NValueChart {
    double x0 = 0, x1 = 0; // left and right end of the range
    double y0 = 0;         // N = 0
    double perN = 0;       // mm per N-value
    double YOf(double n) const;
};
struct NValueChartContent {
    const colZulNs& points;
    double groundTop = 0;
    double zTop = 0, zTip = 0;
    std::string_view rangeLabel;
    bool rangeDimension = true;
    std::optional<double> designN; // drawn as a line marked "Ｎ" with "＿" above it
};
NValueChart DrawNValueChart(FigureBuilder& fig, const NValueChartContent& content);

// The N-value points of the study between the depths zTop and zTip: the measured points within
// the range and, where the range ends between two measured points, a point interpolated there
// (to one decimal, as the calculation interpolates).  Outside the measured depths nothing is
// invented.
colZulNs NValuesBetween(const colZulNs& measured, double zTop, double zTip);

} // namespace zul
