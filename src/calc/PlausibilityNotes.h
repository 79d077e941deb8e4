#pragma once

// Plausibility notes: after a successful calculation, short Japanese sentences that tell the
// engineer where a result rests on missing or doubtful data (the pile tip below the deepest N
// value, no tip resistance, the tip below the ground layers or above the design ground
// surface), with the numbers and what to check.  The notes only read the calculation; they
// never change a value, a file or a report.

#include "calc/CZul.h"
#include "document/ProjectDocument.h"

#include <string>
#include <vector>

namespace zul {

// What a note is about.
enum class NoteKind {
    TipBelowDeepestN, // automatic tip: the tip lies below the deepest N value, which the
                      // evaluation still reaches over part of the four diameters
    NoNValueAtTip,    // automatic tip: the tip lies below the deepest N value and no N value is
                      // left for the evaluation, so the tip resistance is 0
    TooFewNValues,    // automatic tip with fewer than two N values: the tip resistance is 0
    NoTipResistance,  // an end-bearing pile without tip resistance, for another reason
    TipBelowLayers,   // the tip lies below the bottom of the deepest ground layer
    TipAboveGround,   // the tip lies at or above the design ground surface of a case
};

// One condition found, with the numbers its sentence states.  Depths are measured down from
// the top of the first ground layer, as the N values are entered; elevations are positive
// upward.
struct PlausibilityFinding {
    NoteKind kind = NoteKind::TipBelowDeepestN;
    double tipDepth = 0;
    double tipElevation = 0;
    double deepestNDepth = 0;  // TipBelowDeepestN, NoNValueAtTip
    int nCount = 0;            // TooFewNValues
    bool automaticTip = false; // NoTipResistance: from the automatic value, else the tip layer's
    int tipLayer = 0;          // NoTipResistance with the entered value: the layer at the tip
    double designN = 0;        // NoTipResistance automatic: NN and qd / N
    double ratioQdN = 0;
    double layerBottom = 0;   // TipBelowLayers: bottom elevation of the deepest layer
    bool aboveNormal = false; // TipAboveGround: which design ground surfaces, and their levels
    bool aboveQuake = false;
    double groundNormal = 0;
    double groundQuake = 0;

    bool operator==(const PlausibilityFinding&) const = default;
};

// The conditions of one study.  Made once per document and calculation input (what does not
// change with the pile length and diameter is read here), then asked once per calculation.
class PlausibilityCheck {
public:
    // normal: a calculation object filled from doc (its ground layers and N values are read).
    PlausibilityCheck(const ProjectDocument& doc, const CZul& normal);

    // The conditions that hold after a successful CalcPaRa of the normal-case and the
    // earthquake-case object, in the order of NoteKind; findings is cleared first.
    void Find(const CZul& normal, const CZul& quake, std::vector<PlausibilityFinding>& findings) const;

private:
    bool automaticTip_ = false;
    bool endBearing_ = false;
    int nCount_ = 0;
    double deepestN_ = 0;
    bool hasLayers_ = false;
    double groundTop_ = 0;
    double layerBottom_ = 0;
};

// The sentence of a finding.
std::string NoteText(const PlausibilityFinding& finding);

// The notes on the calculation pair of a successful CalcRa of doc (normal case, level-1
// earthquake case): the findings above, then the notes on the bearing layer and the entered
// ground values (LayerValueNotes) and the edits after a borehole import; empty for an ordinary
// study.
std::vector<std::string> PlausibilityNotes(const ProjectDocument& doc, const CZul& normal, const CZul& quake);

// A note over the pile lengths of one diameter of the study table.
struct TableNote {
    NoteKind kind = NoteKind::TipBelowDeepestN;
    double firstLength = 0;         // first length of the table at which it holds
    double lastLength = 0;          // last length at which it holds
    bool toTableEnd = false;        // it holds at the last length of the table
    bool everyLengthBetween = true; // it holds at every length from the first to the last
    std::string text;               // the note at the first length

    bool operator==(const TableNote&) const = default;
};

// Gathers the table notes of one diameter, row by row, as the table calculation runs.
class TableNoteCollector {
public:
    TableNoteCollector(const ProjectDocument& doc, const CZul& normal) : check_(doc, normal) {}

    // Starts a diameter: the notes gathered so far are dropped.
    void Begin();
    // The row of one pile length, after both objects have run.
    void Row(double length, const CZul& normal, const CZul& quake);
    // Ends the diameter and hands out its notes, in the order they first held.
    std::vector<TableNote> End();

private:
    struct Seen {
        TableNote note;
        long lastRow = 0;
    };
    PlausibilityCheck check_;
    std::vector<PlausibilityFinding> findings_;
    std::vector<Seen> seen_;
    long row_ = -1;
};

// "杭径φ 0.800 m、杭長 21.0 m 以上：" followed by the note: one line of the table notes.  With
// several diameters, for a note that holds alike for each: "杭径φ 0.800・1.000 m、…".
std::string TableNoteLine(const std::vector<double>& diameters, const TableNote& note);

} // namespace zul
