#pragma once

#include "ReferenceRecords.h"
#include "document/ProjectDocument.h"

#include <array>
#include <vector>

namespace zul::reference {

// Design case of a pile: the normal case (1) and the level-1 earthquake case (2).
enum class DesignCase { Normal = 1, Earthquake = 2 };

// Fills a fresh pile case from the document for one design case.  Throws CalcFailure when a
// cell that is read holds no number.
PileCase CaseFromDocument(const ProjectDocument& doc, DesignCase designCase);

// The single-pile calculation of both design cases.
struct SingleResult {
    bool ok = false;
    std::array<PileCase, 2> pair; // 0 normal, 1 earthquake
};
SingleResult CalculateSingle(const ProjectDocument& doc);

// The table calculation over the lengths and the used diameters.
struct TableResult {
    bool ok = false;
    int count = 0;
    std::array<double, 10> diameters{};
    std::array<std::vector<TableRow>, 10> rows;
};
TableResult CalculateTable(const ProjectDocument& doc);

} // namespace zul::reference
