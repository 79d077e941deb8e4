// Detailed push-in report, conditions part: the formulas of the allowable and the ultimate push-in
// capacity and the pile values they use; then the tip resistance and the ultimate capacity parts.
#include "document/ConstructionMethod.h"
#include "document/SoilKind.h"
#include "report/DetailReport.h"
#include "report/SectionSupport.h"

namespace zul {

namespace {

// The lines of block "許容押込み支持力の計算" (and its supplement) by their number in the
// template file; the allowable capacity formulas (1 to 8) are written by WriteCapacityFormula.
// Ru with tip resistance on the pile section or the blade area, or friction alone.
constexpr std::int32_t kEndBearingFormula = 9, kBladeFormula = 10, kFrictionFormula = 11;
// Ra, Ru, the line of n, then the heading of the values (15) and their introduction.
constexpr std::int32_t kSafetyFactorsFirst = 12, kValuesIntro = 16, kDisplacedSoil = 17;
// W: its term and formula, its values, the terms γp1, γp2, L1 and L2.
constexpr std::int32_t kPileWeightFirst = 18, kPileWeightLast = 19, kPileWeightValues = 20;
constexpr std::int32_t kPileWeightTermsFirst = 21, kPileWeightTermsLast = 24;
constexpr std::int32_t kTipResistance = 25, kTipResistanceValue = 26;
// A and D, the section area's values and π; Aw, Dw and Dwi, the blade area's values and note.
constexpr std::int32_t kSectionAreaFirst = 27, kSectionAreaLast = 28, kSectionAreaValues = 29, kPi = 30;
constexpr std::int32_t kBladeAreaFirst = 31, kBladeAreaLast = 32, kBladeAreaValues = 33, kBladeAreaNote = 34;
// U with its values, the terms Li and fi.
constexpr std::int32_t kPerimeterValues = 35, kFrictionTermsFirst = 36, kFrictionTermsLast = 37;
// The supplement: γi behind Ws, the layer of an entered qd, qd derived after this part,
// fi ＝ f・DE with the terms f and DE.
constexpr std::int32_t kSoilUnitWeight = 38, kEnteredTipLayer = 39, kAutomaticTip = 40;
constexpr std::int32_t kReducedFriction = 41, kReductionTerms = 42;

// Where qd comes from: the tip layer's entered value (its number, kind and N-value) or the
// automatic tip resistance derived after this part.
void WriteTipResistanceSource(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& b) {
    const CZul& z = ctx.normal;
    if (z.QdMethod() == 1) {
        ps.PrintAsIs(b, kAutomaticTip);
        return;
    }
    const clsZulLiFi* tip = z.RaLiFi().Item(z.RaLiFi().Count());
    if (tip == nullptr) {
        return;
    }
    ps.PrintFmtLine(b, kEnteredTipLayer, {static_cast<double>(tip->No), LayerNValue(ctx.doc, tip->No)},
                    {std::string(SoilKindName(tip->Kind))});
}

void WriteConditions(PageWriter& ps, const ReportContext& ctx) {
    const CZul& z = ctx.normal;
    const bool endBearing = z.KuiType() == 0;
    const TemplateBlock b = OpenReportPart(ps, ctx, "許容押込み支持力の計算");

    // Allowable capacity: with or without the pile's own weight and the displaced soil.
    WriteCapacityFormula(ps, b, z.IsWpRa());
    // Ultimate capacity: tip resistance on the pile section or the blade area, or friction alone.
    ps.PrintAsIs(b, endBearing ? (z.IsEcoPile() ? kBladeFormula : kEndBearingFormula) : kFrictionFormula);
    ps.PrintBlank(1);

    WriteSafetyFactors(ps, b, kSafetyFactorsFirst, z.nRa(), ctx.quake.nRa());
    PrintSpacedLines(ps, b, kValuesIntro, kValuesIntro);

    if (z.IsWpRa()) {
        ps.PrintBlank(1);
        ps.PrintAsIs(b, kDisplacedSoil);
        if (ctx.supplement) {
            ps.PrintAsIs(b, kSoilUnitWeight);
        }
        PrintSpacedLines(ps, b, kPileWeightFirst, kPileWeightLast);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, kPileWeightValues, {z.Gp1(), z.L1(), z.Gp2(), z.L2(), z.Ap(), z.Wp()});
        ps.PrintBlank(1);
        PrintSpacedLines(ps, b, kPileWeightTermsFirst, kPileWeightTermsLast);
    }
    if (endBearing) {
        ps.PrintBlank(1);
        ps.PrintAsIs(b, kTipResistance);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, kTipResistanceValue, {z.qd()});
        if (ctx.supplement) {
            WriteTipResistanceSource(ps, ctx, b);
        }
    }
    if (z.IsWpRa() || !z.IsEcoPile()) {
        PrintSpacedLines(ps, b, kSectionAreaFirst, kSectionAreaLast);
        ps.PrintFmtLine(b, kSectionAreaValues, {z.Dp(), z.Ap()});
        ps.PrintAsIs(b, kPi);
    }
    if (z.IsEcoPile()) {
        PrintSpacedLines(ps, b, kBladeAreaFirst, kBladeAreaLast);
        ps.PrintFmtLine(b, kBladeAreaValues, {z.Dw(), z.Dwi(), z.Aw()});
        ps.PrintAsIs(b, kBladeAreaNote);
    }
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, kPerimeterValues, {z.Dp(), z.Up()});
    PrintSpacedLines(ps, b, kFrictionTermsFirst, kFrictionTermsLast);
    if (ctx.supplement) {
        ps.PrintAsIs(b, kReducedFriction);
        ps.PrintAsIs(b, kReductionTerms);
    }
}

} // namespace

bool WritesTipResistancePart(const ReportContext& ctx) {
    return AllowsAutomaticTip(ctx.doc.InpJyoken.Sekou) && ctx.normal.QdMethod() == 1 &&
           ctx.normal.KuiType() == 0;
}

bool basResOutRa(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    ps.SetBreakWhenFull(ctx.supplement);
    if (!RunReportPart(run, [&] { WriteConditions(ps, ctx); })) {
        return false;
    }
    if (WritesTipResistancePart(ctx) && !basResOutRaQd(run, ctx)) {
        return false;
    }
    return basResOutRaRu(run, ctx);
}

} // namespace zul
