#include "render/AxisScale.h"

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

// The smallest step of the form {1, 2, 2.5, 5} x 10^k that is not below rough.
double niceStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (factor * power >= rough * (1 - 1e-9)) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

int decimalsFor(double step) {
    for (int d = 0; d < 12; ++d) {
        const double scaled = step * std::pow(10.0, d);
        if (std::fabs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled)) {
            return d;
        }
    }
    return 12;
}

} // namespace

std::vector<double> AxisScale::ticks() const {
    std::vector<double> values;
    const double count = std::round((max - min) / step);
    const int last = std::isfinite(count) ? static_cast<int>(std::clamp(count, 0.0, 1000.0)) : 0;
    for (int i = 0; i <= last; ++i) {
        double value = min + i * step;
        if (std::fabs(value) < step * 1e-9) {
            value = 0; // no "-0" from cancellation
        }
        values.push_back(value);
    }
    return values;
}

QString AxisScale::label(double value) const {
    if (std::fabs(value) < step * 1e-9) {
        value = 0;
    }
    return QString::number(value, 'f', decimals);
}

AxisScale ComputeAxisScale(double low, double high, bool includeZero, int targetTicks) {
    AxisScale scale;
    if (!std::isfinite(low) || !std::isfinite(high) || low > high || !std::isfinite(high - low)) {
        scale.decimals = decimalsFor(scale.step);
        return scale;
    }
    if (includeZero) {
        low = std::min(low, 0.0);
        high = std::max(high, 0.0);
    }
    double span = high - low;
    if (span <= 0) {
        // One value: a range of about a fifth of it on each side (or 0..1 around zero); on a
        // capacity axis the value is zero here and the range 0..0.5.
        const double half = low == 0 ? 0.5 : std::fabs(low) * 0.2;
        if (!includeZero) {
            low -= half;
        }
        high += half;
        span = high - low;
    }
    // Keep points off the frame, except at zero on a capacity axis.
    const double margin = span * 0.03;
    const double paddedLow = includeZero && low == 0 ? 0.0 : low - margin;
    const double paddedHigh = includeZero && high == 0 ? 0.0 : high + margin;
    const int intervals = std::max(2, targetTicks);
    scale.step = niceStep((paddedHigh - paddedLow) / intervals);
    scale.min = std::floor(paddedLow / scale.step + 1e-9) * scale.step;
    scale.max = std::ceil(paddedHigh / scale.step - 1e-9) * scale.step;
    if (scale.max <= scale.min) {
        scale.max = scale.min + scale.step;
    }
    scale.decimals = decimalsFor(scale.step);
    return scale;
}

} // namespace zul
