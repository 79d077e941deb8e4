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

// The lines of the block by their number in the template file.
// Headings and the pile's values (11 to 14: length, inclination, head and tip level).
constexpr std::int32_t kHeading = 1, kCaseName = 2, kDesignHeading = 3, kPileHeading = 4;
constexpr std::int32_t kMethod = 5, kBearingKind = 6, kDiameter = 7, kSoilCementDiameter = 8;
constexpr std::int32_t kBladeOuterDiameter = 9, kBladeInnerDiameter = 10, kLength = 11;
// The ground (16 to 19: surface, water level and the two design ground levels).
constexpr std::int32_t kGroundHeading = 15, kGroundSurface = 16;
// The layer table: head, three lines a layer, the rule between layers, the closing rule, notes.
constexpr std::int32_t kLayerHeadFirst = 20, kLayerHeadLast = 24;
constexpr std::int32_t kLayerTop = 25, kLayerRow = 26, kLayerBottom = 27, kLayerRule = 28;
constexpr std::int32_t kLayerClose = 29, kLayerNotesLast = 32;

// Head, four lines a layer (three and a rule between layers), a closing rule on every page.
constexpr TableLines kLayerTable{kLayerHeadFirst, kLayerHeadLast, kLayerRule, kLayerClose, 4};

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
        st.PrintFmtLine(b, kLayerTop, {layer.EU});
        st.PrintFmtLine(b, kLayerRow,
                        {static_cast<double>(row), layer.H, cell(3), cell(4), cell(5), cell(6), cell(8)},
                        {std::string(SoilKindName(layer.Kind))});
        st.PrintFmtLine(b, kLayerBottom, {layer.EL});
    });
    PrintLines(st, b, kLayerClose, kLayerNotesLast);
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

        st.PrintAsIs(b, kHeading);
        st.PrintBlank(2);
        st.PrintLineHead(b.Level(kCaseName));
        st.PrintRaw(b.Text(kCaseName) + PrintText(ctx.doc.InpJyoken.Title));
        st.PrintBlank(2);
        st.PrintAsIs(b, kDesignHeading);
        st.PrintBlank(1);
        st.PrintAsIs(b, kPileHeading);
        st.PrintBlank(1);

        st.PrintFmtLine(b, kMethod, {}, {std::string(MethodReportName(method))});
        st.PrintBlank(1);
        st.PrintFmtLine(b, kBearingKind, {}, {std::string(PileKindName(c.KuiType()))});
        st.PrintBlank(1);
        st.PrintFmtLine(b, IsSteelPipeSoilCement(method) ? kSoilCementDiameter : kDiameter, {c.Dp()});
        if (c.IsEcoPile()) {
            st.PrintBlank(1);
            st.PrintFmtLine(b, kBladeOuterDiameter, {c.Dw()});
            st.PrintBlank(1);
            st.PrintFmtLine(b, kBladeInnerDiameter, {c.Dwi()});
        }
        st.PrintBlank(1);
        std::int32_t k = kLength;
        for (const double value : {c.L(), c.Alpha(), c.ELPU(), c.ELPL()}) {
            st.PrintFmtLine(b, k++, {value});
            st.PrintBlank(1);
        }

        st.PrintAsIs(b, kGroundHeading);
        st.PrintBlank(1);
        k = kGroundSurface;
        for (const double value : {groundTop, c.ELWL(), c.ELGL(), ctx.quake.ELGL()}) {
            st.PrintFmtLine(b, k++, {value});
            st.PrintBlank(1);
        }

        WriteLayerTable(st, b, ctx);
        WriteConditionsSupplement(run, ctx);
    });
}

} // namespace zul
