#pragma once

#include "document/BoreholeRecord.h"
#include "document/ProjectDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zul {

// Where the depth of an N value lies in its test: the middle of the driven length, or its start.
enum class NDepthReference { Middle, Start };

// The choices of an import.
struct BoreholeImportOptions {
    std::optional<double> maxDepth; // import depth limit, m below the hole top
    NDepthReference nDepth = NDepthReference::Middle;
    std::optional<double> nCap;     // upper bound of the N values below 100
    std::optional<int> waterRecord; // 1-based water record in file order; none: the last usable
    bool keepDesignLevels = false;  // keep the design ground levels of the study
    bool keepPileHead = false;      // keep the pile head elevation when the ground surface moves
    // Layer kinds the engineer chose, by row of the imported layers (0-based); an empty entry
    // keeps the kind read from the name.
    std::vector<std::optional<std::int32_t>> kindChoices;
};

// A layer as it is imported.
struct ImportedLayer {
    double top = 0;    // m below the hole top
    double bottom = 0; // m below the hole top (cut at the depth limit)
    double thickness = 0;
    std::int32_t kind = 0;
    bool unclassified = false;      // the name told no kind: sandy soil, for the engineer to decide
    bool kindChosen = false;        // the engineer chose the kind
    std::vector<std::string> names; // the names of the log, several when layers were merged
    double n = 0;
    double gammaAbove = 0;
    double gammaBelow = 0;
    double f = 0;
    double qd = 0;
    double de = 1;
};

struct ImportedPoint {
    double depth = 0; // m below the hole top
    double n = 0;
};

enum class ImportFailure {
    None,
    Options,  // a choice does not fit the file (such as a water record that does not exist)
    Borehole, // the borehole cannot be imported (no layer, too many layers)
};

// What an import makes of a borehole for a study, before anything is changed.
struct BoreholeImportPlan {
    ImportFailure failure = ImportFailure::None;
    std::string message; // why it failed
    std::vector<ImportedLayer> layers;
    std::vector<ImportedPoint> points;
    std::optional<double> groundLevel; // the new ground surface elevation (none: unchanged)
    std::optional<double> waterDepth;  // depth of the chosen water record (none: unchanged)
    int waterRecord = 0;               // 1-based record used, 0 none
    std::optional<double> elevation;   // of the hole top, as read
    bool keepDesignLevels = false;
    bool keepPileHead = false;
    std::vector<std::string> notes;
    // Refused for too many layers: the depth limit under which they fit, and the layers merged
    // by kind (for a log of the whole borehole).
    std::optional<double> fittingDepth;
    std::vector<ImportedLayer> refusedLayers;

    bool ok() const { return failure == ImportFailure::None; }
};

// Applies the import rules to a borehole for a study with construction method `method`: layers
// with their kinds and standard values, the N values and the levels, with notes.
BoreholeImportPlan PlanBoreholeImport(const BoreholeRecord& record, const BoreholeImportOptions& options,
                                      std::int32_t method);

// Fills the document from a plan that succeeded: the layers and N values replaced whole, the
// ground surface, the water level and (unless kept) the design ground levels; the document
// counts as edited and its study graph as no longer made.  A failed plan changes nothing.
// The water level of a borehole without hole top elevation is taken from the study's ground
// surface.  Returns whether the document was changed.
bool ApplyBoreholeImport(const BoreholeImportPlan& plan, ProjectDocument& doc);

// The pile head elevation ELPU after the plan is applied to `doc`: it moves with the ground
// surface (ELPU + G1 - G0, G0 empty counting as 0, rounded half up to 3 decimals) so that the pile
// keeps its depth below the ground; none when it stays (no new ground surface, kept, failed plan).
std::optional<double> PileHeadAfterImport(const BoreholeImportPlan& plan, const ProjectDocument& doc);

// The unit weight above the water γs (kN/m3) of a layer of this kind and N value.
double StandardUnitWeight(std::int32_t kind, double n);

} // namespace zul
