#pragma once

#include "document/ProjectDocument.h"
#include "site/SiteTypes.h"

#include <string>
#include <vector>

namespace zul::site {

// The diameters of the base study's table that the table calculation uses, in column order.
std::vector<double> StudyTableDiameters(const ProjectDocument& doc);

// Whether a row of the table carries every given load in both cases.
bool CarriesLoads(const clsRaTable& row, const SiteLoads& loads);

// The shortest row of each table that carries the loads, one per diameter of `diameters`
// (a diameter without table has none).
std::vector<RequiredLength> RequiredLengths(const std::vector<DiameterTable>& tables,
                                            const std::vector<double>& diameters, const SiteLoads& loads);

// One borehole of a site run, as `zul-cli import-boring FILE --into BASE --out STUDY` and
// `zul-cli table STUDY` make it: the file read, imported into a copy of the base study, the
// study written to studyPath and read back, and its table calculated.  Never throws; a failure
// of any step is the result's status and reason.
BoreholeResult RunBorehole(const ProjectDocument& base, const std::string& file, const std::string& studyPath,
                           const SiteOptions& options, const std::vector<double>& diameters);

} // namespace zul::site
