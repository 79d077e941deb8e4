#pragma once

#include "ui/input/InputScreen.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace zul {

class NumberField;
class TextField;

// Calculation conditions screen "計算条件の入力": case name, construction method, pile kind,
// dimensions and levels, the self-weight options and, for driven piles, how the tip
// resistance and the embedment are found.  Which fields are open follows the method, the
// automatic tip resistance, the embedment option and the two self-weight boxes.
class frmInpJyoken : public InputScreen {
    Q_OBJECT
public:
    explicit frmInpJyoken(QWidget* parent = nullptr);

    TextField* txtTitle() const { return txtTitle_; }
    NumberField* numDp() const { return numDp_; }
    NumberField* numDw() const { return numDw_; }
    NumberField* numDwi() const { return numDwi_; }
    NumberField* numL() const { return numL_; }
    NumberField* numAlpha() const { return numAlpha_; }
    NumberField* numELPU() const { return numELPU_; }
    NumberField* numGp1() const { return numGp1_; }
    NumberField* numGp2() const { return numGp2_; }
    NumberField* numELSL() const { return numELSL_; }
    QRadioButton* optSekou(int index) const { return optSekou_.at(static_cast<std::size_t>(index)); }
    QRadioButton* optSiji(int index) const { return optSiji_.at(static_cast<std::size_t>(index)); }
    QRadioButton* optNeire(int index) const { return optNeire_.at(static_cast<std::size_t>(index)); }
    QCheckBox* chkIsWpRa() const { return chkIsWpRa_; }
    QCheckBox* chkIsWpPa() const { return chkIsWpPa_; }
    QCheckBox* chkQd() const { return chkQd_; }
    QCheckBox* chkST() const { return chkST_; }
    QGroupBox* fraDw() const { return fraDw_; }
    QGroupBox* fraNeire() const { return fraNeire_; }

    // Option groups read as the index of the selected button, 0 when none is selected;
    // setting selects the button of that index (none when out of range).
    int sekou() const;
    void setSekou(int index);
    int siji() const;
    void setSiji(int index);
    int neire() const;
    void setNeire(int index);

private:
    void applyEnabling();

    TextField* txtTitle_;
    NumberField* numDp_;
    NumberField* numDw_;
    NumberField* numDwi_;
    NumberField* numL_;
    NumberField* numAlpha_;
    NumberField* numELPU_;
    NumberField* numGp1_;
    NumberField* numGp2_;
    NumberField* numELSL_;
    std::array<QRadioButton*, 8> optSekou_{};
    std::array<QRadioButton*, 2> optSiji_{};
    std::array<QRadioButton*, 3> optNeire_{};
    QButtonGroup* sekouGroup_;
    QButtonGroup* sijiGroup_;
    QButtonGroup* neireGroup_;
    QCheckBox* chkIsWpRa_;
    QCheckBox* chkIsWpPa_;
    QCheckBox* chkQd_;
    QCheckBox* chkST_;
    QGroupBox* fraDw_;
    QGroupBox* fraNeire_;
};

} // namespace zul
