#pragma once

#include "ui/input/GridInputScreen.h"

namespace zul {

// N value screen "Ｎ値の入力": the standard penetration test as (depth, N value) points, at
// most UsrRecMax.  OK first sorts the rows by depth, carrying the N values along, so the
// document always receives the points from the top down.
class frmInpJibanN : public GridInputScreen {
    Q_OBJECT
public:
    explicit frmInpJibanN(QWidget* parent = nullptr);

    // Gives a row made by Add or Insert its cell kinds, ranges and start values.
    void InitNRow(int row);

protected:
    bool beforeSave() override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace zul
