// Pull-out report of every pile but the rotary press-in pile: the formulas and pile values, then
// Pu and Pa with the skin friction table for the normal and the earthquake case.
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

#include <algorithm>

namespace zul {

namespace {

// The lines of block "許容引抜き力の計算(1)" by their number in the template file; the formulas
// (1 to 8) are written by WriteCapacityFormula.
// Pu, Pa, the line of n, then U, Li and fi (12).
constexpr std::int32_t kSafetyFactorsFirst = 9;
// W: its term and formula, its values, the terms γp1, γp2, L1, L2, A and D.
constexpr std::int32_t kPileWeightFirst = 13, kPileWeightLast = 14, kPileWeightValues = 15;
constexpr std::int32_t kPileWeightTermsFirst = 16, kPileWeightTermsLast = 21;
constexpr std::int32_t kSectionAreaValues = 22, kPi = 23, kPerimeterValues = 24;

void WriteConditions(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& b) {
    const CZul& z = ctx.normal;
    WriteCapacityFormula(ps, b, z.IsWpPa());
    WriteSafetyFactors(ps, b, kSafetyFactorsFirst, z.nPa(), ctx.quake.nPa());
    if (z.IsWpPa()) {
        PrintSpacedLines(ps, b, kPileWeightFirst, kPileWeightLast);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, kPileWeightValues, {z.Gp1(), z.L1(), z.Gp2(), z.L2(), z.Ap(), z.Wp()});
        PrintSpacedLines(ps, b, kPileWeightTermsFirst, kPileWeightTermsLast);
        ps.PrintFmtLine(b, kSectionAreaValues, {z.Dp(), z.Ap()});
        ps.PrintAsIs(b, kPi);
    }
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, kPerimeterValues, {z.Dp(), z.Up()});
}

// The lines of block "許容引抜き力の計算(2)" (and its supplement) by their number in the
// template file; Pa (2 to 9) is written by WritePullOutResult.
constexpr std::int32_t kCaseHeading = 1, kUltimateValues = 11, kFrictionTable = 12;
// The supplement: the earthquake case's table with f and DE (30 to 40), ΣLi・fi after the table.
constexpr std::int32_t kQuakeFrictionTable = 30, kFrictionTotal = 42;

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
    ps.PrintFmtLine(b, kCaseHeading, {}, {DesignCaseName(caseIndex)});
    WritePullOutResult(ps, ctx, b, z);
    ps.PrintFmtLine(b, kUltimateValues, {z.Up(), z.QfPa(), z.Pu()});
    ps.PrintBlank(1);
    if (!ctx.supplement) {
        WriteFrictionTable(ps, ctx, b, kFrictionTable, z.PaLiFi(), false, {z.QfPa()});
        return;
    }
    // For a checker: f and DE behind fi in the earthquake case, the total row on its own line and
    // the total with its unit after the table.
    const double sumLiFi = SumLiFi(z.PaLiFi());
    if (caseIndex == 0) {
        WriteCheckedFrictionTable(ps, ctx, b, kFrictionTable, z, z.PaLiFi(), {}, {sumLiFi}, 1);
    } else {
        WriteCheckedFrictionTable(ps, ctx, b, kQuakeFrictionTable, z, z.PaLiFi(),
                                  {FrictionColumns::Weight::None, true}, {sumLiFi}, 1);
    }
    ps.PrintFmtLine(b, kFrictionTotal, {z.QfPa()});
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
