#pragma once

#include "document/CInpJyoken.h"

#include <QPointF>
#include <QString>

#include <array>
#include <vector>

namespace zul {

// The four study graphs: normal push-in, normal pull-out, level-1 earthquake push-in and
// level-1 earthquake pull-out capacity against pile length.
struct GraphKind {
    int number;         // 1..4
    const char* tabKey; // "Tab1".."Tab4"
    const char* tabCaption;
    const char* valueTitle; // title of the capacity axis
    const char* fileName;   // metafile name in the program folder
};

inline constexpr int kGraphCount = 4;

// Graph 1..4; any other number yields graph 1.
const GraphKind& GraphKindOf(int graphNumber);

// The tabs in the order the screen saves them when it closes: "Tab1", "Tab3", "Tab2", "Tab4".
const std::array<int, kGraphCount>& GraphSaveOrder();

// One row of a results table: pile length and the four allowable capacities, kN per pile.
struct GraphRow {
    double L = 0;
    double Ra = 0;
    double Pa = 0;
    double Rae = 0;
    double Pae = 0;
};

// The rows of one used pile diameter (m), in row order.
struct GraphTable {
    double diameter = 0;
    std::vector<GraphRow> rows;
};

struct GraphSeries {
    QString label;               // "φ800mm"
    std::vector<QPointF> points; // x = capacity (kN/本), y = pile length (m)
};

// Everything a graph shows.
struct GraphData {
    QString header;
    QString xTitle;
    QString yTitle;
    std::vector<GraphSeries> series;
};

// Header of every graph: title, a full-width space, the construction method and the pile kind;
// only the method and the kind when the title is empty.
QString GraphHeaderText(const CInpJyoken& conditions);

// Legend label of a pile diameter in metres: "φ" and the whole millimetres, e.g. "φ800mm".
QString DiameterLabel(double diameter);

// The capacity a graph plots from one row.
double GraphValue(const GraphRow& row, int graphNumber);

// One series per table, in table order, one point per row in row order.
GraphData BuildGraphData(const CInpJyoken& conditions, const std::vector<GraphTable>& tables,
                         int graphNumber);

} // namespace zul
