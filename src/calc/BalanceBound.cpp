#include "calc/BalanceBound.h"

#include "calc/CalcMath.h"

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

// Depths closer than this to a point are always evaluated: there the point insertion and the
// millimetre comparison of the range may treat the depth as on the point.
constexpr double kEdge = 0.002;
// Largest change of an interval's mean by its roundings: the interpolated N-value to one
// decimal (half of 0.05 in the mean), the mean to two decimals, and the bias.
constexpr double kMeanRounding = 0.031;
// Largest change of an interval's area by its rounding to two decimals.
constexpr double kAreaRounding = 0.006;
// Allowance for the floating-point arithmetic of the sums and differences: relative to the
// magnitudes involved, and absolute.
constexpr double kRelative = 1e-9;
constexpr double kAbsolute = 1e-6;
// What the bound must exceed: the search climbs on above 0.001.
constexpr double kClimbs = 0.002;

} // namespace

void BalanceBound::Prepare(const colZulNs& work, double top, double zTip, double nn) {
    usable_ = false;
    z_.clear();
    n_.clear();
    if (work.Count() < 2 || !(std::fabs(top) < calcmath::kQuickMaxDepth) ||
        !(std::fabs(zTip) < calcmath::kQuickMaxDepth) || !(std::fabs(nn) < calcmath::kQuickMaxN)) {
        return;
    }
    for (const clsZulN& p : work) {
        if (!(std::fabs(p.Z) < calcmath::kQuickMaxDepth) || !(std::fabs(p.N) < calcmath::kQuickMaxN)) {
            return;
        }
        if (!z_.empty() && !(p.Z - z_.back() > 2 * kEdge)) {
            return; // not strictly increasing with room between the points
        }
        z_.push_back(p.Z);
        n_.push_back(p.N);
    }
    // The points within the range: those at or above the tip in whole millimetres.
    const std::int32_t tipMm = calcmath::ToMillimetres(zTip);
    bool any = false;
    for (std::size_t k = 0; k < z_.size(); ++k) {
        if (calcmath::ToMillimetres(z_[k]) <= tipMm) {
            last_ = k;
            any = true;
        }
    }
    if (!any) {
        return;
    }
    top_ = top;
    nn_ = nn;
    suffix_.assign(z_.size() + 1, 0.0);
    summedFrom_ = last_;
    magnitude_ = 0;
    wholeStretch_.assign(z_.size(), -1);
    lastStretch_ = 0;
    usable_ = true;
}

double BalanceBound::Suffix(std::size_t k) const {
    // Balance area of the fixed intervals k..k+1 down to the tip, as the evaluation rounds
    // them, less an allowance for the order in which the evaluation adds them up.
    while (summedFrom_ > k) {
        const std::size_t i = --summedFrom_;
        const double li = (top_ - z_[i]) - (top_ - z_[i + 1]);
        const double ni = calcmath::Round(((n_[i] - nn_) + (n_[i + 1] - nn_)) / 2, 2);
        const double lini = calcmath::Round(ni * li, 2);
        magnitude_ += std::fabs(lini);
        suffix_[i] = suffix_[i + 1] + lini;
    }
    return suffix_[k] - kRelative * (magnitude_ + 1) - kAbsolute;
}

bool BalanceBound::WholeStretchPositive(std::size_t j) const {
    if (wholeStretch_[j] < 0) {
        // The first interval's area is (A - B u) u at a length u from point j, a parabola in
        // u: its least value over the stretch is at an end or at its vertex.
        const double stretch = z_[j] - z_[j - 1];
        const double a = (n_[j] - nn_) - kMeanRounding;
        const double b = (n_[j] - n_[j - 1]) / (2 * stretch);
        auto area = [&](double u) { return (a - b * u) * u; };
        double least = std::min(area(kEdge), area(stretch - kEdge));
        if (b < 0) {
            const double vertex = a / (2 * b);
            if (vertex > kEdge && vertex < stretch - kEdge) {
                least = std::min(least, area(vertex));
            }
        }
        const double slack = kRelative * (std::fabs(a) + std::fabs(b) * stretch + 1) * (stretch + 1) +
                             kRelative * (std::fabs(top_) + std::fabs(z_[j]) + 1) * (std::fabs(a) + 1) +
                             kAbsolute;
        wholeStretch_[j] = Suffix(j) + least - kAreaRounding - slack > kClimbs ? 1 : 0;
    }
    return wholeStretch_[j] == 1;
}

std::size_t BalanceBound::StretchOf(double z) const {
    // The search asks about depths close together: the stretch of the last question first.
    std::size_t j = lastStretch_;
    if (!(j >= 1 && j < z_.size() && z_[j - 1] <= z && z < z_[j])) {
        const auto it = std::upper_bound(z_.begin(), z_.end(), z);
        if (it == z_.begin() || it == z_.end()) {
            return 0;
        }
        j = static_cast<std::size_t>(it - z_.begin());
        lastStretch_ = j;
    }
    if (j > last_ || z - z_[j - 1] < kEdge || z_[j] - z < kEdge) {
        return 0;
    }
    return j;
}

double BalanceBound::FirstIntervalLow(std::size_t j, double z) const {
    const double nz = n_[j - 1] + (z - z_[j - 1]) * (n_[j] - n_[j - 1]) / (z_[j] - z_[j - 1]);
    const double mean = ((nz - nn_) + (n_[j] - nn_)) / 2;
    const double meanLow =
        mean - kMeanRounding - kRelative * (std::fabs(nz) + std::fabs(n_[j]) + std::fabs(nn_));
    const double length = z_[j] - z;
    const double lengthSlack = kRelative * (std::fabs(top_) + std::fabs(z_[j]) + 1);
    return meanLow * (meanLow >= 0 ? length - lengthSlack : length + lengthSlack) - kAreaRounding - kAbsolute;
}

bool BalanceBound::SurelyPositive(double z) const {
    if (!usable_) {
        return false;
    }
    double low = 0;
    if (const std::size_t j = StretchOf(z); j != 0) {
        low = Suffix(j) + FirstIntervalLow(j, z);
    } else {
        // Near a point m the evaluation's range starts at m, at the point below it, or at an
        // inserted point a hair above m or below it: the least of these.
        const auto it = std::upper_bound(z_.begin(), z_.end(), z);
        const auto below = static_cast<std::size_t>(it - z_.begin());
        std::size_t m = 0;
        if (below < z_.size() && z_[below] - z < kEdge) {
            m = below;
        } else if (below >= 1 && z - z_[below - 1] < kEdge) {
            m = below - 1;
        } else {
            return false;
        }
        if (m < 1 || m >= last_) {
            return false;
        }
        const double d = std::max(std::fabs(n_[m - 1] - nn_), std::fabs(n_[m] - nn_));
        const double hair = -(d + 0.06) * (kEdge + kAbsolute) - kAreaRounding - kAbsolute;
        const double from = Suffix(m);
        const double next = Suffix(m + 1);
        low = std::min({from, from + hair, next, next + FirstIntervalLow(m + 1, z)});
    }
    return low - kRelative * (std::fabs(low) + 1) > kClimbs;
}

bool BalanceBound::StretchSurelyPositive(double z, double& zTop) const {
    if (!usable_) {
        return false;
    }
    const std::size_t j = StretchOf(z);
    if (j == 0 || !WholeStretchPositive(j)) {
        return false;
    }
    zTop = z_[j - 1] + kEdge;
    return true;
}

} // namespace zul
