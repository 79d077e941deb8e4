#include "ui/input/FieldNavigation.h"

#include <QKeyEvent>
#include <QWidget>

namespace zul {

namespace {

// QWidget::focusNextPrevChild is protected; the window that holds the field moves the focus.
void moveFocus(QWidget* field, bool next) {
    QWidget* target = next ? field->nextInFocusChain() : field->previousInFocusChain();
    // Skip widgets that cannot take the focus from the keyboard (labels, frames, disabled fields).
    while (target && target != field) {
        if (target->isEnabled() && target->isVisibleTo(field->window()) &&
            (target->focusPolicy() & Qt::TabFocus) && target->window() == field->window() &&
            !target->focusProxy()) {
            target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
        target = next ? target->nextInFocusChain() : target->previousInFocusChain();
    }
}

} // namespace

bool HandleFieldNavigationKey(QWidget* field, QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) {
        return false;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        moveFocus(field, true);
        return true;
    case Qt::Key_Up:
        moveFocus(field, false);
        return true;
    default:
        return false;
    }
}

bool IsRowCommandKey(const QKeyEvent* event) {
    return event->modifiers() == Qt::ShiftModifier &&
           (event->key() == Qt::Key_Insert || event->key() == Qt::Key_Delete);
}

} // namespace zul
