#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zul {

// Tab-separated text of a block of cells, as spreadsheets put it on the clipboard: cells
// separated by tabs, rows ended by a line end.
QString BlockToClipboardText(const std::vector<QStringList>& rows);

// The rows of cells of a clipboard text: lines ended by LF or CR LF (a last line end adds no
// row), cells separated by tabs.
std::vector<QStringList> ClipboardTextToBlock(const QString& text);

} // namespace zul
