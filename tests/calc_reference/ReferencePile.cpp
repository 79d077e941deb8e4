#include "ReferencePile.h"

#include "ReferenceArithmetic.h"
#include "ReferenceShaft.h"
#include "ReferenceTip.h"

#include <array>
#include <cmath>

namespace zul::reference {

double BladeCoefficient(double fai) {
    static constexpr std::array<double, 16> kFrom30 = {1.48, 1.61, 1.75, 1.89, 2.02, 2.16, 2.40, 2.65,
                                                       2.89, 3.14, 3.38, 3.77, 4.16, 4.55, 4.93, 5.3};
    const double whole = std::trunc(fai);
    if (whole < 30.0) {
        return 0.0;
    }
    if (whole >= 45.0) {
        return 5.3;
    }
    return kFrom30[static_cast<std::size_t>(whole - 30.0)];
}

namespace {

// Pile weight: the axial length above the water level with Gp1, the rest with Gp2.
void PileWeight(PileCase& pile, double cosine) {
    double dry = pile.ELPU - pile.ELWL;
    if (dry < 0.001) {
        dry = 0.0;
    }
    if (dry > pile.ELPU - pile.ELPL) {
        dry = pile.ELPU - pile.ELPL;
    }
    pile.L1 = Round(Quotient(dry, cosine, "length above water"), 3);
    pile.L2 = pile.L - pile.L1;
    pile.Wp = Round((pile.Gp1 * pile.L1 + pile.Gp2 * pile.L2) * pile.Ap, 2);
}

void PushIn(PileCase& pile, double frictionTop, double cosine) {
    pile.RaLiFi = BuildShaft(pile, frictionTop, pile.ELPL, ShaftUse::PushIn);
    pile.Ws = 0.0;
    pile.QfRa = 0.0;
    for (Segment& s : pile.RaLiFi) {
        s.Ws = Round(s.Gs * pile.Ap * s.Lii, 2);
        s.LiFi = Round(s.Lii * s.Fi, 1);
        pile.Ws += s.Ws;
        pile.QfRa += s.LiFi;
    }
    SelectTipResistance(pile, cosine);
    const double tipArea = pile.IsEcoPile ? pile.Aw : pile.Ap;
    pile.Ru = Round(pile.qd * tipArea + pile.Up * pile.QfRa, 2);
    const double ra = pile.IsWpRa
                          ? pile.Ws + Quotient(pile.Ru - pile.Ws, pile.nRa, "push-in safety factor") - pile.Wp
                          : Quotient(pile.Ru, pile.nRa, "push-in safety factor");
    pile.Ra = Round(ra, 1);
}

// Angle of internal friction at mid-height of the no-friction zone from the corrected
// N-value of the layer there; 0 in cohesive soil or where the tip layer's N is below 5.
double BladeFrictionAngle(PileCase& pile, double frictionTop) {
    const Segment& tipSegment = pile.PaLiFi.back();
    if (tipSegment.Kind == 2) {
        return 0.0;
    }
    if (pile.Jiban.at(static_cast<std::size_t>(tipSegment.No - 1)).N < 5.0) {
        return 0.0;
    }
    const double mid = Round(pile.H * 0.5 + pile.ELPL, 3);
    const std::vector<Segment> overburden = BuildShaft(pile, frictionTop, mid, ShaftUse::Overburden);
    double sv = 0.0;
    for (const Segment& s : overburden) {
        sv += s.Gs * s.Lii;
    }
    if (sv < 50.0) {
        sv = 50.0;
    }
    if (overburden.empty()) {
        throw CalcFailure("no segment at mid-height of the no-friction zone");
    }
    const double n = pile.Jiban.at(static_cast<std::size_t>(overburden.back().No - 1)).N;
    const double corrected = Quotient(170.0 * n, sv + 70.0, "corrected N-value");
    return Round(4.8 * NaturalLog(corrected, "corrected N-value") + 21.0, 0);
}

void PullOut(PileCase& pile, double frictionTop) {
    pile.PaLiFi = BuildShaft(pile, frictionTop, pile.ELPL, ShaftUse::PullOut);
    for (Segment& s : pile.PaLiFi) {
        s.Ws = Round(s.Gs * s.Lii, 2);
        s.LiFi = Round(s.Lii * s.Fi, 1);
    }
    pile.QfPa = 0.0;
    pile.Qw = 0.0;
    for (const Segment& s : pile.PaLiFi) {
        if (!s.IsNonF) {
            pile.Qw += s.Ws;
            pile.QfPa += s.LiFi;
        }
    }
    double pu = pile.Up * pile.QfPa;
    if (pile.IsEcoPile) {
        pile.H = 0.0;
        pile.Gave = 0.0;
        for (const Segment& s : pile.PaLiFi) {
            if (s.IsNonF) {
                pile.H += s.Lii;
                pile.Gave += s.Gs * s.Lii;
            }
        }
        if (pile.H > 0.001) {
            pile.Gave = pile.Gave / pile.H;
        }
        pile.Fai = BladeFrictionAngle(pile, frictionTop);
        pile.Beta = BladeCoefficient(pile.Fai);
        const double soilBody = pile.H * (kPi * pile.Dw * (0.5 * pile.Gave * pile.H + pile.Qw));
        pu = Finite(soilBody * pile.Beta * std::tan(pile.Fai * kPi / 180.0), "blade resistance") + pu;
    }
    pile.Pu = Round(pu, 2);
    const double pa = pile.IsWpPa ? Quotient(pile.Pu, pile.nPa, "pull-out safety factor") + pile.Wp
                                  : Quotient(pile.Pu, pile.nPa, "pull-out safety factor");
    pile.Pa = Round(pa, 1);
}

} // namespace

void RunPileCase(PileCase& pile) {
    pile.Error = 0;
    pile.RaLiFi.clear();
    pile.PaLiFi.clear();
    pile.Ra = 0.0;
    pile.Pa = 0.0;
    const double cosine = InclinationCosine(pile.Alpha);

    pile.ELPL = Round(pile.ELPU - cosine * pile.L, 3);
    PileWeight(pile, cosine);
    const double frictionTop = pile.ELGL < pile.ELPU ? pile.ELGL : pile.ELPU;
    PushIn(pile, frictionTop, cosine);
    PullOut(pile, frictionTop);
}

} // namespace zul::reference
