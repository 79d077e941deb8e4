// Figure of the N-values over the embedment into the bearing layer with the design N-value at
// the tip: the area between the two is what the embedment search balances.
#include "report/DetailReport.h"
#include "report/FigureFrame.h"

#include <cmath>

namespace zul {

std::string basMakeIDXFileZuAveN(PrintState& ps, const ReportContext& ctx, double areaWidth,
                                 double areaHeight) {
    const CZul& z = ctx.normal;
    BeginFigure(ps, ctx.programFolder, 7.5);
    const double groundTop = z.Jiban().Count() > 0 ? z.Jiban().Item(1)->EU : 0.0;
    const double zTip = groundTop - z.ELPL();
    const double cosA = std::cos(z.Alpha() * 3.141592654 / 180.0);
    // The area balance leaves the points it evaluated; a bearing layer given or taken from the
    // layers leaves none, and the N-values over the converted embedment come from the study.
    // Without embedment one diameter above the tip shows the N-values there, with no dimension.
    const bool embedded = z.Neire() > 0.0005;
    colZulNs profile;
    double zTop = zTip - (embedded ? z.Neire() : z.Dp()) * cosA;
    if (z.NNeire().Count() >= 2) {
        profile.CopyFrom(z.NNeire());
        zTop = profile.Item(1)->Z;
    } else {
        profile = NValuesBetween(z.N(), zTop, zTip);
    }
    DrawNValueChart(ps.Figure, {profile, groundTop, zTop, zTip, "換算根入れ長深さ", embedded, z.NN()});
    return FinishFigure(ps, areaWidth, areaHeight);
}

} // namespace zul
