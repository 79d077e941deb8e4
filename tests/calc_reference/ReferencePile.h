#pragma once

#include "ReferenceRecords.h"

namespace zul::reference {

// Runs the whole calculation of one pile in one design case: pile tip, pile weight, push-in
// segments, tip resistance, Ru and Ra, pull-out segments (with the blade resistance of a
// rotary press-in pile), Pu and Pa.  Throws CalcFailure where the calculation cannot go on;
// what was computed until then stays in the case.
void RunPileCase(PileCase& pile);

// Blade pull-out coefficient for an angle of internal friction in whole degrees.
double BladeCoefficient(double fai);

} // namespace zul::reference
