// The graph report (report item 3): headings and one picture record per graph metafile that the
// study graph screen saved; push-in graphs on the first page, pull-out graphs on the second.
#include "printfile/PrintFileLines.h"
#include "report/GraphValueTables.h"
#include "report/ReportNotes.h"
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

namespace zul {

namespace {

// The lines of block "支持力検討グラフ" by their number in the template file.
constexpr std::int32_t kHeading = 1, kPushInHeading = 2, kPullOutHeading = 3;
constexpr std::int32_t kNormalCaption = 4, kQuakeCaption = 5;

} // namespace

bool basResOutGraph(ReportRun& run, const ReportContext& ctx) {
    PageWriter& st = run.Page();
    // With the supplements, the values behind the graphs follow each pair of graphs.
    basCalcMain table;
    const bool values = ctx.supplement && ctx.doc.tableEntered() && table.CalcRaTable(ctx.doc);
    return RunReportPart(run, [&] {
        const TemplateBlock b = OpenReportPart(st, ctx, "支持力検討グラフ");
        st.PrintAsIs(b, kHeading);
        // Push-in graphs 1 and 3, then pull-out graphs 2 and 4; each the normal case first.
        for (const std::size_t capacity : {0u, 1u}) {
            if (capacity == 0) {
                st.PrintBlank(1);
                st.PrintAsIs(b, kPushInHeading);
            } else {
                st.FormFeed();
                st.PrintAsIs(b, kPullOutHeading);
            }
            for (const bool normal : {true, false}) {
                st.PrintBlank(normal ? 1 : 2);
                st.PrintAsIs(b, normal ? kNormalCaption : kQuakeCaption);
                st.PrintLineHead(0);
                const std::string_view name = kGraphMetafileNames[capacity + (normal ? 0 : 2)];
                st.PrintRaw(PictureRecord(ctx.paths.metafileFolder + "/" + std::string(name)));
            }
            if (values) {
                // The graphs fill their page (a picture record counts one line).
                st.FormFeed();
                for (const bool normal : {true, false}) {
                    // A blank between the tables, never one that would open a page of its own
                    // after a table that filled its page.
                    if (!normal && st.LinesLeft() > 0) {
                        st.PrintBlank(1);
                    }
                    const int graph = static_cast<int>(capacity) * 2 + (normal ? 0 : 1);
                    WriteGraphValueTable(st, ctx, table, static_cast<GraphValue>(graph));
                }
            }
        }
        WriteStudyTableNotes(st, ctx);
    });
}

} // namespace zul
