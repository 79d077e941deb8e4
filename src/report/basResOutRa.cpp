// Detailed push-in report, conditions part: the formulas of the allowable and the ultimate push-in
// capacity and the pile values they use; then the tip resistance and the ultimate capacity parts.
#include "document/ConstructionMethod.h"
#include "report/DetailReport.h"
#include "report/SectionSupport.h"

namespace zul {

namespace {

void WriteConditions(PrintState& ps, const ReportContext& ctx) {
    const CZul& z = ctx.normal;
    const bool endBearing = z.KuiType() == 0;
    ps.LinesPerPage = kLinesPerPage;
    const TemplateBlock b = ReadFmtSection(ctx.fmtFile, "許容押込み支持力の計算");
    ps.OpenPrnFile();

    ps.PrintAsIs(b, 1);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 2);
    ps.PrintBlank(1);
    // Allowable capacity: with or without the pile's own weight and the displaced soil.
    const std::int32_t formula = z.IsWpRa() ? 3 : 6;
    for (std::int32_t k = formula; k < formula + 3; ++k) {
        ps.PrintAsIs(b, k);
    }
    ps.PrintBlank(1);
    // Ultimate capacity: tip resistance on the pile section or the blade area, or friction alone.
    ps.PrintAsIs(b, endBearing ? (z.IsEcoPile() ? 10 : 9) : 11);
    ps.PrintBlank(1);

    ps.PrintAsIs(b, 12);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 13);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 14, {z.nRa(), ctx.quake.nRa()});
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 15);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 16);

    if (z.IsWpRa()) {
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 17);
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 18);
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 19);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, 20, {z.Gp1(), z.L1(), z.Gp2(), z.L2(), z.Ap(), z.Wp()});
        ps.PrintBlank(1);
        for (std::int32_t k = 21; k <= 24; ++k) {
            ps.PrintBlank(1);
            ps.PrintAsIs(b, k);
        }
    }
    if (endBearing) {
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 25);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, 26, {z.qd()});
    }
    if (z.IsWpRa() || !z.IsEcoPile()) {
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 27);
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 28);
        ps.PrintFmtLine(b, 29, {z.Dp(), z.Ap()});
        ps.PrintAsIs(b, 30);
    }
    if (z.IsEcoPile()) {
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 31);
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 32);
        ps.PrintFmtLine(b, 33, {z.Dw(), z.Dwi(), z.Aw()});
        ps.PrintAsIs(b, 34);
    }
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 35, {z.Dp(), z.Up()});
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 36);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 37);
}

} // namespace

bool WritesTipResistancePart(const ReportContext& ctx) {
    return AllowsAutomaticTip(ctx.doc.InpJyoken.Sekou) && ctx.normal.QdMethod() == 1 &&
           ctx.normal.KuiType() == 0;
}

bool basResOutRa(PrintState& ps, const ReportContext& ctx) {
    if (!RunReportPart(ps, [&] { WriteConditions(ps, ctx); })) {
        return false;
    }
    if (WritesTipResistancePart(ctx) && !basResOutRaQd(ps, ctx)) {
        return false;
    }
    return basResOutRaRu(ps, ctx);
}

} // namespace zul
