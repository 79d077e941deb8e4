// N-value evaluation near the pile tip: interpolated points, the N-values over four pile
// diameters above the tip with the design N-value, and the embedment evaluation.
#include "calc/CZul.h"

#include "calc/CalcMath.h"

#include <cmath>

namespace zul {

using calcmath::Div;
using calcmath::Finite;

double CZul::RoundHalfUp(double x, int d) {
    return calcmath::Round(x, d);
}

double CZul::CosAlpha() const {
    return calcmath::CosDegrees(Alpha_);
}

void CZul::CopyN(colZulNs& list) const {
    list.CopyFrom(N_);
}

void CZul::InsertN(double z, colZulNs& list) {
    const std::int32_t count = list.Count();
    if (count < 2 || z < list.Item(1)->Z || z > list.Item(count)->Z) {
        return;
    }
    std::int32_t i = 0;
    for (std::int32_t k = 1; k <= count; ++k) {
        const double zk = list.Item(k)->Z;
        if (std::fabs(Finite(zk - z)) > 0.001 && zk > z) {
            i = k;
            break;
        }
    }
    if (i == 0) {
        return;
    }
    const clsZulN* prev = list.Item(i - 1);
    if (prev == nullptr) {
        throw CalcError("no N-value point above the inserted depth");
    }
    if (Finite(z - prev->Z) <= 0.001) {
        return;
    }
    list.Add(z, InterpolatedN(*prev, *list.Item(i), z), i, true);
}

void CZul::PointsInRange(const colZulNs& work, double z1, double z2, colZulNs& dest) {
    dest.Clear();
    const std::int32_t lo = calcmath::ToMillimetres(z1);
    const std::int32_t hi = calcmath::ToMillimetres(z2);
    for (const clsZulN& p : work) {
        const std::int32_t z = calcmath::ToMillimetres(p.Z);
        if (lo <= z && z <= hi) {
            dest.Add(p.Z, p.N);
        }
    }
}

void CZul::SelectPoints(double zUpper, double zLower, colZulNs& dest) {
    if (profileUsable_ && profile_.Select(zUpper, zLower, dest, from_)) {
        return;
    }
    CopyN(work_);
    InsertN(zLower, work_);
    InsertN(zUpper, work_);
    PointsInRange(work_, zUpper, zLower, dest);
    from_.assign(static_cast<std::size_t>(dest.Count()), -1);
}

std::int32_t CZul::StoredInterval(std::int32_t k) const {
    const std::int32_t upper = from_[static_cast<std::size_t>(k - 1)];
    const std::int32_t lower = from_[static_cast<std::size_t>(k)];
    return upper >= 0 && lower == upper + 1 ? upper : -1;
}

void CZul::CalcN4D() {
    if (N_.Count() < 2) {
        return;
    }
    const double cosA = CosAlpha();
    const clsZulJiban* first = Jiban_.Item(1);
    if (first == nullptr) {
        throw CalcError("no ground layers");
    }
    const double top = first->EU;

    double d4 = RoundHalfUp(4 * Dp_, 3);
    if (d4 > L_) {
        d4 = L_;
    }
    const double el4 = RoundHalfUp(Finite(ELPU_ - Finite(L_ - d4) * cosA), 3);
    SelectPoints(Finite(top - el4), Finite(top - ELPL_), N4D_);

    N24D_.Clear();
    N1_ = 0;
    N2_ = 0;
    if (N4D_.Count() >= 2) {
        N1_ = N4D_.Item(N4D_.Count())->N;
        double sumLii = 0;
        double sumLiNi = 0;
        for (std::int32_t k = 1; k < N4D_.Count(); ++k) {
            const std::int32_t stored = StoredInterval(k);
            const clsZulN2 r = stored >= 0 ? profile_.N2Interval(stored)
                                           : MakeN2Interval(top, *N4D_.Item(k), *N4D_.Item(k + 1), cosA);
            N24D_.Add(r.EU, r.EL, r.NU, r.NL) = r;
            sumLii = Finite(sumLii + r.Lii);
            sumLiNi = Finite(sumLiNi + r.LiNi);
        }
        if (sumLii > 0.001) {
            N2_ = RoundHalfUp(Div(sumLiNi, sumLii), 1);
        }
    }

    NN_ = RoundHalfUp((N1_ + N2_) / 2, 1);
    if (NN_ < 0) {
        NN_ = 0;
    }
    if (NN_ > 40) {
        NN_ = 40;
    }
}

void CZul::SyncProfile() {
    const clsZulJiban* first = Jiban_.Item(1);
    profileUsable_ = first != nullptr && profile_.Sync(N_, first->EU, CosAlpha());
}

void CZul::CalcNeire(double el) {
    SyncProfile();
    EvaluateNeire(el);
    SumNeireIntervals(true);
}

void CZul::EvaluateNeire(double el) {
    const clsZulJiban* first = Jiban_.Item(1);
    if (first == nullptr) {
        throw CalcError("no ground layers");
    }
    const double top = first->EU;
    const double tip = RoundHalfUp(Finite(ELPU_ - Finite(CosAlpha() * L_)), 3);
    SelectPoints(Finite(top - el), Finite(top - tip), NNeire_);
    SumNeireIntervals(false);
}

void CZul::SumNeireIntervals(bool keep) {
    if (keep) {
        Neires_.Clear();
    }
    if (NNeire_.Count() < 2) {
        Neire_ = 0;
        NeireA_ = 0;
        return;
    }
    const double top = Jiban_.Item(1)->EU;
    const double cosA = CosAlpha();
    double sumLii = 0;
    double sumLiNi = 0;
    clsZulNeire fresh;
    for (std::int32_t k = 1; k < NNeire_.Count(); ++k) {
        const std::int32_t stored = StoredInterval(k);
        const clsZulNeire& r =
            stored >= 0 ? profile_.NeireInterval(stored, NN_)
                        : (fresh = MakeNeireInterval(top, *NNeire_.Item(k), *NNeire_.Item(k + 1), NN_, cosA));
        if (keep) {
            Neires_.Add(r.EU, r.EL, r.NU, r.NL) = r;
        }
        sumLii = Finite(sumLii + r.Lii);
        sumLiNi = Finite(sumLiNi + r.LiNi);
    }
    Neire_ = sumLii;
    NeireA_ = sumLiNi;
}

} // namespace zul
