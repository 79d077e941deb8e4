#pragma once

#include "ui/input/GridCellType.h"

#include <QString>

namespace zul {

// What a grid says when a paste cannot be applied whole.  Rows and columns count from 1 as the
// grid shows them; the second line gives the range as the range messages of the fields do.

// A pasted value the cell cannot take (out of its range, not a number, not one of its entries).
QString PastedValueMessage(int row, const QString& columnHeader, const QString& text,
                           const GridCellType& cellType);

// A paste of rowCount rows from firstRow that would reach past the row limit.
QString PastedRowsMessage(int firstRow, int rowCount, int rowLimit);

// A pasted value that would land right of the last column.
QString PastedColumnsMessage(int row, int column, const QString& text, int columnCount);

} // namespace zul
