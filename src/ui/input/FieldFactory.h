#pragma once

#include <QString>

#include <initializer_list>
#include <string>

class QGridLayout;
class QLabel;
class QWidget;

namespace zul {

class NumberField;

// A number field as the screens define it: object name, caption, bounds and pattern.
NumberField* MakeNumberField(QWidget* parent, const QString& name, const QString& caption, double min,
                             double max, const std::string& pattern);

// The label that shows a field's caption beside it.
QLabel* MakeCaptionLabel(QWidget* parent, const QString& text, QWidget* buddy = nullptr);

// One row per field from firstRow down: its caption in column 0, the field in column 1.
void AddFieldRows(QGridLayout* layout, QWidget* parent, std::initializer_list<NumberField*> fields,
                  int firstRow = 0);

} // namespace zul
