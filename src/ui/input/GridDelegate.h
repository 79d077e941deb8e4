#pragma once

#include <QStyledItemDelegate>

namespace zul {

// Editors of the grid cells: a fixed drop-down list for list cells, a number line for decimal
// cells (digits, at most the cell's decimals, a sign only where the cell allows negatives).
// An entry the cell refuses (out of its range, not a number) leaves the cell unchanged and is
// reported by entryRefused with the text as typed, so that the grid can say why and let the
// user correct it.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // True once after an entry was refused; clears the mark.
    bool takeRefusal() const;

signals:
    void entryRefused(const QModelIndex& index, const QString& text) const;

protected:
    // Leaves the row command keys to the window while a cell is being edited.
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    mutable bool refused_ = false;
};

} // namespace zul
