#pragma once

#include "calc/BalanceBound.h"
#include "calc/NValueProfile.h"
#include "calc/colZulJiban.h"
#include "calc/colZulLiFis.h"
#include "calc/colZulN2s.h"
#include "calc/colZulNeires.h"
#include "calc/colZulNs.h"

#include <cstdint>
#include <vector>

namespace zul {

// The calculation of one pile in one design case (normal or level-1 earthquake): from the
// ground layers, the N-values and the pile data it computes the ultimate and allowable
// push-in bearing capacity (Ru, Ra) and pull-out capacity (Pu, Pa), and keeps every
// intermediate value readable for the screens and reports.
class CZul {
public:
    CZul() = default;

    // Runs the whole calculation.  Throws CalcError on any step without a finite result or
    // when a segment that must be read is missing; the values computed so far stay.
    void CalcPaRa();

    // --- result code
    std::int32_t Error() const { return Error_; }

    // --- inputs
    colZulJiban& Jiban() { return Jiban_; }
    const colZulJiban& Jiban() const { return Jiban_; }
    colZulNs& N() { return N_; }
    const colZulNs& N() const { return N_; }
    bool IsEcoPile() const { return IsEcoPile_; }
    void setIsEcoPile(bool v) { IsEcoPile_ = v; }
    std::int32_t KuiType() const { return KuiType_; }
    void setKuiType(std::int32_t v) { KuiType_ = v; }
    double Dp() const { return Dp_; }
    void setDp(double v) { Dp_ = v; }
    double Dw() const { return Dw_; }
    void setDw(double v) { Dw_ = v; }
    double Dwi() const { return Dwi_; }
    void setDwi(double v) { Dwi_ = v; }
    double Up() const { return Up_; }
    void setUp(double v) { Up_ = v; }
    double Ap() const { return Ap_; }
    void setAp(double v) { Ap_ = v; }
    double Aw() const { return Aw_; }
    void setAw(double v) { Aw_ = v; }
    double Alpha() const { return Alpha_; }
    void setAlpha(double v) { Alpha_ = v; }
    double Gp1() const { return Gp1_; }
    void setGp1(double v) { Gp1_ = v; }
    double Gp2() const { return Gp2_; }
    void setGp2(double v) { Gp2_ = v; }
    double ELGL() const { return ELGL_; }
    void setELGL(double v) { ELGL_ = v; }
    double ELWL() const { return ELWL_; }
    void setELWL(double v) { ELWL_ = v; }
    double ELPU() const { return ELPU_; }
    void setELPU(double v) { ELPU_ = v; }
    double L() const { return L_; }
    void setL(double v) { L_ = v; }
    double nRa() const { return nRa_; }
    void setnRa(double v) { nRa_ = v; }
    double nPa() const { return nPa_; }
    void setnPa(double v) { nPa_ = v; }
    bool IsWpRa() const { return IsWpRa_; }
    void setIsWpRa(bool v) { IsWpRa_ = v; }
    bool IsWpPa() const { return IsWpPa_; }
    void setIsWpPa(bool v) { IsWpPa_ = v; }
    std::int32_t QdMethod() const { return QdMethod_; }
    void setQdMethod(std::int32_t v) { QdMethod_ = v; }
    std::int32_t QdNeireType() const { return QdNeireType_; }
    void setQdNeireType(std::int32_t v) { QdNeireType_ = v; }
    double QdELNeire() const { return QdELNeire_; }
    void setQdELNeire(double v) { QdELNeire_ = v; }
    std::int32_t QdAp() const { return QdAp_; }
    void setQdAp(std::int32_t v) { QdAp_ = v; }

    // --- results
    double ELPL() const { return ELPL_; }
    const colZulNs& N4D() const { return N4D_; }
    const colZulN2s& N24D() const { return N24D_; }
    double N1() const { return N1_; }
    double N2() const { return N2_; }
    double NN() const { return NN_; }
    const colZulNs& NNeire() const { return NNeire_; }
    const colZulNeires& Neires() const { return Neires_; }
    double Neire() const { return Neire_; }
    double NeireA() const { return NeireA_; }
    double RNeireDp() const { return RNeireDp_; }
    double RQdNN() const { return RQdNN_; }
    double L1() const { return L1_; }
    double L2() const { return L2_; }
    double Wp() const { return Wp_; }
    const colZulLiFis& RaLiFi() const { return RaLiFi_; }
    const colZulLiFis& PaLiFi() const { return PaLiFi_; }
    double Ws() const { return Ws_; }
    double qd() const { return qd_; }
    double QfRa() const { return QfRa_; }
    double QfPa() const { return QfPa_; }
    double Ru() const { return Ru_; }
    double Pu() const { return Pu_; }
    double Ra() const { return Ra_; }
    double Pa() const { return Pa_; }
    double Qw() const { return Qw_; }
    double H() const { return H_; }
    double Gave() const { return Gave_; }
    double Beta() const { return Beta_; }
    double Fai() const { return Fai_; }

    // What the angle of internal friction of the blade pull-out was found from, for the report.
    enum class FaiSource { Calculated, CohesiveTip, TipNBelow5 };
    struct FaiBasis {
        FaiSource source = FaiSource::Calculated;
        double tipN = 0; // N of the tip layer
        double sv = 0;   // effective overburden half-way up the zone as used (after its lower bound), kN/m2
        double n = 0;    // N of the layer at that point
        double nc = 0;   // corrected N value from which Fai follows
    };
    const FaiBasis& FaiFrom() const { return faiBasis_; }

private:
    friend struct CZulTestAccess; // lets the unit tests reach the private steps

    // Half-up rounding to d decimals (the shared rounding, with a finiteness check).
    static double RoundHalfUp(double x, int d);
    // Clears list and appends a copy of every N-value point.
    void CopyN(colZulNs& list) const;
    // Inserts an interpolated point at depth z into list.
    static void InsertN(double z, colZulNs& list);
    // Keeps the points of work whose depth lies in [z1, z2] (whole millimetres) in dest.
    static void PointsInRange(const colZulNs& work, double z1, double z2, colZulNs& dest);
    // The points of the work list (the N-value points with points inserted at zLower, then at
    // zUpper) within [zUpper, zLower] into dest; from_ tells which come from the profile.
    void SelectPoints(double zUpper, double zLower, colZulNs& dest);
    // The profile position of the interval between the selected points k and k + 1 (1-based),
    // or -1 when it is not an interval of the profile.
    std::int32_t StoredInterval(std::int32_t k) const;
    // Brings the N-value profile up to the current points, ground top and inclination.
    void SyncProfile();
    // N-values over four diameters above the tip: N4D, N24D, N1, N2, NN (profile in step).
    void CalcN4D();
    // Embedment evaluation from elevation el down to the tip: NNeire, Neires, Neire, NeireA.
    void CalcNeire(double el);
    // The same with the profile as the last SyncProfile left it (the N-values, the ground top
    // and the inclination do not change within a run), without the intervals: NNeire, Neire
    // and NeireA.
    void EvaluateNeire(double el);
    // Neire and NeireA from the points of NNeire, and with keep also the intervals in Neires.
    void SumNeireIntervals(bool keep);
    // Area-balance search of the embedment (no distinct bearing layer).
    void SearchNeireByBalance();
    // Shaft segments between elTop and elBottom for mode 0 (push-in), 1 (pull-out) or
    // 2 (overburden, vertical, no zone).
    void MakeLiFi(double elTop, double elBottom, int mode, colZulLiFis& list) const;
    // Cuts the segment containing elevation el in two.
    static void SplitLiFi(double el, colZulLiFis& list);
    // Tip resistance intensity of the tip step.
    void SelectQd();
    // Automatic tip resistance of a driven pile.
    void CalcQdAuto();
    // Blade pull-out coefficient for the whole degrees of fai.
    static double GetBeta(double fai);
    // Angle of internal friction for the blade pull-out of a rotary press-in pile.
    void CalcFai(double elTop);
    // Cosine of the inclination.
    double CosAlpha() const;

    std::int32_t Error_ = 0;

    colZulJiban Jiban_;
    colZulNs N_;
    bool IsEcoPile_ = false;
    std::int32_t KuiType_ = 0;
    double Dp_ = 0;
    double Dw_ = 0;
    double Dwi_ = 0;
    double Up_ = 0;
    double Ap_ = 0;
    double Aw_ = 0;
    double Alpha_ = 0;
    double Gp1_ = 0;
    double Gp2_ = 0;
    double ELGL_ = 0;
    double ELWL_ = 0;
    double ELPU_ = 0;
    double L_ = 10;
    double nRa_ = 0;
    double nPa_ = 0;
    bool IsWpRa_ = false;
    bool IsWpPa_ = false;
    std::int32_t QdMethod_ = 0;
    std::int32_t QdNeireType_ = 0;
    double QdELNeire_ = 0;
    std::int32_t QdAp_ = 0;

    double ELPL_ = 0;
    colZulNs N4D_;
    colZulN2s N24D_;
    double N1_ = 0;
    double N2_ = 0;
    double NN_ = 0;
    colZulNs NNeire_;
    colZulNeires Neires_;
    double Neire_ = 0;
    double NeireA_ = 0;
    double RNeireDp_ = 0;
    double RQdNN_ = 0;
    double L1_ = 0;
    double L2_ = 0;
    double Wp_ = 0;
    colZulLiFis RaLiFi_;
    colZulLiFis PaLiFi_;
    double Ws_ = 0;
    double qd_ = 0;
    double QfRa_ = 0;
    double QfPa_ = 0;
    double Ru_ = 0;
    double Pu_ = 0;
    double Ra_ = 0;
    double Pa_ = 0;
    double Qw_ = 0;
    double H_ = 0;
    double Gave_ = 0;
    double Beta_ = 0;
    double Fai_ = 0;
    FaiBasis faiBasis_;

    // Overburden segments for the blade pull-out (vertical, no zone).
    colZulLiFis SvLiFi_;
    // Scratch point lists of the N-value evaluations, kept to avoid reallocation.
    colZulNs work_;
    colZulNs balanceWork_;
    // The N-value points in depth order with the interval values known so far, kept between
    // runs; profileUsable_ tells whether it applies to this run.  from_ holds the profile
    // position of each point of the last selection (-1 for an inserted point).
    NValueProfile profile_;
    bool profileUsable_ = false;
    std::vector<std::int32_t> from_;
    // Skips the evaluations of the area-balance search whose outcome is certain.
    BalanceBound balanceBound_;
};

} // namespace zul
