#pragma once

#include "ui/input/GridInputScreen.h"

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

namespace zul {

class GroundSketch;
class NumberField;

// Ground layer screen "地盤条件の入力": the four levels and up to UsrRecMax layers from the top
// down (kind, thickness, unit weights, N value, skin friction, tip resistance, earthquake
// reduction coefficient).  "ﾃﾞﾌｫﾙﾄ値" fills γs', f and qd of every layer with the standard
// values of the construction method, the kind and the N value.
class frmInpJiban : public GridInputScreen {
    Q_OBJECT
public:
    static constexpr int kColumns = 8;

    explicit frmInpJiban(QWidget* parent = nullptr);

    NumberField* numELGL() const { return numELGL_; }
    NumberField* numELWL() const { return numELWL_; }
    NumberField* numSJ1() const { return numSJ1_; }
    NumberField* numSJ2() const { return numSJ2_; }
    QPushButton* cmdDefault() const { return cmdDefault_; }

    // The construction method of the document's conditions, which the standard values follow.
    void setSekou(std::int32_t method) { sekou_ = method; }

    // Gives a row made by Add or Insert the cell kinds, ranges and start values of a new layer.
    void InitLayerRow(int row);
    // Fills the standard-value lists from the grid rows (entry r for grid row r, 1-based).
    void CalcStandardValues();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fillStandardValues();

    NumberField* numELGL_;
    NumberField* numELWL_;
    NumberField* numSJ1_;
    NumberField* numSJ2_;
    QWidget* levels_;
    GroundSketch* picture_;
    QPushButton* cmdDefault_;
    std::int32_t sekou_ = 0;
    std::array<double, 21> gammaBelow_{};
    std::array<double, 21> friction_{};
    std::array<double, 21> tip_{};
};

} // namespace zul
