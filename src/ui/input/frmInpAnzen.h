#pragma once

#include "ui/input/InputScreen.h"

#include <array>

namespace zul {

class NumberField;

// Safety factor screen "安全率の入力": the six factors n of the push-in capacity of an
// end-bearing and of a friction pile and of the pull-out capacity, for the normal and the
// level-1 earthquake case.  Whole numbers from -99 to 99, no captions.
class frmInpAnzen : public InputScreen {
    Q_OBJECT
public:
    explicit frmInpAnzen(QWidget* parent = nullptr);

    // Normal case (numJyK) and earthquake case (numJiK), index 1 to 3.
    NumberField* numJyK(int index) const { return numJyK_.at(static_cast<std::size_t>(index - 1)); }
    NumberField* numJiK(int index) const { return numJiK_.at(static_cast<std::size_t>(index - 1)); }

private:
    std::array<NumberField*, 3> numJyK_{};
    std::array<NumberField*, 3> numJiK_{};
};

} // namespace zul
