#include "ReferenceTip.h"

#include "ReferenceArithmetic.h"
#include "ReferenceNValues.h"

#include <algorithm>
#include <cmath>

namespace zul::reference {

namespace {

void TakeEmbedment(PileCase& pile, Embedment e) {
    pile.NNeire = std::move(e.points);
    pile.Neires = std::move(e.intervals);
    pile.Neire = e.length;
    pile.NeireA = e.area;
}

// Embedment found by balancing the area of N - NN from an elevation down to the tip: the
// elevation climbs in steps of 0.1 m while the balance is positive and steps back with half
// the step once it is not.  It never climbs above the ground top or the pile head.
void BalanceEmbedment(PileCase& pile, double groundTop, double cosine) {
    const double ceiling = std::min(groundTop, pile.ELPU);
    auto evaluate = [&](double el) {
        TakeEmbedment(pile, EvaluateEmbedment(pile.N, groundTop, pile.ELPU, pile.L, pile.NN, el, cosine));
    };
    double step = 0.1;
    double el = pile.ELPL + 0.1;
    for (;;) {
        evaluate(el);
        if (std::fabs(pile.NeireA) < 0.001 || step < 0.001) {
            return;
        }
        if (pile.NeireA > 0.0) {
            if (el + step > ceiling) {
                evaluate(ceiling);
                return;
            }
            el += step;
        } else {
            el -= step;
            step /= 2.0;
        }
    }
}

// Embedment below the top of the deepest layer whose top (in whole millimetres) is at or
// above the tip.
double EmbedmentBelowLayerTop(PileCase& pile) {
    const auto tip = WholeMillimetres(pile.ELPL);
    pile.QdELNeire = 0.0;
    for (auto it = pile.Jiban.rbegin(); it != pile.Jiban.rend(); ++it) {
        if (WholeMillimetres(it->EU) >= tip) {
            pile.QdELNeire = it->EU;
            return it->EU - pile.ELPL;
        }
    }
    return 0.0;
}

void AutomaticTipResistance(PileCase& pile, double cosine) {
    if (pile.N.size() < 2) {
        return;
    }
    const double groundTop = pile.Jiban.front().EU;
    FourDiameterN four =
        EvaluateFourDiameters(pile.N, groundTop, pile.ELPU, pile.L, pile.Dp, pile.ELPL, cosine);
    pile.N4D = std::move(four.points);
    pile.N24D = std::move(four.intervals);
    pile.N1 = four.atTip;
    pile.N2 = four.average;
    pile.NN = four.design;

    if (pile.QdNeireType == 2) {
        BalanceEmbedment(pile, groundTop, cosine);
    } else if (pile.QdNeireType == 0 || pile.QdNeireType == 1) {
        const double depth =
            pile.QdNeireType == 0 ? pile.QdELNeire - pile.ELPL : EmbedmentBelowLayerTop(pile);
        pile.Neire = Round(Quotient(std::max(depth, 0.0), cosine, "embedment"), 3);
    }

    pile.RNeireDp = Round(Quotient(pile.Neire, pile.Dp, "embedment ratio"), 1);
    double ratio = pile.QdAp != 0 ? (300.0 / 5.0) * pile.RNeireDp : (200.0 / 5.0) * pile.RNeireDp + 100.0;
    ratio = std::clamp(ratio, 0.0, 300.0);
    pile.RQdNN = ratio;
    pile.qd = Round(ratio * pile.NN, 0);
}

} // namespace

void SelectTipResistance(PileCase& pile, double cosine) {
    pile.qd = 0.0;
    if (pile.KuiType != 0) {
        return;
    }
    if (pile.QdMethod == 1) {
        AutomaticTipResistance(pile, cosine);
    } else if (pile.QdMethod == 0) {
        if (pile.RaLiFi.empty()) {
            throw CalcFailure("no push-in segment at the tip");
        }
        const std::int32_t k = pile.RaLiFi.back().No;
        if (k > 0) {
            pile.qd = pile.Jiban.at(static_cast<std::size_t>(k - 1)).qd;
        }
    }
}

} // namespace zul::reference
