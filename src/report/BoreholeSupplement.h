#pragma once

// The borehole an imported study's ground came from, in the conditions report (a supplement):
// the source (file, borehole, survey, coordinates, hole top, depth, dates, layout version, water
// record, import), the imported layers with their original soil names, the edits since the
// import, and the N-value table with the blows and penetration of each test, its flags and the
// refused tests.

#include "report/PageWriter.h"
#include "report/ReportSections.h"
#include "report/TemplateBlock.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

// Template block of the borehole supplement.
inline constexpr std::string_view kBoreholeSupplementBlock = "計算条件_ボーリングデータ";

// "50/20": the blows and the penetration in cm of a test; "" when the blows are not known,
// "50/－" when the penetration is not.
std::string BlowsText(const std::optional<double>& blows, const std::optional<double>& penetrationCm);

// One row of the N-value table of an imported study: an N value of the calculation with the
// test it came from, or a test that gave no N value.
struct BoreholeNRow {
    int number = 0; // position among the calculation's N values, 0 for a test without N value
    double depth = 0;
    double n = 0;
    std::string blows; // BlowsText, "" for an N value that was not imported
    std::string remark; // 上限, 自沈, 貫入不能 or why a test was dropped, 取込み後に変更, 取込み後に追加
};

// The rows for the calculation's N values points (depth, N) of a study imported from source, in
// order of depth; the tests without N value after the N values of their depth.
std::vector<BoreholeNRow> BoreholeNRows(const BoreholeSource& source, const colZulNs& points);

// The source block under its heading; nothing without a borehole source.
void WriteBoreholeSource(PageWriter& ps, const ReportContext& ctx);

// The N-value table of an imported study under the heading of headingBlock (the N-value and
// figure supplement), with blows, penetration and remarks.
void WriteBoreholeNValueTable(PageWriter& ps, const TemplateBlock& headingBlock, const ReportContext& ctx,
                              double groundTop);

} // namespace zul
