#include "ui/input/NumberField.h"

#include "ui/UiServices.h"
#include "ui/input/FieldNavigation.h"
#include "ui/input/NumberPicture.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QToolTip>

namespace zul {

namespace {

// While a refused field takes the focus back, the field that had just received it must not
// run its own check, or two fields out of range would pass the focus to and fro for ever.
bool restoringFocus = false;

} // namespace

NumberField::NumberField(QWidget* parent)
    : QLineEdit(parent), validator_(new QRegularExpressionValidator(this)) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(validator_);
    updateValidator();
    connect(this, &QLineEdit::textEdited, this, &NumberField::takeTypedText);
}

void NumberField::setValue(std::optional<double> value) {
    value_ = value;
    showFormatted();
    emit valueChanged();
}

void NumberField::setRange(double min, double max) {
    min_ = min;
    max_ = max;
    updateValidator();
}

void NumberField::setPattern(const std::string& pattern) {
    pattern_ = pattern;
    updateValidator();
    showFormatted();
}

bool NumberField::inRange() const {
    return !value_ || (*value_ >= min_ && *value_ <= max_);
}

QString NumberField::rangeMessage() const {
    return QStringLiteral("入力範囲：") + formatted(min_) + QStringLiteral(" ～ ") + formatted(max_);
}

QString NumberField::formatHint() const {
    const int decimals = PictureDecimals(pattern_);
    const QString form = decimals == 0 ? QStringLiteral("整数（小数点なし）")
                                       : QStringLiteral("小数点以下 %1 桁まで").arg(decimals);
    return QStringLiteral("入力できる形式：") + form + QStringLiteral("　") + rangeMessage();
}

bool NumberField::checkRange() {
    if (inRange()) {
        return true;
    }
    UiServices& services = UiServices::current();
    services.beep();
    services.showMessage(this, rangeMessage(), caption_, MessageIcon::Information, MessageButtons::Ok);
    return false;
}

bool NumberField::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && IsRowCommandKey(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return false;
    }
    return QLineEdit::event(event);
}

void NumberField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        selectAll();
    }
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Losing the focus to another window (the message box itself, a menu) is no move.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason ||
        restoringFocus) {
        return;
    }
    // Buttons that close without storing (Cancel) do not ask for a valid value.
    const QWidget* next = QApplication::focusWidget();
    if (next && next->property("zulSkipRangeCheck").toBool()) {
        return;
    }
    if (!checkRange()) {
        restoringFocus = true;
        setFocus(Qt::OtherFocusReason);
        restoringFocus = false;
        return;
    }
    showFormatted();
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    if (HandleFieldNavigationKey(this, event)) {
        event->accept();
        return;
    }
    if (refusesTypedText(event)) {
        // A character the pattern cannot take ("." in a whole-number field, a letter) is not
        // dropped without a word: the field's format is shown beside it and on the status line.
        UiServices::current().beep();
        const QString hint = formatHint();
        QToolTip::showText(mapToGlobal(QPoint(0, height())), hint, this);
        if (auto* status = window()->findChild<QStatusBar*>()) {
            status->showMessage(hint, 8000);
        }
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool NumberField::refusesTypedText(const QKeyEvent* event) const {
    QString typed;
    if (event->matches(QKeySequence::Paste)) {
        typed = QApplication::clipboard()->text();
    } else if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        typed = event->text();
    }
    if (typed.isEmpty() || !typed.at(0).isPrint() || isReadOnly()) {
        return false;
    }
    // The text as it would be with the selection (or nothing) at the cursor replaced.
    QString candidate = text();
    int position = cursorPosition();
    if (hasSelectedText()) {
        position = selectionStart();
        candidate.remove(position, static_cast<int>(selectedText().size()));
    }
    candidate.insert(position, typed);
    position += static_cast<int>(typed.size());
    return validator_->validate(candidate, position) == QValidator::Invalid;
}

void NumberField::updateValidator() {
    // Digits with at most the pattern's decimals; a sign only where the range allows negatives.
    const int decimals = PictureDecimals(pattern_);
    QString expression = min_ < 0 ? QStringLiteral("[+-]?") : QStringLiteral("\\+?");
    expression += QStringLiteral("[0-9]{0,9}");
    if (decimals > 0) {
        expression += QStringLiteral("(\\.[0-9]{0,%1})?").arg(decimals);
    }
    validator_->setRegularExpression(QRegularExpression(expression));
    setToolTip(formatHint());
}

void NumberField::showFormatted() {
    setText(value_ ? formatted(*value_) : QString());
}

void NumberField::takeTypedText(const QString& text) {
    const std::string plain = text.trimmed().toStdString();
    if (plain.empty()) {
        value_.reset();
    } else if (const auto number = ParseNumber(plain[0] == '+' ? plain.substr(1) : plain)) {
        value_ = *number;
    } else {
        // A lone sign or point: nothing to take yet.
        value_ = 0.0;
    }
    emit valueChanged();
}

QString NumberField::formatted(double value) const {
    return QString::fromStdString(FormatNumber(value, pattern_));
}

} // namespace zul

#include "moc_NumberField.cpp"
