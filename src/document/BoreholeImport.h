#pragma once

#include "document/BoreholeRecord.h"
#include "document/BoreholeSource.h"
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
    std::optional<int> waterRecord; // 1-based water record in file order; none: chosen by the rules
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
    std::optional<double> blows;         // of the test, as read
    std::optional<double> penetrationCm; // of the test, as read
    NPointFlag flag = NPointFlag::None;
};

enum class ImportFailure {
    None,
    Options,  // a choice does not fit the file (such as a water record that does not exist)
    Borehole, // the borehole cannot be imported (no layer, too many layers, a value the screens refuse)
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
    bool localDatum = false;           // the hole top lies outside the screens' range: it is the level 0.000
    bool keepDesignLevels = false;
    bool keepPileHead = false;
    std::vector<std::string> notes;
    // What the study keeps of the borehole; its notes are filled when the plan is applied.
    BoreholeSource source;
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

// The same for a study: the plan fails (ImportFailure::Borehole) when the levels it would give
// that study (the pile head moved with the ground, the water level) lie outside the screens'
// range of -999.999 to 999.999 m.
BoreholeImportPlan PlanBoreholeImport(const BoreholeRecord& record, const BoreholeImportOptions& options,
                                      const ProjectDocument& study);

// Why the plan cannot be applied to this study (a level outside the screens' range), empty when
// it can.
std::string ImportRefusalForStudy(const BoreholeImportPlan& plan, const ProjectDocument& study);

// Fills the document from a plan that succeeded: the layers and N values replaced whole, the
// ground surface, the water level, (unless kept) the design ground levels and the pile head, and
// the borehole source with every note (the move of the pile head among them); the document
// counts as edited and its study graph as no longer made.  A failed plan, or one the study
// refuses (ImportRefusalForStudy), changes nothing.  The water level of a borehole without hole
// top elevation is taken from the study's ground surface.  Returns whether the document was
// changed.
bool ApplyBoreholeImport(const BoreholeImportPlan& plan, ProjectDocument& doc);

// The note on the pile head that applying the plan to `doc` gives: moved from what to what, or
// kept although the ground surface moved; none when the ground surface stays.
std::optional<std::string> PileHeadNote(const BoreholeImportPlan& plan, const ProjectDocument& doc);

// The title a new study takes from its borehole: the borehole name, or the file name without its
// extension when the name is empty, under the rules of the conditions screen's title: at most 40
// characters, a double quote as "＂"; a character the study file cannot hold becomes "?".
std::string StudyTitleOfBorehole(const BoreholeRecord& record);

// The pile head elevation ELPU after the plan is applied to `doc`: it moves with the ground
// surface (ELPU + G1 - G0, G0 empty counting as 0, rounded half up to 3 decimals) so that the pile
// keeps its depth below the ground; none when it stays (no new ground surface, kept, failed plan).
std::optional<double> PileHeadAfterImport(const BoreholeImportPlan& plan, const ProjectDocument& doc);

// The unit weight above the water γs (kN/m3) of a layer of this kind and N value.
double StandardUnitWeight(std::int32_t kind, double n);

} // namespace zul
