#pragma once

#include "calc/colZulN2s.h"
#include "calc/colZulNeires.h"
#include "calc/colZulNs.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zul {

// The N-value at depth z on the straight line between the points prev and next, to one decimal.
double InterpolatedN(const clsZulN& prev, const clsZulN& next, double z);

// One interval of the four-diameter mean between the points upper and lower (depths below the
// ground top `top`) with its axial length, mean N-value and area, rounded as the mean uses them.
clsZulN2 MakeN2Interval(double top, const clsZulN& upper, const clsZulN& lower, double cosA);

// One interval of the embedment evaluation, its N-values taken relative to the design value nn.
clsZulNeire MakeNeireInterval(double top, const clsZulN& upper, const clsZulN& lower, double nn, double cosA);

// The N-value points of a pile kept in depth order from one calculation run to the next, for the
// evaluations near the tip that run many times per pile and many piles per table.  An evaluation
// copies the points, inserts interpolated points at two depths and keeps the points between them;
// on points in depth order the same selection is found by bisection without copying.  The
// intervals between two stored points are the same in every evaluation that reaches them, so
// their rounded values are computed once and kept: the four-diameter intervals as long as the
// points, the ground top and the inclination stay, the embedment intervals also as long as the
// design N-value stays.  Every value equals, bit for bit, the one the plain evaluation computes.
class NValueProfile {
public:
    // Takes the points, the ground top and the cosine of the inclination, keeping what is known
    // when they are unchanged.  False when the quick selection does not apply (points out of
    // depth order, or values so large that the evaluation's range checks could fail): then the
    // caller evaluates the plain way.
    bool Sync(const colZulNs& points, double top, double cosA);

    // The points of the work list (the points, with a point inserted at zLower and then one at
    // zUpper) whose depths lie within [zUpper, zLower] in whole millimetres, in order, into
    // points; from receives for each the position of the stored point (0-based) or -1 for an
    // inserted one.  False when the depths are too large for the quick selection.
    bool Select(double zUpper, double zLower, colZulNs& points, std::vector<std::int32_t>& from) const;

    // The interval between the stored points k and k + 1 (0-based) of the four-diameter mean
    // and of the embedment evaluation against the design value nn.
    const clsZulN2& N2Interval(std::int32_t k);
    const clsZulNeire& NeireInterval(std::int32_t k, double nn);

private:
    std::vector<clsZulN> points_;
    std::vector<std::int32_t> millimetres_; // depth of each point in whole millimetres
    double top_ = 0;
    double cosA_ = 0;
    bool synced_ = false;
    bool usable_ = false;

    std::vector<clsZulN2> n2_;
    std::vector<unsigned char> n2Known_;
    std::vector<clsZulNeire> neire_;
    std::vector<std::uint64_t> neireNN_; // the design value each embedment interval was made for
    std::vector<unsigned char> neireKnown_;
};

} // namespace zul
