// The frame of the detailed report's figures and their N-value chart.
#include "report/FigureFrame.h"

#include "calc/NValueProfile.h"
#include "printfile/PrintFileFormat.h"
#include "report/FigDimensions.h"
#include "report/FigureLayout.h"
#include "util/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace zul {

namespace {

// Chart geometry in mm (the figure is centred in its area afterwards).
constexpr double kAxisX = 14;      // the N-value axis
constexpr double kRangeLeft = 18;  // upper end of the depth range
constexpr double kRangeRight = 82; // pile tip
constexpr double kZeroN = 34;      // N = 0
constexpr double kMmPerN = 0.9;
constexpr double kMaxN = 50; // values drawn on the N-value axis are limited to this
constexpr double kPileBottom = 12;
constexpr double kPileTop = 18;
constexpr double kPileOverhang = 6; // the pile runs on beyond the upper end of the range

} // namespace

using namespace figure_drawing;

std::int32_t figure_drawing::Line(FigureBuilder& fig, double xa, double ya, double xb, double yb,
                                  std::int32_t kind) {
    const std::int32_t end = fig.AddPoint(xb, yb);
    const std::int32_t start = fig.AddPoint(xa, ya);
    return fig.AddLine(start, end, kind);
}

void BeginFigure(ReportRun& run, const std::string& programFolder, double layout2) {
    FigureBuilder& fig = run.Figure();
    fig.ReadLineDef(programFolder + "/" + std::string(kLineDefinitionFile));
    fig.ReadStrDef(programFolder + "/" + std::string(kTextDefinitionFile));
    fig.Reset(10, layout2, 15);
    fig.SetLineKind(1);
    fig.SetTextKind(2);
}

PileDepths BeginNValueFigure(ReportRun& run, const std::string& programFolder, const CZul& z) {
    BeginFigure(run, programFolder, 7.5);
    PileDepths at;
    at.groundTop = z.Jiban().Count() > 0 ? z.Jiban().Item(1)->EU : 0.0;
    at.zTip = at.groundTop - z.ELPL();
    at.cosA = std::cos(z.Alpha() * 3.141592654 / 180.0);
    return at;
}

std::string FinishFigure(ReportRun& run, double areaWidth, double areaHeight) {
    const std::string dataFile = run.TempFiles().NewFigFile();
    run.Figure().WriteFigFile(dataFile, kFigureTitle, kFigureSubtitle);
    const std::string indexFile = run.TempFiles().NewFigFile();
    run.Figure().WriteIdxFile(indexFile, kFigureTitle, areaWidth, areaHeight);
    return indexFile;
}

void TextCentred(FigureBuilder& fig, const std::string& text, double x, double y) {
    fig.AddText(text, x - fig.FigTextWidth(fig.TextKind(), text) / 2, y, fig.TextKind(), 3);
}

void TextRight(FigureBuilder& fig, const std::string& text, double x, double y) {
    fig.AddText(text, x - fig.FigTextWidth(fig.TextKind(), text), y, fig.TextKind(), 3);
}

double NValueChart::YOf(double n) const {
    return y0 + std::clamp(n, 0.0, kMaxN) * perN;
}

colZulNs NValuesBetween(const colZulNs& measured, double zTop, double zTip) {
    const auto mm = [](double z) { return std::nearbyint(z * 1000.0); };
    colZulNs out;
    const std::int32_t count = measured.Count();
    // The N-value at depth z when z lies strictly between two measured points (not within a
    // millimetre of one of them).
    const auto between = [&](double z) -> std::optional<double> {
        for (std::int32_t i = 2; i <= count; ++i) {
            const clsZulN& a = *measured.Item(i - 1);
            const clsZulN& b = *measured.Item(i);
            if (mm(a.Z) < mm(z) && mm(z) < mm(b.Z)) {
                return InterpolatedN(a, b, z);
            }
        }
        return std::nullopt;
    };
    if (const auto n = between(zTop)) {
        out.Add(zTop, *n);
    }
    for (const clsZulN& p : measured) {
        if (mm(zTop) <= mm(p.Z) && mm(p.Z) <= mm(zTip)) {
            out.Add(p.Z, p.N);
        }
    }
    if (const auto n = between(zTip); n && mm(zTip) > mm(zTop)) {
        out.Add(zTip, *n);
    }
    return out;
}

NValueChart DrawNValueChart(FigureBuilder& fig, const NValueChartContent& content) {
    fig.SetTextKind(kSmallText);
    const double s = fig.TextSize(kSmallText);
    const NValueChart chart{kRangeLeft, kRangeRight, kZeroN, kMmPerN};
    const double span = content.zTip - content.zTop;
    const auto xOf = [&](double z) {
        if (!(span > 0.0005)) {
            return kRangeRight;
        }
        return kRangeLeft + std::clamp((z - content.zTop) / span, 0.0, 1.0) * (kRangeRight - kRangeLeft);
    };

    // N-value axis with its scale, grid and caption; the N = 0 line.
    const double yTop = chart.YOf(kMaxN);
    Line(fig, kAxisX, kZeroN, kAxisX, yTop + 2, kThin);
    Line(fig, kAxisX, kZeroN, kRangeRight + 2, kZeroN, kThin);
    for (int n = 0; n <= 50; n += 10) {
        const double y = chart.YOf(n);
        Line(fig, kAxisX - 1, y, kAxisX, y, kThin);
        if (n > 0) {
            Line(fig, kAxisX, y, kRangeRight + 2, y, kDotted);
        }
        TextRight(fig, std::to_string(n), kAxisX - 1.5, y - s / 2);
    }
    TextCentred(fig, "Ｎ値", kAxisX, yTop + 3);

    // The profile: the N-value line and a dashed drop to N = 0 at each point.
    const colZulNs& points = content.points;
    const std::int32_t count = points.Count();
    std::int32_t previous = 0;
    for (std::int32_t i = 1; i <= count; ++i) {
        const clsZulN& p = *points.Item(i);
        const std::int32_t here = fig.AddPoint(xOf(p.Z), chart.YOf(p.N));
        if (previous != 0) {
            fig.AddLine(previous, here, kThick);
        }
        previous = here;
        Line(fig, xOf(p.Z), kZeroN, xOf(p.Z), chart.YOf(p.N), kDashed);
    }

    // The design N-value across the chart, marked N with a bar and its value right of the grid.
    if (content.designN) {
        const double y = chart.YOf(*content.designN);
        Line(fig, kAxisX, y, kRangeRight + 2, y, kCentre);
        const double x = kRangeRight + 3;
        fig.AddText("Ｎ", x, y - s / 2, kSmallText, 3);
        fig.AddText("＿", x, y - s / 2 + 0.9 * s, kSmallText, 3);
        fig.AddText("＝" + FormatNumber(*content.designN, "###0.0"), x + s, y - s / 2, kSmallText, 3);
    }

    // The pile below the chart: its outline up to the tip and its centre line; the dimensions of
    // its diameter at the tip and of the range along it.
    const double left = kRangeLeft - kPileOverhang;
    Line(fig, left, kPileTop, kRangeRight, kPileTop, kThick);
    Line(fig, left, kPileBottom, kRangeRight, kPileBottom, kThick);
    Line(fig, kRangeRight, kPileBottom, kRangeRight, kPileTop, kThick);
    Line(fig, left - 2, (kPileBottom + kPileTop) / 2, kRangeRight + 2, (kPileBottom + kPileTop) / 2, kCentre);
    fig.SetLineKind(kThin);
    DrawDimensionV(fig, kPileBottom, kPileTop, kRangeRight, DimensionSide::Positive, "D", "11111U");
    if (content.rangeDimension) {
        DrawDimensionH(fig, kRangeLeft, kRangeRight, kPileBottom, DimensionSide::Negative, content.rangeLabel,
                       "11111U");
    }

    // Each point's N-value near it, from the tip upward, where it stands clear.
    for (std::int32_t i = count; i >= 1; --i) {
        const clsZulN& p = *points.Item(i);
        const double x = xOf(p.Z);
        const double y = chart.YOf(p.N);
        const std::string value = FormatNumber(p.N, "###0.0");
        const double w = fig.FigTextWidth(kSmallText, value);
        AddClearText(fig, value,
                     {{x - w / 2, y + 1},
                      {x + 0.6, y + 0.6},
                      {x - w - 0.6, y + 0.6},
                      {x - w / 2, y - 1 - s},
                      {x + 0.6, y - 0.6 - s},
                      {x - w - 0.6, y - 0.6 - s}},
                     kSmallText, 3);
    }
    // The elevations below the chart: the tip, the upper end of the range and every point, where
    // they stand clear.
    std::vector<double> depths{content.zTip, content.zTop};
    for (std::int32_t i = count; i >= 1; --i) {
        depths.push_back(points.Item(i)->Z);
    }
    std::vector<double> labelled;
    for (const double z : depths) {
        const double x = xOf(z);
        if (std::any_of(labelled.begin(), labelled.end(),
                        [&](double l) { return std::fabs(l - x) < 0.05; })) {
            continue;
        }
        const std::string level = FormatNumber(content.groundTop - z, "+#0.000;-#0.000") + "m";
        if (AddClearText(fig, level, {{x + s / 2, kZeroN - 1.5 - fig.FigTextWidth(kSmallText, level)}},
                         kSmallText, 1)) {
            labelled.push_back(x);
        }
    }
    return chart;
}

} // namespace zul
