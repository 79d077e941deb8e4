#pragma once

// The values behind the study graphs (a supplement of the graph report): per graph a table of
// pile length against the allowable capacity, diameter by diameter, with the study's own pile
// marked as the design pile.

#include "calc/basCalcMain.h"
#include "report/PageWriter.h"
#include "report/ReportSections.h"

#include <cstddef>
#include <vector>

namespace zul {

// The graphs in the order of the graph report: Ra normal, Ra earthquake, Pa normal, Pa earthquake.
enum class GraphValue { RaNormal, RaQuake, PaNormal, PaQuake };

// Most lengths a table shows per diameter; a longer study table shows its first lengths and says so.
inline constexpr std::size_t kMaxGraphTableLengths = 1000;

struct GraphValueRow {
    double d = 0;
    double length = 0;
    double value = 0;
    bool design = false; // the study's own pile
};

// The rows of one graph's table: the table's rows diameter by diameter (at most
// kMaxGraphTableLengths each), the design pile's row marked when the table holds its diameter
// and length, otherwise its own row, calculated, added in order of diameter and length.
std::vector<GraphValueRow> GraphValueRows(const basCalcMain& table, const CZul& normal, const CZul& quake,
                                          GraphValue graph);

// The table of graph (its caption, head and rows over pages) after the graphs of its capacity;
// nothing with the supplements off or without a study table.
void WriteGraphValueTable(PageWriter& ps, const ReportContext& ctx, const basCalcMain& table,
                          GraphValue graph);

} // namespace zul
