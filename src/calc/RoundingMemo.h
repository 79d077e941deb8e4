#pragma once

namespace zul::calcmath {

// The calculation's half-up rounding to d decimals of a finite value, remembering recent answers.
// A table run rounds the same values over and over (the shaft segments, the intervals between
// N-value points, the friction of each layer), and the rounding decides on the decimal form of
// the value, which costs far more than a look-up.  The rounding is a function of x and d alone,
// so a remembered answer is the answer.  Each thread keeps its own small table.
double RememberedRound(double x, int d);

} // namespace zul::calcmath
