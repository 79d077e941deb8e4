// The graph report (report item 3): headings and one picture record per graph metafile that the
// study graph screen saved; push-in graphs on the first page, pull-out graphs on the second.
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

namespace zul {

namespace {

// Position and size (mm) at which the preview draws a graph picture.
constexpr const char* kPictureRecord = "?BM;000;000;160;110;";

} // namespace

bool basResOutGraph(PrintState& st, const ReportContext& ctx) {
    return RunReportPart(st, [&] {
        const TemplateBlock b = OpenReportPart(st, ctx.fmtFile, "支持力検討グラフ");
        st.PrintAsIs(b, 1);
        for (const char* capacity : {"RA", "PA"}) {
            if (capacity[0] == 'R') {
                st.PrintBlank(1);
                st.PrintAsIs(b, 2);
            } else {
                st.FormFeed();
                st.PrintAsIs(b, 3);
            }
            for (const char* calcCase : {"01", "02"}) {
                const bool normal = calcCase[1] == '1';
                st.PrintBlank(normal ? 1 : 2);
                st.PrintAsIs(b, normal ? 4 : 5);
                st.PrintLineHead(0);
                st.PrintRaw(kPictureRecord +
                            PrintText(ctx.metafileFolder + "/" + capacity + calcCase + ".WMF"));
            }
        }
    });
}

} // namespace zul
