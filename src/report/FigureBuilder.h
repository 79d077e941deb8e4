#pragma once

// One figure of the detailed report under construction: its entities, the line and text
// definitions it is measured with, and the figure data and figure index files written from it.

#include "printfile/FigureDefinitions.h"
#include "printfile/FigureModel.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zul {

// Capacities of the figure tables.
inline constexpr std::size_t kMaxFigPoints = 600;
inline constexpr std::size_t kMaxFigRects = 2;
inline constexpr std::size_t kMaxFigLines = 600;
inline constexpr std::size_t kMaxFigCircles = 100;
inline constexpr std::size_t kMaxFigArrows = 100;
inline constexpr std::size_t kMaxFigTexts = 200;
inline constexpr std::size_t kMaxFigFilesPerIndex = 3;

// Entities are numbered from 1 in the order they are added; a table filled beyond its capacity
// is a ReportError.
class FigureBuilder {
public:
    // Empties every table and the figure's file list and sets the layout values (mm) that place
    // axes and dimension lines; current line kind 1, text kind 2.
    void Reset(double layout1 = 10, double layout2 = 5, double layout3 = 15);

    std::int32_t AddPoint(double x, double y);
    std::int32_t AddRect(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d);
    std::int32_t AddLine(std::int32_t a, std::int32_t b, std::int32_t kind);
    std::int32_t AddCircle(std::int32_t center, double radius, std::int32_t kind);
    std::int32_t AddArrow(std::int32_t a, std::int32_t b, std::int32_t kind);
    std::int32_t AddText(std::string text, double x, double y, std::int32_t kind, std::int32_t direction);

    const std::map<std::int32_t, FigPoint>& Points() const { return figure_.Points; }
    const std::vector<FigRect>& Rects() const { return figure_.Rects; }
    const std::vector<FigLine>& Lines() const { return figure_.Lines; }
    const std::vector<FigCircle>& Circles() const { return figure_.Circles; }
    const std::vector<FigArrow>& Arrows() const { return figure_.Arrows; }
    const std::vector<FigText>& Texts() const { return figure_.Texts; }
    // The figure data files written for the figure, in order.
    std::vector<std::string> Files() const;

    // Layout values and the current line and text kind of the figure procedures.
    const std::array<double, 3>& Layout() const { return layout_; }
    std::int32_t LineKind() const { return lineKind_; }
    std::int32_t TextKind() const { return textKind_; }
    void SetLineKind(std::int32_t kind) { lineKind_ = kind; }
    void SetTextKind(std::int32_t kind) { textKind_ = kind; }

    // Load the definition tables (first line a header; rows up to the name "END").  ReportError
    // naming the file for a missing or broken file or more rows than the table holds.
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

    // Writes the figure data file (title and subtitle UTF-8) and adds it with its extent to the
    // figure's file list (at most 3).  ReportError when it cannot be written.
    void WriteFigFile(const std::string& path, std::string_view title, std::string_view subtitle);
    // Writes the figure index file for the figure data files of the file list, each centred in
    // the area (mm) by the extent its file states.  ReportError when it cannot be written.
    void WriteIdxFile(const std::string& path, std::string_view title, double areaWidth, double areaHeight);

    // Figure files written in writtenFolder are named as lying in recordedFolder (in the index
    // files and the print file's figure records): a run writes them in a folder of its own and
    // moves that folder into place when everything is written.  Empty folders: names as written.
    void SetRecordedFolder(std::string writtenFolder, std::string recordedFolder);
    // The name that the print and index files give the file at path.
    std::string RecordedPath(const std::string& path) const;

private:
    FigureExtent Extent() const;

    FigureData figure_;
    std::array<double, 3> layout_{10, 5, 15};
    std::int32_t lineKind_ = 1;
    std::int32_t textKind_ = 2;
    std::vector<std::pair<std::string, FigureExtent>> files_;
    std::vector<LineDef> lineDefs_;
    std::vector<StrDef> strDefs_;
    std::string writtenFolder_;
    std::string recordedFolder_;
};

} // namespace zul
