#pragma once

#include <QStyledItemDelegate>

namespace zul {

// Editors of the grid cells: a fixed drop-down list for list cells, a number line for decimal
// cells (digits, at most the cell's decimals, a sign only where the cell allows negatives).
// An entry the cell refuses (out of its range) beeps and leaves the cell unchanged.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    // Leaves the row command keys to the window while a cell is being edited.
    bool eventFilter(QObject* object, QEvent* event) override;
};

} // namespace zul
