// Detailed push-in report, conditions part: the formulas of the allowable and the ultimate push-in
// capacity and the pile values they use; then the tip resistance and the ultimate capacity parts.
#include "document/ConstructionMethod.h"
#include "report/DetailReport.h"
#include "report/SectionSupport.h"

namespace zul {

namespace {

void WriteConditions(PageWriter& ps, const ReportContext& ctx) {
    const CZul& z = ctx.normal;
    const bool endBearing = z.KuiType() == 0;
    const TemplateBlock b = OpenReportPart(ps, ctx, "許容押込み支持力の計算");

    // Allowable capacity: with or without the pile's own weight and the displaced soil.
    WriteCapacityFormula(ps, b, z.IsWpRa());
    // Ultimate capacity: tip resistance on the pile section or the blade area, or friction alone.
    ps.PrintAsIs(b, endBearing ? (z.IsEcoPile() ? 10 : 9) : 11);
    ps.PrintBlank(1);

    WriteSafetyFactors(ps, b, 12, z.nRa(), ctx.quake.nRa());
    PrintSpacedLines(ps, b, 16, 16);

    if (z.IsWpRa()) {
        PrintSpacedLines(ps, b, 17, 19);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, 20, {z.Gp1(), z.L1(), z.Gp2(), z.L2(), z.Ap(), z.Wp()});
        ps.PrintBlank(1);
        PrintSpacedLines(ps, b, 21, 24);
    }
    if (endBearing) {
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 25);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, 26, {z.qd()});
    }
    if (z.IsWpRa() || !z.IsEcoPile()) {
        PrintSpacedLines(ps, b, 27, 28);
        ps.PrintFmtLine(b, 29, {z.Dp(), z.Ap()});
        ps.PrintAsIs(b, 30);
    }
    if (z.IsEcoPile()) {
        PrintSpacedLines(ps, b, 31, 32);
        ps.PrintFmtLine(b, 33, {z.Dw(), z.Dwi(), z.Aw()});
        ps.PrintAsIs(b, 34);
    }
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 35, {z.Dp(), z.Up()});
    PrintSpacedLines(ps, b, 36, 37);
}

} // namespace

bool WritesTipResistancePart(const ReportContext& ctx) {
    return AllowsAutomaticTip(ctx.doc.InpJyoken.Sekou) && ctx.normal.QdMethod() == 1 &&
           ctx.normal.KuiType() == 0;
}

bool basResOutRa(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    if (!RunReportPart(run, [&] { WriteConditions(ps, ctx); })) {
        return false;
    }
    if (WritesTipResistancePart(ctx) && !basResOutRaQd(run, ctx)) {
        return false;
    }
    return basResOutRaRu(run, ctx);
}

} // namespace zul
