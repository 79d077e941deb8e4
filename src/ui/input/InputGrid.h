#pragma once

#include "ui/input/GridModel.h"

#include <QPersistentModelIndex>
#include <QRect>
#include <QTableView>

#include <functional>

namespace zul {

// The editing grid of the ground layer and N value screens (vaSpread1): typed cells, an
// active cell, block selection, Cut / Copy / Paste through the system clipboard as
// tab-separated text, and Add / Insert / Delete of rows up to a row limit.  A typed entry the
// cell refuses gets the range message and stays in the cell's editor to be corrected; a paste
// adds the rows it needs and is applied whole or not at all.  It tells the
// status line the entry hint of the cell the cursor is on, and the Edit commands whether
// Add and Insert are available.
class GridDelegate;

class InputGrid : public QTableView {
    Q_OBJECT
public:
    explicit InputGrid(QWidget* parent = nullptr);

    GridModel* grid() const { return model_; }

    int recMax() const { return recMax_; }
    void setRecMax(int rows) { recMax_ = rows; }
    // Gives a row made by Add or Insert its cell kinds, ranges and start values.
    void setRowInitializer(std::function<void(int row)> initializer) {
        initializer_ = std::move(initializer);
    }

    int activeRow() const { return currentIndex().row(); }
    int activeColumn() const { return currentIndex().column(); }
    // Moves the cursor without selecting a block.
    void setActiveCell(int row, int column);
    // The selected block, or an empty rectangle when none (x: columns, y: rows).
    QRect selectedBlock() const;

    // Ends an edit still open in a cell, keeping what was typed.  False when the cell refuses
    // the entry: the cell is unchanged, and the user is told its range and taken back to the
    // entry to correct it.
    bool commitPendingEdit();

public slots:
    void cut();
    void copy();
    void paste();
    void addRow();
    void insertRow();
    void deleteRow();

signals:
    void hintChanged(const QString& hint);
    void addInsertAvailable(bool available);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The block Cut and Copy work on: the selection, else the active cell alone.
    QRect workingBlock() const;
    void copyBlock(const QRect& block);
    QString columnHeader(int column) const;
    // Reports a refused paste: beep and message, the grid unchanged.
    void refusePaste(const QString& text, const QString& title);
    // The range message of a refused typed entry, then its editor again with the text as typed.
    void reportRefusedEntry();
    void showHint(const QModelIndex& cell);
    void afterRowAdded(int row);

    GridModel* model_;
    GridDelegate* delegate_;
    QPersistentModelIndex refusedCell_;
    QString refusedText_;
    int recMax_ = 0;
    std::function<void(int row)> initializer_;
};

} // namespace zul
