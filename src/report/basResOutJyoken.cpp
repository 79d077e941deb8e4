// The conditions report (report item 0): the calculation conditions of the study and the ground
// layer table as the normal-case calculation reads them.
#include "document/ConstructionMethod.h"
#include "document/SoilKind.h"
#include "report/ReportSections.h"

namespace zul {

namespace {

constexpr const char* kBlock = "計算条件";
constexpr std::int32_t kHeadLines = 5; // lines 20 to 24
constexpr std::int32_t kLinesPerLayer = 4;

void WriteTableHead(PrintState& st, const TemplateBlock& b) {
    for (std::int32_t k = 20; k <= 24; ++k) {
        st.PrintAsIs(b, k);
    }
}

// The layer table, split over pages; every page repeats the head.
void WriteLayerTable(PrintState& st, const TemplateBlock& b, const ReportContext& ctx) {
    const colZulJiban& layers = ctx.normal.Jiban();
    const std::int32_t count = layers.Count();
    // A head with no row under it would stand alone at the page end: the table starts on the
    // next page instead.
    if (count > 0) {
        st.LineCount += kHeadLines;
        const bool noRowFits = st.RowsOnPage(kLinesPerLayer) < 1;
        st.LineCount -= kHeadLines;
        if (noRowFits) {
            st.FormFeed();
        }
    }
    WriteTableHead(st, b);
    std::int32_t rowsOnPage = st.RowsOnPage(kLinesPerLayer);
    std::int32_t row = 1;
    while (row <= count) {
        const std::int32_t last = std::min(count, row + std::max(rowsOnPage, 1) - 1);
        for (; row <= last; ++row) {
            const clsZulJiban& layer = *layers.Item(row);
            const auto r = static_cast<std::size_t>(row);
            const auto cell = [&](std::size_t column) {
                return ctx.doc.JibanLayer(column, r).numberOrZero();
            };
            st.PrintFmtLine(b, 25, {layer.EU});
            st.PrintFmtLine(b, 26,
                            {static_cast<double>(row), layer.H, cell(3), cell(4), cell(5), cell(6), cell(8)},
                            {std::string(SoilKindName(layer.Kind))});
            st.PrintFmtLine(b, 27, {layer.EL});
            if (row < last) {
                st.PrintAsIs(b, 28);
            }
        }
        if (row <= count) {
            st.PrintAsIs(b, 29);
            st.FormFeed();
            WriteTableHead(st, b);
            rowsOnPage = st.RowsOnPage(kLinesPerLayer);
        }
    }
    for (std::int32_t k = 29; k <= 32; ++k) {
        st.PrintAsIs(b, k);
    }
}

} // namespace

bool basResOutJyoken(PrintState& st, const ReportContext& ctx) {
    try {
        const CZul& c = ctx.normal;
        const std::int32_t method = ctx.doc.InpJyoken.Sekou;
        const double groundTop =
            c.Jiban().Count() > 0 ? c.Jiban().Item(1)->EU : ctx.doc.JibanLevel(1).numberOrZero();

        st.LinesPerPage = kLinesPerPage;
        const TemplateBlock b = ReadFmtSection(ctx.fmtFile, kBlock);
        st.OpenPrnFile();

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
        st.ClosePrnFile();
        return true;
    } catch (const std::exception&) {
        st.AbandonPrnFile();
        return false;
    }
}

} // namespace zul
