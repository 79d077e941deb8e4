#pragma once

#include "ui/input/GridCellType.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <optional>
#include <vector>

namespace zul {

// The cells of an input grid: each cell has its own settings (rows made by Add and Insert may
// differ from the rows present when the screen opened) and a value or none.  A list cell's
// value is the index of its entry.  Rows and columns are 0-based here.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    // Column headers and the column settings that rows get when the row count grows.
    void setColumns(const QStringList& headers, const std::vector<GridCellType>& columnTypes);
    const std::vector<GridCellType>& columnTypes() const { return columnTypes_; }

    int rows() const { return static_cast<int>(cells_.size()); }
    int columns() const { return static_cast<int>(columnTypes_.size()); }
    // Grows (new rows with the column settings, empty) or shrinks the grid.
    void setRows(int count);
    void insertRowAt(int row);
    void removeRowAt(int row);
    // Reorders whole rows by the number of one column, ascending; equal keys keep their order.
    void sortRowsBy(int column);

    const GridCellType& cellType(int row, int column) const;
    void setCellType(int row, int column, const GridCellType& cellType);
    std::optional<double> value(int row, int column) const;
    // Puts a value in without the range check (loading, standard values).
    void setValue(int row, int column, std::optional<double> value);

    // The cell's value as text: the general number form (a list cell: its index), empty when
    // the cell is empty.
    QString valueText(int row, int column) const;
    // What the cell shows: a decimal with its decimals and digit grouping, a list entry.
    QString displayText(int row, int column) const;
    // The text the clipboard gets: a list entry or the plain general number form.
    QString clipboardText(int row, int column) const;

    // An entry typed or pasted into the cell; false (cell unchanged) when the cell refuses it.
    // A decimal cell takes a number (digit grouping allowed) rounded to its decimals within
    // its bounds; a list cell one of its entries or an entry index; an empty text empties it.
    bool enterText(int row, int column, const QString& text);

    // Every row and cell as they are now, to be put back when a change cannot be completed.
    struct Snapshot;
    Snapshot snapshot() const;
    void restore(const Snapshot& saved);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Cell {
        GridCellType cellType;
        std::optional<double> value;
    };
    std::vector<Cell> newRow() const;
    void changedRow(int row);

    QStringList headers_;
    std::vector<GridCellType> columnTypes_;
    std::vector<std::vector<Cell>> cells_;

public:
    struct Snapshot {
        std::vector<std::vector<Cell>> cells;
    };
};

} // namespace zul
