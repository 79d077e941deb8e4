// Pull-out report of every pile but the rotary press-in pile: the formulas and pile values, then
// Pu and Pa with the skin friction table for the normal and the earthquake case.
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

#include <algorithm>

namespace zul {

namespace {

void WriteConditions(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& b) {
    const CZul& z = ctx.normal;
    WriteCapacityFormula(ps, b, z.IsWpPa());
    WriteSafetyFactors(ps, b, 9, z.nPa(), ctx.quake.nPa());
    if (z.IsWpPa()) {
        PrintSpacedLines(ps, b, 13, 14);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, 15, {z.Gp1(), z.L1(), z.Gp2(), z.L2(), z.Ap(), z.Wp()});
        PrintSpacedLines(ps, b, 16, 21);
        ps.PrintFmtLine(b, 22, {z.Dp(), z.Ap()});
        ps.PrintAsIs(b, 23);
    }
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 24, {z.Dp(), z.Up()});
}

void WriteCase(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& b, int caseIndex) {
    const CZul& z = caseIndex == 0 ? ctx.normal : ctx.quake;
    if (ctx.supplement) {
        // The case heading with Pa, Pu and the head of the friction table under it.
        // The whole table goes with them when it fits a page.
        KeepTogether(ps, std::min(kLinesPerPage,
                                  1 + 14 + CheckedFrictionTableLines(z.PaLiFi(), caseIndex == 1 ? 1 : 0)));
        ps.PrintBlank(1);
    } else {
        ps.PageCheck(10, 1);
    }
    ps.PrintFmtLine(b, 1, {}, {DesignCaseName(caseIndex)});
    WritePullOutResult(ps, ctx, b, z);
    ps.PrintFmtLine(b, 11, {z.Up(), z.QfPa(), z.Pu()});
    ps.PrintBlank(1);
    if (!ctx.supplement) {
        WriteFrictionTable(ps, ctx, b, 12, z.PaLiFi(), false, {z.QfPa()});
        return;
    }
    // For a checker: f and DE behind fi in the earthquake case, the total row on its own line and
    // the total with its unit after the table.
    const double sumLiFi = SumLiFi(z.PaLiFi());
    if (caseIndex == 0) {
        WriteCheckedFrictionTable(ps, ctx, b, 12, z, z.PaLiFi(), {}, {sumLiFi}, 1);
    } else {
        WriteCheckedFrictionTable(ps, ctx, b, 30, z, z.PaLiFi(), {FrictionColumns::Weight::None, true},
                                  {sumLiFi}, 1);
    }
    ps.PrintFmtLine(b, 42, {z.QfPa()});
}

} // namespace

bool basResOutPa(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    ps.SetBreakWhenFull(ctx.supplement);
    return RunReportPart(run, [&] {
        const TemplateBlock conditions = OpenReportPart(ps, ctx, "許容引抜き力の計算(1)");
        WriteConditions(ps, ctx, conditions);
        const TemplateBlock cases = ReadReportBlock(ctx, "許容引抜き力の計算(2)");
        ps.PrintBlank(2);
        WriteCase(ps, ctx, cases, 0);
        WriteCase(ps, ctx, cases, 1);
    });
}

} // namespace zul
