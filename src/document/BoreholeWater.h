#pragma once

#include "document/BoreholeRecord.h"

#include <optional>
#include <string>

namespace zul {

// The deepest layer bottom the file gives (before any depth limit); none when no layer has one.
std::optional<double> DeepestLayerBottom(const BoreholeRecord& record);

// Whether a water record can give the water level: its depth is a number above -99 and not
// deeper than the deepest layer bottom (files write 999.99 or 9999 for "not measured"), and its
// 水位種別コード does not say "no water" (91, or two digits ending in 1 such as 11 清水位、水位無し).
bool WaterRecordCounts(const WaterRecord& water, const std::optional<double>& deepestBottom);

// The record that gives the water level, 1-based in file order, 0 when none counts.  Among the
// records that count: clear water first (水位種別コード 1x), then unknown or no code, then mud
// water (2x); within that the 掘削状況コード 4 (掘削完了後), 1, 3, 2, then any other; then the
// latest 測定年月日 compared as text (none is the oldest); then the last in file order.
// Codes are compared after NFKC, without blanks at both ends.
int ChooseWaterRecord(const BoreholeRecord& record);

// The record in words for notes and the study's borehole source:
// "2001-05-21，掘削状況 作業開始時，水位種別 清水位、被圧，深度 5.05 m".  掘削状況 and 水位種別 as
// the file words them, else the meaning of the code, else the code.
std::string WaterRecordWords(const WaterRecord& water);

} // namespace zul
