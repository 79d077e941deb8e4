#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zul {

// General decimal form of a number: at most 15 significant digits, "." as decimal point,
// no grouping, a leading zero before the point, trailing zeros dropped, and the exponent
// form ("1E+15", "1.5E-05") only where the plain form would need more than 15 digits
// or the value is below 1E-4.
std::string GeneralNumberText(double value);

// The form numbers take in a text file: one blank (or "-" for a negative value), the
// general form of the magnitude, one blank.  1 gives " 1 ", -2.5 gives "-2.5 ".
std::string PrintNumberText(double value);

// Number formed by the leading numeric characters of a text (blanks, tabs and line feeds
// ignored wherever they stand, optional sign, "." decimal point, optional exponent); 0 when
// the text does not start with a number.
double NumberOfText(std::string_view text);

// Strict conversion of a whole text to a finite number (blanks around it allowed).
// Empty text, trailing garbage, "nan" and "inf" give no value.
std::optional<double> ParseNumber(std::string_view text);

} // namespace zul
