// Pull-out report of every pile but the rotary press-in pile: the formulas and pile values, then
// Pu and Pa with the skin friction table for the normal and the earthquake case.
#include "document/SoilKind.h"
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

#include <string>

namespace zul {

namespace {

void WriteConditions(PrintState& ps, const ReportContext& ctx, const TemplateBlock& b) {
    const CZul& z = ctx.normal;
    ps.PrintAsIs(b, 1);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 2);
    ps.PrintBlank(1);
    const std::int32_t formula = z.IsWpPa() ? 3 : 6;
    for (std::int32_t k = formula; k < formula + 3; ++k) {
        ps.PrintAsIs(b, k);
    }
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 9);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 10);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 11, {z.nPa(), ctx.quake.nPa()});
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 12);
    if (z.IsWpPa()) {
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 13);
        ps.PrintBlank(1);
        ps.PrintAsIs(b, 14);
        ps.PrintBlank(1);
        ps.PrintFmtLine(b, 15, {z.Gp1(), z.L1(), z.Gp2(), z.L2(), z.Ap(), z.Wp()});
        for (std::int32_t k = 16; k <= 21; ++k) {
            ps.PrintBlank(1);
            ps.PrintAsIs(b, k);
        }
        ps.PrintFmtLine(b, 22, {z.Dp(), z.Ap()});
        ps.PrintAsIs(b, 23);
    }
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 24, {z.Dp(), z.Up()});
}

void WriteCase(PrintState& ps, const ReportContext& ctx, const TemplateBlock& b, int caseIndex) {
    const CZul& z = caseIndex == 0 ? ctx.normal : ctx.quake;
    ps.PageCheck(10, 1);
    ps.PrintFmtLine(b, 1, {}, {DesignCaseName(caseIndex)});
    ps.PrintAsIs(b, 2);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 3);
    ps.PrintBlank(1);
    if (ctx.normal.IsWpPa()) {
        ps.PrintAsIs(b, 4);
        ps.PrintFmtLine(b, 5, {z.Pu(), z.Wp(), z.Pa()});
        ps.PrintFmtLine(b, 6, {z.nPa()});
    } else {
        ps.PrintAsIs(b, 7);
        ps.PrintFmtLine(b, 8, {z.Pu(), z.Pa()});
        ps.PrintFmtLine(b, 9, {z.nPa()});
    }
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 10);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 11, {z.Up(), z.QfPa(), z.Pu()});
    ps.PrintBlank(1);

    const colZulLiFis& segments = z.PaLiFi();
    WritePagedTable(ps, b, TableLines{12, 16, 19, 22, 2}, segments.Count(), [&](std::int32_t i) {
        const clsZulLiFi& seg = *segments.Item(i + 1);
        ps.PrintFmtLine(
            b, seg.IsNonF ? 17 : 18,
            {static_cast<double>(seg.No), LayerNValue(ctx.doc, seg.No), seg.Lii, seg.Fi, seg.LiFi},
            {std::string(SoilKindName(seg.Kind))});
    });
    ps.PrintAsIs(b, 20);
    ps.PrintFmtLine(b, 21, {SumLiFi(segments), z.QfPa()});
    ps.PrintAsIs(b, 22);
}

} // namespace

bool basResOutPa(PrintState& ps, const ReportContext& ctx) {
    ps.LinesPerPage = kLinesPerPage;
    return RunReportPart(ps, [&] {
        const TemplateBlock conditions = ReadFmtSection(ctx.fmtFile, "許容引抜き力の計算(1)");
        ps.OpenPrnFile();
        WriteConditions(ps, ctx, conditions);
        const TemplateBlock cases = ReadFmtSection(ctx.fmtFile, "許容引抜き力の計算(2)");
        ps.PrintBlank(2);
        WriteCase(ps, ctx, cases, 0);
        WriteCase(ps, ctx, cases, 1);
    });
}

} // namespace zul
