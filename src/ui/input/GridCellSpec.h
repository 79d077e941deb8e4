#pragma once

#include <QString>
#include <QStringList>

namespace zul {

// What a grid cell accepts.  The grids of the input screens use list cells (a fixed list of
// entries, no free typing, stored as the entry's index) and decimal cells (bounds, decimals,
// "." decimal point, "," digit grouping, right-aligned).  The other kinds exist for the entry
// hint only.
struct GridCellSpec {
    enum class Kind { List, Decimal, WholeNumber, Text, Date, Other };

    Kind kind = Kind::Decimal;
    double min = 0.0;
    double max = 0.0;
    int decimals = 0;
    QStringList entries; // list cells
    int maxLength = 0;   // text cells

    static GridCellSpec List(const QStringList& entries) {
        GridCellSpec spec;
        spec.kind = Kind::List;
        spec.entries = entries;
        return spec;
    }
    static GridCellSpec Decimal(double min, double max, int decimals) {
        GridCellSpec spec;
        spec.kind = Kind::Decimal;
        spec.min = min;
        spec.max = max;
        spec.decimals = decimals;
        return spec;
    }

    bool operator==(const GridCellSpec&) const = default;
};

// The entry hint of a cell as the status line shows it (ShowCellHint): "入力範囲：" and the
// bounds in the general number form joined by "～", or the list hint; empty for other kinds.
QString CellHintText(const GridCellSpec& spec);

} // namespace zul
