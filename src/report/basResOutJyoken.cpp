// The conditions report (report item 0): the calculation conditions of the study and the ground
// layer table as the normal-case calculation reads them.
#include "document/ConstructionMethod.h"
#include "document/SoilKind.h"
#include "report/ConditionsSupplement.h"
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

namespace zul {

namespace {

constexpr const char* kBlock = "計算条件";
// Head 20 to 24, four lines a layer (25 to 27 and 28 between layers), 29 closes a page.
constexpr TableLines kLayerTable{20, 24, 28, 29, 4};

// The layer table, split over pages; every page repeats the head.
void WriteLayerTable(PageWriter& st, const TemplateBlock& b, const ReportContext& ctx) {
    const colZulJiban& layers = ctx.normal.Jiban();
    // With the supplements the closing rule and the three notes under it stay with the last
    // layer: a rule alone never fills a page.
    TableLines table = kLayerTable;
    table.keepAfterLast = ctx.supplement ? 4 : 0;
    WritePagedTable(st, b, table, layers.Count(), [&](std::int32_t i) {
        const std::int32_t row = i + 1;
        const clsZulJiban& layer = *layers.Item(row);
        const auto r = static_cast<std::size_t>(row);
        const auto cell = [&](std::size_t column) { return ctx.doc.JibanLayer(column, r).numberOrZero(); };
        st.PrintFmtLine(b, 25, {layer.EU});
        st.PrintFmtLine(b, 26,
                        {static_cast<double>(row), layer.H, cell(3), cell(4), cell(5), cell(6), cell(8)},
                        {std::string(SoilKindName(layer.Kind))});
        st.PrintFmtLine(b, 27, {layer.EL});
    });
    PrintLines(st, b, 29, 32);
}

} // namespace

bool basResOutJyoken(ReportRun& run, const ReportContext& ctx) {
    PageWriter& st = run.Page();
    st.SetBreakWhenFull(ctx.supplement);
    return RunReportPart(run, [&] {
        const CZul& c = ctx.normal;
        const std::int32_t method = ctx.doc.InpJyoken.Sekou;
        const double groundTop =
            c.Jiban().Count() > 0 ? c.Jiban().Item(1)->EU : ctx.doc.JibanLevel(1).numberOrZero();

        const TemplateBlock b = OpenReportPart(st, ctx, kBlock);

        st.PrintAsIs(b, 1);
        st.PrintBlank(2);
        st.PrintLineHead(b.Level(2));
        st.PrintRaw(b.Text(2) + PrintText(ctx.doc.InpJyoken.Title));
        st.PrintBlank(2);
        st.PrintAsIs(b, 3);
        st.PrintBlank(1);
        st.PrintAsIs(b, 4);
        st.PrintBlank(1);

        st.PrintFmtLine(b, 5, {}, {std::string(MethodReportName(method))});
        st.PrintBlank(1);
        st.PrintFmtLine(b, 6, {}, {std::string(PileKindName(c.KuiType()))});
        st.PrintBlank(1);
        st.PrintFmtLine(b, IsSteelPipeSoilCement(method) ? 8 : 7, {c.Dp()});
        if (c.IsEcoPile()) {
            st.PrintBlank(1);
            st.PrintFmtLine(b, 9, {c.Dw()});
            st.PrintBlank(1);
            st.PrintFmtLine(b, 10, {c.Dwi()});
        }
        st.PrintBlank(1);
        std::int32_t k = 11;
        for (const double value : {c.L(), c.Alpha(), c.ELPU(), c.ELPL()}) {
            st.PrintFmtLine(b, k++, {value});
            st.PrintBlank(1);
        }

        st.PrintAsIs(b, 15);
        st.PrintBlank(1);
        k = 16;
        for (const double value : {groundTop, c.ELWL(), c.ELGL(), ctx.quake.ELGL()}) {
            st.PrintFmtLine(b, k++, {value});
            st.PrintBlank(1);
        }

        WriteLayerTable(st, b, ctx);
        WriteConditionsSupplement(run, ctx);
    });
}

} // namespace zul
