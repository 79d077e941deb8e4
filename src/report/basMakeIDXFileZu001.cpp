// Tip resistance chart of a driven pile: the ratio of tip resistance intensity to the design
// N-value against the converted embedment ratio Lb/D, for open-ended steel pipe piles and for
// the others, with the point of the current pile.
#include "report/DetailReport.h"
#include "report/FigureFrame.h"
#include "util/NumberFormat.h"

#include <algorithm>

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

std::string basMakeIDXFileZu001(PrintState& ps, const ReportContext& ctx, double areaWidth,
                                double areaHeight) {
    const CZul& z = ctx.normal;
    BeginFigure(ps, ctx.programFolder, 5);
    FigureBuilder& fig = ps.Figure;
    const double s = fig.TextSize(fig.TextKind);
    const auto line = [&](double xa, double ya, double xb, double yb, std::int32_t kind) {
        fig.AddLine(fig.AddPoint(xa, ya), fig.AddPoint(xb, yb), kind);
    };

    // Axes, grid and scales.
    line(kX0, kY0, X(kMaxRatio) + 2, kY0, 1);
    line(kX0, kY0, kX0, Y(kMaxQdN) + 2, 1);
    for (int r = 0; r <= 5; ++r) {
        if (r > 0) {
            line(X(r), kY0, X(r), Y(kMaxQdN), 5);
        }
        TextCentred(fig, FormatNumber(r, "#0"), X(r), kY0 - 1 - s);
    }
    for (int q = 0; q <= 300; q += 100) {
        if (q > 0) {
            line(kX0, Y(q), X(kMaxRatio), Y(q), 5);
        }
        TextRight(fig, FormatNumber(q, "##0"), kX0 - 1, Y(q) - s / 2);
    }

    // The two lines of the chart.
    line(X(0), Y(Ratio(false, 0)), X(kMaxRatio), Y(Ratio(false, kMaxRatio)), 2);
    line(X(0), Y(Ratio(true, 0)), X(kMaxRatio), Y(Ratio(true, kMaxRatio)), 3);
    fig.AddText("開端鋼管杭の場合", X(1.2), Y(15), fig.TextKind, 3);

    // The current pile: its embedment ratio (drawn up to 5) and the ratio it gives.
    const bool openEnded = z.QdAp() != 0;
    const double r = std::clamp(z.RNeireDp(), 0.0, kMaxRatio);
    const double q = Ratio(openEnded, r);
    const std::int32_t at = fig.AddPoint(X(r), Y(q));
    fig.AddCircle(at, 1.0, 2);
    fig.AddLine(fig.AddPoint(X(r), kY0), at, 3);
    fig.AddLine(at, fig.AddPoint(kX0, Y(q)), 3);

    // Axis captions: qd over N with its bar, and the embedment over the pile diameter.
    const double xm = (kX0 + X(kMaxRatio)) / 2;
    const double yc = kY0 - 1 - s - 1.5;
    TextCentred(fig, "支持層への換算根入れ深さ", xm, yc - s);
    TextCentred(fig, "(─────────────)", xm, yc - 2 * s);
    TextCentred(fig, "杭  径", xm, yc - 3 * s);
    const double ym = (kY0 + Y(kMaxQdN)) / 2;
    const double xq = 6;
    TextCentred(fig, "qd", xq, ym + 0.6 * s);
    TextCentred(fig, "──", xq, ym - 0.4 * s);
    TextCentred(fig, "＿", xq, ym - 0.7 * s);
    TextCentred(fig, "Ｎ", xq, ym - 1.6 * s);
    return FinishFigure(ps, areaWidth, areaHeight);
}

} // namespace zul
