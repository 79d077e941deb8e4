#pragma once

#include "calc/CZul.h"
#include "document/ProjectDocument.h"

#include <string>
#include <vector>

namespace zul {

// Notes on entered values that the calculation takes as they are but that are seldom meant:
// a safety factor below 1 (the allowable value then exceeds the ultimate one) and a layer of
// thickness 0 (it adds nothing to the ground).  Empty when there is nothing to say.
std::vector<std::string> EnteredValueNotes(const ProjectDocument& doc, const CZul& normal, const CZul& quake);

} // namespace zul
