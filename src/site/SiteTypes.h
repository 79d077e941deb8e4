#pragma once

// The records of a site study: one base study, many borehole files, for each borehole the study
// table of the imported study and the shortest pile length that carries the design loads.

#include "calc/colRaTabls.h"
#include "document/BoreholeImport.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zul::site {

// A design load per pile in both cases (kN).
struct DesignLoad {
    double normal = 0;
    double earthquake = 0;
};

// The loads a pile must carry; a load not given is not checked.
struct SiteLoads {
    std::optional<DesignLoad> pushIn;  // against Ra (normal) and Rae (level-1 earthquake)
    std::optional<DesignLoad> pullOut; // against Pa and Pae
};

struct SiteOptions {
    BoreholeImportOptions import;
    SiteLoads loads;
    std::string outDir;   // where the imported studies are written
    std::string baseFile; // the base study's file, never overwritten by a study of the run
    int jobs = 1;         // worker threads
};

enum class BoreholeStatus {
    Ok,      // imported and the whole table calculated
    Refused, // the import refused the borehole (such as too many layers)
    Failed,  // the file could not be read or the study not written, or the table failed
};

// "ok", "refused", "failed".
const char* StatusName(BoreholeStatus status);

// The rows of the study table that calculated for one diameter, shortest length first.
struct DiameterTable {
    double diameter = 0;
    std::vector<clsRaTable> rows;
};

// The shortest length of one diameter that carries every given load; no row when none does.
struct RequiredLength {
    double diameter = 0;
    std::optional<clsRaTable> row;
};

// What a site run made of one borehole file.
struct BoreholeResult {
    std::size_t index = 0; // place in the run (file order)
    std::string file;      // the path as taken
    std::string name;      // ボーリング名
    BoreholeStatus status = BoreholeStatus::Ok;
    std::string reason; // why it was refused or failed
    std::string study;  // the study written, empty when none
    std::optional<double> latitude;
    std::optional<double> longitude;
    std::optional<double> ground; // ground surface elevation of the imported study
    std::optional<double> water;  // water level elevation of the imported study
    std::size_t layers = 0;       // layers and N values imported
    std::size_t points = 0;
    std::vector<RequiredLength> required; // one per diameter of the base study's table
    std::vector<std::string> notes;       // import notes, then the table notes at each required length
    std::vector<DiameterTable> tables;    // what calculated of the study table
};

} // namespace zul::site
