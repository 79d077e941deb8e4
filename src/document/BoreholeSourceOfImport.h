#pragma once

#include "document/BoreholeImport.h"

#include <vector>

namespace zul {

// What the study keeps of an import: the file and survey as read, the import date and options,
// the water record used, the layers and N values as imported with the names and tests they
// came from, and the tests that gave no N value.  The notes are left to the caller.
BoreholeSource SourceOfImport(const BoreholeRecord& record, const BoreholeImportOptions& options,
                              const BoreholeImportPlan& plan, std::vector<SourceTest> dropped);

// The options of an import in words: "取込み深さ 20 m，N 値の深度 試験区間の中央，…".
std::string ImportOptionsWords(const BoreholeImportOptions& options);

} // namespace zul
