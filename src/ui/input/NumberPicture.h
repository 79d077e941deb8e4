#pragma once

#include <string_view>

namespace zul {

// Number of decimals a picture format shows: the digit places after the point of its first
// section ("#0.000" gives 3, "+##0.000;-##0.000" 3, "#0" 0).
int PictureDecimals(std::string_view picture);

} // namespace zul
