#pragma once

#include <string>
#include <string_view>

namespace zul {

// Formats a number with a picture format of the kind the reports and screens use:
//   "0"  a required digit, "#" an optional digit, "." the decimal point,
//   ","  between integer digits: thousands grouping; directly before the point or the end of
//        the digits: divides by 1000,
//   "%"  multiplies by 100 and shows "%",
//   "\x" the character x itself, "..." a quoted text itself, any other character itself
//        ("mm", ", ", "）", "+", "-").
// Up to three sections separated by ";": positive; negative; zero.  With one section a
// negative value gets a leading "-"; a negative section shows its own signs and no "-".
// The value is taken at 15 significant digits and rounded half away from zero at the last
// shown decimal; a value that rounds to zero is formatted as zero (positive section, no "-").
// Optional integer digits of a zero value show nothing ("#" gives "" for 0, "#.00" ".00").
// An empty picture gives the general number form.  The picture and the result are UTF-8.
std::string FormatNumber(double value, std::string_view picture);

// A capacity in kN as the screens, the reports and the commands show it: thousands grouped,
// one decimal ("###,##0.0").
std::string FormatCapacity(double value);

// As FormatNumber with a one-section picture, but a negative value keeps its "-" even when it
// rounds to zero ("###0.00" gives "-0.00" for -0.001), as the print and figure files write them.
std::string FormatSignedNumber(double value, std::string_view picture);

} // namespace zul
