#include "ui/input/GridDelegate.h"

#include "ui/input/FieldNavigation.h"
#include "ui/input/GridModel.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace zul {

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                    const QModelIndex& index) const {
    const auto* model = qobject_cast<const GridModel*>(index.model());
    if (!model) {
        return nullptr;
    }
    const GridCellType& cellType = model->cellType(index.row(), index.column());
    if (cellType.kind == GridCellType::Kind::List) {
        auto* combo = new QComboBox(parent);
        combo->addItems(cellType.entries);
        combo->setEditable(false);
        return combo;
    }
    auto* line = new QLineEdit(parent);
    line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QString expression = cellType.min < 0 ? QStringLiteral("[+-]?") : QStringLiteral("\\+?");
    expression += QStringLiteral("[0-9,]{0,12}");
    if (cellType.decimals > 0) {
        expression += QStringLiteral("(\\.[0-9]{0,%1})?").arg(cellType.decimals);
    }
    line->setValidator(new QRegularExpressionValidator(QRegularExpression(expression), line));
    return line;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(static_cast<int>(combo->findText(text)));
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(text);
        line->selectAll();
    }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    QString text;
    if (const auto* combo = qobject_cast<const QComboBox*>(editor)) {
        if (combo->currentIndex() < 0) {
            return;
        }
        text = combo->currentText();
    } else if (const auto* line = qobject_cast<const QLineEdit*>(editor)) {
        text = line->text();
    }
    if (text == index.data(Qt::EditRole).toString()) {
        return;
    }
    if (!model->setData(index, text, Qt::EditRole)) {
        refused_ = true;
        emit entryRefused(index, text);
    }
}

bool GridDelegate::takeRefusal() const {
    const bool refused = refused_;
    refused_ = false;
    return refused;
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && IsRowCommandKey(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    // Another window or a menu taking the focus ends no entry: the cell keeps its editor, as a
    // number field keeps its text, until the user comes back or a command ends the edit.
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
            return false;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace zul

#include "moc_GridDelegate.cpp"
