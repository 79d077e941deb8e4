#include "ui/input/TextField.h"

#include "ui/input/FieldNavigation.h"

#include <QKeyEvent>
#include <QValidator>

namespace zul {

namespace {

class RefusingValidator final : public QValidator {
public:
    RefusingValidator(const TextField* field, QObject* parent) : QValidator(parent), field_(field) {}

    State validate(QString& input, int& /*pos*/) const override {
        for (const QChar c : field_->refusedCharacters()) {
            if (input.contains(c)) {
                return Invalid;
            }
        }
        return Acceptable;
    }

private:
    const TextField* field_;
};

} // namespace

TextField::TextField(QWidget* parent) : QLineEdit(parent) {
    setValidator(new RefusingValidator(this, this));
}

void TextField::setRefusedCharacters(const QString& characters) {
    refused_ = characters;
}

void TextField::setStoredText(const QString& text) {
    if (text.size() > maxLength()) {
        setMaxLength(static_cast<int>(text.size()));
    }
    setText(text);
}

void TextField::keyPressEvent(QKeyEvent* event) {
    if (HandleFieldNavigationKey(this, event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace zul

#include "moc_TextField.cpp"
