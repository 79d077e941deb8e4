// Figure of the N-values over four pile diameters above the tip, whose intervals give the mean
// N-value N2.
#include "report/DetailReport.h"
#include "report/FigureFrame.h"

#include <algorithm>
#include <cmath>

namespace zul {

std::string basMakeIDXFileZu4DN(ReportRun& run, const ReportContext& ctx, double areaWidth,
                                double areaHeight) {
    const CZul& z = ctx.normal;
    const PileDepths at = BeginNValueFigure(run, ctx.paths.definitionFolder, z);
    // The range of four diameters (at most the pile) along the axis, as a depth below the ground
    // top; the points drawn are those the mean was taken over, which may cover only part of it
    // where the N-values end above the tip.
    const double fourD = std::min(std::round(4 * z.Dp() * 1000.0) / 1000.0, z.L());
    const double zTop = at.zTip - fourD * at.cosA;
    DrawNValueChart(run.Figure(), {z.N4D(), at.groundTop, zTop, at.zTip, "4･D", true, std::nullopt});
    return FinishFigure(run, areaWidth, areaHeight);
}

} // namespace zul
