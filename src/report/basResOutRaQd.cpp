// Detailed push-in report, tip resistance part: the design N-value at the tip from the N-values
// over four diameters, the converted embedment into the bearing layer and the tip resistance qd
// of a driven or inner-excavation pile, with the N-value figures and the tip resistance chart.
#include "report/DetailReport.h"
#include "report/SectionSupport.h"
#include "util/RoundHalfUp.h"

namespace zul {

namespace {

// The lines of block "打込杭・中堀杭の場合_1" by their number in the template file.
// The heading, the formula of qd and that of N (1 to 7), N from N1 and N2.
constexpr std::int32_t kDesignIntroLast = 7, kMeanValues = 8, kMeanResult = 9, kMeanTerms = 10;
constexpr std::int32_t kMeanAboveLimit = 11, kMeanClose = 12;
// N2 over four diameters: heading, formula, the interval table, its totals and N2.
constexpr std::int32_t kFourDiameterHeading = 13, kFourDiameterFormulaFirst = 14,
                       kFourDiameterFormulaLast = 16;
constexpr std::int32_t kFourDiameterHeadFirst = 17, kFourDiameterHeadLast = 20;
constexpr std::int32_t kFourDiameterTop = 21, kFourDiameterRow = 22, kFourDiameterBottom = 23;
constexpr std::int32_t kFourDiameterBetween = 24, kFourDiameterClose = 25;
constexpr std::int32_t kFourDiameterTotalsHead = 26, kFourDiameterTotals = 27;
constexpr std::int32_t kFourDiameterAfterFirst = 28, kFourDiameterAfterLast = 30;
constexpr std::int32_t kFourDiameterSums = 31, kFourDiameterResult = 32, kFourDiameterLengths = 33;

// The lines of block "打込杭・中堀杭の場合_2" and of its supplement by their number in the
// template file.
constexpr std::int32_t kEmbedmentHeading = 1;
// Without the supplement: the bearing surface given, the values of Lb, the unclear layers.
constexpr std::int32_t kSurfaceGiven = 2, kEmbedmentValues = 3, kUnclearLayersFirst = 4,
                       kUnclearLayersLast = 5;
// The interval table of the area balance and the embedment it gives.
constexpr std::int32_t kDistributionIntro = 6, kEmbedmentHeadFirst = 7, kEmbedmentHeadLast = 10;
constexpr std::int32_t kEmbedmentTop = 11, kEmbedmentRow = 12, kEmbedmentBottom = 13;
constexpr std::int32_t kEmbedmentBetween = 14, kEmbedmentClose = 15;
constexpr std::int32_t kEmbedmentResultHead = 16, kEmbedmentResult = 17, kEmbedmentResultClose = 18;
constexpr std::int32_t kEmbedmentLength = 20;
// qd: Lb, Lb／D (with qd／N without the supplement), D, the rule of qd／N (without the
// supplement), qd, and the lines the block defines after it (without the supplement).
constexpr std::int32_t kTipHeading = 21, kTipEmbedment = 22, kTipRatio = 23, kTipDiameter = 24;
constexpr std::int32_t kTipRatioRule = 25, kTipResultIntro = 26, kTipResult = 27, kTipClosingFirst = 28;
// The supplement: how Lb was found, with its values.
constexpr std::int32_t kSurfaceGivenChecked = 30, kTipLayerTopFirst = 31, kTipLayerTopLast = 32;
constexpr std::int32_t kEmbedmentFormula = 33, kEmbedmentLevels = 34, kInclination = 35;
constexpr std::int32_t kNoAreaBalance = 36, kFigureIntro = 37;
constexpr std::int32_t kAreaBalanceFirst = 40, kAreaBalanceLast = 41, kAreaBalanceN = 42;
// The supplement: qd／N of an open or a closed pile end, and its limit.
constexpr std::int32_t kOpenEnd = 43, kOpenEndRatio = 44, kClosedEnd = 45, kClosedEndRatio = 46;
constexpr std::int32_t kRatioLimit = 47;

// Interval tables of the two blocks: three lines per interval and the line between intervals.
constexpr TableLines kFourDiameterTable{kFourDiameterHeadFirst, kFourDiameterHeadLast, kFourDiameterBetween,
                                        kFourDiameterClose, 4};
constexpr TableLines kEmbedmentTable{kEmbedmentHeadFirst, kEmbedmentHeadLast, kEmbedmentBetween,
                                     kEmbedmentClose, 4};

// The interval table of the embedment into the bearing layer (lines 11 to 14 a row) and the
// embedment length it gives (lines 15 to 20).
void WriteEmbedmentIntervals(PageWriter& ps, const TemplateBlock& b, const CZul& z, const TableLines& lines) {
    const colZulNeires& intervals = z.Neires();
    WritePagedTable(ps, b, lines, intervals.Count(), [&](std::int32_t i) {
        const clsZulNeire& iv = *intervals.Item(i + 1);
        ps.PrintFmtLine(b, kEmbedmentTop, {iv.EU, iv.NU, iv.DNU});
        ps.PrintFmtLine(b, kEmbedmentRow, {iv.Lii, iv.Ni, iv.LiNi});
        ps.PrintFmtLine(b, kEmbedmentBottom, {iv.EL, iv.NL, iv.DNL});
    });
    ps.PrintAsIs(b, kEmbedmentClose);
    ps.PrintAsIs(b, kEmbedmentResultHead);
    ps.PrintFmtLine(b, kEmbedmentResult, {z.Neire(), z.NeireA()});
    ps.PrintAsIs(b, kEmbedmentResultClose);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, kEmbedmentLength, {z.Neire()});
}

void WriteDesignNValue(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    const CZul& z = ctx.normal;
    const TemplateBlock b = ReadReportBlock(ctx, "打込杭・中堀杭の場合_1");
    const double meanN = RoundHalfUp((z.N1() + z.N2()) / 2, 1);

    ps.FormFeed();
    PrintLines(ps, b, 1, kDesignIntroLast);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, kMeanValues, {z.N1(), z.N2()});
    ps.PrintFmtLine(b, kMeanResult, {meanN});
    ps.PrintAsIs(b, kMeanTerms);
    if (meanN > 40) {
        ps.PrintAsIs(b, kMeanAboveLimit);
    }
    ps.PrintAsIs(b, kMeanClose);
    ps.PrintBlank(1);
    if (ctx.supplement) {
        // The heading, the formula of N2 and the figure stand on one page.
        KeepTogether(ps, 5 + 1 + kLinesUnderNValueFigure);
    }
    ps.PrintAsIs(b, kFourDiameterHeading);
    ps.PrintBlank(1);
    PrintLines(ps, b, kFourDiameterFormulaFirst, kFourDiameterFormulaLast);

    WriteFigureRecord(run, basMakeIDXFileZu4DN(run, ctx, 100, 90), kLinesUnderNValueFigure);

    const colZulN2s& intervals = z.N24D();
    double sumLii = 0;
    double sumLiNi = 0;
    for (const clsZulN2& iv : intervals) {
        sumLii += iv.Lii;
        sumLiNi += iv.LiNi;
    }
    TableLines fourDiameters = kFourDiameterTable;
    if (ctx.supplement) {
        fourDiameters.keepAfterLast = 9; // totals and the fraction of N2 (lines 25 to 33)
    }
    WritePagedTable(ps, b, fourDiameters, intervals.Count(), [&](std::int32_t i) {
        const clsZulN2& iv = *intervals.Item(i + 1);
        ps.PrintFmtLine(b, kFourDiameterTop, {iv.EU, iv.NU});
        ps.PrintFmtLine(b, kFourDiameterRow, {iv.Lii, iv.Ni, iv.LiNi});
        ps.PrintFmtLine(b, kFourDiameterBottom, {iv.EL, iv.NL});
    });
    ps.PrintAsIs(b, kFourDiameterClose);
    ps.PrintAsIs(b, kFourDiameterTotalsHead);
    ps.PrintFmtLine(b, kFourDiameterTotals, {sumLii, sumLiNi});
    PrintLines(ps, b, kFourDiameterAfterFirst, kFourDiameterAfterLast);
    ps.PrintFmtLine(b, kFourDiameterSums, {sumLiNi});
    ps.PrintFmtLine(b, kFourDiameterResult, {z.N2()});
    ps.PrintFmtLine(b, kFourDiameterLengths, {sumLii});
}

// Lines of the tip resistance step from its heading to qd: heading, 2 blank lines, the chart
// record and what it covers, 2 blank lines, Lb and Lb／D, D, a blank line, the pile end and the
// formula of qd／N, the limit when it applies, and the two lines of qd.
std::int32_t TipStepLines(bool limited) {
    return 1 + 2 + 1 + kLinesUnderTipChart + 2 + 2 + 1 + 1 + 2 + (limited ? 1 : 0) + 2;
}

// qd／N from the converted embedment ratio before the limit of 300.
double RatioBeforeLimit(const CZul& z) {
    return z.QdAp() != 0 ? 60.0 * z.RNeireDp() : 40.0 * z.RNeireDp() + 100.0;
}

// The embedment into the bearing layer as a checker reads it: how it was found (the surface
// given, the top of the tip layer, or the N-value area balance) with its own values only.
void WriteEmbedmentChecked(ReportRun& run, const ReportContext& ctx, const TemplateBlock& b) {
    PageWriter& ps = run.Page();
    const CZul& z = ctx.normal;
    if (z.QdNeireType() == 2) {
        PrintLines(ps, b, kAreaBalanceFirst, kAreaBalanceLast);
        ps.PrintFmtLine(b, kAreaBalanceN, {z.NN()});
        ps.PrintBlank(1);
        ps.PrintAsIs(b, kDistributionIntro);
        WriteFigureRecord(run, basMakeIDXFileZuAveN(run, ctx, 100, 90), kLinesUnderNValueFigure);
        TableLines embedment = kEmbedmentTable;
        embedment.keepAfterLast = 6; // lines 15 to 18, a blank line and Lb
        WriteEmbedmentIntervals(ps, b, z, embedment);
        return;
    }
    if (z.QdNeireType() == 0) {
        ps.PrintAsIs(b, kSurfaceGivenChecked);
    } else {
        PrintLines(ps, b, kTipLayerTopFirst, kTipLayerTopLast);
    }
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, kEmbedmentFormula, {z.Neire()});
    ps.PrintFmtLine(b, kEmbedmentLevels, {z.QdELNeire(), z.ELPL()});
    ps.PrintFmtLine(b, kInclination, {z.Alpha()});
    ps.PrintBlank(1);
    ps.PrintAsIs(b, kNoAreaBalance);
    ps.PrintBlank(1);
    KeepTogether(ps, 1 + 1 + kLinesUnderNValueFigure);
    ps.PrintAsIs(b, kFigureIntro);
    WriteFigureRecord(run, basMakeIDXFileZuAveN(run, ctx, 100, 90), kLinesUnderNValueFigure);
}

// qd from the chart: the pile end in words, qd／N from Lb／D with its limit, and qd.
void WriteTipChecked(ReportRun& run, const ReportContext& ctx, const TemplateBlock& b) {
    PageWriter& ps = run.Page();
    const CZul& z = ctx.normal;
    const double ratio = RatioBeforeLimit(z);
    const bool limited = ratio > 300;
    KeepTogether(ps, 1 + TipStepLines(limited));
    ps.PrintBlank(1);
    ps.PrintAsIs(b, kTipHeading);
    ps.PrintBlank(2);
    WriteFigureRecord(run, basMakeIDXFileZu001(run, ctx, 80, 55), kLinesUnderTipChart);
    ps.PrintBlank(2);
    ps.PrintFmtLine(b, kTipEmbedment, {z.Neire()});
    ps.PrintFmtLine(b, kTipRatio, {z.RNeireDp()});
    ps.PrintFmtLine(b, kTipDiameter, {z.Dp()});
    ps.PrintBlank(1);
    if (z.QdAp() != 0) {
        ps.PrintAsIs(b, kOpenEnd);
        ps.PrintFmtLine(b, kOpenEndRatio, {z.RNeireDp(), ratio});
    } else {
        ps.PrintAsIs(b, kClosedEnd);
        ps.PrintFmtLine(b, kClosedEndRatio, {z.RNeireDp(), ratio});
    }
    if (limited) {
        ps.PrintAsIs(b, kRatioLimit);
    }
    ps.PrintAsIs(b, kTipResultIntro);
    ps.PrintFmtLine(b, kTipResult, {z.RQdNN(), z.NN(), z.qd()});
}

void WriteEmbedmentAndTip(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    const CZul& z = ctx.normal;
    const TemplateBlock b = ReadReportBlock(ctx, "打込杭・中堀杭の場合_2");

    ps.FormFeed();
    ps.PrintAsIs(b, kEmbedmentHeading);
    ps.PrintBlank(1);
    if (ctx.supplement) {
        WriteEmbedmentChecked(run, ctx, b);
        WriteTipChecked(run, ctx, b);
        return;
    }
    ps.PrintFmtLine(b, kSurfaceGiven, {z.QdELNeire()});
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, kEmbedmentValues, {z.QdELNeire(), z.ELPL(), z.Neire()});
    PrintLines(ps, b, kUnclearLayersFirst, kUnclearLayersLast);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, kDistributionIntro);

    WriteFigureRecord(run, basMakeIDXFileZuAveN(run, ctx, 100, 90), kLinesUnderNValueFigure);

    WriteEmbedmentIntervals(ps, b, z, kEmbedmentTable);

    ps.PageCheck(10, 1);
    ps.PrintAsIs(b, kTipHeading);
    ps.PrintBlank(2);
    WriteFigureRecord(run, basMakeIDXFileZu001(run, ctx, 80, 55), kLinesUnderTipChart);
    ps.PrintBlank(2);

    ps.PrintFmtLine(b, kTipEmbedment, {z.Neire()});
    ps.PrintFmtLine(b, kTipRatio, {z.RNeireDp(), z.RQdNN()});
    ps.PrintFmtLine(b, kTipDiameter, {z.Dp()});
    ps.PrintBlank(1);
    ps.PrintAsIs(b, kTipRatioRule);
    ps.PrintAsIs(b, kTipResultIntro);
    ps.PrintFmtLine(b, kTipResult, {z.RQdNN(), z.NN(), z.qd()});
    // The closing lines of the block: every line after qd up to the last one it defines.
    std::int32_t last = kTipResult;
    for (std::int32_t k = kTipClosingFirst; k <= b.limit(); ++k) {
        if (!b.Text(k).empty() || b.Level(k) != 0) {
            last = k;
        }
    }
    PrintLines(ps, b, kTipClosingFirst, last);
}

} // namespace

bool basResOutRaQd(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    return RunReportPart(run, [&] {
        ps.StartPart();
        WriteDesignNValue(run, ctx);
        WriteEmbedmentAndTip(run, ctx);
    });
}

} // namespace zul
