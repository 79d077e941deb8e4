#include "ui/input/InputGrid.h"

#include "ui/UiServices.h"
#include "ui/input/GridClipboard.h"
#include "ui/input/GridDelegate.h"
#include "ui/input/GridMessages.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace zul {

InputGrid::InputGrid(QWidget* parent)
    : QTableView(parent), model_(new GridModel(this)), delegate_(new GridDelegate(this)) {
    setModel(model_);
    setItemDelegate(delegate_);
    // The editor closes before the message: it comes once the view has settled.
    connect(delegate_, &GridDelegate::entryRefused, this,
            [this](const QModelIndex& index, const QString& text) {
                refusedCell_ = index;
                refusedText_ = text;
                QTimer::singleShot(0, this, &InputGrid::reportRefusedEntry);
            });
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

bool InputGrid::commitPendingEdit() {
    if (state() != QAbstractItemView::EditingState) {
        return !refusedCell_.isValid();
    }
    QWidget* editor = indexWidget(currentIndex());
    if (!editor || !isAncestorOf(editor)) {
        editor = QApplication::focusWidget();
    }
    if (editor && isAncestorOf(editor)) {
        delegate_->takeRefusal();
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        return !delegate_->takeRefusal();
    }
    return true;
}

QString InputGrid::columnHeader(int column) const {
    return model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

void InputGrid::reportRefusedEntry() {
    const QPersistentModelIndex cell = refusedCell_;
    refusedCell_ = QPersistentModelIndex();
    // A screen closed meanwhile has nothing more to say.
    if (!cell.isValid() || !isVisible()) {
        return;
    }
    UiServices& services = UiServices::current();
    services.beep();
    services.showMessage(this, CellRangeMessage(model_->cellType(cell.row(), cell.column())),
                         columnHeader(cell.column()), MessageIcon::Information, MessageButtons::Ok);
    // Back in the cell with the entry as typed, as a number field keeps the focus.
    setFocus(Qt::OtherFocusReason);
    setActiveCell(cell.row(), cell.column());
    edit(cell);
    if (auto* line = qobject_cast<QLineEdit*>(indexWidget(cell))) {
        line->setText(refusedText_);
        line->selectAll();
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
    if (!commitPendingEdit()) {
        return;
    }
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
    if (!commitPendingEdit()) {
        return;
    }
    const QRect block = workingBlock();
    if (!block.isEmpty()) {
        copyBlock(block);
    }
}

void InputGrid::paste() {
    if (!commitPendingEdit()) {
        return;
    }
    const std::vector<QStringList> block = ClipboardTextToBlock(QApplication::clipboard()->text());
    if (block.empty()) {
        return;
    }
    const QModelIndex active = currentIndex();
    const int top = active.isValid() ? active.row() : 0;
    const int left = active.isValid() ? active.column() : 0;
    const int rowCount = static_cast<int>(block.size());
    const int rowLimit = std::max(recMax_, model_->rows());
    if (top + rowCount > rowLimit) {
        refusePaste(PastedRowsMessage(top + 1, rowCount, rowLimit), window()->windowTitle());
        return;
    }
    for (int i = 0; i < rowCount; ++i) {
        const QStringList& cells = block[static_cast<std::size_t>(i)];
        for (int j = static_cast<int>(cells.size()) - 1; left + j >= model_->columns(); --j) {
            if (!cells.at(j).trimmed().isEmpty()) {
                refusePaste(
                    PastedColumnsMessage(top + i + 1, left + j + 1, cells.at(j).trimmed(), model_->columns()),
                    window()->windowTitle());
                return;
            }
        }
    }

    // Rows the paste needs are added as Add adds them; a value a cell refuses puts all back.
    const GridModel::Snapshot before = model_->snapshot();
    const int rowsBefore = model_->rows();
    while (model_->rows() < top + rowCount) {
        model_->setRows(model_->rows() + 1);
        if (initializer_) {
            initializer_(model_->rows() - 1);
        }
    }
    for (int i = 0; i < rowCount; ++i) {
        const QStringList& cells = block[static_cast<std::size_t>(i)];
        const int r = top + i;
        for (int j = 0; j < cells.size() && left + j < model_->columns(); ++j) {
            const int c = left + j;
            if (!model_->enterText(r, c, cells.at(j))) {
                const QString message =
                    PastedValueMessage(r + 1, columnHeader(c), cells.at(j).trimmed(), model_->cellType(r, c));
                model_->restore(before);
                setActiveCell(top, left);
                refusePaste(message, columnHeader(c));
                return;
            }
        }
    }
    setActiveCell(top, left);
    if (model_->rows() > rowsBefore && model_->rows() >= recMax_) {
        emit addInsertAvailable(false);
    }
}

void InputGrid::refusePaste(const QString& text, const QString& title) {
    UiServices& services = UiServices::current();
    services.beep();
    services.showMessage(this, text, title, MessageIcon::Information, MessageButtons::Ok);
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
    if (!commitPendingEdit() || model_->rows() >= recMax_) {
        return;
    }
    model_->setRows(model_->rows() + 1);
    afterRowAdded(model_->rows() - 1);
}

void InputGrid::insertRow() {
    if (!commitPendingEdit() || model_->rows() >= recMax_) {
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
    if (!commitPendingEdit() || model_->rows() <= 0) {
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

#include "moc_InputGrid.cpp"
