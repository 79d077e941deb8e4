// The results list (report item 2): the allowable push-in and pull-out capacity of the pile,
// normal and level-1 earthquake case.
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

namespace zul {

bool basResOutIchiran(ReportRun& run, const ReportContext& ctx) {
    PageWriter& st = run.Page();
    return RunReportPart(run, [&] {
        const TemplateBlock b = OpenReportPart(st, ctx, "一覧");
        st.PrintAsIs(b, 1);
        st.PrintBlank(1);
        PrintLines(st, b, 2, 4);
        st.PrintFmtLine(b, 5, {ctx.normal.Ra(), ctx.quake.Ra()});
        st.PrintAsIs(b, 6);
        st.PrintFmtLine(b, 7, {ctx.normal.Pa(), ctx.quake.Pa()});
        st.PrintAsIs(b, 8);
    });
}

} // namespace zul
