#pragma once

// Dimension marks of the report figures: extension lines, dimension line, two arrows and a label
// between two points, horizontally or vertically.

#include "report/FigureBuilder.h"

#include <string_view>

namespace zul {

// Which side of the measured points the dimension line is drawn on: towards larger coordinates
// (above a horizontal, right of a vertical dimension) or towards smaller ones.
enum class DimensionSide { Positive, Negative };

// Dimension of the horizontal distance from (x1, y) to (x2, y).  The dimension line lies the
// figure's second layout value away from the points on the given side.  flags: its first five
// characters switch on ("1") the first extension line, the second extension line, the dimension
// line and the arrows towards x1 and x2; its sixth character puts the label above the dimension
// line ("U") or below it (anything else).  Drawn with the figure's current line and text kind.
void DrawDimensionH(FigureBuilder& fig, double x1, double x2, double y, DimensionSide side,
                    std::string_view label, std::string_view flags);

// Dimension of the vertical distance from (x, y1) to (x, y2); the sixth flag character puts the
// label right of the dimension line ("U") or left of it.
void DrawDimensionV(FigureBuilder& fig, double y1, double y2, double x, DimensionSide side,
                    std::string_view label, std::string_view flags);

} // namespace zul
