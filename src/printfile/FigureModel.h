#pragma once

// One figure of a print file: the entities of a figure data file (coordinates in millimetres,
// texts UTF-8) and the figure index file that places figure data files in the area a figure
// record covers.  The report builds it and writes it; the preview reads it and draws it.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zul {

struct FigPoint {
    double X = 0, Y = 0;
};
struct FigRect {
    std::int32_t A = 0, B = 0; // corner points
    std::int32_t C = 0;        // line kind (0 takes kind 1)
    std::int32_t D = 0;        // passed through
};
// A line from point A to point B; an arrow has its head at B.
struct FigLine {
    std::int32_t A = 0, B = 0, Kind = 1;
};
using FigArrow = FigLine;
struct FigCircle {
    std::int32_t Center = 0;
    double Radius = 0;
    std::int32_t Kind = 1;
};
// Centre X, centre Y, radius, start angle, end angle (degrees, anticlockwise from +X).
struct FigArc {
    std::array<double, 5> Values{};
    std::int32_t Kind = 1;
};
// A filled area: A, B and the list of its corner point numbers as the file gives it.
struct FigFill {
    std::int32_t A = 0, B = 0;
    std::string Points;
};
struct FigText {
    std::string Text;
    double X = 0, Y = 0;
    std::int32_t Kind = 2;      // row of the text definitions
    std::int32_t Direction = 3; // 3 horizontal, 1 vertical (reading upwards)
};

// The corner point numbers of a fill's point list (numbers separated by commas or blanks; other
// items are skipped).
std::vector<std::int32_t> FillPointNumbers(const FigFill& fill);

struct FigureData {
    std::string Title;
    std::string Subtitle;
    std::map<std::int32_t, FigPoint> Points; // by point number
    std::vector<FigRect> Rects;
    std::vector<FigLine> Lines;
    std::vector<FigCircle> Circles;
    std::vector<FigArc> Arcs;
    std::vector<FigFill> Fills;
    std::vector<FigArrow> Arrows;
    std::vector<FigText> Texts;
};

// The extent line of a figure data file: the box of every point and text.
struct FigureExtent {
    double Width = 0, Height = 0;
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
};

// One figure data file of an index file with its offset inside the area.
struct FigureIndexEntry {
    std::string Path;
    double OffsetX = 0;
    double OffsetY = 0;
};

struct FigureIndex {
    std::string Title;
    double AreaWidth = 0;
    double AreaHeight = 0;
    std::vector<FigureIndexEntry> Entries;
};

} // namespace zul
