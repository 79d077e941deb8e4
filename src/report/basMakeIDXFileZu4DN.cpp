// Figure of the N-values over four pile diameters above the tip, whose intervals give the mean
// N-value N2.
#include "report/DetailReport.h"
#include "report/FigureFrame.h"

#include <algorithm>

namespace zul {

std::string basMakeIDXFileZu4DN(PrintState& ps, const ReportContext& ctx, double areaWidth,
                                double areaHeight) {
    const CZul& z = ctx.normal;
    BeginFigure(ps, ctx.programFolder, 7.5);
    const double groundTop = z.Jiban().Count() > 0 ? z.Jiban().Item(1)->EU : 0.0;
    const colZulNs& points = z.N4D();
    const double zTip = groundTop - z.ELPL();
    // The range is the one the points span; without points it is four diameters above the tip.
    const double zTop = points.Count() >= 2 ? points.Item(1)->Z : zTip - 4 * z.Dp();
    DrawNValueChart(ps.Figure, points, groundTop, zTop,
                    points.Count() >= 2 ? points.Item(points.Count())->Z : zTip, "4･D");
    return FinishFigure(ps, areaWidth, areaHeight);
}

} // namespace zul
