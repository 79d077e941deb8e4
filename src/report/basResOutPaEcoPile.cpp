// Pull-out report of the rotary press-in steel pipe pile: the formulas of the blade pull-out
// resistance and the pile values, then for each design case Pu and Pa with the blade resistance
// factors and the skin friction and overburden table.
#include "document/SoilKind.h"
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

#include <string>

namespace zul {

namespace {

// The first two blocks reserve template numbers up to 80.
constexpr std::int32_t kEcoBlockLimit = 80;

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
    for (std::int32_t k = 9; k <= 11; ++k) {
        ps.PrintAsIs(b, k);
    }
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 12);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, 13);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 14, {z.nPa(), ctx.quake.nPa()});
    ps.PrintBlank(1);
    for (std::int32_t k = 15; k <= 17; ++k) {
        ps.PrintAsIs(b, k);
        ps.PrintBlank(1);
    }
    ps.PrintFmtLine(b, 18, {z.Gp1(), z.L1(), z.Gp2(), z.L2(), z.Ap(), z.Wp()});
    for (std::int32_t k = 19; k <= 22; ++k) {
        ps.PrintBlank(1);
        ps.PrintAsIs(b, k);
    }
    ps.PrintFmtLine(b, 23, {z.Dp(), z.Ap()});
    ps.PrintAsIs(b, 24);
    for (std::int32_t k = 25; k <= 57; ++k) {
        if (k > 25) {
            ps.PrintBlank(1);
        }
        ps.PrintAsIs(b, k);
    }
    ps.PrintFmtLine(b, 58, {z.Dp(), z.Up()});
}

void WriteCaseHeadings(PrintState& ps, const TemplateBlock& b) {
    ps.FormFeed();
    for (std::int32_t k = 1; k <= 8; ++k) {
        if (k > 1 && b.Level(k) != 0) {
            ps.PrintBlank(1);
        }
        ps.PrintAsIs(b, k);
    }
}

void WriteCase(PrintState& ps, const ReportContext& ctx, int caseIndex) {
    const CZul& z = caseIndex == 0 ? ctx.normal : ctx.quake;
    const TemplateBlock b = ReadFmtSection(ctx.fmtFile, "許容引抜き力の計算_羽根杭(3)");
    ps.FormFeed();
    ps.PrintFmtLine(b, 1, {}, {DesignCaseName(caseIndex)});
    ps.PageCheck(10, 1);
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
    for (std::int32_t k = 11; k <= 13; ++k) {
        ps.PrintAsIs(b, k);
    }
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 14, {z.H()});
    ps.PrintFmtLine(b, 15, {z.Dw(), z.Qw(), z.Gave(), z.H(), z.Beta(), z.Fai(), z.Up(), z.QfPa()});
    ps.PrintAsIs(b, 16);
    ps.PrintBlank(1);
    ps.PrintFmtLine(b, 17, {z.Pu()});
    ps.PrintBlank(1);

    const colZulLiFis& segments = z.PaLiFi();
    WritePagedTable(ps, b, TableLines{18, 22, 25, 28, 2}, segments.Count(), [&](std::int32_t i) {
        const clsZulLiFi& seg = *segments.Item(i + 1);
        ps.PrintFmtLine(b, seg.IsNonF ? 23 : 24,
                        {static_cast<double>(seg.No), LayerNValue(ctx.doc, seg.No), seg.Lii, seg.Gs, seg.Ws,
                         seg.Fi, seg.LiFi},
                        {std::string(SoilKindName(seg.Kind))});
    });
    ps.PrintAsIs(b, 26);
    ps.PrintFmtLine(b, 27, {SumLiFi(segments), z.Qw(), z.QfPa()});
    ps.PrintAsIs(b, 28);
}

} // namespace

bool basResOutPaEcoPile(PrintState& ps, const ReportContext& ctx) {
    ps.LinesPerPage = kLinesPerPage;
    return RunReportPart(ps, [&] {
        const TemplateBlock conditions =
            ReadFmtSection(ctx.fmtFile, "許容引抜き力の計算_羽根杭(1)", kEcoBlockLimit);
        ps.OpenPrnFile();
        WriteConditions(ps, ctx, conditions);
        WriteCaseHeadings(ps, ReadFmtSection(ctx.fmtFile, "許容引抜き力の計算_羽根杭(2)", kEcoBlockLimit));
        WriteCase(ps, ctx, 0);
        WriteCase(ps, ctx, 1);
    });
}

} // namespace zul
