#pragma once

#include <QString>
#include <QStringList>

namespace zul {

// What a grid cell accepts.  The grids of the input screens use list cells (a fixed list of
// entries, no free typing, stored as the entry's index) and decimal cells (bounds, decimals,
// "." decimal point, "," digit grouping, right-aligned).  The other kinds exist for the entry
// hint only.
struct GridCellType {
    enum class Kind { List, Decimal, WholeNumber, Text, Date, Other };

    Kind kind = Kind::Decimal;
    double min = 0.0;
    double max = 0.0;
    int decimals = 0;
    QStringList entries; // list cells
    int maxLength = 0;   // text cells

    static GridCellType List(const QStringList& entries) {
        GridCellType cellType;
        cellType.kind = Kind::List;
        cellType.entries = entries;
        return cellType;
    }
    static GridCellType Decimal(double min, double max, int decimals) {
        GridCellType cellType;
        cellType.kind = Kind::Decimal;
        cellType.min = min;
        cellType.max = max;
        cellType.decimals = decimals;
        return cellType;
    }

    bool operator==(const GridCellType&) const = default;
};

// A number as a decimal cell shows it: its decimals, "," digit grouping.
QString FormatCellNumber(const GridCellType& cellType, double value);

// The range message of a cell, worded as the number fields word theirs: "入力範囲：", the
// minimum and the maximum as the cell shows numbers, joined by " ～ "; for a list cell its
// entries.
QString CellRangeMessage(const GridCellType& cellType);

// The entry hint of a cell as the status line shows it (ShowCellHint): "入力範囲：" and the
// bounds in the general number form joined by "～", or the list hint; empty for other kinds.
QString CellHintText(const GridCellType& cellType);

} // namespace zul
