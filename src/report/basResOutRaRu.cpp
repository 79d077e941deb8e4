// Detailed push-in report, ultimate capacity part: Ra from Ru for the normal and the earthquake
// case, Ru from the tip resistance and the skin friction, and the skin friction table.
#include "report/DetailReport.h"
#include "report/SectionSupport.h"

namespace zul {

namespace {

void WriteCase(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& b, int caseIndex) {
    const CZul& z = caseIndex == 0 ? ctx.normal : ctx.quake;
    const bool ownWeight = ctx.normal.IsWpRa();
    // The block that counts the pile's own weight has three more lines after line 3.
    const std::int32_t s = ownWeight ? 3 : 0;
    const bool eco = ctx.normal.IsEcoPile();
    const double tipArea = eco ? z.Aw() : z.Ap();

    ps.PrintFmtLine(b, 1, {}, {DesignCaseName(caseIndex)});
    ps.PageCheck(10, 1);
    WriteCaseHeadings(ps, b);
    if (ownWeight) {
        ps.PrintAsIs(b, 4);
        ps.PrintAsIs(b, 5);
        ps.PrintAsIs(b, 6);
        ps.PrintBlank(1);
    }
    ps.PrintFmtLine(b, 4 + s, {1});
    if (ownWeight) {
        ps.PrintFmtLine(b, 5 + s, {z.Ru(), z.Ws(), z.Ws(), z.Wp(), z.Ra()});
    } else {
        ps.PrintFmtLine(b, 5 + s, {z.Ru(), z.Ra()});
    }
    ps.PrintFmtLine(b, 6 + s, {z.nRa()});
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 7 + s);
    ps.PrintBlank(1);

    if (ctx.normal.KuiType() == 0) {
        ps.PrintAsIs(b, (eco ? 9 : 8) + s);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, 10 + s, {z.qd(), tipArea, z.Up(), z.QfRa(), z.Ru()});
    } else {
        ps.PrintAsIs(b, 11 + s);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, 12 + s, {z.Up(), z.QfRa(), z.Ru()});
    }
    ps.PrintBlank(1);

    if (ownWeight) {
        WriteFrictionTable(ps, ctx, b, 13 + s, z.RaLiFi(), false, {z.Ws(), z.QfRa()});
    } else {
        WriteFrictionTable(ps, ctx, b, 13 + s, z.RaLiFi(), false, {z.QfRa()});
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
