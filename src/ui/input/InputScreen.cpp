#include "ui/input/InputScreen.h"

#include "ui/UiServices.h"
#include "ui/WindowPlacement.h"
#include "ui/input/NumberField.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zul {

namespace {

QString applicationHelpFile;

QPushButton* makeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(text);
    // A click does not take the focus from a field (its range check runs from the OK command);
    // the keyboard still reaches the buttons with Tab.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

const QString InputScreen::TagOk = QStringLiteral("OK");
const QString InputScreen::TagCancel = QStringLiteral("ｷｬﾝｾﾙ");

InputScreen::InputScreen(const QString& caption, const std::string& section, bool withSize, QWidget* parent)
    : QDialog(parent), section_(section), withSize_(withSize),
      cmdOk_(makeButton(QStringLiteral("OK(&O)"), this)),
      cmdCancel_(makeButton(QStringLiteral("ｷｬﾝｾﾙ(&C)"), this)),
      cmdHelp_(makeButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), this)) {
    setWindowTitle(caption);
    setModal(true);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdHelp_->setObjectName(QStringLiteral("cmdHelp"));
    cmdCancel_->setProperty("zulSkipRangeCheck", true);
    cmdHelp_->setProperty("zulSkipRangeCheck", true);
    connect(cmdOk_, &QPushButton::clicked, this, &InputScreen::onOk);
    connect(cmdCancel_, &QPushButton::clicked, this, &InputScreen::onCancel);
    connect(cmdHelp_, &QPushButton::clicked, this, &InputScreen::onHelp);
}

QVBoxLayout* InputScreen::makeButtonColumn() const {
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);
    buttons->addWidget(cmdHelp_);
    buttons->addStretch(1);
    return buttons;
}

QString InputScreen::ApplicationHelpFile() {
    return applicationHelpFile;
}

void InputScreen::setVisible(bool visible) {
    if (visible && !opened_) {
        opened_ = true;
        runOpening();
    }
    QDialog::setVisible(visible);
}

void InputScreen::runOpening() {
    if (!usrCaption_.isEmpty()) {
        setWindowTitle(usrCaption_);
    }
    if (!iniFile_.empty()) {
        RestoreWindowPlacement(this, iniFile_, section_, withSize_);
    }
    if (!usrHelpFile_.isEmpty()) {
        applicationHelpFile = usrHelpFile_;
        setProperty("zulHelpContextID", usrHelpContextId_);
        cmdHelp_->setEnabled(true);
    } else {
        cmdHelp_->setEnabled(false);
    }
    prepareScreen();
    emit LoadData();
    afterLoad();
    loadedState_ = enteredState();
}

void InputScreen::done(int result) {
    if (!iniFile_.empty() && opened_) {
        SaveWindowPlacement(this, iniFile_, section_, withSize_);
    }
    QDialog::done(result);
}

void InputScreen::keyPressEvent(QKeyEvent* event) {
    // Escape cancels (a cell being edited takes its own Escape first); Enter outside the
    // fields confirms nothing (the fields move on with it).
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        onEscape();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool InputScreen::focusedFieldAccepts() {
    auto* field = qobject_cast<NumberField*>(focusWidget());
    return !field || !field->isEnabled() || field->checkRange();
}

void InputScreen::onOk() {
    if (!focusedFieldAccepts() || !beforeSave()) {
        return;
    }
    bool cancel = false;
    emit SaveData(cancel);
    usrTag_ = TagOk;
    if (!cancel) {
        done(QDialog::Accepted);
    }
}

void InputScreen::onCancel() {
    usrTag_ = TagCancel;
    done(QDialog::Rejected);
}

bool InputScreen::mayDiscardChanges() {
    return enteredState() == loadedState_ ||
           UiServices::current().showMessage(
               this, QStringLiteral("入力ﾃﾞｰﾀが変更されています。変更を破棄して閉じますか？"), windowTitle(),
               MessageIcon::Information, MessageButtons::YesNo) == MessageAnswer::Yes;
}

void InputScreen::onEscape() {
    if (mayDiscardChanges()) {
        onCancel();
    }
}

// The window's close box: as Escape, except that the outcome tag keeps its value.
void InputScreen::closeEvent(QCloseEvent* event) {
    if (opened_ && isVisible() && !mayDiscardChanges()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

QStringList InputScreen::enteredState() const {
    QStringList state;
    for (const QWidget* widget : findChildren<QWidget*>()) {
        // Cell editors belong to their grid, which is read whole.
        if (qobject_cast<const QAbstractItemView*>(widget->parentWidget()) ||
            (widget->parentWidget() &&
             qobject_cast<const QAbstractItemView*>(widget->parentWidget()->parentWidget()))) {
            continue;
        }
        if (const auto* field = qobject_cast<const NumberField*>(widget)) {
            state << (field->value() ? QString::number(*field->value(), 'g', 17) : QString());
        } else if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
            state << line->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (button->isCheckable()) {
                state << QString::number(button->isChecked());
            }
        } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
            state << QString::number(list->currentIndex());
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
            const QAbstractItemModel* model = view->model();
            state << QString::number(model ? model->rowCount() : 0);
            for (int r = 0; model && r < model->rowCount(); ++r) {
                for (int c = 0; c < model->columnCount(); ++c) {
                    state << model->index(r, c).data(Qt::EditRole).toString();
                }
            }
        }
    }
    return state;
}

void InputScreen::onHelp() {
    // F1 goes to the application, as the help key would; the topic opens when a help file is set.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(this, &press);
}

} // namespace zul

#include "moc_InputScreen.cpp"
