#include "report/SiteReport.h"

#include "document/ConstructionMethod.h"
#include "io/FileAccess.h"
#include "io/FileError.h"
#include "printfile/PrintFileFormat.h"
#include "printfile/PrintFileLines.h"
#include "report/FigureBuilder.h"
#include "report/ReportError.h"
#include "util/Cp932.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <map>
#include <numbers>

namespace zul {

namespace {

using site::BoreholeResult;
using site::BoreholeStatus;

constexpr double kEarthRadius = 6378137.0; // m
// Figure areas (mm) and the print lines they cover.
constexpr double kGraphWidth = 160, kGraphHeight = 90;
constexpr std::int32_t kGraphLines = 25;
constexpr double kPlanSide = 160;
constexpr std::int32_t kPlanLines = 45;
// Boreholes drawn on the plan (the figure's circles and texts are bounded).
constexpr std::size_t kMaxPlanPoints = 90;
// Bytes of a note line.
constexpr std::size_t kNoteWidth = 96;

// A column of a table line: the text in code page 932, cut or padded to width bytes.
std::string Column(std::string_view utf8, std::size_t width, bool right = false) {
    std::string bytes = PrintText(utf8);
    bytes.resize(Cp932PrefixLength(bytes, width));
    const std::string pad(width - bytes.size(), ' ');
    return right ? pad + bytes : bytes + pad;
}

std::string Length(const std::optional<clsRaTable>& row) {
    return row ? FormatNumber(row->L, "##0.0") : std::string("－");
}

// The lines of the print file, counted against the page.
class PageLines {
public:
    // A body line of code page 932 bytes.
    void Line(std::string_view cp932) {
        Need(1);
        text_ += "  ";
        text_ += cp932;
        text_ += kLineEnd;
        ++count_;
    }
    void Text(std::string_view utf8) { Line(PrintText(utf8)); }
    void Blank() {
        if (count_ > 0 && count_ < kLinesPerPage) {
            text_ += kLineEnd;
            ++count_;
        }
    }
    // A level-1 heading with room for `keep` lines under it.
    void Heading(std::string_view utf8, std::int32_t keep) {
        Need(keep + 1);
        text_ += kHeading1Marker;
        text_ += PrintText(utf8);
        text_ += kLineEnd;
        ++count_;
    }
    // A figure record and the lines its figure covers.
    void Figure(const std::string& indexPath, std::int32_t covered) {
        Need(covered + 1);
        Line(FigureRecord(indexPath));
        count_ += covered; // the preview keeps the lines under the record free for the figure
    }
    // A new page unless fewer than n lines are left on this one.
    bool Need(std::int32_t n) {
        if (count_ + n > kLinesPerPage && count_ > 0) {
            text_ += kFormFeed;
            count_ = 0;
            return true;
        }
        return false;
    }
    const std::string& Bytes() const { return text_; }

private:
    std::string text_;
    std::int32_t count_ = 0;
};

void WriteFile(const std::string& path, const std::string& bytes) {
    if (ReplaceFileContents(path, bytes) != FileError::None) {
        throw ReportError("cannot write " + path);
    }
}

// A note in lines of at most width bytes, the later ones indented as the first.
std::vector<std::string> Wrapped(const std::string& indent, std::string_view utf8, std::size_t width) {
    std::vector<std::string> lines;
    std::string rest = PrintText(utf8);
    const std::string head = PrintText(indent);
    while (!rest.empty()) {
        const std::size_t take = std::max<std::size_t>(1, Cp932PrefixLength(rest, width - head.size()));
        lines.push_back(head + rest.substr(0, take));
        rest.erase(0, take);
    }
    return lines;
}

// Ticks of an axis from 0 (or lo) to hi: a step of 1, 2 or 5 times a power of ten, about 5 ticks.
double TickStep(double span) {
    if (span <= 0) {
        return 1;
    }
    const double raw = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw) {
            return m * power;
        }
    }
    return 10 * power;
}

// The graph of the envelope of one diameter: Ra, Rae, Pa, Pae against the pile length.
void DrawEnvelopeGraph(FigureBuilder& fig, const site::EnvelopeDiameter& diameter) {
    const double w = 130, h = 75;
    double lo = diameter.rows.front().length, hi = diameter.rows.back().length;
    if (hi <= lo) {
        hi = lo + 1;
    }
    double top = 0;
    for (const site::EnvelopeRow& row : diameter.rows) {
        for (const site::LeastValue& least : row.least) {
            top = std::max(top, least.value);
        }
    }
    const double yStep = TickStep(top > 0 ? top : 1);
    top = std::ceil((top > 0 ? top : 1) / yStep) * yStep;
    const auto x = [&](double length) { return (length - lo) / (hi - lo) * w; };
    const auto y = [&](double value) { return std::max(0.0, value) / top * h; };
    fig.AddRect(fig.AddPoint(0, 0), fig.AddPoint(w, h), 1, 0);
    for (double v = 0; v <= top + yStep / 2; v += yStep) {
        fig.AddLine(fig.AddPoint(0, y(v)), fig.AddPoint(w, y(v)), 5);
        fig.AddText(FormatNumber(v, "#,##0"), -2 - fig.FigTextWidth(2, FormatNumber(v, "#,##0")), y(v) - 0.7,
                    2, 3);
    }
    const double xStep = TickStep(hi - lo);
    for (double l = std::ceil(lo / xStep) * xStep; l <= hi + 1e-9; l += xStep) {
        fig.AddLine(fig.AddPoint(x(l), 0), fig.AddPoint(x(l), h), 5);
        fig.AddText(FormatNumber(l, "##0.0"), x(l) - 2.5, -4, 2, 3);
    }
    fig.AddText("杭長Ｌ(m)", w / 2 - 8, -9, 2, 3);
    fig.AddText("許容支持力(kN/本)", -14, h / 2 - 12, 2, 1);
    const std::int32_t kinds[] = {2, 3, 1, 4};
    const char* labels[] = {"Ｒａ常時", "Ｒａ地震時", "Ｐａ常時", "Ｐａ地震時"};
    for (std::size_t c = 0; c < 4; ++c) {
        std::int32_t previous = 0;
        for (const site::EnvelopeRow& row : diameter.rows) {
            const std::int32_t p = fig.AddPoint(x(row.length), y(row.least[c].value));
            if (previous != 0) {
                fig.AddLine(previous, p, kinds[c]);
            }
            previous = p;
        }
        const double ly = h - 4 - 5 * static_cast<double>(c);
        fig.AddLine(fig.AddPoint(w + 4, ly + 0.7), fig.AddPoint(w + 14, ly + 0.7), kinds[c]);
        fig.AddText(labels[c], w + 16, ly, 2, 3);
    }
}

// Metres east and north of the origin.
FigPoint LocalMetres(const SiteReport::PlanPoint& p, double lat0, double lon0) {
    const double rad = std::numbers::pi / 180;
    return {(p.longitude - lon0) * rad * kEarthRadius * std::cos(lat0 * rad),
            (p.latitude - lat0) * rad * kEarthRadius};
}

void DrawPlan(FigureBuilder& fig, const std::vector<SiteReport::PlanPoint>& plan, double& scale) {
    const std::size_t count = std::min(plan.size(), kMaxPlanPoints);
    std::vector<FigPoint> metres;
    for (std::size_t i = 0; i < count; ++i) {
        metres.push_back(LocalMetres(plan[i], plan[0].latitude, plan[0].longitude));
    }
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const FigPoint& m : metres) {
        minX = std::min(minX, m.X), maxX = std::max(maxX, m.X);
        minY = std::min(minY, m.Y), maxY = std::max(maxY, m.Y);
    }
    const double side = 120;
    scale = PlanScale(maxX - minX, maxY - minY, side, side);
    // The positions centred in the frame.
    const double padX = (side - (maxX - minX) * 1000 / scale) / 2;
    const double padY = (side - (maxY - minY) * 1000 / scale) / 2;
    const auto mm = [&](const FigPoint& m) {
        return FigPoint{padX + (m.X - minX) * 1000 / scale, padY + (m.Y - minY) * 1000 / scale};
    };
    fig.AddRect(fig.AddPoint(-5, -5), fig.AddPoint(side + 5, side + 5), 1, 0);
    // Labels of boreholes at the same place stack downwards.
    std::map<std::pair<long, long>, int> stacked;
    for (std::size_t i = 0; i < count; ++i) {
        const FigPoint at = mm(metres[i]);
        fig.AddCircle(fig.AddPoint(at.X, at.Y), 1.0, 2);
        const int below = stacked[{std::lround(at.X * 2), std::lround(at.Y * 2)}]++;
        fig.AddText(plan[i].label, at.X + 2, at.Y - 0.7 - 3.2 * below, 2, 3);
    }
    // North arrow and scale bar beside the plan.
    const double ax = side + 25;
    fig.AddArrow(fig.AddPoint(ax, side - 20), fig.AddPoint(ax, side), 2);
    fig.AddText("N", ax - 1, side + 2, 1, 3);
    const double barMm = 20;
    fig.AddLine(fig.AddPoint(ax - 10, 0), fig.AddPoint(ax - 10 + barMm, 0), 2);
    fig.AddText(GeneralNumberText(barMm * scale / 1000) + " m", ax - 10, 2, 2, 3);
    fig.AddText("縮尺 1:" + FormatNumber(scale, "#,##0"), ax - 10, -5, 2, 3);
}

} // namespace

double PlanScale(double widthM, double heightM, double widthMm, double heightMm) {
    for (double power = 100;; power *= 10) {
        for (const double m : {1.0, 2.0, 2.5, 5.0}) {
            const double scale = m * power;
            if (widthM * 1000 / scale <= widthMm && heightM * 1000 / scale <= heightMm) {
                return scale;
            }
        }
        if (power > 1e9) {
            return 1e10;
        }
    }
}

SiteReport::SiteReport(const ProjectDocument& base, std::string baseFile, const site::SiteLoads& loads,
                       std::vector<double> diameters, std::size_t planDiameter)
    : diameters_(std::move(diameters)), planDiameter_(planDiameter) {
    const CInpJyoken& c = base.InpJyoken;
    std::string text = "基本ｹｰｽ：" + std::filesystem::path(baseFile).filename().string() + "\n";
    text += "検討ｹｰｽ名称：" + c.Title + "\n";
    text += "工法：" + std::string(MethodReportName(c.Sekou)) + "\n";
    text += "杭頭標高：" + FormatNumber(c.ELPU, "#0.000") + " m（取込みで地盤面とともに移動）\n";
    std::string ds;
    for (const double d : diameters_) {
        ds += (ds.empty() ? "" : "，") + FormatNumber(d, "0.000");
    }
    text += "検討杭径：φ " + ds + " m\n";
    const auto cell = [&](std::size_t i) {
        const auto v = base.RaTable(i).toNumber();
        return v ? FormatNumber(*v, "##0.0") : std::string("－");
    };
    text += "検討杭長：" + cell(1) + " ～ " + cell(2) + " m（増分 " + cell(3) + " m）\n";
    text += "設計押込み力：" +
            (loads.pushIn ? "常時 " + FormatCapacity(loads.pushIn->normal) + " kN，地震時 " +
                                FormatCapacity(loads.pushIn->earthquake) + " kN"
                          : std::string("指定なし")) +
            "\n";
    text += "設計引抜き力：" +
            (loads.pullOut ? "常時 " + FormatCapacity(loads.pullOut->normal) + " kN，地震時 " +
                                 FormatCapacity(loads.pullOut->earthquake) + " kN"
                           : std::string("指定なし")) +
            "\n";
    conditions_ = text;
}

void SiteReport::Add(const BoreholeResult& b) {
    const std::string number = FormatNumber(static_cast<double>(b.index + 1), "##0");
    std::string line = Column(number, 5, true) + " " + Column(b.name, 14) + " " +
                       Column(std::filesystem::path(b.file).filename().string(), 18) + " ";
    if (b.status == BoreholeStatus::Refused || b.tables.empty()) {
        line += PrintText((b.status == BoreholeStatus::Refused ? "取込不可：" : "失敗：") + b.reason);
        line.resize(Cp932PrefixLength(line, kNoteWidth)); // the whole reason stands in the notes
    } else {
        for (const site::RequiredLength& r : b.required) {
            line += Column(Length(r.row), 9, true);
        }
        if (b.status == BoreholeStatus::Failed) {
            line += PrintText("  失敗：計算ｴﾗｰ");
        }
    }
    tableLines_.push_back(line);
    if (!b.notes.empty() || !b.reason.empty()) {
        noteLines_.push_back(PrintText(number + "  " + b.name + "（" +
                                       std::filesystem::path(b.file).filename().string() + "）"));
        std::vector<std::string> texts = b.notes;
        if (!b.reason.empty()) {
            texts.insert(texts.begin(), b.reason);
        }
        for (const std::string& text : texts) {
            for (std::string& wrapped : Wrapped("    ", "・" + text, kNoteWidth)) {
                noteLines_.push_back(std::move(wrapped));
            }
        }
    }
    if (b.latitude && b.longitude) {
        const std::optional<clsRaTable>& row =
            planDiameter_ < b.required.size() ? b.required[planDiameter_].row : std::nullopt;
        plan_.push_back(
            {*b.latitude, *b.longitude,
             b.name + " " +
                 (b.status == BoreholeStatus::Refused ? std::string("取込不可") : "L=" + Length(row))});
    } else {
        ++unplaced_;
    }
}

void SiteReport::Write(const site::SiteEnvelope& envelope, const std::string& printFile,
                       const std::string& figureFolder, const std::string& definitionFolder) const {
    PageLines out;
    out.Heading("１．基本条件", 10);
    std::size_t start = 0;
    while (start < conditions_.size()) {
        const std::size_t end = conditions_.find('\n', start);
        out.Text(conditions_.substr(start, end - start));
        start = end + 1;
    }
    out.Blank();

    out.Heading("２．ﾎﾞｰﾘﾝｸﾞ別の必要杭長", 6);
    std::string head =
        Column("No.", 5, true) + " " + Column("ﾎﾞｰﾘﾝｸﾞ名", 14) + " " + Column("ﾌｧｲﾙ", 18) + " ";
    for (const double d : diameters_) {
        head += Column("φ" + FormatNumber(d, "0.000"), 9, true);
    }
    const std::string rule(head.size(), '-');
    out.Text("必要杭長 (m)：設計荷重を常時・地震時とも満たす最短の検討杭長");
    out.Line(head);
    out.Line(rule);
    for (const std::string& line : tableLines_) {
        if (out.Need(1)) {
            out.Line(head);
            out.Line(rule);
        }
        out.Line(line);
    }
    out.Blank();

    FigureBuilder fig;
    fig.ReadLineDef(definitionFolder + "/" + std::string(kLineDefinitionFile));
    fig.ReadStrDef(definitionFolder + "/" + std::string(kTextDefinitionFile));
    int figures = 0;
    const auto figurePath = [&](const std::string& name) {
        return (std::filesystem::path(figureFolder) / (name + std::to_string(++figures))).string();
    };
    out.Heading("３．包絡値（全ﾎﾞｰﾘﾝｸﾞの最小値）", 8);
    for (const site::EnvelopeDiameter& diameter : envelope.Diameters()) {
        out.Need(8);
        out.Text("杭径φ " + FormatNumber(diameter.diameter, "0.000") + " m (kN/本)");
        const std::string tableHead = Column("杭長Ｌ(m)", 10, true) + Column("Ｒａ常時", 12, true) +
                                      Column("Ｒａ地震時", 12, true) + Column("Ｐａ常時", 12, true) +
                                      Column("Ｐａ地震時", 12, true) + Column("除外本数", 10, true);
        out.Line(tableHead);
        for (const site::EnvelopeRow& row : diameter.rows) {
            if (out.Need(1)) {
                out.Line(tableHead);
            }
            std::string line = Column(FormatNumber(row.length, "##0.0"), 10, true);
            for (const site::LeastValue& least : row.least) {
                line += Column(FormatCapacity(least.value), 12, true);
            }
            line += Column(std::to_string(envelope.LeftOut(row)), 10, true);
            out.Line(line);
        }
        if (!diameter.rows.empty()) {
            fig.Reset();
            DrawEnvelopeGraph(fig, diameter);
            const std::string data = figurePath("SITEG");
            fig.WriteFigFile(data + ".DAT", "包絡値", "");
            fig.WriteIdxFile(data + ".IDX", "包絡値", kGraphWidth, kGraphHeight);
            out.Figure(data + ".IDX", kGraphLines);
        }
        out.Blank();
    }

    out.Heading("４．ﾎﾞｰﾘﾝｸﾞ位置図", kPlanLines + 3);
    const std::string shown =
        planDiameter_ < diameters_.size()
            ? "杭径φ " + FormatNumber(diameters_[planDiameter_], "0.000") + " m の必要杭長"
            : std::string("必要杭長");
    out.Text("北を上とし，ﾎﾞｰﾘﾝｸﾞ名と" + shown + "を示す。");
    if (!plan_.empty()) {
        fig.Reset();
        double scale = 0;
        DrawPlan(fig, plan_, scale);
        const std::string data = figurePath("SITEP");
        fig.WriteFigFile(data + ".DAT", "位置図", "");
        fig.WriteIdxFile(data + ".IDX", "位置図", kPlanSide, kPlanSide);
        out.Figure(data + ".IDX", kPlanLines);
    }
    if (plan_.size() > kMaxPlanPoints) {
        out.Text("位置図には先頭の " + std::to_string(kMaxPlanPoints) + " 本を示す（全 " +
                 std::to_string(plan_.size()) + " 本）。");
    }
    if (unplaced_ > 0) {
        out.Text("座標のないﾎﾞｰﾘﾝｸﾞ " + std::to_string(unplaced_) + " 本は位置図に示していない。");
    }
    out.Blank();

    out.Heading("５．ﾎﾞｰﾘﾝｸﾞ別の注意事項", 4);
    if (noteLines_.empty()) {
        out.Text("なし");
    }
    for (const std::string& line : noteLines_) {
        out.Line(line);
    }
    WriteFile(printFile, out.Bytes());
}

} // namespace zul
