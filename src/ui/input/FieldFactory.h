#pragma once

#include <QString>

#include <string>

class QLabel;
class QWidget;

namespace zul {

class NumberField;

// A number field as the screens define it: object name, caption, bounds and pattern.
NumberField* MakeNumberField(QWidget* parent, const QString& name, const QString& caption, double min,
                             double max, const std::string& pattern);

// The label that shows a field's caption beside it.
QLabel* MakeCaptionLabel(QWidget* parent, const QString& text, QWidget* buddy = nullptr);

} // namespace zul
