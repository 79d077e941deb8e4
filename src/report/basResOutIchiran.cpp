// The results list (report item 2): the allowable push-in and pull-out capacity of the pile,
// normal and level-1 earthquake case.
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

namespace zul {

namespace {

// The lines of block "一覧" by their number in the template file.
constexpr std::int32_t kHeading = 1, kTableHeadFirst = 2, kTableHeadLast = 4;
constexpr std::int32_t kPushInRow = 5, kRowRule = 6, kPullOutRow = 7, kTableClose = 8;

} // namespace

bool basResOutIchiran(ReportRun& run, const ReportContext& ctx) {
    PageWriter& st = run.Page();
    return RunReportPart(run, [&] {
        const TemplateBlock b = OpenReportPart(st, ctx, "一覧");
        st.PrintAsIs(b, kHeading);
        st.PrintBlank(1);
        PrintLines(st, b, kTableHeadFirst, kTableHeadLast);
        st.PrintFmtLine(b, kPushInRow, {ctx.normal.Ra(), ctx.quake.Ra()});
        st.PrintAsIs(b, kRowRule);
        st.PrintFmtLine(b, kPullOutRow, {ctx.normal.Pa(), ctx.quake.Pa()});
        st.PrintAsIs(b, kTableClose);
    });
}

} // namespace zul
