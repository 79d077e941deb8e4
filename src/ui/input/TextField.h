#pragma once

#include <QLineEdit>
#include <QString>

namespace zul {

// Text input field with a length limit in characters and a set of characters it never takes
// (typed or pasted).  Enter and Down move to the next field, Up to the previous one.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(QWidget* parent = nullptr);

    // Characters the field refuses, for example the double quote that would end a text field
    // of the input data file.
    void setRefusedCharacters(const QString& characters);
    const QString& refusedCharacters() const { return refused_; }

    // Shows a stored text whole.  A text longer than the length limit (a file written
    // elsewhere) raises the limit to its length instead of being cut, so that confirming the
    // screen never shortens what the user did not touch; typing still cannot lengthen it.
    void setStoredText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString refused_;
};

} // namespace zul
