#include "ui/input/GridMessages.h"

namespace zul {

QString PastedValueMessage(int row, const QString& columnHeader, const QString& text,
                           const GridCellType& cellType) {
    return QStringLiteral("%1行目「%2」の値「%3」は貼り付けできません。\n").arg(row).arg(columnHeader, text) +
           CellRangeMessage(cellType);
}

QString PastedRowsMessage(int firstRow, int rowCount, int rowLimit) {
    return QStringLiteral("%1行目から%2行を貼り付けると%3行目までとなり，行数の上限を超えます。\n")
               .arg(firstRow)
               .arg(rowCount)
               .arg(firstRow + rowCount - 1) +
           QStringLiteral("入力範囲：1 ～ %1行目").arg(rowLimit);
}

QString PastedColumnsMessage(int row, int column, const QString& text, int columnCount) {
    return QStringLiteral("%1行目%2列目の値「%3」は貼り付けできません。\n").arg(row).arg(column).arg(text) +
           QStringLiteral("入力範囲：1 ～ %1列目").arg(columnCount);
}

} // namespace zul
