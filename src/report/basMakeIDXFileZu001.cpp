// Tip resistance chart of a driven pile: the ratio of tip resistance intensity to the design
// N-value against the converted embedment ratio Lb/D, for open-ended steel pipe piles and for
// the others, with the point of the current pile.
#include "report/DetailReport.h"
#include "report/FigureFrame.h"
#include "report/FigureLayout.h"
#include "util/NumberFormat.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace zul {

namespace {

constexpr double kX0 = 20;       // Lb/D = 0
constexpr double kPerRatio = 10; // mm per unit of Lb/D
constexpr double kMaxRatio = 5;  // the ratio is drawn up to 5, where both lines reach 300
constexpr double kY0 = 18;       // qd/N = 0
constexpr double kPerQdN = 0.1;  // mm per unit of qd/N
constexpr double kMaxQdN = 300;

double X(double ratio) {
    return kX0 + ratio * kPerRatio;
}
double Y(double qdn) {
    return kY0 + qdn * kPerQdN;
}

// qd/N of the chart line at ratio: open-ended steel pipe 60 Lb/D, others 40 Lb/D + 100, within 0..300.
double Ratio(bool openEnded, double r) {
    return std::clamp(openEnded ? 60 * r : 40 * r + 100, 0.0, kMaxQdN);
}

} // namespace

std::string basMakeIDXFileZu001(ReportRun& run, const ReportContext& ctx, double areaWidth,
                                double areaHeight) {
    const CZul& z = ctx.normal;
    BeginFigure(run, ctx.paths.definitionFolder, 5);
    FigureBuilder& fig = run.Figure();
    const double s = fig.TextSize(fig.TextKind());
    const auto line = [&](double xa, double ya, double xb, double yb, std::int32_t kind) {
        const std::int32_t end = fig.AddPoint(xb, yb); // numbered first, as FigureFrame's Line does
        const std::int32_t start = fig.AddPoint(xa, ya);
        fig.AddLine(start, end, kind);
    };

    // The current pile: its embedment ratio (drawn up to 5) and the ratio it gives, with the
    // lines that read it off the axes.
    const bool openEnded = z.QdAp() != 0;
    const double r = std::clamp(z.RNeireDp(), 0.0, kMaxRatio);
    const double q = Ratio(openEnded, r);

    // Axes, scales and the two lines of the chart.
    line(kX0, kY0, X(kMaxRatio) + 2, kY0, 1);
    line(kX0, kY0, kX0, Y(kMaxQdN) + 2, 1);
    // The scales keep clear of the current pile's circle where it stands on an axis.
    for (int k = 0; k <= 5; ++k) {
        TextCentred(fig, FormatNumber(k, "#0"), X(k), kY0 - 1.6 - s);
    }
    for (int k = 0; k <= 300; k += 100) {
        TextRight(fig, FormatNumber(k, "##0"), kX0 - 1.6, Y(k) - s / 2);
    }
    line(X(0), Y(Ratio(false, 0)), X(kMaxRatio), Y(Ratio(false, kMaxRatio)), 2);
    line(X(0), Y(Ratio(true, 0)), X(kMaxRatio), Y(Ratio(true, kMaxRatio)), 3);
    const std::int32_t at = fig.AddPoint(X(r), Y(q));
    fig.AddCircle(at, 1.0, 2);
    fig.AddLine(fig.AddPoint(X(r), kY0), at, 3);
    fig.AddLine(at, fig.AddPoint(kX0, Y(q)), 3);

    // The open-ended pipe's line is named in the free corner under it, clear of the current
    // pile's reading lines: beside the line's lower end, else further right with a leader up to
    // the line.
    const std::string openLabel = "開端鋼管杭の場合";
    const double wOpen = fig.FigTextWidth(fig.TextKind(), openLabel);
    const double yOpen = kY0 + 1.0;
    if (!AddClearText(fig, openLabel, {{X(0.8), yOpen}}, fig.TextKind(), 3) &&
        AddClearText(fig, openLabel, {{X(4.95) - wOpen, yOpen}}, fig.TextKind(), 3)) {
        // Half-way between two grid lines, so that the leader is not taken for one.
        const double rl = 3.5;
        line(X(rl), yOpen + s + 0.6, X(rl), Y(Ratio(true, rl)), 1);
    }

    // The grid, broken where a text stands in it.
    const auto gridAvoidingTexts = [&](double xa, double ya, double xb, double yb) {
        // Pieces of the straight grid line between the texts it would run through.
        std::vector<std::pair<double, double>> cuts; // along the line's own coordinate
        const bool vertical = xa == xb;
        for (const FigText& t : fig.Texts()) {
            const FigBox b = BoxOfText(fig, t).Grown(0.6);
            if (SegmentCrossesBox({xa, ya}, {xb, yb}, b)) {
                cuts.emplace_back(vertical ? b.y0 : b.x0, vertical ? b.y1 : b.x1);
            }
        }
        std::sort(cuts.begin(), cuts.end());
        double from = vertical ? ya : xa;
        const double to = vertical ? yb : xb;
        const auto piece = [&](double u0, double u1) {
            if (u1 - u0 > 0.8) {
                vertical ? line(xa, u0, xa, u1, 5) : line(u0, ya, u1, ya, 5);
            }
        };
        for (const auto& [c0, c1] : cuts) {
            piece(from, c0);
            from = std::max(from, c1);
        }
        piece(from, to);
    };
    for (int k = 1; k <= 5; ++k) {
        gridAvoidingTexts(X(k), kY0, X(k), Y(kMaxQdN));
    }
    for (int k = 100; k <= 300; k += 100) {
        gridAvoidingTexts(kX0, Y(k), X(kMaxRatio), Y(k));
    }

    // Axis captions: qd over N with its bar, and the embedment over the pile diameter.
    const double xm = (kX0 + X(kMaxRatio)) / 2;
    const double yc = kY0 - 1.6 - s - 1.5;
    TextCentred(fig, "支持層への換算根入れ深さ", xm, yc - s);
    TextCentred(fig, "(─────────────)", xm, yc - 2 * s);
    TextCentred(fig, "杭  径", xm, yc - 3 * s);
    const double ym = (kY0 + Y(kMaxQdN)) / 2;
    const double xq = 6;
    TextCentred(fig, "qd", xq, ym + 0.6 * s);
    TextCentred(fig, "──", xq, ym - 0.4 * s);
    TextCentred(fig, "＿", xq, ym - 0.7 * s);
    TextCentred(fig, "Ｎ", xq, ym - 1.6 * s);
    return FinishFigure(run, areaWidth, areaHeight);
}

} // namespace zul
