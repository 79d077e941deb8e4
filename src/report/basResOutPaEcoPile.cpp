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
    const bool supplement = ctx.supplement;
    WriteCapacityFormula(ps, b, z.IsWpPa());
    PrintLines(ps, b, 9, 11);
    ps.PrintBlank(1);
    if (supplement && !z.IsWpPa()) {
        // Without the pile's own weight W is no part of Pa: its lines (15 to 22) are left out.
        ps.PrintAsIs(b, 12);
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 13);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, 14, {z.nPa(), ctx.quake.nPa()});
        ps.PrintBlank(1);
    } else {
        WriteSafetyFactors(ps, b, 12, z.nPa(), ctx.quake.nPa());
        ps.PrintBlank(1);
        for (std::int32_t k = 16; k <= 17; ++k) {
            ps.PrintAsIs(b, k);
            ps.PrintBlank(1);
        }
        ps.PrintFmtLine(b, 18, {z.Gp1(), z.L1(), z.Gp2(), z.L2(), z.Ap(), z.Wp()});
        PrintSpacedLines(ps, b, 19, 22);
    }
    ps.PrintFmtLine(b, 23, {z.Dp(), z.Ap()});
    ps.PrintAsIs(b, 24);
    ps.PrintAsIs(b, 25);
    if (supplement) {
        // A heading stands with the two lines it heads at least, the table of β with its
        // heading whole.
        for (std::int32_t k = 26; k <= 57; ++k) {
            if (b.Level(k) != 0) {
                KeepTogether(ps, k == 44 ? 2 * (55 - 44 + 1) : 6);
            }
            ps.PrintBlank(1);
            ps.PrintAsIs(b, k);
        }
    } else {
        PrintSpacedLines(ps, b, 26, 57);
    }
    ps.PrintFmtLine(b, 58, {z.Dp(), z.Up()});
}

// The headings of the blade pull-out resistance, a blank line before each heading line: on a new
// page, or with the supplements after the pile values when the eight lines fit there (each case
// starts a page of its own after them, so a page of these lines alone would stand nearly empty).
void WriteBladeHeadings(PageWriter& ps, const TemplateBlock& b, bool supplement) {
    if (supplement) {
        ps.PrintBlank(1);
        KeepTogether(ps, 12);
    } else {
        ps.FormFeed();
    }
    for (std::int32_t k = 1; k <= 8; ++k) {
        if (k > 1 && b.Level(k) != 0) {
            ps.PrintBlank(1);
        }
        ps.PrintAsIs(b, k);
    }
}

// The angle of internal friction with the values it was found from: the effective overburden as
// used and the corrected N value, or why it is 0.
void WriteFrictionAngle(PageWriter& ps, const TemplateBlock& b, const CZul& z) {
    const CZul::FaiBasis& basis = z.FaiFrom();
    switch (basis.source) {
    case CZul::FaiSource::CohesiveTip:
        ps.PrintAsIs(b, 45);
        break;
    case CZul::FaiSource::TipNBelow5:
        ps.PrintFmtLine(b, 46, {basis.tipN});
        break;
    case CZul::FaiSource::Calculated:
        ps.PrintFmtLine(b, 42, {basis.sv});
        ps.PrintFmtLine(b, 43, {basis.n, basis.sv, basis.nc});
        ps.PrintFmtLine(b, 44, {basis.nc, z.Fai(), z.Beta()});
        break;
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
    if (ctx.supplement) {
        // For a checker: how φ was found, and H put into the formula, which takes two lines.
        WriteFrictionAngle(ps, b, z);
        ps.PrintFmtLine(b, 15, {z.H(), z.Dw(), z.Qw(), z.Gave(), z.H(), z.Beta(), z.Fai()});
        ps.PrintFmtLine(b, 47, {z.Up(), z.QfPa()});
    } else {
        ps.PrintFmtLine(b, 15, {z.Dw(), z.Qw(), z.Gave(), z.H(), z.Beta(), z.Fai(), z.Up(), z.QfPa()});
    }
    ps.PrintAsIs(b, 16);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 17, {z.Pu()});
    ps.PrintBlank(1);
    if (!ctx.supplement) {
        WriteFrictionTable(ps, ctx, b, 18, z.PaLiFi(), true, {z.Qw(), z.QfPa()});
        return;
    }
    // For a checker: γi・Li summed to q, f and DE behind fi in the earthquake case, the totals
    // with their units and the note on the zone H.
    const bool note = HasNoFrictionZone(z.PaLiFi());
    const FrictionColumns columns{FrictionColumns::Weight::Overburden, caseIndex == 1};
    WriteCheckedFrictionTable(ps, ctx, b, caseIndex == 1 ? 30 : 18, z, z.PaLiFi(), columns,
                              {z.Qw(), z.QfPa()}, 1 + (note ? 1 : 0));
    ps.PrintFmtLine(b, 29, {z.Qw(), z.QfPa()});
    if (note) {
        ps.PrintAsIs(b, 41);
    }
}

} // namespace

bool basResOutPaEcoPile(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    ps.SetBreakWhenFull(ctx.supplement);
    return RunReportPart(run, [&] {
        WriteConditions(ps, ctx, OpenReportPart(ps, ctx, "許容引抜き力の計算_羽根杭(1)", kEcoBlockLimit));
        WriteBladeHeadings(ps, ReadReportBlock(ctx, "許容引抜き力の計算_羽根杭(2)", kEcoBlockLimit),
                           ctx.supplement);
        WriteCase(ps, ctx, 0);
        WriteCase(ps, ctx, 1);
    });
}

} // namespace zul
