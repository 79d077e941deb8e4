#pragma once

// Where the texts of a report figure may stand: the box a text covers on the sheet, whether a
// line, an arrow or another text runs through it, and the placement of a text at the first of
// several positions that keeps it clear.

#include "report/FigureBuilder.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zul {

// An axis-aligned box in figure millimetres (y upward).
struct FigBox {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool Overlaps(const FigBox& other) const;
    FigBox Grown(double margin) const { return {x0 - margin, y0 - margin, x1 + margin, y1 + margin}; }
};

// The box a text covers: a horizontal text from (X, Y) to (X + width, Y + size), a vertical one
// from (X - size, Y) to (X, Y + width).
FigBox BoxOfText(const FigureBuilder& fig, const FigText& text);

// True when the segment from a to b runs through the inside of box.
bool SegmentCrossesBox(const FigPoint& a, const FigPoint& b, const FigBox& box);

// The boxes that a text must keep clear of: every line, every arrow with its head, every circle
// and every text of the figure so far.  True when box touches none of them (kept apart by
// margin mm).
bool BoxIsClear(const FigureBuilder& fig, const FigBox& box, double margin = 0.3);

// Adds text with its lower left corner at the first of the candidate positions where it stands
// clear of the figure drawn so far; false (and nothing added) when none is clear.
bool AddClearText(FigureBuilder& fig, const std::string& text,
                  const std::vector<std::pair<double, double>>& at, std::int32_t kind,
                  std::int32_t direction);

// Every pair (text number, entity number) where a line, an arrow or a circle of the figure runs
// through a text, both 1-based; arrows are numbered after the lines, circles after the arrows.
// Empty for a figure whose texts all stand clear.
std::vector<std::pair<std::size_t, std::size_t>> TextsCrossedByDrawing(const FigureBuilder& fig);

} // namespace zul
