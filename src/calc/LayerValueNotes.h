#pragma once

// Notes on the ground values a calculation rests on: a bearing layer of an end-bearing pile
// whose N value is low for its kind, and an entered tip resistance qd or skin friction f above
// the standard value the ground screen proposes ("ﾃﾞﾌｫﾙﾄ値") for the layer's kind, N value and
// the study's construction method.  Only values the calculation uses are looked at.

#include "calc/CZul.h"
#include "document/ProjectDocument.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zul {

// Lowest N value of a bearing layer: 30 for sandy soil and gravel, 20 for cohesive soil.
double BearingLayerMinimumN(std::int32_t kind);

// The layer (1-based) in which the pile tip lies: its top above the tip, its bottom at or below
// it, so that a tip on a boundary belongs to the layer above; 0 when the tip lies in no layer.
std::int32_t TipLayerNumber(const CZul& z);

// The notes on normal, a calculation object of doc after a successful calculation, in the order
// bearing layer, tip resistance, skin friction (one per layer); empty when none holds.
std::vector<std::string> LayerValueNotes(const ProjectDocument& doc, const CZul& normal);

} // namespace zul
