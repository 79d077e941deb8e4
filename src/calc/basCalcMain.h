#pragma once

#include "calc/CZul.h"
#include "calc/PlausibilityNotes.h"
#include "calc/colRaTabls.h"
#include "document/ProjectDocument.h"

#include <array>
#include <memory>
#include <vector>

namespace zul {

// The calculation driver: turns the project document into the normal-case and the level-1
// earthquake-case calculation objects and runs them, once for the pile of the conditions
// (CalcRa) or over the table of pile lengths and diameters (CalcRaTable).  It keeps the
// results for the screens and reports that read them afterwards.
// Receives the rows of a table calculation as they are calculated, instead of their being kept.
class TableRowSink {
public:
    virtual ~TableRowSink() = default;
    // A used diameter begins: its place (0..9) and value (m); its rows follow.
    virtual void Diameter(int place, double d) = 0;
    virtual void Row(const clsRaTable& row) = 0;
};

class basCalcMain {
public:
    basCalcMain();

    // Single-pile calculation of both cases; false on any calculation error.
    bool CalcRa(const ProjectDocument& doc);
    // Table calculation over lengths and diameters; false on any calculation error (the rows
    // stored so far stay).
    bool CalcRaTable(const ProjectDocument& doc);
    // The same, with every row handed to sink as it is calculated and not kept: ResultTables
    // stay empty, ResultCount, ResultDiameters and ResultNotes are as after CalcRaTable.
    bool CalcRaTable(const ProjectDocument& doc, TableRowSink& sink);

    // The calculation pair of the last CalcRa: index 0 normal case, 1 level-1 earthquake case.
    const CZul& CalcPair(int index) const;

    // The results table of the last CalcRaTable: ResultCount used diameters (0..10), their
    // values in ResultDiameters (m) and one collection of rows per used diameter.  Places
    // outside 0..9 read as 0 and as an empty collection.
    int ResultCount() const { return resultCount_; }
    double ResultDiameters(int index) const;
    const colRaTabls& ResultTables(int index) const;
    // The plausibility notes of the results table, per used diameter in the same places: for
    // each note the lengths at which it holds.  Places outside 0..9 read as no notes.
    const std::vector<TableNote>& ResultNotes(int index) const;

    // Most lengths one table calculation computes per diameter; a longer table fails as a
    // calculation error instead of running for hours.
    static constexpr double kMaxTableLengths = 100000;

private:
    // Fills obj from the document for case 1 (normal) or 2 (level-1 earthquake).
    static void SetCalcInput(const ProjectDocument& doc, int calcCase, CZul& obj);
    void RunTable(const ProjectDocument& doc, TableRowSink* sink);

    std::array<std::unique_ptr<CZul>, 2> pair_;
    std::array<std::unique_ptr<colRaTabls>, 10> tables_;
    std::array<std::vector<TableNote>, 10> notes_;
    std::array<double, 10> diameters_{};
    int resultCount_ = 0;
};

} // namespace zul
