#pragma once

#include <QString>

#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace zul {

// The entities of one figure data file, coordinates in millimetres.
struct FigurePoint {
    double x = 0;
    double y = 0;
};

struct FigureRect {
    int a = 0;
    int b = 0;
    int c = 0; // line kind (0 takes kind 1)
    int d = 0;
};

struct FigureLine {
    int a = 0;
    int b = 0;
    int kind = 1;
};

struct FigureCircle {
    int centre = 0;
    double radius = 0;
    int kind = 1;
};

// Centre X, centre Y, radius, start angle, end angle (degrees, anticlockwise from +X).
struct FigureArc {
    double values[5] = {};
    int kind = 1;
};

struct FigureFill {
    int a = 0;
    int b = 0;
    std::vector<int> points;
};

struct FigureText {
    QString text;
    double x = 0;
    double y = 0;
    int kind = 1;
    int direction = 3; // 3 horizontal, 1 vertical (reading upwards)
};

struct FigureData {
    QString title;
    QString subtitle;
    std::map<int, FigurePoint> points; // by point number
    std::vector<FigureRect> rects;
    std::vector<FigureLine> lines;
    std::vector<FigureCircle> circles;
    std::vector<FigureArc> arcs;
    std::vector<FigureFill> fills;
    std::vector<FigureLine> arrows; // from a to b, head at b
    std::vector<FigureText> texts;
};

// One figure data file of an index file with its offset inside the area.
struct FigureIndexEntry {
    QString path;
    double offsetX = 0;
    double offsetY = 0;
};

struct FigureIndex {
    QString title;
    double areaWidth = 0;
    double areaHeight = 0;
    std::vector<FigureIndexEntry> entries;
};

// Bounds of one figure data file: the report draws figures of up to 600 points and some 1000
// other items; a file beyond these is refused with a note, not drawn for minutes.
inline constexpr std::size_t kMaxFigurePoints = 10000;
inline constexpr std::size_t kMaxFigureItems = 10000; // rectangles, lines ... texts and fill corners
// The work of drawing one figure data file, bounded like that of a metafile: edges of all fills
// an average row of the figure crosses (filling a polygon of a thousand crossing corners takes
// seconds), lines in figure widths plus heights, and characters of all texts.  A figure of the
// report stays far below: fills of a few corners, some 30 lines' worth, some 200 characters.
inline constexpr double kMaxFigureFillCrossings = 64;
inline constexpr double kMaxFigureStrokes = 2000;
inline constexpr std::size_t kMaxFigureTextCharacters = 20000;
// Figure data files of one index file (the report writes one to three).
inline constexpr std::size_t kMaxFigureIndexEntries = 16;

// Readers of the two files (code page 932, CR LF).  On a malformed file they return no value
// and, when error is given, say what is wrong (Japanese).
std::optional<FigureData> ParseFigureDataFile(std::string_view cp932, QString* error = nullptr);
std::optional<FigureIndex> ParseFigureIndexFile(std::string_view cp932, QString* error = nullptr);

} // namespace zul
