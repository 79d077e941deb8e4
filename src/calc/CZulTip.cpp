// Tip resistance intensity: the tip layer's entered value, or for driven piles the automatic
// value from the design N-value at the tip and the converted embedment into the bearing layer.
#include "calc/CZul.h"

#include "calc/CalcMath.h"

#include <algorithm>
#include <cmath>

namespace zul {

using calcmath::Div;
using calcmath::Finite;

namespace {
// The area-balance search climbs by at most 0.1 m per step; this many evaluations cover
// more than ten kilometres, far beyond any pile, and stop an input that cannot settle.
constexpr int kMaxBalanceEvaluations = 100000;
} // namespace

void CZul::SelectQd() {
    qd_ = 0;
    if (KuiType_ != 0) {
        return;
    }
    if (QdMethod_ == 1) {
        CalcQdAuto();
    } else if (QdMethod_ == 0) {
        const clsZulLiFi* tipSegment = RaLiFi_.Item(RaLiFi_.Count());
        if (tipSegment == nullptr) {
            throw CalcError("no shaft segment at the pile tip");
        }
        const std::int32_t k = tipSegment->No;
        if (k > 0) {
            const clsZulJiban* layer = Jiban_.Item(k);
            if (layer == nullptr) {
                throw CalcError("tip layer missing");
            }
            qd_ = layer->qd;
        }
    }
}

void CZul::CalcQdAuto() {
    if (N_.Count() < 2) {
        return;
    }
    SyncProfile();
    CalcN4D();
    const double cosA = CosAlpha();
    switch (QdNeireType_) {
    case 0: {
        double d = Finite(QdELNeire_ - ELPL_);
        if (d < 0) {
            d = 0;
        }
        Neire_ = RoundHalfUp(Div(d, cosA), 3);
        break;
    }
    case 1: {
        // The bearing layer is the deepest layer whose top (in whole millimetres) is at or
        // above the tip; a tip exactly on a boundary belongs to the lower layer.
        const std::int32_t tipMm = calcmath::ToMillimetres(ELPL_);
        const clsZulJiban* bearing = nullptr;
        for (std::int32_t k = Jiban_.Count(); k >= 1; --k) {
            if (calcmath::ToMillimetres(Jiban_.Item(k)->EU) >= tipMm) {
                bearing = Jiban_.Item(k);
                break;
            }
        }
        QdELNeire_ = 0;
        double d = 0;
        if (bearing != nullptr) {
            QdELNeire_ = bearing->EU;
            d = Finite(bearing->EU - ELPL_);
        }
        if (d < 0) {
            d = 0;
        }
        Neire_ = RoundHalfUp(Div(d, cosA), 3);
        break;
    }
    case 2:
        SearchNeireByBalance();
        break;
    default:
        break;
    }

    RNeireDp_ = RoundHalfUp(Div(Neire_, Dp_), 1);
    if (QdAp_ != 0) {
        RQdNN_ = Finite((300.0 / 5.0) * RNeireDp_);
    } else {
        RQdNN_ = Finite((200.0 / 5.0) * RNeireDp_ + 100);
    }
    if (RQdNN_ < 0) {
        RQdNN_ = 0;
    }
    if (RQdNN_ > 300) {
        RQdNN_ = 300;
    }
    qd_ = RoundHalfUp(RQdNN_ * NN_, 0);
}

void CZul::SearchNeireByBalance() {
    const clsZulJiban* first = Jiban_.Item(1);
    if (first == nullptr) {
        throw CalcError("no ground layers");
    }
    const double top = first->EU;
    // The embedment range never reaches above the ground top or the pile head.
    const double limit = std::min(top, ELPU_);
    const double zTip = Finite(top - RoundHalfUp(Finite(ELPU_ - Finite(CosAlpha() * L_)), 3));
    bool prepared = false; // the bound is prepared once the search starts to climb

    // The evaluations of the climb only need the two sums; the intervals of the last one are
    // kept when the search ends.
    double step = 0.1;
    double el = Finite(ELPL_ + 0.1);
    for (int evaluations = 1;; ++evaluations) {
        if (evaluations > kMaxBalanceEvaluations) {
            EvaluateNeire(el);
            SumNeireIntervals(true);
            throw CalcError("embedment search does not settle");
        }
        // Where the balance area is certainly above 0.001 the evaluation would only say
        // "climb on"; it is skipped, over a whole stretch between two points where possible.
        const double z = Finite(top - el);
        double zTop = 0;
        if (prepared && step >= 0.001 && balanceBound_.StretchSurelyPositive(z, zTop)) {
            for (;;) {
                const double next = Finite(el + step);
                if (next > limit) {
                    EvaluateNeire(limit);
                    SumNeireIntervals(true);
                    return;
                }
                el = next;
                if (!(Finite(top - el) >= zTop)) {
                    break;
                }
                if (++evaluations > kMaxBalanceEvaluations) {
                    EvaluateNeire(el);
                    SumNeireIntervals(true);
                    throw CalcError("embedment search does not settle");
                }
            }
            continue;
        }
        if (!(prepared && step >= 0.001 && balanceBound_.SurelyPositive(z))) {
            EvaluateNeire(el);
            if (std::fabs(NeireA_) < 0.001 || step < 0.001) {
                SumNeireIntervals(true);
                return;
            }
            if (!(NeireA_ > 0)) {
                el = Finite(el - step);
                step = step / 2;
                continue;
            }
            if (!prepared) {
                CopyN(balanceWork_);
                InsertN(zTip, balanceWork_);
                balanceBound_.Prepare(balanceWork_, top, zTip, NN_);
                prepared = true;
            }
        }
        const double next = Finite(el + step);
        if (next > limit) {
            EvaluateNeire(limit);
            SumNeireIntervals(true);
            return;
        }
        el = next;
    }
}

} // namespace zul
