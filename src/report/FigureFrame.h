#pragma once

// The frame every figure of the detailed report shares: definition files and a clean figure at
// the start, the figure data file and the figure index file at the end; and the N-value chart
// that the two N-value figures draw.

#include "calc/colZulNs.h"
#include "report/basResOutPrn.h"

#include <string>
#include <string_view>

namespace zul {

// Title of every figure of the detailed report, as the preview program lists it, and the
// subtitle the figure data files carry.
inline constexpr std::string_view kFigureTitle = "ｺﾝｸﾘｰﾄの応力～ひずみ関係図";
inline constexpr std::string_view kFigureSubtitle = "杭の支持力計算図";

// Loads LINE_PRN.DEF and STR_PRN.DEF of programFolder and empties the figure tables with the
// layout values 10, layout2 and 15 mm; line kind 1, text kind 2.
void BeginFigure(PrintState& ps, const std::string& programFolder, double layout2);
// Writes the figure data file and the figure index file for an area of areaWidth by areaHeight
// mm; the index file's path.
std::string FinishFigure(PrintState& ps, double areaWidth, double areaHeight);

// Text helpers in figure millimetres: a horizontal text centred on x, right-aligned at x, and a
// vertical text centred on x whose end lies at yEnd.
void TextCentred(FigureBuilder& fig, const std::string& text, double x, double y);
void TextRight(FigureBuilder& fig, const std::string& text, double x, double y);
void TextVerticalEndingAt(FigureBuilder& fig, const std::string& text, double x, double yEnd);

// The N-value chart of the two N-value figures: depth along the pile runs from left (the upper
// end of the range, depth zTop below the ground top) to right (the pile tip, depth zTip); N runs
// upward from 0 to 50.  Draws the axes with their scale and the caption "Ｎ値", the grid, the
// profile of points (depth Z, N) with each point's N-value and elevation, and below the chart
// the pile with its tip, the dimension of its diameter "D" and the dimension of the range with
// rangeLabel.  Returns the chart geometry for further marks.
struct NValueChart {
    double x0 = 0, x1 = 0; // left and right end of the range
    double y0 = 0;         // N = 0
    double perN = 0;       // mm per N-value
    double YOf(double n) const;
};
NValueChart DrawNValueChart(FigureBuilder& fig, const colZulNs& points, double groundTop, double zTop,
                            double zTip, std::string_view rangeLabel);

} // namespace zul
