#pragma once

#include "ui/input/InputScreen.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;

namespace zul {

class NumberField;

// Numbering settings screen "連番条件設定": how the printed report numbers its headings (method,
// first chapter number, number style and left margin of the four heading levels), on three
// tabs, with a preview of the method and one of the margins.  Bound to the settings file.
class frmInpRenban : public InputScreen {
    Q_OBJECT
public:
    explicit frmInpRenban(QWidget* parent = nullptr);

    QTabWidget* TabStrip1() const { return tabs_; }
    QRadioButton* optMethod(int index) const { return optMethod_.at(static_cast<std::size_t>(index)); }
    NumberField* numInit() const { return numInit_; }
    QComboBox* cboStyle(int index) const { return cboStyle_.at(static_cast<std::size_t>(index)); }
    NumberField* numMargin(int index) const { return numMargin_.at(static_cast<std::size_t>(index)); }
    QPlainTextEdit* txtMethod() const { return txtMethod_; }
    QPlainTextEdit* txtMargin() const { return txtMargin_; }
    // The hint under the tabs while a chosen method has a level without a number style.
    QLabel* lblStyleHint() const { return lblStyleHint_; }

    // The selected method, 0 when none; setting selects that option.
    int method() const;
    void setMethod(int index);

    // The margin preview text as last built (lines ended by CR LF).
    const QString& marginPreview() const { return marginPreview_; }

protected:
    void afterLoad() override;

private:
    void buildMethodPreview();
    void buildMarginPreview();
    void showStyleHint();
    void showPanel(int index);

    QTabWidget* tabs_;
    std::array<QWidget*, 3> panels_{};
    std::array<QRadioButton*, 4> optMethod_{};
    QButtonGroup* methodGroup_;
    NumberField* numInit_;
    std::array<QComboBox*, 4> cboStyle_{};
    std::array<NumberField*, 4> numMargin_{};
    QPlainTextEdit* txtMethod_;
    QPlainTextEdit* txtMargin_;
    QLabel* lblStyleHint_ = nullptr;
    QString marginPreview_;
};

} // namespace zul
