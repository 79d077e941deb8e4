// Pull-out report of the rotary press-in steel pipe pile: the formulas of the blade pull-out
// resistance and the pile values, then for each design case Pu and Pa with the blade resistance
// factors and the skin friction and overburden table.
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

namespace zul {

namespace {

// The first two blocks reserve template numbers up to 80.
constexpr std::int32_t kEcoBlockLimit = 80;

void WriteConditions(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& b) {
    const CZul& z = ctx.normal;
    WriteCapacityFormula(ps, b, z.IsWpPa());
    PrintLines(ps, b, 9, 11);
    ps.PrintBlank(1);
    WriteSafetyFactors(ps, b, 12, z.nPa(), ctx.quake.nPa());
    ps.PrintBlank(1);
    for (std::int32_t k = 16; k <= 17; ++k) {
        ps.PrintAsIs(b, k);
        ps.PrintBlank(1);
    }
    ps.PrintFmtLine(b, 18, {z.Gp1(), z.L1(), z.Gp2(), z.L2(), z.Ap(), z.Wp()});
    PrintSpacedLines(ps, b, 19, 22);
    ps.PrintFmtLine(b, 23, {z.Dp(), z.Ap()});
    ps.PrintAsIs(b, 24);
    ps.PrintAsIs(b, 25);
    PrintSpacedLines(ps, b, 26, 57);
    ps.PrintFmtLine(b, 58, {z.Dp(), z.Up()});
}

// The headings of the blade pull-out resistance on a new page, a blank line before each heading
// line.
void WriteBladeHeadings(PageWriter& ps, const TemplateBlock& b) {
    ps.FormFeed();
    for (std::int32_t k = 1; k <= 8; ++k) {
        if (k > 1 && b.Level(k) != 0) {
            ps.PrintBlank(1);
        }
        ps.PrintAsIs(b, k);
    }
}

void WriteCase(PageWriter& ps, const ReportContext& ctx, int caseIndex) {
    const CZul& z = caseIndex == 0 ? ctx.normal : ctx.quake;
    const TemplateBlock b = ReadReportBlock(ctx, "許容引抜き力の計算_羽根杭(3)");
    ps.FormFeed();
    ps.PrintFmtLine(b, 1, {}, {DesignCaseName(caseIndex)});
    ps.PageCheck(10, 1);
    WritePullOutResult(ps, ctx, b, z);
    PrintLines(ps, b, 11, 13);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 14, {z.H()});
    ps.PrintFmtLine(b, 15, {z.Dw(), z.Qw(), z.Gave(), z.H(), z.Beta(), z.Fai(), z.Up(), z.QfPa()});
    ps.PrintAsIs(b, 16);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 17, {z.Pu()});
    ps.PrintBlank(1);
    WriteFrictionTable(ps, ctx, b, 18, z.PaLiFi(), true, {z.Qw(), z.QfPa()});
}

} // namespace

bool basResOutPaEcoPile(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    return RunReportPart(run, [&] {
        WriteConditions(ps, ctx, OpenReportPart(ps, ctx, "許容引抜き力の計算_羽根杭(1)", kEcoBlockLimit));
        WriteBladeHeadings(ps, ReadReportBlock(ctx, "許容引抜き力の計算_羽根杭(2)", kEcoBlockLimit));
        WriteCase(ps, ctx, 0);
        WriteCase(ps, ctx, 1);
    });
}

} // namespace zul
