// The results list (report item 2): the allowable push-in and pull-out capacity of the pile,
// normal and level-1 earthquake case.
#include "report/ReportSections.h"

namespace zul {

bool basResOutIchiran(PrintState& st, const ReportContext& ctx) {
    try {
        st.LinesPerPage = kLinesPerPage;
        const double raNormal = ctx.normal.Ra();
        const double raQuake = ctx.quake.Ra();
        const double paNormal = ctx.normal.Pa();
        const double paQuake = ctx.quake.Pa();

        const TemplateBlock b = ReadFmtSection(ctx.fmtFile, "一覧");
        st.OpenPrnFile();
        st.PrintAsIs(b, 1);
        st.PrintBlank(1);
        for (std::int32_t k = 2; k <= 4; ++k) {
            st.PrintAsIs(b, k);
        }
        st.PrintFmtLine(b, 5, {raNormal, raQuake});
        st.PrintAsIs(b, 6);
        st.PrintFmtLine(b, 7, {paNormal, paQuake});
        st.PrintAsIs(b, 8);
        st.ClosePrnFile();
        return true;
    } catch (const std::exception&) {
        st.AbandonPrnFile();
        return false;
    }
}

} // namespace zul
