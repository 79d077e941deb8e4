#pragma once

#include "document/ProjectDocument.h"

#include <cstdint>

namespace zul::reference {

// Builds a study case from a seed: the same seed always gives the same document.  Most
// documents are physically plausible piles in layered ground; a share of them is nasty on
// purpose (tips on layer boundaries, piles above the ground, water above the ground or
// below everything, duplicate N depths, zero safety factors or diameters, steep or
// impossible inclinations, cells holding texts, odd table steps).
ProjectDocument GenerateDocument(std::uint64_t seed);

} // namespace zul::reference
