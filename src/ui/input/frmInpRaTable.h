#pragma once

#include "ui/input/InputScreen.h"

namespace zul {

class InputGrid;
class NumberField;

// Pile length table screen "支持力検討ｸﾞﾗﾌの作成": up to ten pile diameters and the range of
// pile lengths (from, to, step) of the study graph.  The owner reads UsrTag after it closes
// and runs the table calculation on "OK".
class frmInpRaTable : public InputScreen {
    Q_OBJECT
public:
    static constexpr int kDiameterRows = 10;

    explicit frmInpRaTable(QWidget* parent = nullptr);

    InputGrid* vaSpread1() const { return grid_; }
    NumberField* numLmin() const { return numLmin_; }
    NumberField* numLmax() const { return numLmax_; }
    NumberField* numLStep() const { return numLStep_; }

protected:
    bool beforeSave() override;

private:
    InputGrid* grid_;
    NumberField* numLmin_;
    NumberField* numLmax_;
    NumberField* numLStep_;
};

} // namespace zul
