#include "report/basResOutPrnZ.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "io/FileMessages.h"
#include "report/basResOutPrn.h"
#include "util/Cp932.h"
#include "util/FileHelpers.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>

namespace zul {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Width of a print zone of a text line: a comma between two items moves on to column 15, 29 ...
constexpr std::size_t kPrintZone = 14;

template <typename T>
std::int32_t Append(std::vector<T>& table, T entry, std::size_t capacity, const char* what) {
    if (table.size() >= capacity) {
        throw ReportError(std::string("figure table full: ") + what);
    }
    table.push_back(std::move(entry));
    return static_cast<std::int32_t>(table.size());
}

// what names the file in a message: "線種定義ファイル（/usr/lib/zul/LINE_PRN.DEF）".
std::string ReadFile(const std::string& path, const std::string& what) {
    std::string bytes;
    if (const int err = ReadWholeFile(path, bytes); err != FileError::None) {
        throw ReportError(what + "を読み込めません：" + FileErrorCause(err));
    }
    return bytes;
}

// Writes the whole file; the error number of the failed write or close, or 0.
int WriteFile(const std::string& path, const std::string& bytes) {
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return errno != 0 ? errno : EIO;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const int err = errno;
    if (std::fclose(f) != 0 || !written) {
        return errno != 0 ? errno : (err != 0 ? err : EIO);
    }
    return 0;
}

// The fields of a definition file after its header line: separated by commas and line ends,
// blanks around them and enclosing double quotes removed.
class DefFields {
public:
    explicit DefFields(const std::string& bytes) {
        std::size_t pos = bytes.find_first_of("\r\n");
        pos = pos == std::string::npos ? bytes.size() : pos;
        std::string field;
        bool quoted = false;
        bool any = false;
        auto finish = [&] {
            if (any) {
                fields_.push_back(Trim(field));
            }
            field.clear();
            any = false;
        };
        for (std::size_t i = pos; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '"') {
                quoted = !quoted;
                any = true;
            } else if (!quoted && (c == ',' || c == '\r' || c == '\n')) {
                if (c == ',') {
                    any = true;
                }
                finish();
            } else {
                field += c;
                any = any || c != ' ';
            }
        }
        finish();
    }
    std::string Text() {
        if (next_ >= fields_.size()) {
            throw ReportError("END の行がありません。");
        }
        return fields_[next_++];
    }
    std::int32_t Number() {
        const auto value = ParseNumber(Text());
        if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
            *value > std::numeric_limits<std::int32_t>::max()) {
            throw ReportError("数値でない欄があります。");
        }
        return static_cast<std::int32_t>(*value);
    }

private:
    static std::string Trim(const std::string& s) {
        const auto b = s.find_first_not_of(' ');
        if (b == std::string::npos) {
            return {};
        }
        return s.substr(b, s.find_last_not_of(' ') - b + 1);
    }
    std::vector<std::string> fields_;
    std::size_t next_ = 0;
};

// Names of the definition files are code page 932; in memory UTF-8.
std::string DecodedName(const std::string& cp932) {
    auto text = DecodeCp932(cp932);
    return text ? *text : cp932;
}

} // namespace

std::string FormatSignedNumber(double value, std::string_view picture) {
    if (value < 0) {
        return "-" + FormatNumber(-value, picture);
    }
    return FormatNumber(value, picture);
}

std::string PrintZonePadding(std::size_t used) {
    const std::size_t next =
        (used + kPrintZone - 1) / kPrintZone * kPrintZone; // columns used up to the zone end
    return std::string(next - used, ' ');
}

std::string PrintNumberPair(double a, double b) {
    std::string line = PrintNumberText(a);
    line += PrintZonePadding(line.size());
    line += PrintNumberText(b);
    return line;
}

// ---- entities

void FigureBuilder::Reset(double layout1, double layout2, double layout3) {
    points_.clear();
    rects_.clear();
    lines_.clear();
    circles_.clear();
    arcs_.clear();
    fills_.clear();
    arrows_.clear();
    texts_.clear();
    files_.clear();
    Layout = {layout1, layout2, layout3};
    LineKind = 1;
    TextKind = 2;
}

std::int32_t FigureBuilder::AddPoint(double x, double y) {
    return Append(points_, FigPoint{x, y}, kMaxFigPoints, "points");
}

std::int32_t FigureBuilder::AddRect(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
    return Append(rects_, FigRect{a, b, c, d}, kMaxFigRects, "rectangles");
}

std::int32_t FigureBuilder::AddLine(std::int32_t a, std::int32_t b, std::int32_t kind) {
    return Append(lines_, FigLine{a, b, kind}, kMaxFigLines, "lines");
}

std::int32_t FigureBuilder::AddCircle(std::int32_t center, double radius, std::int32_t kind) {
    return Append(circles_, FigCircle{center, radius, kind}, kMaxFigCircles, "circles");
}

std::int32_t FigureBuilder::AddArc(const std::array<double, 5>& values, std::int32_t kind) {
    return Append(arcs_, FigArc{values, kind}, kMaxFigArcs, "arcs");
}

std::int32_t FigureBuilder::AddFill(std::int32_t a, std::int32_t b, std::string points) {
    return Append(fills_, FigFill{a, b, std::move(points)}, kMaxFigFills, "fills");
}

std::int32_t FigureBuilder::AddArrow(std::int32_t a, std::int32_t b, std::int32_t kind) {
    return Append(arrows_, FigArrow{a, b, kind}, kMaxFigArrows, "arrows");
}

std::int32_t FigureBuilder::AddText(std::string text, double x, double y, std::int32_t kind,
                                    std::int32_t direction) {
    return Append(texts_, FigText{std::move(text), x, y, kind, direction}, kMaxFigTexts, "texts");
}

// ---- definitions

namespace {

// The definitions of a definition file's contents, each read by readRest from its decoded name
// on; more than most of them, a missing END or a field that is not a number is a ReportError.
template <typename Def, typename ReadRest>
std::vector<Def> ParseDefinitions(const std::string& bytes, std::size_t most, const char* what,
                                  ReadRest readRest) {
    DefFields in(bytes);
    std::vector<Def> defs;
    for (std::string name = in.Text(); name != "END"; name = in.Text()) {
        if (defs.size() >= most) {
            throw ReportError("定義が" + std::to_string(most) + "行を超えています（" + what + "）。");
        }
        Def d;
        d.Name = DecodedName(name);
        readRest(in, d);
        defs.push_back(std::move(d));
    }
    return defs;
}

} // namespace

std::vector<LineDef> ParseLineDefs(std::string_view cp932, std::size_t most) {
    return ParseDefinitions<LineDef>(std::string(cp932), most, "線種", [](DefFields& in, LineDef& d) {
        d.Style = in.Number();
        d.Width = in.Number();
    });
}

std::vector<StrDef> ParseStrDefs(std::string_view cp932, std::size_t most) {
    return ParseDefinitions<StrDef>(std::string(cp932), most, "文字種", [](DefFields& in, StrDef& d) {
        d.Weight = in.Number();
        d.Font = DecodedName(in.Text());
        d.Size = in.Number();
        d.Spacing = in.Number();
        d.Colour = in.Number();
        d.Reserved = in.Number();
    });
}

namespace {

// Reads and parses a definition file; a ReportError names the file and the reason.
template <typename Parse> auto ReadDefinitionFile(const std::string& path, const char* kind, Parse parse) {
    const std::string what = std::string(kind) + "定義ファイル（" + path + "）";
    const std::string bytes = ReadFile(path, what);
    try {
        return parse(bytes);
    } catch (const ReportError& e) {
        throw ReportError(what + "：" + e.what());
    }
}

} // namespace

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

void FigureBuilder::WriteOut(const std::string& path, const std::string& bytes) {
    if (const int err = WriteFile(path, bytes); err != 0) {
        if (WriteError == FileError::None) {
            WriteError = FileErrorFromErrno(err, std::string());
        }
        throw ReportError("図のファイル（" + path + "）を書き込めません：" +
                          FileErrorCause(FileErrorFromErrno(err, std::string())));
    }
}

double FigureBuilder::TextSize(std::int32_t kind) const {
    if (kind < 1 || static_cast<std::size_t>(kind) > strDefs_.size()) {
        throw ReportError("undefined text kind " + std::to_string(kind));
    }
    return TwipToMM(strDefs_[static_cast<std::size_t>(kind - 1)].Size);
}

double FigureBuilder::FigTextWidth(std::int32_t kind, std::string_view text) const {
    const double s = TextSize(kind);
    const std::string bytes = PrintText(text);
    double full = 0;
    double half = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        if (IsCp932LeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size()) {
            ++full;
            i += 2;
        } else {
            ++half;
            ++i;
        }
    }
    return full * s + half * s / 2;
}

// ---- files

void FigureBuilder::WriteFigFile(const std::string& path, std::string_view title, std::string_view subtitle) {
    if (files_.size() >= kMaxFigFilesPerIndex) {
        throw ReportError("more than 3 figure data files in one figure");
    }
    // Extent: every point, widened by the box of every text.
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
    for (const FigPoint& p : points_) {
        take(p.X, p.Y);
    }
    for (const FigText& t : texts_) {
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
    if (points_.empty() && texts_.empty()) {
        minX = minY = maxX = maxY = 0;
    }

    std::string out;
    auto line = [&out](std::string_view text) {
        out += text;
        out += kLineEnd;
    };
    const auto n = [](double v, const char* picture) { return FormatSignedNumber(v, picture); };
    line(PrintText(title));
    line(PrintText(subtitle));
    std::string extent =
        n(maxX - minX, "###0.00\\, ") + n(maxY - minY, "###0.00\\, ") + n(minX, "###0.00\\, ");
    extent += PrintZonePadding(extent.size());
    extent += n(minY, "###0.00\\, ") + n(maxX, "###0.00\\, ") + n(maxY, "###0.00");
    line(extent);

    const auto id = [&](std::size_t i) { return n(static_cast<double>(i + 1), "###0\\, "); };
    const auto ref = [&](std::int32_t v) { return n(v, "####0\\, "); };
    const auto last = [&](std::int32_t v) { return n(v, "####0"); };
    const auto coord = [&](double v) { return n(v, "###0.000000\\, "); };

    line(PrintText("座標情報"));
    for (std::size_t i = 0; i < points_.size(); ++i) {
        line(id(i) + coord(points_[i].X) + n(points_[i].Y, "###0.000000"));
    }
    line("END");
    auto block = [&](const auto& table, const char* name, auto&& row) {
        if (table.empty()) {
            return;
        }
        line(PrintText(name));
        for (std::size_t i = 0; i < table.size(); ++i) {
            row(i, table[i]);
        }
        line("END");
    };
    block(rects_, "矩形情報",
          [&](std::size_t i, const FigRect& r) { line(id(i) + ref(r.A) + ref(r.B) + ref(r.C) + last(r.D)); });
    block(lines_, "線分情報",
          [&](std::size_t i, const FigLine& l) { line(id(i) + ref(l.A) + ref(l.B) + last(l.Kind)); });
    block(circles_, "円情報", [&](std::size_t i, const FigCircle& c) {
        line(id(i) + ref(c.Center) + coord(c.Radius) + last(c.Kind));
    });
    block(arcs_, "円弧情報", [&](std::size_t i, const FigArc& a) {
        std::string text = id(i);
        for (const double v : a.Values) {
            text += coord(v);
        }
        line(text + last(a.Kind));
    });
    block(fills_, "塗潰情報", [&](std::size_t i, const FigFill& f) {
        line(id(i) + n(f.A, "###0\\, ") + n(f.B, "###0\\, ") + PrintText(f.Points));
    });
    block(arrows_, "矢印(1)",
          [&](std::size_t i, const FigArrow& a) { line(id(i) + ref(a.A) + ref(a.B) + last(a.Kind)); });
    block(texts_, "文字情報", [&](std::size_t, const FigText& t) {
        line(PrintText(t.Text));
        line(coord(t.X) + coord(t.Y) + n(t.Kind, "##0\\, ") + n(t.Direction, "##0"));
    });
    WriteOut(path, out);
    files_.push_back(path);
}

void FigureBuilder::WriteIdxFile(const std::string& path, std::string_view title, double areaWidth,
                                 double areaHeight) {
    std::string out = PrintText(title);
    out += kLineEnd;
    out += PrintNumberPair(areaWidth, areaHeight);
    out += kLineEnd;
    for (const std::string& file : files_) {
        // The extent as the figure data file states it (third line): width, height, minimum X, Y.
        const std::string bytes = ReadFile(file, "図のファイル（" + file + "）");
        std::size_t pos = 0;
        for (int skip = 0; skip < 2; ++skip) {
            pos = bytes.find('\n', pos);
            if (pos == std::string::npos) {
                throw ReportError("図のファイル（" + file + "）に範囲の行がありません。");
            }
            ++pos;
        }
        std::string extent = bytes.substr(pos, bytes.find_first_of("\r\n", pos) - pos);
        std::vector<double> values;
        std::size_t start = 0;
        while (values.size() < 4 && start <= extent.size()) {
            const std::size_t comma = std::min(extent.find(',', start), extent.size());
            const auto v = ParseNumber(std::string_view(extent).substr(start, comma - start));
            if (!v) {
                throw ReportError("図のファイル（" + file + "）の範囲の行が正しくありません。");
            }
            values.push_back(*v);
            start = comma + 1;
        }
        if (values.size() < 4) {
            throw ReportError("図のファイル（" + file + "）の範囲の行が正しくありません。");
        }
        const double offsetX = (areaWidth - values[0]) / 2 - values[2];
        const double offsetY = (areaHeight - values[1]) / 2 - values[3];
        out += PrintText(RecordedPath(file));
        out += kLineEnd;
        out += PrintNumberPair(offsetX, offsetY);
        out += kLineEnd;
    }
    out += "END";
    out += kLineEnd;
    WriteOut(path, out);
}

} // namespace zul
