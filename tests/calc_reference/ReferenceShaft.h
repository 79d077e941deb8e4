#pragma once

#include "ReferenceRecords.h"

#include <vector>

namespace zul::reference {

// Which list of shaft segments is built: they differ in the inclination used and in the
// no-friction zone above the blades of a rotary press-in pile.
enum class ShaftUse {
    PushIn,     // push-in list: inclined, zone of one blade diameter
    PullOut,    // pull-out list: inclined, zone of 2.5 blade diameters at most the last segment
    Overburden, // overburden pressure: vertical, no zone
};

// The shaft segments of the pile between the elevations top and bottom, cut at the layer
// boundaries and the water level, with axial lengths set and the no-friction zone marked.
// Ws and LiFi are left 0.
std::vector<Segment> BuildShaft(const PileCase& pile, double top, double bottom, ShaftUse use);

// Cuts the segment that strictly contains elevation el (more than a millimetre from both of
// its ends) into an upper and a lower part.
void CutShaftAt(std::vector<Segment>& segments, double el);

} // namespace zul::reference
