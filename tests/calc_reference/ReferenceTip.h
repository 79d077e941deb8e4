#pragma once

#include "ReferenceRecords.h"

namespace zul::reference {

// Sets qd of the case from its push-in segments (already built) and its inputs: 0 for a
// friction pile, the tip layer's qd, or the automatic value of a driven pile from the design
// N-value and the embedment into the bearing layer.
void SelectTipResistance(PileCase& pile, double cosine);

} // namespace zul::reference
