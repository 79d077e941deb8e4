#pragma once

namespace zul {

// Decimal rounding half away from zero, decided on the decimal text of the scaled value
// with a bias of 0.00001, exactly as the calculation and the reports round.
// Values below 1 / 10^(d+1) in magnitude round to 0.
double RoundHalfUp(double x, int d);

} // namespace zul
