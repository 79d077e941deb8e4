#pragma once

#include "calc/CZul.h"
#include "document/ProjectDocument.h"

#include <string>
#include <vector>

namespace zul {

// Notes on entered values that the calculation takes as they are but that are seldom meant:
// a safety factor below 1 (the allowable value then exceeds the ultimate one) or below 0 (it
// turns the sign), a layer of thickness 0 (it adds nothing to the ground), and rows left at
// the values a row added on the screen starts with, and a level, depth or length beyond the
// range its screen takes.  Empty when there is nothing to say.
std::vector<std::string> EnteredValueNotes(const ProjectDocument& doc, const CZul& normal, const CZul& quake);

} // namespace zul
