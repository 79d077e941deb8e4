#include "calc/NValueProfile.h"

#include "calc/CalcMath.h"

#include <bit>
#include <cmath>

namespace zul {

using calcmath::Div;
using calcmath::Finite;
using calcmath::Round;

namespace {

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// A point of a work list with the position of the stored point it copies (-1 when inserted)
// and its depth in whole millimetres.
struct Slot {
    clsZulN point;
    std::int32_t from = -1;
    std::int32_t millimetres = 0;
};

// Where the insertion of an interpolated point puts it: before position at (0-based).
struct Insertion {
    bool done = false;
    std::size_t at = 0;
    Slot slot;
};

// The insertion of a point at depth z into a work list in depth order, read through at(i).
// The next point is the first one more than 0.001 deeper than z; in depth order that condition,
// once true, stays true, so bisection finds the position the scan from the top finds.
template <typename At>
bool PlanInsertion(double z, std::int32_t zMillimetres, std::size_t count, const At& at, Insertion& out) {
    out = Insertion{};
    if (count < 2 || z < at(0).point.Z || z > at(count - 1).point.Z) {
        return true;
    }
    std::size_t lo = 0;
    std::size_t hi = count;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        const double zk = at(mid).point.Z;
        if (zk > z && std::fabs(zk - z) > 0.001) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    if (lo == count) {
        return true;
    }
    if (lo == 0) {
        return false; // no point above z: only the plain evaluation knows how that ends
    }
    const clsZulN prev = at(lo - 1).point;
    if (z - prev.Z <= 0.001) {
        return true;
    }
    out.done = true;
    out.at = lo;
    out.slot = Slot{clsZulN{z, InterpolatedN(prev, at(lo).point, z)}, -1, zMillimetres};
    return true;
}

// The work list after an insertion, read through the list before it.
template <typename At> struct AfterInsertion {
    const At& before;
    const Insertion& insertion;
    Slot operator()(std::size_t i) const {
        if (!insertion.done || i < insertion.at) {
            return before(i);
        }
        return i == insertion.at ? insertion.slot : before(i - 1);
    }
};

// The first position in [0, count) whose millimetres reach the limit (count when none does).
template <typename At, typename Reached>
std::size_t FirstReaching(std::size_t count, const At& at, const Reached& reached) {
    std::size_t lo = 0;
    std::size_t hi = count;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (reached(at(mid).millimetres)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

} // namespace

double InterpolatedN(const clsZulN& prev, const clsZulN& next, double z) {
    const double rise = Finite((z - prev.Z) * Finite(next.N - prev.N));
    return Round(Finite(prev.N + Div(rise, Finite(next.Z - prev.Z))), 1);
}

clsZulN2 MakeN2Interval(double top, const clsZulN& upper, const clsZulN& lower, double cosA) {
    auto r = MakeIntervalRecord<clsZulN2>(Finite(top - upper.Z), Finite(top - lower.Z), upper.N, lower.N);
    Finite(r.Li);
    r.Lii = Round(Div(r.Li, cosA), 3);
    r.Ni = Round(Finite(r.NU + r.NL) / 2, 2);
    r.LiNi = Round(r.Ni * r.Li, 2);
    return r;
}

clsZulNeire MakeNeireInterval(double top, const clsZulN& upper, const clsZulN& lower, double nn,
                              double cosA) {
    auto r = MakeIntervalRecord<clsZulNeire>(Finite(top - upper.Z), Finite(top - lower.Z), upper.N, lower.N);
    Finite(r.Li);
    r.DNU = Finite(r.NU - nn);
    r.DNL = Finite(r.NL - nn);
    r.Lii = Round(Div(r.Li, cosA), 3);
    r.Ni = Round(Finite(r.DNU + r.DNL) / 2, 2);
    r.LiNi = Round(r.Ni * r.Li, 2);
    return r;
}

bool NValueProfile::Sync(const colZulNs& points, double top, double cosA) {
    const auto count = static_cast<std::size_t>(points.Count());
    if (synced_ && SameBits(top, top_) && SameBits(cosA, cosA_) && count == points_.size()) {
        bool same = true;
        std::size_t k = 0;
        for (const clsZulN& p : points) {
            same = same && SameBits(p.Z, points_[k].Z) && SameBits(p.N, points_[k].N);
            ++k;
        }
        if (same) {
            return usable_;
        }
    }
    synced_ = true;
    points_.assign(points.begin(), points.end());
    top_ = top;
    cosA_ = cosA;
    usable_ = std::fabs(top) < calcmath::kQuickMaxDepth;
    for (std::size_t k = 0; usable_ && k < count; ++k) {
        const clsZulN& p = points_[k];
        usable_ = std::fabs(p.Z) < calcmath::kQuickMaxDepth && std::fabs(p.N) < calcmath::kQuickMaxN &&
                  (k == 0 || points_[k - 1].Z <= p.Z);
    }
    millimetres_.clear();
    if (usable_) {
        for (const clsZulN& p : points_) {
            millimetres_.push_back(calcmath::ToMillimetres(p.Z));
        }
    }
    const std::size_t intervals = count > 0 ? count - 1 : 0;
    n2_.resize(intervals);
    n2Known_.assign(intervals, 0);
    neire_.resize(intervals);
    neireNN_.assign(intervals, 0);
    neireKnown_.assign(intervals, 0);
    return usable_;
}

bool NValueProfile::Select(double zUpper, double zLower, colZulNs& points,
                           std::vector<std::int32_t>& from) const {
    if (!usable_ || !(std::fabs(zUpper) < calcmath::kQuickMaxDepth) ||
        !(std::fabs(zLower) < calcmath::kQuickMaxDepth)) {
        return false;
    }
    const std::int32_t upperMm = calcmath::ToMillimetres(zUpper);
    const std::int32_t lowerMm = calcmath::ToMillimetres(zLower);
    const auto stored = [this](std::size_t i) {
        return Slot{points_[i], static_cast<std::int32_t>(i), millimetres_[i]};
    };
    Insertion lower;
    if (!PlanInsertion(zLower, lowerMm, points_.size(), stored, lower)) {
        return false;
    }
    const AfterInsertion<decltype(stored)> withLower{stored, lower};
    const std::size_t count1 = points_.size() + (lower.done ? 1 : 0);
    Insertion upper;
    if (!PlanInsertion(zUpper, upperMm, count1, withLower, upper)) {
        return false;
    }
    const AfterInsertion<decltype(withLower)> work{withLower, upper};
    const std::size_t count = count1 + (upper.done ? 1 : 0);

    // Depths in order have their millimetres in order: the range is one run of positions.
    const std::size_t first =
        FirstReaching(count, work, [upperMm](std::int32_t mm) { return mm >= upperMm; });
    const std::size_t end = FirstReaching(count, work, [lowerMm](std::int32_t mm) { return mm > lowerMm; });
    points.Clear();
    from.clear();
    for (std::size_t i = first; i < end; ++i) {
        const Slot s = work(i);
        points.Add(s.point.Z, s.point.N);
        from.push_back(s.from);
    }
    return true;
}

const clsZulN2& NValueProfile::N2Interval(std::int32_t k) {
    const auto i = static_cast<std::size_t>(k);
    if (n2Known_[i] == 0) {
        n2_[i] = MakeN2Interval(top_, points_[i], points_[i + 1], cosA_);
        n2Known_[i] = 1;
    }
    return n2_[i];
}

const clsZulNeire& NValueProfile::NeireInterval(std::int32_t k, double nn) {
    const auto i = static_cast<std::size_t>(k);
    const auto key = std::bit_cast<std::uint64_t>(nn);
    if (neireKnown_[i] == 0 || neireNN_[i] != key) {
        neire_[i] = MakeNeireInterval(top_, points_[i], points_[i + 1], nn, cosA_);
        neireNN_[i] = key;
        neireKnown_[i] = 1;
    }
    return neire_[i];
}

} // namespace zul
