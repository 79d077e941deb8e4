#include "ui/input/FieldFactory.h"

#include "ui/input/NumberField.h"

#include <QLabel>

namespace zul {

NumberField* MakeNumberField(QWidget* parent, const QString& name, const QString& caption, double min,
                             double max, const std::string& pattern) {
    auto* field = new NumberField(parent);
    field->setObjectName(name);
    field->setCaption(caption);
    field->setRange(min, max);
    field->setPattern(pattern);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-00000.000")) + 16);
    return field;
}

QLabel* MakeCaptionLabel(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    if (buddy) {
        label->setBuddy(buddy);
    }
    return label;
}

} // namespace zul
