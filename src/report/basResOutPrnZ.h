#pragma once

// Figures of the calculation report: the entity tables of the figure being built, the line and
// text definitions of the preview program, and the figure data and figure index files.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

struct FigPoint {
    double X = 0, Y = 0; // mm
};
struct FigRect {
    std::int32_t A = 0, B = 0, C = 0, D = 0; // corner points A, B; C and D passed through
};
struct FigLine {
    std::int32_t A = 0, B = 0, Kind = 1; // from point A to point B, line kind
};
struct FigCircle {
    std::int32_t Center = 0;
    double Radius = 0; // mm
    std::int32_t Kind = 1;
};
struct FigArc {
    std::array<double, 5> Values{}; // passed through in order
    std::int32_t Kind = 1;
};
struct FigFill {
    std::int32_t A = 0, B = 0;
    std::string Points; // point list text, passed through
};
struct FigArrow {
    std::int32_t A = 0, B = 0, Kind = 1;
};
struct FigText {
    std::string Text; // UTF-8
    double X = 0, Y = 0;
    std::int32_t Kind = 2;
    std::int32_t Direction = 3; // 3 horizontal, 1 vertical
};

// A row of LINE_PRN.DEF: name, line style (0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot)
// and width in 1/100 mm.
struct LineDef {
    std::string Name;
    std::int32_t Style = 0;
    std::int32_t Width = 0;
};
// A row of STR_PRN.DEF: name, weight, font family, character size and spacing (twips), colour
// (0xBBGGRR), reserved.
struct StrDef {
    std::string Name;
    std::int32_t Weight = 400;
    std::string Font;
    std::int32_t Size = 0;
    std::int32_t Spacing = 0;
    std::int32_t Colour = 0;
    std::int32_t Reserved = 0;
};

// Capacities of the figure tables.
inline constexpr std::size_t kMaxFigPoints = 600;
inline constexpr std::size_t kMaxFigRects = 2;
inline constexpr std::size_t kMaxFigLines = 600;
inline constexpr std::size_t kMaxFigCircles = 100;
inline constexpr std::size_t kMaxFigArcs = 100;
inline constexpr std::size_t kMaxFigFills = 100;
inline constexpr std::size_t kMaxFigArrows = 100;
inline constexpr std::size_t kMaxFigTexts = 200;
inline constexpr std::size_t kMaxFigFilesPerIndex = 3;
inline constexpr std::size_t kMaxLineDefs = 9;
inline constexpr std::size_t kMaxStrDefs = 2;

// The rows of a definition file's contents (code page 932): after the header line, the name of
// each row followed by its further fields, separated by commas or line ends, up to the name
// "END".  More than most rows, no END or a field that is not a number is a ReportError.  The
// report reads them from the program folder; the preview reads the same files with these too.
std::vector<LineDef> ParseLineDefs(std::string_view cp932, std::size_t most = kMaxLineDefs);
std::vector<StrDef> ParseStrDefs(std::string_view cp932, std::size_t most = kMaxStrDefs);

// One figure under construction.  Entities are numbered from 1 in the order they are added; a
// table filled beyond its capacity is a ReportError.
class FigureBuilder {
public:
    // Empties every table and the figure's file list and sets the layout values (mm) that place
    // axes and dimension lines; current line kind 1, text kind 2.
    void Reset(double layout1 = 10, double layout2 = 5, double layout3 = 15);

    std::int32_t AddPoint(double x, double y);
    std::int32_t AddRect(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d);
    std::int32_t AddLine(std::int32_t a, std::int32_t b, std::int32_t kind);
    std::int32_t AddCircle(std::int32_t center, double radius, std::int32_t kind);
    std::int32_t AddArc(const std::array<double, 5>& values, std::int32_t kind);
    std::int32_t AddFill(std::int32_t a, std::int32_t b, std::string points);
    std::int32_t AddArrow(std::int32_t a, std::int32_t b, std::int32_t kind);
    std::int32_t AddText(std::string text, double x, double y, std::int32_t kind, std::int32_t direction);

    const std::vector<FigPoint>& Points() const { return points_; }
    const std::vector<FigRect>& Rects() const { return rects_; }
    const std::vector<FigLine>& Lines() const { return lines_; }
    const std::vector<FigCircle>& Circles() const { return circles_; }
    const std::vector<FigArc>& Arcs() const { return arcs_; }
    const std::vector<FigFill>& Fills() const { return fills_; }
    const std::vector<FigArrow>& Arrows() const { return arrows_; }
    const std::vector<FigText>& Texts() const { return texts_; }
    const std::vector<std::string>& Files() const { return files_; }

    // Layout values and the current line and text kind of the figure procedures.
    std::array<double, 3> Layout{10, 5, 15};
    std::int32_t LineKind = 1;
    std::int32_t TextKind = 2;

    // Load the definition tables (first line a header; rows up to the name "END").  ReportError
    // for a missing or broken file or more rows than the table holds.
    void ReadLineDef(const std::string& path);
    void ReadStrDef(const std::string& path);
    const std::vector<LineDef>& LineDefs() const { return lineDefs_; }
    const std::vector<StrDef>& StrDefs() const { return strDefs_; }

    // Character size of text kind (1-based row of the text definitions) in mm; ReportError for
    // an undefined kind.
    double TextSize(std::int32_t kind) const;
    // Width of text (UTF-8) in text kind: a two-byte character of code page 932 one character
    // size, any other half of it.
    double FigTextWidth(std::int32_t kind, std::string_view text) const;

    // Writes the figure data file (title and subtitle UTF-8) and adds it to the figure's file
    // list (at most 3).  ReportError when it cannot be written.
    void WriteFigFile(const std::string& path, std::string_view title, std::string_view subtitle);
    // Writes the figure index file for the figure data files of the file list, each centred in
    // the area (mm).  ReportError when a file cannot be read or written.
    void WriteIdxFile(const std::string& path, std::string_view title, double areaWidth, double areaHeight);

    // Figure files written in writtenFolder are named as lying in recordedFolder (in the index
    // files and the print file's figure records): a run writes them in a folder of its own and
    // moves that folder into place when everything is written.  Empty folders: names as written.
    void SetRecordedFolder(std::string writtenFolder, std::string recordedFolder);
    // The name that the print and index files give the file at path.
    std::string RecordedPath(const std::string& path) const;

    // The first failed write of a figure file (FileError code), 0 while every write succeeded.
    int WriteError = 0;

private:
    void WriteOut(const std::string& path, const std::string& bytes);

    std::vector<FigPoint> points_;
    std::vector<FigRect> rects_;
    std::vector<FigLine> lines_;
    std::vector<FigCircle> circles_;
    std::vector<FigArc> arcs_;
    std::vector<FigFill> fills_;
    std::vector<FigArrow> arrows_;
    std::vector<FigText> texts_;
    std::vector<std::string> files_;
    std::vector<LineDef> lineDefs_;
    std::vector<StrDef> strDefs_;
    std::string writtenFolder_;
    std::string recordedFolder_;
};

// Numbers in the way the figure files write them.
// A number in a picture ("###0.000000\, "): as FormatNumber, but a negative value keeps its
// "-" even when it rounds to zero.
std::string FormatSignedNumber(double value, std::string_view picture);
// Two numbers as a print line writes them: each as " 1.5 " / "-1.5 ", the second one from the
// next print column 15, 29, 43 ...
std::string PrintNumberPair(double a, double b);
// Spaces that move a line of length used bytes on to the next print column 15, 29, 43 ...
std::string PrintZonePadding(std::size_t used);

} // namespace zul
