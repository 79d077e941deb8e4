#pragma once

#include "render/GraphData.h"

#include <vector>

namespace zul {

class basCalcMain;

// The results table of the last table calculation as graph tables: ResultCount used diameters
// in their order, each with its rows in row order.
std::vector<GraphTable> GraphTablesOf(const basCalcMain& calc);

} // namespace zul
