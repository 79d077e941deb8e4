#pragma once

// What the printed pages say about the program that made them: its name and version, and the
// date of printing.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace zul {

// The product name, as the windows show it.
inline constexpr std::string_view kProgramName = "vezarivezorazi";

// "1.3.000": major, minor and the revision with three digits.
std::string ProgramVersion();

// "vezarivezorazi Ver.1.3.000".
std::string ProgramNameAndVersion();

// The date of printing, "YYYY/MM/DD": the UTC date of sourceDateEpoch when it holds a whole
// number of seconds since 1970 (the reproducible-build convention SOURCE_DATE_EPOCH, so that the
// same study gives the same pages), else the local date of now.
std::string PrintDate(std::time_t now, std::optional<std::string_view> sourceDateEpoch);

// PrintDate of the present time and the environment's SOURCE_DATE_EPOCH.
std::string PrintDateToday();

} // namespace zul
