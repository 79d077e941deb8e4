#pragma once

#include "calc/CZul.h"

#include <optional>
#include <string>

namespace zul {

// The note on a pile whose self-weight the study takes into account (in Ra or in Pa) while
// its unit weights make it 0 (γp1 = γp2 = 0, as a new study has them): the self-weight then
// changes nothing, which is seldom what was meant.  None otherwise.
std::optional<std::string> PileWeightNote(const CZul& normal);

} // namespace zul
