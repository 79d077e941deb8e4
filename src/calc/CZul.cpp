// The allowable push-in and pull-out capacity of one pile in one design case.
#include "calc/CZul.h"

#include "calc/CalcMath.h"

#include <cmath>

namespace zul {

using calcmath::Div;
using calcmath::Finite;
using calcmath::kPi;

namespace {

void CheckInputsFinite(std::initializer_list<double> values) {
    for (double v : values) {
        Finite(v);
    }
}

} // namespace

double CZul::GetBeta(double fai) {
    static constexpr double kBeta30To44[] = {1.48, 1.61, 1.75, 1.89, 2.02, 2.16, 2.40, 2.65,
                                             2.89, 3.14, 3.38, 3.77, 4.16, 4.55, 4.93};
    const double whole = std::floor(fai);
    if (whole <= 29) {
        return 0;
    }
    if (whole >= 45) {
        return 5.3;
    }
    return kBeta30To44[static_cast<int>(whole) - 30];
}

void CZul::CalcFai(double elTop) {
    const clsZulLiFi* tipSegment = PaLiFi_.Item(PaLiFi_.Count());
    if (tipSegment == nullptr) {
        throw CalcError("no shaft segment at the pile tip");
    }
    faiBasis_ = {};
    if (tipSegment->Kind == 2) {
        Fai_ = 0;
        faiBasis_.source = FaiSource::CohesiveTip;
        return;
    }
    const clsZulJiban* tipLayer = Jiban_.Item(tipSegment->No);
    if (tipLayer == nullptr) {
        throw CalcError("tip layer missing");
    }
    faiBasis_.tipN = tipLayer->N;
    if (tipLayer->N < 5) {
        Fai_ = 0;
        faiBasis_.source = FaiSource::TipNBelow5;
        return;
    }
    // Effective overburden pressure half-way up the no-friction zone, at least 50 kN/m2.
    const double mid = RoundHalfUp(Finite(H_ * 0.5 + ELPL_), 3);
    MakeLiFi(elTop, mid, 2, SvLiFi_);
    double sv = 0;
    for (const clsZulLiFi& s : SvLiFi_) {
        sv = Finite(sv + Finite(s.Gs * s.Lii));
    }
    if (sv < 50) {
        sv = 50;
    }
    const clsZulLiFi* midSegment = SvLiFi_.Item(SvLiFi_.Count());
    if (midSegment == nullptr) {
        throw CalcError("no shaft segment at the middle of the zone");
    }
    const clsZulJiban* midLayer = Jiban_.Item(midSegment->No);
    if (midLayer == nullptr) {
        throw CalcError("layer missing");
    }
    const double nc = Div(Finite(170 * midLayer->N), Finite(sv + 70));
    Fai_ = RoundHalfUp(Finite(4.8 * calcmath::Log(nc) + 21), 0);
    faiBasis_.sv = sv;
    faiBasis_.n = midLayer->N;
    faiBasis_.nc = nc;
}

void CZul::CalcPaRa() {
    Error_ = 0;
    RaLiFi_.Clear();
    PaLiFi_.Clear();
    Ra_ = 0;
    Pa_ = 0;

    CheckInputsFinite(
        {Dp_, Dw_, Dwi_, Up_, Ap_, Aw_, Alpha_, Gp1_, Gp2_, ELGL_, ELWL_, ELPU_, L_, nRa_, nPa_, QdELNeire_});
    for (const clsZulJiban& j : Jiban_) {
        CheckInputsFinite({j.EU, j.EL, j.H, j.Gs1, j.Gs2, j.Fai, j.N, j.aEo, j.f, j.qd, j.DE});
    }
    for (const clsZulN& p : N_) {
        CheckInputsFinite({p.Z, p.N});
    }
    // An inclination of 90 degrees or more puts the tip at or above the head.
    const double cosA = CosAlpha();
    if (!(cosA > 0)) {
        throw CalcError("pile inclination of 90 degrees or more");
    }

    // Pile tip, water level along the pile and the pile weight.
    ELPL_ = RoundHalfUp(Finite(ELPU_ - Finite(cosA * L_)), 3);
    double dw = Finite(ELPU_ - ELWL_);
    if (dw < 0.001) {
        dw = 0;
    }
    const double span = Finite(ELPU_ - ELPL_);
    if (dw > span) {
        dw = span;
    }
    L1_ = RoundHalfUp(Div(dw, cosA), 3);
    L2_ = Finite(L_ - L1_);
    Wp_ = RoundHalfUp(Finite(Gp1_ * L1_ + Gp2_ * L2_) * Ap_, 2);

    // Skin friction counts from the lower of the design ground surface and the pile head.
    const double top = ELGL_ < ELPU_ ? ELGL_ : ELPU_;

    // Push-in capacity.
    MakeLiFi(top, ELPL_, 0, RaLiFi_);
    for (clsZulLiFi& s : RaLiFi_) {
        s.Ws = RoundHalfUp(Finite(s.Gs * Ap_) * s.Lii, 2);
        s.LiFi = RoundHalfUp(s.Lii * s.Fi, 1);
    }
    Ws_ = 0;
    QfRa_ = 0;
    for (const clsZulLiFi& s : RaLiFi_) {
        Ws_ = Finite(Ws_ + s.Ws);
        QfRa_ = Finite(QfRa_ + s.LiFi);
    }
    SelectQd();
    const double tipArea = IsEcoPile_ ? Aw_ : Ap_;
    Ru_ = RoundHalfUp(Finite(qd_ * tipArea) + Finite(Up_ * QfRa_), 2);
    double ra = 0;
    if (IsWpRa_) {
        ra = Finite(Finite(Ws_ + Div(Finite(Ru_ - Ws_), nRa_)) - Wp_);
    } else {
        ra = Div(Ru_, nRa_);
    }
    Ra_ = RoundHalfUp(ra, 1);

    // Pull-out capacity.
    MakeLiFi(top, ELPL_, 1, PaLiFi_);
    for (clsZulLiFi& s : PaLiFi_) {
        s.Ws = RoundHalfUp(s.Gs * s.Lii, 2);
        s.LiFi = RoundHalfUp(s.Lii * s.Fi, 1);
    }
    QfPa_ = 0;
    Qw_ = 0;
    for (const clsZulLiFi& s : PaLiFi_) {
        if (!s.IsNonF) {
            Qw_ = Finite(Qw_ + s.Ws);
            QfPa_ = Finite(QfPa_ + s.LiFi);
        }
    }
    double pu = 0;
    if (IsEcoPile_) {
        // Blade pull-out: the soil body over the no-friction zone above the blades.
        H_ = 0;
        Gave_ = 0;
        for (const clsZulLiFi& s : PaLiFi_) {
            if (s.IsNonF) {
                H_ = Finite(H_ + s.Lii);
                Gave_ = Finite(Gave_ + Finite(s.Gs * s.Lii));
            }
        }
        if (H_ > 0.001) {
            Gave_ = Div(Gave_, H_);
        }
        CalcFai(top);
        Beta_ = GetBeta(Fai_);
        const double body = Finite(kPi * Dw_) * Finite(Finite(0.5 * Gave_ * H_) + Qw_);
        const double tanFai = Finite(std::tan(Finite(Fai_ * kPi / 180)));
        pu = Finite(Finite(Finite(Finite(H_ * Finite(body)) * Beta_) * tanFai) + Finite(Up_ * QfPa_));
    } else {
        pu = Finite(Up_ * QfPa_);
    }
    Pu_ = RoundHalfUp(pu, 2);
    double pa = 0;
    if (IsWpPa_) {
        pa = Finite(Div(Pu_, nPa_) + Wp_);
    } else {
        pa = Div(Pu_, nPa_);
    }
    Pa_ = RoundHalfUp(pa, 1);
}

} // namespace zul
