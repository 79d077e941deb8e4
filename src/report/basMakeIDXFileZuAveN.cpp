// Figure of the N-values over the embedment into the bearing layer with the design N-value at
// the tip: the area between the two is what the embedment search balances.
#include "report/DetailReport.h"
#include "report/FigureFrame.h"
#include "util/NumberFormat.h"

namespace zul {

std::string basMakeIDXFileZuAveN(PrintState& ps, const ReportContext& ctx, double areaWidth,
                                 double areaHeight) {
    const CZul& z = ctx.normal;
    BeginFigure(ps, ctx.programFolder, 7.5);
    FigureBuilder& fig = ps.Figure;
    const double groundTop = z.Jiban().Count() > 0 ? z.Jiban().Item(1)->EU : 0.0;
    const colZulNs& points = z.NNeire();
    const double zTip = groundTop - z.ELPL();
    // Without evaluated points (a bearing layer given or taken from the layers) the range is the
    // converted embedment, or one diameter when there is none.
    const double zTop =
        points.Count() >= 2 ? points.Item(1)->Z : zTip - (z.Neire() > 0.0005 ? z.Neire() : z.Dp());
    const NValueChart chart =
        DrawNValueChart(fig, points, groundTop, zTop,
                        points.Count() >= 2 ? points.Item(points.Count())->Z : zTip, "換算根入れ長深さ");

    // The design N-value as a line across the chart, marked N with a bar and its value.
    const double y = chart.YOf(z.NN());
    fig.AddLine(fig.AddPoint(chart.x0 - 4, y), fig.AddPoint(chart.x1 + 2, y), 4);
    const double s = fig.TextSize(fig.TextKind);
    const double x = chart.x1 + 3;
    fig.AddText("Ｎ", x, y - s / 2, fig.TextKind, 3);
    fig.AddText("＿", x, y - s / 2 + 0.9 * s, fig.TextKind, 3);
    fig.AddText("＝" + FormatNumber(z.NN(), "###0.0"), x + s, y - s / 2, fig.TextKind, 3);
    return FinishFigure(ps, areaWidth, areaHeight);
}

} // namespace zul
