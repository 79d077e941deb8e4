#include "render/GraphFromResults.h"

#include "calc/basCalcMain.h"

#include <algorithm>

namespace zul {

std::vector<GraphTable> GraphTablesOf(const basCalcMain& calc) {
    std::vector<GraphTable> tables;
    const int count = std::clamp(calc.ResultCount(), 0, 10);
    tables.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        GraphTable table;
        table.diameter = calc.ResultDiameters(i);
        const colRaTabls& rows = calc.ResultTables(i); // an absent collection reads as empty
        for (const clsRaTable& row : rows) {
            table.rows.push_back({row.L, row.Ra, row.Pa, row.Rae, row.Pae});
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

} // namespace zul
