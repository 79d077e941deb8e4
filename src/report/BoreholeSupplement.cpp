// The borehole supplement of the conditions report.
#include "report/BoreholeSupplement.h"

#include "document/ImportEdits.h"
#include "document/SoilKind.h"
#include "report/ConditionsSupplement.h"
#include "report/ReportNotes.h"
#include "report/SectionSupport.h"
#include "util/Cp932.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace zul {

namespace {

// Template lines of the block.
constexpr std::int32_t kHeading = 1;
constexpr std::int32_t kFileName = 2; // 2..11: the labels of the source, in this order
constexpr std::int32_t kImport = 11;
constexpr std::int32_t kLayerHeadFirst = 12;
constexpr std::int32_t kLayerHeadLast = 15;
constexpr std::int32_t kLayerRow = 16; // the original names follow the row
constexpr std::int32_t kLayerClose = 17;
constexpr std::int32_t kLayerNote = 18;
constexpr std::int32_t kEdits = 19;
constexpr std::int32_t kNHeadFirst = 20;
constexpr std::int32_t kNHeadLast = 23;
constexpr std::int32_t kNRow = 24;         // the remark follows the row
constexpr std::int32_t kNRowWithoutN = 25; // a test without N value
constexpr std::int32_t kNClose = 26;
constexpr std::int32_t kNNoteFirst = 27;
constexpr std::int32_t kNNoteLast = 29;

constexpr const char* kNone = "－";
// Rows of the layer table kept with its head.
constexpr std::int32_t kLayerRowsKept = 3;

std::string OrNone(const std::string& text) {
    return text.empty() ? kNone : text;
}

std::string Metres(const std::optional<double>& value, std::string_view picture) {
    return value ? FormatNumber(*value, picture) + " m" : kNone;
}

// A label line of the block followed by a value, broken to the width of the notes under the
// value's first character.
void WriteLabelled(PageWriter& ps, const TemplateBlock& b, std::int32_t k, const std::string& value) {
    const std::string& label = b.Text(k);
    const std::size_t width = kNoteColumns > label.size() + 10 ? kNoteColumns - label.size() : 10;
    const std::vector<std::string> lines = WrapPrintText(PrintText(value), width);
    for (std::size_t i = 0; i < std::max<std::size_t>(lines.size(), 1); ++i) {
        ps.PrintLineHead(b.Level(k));
        ps.PrintRaw((i == 0 ? label : std::string(label.size(), ' ')) + (i < lines.size() ? lines[i] : ""));
    }
}

// The printed lines of one imported layer: the row and its original names, the names broken
// under their column.
std::vector<std::string> LayerRowLines(const TemplateBlock& b, std::size_t number, const SourceLayer& layer) {
    std::string names;
    for (const std::string& name : layer.originalNames) {
        names += (names.empty() ? "" : "・") + name;
    }
    const std::string kind = std::string(SoilKindName(layer.kind)) + (layer.kindChosen ? "＊" : "");
    const std::string row = FillTemplate(
        b.Text(kLayerRow), std::vector<double>{static_cast<double>(number), layer.thickness, layer.n},
        std::vector<std::string>{kind});
    const std::size_t width = kNoteColumns > row.size() + 10 ? kNoteColumns - row.size() : 10;
    std::vector<std::string> lines = WrapPrintText(PrintText(OrNone(names)), width);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = (i == 0 ? row : std::string(row.size(), ' ')) + lines[i];
    }
    return lines;
}

void WriteLayers(PageWriter& ps, const TemplateBlock& b, const BoreholeSource& source) {
    PrintLines(ps, b, kLayerHeadFirst, kLayerHeadLast);
    const std::int32_t level = b.Level(kLayerRow);
    for (std::size_t i = 0; i < source.layers.size(); ++i) {
        const std::vector<std::string> lines = LayerRowLines(b, i + 1, source.layers[i]);
        // The row and the closing line on this page, else the page closes and the head repeats.
        if (static_cast<std::int32_t>(lines.size()) + 1 > ps.LinesLeft()) {
            ps.PrintAsIs(b, kLayerClose);
            ps.FormFeed();
            PrintLines(ps, b, kLayerHeadFirst, kLayerHeadLast);
        }
        for (const std::string& line : lines) {
            ps.PrintLineHead(level);
            ps.PrintRaw(line);
        }
    }
    ps.PrintAsIs(b, kLayerClose);
    ps.PrintAsIs(b, kLayerNote);
}

std::int64_t Millimetres(double metres) {
    return std::llround(metres * 1000);
}

std::int64_t Tenths(double n) {
    return std::llround(n * 10);
}

std::string FlagText(NPointFlag flag) {
    switch (flag) {
    case NPointFlag::Capped:
        return "上限";
    case NPointFlag::SelfSink:
        return "自沈";
    case NPointFlag::None:
        break;
    }
    return {};
}

// A remark cut to the columns left of the page width, so that no row widens the report.
std::string Remark(const std::string& remark, std::size_t columns) {
    const std::string text = PrintText(remark);
    if (text.size() <= columns) {
        return text;
    }
    const std::string mark = PrintText("…");
    return text.substr(0, Cp932PrefixLength(text, columns - std::min(columns, mark.size()))) + mark;
}

// The numeric fields of a template line made blank: a value that is not known.
std::string BlankNumbers(std::string line, std::string_view tmpl) {
    for (const TemplateField& field : FindNumFields(tmpl)) {
        line.replace(field.pos, field.width, std::string(field.width, ' '));
    }
    return line;
}

} // namespace

std::string BlowsText(const std::optional<double>& blows, const std::optional<double>& penetrationCm) {
    if (!blows) {
        return {};
    }
    return GeneralNumberText(*blows) + "/" + (penetrationCm ? GeneralNumberText(*penetrationCm) : kNone);
}

std::vector<BoreholeNRow> BoreholeNRows(const BoreholeSource& source, const colZulNs& points) {
    std::vector<BoreholeNRow> rows;
    std::vector<bool> used(source.points.size(), false);
    const auto find = [&](const clsZulN& p, bool sameN) {
        for (std::size_t k = 0; k < source.points.size(); ++k) {
            const SourcePoint& s = source.points[k];
            if (!used[k] && Millimetres(s.depth) == Millimetres(p.Z) &&
                (!sameN || Tenths(s.n) == Tenths(p.N))) {
                used[k] = true;
                return static_cast<std::ptrdiff_t>(k);
            }
        }
        return std::ptrdiff_t{-1};
    };
    int number = 0;
    for (const clsZulN& p : points) {
        BoreholeNRow row;
        row.number = ++number;
        row.depth = p.Z;
        row.n = p.N;
        if (const std::ptrdiff_t k = find(p, true); k >= 0) {
            const SourcePoint& s = source.points[static_cast<std::size_t>(k)];
            row.blows = BlowsText(s.blows, s.penetrationCm);
            row.remark = FlagText(s.flag);
        } else if (const std::ptrdiff_t changed = find(p, false); changed >= 0) {
            const SourcePoint& s = source.points[static_cast<std::size_t>(changed)];
            row.blows = BlowsText(s.blows, s.penetrationCm);
            row.remark = "取込み後に変更";
        } else {
            row.remark = "取込み後に追加";
        }
        rows.push_back(std::move(row));
    }
    std::vector<BoreholeNRow> tests;
    for (const SourceTest& t : source.refusedTests) {
        BoreholeNRow row;
        row.depth = t.depth.value_or(NAN);
        row.blows = BlowsText(t.blows, t.penetrationCm);
        row.remark = t.reason.empty() ? "貫入不能" : t.reason;
        tests.push_back(std::move(row));
    }
    // Each test after the N values of its depth; a test without a depth at the end.
    for (BoreholeNRow& t : tests) {
        const auto at = std::find_if(rows.begin(), rows.end(), [&](const BoreholeNRow& r) {
            return !std::isnan(t.depth) && !std::isnan(r.depth) && r.depth > t.depth;
        });
        rows.insert(at, std::move(t));
    }
    return rows;
}

void WriteBoreholeSource(PageWriter& ps, const ReportContext& ctx) {
    if (!ctx.doc.boreholeSource) {
        return;
    }
    const BoreholeSource& s = *ctx.doc.boreholeSource;
    const TemplateBlock b = ReadReportBlock(ctx, kBoreholeSupplementBlock);
    // Two blank lines, the heading, a blank line, the source and the layer table's head with its
    // first rows.
    const std::int32_t sourceLines = kImport - kFileName + 1;
    ps.PageCheck(2 + 1 + 1 + sourceLines + 1 + (kLayerHeadLast - kLayerHeadFirst + 1) + kLayerRowsKept, 2);
    ps.PrintAsIs(b, kHeading);
    ps.PrintBlank(1);
    std::string place = kNone;
    if (!s.latitude.empty() || !s.longitude.empty()) {
        place = "緯度 " + OrNone(s.latitude) + "　経度 " + OrNone(s.longitude);
    }
    std::string period = kNone;
    if (!s.surveyStart.empty() || !s.surveyEnd.empty()) {
        period = OrNone(s.surveyStart) + "～" + OrNone(s.surveyEnd);
    }
    std::string importText = OrNone(s.importDate);
    if (!s.importOptions.empty()) {
        importText += "　" + s.importOptions;
    }
    const std::string values[] = {OrNone(s.fileName),
                                  OrNone(s.boreholeName),
                                  OrNone(s.surveyName),
                                  place,
                                  Metres(s.elevation, "+0.000;-0.000"),
                                  Metres(s.totalDepth, "0.00"),
                                  period,
                                  OrNone(s.layoutVersion),
                                  s.waterRecord.empty() ? std::string("なし") : s.waterRecord,
                                  importText};
    std::int32_t k = kFileName;
    for (const std::string& value : values) {
        WriteLabelled(ps, b, k++, value);
    }
    ps.PrintBlank(1);
    WriteLayers(ps, b, s);
    ps.PrintBlank(1);
    const std::string edits = ImportEditsText(FindImportEdits(ctx.doc));
    WriteLabelled(ps, b, kEdits, edits.empty() ? std::string("なし") : edits);
}

void WriteBoreholeNValueTable(PageWriter& ps, const TemplateBlock& headingBlock, const ReportContext& ctx,
                              double groundTop) {
    const TemplateBlock b = ReadReportBlock(ctx, kBoreholeSupplementBlock);
    const std::vector<BoreholeNRow> rows = BoreholeNRows(*ctx.doc.boreholeSource, ctx.normal.N());
    const NTableLines lines{b, kNHeadFirst, kNHeadLast, kNClose, kNNoteFirst, kNNoteLast};
    WriteNTable(ps, headingBlock, lines, static_cast<std::int32_t>(rows.size()), [&](std::int32_t i) {
        const BoreholeNRow& row = rows[static_cast<std::size_t>(i)];
        const std::int32_t k = row.number > 0 ? kNRow : kNRowWithoutN;
        const std::string& tmpl = b.Text(k);
        std::string line = row.number > 0
                               ? FillTemplate(tmpl,
                                              std::vector<double>{static_cast<double>(row.number), row.depth,
                                                                  groundTop - row.depth, row.n},
                                              std::vector<std::string>{row.blows})
                               : FillTemplate(tmpl, std::vector<double>{row.depth, groundTop - row.depth},
                                              std::vector<std::string>{row.blows});
        if (std::isnan(row.depth)) {
            line = BlankNumbers(std::move(line), tmpl);
        }
        ps.PrintLineHead(b.Level(k));
        ps.PrintRaw(line + Remark(row.remark, kNoteColumns > line.size() ? kNoteColumns - line.size() : 0));
    });
}

} // namespace zul
