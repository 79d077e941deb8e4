#include "report/GraphValueTables.h"

#include "report/SectionSupport.h"

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

constexpr std::string_view kGraphBlock = "支持力検討グラフ";
// Template lines of the supplement wording of the graph block.
constexpr std::int32_t kCaptionFirst = 6; // 6..9: the captions of the four tables
constexpr TableLines kTableLines{10, 12, 0, 15, 1, 1};
constexpr std::int32_t kRow = 13;
constexpr std::int32_t kDesignRow = 14;
constexpr std::int32_t kBottom = 15;
constexpr std::int32_t kCut = 16;

bool Same(double a, double b) {
    return std::fabs(a - b) < 1e-9;
}

double TableValue(const clsRaTable& row, GraphValue graph) {
    switch (graph) {
    case GraphValue::RaNormal:
        return row.Ra;
    case GraphValue::RaQuake:
        return row.Rae;
    case GraphValue::PaNormal:
        return row.Pa;
    case GraphValue::PaQuake:
        return row.Pae;
    }
    return 0;
}

double DesignValue(const CZul& normal, const CZul& quake, GraphValue graph) {
    switch (graph) {
    case GraphValue::RaNormal:
        return normal.Ra();
    case GraphValue::RaQuake:
        return quake.Ra();
    case GraphValue::PaNormal:
        return normal.Pa();
    case GraphValue::PaQuake:
        return quake.Pa();
    }
    return 0;
}

bool TableCut(const basCalcMain& table) {
    for (int i = 0; i < table.ResultCount(); ++i) {
        if (static_cast<std::size_t>(table.ResultTables(i).Count()) > kMaxGraphTableLengths) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<GraphValueRow> GraphValueRows(const basCalcMain& table, const CZul& normal, const CZul& quake,
                                          GraphValue graph) {
    std::vector<GraphValueRow> rows;
    const GraphValueRow design{normal.Dp(), normal.L(), DesignValue(normal, quake, graph), true};
    bool placed = false;
    for (int i = 0; i < table.ResultCount(); ++i) {
        const double d = table.ResultDiameters(i);
        // A diameter of its own for the design pile stands before the first larger one.
        if (!placed && !Same(d, design.d) && d > design.d) {
            rows.push_back(design);
            placed = true;
        }
        std::size_t shown = 0;
        for (const clsRaTable& r : table.ResultTables(i)) {
            if (shown++ == kMaxGraphTableLengths) {
                break;
            }
            const bool isDesign = !placed && Same(d, design.d) && Same(r.L, design.length);
            if (!placed && Same(d, design.d) && r.L > design.length && !isDesign) {
                rows.push_back(design);
                placed = true;
            }
            rows.push_back({d, r.L, TableValue(r, graph), isDesign});
            placed = placed || isDesign;
        }
        if (!placed && Same(d, design.d)) {
            rows.push_back(design);
            placed = true;
        }
    }
    if (!placed) {
        rows.push_back(design);
    }
    return rows;
}

void WriteGraphValueTable(PageWriter& ps, const ReportContext& ctx, const basCalcMain& table,
                          GraphValue graph) {
    const TemplateBlock b = ReadReportBlock(ctx, kGraphBlock);
    const std::vector<GraphValueRow> rows = GraphValueRows(table, ctx.normal, ctx.quake, graph);
    // The caption stands with its table when both fit a page, else with the head and a row; a
    // table that fits a page only without its caption lets its bottom line run on instead of
    // leaving the caption behind.
    TableLines lines = kTableLines;
    const std::int32_t head = lines.headLast - lines.headFirst + 1;
    const std::int32_t rowCount = static_cast<std::int32_t>(rows.size());
    const std::int32_t withCaption = 1 + head + rowCount + 1; // caption, head, rows, bottom line
    if (withCaption > kLinesPerPage && head + rowCount <= kLinesPerPage) {
        lines.keepAfterLast = 0;
    }
    KeepTogether(ps, withCaption <= kLinesPerPage ? withCaption : 1 + head + 1);
    ps.PrintAsIs(b, kCaptionFirst + static_cast<std::int32_t>(graph));
    WritePagedTable(ps, b, lines, rowCount, [&](std::int32_t i) {
        const GraphValueRow& row = rows[static_cast<std::size_t>(i)];
        ps.PrintFmtLine(b, row.design ? kDesignRow : kRow, {row.d, row.length, row.value});
    });
    ps.PrintAsIs(b, kBottom);
    if (TableCut(table)) {
        ps.PrintFmtLine(b, kCut, {static_cast<double>(kMaxGraphTableLengths)});
    }
}

} // namespace zul
