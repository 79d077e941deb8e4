#pragma once

#include <string>

namespace zul {

// Today's date as "YYYY-MM-DD" in local time.  When SOURCE_DATE_EPOCH holds a whole number of
// seconds since 1970-01-01 UTC (the convention of reproducible builds), that moment's UTC date is
// taken instead, so that the same input gives the same output on any day.
std::string TodayText();

} // namespace zul
