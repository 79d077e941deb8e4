// Detailed push-in report, tip resistance part: the design N-value at the tip from the N-values
// over four diameters, the converted embedment into the bearing layer and the tip resistance qd
// of a driven or inner-excavation pile, with the N-value figures and the tip resistance chart.
#include "report/DetailReport.h"
#include "report/SectionSupport.h"
#include "util/RoundHalfUp.h"

namespace zul {

namespace {

// Interval tables of the two blocks: three lines per interval and the line between intervals.
constexpr TableLines kFourDiameterTable{17, 20, 24, 25, 4};
constexpr TableLines kEmbedmentTable{7, 10, 14, 15, 4};

// The interval table of the embedment into the bearing layer (lines 11 to 14 a row) and the
// embedment length it gives (lines 15 to 20).
void WriteEmbedmentIntervals(PageWriter& ps, const TemplateBlock& b, const CZul& z, const TableLines& lines) {
    const colZulNeires& intervals = z.Neires();
    WritePagedTable(ps, b, lines, intervals.Count(), [&](std::int32_t i) {
        const clsZulNeire& iv = *intervals.Item(i + 1);
        ps.PrintFmtLine(b, 11, {iv.EU, iv.NU, iv.DNU});
        ps.PrintFmtLine(b, 12, {iv.Lii, iv.Ni, iv.LiNi});
        ps.PrintFmtLine(b, 13, {iv.EL, iv.NL, iv.DNL});
    });
    ps.PrintAsIs(b, 15);
    ps.PrintAsIs(b, 16);
    ps.PrintFmtLine(b, 17, {z.Neire(), z.NeireA()});
    ps.PrintAsIs(b, 18);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 20, {z.Neire()});
}

void WriteDesignNValue(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    const CZul& z = ctx.normal;
    const TemplateBlock b = ReadReportBlock(ctx, "打込杭・中堀杭の場合_1");
    const double meanN = RoundHalfUp((z.N1() + z.N2()) / 2, 1);

    ps.FormFeed();
    PrintLines(ps, b, 1, 7);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 8, {z.N1(), z.N2()});
    ps.PrintFmtLine(b, 9, {meanN});
    ps.PrintAsIs(b, 10);
    if (meanN > 40) {
        ps.PrintAsIs(b, 11);
    }
    ps.PrintAsIs(b, 12);
    ps.PrintBlank(1);
    if (ctx.supplement) {
        // The heading, the formula of N2 and the figure stand on one page.
        KeepTogether(ps, 5 + 1 + kLinesUnderNValueFigure);
    }
    ps.PrintAsIs(b, 13);
    ps.PrintBlank(1);
    PrintLines(ps, b, 14, 16);

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
        ps.PrintFmtLine(b, 21, {iv.EU, iv.NU});
        ps.PrintFmtLine(b, 22, {iv.Lii, iv.Ni, iv.LiNi});
        ps.PrintFmtLine(b, 23, {iv.EL, iv.NL});
    });
    ps.PrintAsIs(b, 25);
    ps.PrintAsIs(b, 26);
    ps.PrintFmtLine(b, 27, {sumLii, sumLiNi});
    PrintLines(ps, b, 28, 30);
    ps.PrintFmtLine(b, 31, {sumLiNi});
    ps.PrintFmtLine(b, 32, {z.N2()});
    ps.PrintFmtLine(b, 33, {sumLii});
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
        PrintLines(ps, b, 40, 41);
        ps.PrintFmtLine(b, 42, {z.NN()});
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 6);
        WriteFigureRecord(run, basMakeIDXFileZuAveN(run, ctx, 100, 90), kLinesUnderNValueFigure);
        TableLines embedment = kEmbedmentTable;
        embedment.keepAfterLast = 6; // lines 15 to 18, a blank line and Lb
        WriteEmbedmentIntervals(ps, b, z, embedment);
        return;
    }
    if (z.QdNeireType() == 0) {
        ps.PrintAsIs(b, 30);
    } else {
        PrintLines(ps, b, 31, 32);
    }
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 33, {z.Neire()});
    ps.PrintFmtLine(b, 34, {z.QdELNeire(), z.ELPL()});
    ps.PrintFmtLine(b, 35, {z.Alpha()});
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 36);
    ps.PrintBlank(1);
    KeepTogether(ps, 1 + 1 + kLinesUnderNValueFigure);
    ps.PrintAsIs(b, 37);
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
    ps.PrintAsIs(b, 21);
    ps.PrintBlank(2);
    WriteFigureRecord(run, basMakeIDXFileZu001(run, ctx, 80, 55), kLinesUnderTipChart);
    ps.PrintBlank(2);
    ps.PrintFmtLine(b, 22, {z.Neire()});
    ps.PrintFmtLine(b, 23, {z.RNeireDp()});
    ps.PrintFmtLine(b, 24, {z.Dp()});
    ps.PrintBlank(1);
    if (z.QdAp() != 0) {
        ps.PrintAsIs(b, 43);
        ps.PrintFmtLine(b, 44, {z.RNeireDp(), ratio});
    } else {
        ps.PrintAsIs(b, 45);
        ps.PrintFmtLine(b, 46, {z.RNeireDp(), ratio});
    }
    if (limited) {
        ps.PrintAsIs(b, 47);
    }
    ps.PrintAsIs(b, 26);
    ps.PrintFmtLine(b, 27, {z.RQdNN(), z.NN(), z.qd()});
}

void WriteEmbedmentAndTip(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    const CZul& z = ctx.normal;
    const TemplateBlock b = ReadReportBlock(ctx, "打込杭・中堀杭の場合_2");

    ps.FormFeed();
    ps.PrintAsIs(b, 1);
    ps.PrintBlank(1);
    if (ctx.supplement) {
        WriteEmbedmentChecked(run, ctx, b);
        WriteTipChecked(run, ctx, b);
        return;
    }
    ps.PrintFmtLine(b, 2, {z.QdELNeire()});
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 3, {z.QdELNeire(), z.ELPL(), z.Neire()});
    ps.PrintAsIs(b, 4);
    ps.PrintAsIs(b, 5);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 6);

    WriteFigureRecord(run, basMakeIDXFileZuAveN(run, ctx, 100, 90), kLinesUnderNValueFigure);

    WriteEmbedmentIntervals(ps, b, z, kEmbedmentTable);

    ps.PageCheck(10, 1);
    ps.PrintAsIs(b, 21);
    ps.PrintBlank(2);
    WriteFigureRecord(run, basMakeIDXFileZu001(run, ctx, 80, 55), kLinesUnderTipChart);
    ps.PrintBlank(2);

    ps.PrintFmtLine(b, 22, {z.Neire()});
    ps.PrintFmtLine(b, 23, {z.RNeireDp(), z.RQdNN()});
    ps.PrintFmtLine(b, 24, {z.Dp()});
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 25);
    ps.PrintAsIs(b, 26);
    ps.PrintFmtLine(b, 27, {z.RQdNN(), z.NN(), z.qd()});
    // The closing lines of the block: every line above 27 up to the last one it defines.
    std::int32_t last = 27;
    for (std::int32_t k = 28; k <= b.limit(); ++k) {
        if (!b.Text(k).empty() || b.Level(k) != 0) {
            last = k;
        }
    }
    PrintLines(ps, b, 28, last);
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
