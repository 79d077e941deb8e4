#pragma once

#include <QLineEdit>
#include <QString>

#include <optional>
#include <string>

class QRegularExpressionValidator;

namespace zul {

// Number input field: a value or empty, fixed bounds, a display pattern ("#0.000",
// "+##0.000;-##0.000", ...) and a caption.  The bounds are checked when the field is about to
// lose the focus: out of range it beeps, shows "入力範囲：min ～ max" titled with the caption,
// and keeps the focus and the value as typed.  An empty field passes.  A typed character the
// pattern cannot take (a point in a whole-number field, a sign where no negatives are allowed,
// a letter) is refused with a beep, and the field's format shows beside it and on the window's
// status line (the field's tooltip always tells it).  Enter and Down move
// to the next field, Up to the previous one.
class NumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent = nullptr);

    std::optional<double> value() const { return value_; }
    // The value the document stores for the field: an empty field counts as 0.
    double valueOrZero() const { return value_.value_or(0.0); }
    void setValue(std::optional<double> value);

    void setRange(double min, double max);

    const std::string& pattern() const { return pattern_; }
    void setPattern(const std::string& pattern);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }

    bool inRange() const;
    // The range message text for these bounds and pattern.
    QString rangeMessage() const;
    // The format of the field and its range: "入力できる形式：整数（小数点なし）　入力範囲：1 ～ 10".
    QString formatHint() const;
    // Runs the check: beep and message when out of range.  False when the value is refused.
    bool checkRange();

signals:
    void valueChanged();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // True when the key would put a character the pattern cannot take into the field.
    bool refusesTypedText(const QKeyEvent* event) const;
    void updateValidator();
    void showFormatted();
    void takeTypedText(const QString& text);
    QString formatted(double value) const;

    QRegularExpressionValidator* validator_; // owned by this field
    std::optional<double> value_;
    double min_ = 0.0;
    double max_ = 0.0;
    std::string pattern_ = "0";
    QString caption_;
};

} // namespace zul
