// Detailed push-in report, ultimate capacity part: Ra from Ru for the normal and the earthquake
// case, Ru from the tip resistance and the skin friction, and the skin friction table.
#include "report/DetailReport.h"
#include "report/SectionSupport.h"

#include <algorithm>

namespace zul {

namespace {

// The lines of block "杭の自重を無視する場合" by their number in the template file.  The block
// "杭の自重を考慮する場合" has three lines more after line 3 (kOwnWeightShift): its lines from
// kRaNumerator on stand that much lower.
// The case heading, then the headings and the formula of Ra (2, 3); with the pile's own
// weight the terms Ws, W and n (4 to 6).
constexpr std::int32_t kCaseHeading = 1, kOwnWeightTermsFirst = 4, kOwnWeightTermsLast = 6;
// Ra (shifted with the pile's own weight).
constexpr std::int32_t kRaNumerator = 4, kRaValues = 5, kRaSafetyFactor = 6;
// Ru of an end-bearing, a blade or a friction pile, and the friction table.
constexpr std::int32_t kRuHeading = 7, kRuEndBearing = 8, kRuBlade = 9, kRuTipValues = 10;
constexpr std::int32_t kRuFriction = 11, kRuFrictionValues = 12, kFrictionTable = 13;
// The supplement's checked friction tables: the normal case's starts at kFrictionTable or, with
// the pile's own weight, at line 16; the earthquake case's at line 30.
constexpr std::int32_t kOwnWeightCheckedTable = 16, kOwnWeightTotals = 27, kOwnWeightArea = 28;
constexpr std::int32_t kQuakeCheckedTable = 30, kNoFrictionNote = 41, kFrictionTotal = 42;
constexpr std::int32_t kOwnWeightShift = 3;

// The friction table for a checker: with the pile's own weight γi and each segment's Ws; in the
// earthquake case f and DE behind fi; the totals with their units and, for a rotary press-in
// pile, the note on the segment without friction.
void WriteCheckedTable(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& b, int caseIndex,
                       const CZul& z) {
    const bool ownWeight = ctx.normal.IsWpRa();
    const bool quake = caseIndex == 1;
    const colZulLiFis& segments = z.RaLiFi();
    const bool note = HasNoFrictionZone(segments);
    const double sumLiFi = SumLiFi(segments);
    FrictionColumns columns;
    columns.weight = ownWeight ? FrictionColumns::Weight::DisplacedSoil : FrictionColumns::Weight::None;
    columns.reduction = quake;
    const std::int32_t first =
        quake ? kQuakeCheckedTable : (ownWeight ? kOwnWeightCheckedTable : kFrictionTable);
    // Lines after the table that stay with it: the conclusion and the note.
    // The total row stands on its own line, the conclusion after the table.
    const std::int32_t after = (ownWeight ? 2 : 1) + (note ? 1 : 0);
    if (ownWeight) {
        WriteCheckedFrictionTable(ps, ctx, b, first, z, segments, columns, {z.Ws(), sumLiFi}, after);
        ps.PrintFmtLine(b, kOwnWeightTotals, {z.Ws(), z.QfRa()});
        ps.PrintFmtLine(b, kOwnWeightArea, {z.Ap()});
    } else {
        WriteCheckedFrictionTable(ps, ctx, b, first, z, segments, columns, {sumLiFi}, after);
        ps.PrintFmtLine(b, kFrictionTotal, {z.QfRa()});
    }
    if (note) {
        ps.PrintAsIs(b, kNoFrictionNote);
    }
}

void WriteCase(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& b, int caseIndex) {
    const CZul& z = caseIndex == 0 ? ctx.normal : ctx.quake;
    const bool ownWeight = ctx.normal.IsWpRa();
    const std::int32_t s = ownWeight ? kOwnWeightShift : 0;
    const bool eco = ctx.normal.IsEcoPile();
    const double tipArea = eco ? z.Aw() : z.Ap();

    if (ctx.supplement) {
        // The case heading with the headings under it and the fraction of Ra.
        KeepTogether(ps, 3 + 4 + (ownWeight ? 4 : 0) + 3);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, kCaseHeading, {}, {DesignCaseName(caseIndex)});
        ps.PrintBlank(1);
    } else {
        ps.PrintFmtLine(b, kCaseHeading, {}, {DesignCaseName(caseIndex)});
        ps.PageCheck(10, 1);
    }
    WriteCaseHeadings(ps, b);
    if (ownWeight) {
        PrintLines(ps, b, kOwnWeightTermsFirst, kOwnWeightTermsLast);
        ps.PrintBlank(1);
    }
    ps.PrintFmtLine(b, kRaNumerator + s, {1});
    if (ownWeight) {
        ps.PrintFmtLine(b, kRaValues + s, {z.Ru(), z.Ws(), z.Ws(), z.Wp(), z.Ra()});
    } else {
        ps.PrintFmtLine(b, kRaValues + s, {z.Ru(), z.Ra()});
    }
    ps.PrintFmtLine(b, kRaSafetyFactor + s, {z.nRa()});
    ps.PrintBlank(1);
    if (ctx.supplement) {
        // The heading of Ru with its formula, its values and the friction table when that fits
        // a page.
        const std::int32_t after = (ownWeight ? 2 : 1) + (HasNoFrictionZone(z.RaLiFi()) ? 1 : 0);
        KeepTogether(ps, std::min(kLinesPerPage, 6 + CheckedFrictionTableLines(z.RaLiFi(), after)));
    }
    ps.PrintAsIs(b, kRuHeading + s);
    ps.PrintBlank(1);

    if (ctx.normal.KuiType() == 0) {
        ps.PrintAsIs(b, (eco ? kRuBlade : kRuEndBearing) + s);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, kRuTipValues + s, {z.qd(), tipArea, z.Up(), z.QfRa(), z.Ru()});
    } else {
        ps.PrintAsIs(b, kRuFriction + s);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, kRuFrictionValues + s, {z.Up(), z.QfRa(), z.Ru()});
    }
    ps.PrintBlank(1);

    if (ctx.supplement) {
        WriteCheckedTable(ps, ctx, b, caseIndex, z);
    } else if (ownWeight) {
        WriteFrictionTable(ps, ctx, b, kFrictionTable + s, z.RaLiFi(), false, {z.Ws(), z.QfRa()});
    } else {
        WriteFrictionTable(ps, ctx, b, kFrictionTable + s, z.RaLiFi(), false, {z.QfRa()});
    }
}

} // namespace

bool basResOutRaRu(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    return RunReportPart(run, [&] {
        const TemplateBlock b = OpenReportPart(
            ps, ctx, ctx.normal.IsWpRa() ? "杭の自重を考慮する場合" : "杭の自重を無視する場合");
        ps.FormFeed();
        WriteCase(ps, ctx, b, 0);
        WriteCase(ps, ctx, b, 1);
    });
}

} // namespace zul
