#include "ui/input/InputGrid.h"

#include "ui/UiServices.h"
#include "ui/input/GridClipboard.h"
#include "ui/input/GridDelegate.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace zul {

InputGrid::InputGrid(QWidget* parent) : QTableView(parent), model_(new GridModel(this)) {
    setModel(model_);
    setItemDelegate(new GridDelegate(this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setTabKeyNavigation(true);
}

void InputGrid::setActiveCell(int row, int column) {
    if (row < 0 || column < 0 || row >= model_->rows() || column >= model_->columns()) {
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(row, column), QItemSelectionModel::Clear);
}

QRect InputGrid::selectedBlock() const {
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    if (cells.isEmpty()) {
        return {};
    }
    int top = cells.first().row(), bottom = top, left = cells.first().column(), right = left;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect InputGrid::workingBlock() const {
    const QRect block = selectedBlock();
    if (!block.isEmpty()) {
        return block;
    }
    const QModelIndex cell = currentIndex();
    return cell.isValid() ? QRect(cell.column(), cell.row(), 1, 1) : QRect();
}

void InputGrid::commitPendingEdit() {
    if (state() != QAbstractItemView::EditingState) {
        return;
    }
    QWidget* editor = QApplication::focusWidget();
    if (editor && isAncestorOf(editor)) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void InputGrid::copyBlock(const QRect& block) {
    std::vector<QStringList> rows;
    for (int r = block.top(); r <= block.bottom(); ++r) {
        QStringList cells;
        for (int c = block.left(); c <= block.right(); ++c) {
            cells << model_->clipboardText(r, c);
        }
        rows.push_back(cells);
    }
    QApplication::clipboard()->setText(BlockToClipboardText(rows));
}

void InputGrid::cut() {
    commitPendingEdit();
    const QRect block = workingBlock();
    if (block.isEmpty()) {
        return;
    }
    copyBlock(block);
    for (int r = block.top(); r <= block.bottom(); ++r) {
        for (int c = block.left(); c <= block.right(); ++c) {
            model_->setValue(r, c, std::nullopt);
        }
    }
}

void InputGrid::copy() {
    commitPendingEdit();
    const QRect block = workingBlock();
    if (!block.isEmpty()) {
        copyBlock(block);
    }
}

void InputGrid::paste() {
    commitPendingEdit();
    const QModelIndex start = currentIndex();
    if (!start.isValid()) {
        return;
    }
    const std::vector<QStringList> rows = ClipboardTextToBlock(QApplication::clipboard()->text());
    bool refused = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = start.row() + static_cast<int>(i);
        if (r >= model_->rows()) {
            break;
        }
        for (int j = 0; j < rows[i].size(); ++j) {
            const int c = start.column() + j;
            if (c >= model_->columns()) {
                break;
            }
            if (!model_->enterText(r, c, rows[i].at(j))) {
                refused = true;
            }
        }
    }
    if (refused) {
        UiServices::current().beep();
    }
}

void InputGrid::afterRowAdded(int row) {
    if (initializer_) {
        initializer_(row);
    }
    if (model_->rows() >= recMax_) {
        emit addInsertAvailable(false);
    }
}

void InputGrid::addRow() {
    commitPendingEdit();
    if (model_->rows() >= recMax_) {
        return;
    }
    model_->setRows(model_->rows() + 1);
    afterRowAdded(model_->rows() - 1);
}

void InputGrid::insertRow() {
    commitPendingEdit();
    if (model_->rows() >= recMax_) {
        return;
    }
    const QModelIndex active = currentIndex();
    const int row = active.isValid() ? active.row() : 0;
    const int column = active.isValid() ? active.column() : 0;
    model_->insertRowAt(row);
    afterRowAdded(row);
    setActiveCell(row, column);
}

void InputGrid::deleteRow() {
    commitPendingEdit();
    if (model_->rows() <= 0) {
        return;
    }
    const QModelIndex active = currentIndex();
    const int row = active.isValid() ? active.row() : 0;
    const int column = active.isValid() ? active.column() : 0;
    model_->removeRowAt(row);
    setActiveCell(std::min(row, model_->rows() - 1), column);
    emit addInsertAvailable(true);
}

void InputGrid::showHint(const QModelIndex& cell) {
    if (cell.isValid()) {
        emit hintChanged(CellHintText(model_->cellType(cell.row(), cell.column())));
    }
}

void InputGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    // A move to a position outside the cells leaves the previous hint.
    showHint(current);
}

void InputGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    showHint(currentIndex());
}

void InputGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    // A cell editor taking the focus, or another window, is no leaving of the grid.
    const QWidget* next = QApplication::focusWidget();
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason ||
        (next && isAncestorOf(next))) {
        return;
    }
    emit hintChanged(QString());
}

void InputGrid::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_X:
            cut();
            return;
        case Qt::Key_C:
            copy();
            return;
        case Qt::Key_V:
            paste();
            return;
        default:
            break;
        }
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier &&
        state() != QAbstractItemView::EditingState) {
        // Delete empties the cells of the block, as in a spreadsheet.
        const QRect block = workingBlock();
        for (int r = block.top(); r <= block.bottom(); ++r) {
            for (int c = block.left(); c <= block.right(); ++c) {
                model_->setValue(r, c, std::nullopt);
            }
        }
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace zul
