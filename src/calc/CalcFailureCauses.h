#pragma once

#include "document/ProjectDocument.h"

#include <string>
#include <vector>

namespace zul {

// The two calculations of the driver: the pile of the conditions (CalcRa) and the study table
// of lengths and diameters (CalcRaTable).
enum class CalcRun { Single, Table };

// For a calculation of the document that failed: the inputs known to make it fail, each named
// as the input screens name it, in one sentence for the user (UTF-8), in the order the
// calculation reads them.  The known causes are a text that is no number in a cell the
// calculation reads, an empty ground layer table, a safety factor of 0, and in the study table
// a step that rounds to 0, more lengths than the driver computes and a first length of 0 or
// less that cannot be calculated.  Empty when none of them is present.
std::vector<std::string> FindCalcFailureCauses(const ProjectDocument& doc, CalcRun run);

// The levels, N depths, design length and pile head level beyond the range their screen takes
// (such values come from a file), one sentence each; empty when all are within range.
std::vector<std::string> InputsBeyondTheirRange(const ProjectDocument& doc);

// Why a study table that calculated has no row: a first length above the last one, or a step
// of 0 or less; empty when rows were to be expected.
std::string EmptyTableReason(const ProjectDocument& doc);

} // namespace zul
