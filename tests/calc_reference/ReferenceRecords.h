#pragma once

#include <cstdint>
#include <vector>

namespace zul::reference {

// One ground layer, stacked from the top of the first layer downwards.
struct Layer {
    double EU = 0.0;
    double EL = -100.0;
    double H = 100.0;
    std::int32_t Kind = 0; // 0 sandy soil, 1 sandy gravel, 2 cohesive soil
    double Gs1 = 18.0;
    double Gs2 = 10.0;
    double Fai = 0.0;
    double N = 0.0;
    double aEo = 10000.0;
    double f = 0.0;
    double qd = 3000.0;
    double DE = 1.0;
};

// One N-value point: depth below the ground top and its N-value.
struct NPoint {
    double Z = 0.0;
    double N = 0.0;
};

// An interval between two N-value points within four diameters above the tip.
struct NInterval {
    double EU = 0.0;
    double EL = 0.0;
    double Li = 0.0;
    double Lii = 0.0;
    double NU = 0.0;
    double NL = 0.0;
    double Ni = 0.0;
    double LiNi = 0.0;
};

// An interval between two N-value points of the embedment evaluation, with the excess of
// the N-values over the design N-value; Ni and LiNi are then taken from the excess.
struct EmbedInterval : NInterval {
    double DNU = 0.0;
    double DNL = 0.0;
};

// A piece of the shaft inside one layer and on one side of the water level.
struct Segment {
    std::int32_t No = 0;
    std::int32_t Kind = 0;
    double EU = 0.0;
    double EL = -100.0;
    double Li = 1.0;
    double Lii = 1.0;
    double Gs = 0.0;
    double Ws = 0.0;
    double Fi = 0.0;
    double LiFi = 0.0;
    bool IsNonF = false;
};

// One row of the length and diameter table.
struct TableRow {
    double L = 0.0;
    double Ra = 0.0;
    double Pa = 0.0;
    double Rae = 0.0;
    double Pae = 0.0;
    std::int32_t Error = 0;
};

// One pile in one design case: what the driver feeds in and everything the calculation
// leaves behind.  A fresh case has every number 0, every flag false, no lists and L = 10.
struct PileCase {
    // inputs
    std::vector<Layer> Jiban;
    std::vector<NPoint> N;
    bool IsEcoPile = false;
    std::int32_t KuiType = 0;
    double Dp = 0.0;
    double Dw = 0.0;
    double Dwi = 0.0;
    double Up = 0.0;
    double Ap = 0.0;
    double Aw = 0.0;
    double Alpha = 0.0;
    double Gp1 = 0.0;
    double Gp2 = 0.0;
    double ELGL = 0.0;
    double ELWL = 0.0;
    double ELPU = 0.0;
    double L = 10.0;
    double nRa = 0.0;
    double nPa = 0.0;
    bool IsWpRa = false;
    bool IsWpPa = false;
    std::int32_t QdMethod = 0;
    std::int32_t QdNeireType = 0;
    double QdELNeire = 0.0;
    std::int32_t QdAp = 0;

    // results
    std::int32_t Error = 0;
    double ELPL = 0.0;
    std::vector<NPoint> N4D;
    std::vector<NInterval> N24D;
    double N1 = 0.0;
    double N2 = 0.0;
    double NN = 0.0;
    std::vector<NPoint> NNeire;
    std::vector<EmbedInterval> Neires;
    double Neire = 0.0;
    double NeireA = 0.0;
    double RNeireDp = 0.0;
    double RQdNN = 0.0;
    double L1 = 0.0;
    double L2 = 0.0;
    double Wp = 0.0;
    std::vector<Segment> RaLiFi;
    std::vector<Segment> PaLiFi;
    double Ws = 0.0;
    double qd = 0.0;
    double QfRa = 0.0;
    double QfPa = 0.0;
    double Ru = 0.0;
    double Pu = 0.0;
    double Ra = 0.0;
    double Pa = 0.0;
    double Qw = 0.0;
    double H = 0.0;
    double Gave = 0.0;
    double Beta = 0.0;
    double Fai = 0.0;
};

} // namespace zul::reference
