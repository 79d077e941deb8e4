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
    WritePagedTable(ps, b, kFourDiameterTable, intervals.Count(), [&](std::int32_t i) {
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

void WriteEmbedmentAndTip(ReportRun& run, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    const CZul& z = ctx.normal;
    const TemplateBlock b = ReadReportBlock(ctx, "打込杭・中堀杭の場合_2");

    ps.FormFeed();
    ps.PrintAsIs(b, 1);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 2, {z.QdELNeire()});
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 3, {z.QdELNeire(), z.ELPL(), z.Neire()});
    ps.PrintAsIs(b, 4);
    ps.PrintAsIs(b, 5);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 6);

    WriteFigureRecord(run, basMakeIDXFileZuAveN(run, ctx, 100, 90), kLinesUnderNValueFigure);

    const colZulNeires& intervals = z.Neires();
    WritePagedTable(ps, b, kEmbedmentTable, intervals.Count(), [&](std::int32_t i) {
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
