// Figure of the N-values over the embedment into the bearing layer with the design N-value at
// the tip: the area between the two is what the embedment search balances.
#include "report/DetailReport.h"
#include "report/FigureFrame.h"

namespace zul {

std::string basMakeIDXFileZuAveN(ReportRun& run, const ReportContext& ctx, double areaWidth,
                                 double areaHeight) {
    const CZul& z = ctx.normal;
    const PileDepths at = BeginNValueFigure(run, ctx.paths.definitionFolder, z);
    // The area balance leaves the points it evaluated; a bearing layer given or taken from the
    // layers leaves none, and the N-values over the converted embedment come from the study.
    // Without embedment one diameter above the tip shows the N-values there, with no dimension.
    const bool embedded = z.Neire() > 0.0005;
    colZulNs profile;
    double zTop = at.zTip - (embedded ? z.Neire() : z.Dp()) * at.cosA;
    if (z.NNeire().Count() >= 2) {
        profile.CopyFrom(z.NNeire());
        zTop = profile.Item(1)->Z;
    } else {
        profile = NValuesBetween(z.N(), zTop, at.zTip);
    }
    // The dimension of the embedment; the supplement wording names it as the text does.
    const char* embedmentLabel = ctx.supplement ? "換算根入れ深さ Lb" : "換算根入れ長深さ";
    DrawNValueChart(run.Figure(), {profile, at.groundTop, zTop, at.zTip, embedmentLabel, embedded, z.NN()});
    return FinishFigure(run, areaWidth, areaHeight);
}

} // namespace zul
