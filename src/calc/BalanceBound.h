#pragma once

#include "calc/colZulNs.h"

#include <cstddef>
#include <vector>

namespace zul {

// Speeds up the area-balance search of the embedment without changing its result.  While the
// search climbs, the evaluation from a depth z down to the tip differs from one step to the
// next only in its first interval (from z to the next N-value point below); the intervals
// below are fixed.  A lower bound of the balance area, from the fixed intervals and the first
// one computed without its roundings (whose effect is bounded), tells where the area is
// certainly above 0.001: there the search is known to climb on and the step needs no
// evaluation.
class BalanceBound {
public:
    // work: the N-value points with the tip point already inserted, as the evaluation starts
    // from; top: the ground top; zTip: the depth of the tip; nn: the design N-value.
    void Prepare(const colZulNs& work, double top, double zTip, double nn);

    // True when the balance area of the range from depth z down to the tip is certainly
    // greater than 0.001.  False when that cannot be shown (the search must evaluate).
    bool SurelyPositive(double z) const;

    // True when that holds for every depth of the stretch between the two N-value points
    // around z (away from their ends); zTop is then the shallowest such depth.
    bool StretchSurelyPositive(double z, double& zTop) const;

private:
    // Index j of the stretch from point j-1 to point j holding z away from its ends, or 0.
    std::size_t StretchOf(double z) const;
    // Lower bound of the first interval's balance area from z (in stretch j) to point j.
    double FirstIntervalLow(std::size_t j, double z) const;
    // The balance area of the fixed intervals from point k down to the tip, less its allowance.
    double Suffix(std::size_t k) const;
    // Whether stretch j is certainly positive throughout.
    bool WholeStretchPositive(std::size_t j) const;

    std::vector<double> z_; // depths of the points, strictly increasing
    std::vector<double> n_; // their N-values
    std::size_t last_ = 0;  // the deepest point within the range
    double top_ = 0;
    double nn_ = 0;
    bool usable_ = false;
    // Filled upwards as the search climbs: the sums of the fixed intervals from point k down
    // (known from summedFrom_ on), the sum of their magnitudes, and the stretch verdicts
    // (1 positive throughout, 0 not shown, -1 not yet known).
    mutable std::vector<double> suffix_;
    mutable std::size_t summedFrom_ = 0;
    mutable double magnitude_ = 0;
    mutable std::vector<signed char> wholeStretch_;
    mutable std::size_t lastStretch_ = 0; // the stretch StretchOf found last
};

} // namespace zul
