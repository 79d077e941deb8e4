#include "report/FigureBuilder.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "io/FileMessages.h"
#include "printfile/FigureFileWriter.h"
#include "printfile/PrintFileFormat.h"
#include "printfile/PrintFileFormatError.h"
#include "report/ReportError.h"
#include "util/Cp932.h"
#include "util/FileHelpers.h"

#include <algorithm>
#include <limits>

namespace zul {

namespace {

// A figure holds at most capacity entries of one kind (what, in words).
std::string FigureFullMessage(const char* what, std::size_t capacity) {
    return std::string("図の") + what + "が上限（" + std::to_string(capacity) +
           "）を超えたため、図を作成できません。";
}

template <typename T>
std::int32_t Append(std::vector<T>& table, T entry, std::size_t capacity, const char* what) {
    if (table.size() >= capacity) {
        throw ReportError(FigureFullMessage(what, capacity));
    }
    table.push_back(std::move(entry));
    return static_cast<std::int32_t>(table.size());
}

// Reads and parses a definition file; a ReportError names the file and the reason.
template <typename Parse> auto ReadDefinitionFile(const std::string& path, const char* kind, Parse parse) {
    const std::string what = std::string(kind) + "定義ファイル（" + path + "）";
    std::string bytes;
    if (const int err = ReadWholeFile(path, bytes); err != FileError::None) {
        throw ReportError(what + "を読み込めません：" + FileErrorCause(err));
    }
    try {
        return parse(bytes);
    } catch (const PrintFileFormatError& e) {
        throw ReportError(what + "：" + e.what());
    }
}

void WriteOut(const std::string& path, const std::string& bytes) {
    if (const int code = ReplaceFileContents(path, bytes); code != FileError::None) {
        throw ReportError("図のファイル（" + path + "）を書き込めません：" + FileErrorCause(code), code);
    }
}

} // namespace

void FigureBuilder::Reset(double layout1, double layout2, double layout3) {
    figure_ = FigureData{};
    files_.clear();
    layout_ = {layout1, layout2, layout3};
    lineKind_ = 1;
    textKind_ = 2;
}

std::int32_t FigureBuilder::AddPoint(double x, double y) {
    if (figure_.Points.size() >= kMaxFigPoints) {
        throw ReportError(FigureFullMessage("点", kMaxFigPoints));
    }
    const auto number = static_cast<std::int32_t>(figure_.Points.size() + 1);
    figure_.Points.emplace(number, FigPoint{x, y});
    return number;
}

std::int32_t FigureBuilder::AddRect(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
    return Append(figure_.Rects, FigRect{a, b, c, d}, kMaxFigRects, "四角形");
}

std::int32_t FigureBuilder::AddLine(std::int32_t a, std::int32_t b, std::int32_t kind) {
    return Append(figure_.Lines, FigLine{a, b, kind}, kMaxFigLines, "線");
}

std::int32_t FigureBuilder::AddCircle(std::int32_t center, double radius, std::int32_t kind) {
    return Append(figure_.Circles, FigCircle{center, radius, kind}, kMaxFigCircles, "円");
}

std::int32_t FigureBuilder::AddArrow(std::int32_t a, std::int32_t b, std::int32_t kind) {
    return Append(figure_.Arrows, FigArrow{a, b, kind}, kMaxFigArrows, "矢印");
}

std::int32_t FigureBuilder::AddText(std::string text, double x, double y, std::int32_t kind,
                                    std::int32_t direction) {
    return Append(figure_.Texts, FigText{std::move(text), x, y, kind, direction}, kMaxFigTexts, "文字");
}

std::vector<std::string> FigureBuilder::Files() const {
    std::vector<std::string> paths;
    for (const auto& [path, extent] : files_) {
        paths.push_back(path);
    }
    return paths;
}

void FigureBuilder::ReadLineDef(const std::string& path) {
    lineDefs_ = ReadDefinitionFile(path, "線種", [](const std::string& b) { return ParseLineDefs(b); });
}

void FigureBuilder::ReadStrDef(const std::string& path) {
    strDefs_ = ReadDefinitionFile(path, "文字種", [](const std::string& b) { return ParseStrDefs(b); });
}

void FigureBuilder::SetRecordedFolder(std::string writtenFolder, std::string recordedFolder) {
    writtenFolder_ = std::move(writtenFolder);
    recordedFolder_ = std::move(recordedFolder);
}

std::string FigureBuilder::RecordedPath(const std::string& path) const {
    if (writtenFolder_.empty() || path.size() <= writtenFolder_.size() ||
        path.compare(0, writtenFolder_.size(), writtenFolder_) != 0 || path[writtenFolder_.size()] != '/') {
        return path;
    }
    return recordedFolder_ + path.substr(writtenFolder_.size());
}

double FigureBuilder::TextSize(std::int32_t kind) const {
    if (kind < 1 || static_cast<std::size_t>(kind) > strDefs_.size()) {
        throw ReportError("文字種 " + std::to_string(kind) + " が文字種定義ファイルにありません。");
    }
    return TwipToMM(strDefs_[static_cast<std::size_t>(kind - 1)].Size);
}

double FigureBuilder::FigTextWidth(std::int32_t kind, std::string_view text) const {
    const double s = TextSize(kind);
    const Cp932Columns columns = CountCp932Columns(PrintText(text));
    return static_cast<double>(columns.full) * s + static_cast<double>(columns.half) * s / 2;
}

FigureExtent FigureBuilder::Extent() const {
    // Every point, widened by the box of every text.
    double minX = std::numeric_limits<double>::max();
    double minY = minX;
    double maxX = std::numeric_limits<double>::lowest();
    double maxY = maxX;
    auto take = [&](double x, double y) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    };
    for (const auto& [number, p] : figure_.Points) {
        take(p.X, p.Y);
    }
    for (const FigText& t : figure_.Texts) {
        const double s = TextSize(t.Kind);
        const double w = FigTextWidth(t.Kind, t.Text);
        if (t.Direction == 1) {
            take(t.X - s, t.Y);
            take(t.X, t.Y + w);
        } else {
            take(t.X, t.Y);
            take(t.X + w, t.Y + s);
        }
    }
    if (figure_.Points.empty() && figure_.Texts.empty()) {
        minX = minY = maxX = maxY = 0;
    }
    return {maxX - minX, maxY - minY, minX, minY, maxX, maxY};
}

void FigureBuilder::WriteFigFile(const std::string& path, std::string_view title, std::string_view subtitle) {
    if (files_.size() >= kMaxFigFilesPerIndex) {
        throw ReportError(FigureFullMessage("データファイル", kMaxFigFilesPerIndex));
    }
    const FigureExtent extent = Extent();
    figure_.Title = title;
    figure_.Subtitle = subtitle;
    WriteOut(path, FigureDataFileText(figure_, extent));
    files_.emplace_back(path, extent);
}

void FigureBuilder::WriteIdxFile(const std::string& path, std::string_view title, double areaWidth,
                                 double areaHeight) {
    FigureIndex index{std::string(title), areaWidth, areaHeight, {}};
    for (const auto& [file, extent] : files_) {
        index.Entries.push_back(CentredIndexEntry(RecordedPath(file), extent, areaWidth, areaHeight));
    }
    WriteOut(path, FigureIndexFileText(index));
}

} // namespace zul
