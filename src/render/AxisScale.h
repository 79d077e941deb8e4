#pragma once

#include <QString>

#include <vector>

namespace zul {

// A linear axis with a "nice" step (1, 2, 2.5 or 5 times a power of ten) whose ends are
// whole multiples of the step.
struct AxisScale {
    double min = 0;
    double max = 1;
    double step = 0.2;
    int decimals = 1; // decimals the tick labels need to show the step exactly

    std::vector<double> ticks() const;
    QString label(double value) const;
};

// Axis over the data range [low, high] with about targetTicks intervals and a small margin so
// that no point sits on the frame.  includeZero stretches the range to 0 (capacity axes).
// An empty or non-finite range yields 0..1; a single value gets a range around it.
AxisScale ComputeAxisScale(double low, double high, bool includeZero, int targetTicks = 6);

} // namespace zul
