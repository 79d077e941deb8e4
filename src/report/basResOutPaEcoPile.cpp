// Pull-out report of the rotary press-in steel pipe pile: the formulas of the blade pull-out
// resistance and the pile values, then for each design case Pu and Pa with the blade resistance
// factors and the skin friction and overburden table.
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

namespace zul {

namespace {

// The first two blocks reserve template numbers up to 80.
constexpr std::int32_t kEcoBlockLimit = 80;

// The lines of block "許容引抜き力の計算_羽根杭(1)" by their number in the template file; the
// formulas of Pa (1 to 8) are written by WriteCapacityFormula.
// Pu, Pub and Puf; the terms Pa and Pu and the line of n (the first lines of
// WriteSafetyFactors).
constexpr std::int32_t kPuFormulaFirst = 9, kPuFormulaLast = 11, kPaTerm = 12, kPuTerm = 13,
                       kSafetyFactors = 14;
// W: how it is found and its formula (15 to 17 with its term), its values, γp1, γp2, L1, L2.
constexpr std::int32_t kPileWeightFirst = 16, kPileWeightLast = 17, kPileWeightValues = 18;
constexpr std::int32_t kPileWeightTermsFirst = 19, kPileWeightTermsLast = 22;
constexpr std::int32_t kSectionAreaValues = 23, kDiameterTerm = 24, kBladeTerm = 25;
// The terms of Pub, φ and the table of β; U.
constexpr std::int32_t kBladeTermsFirst = 26, kBetaHeading = 44, kBetaTableClose = 55, kBladeTermsLast = 57;
constexpr std::int32_t kPerimeterValues = 58;

// The lines of block "許容引抜き力の計算_羽根杭(2)", a blank line before each heading.
constexpr std::int32_t kBladeHeadingLines = 8;

// The lines of block "許容引抜き力の計算_羽根杭(3)" (and its supplement) by their number in the
// template file; Pa (2 to 9) is written by WritePullOutResult.
constexpr std::int32_t kCaseHeading = 1, kPuFormulaStepsFirst = 11, kPuFormulaStepsLast = 13;
// H, Pu's values (with the supplement continued on kPuValuesContinued), the note under them, Pu.
constexpr std::int32_t kZoneHeight = 14, kPuValues = 15, kPuValuesNote = 16, kPuResult = 17;
constexpr std::int32_t kFrictionTable = 18;
// The supplement: q and ΣLi・fi with their units, the earthquake case's table (30 to 40), the note.
constexpr std::int32_t kCheckedTotals = 29, kQuakeCheckedTable = 30, kNoFrictionNote = 41;
// The supplement: how φ was found (42 to 46).
constexpr std::int32_t kOverburden = 42, kCorrectedN = 43, kFrictionAngle = 44;
constexpr std::int32_t kCohesiveTip = 45, kTipNBelow5 = 46, kPuValuesContinued = 47;

void WriteConditions(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& b) {
    const CZul& z = ctx.normal;
    const bool supplement = ctx.supplement;
    WriteCapacityFormula(ps, b, z.IsWpPa());
    PrintLines(ps, b, kPuFormulaFirst, kPuFormulaLast);
    ps.PrintBlank(1);
    if (supplement && !z.IsWpPa()) {
        // Without the pile's own weight W is no part of Pa: its lines (15 to 22) are left out.
        ps.PrintAsIs(b, kPaTerm);
        ps.PrintBlank(1);
        ps.PrintAsIs(b, kPuTerm);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, kSafetyFactors, {z.nPa(), ctx.quake.nPa()});
        ps.PrintBlank(1);
    } else {
        WriteSafetyFactors(ps, b, kPaTerm, z.nPa(), ctx.quake.nPa());
        ps.PrintBlank(1);
        for (std::int32_t k = kPileWeightFirst; k <= kPileWeightLast; ++k) {
            ps.PrintAsIs(b, k);
            ps.PrintBlank(1);
        }
        ps.PrintFmtLine(b, kPileWeightValues, {z.Gp1(), z.L1(), z.Gp2(), z.L2(), z.Ap(), z.Wp()});
        PrintSpacedLines(ps, b, kPileWeightTermsFirst, kPileWeightTermsLast);
    }
    ps.PrintFmtLine(b, kSectionAreaValues, {z.Dp(), z.Ap()});
    ps.PrintAsIs(b, kDiameterTerm);
    ps.PrintAsIs(b, kBladeTerm);
    if (supplement) {
        // A heading stands with the two lines it heads at least, the table of β with its
        // heading whole.
        for (std::int32_t k = kBladeTermsFirst; k <= kBladeTermsLast; ++k) {
            if (b.Level(k) != 0) {
                KeepTogether(ps, k == kBetaHeading ? 2 * (kBetaTableClose - kBetaHeading + 1) : 6);
            }
            ps.PrintBlank(1);
            ps.PrintAsIs(b, k);
        }
    } else {
        PrintSpacedLines(ps, b, kBladeTermsFirst, kBladeTermsLast);
    }
    ps.PrintFmtLine(b, kPerimeterValues, {z.Dp(), z.Up()});
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
    for (std::int32_t k = 1; k <= kBladeHeadingLines; ++k) {
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
        ps.PrintAsIs(b, kCohesiveTip);
        break;
    case CZul::FaiSource::TipNBelow5:
        ps.PrintFmtLine(b, kTipNBelow5, {basis.tipN});
        break;
    case CZul::FaiSource::Calculated:
        ps.PrintFmtLine(b, kOverburden, {basis.sv});
        ps.PrintFmtLine(b, kCorrectedN, {basis.n, basis.sv, basis.nc});
        ps.PrintFmtLine(b, kFrictionAngle, {basis.nc, z.Fai(), z.Beta()});
        break;
    }
}

void WriteCase(PageWriter& ps, const ReportContext& ctx, int caseIndex) {
    const CZul& z = caseIndex == 0 ? ctx.normal : ctx.quake;
    const TemplateBlock b = ReadReportBlock(ctx, "許容引抜き力の計算_羽根杭(3)");
    ps.FormFeed();
    ps.PrintFmtLine(b, kCaseHeading, {}, {DesignCaseName(caseIndex)});
    ps.PageCheck(10, 1);
    WritePullOutResult(ps, ctx, b, z);
    PrintLines(ps, b, kPuFormulaStepsFirst, kPuFormulaStepsLast);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, kZoneHeight, {z.H()});
    if (ctx.supplement) {
        // For a checker: how φ was found, and H put into the formula, which takes two lines.
        WriteFrictionAngle(ps, b, z);
        ps.PrintFmtLine(b, kPuValues, {z.H(), z.Dw(), z.Qw(), z.Gave(), z.H(), z.Beta(), z.Fai()});
        ps.PrintFmtLine(b, kPuValuesContinued, {z.Up(), z.QfPa()});
    } else {
        ps.PrintFmtLine(b, kPuValues, {z.Dw(), z.Qw(), z.Gave(), z.H(), z.Beta(), z.Fai(), z.Up(), z.QfPa()});
    }
    ps.PrintAsIs(b, kPuValuesNote);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, kPuResult, {z.Pu()});
    ps.PrintBlank(1);
    if (!ctx.supplement) {
        WriteFrictionTable(ps, ctx, b, kFrictionTable, z.PaLiFi(), true, {z.Qw(), z.QfPa()});
        return;
    }
    // For a checker: γi・Li summed to q, f and DE behind fi in the earthquake case, the totals
    // with their units and the note on the zone H.
    const bool note = HasNoFrictionZone(z.PaLiFi());
    const FrictionColumns columns{FrictionColumns::Weight::Overburden, caseIndex == 1};
    WriteCheckedFrictionTable(ps, ctx, b, caseIndex == 1 ? kQuakeCheckedTable : kFrictionTable, z, z.PaLiFi(),
                              columns, {z.Qw(), z.QfPa()}, 1 + (note ? 1 : 0));
    ps.PrintFmtLine(b, kCheckedTotals, {z.Qw(), z.QfPa()});
    if (note) {
        ps.PrintAsIs(b, kNoFrictionNote);
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
