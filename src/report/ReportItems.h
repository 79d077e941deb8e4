#pragma once

// The items of the calculation report, in print menu order.  The print menu shows their
// captions in this order, the generation run writes them with their writers and names a failed
// one by its error line, the command line takes their numbers (--items) and names them in its
// help, and the settings file keeps the choice of item i under key "i" (io/ReportSettings.h).

#include "io/ReportSettings.h"
#include "report/ReportSections.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zul {

using ReportItemWriter = bool (*)(ReportRun&, const ReportContext&);

struct ReportItem {
    std::string_view caption;   // the print menu's check box
    std::string_view errorLine; // the line of a failed item in the generation run's error text
    ReportItemWriter writer;    // writes the item's print text
    std::string_view cliName;   // the item in the command line's help
};

// The detailed calculation: the push-in report, a page break, then the pull-out report of the
// pile's kind.  Both parts are written even when the first fails.
bool WriteDetailedReport(ReportRun& run, const ReportContext& ctx);

// The numbers of the items that the menu, the run and the join treat on their own.
inline constexpr std::size_t kDetailedItem = 1;
inline constexpr std::size_t kResultsListItem = 2;
inline constexpr std::size_t kGraphItem = 3;

inline constexpr std::array<ReportItem, kReportItemCount> kReportItems = {{
    {"計算条件", "･『計算条件』の印刷ﾌｧｲﾙ生成ｴﾗｰ", basResOutJyoken, "conditions"},
    {"計算（許容押込み支持力･許容引抜き力の計算）", "･『計算結果（詳細）』の印刷ﾌｧｲﾙ生成ｴﾗｰ",
     WriteDetailedReport, "detailed calculation"},
    {"計算結果(許容押込み支持力･許容引抜き力一覧)", "･『計算結果（支持力一覧表）』の印刷ﾌｧｲﾙ生成ｴﾗｰ",
     basResOutIchiran, "results list"},
    {"支持力検討グラフ", "･『支持力検討ｸﾞﾗﾌ』の印刷ﾌｧｲﾙ生成ｴﾗｰ", basResOutGraph, "graph"},
}};

} // namespace zul
