#include "ui/input/FieldFactory.h"

#include "ui/input/NumberField.h"

#include <QGridLayout>
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

void AddFieldRows(QGridLayout* layout, QWidget* parent, std::initializer_list<NumberField*> fields,
                  int firstRow) {
    int row = firstRow;
    for (NumberField* field : fields) {
        layout->addWidget(MakeCaptionLabel(parent, field->caption(), field), row, 0);
        layout->addWidget(field, row, 1);
        ++row;
    }
}

} // namespace zul
