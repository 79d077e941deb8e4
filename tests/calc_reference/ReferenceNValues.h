#pragma once

#include "ReferenceRecords.h"

#include <vector>

namespace zul::reference {

// Adds a point interpolated at depth z between its neighbours, unless z lies outside the
// profile or within a millimetre of an existing point.
void InterpolateAt(std::vector<NPoint>& profile, double z);

// The points whose depth lies, compared in whole millimetres, between zTop and zBottom.
std::vector<NPoint> PointsBetween(const std::vector<NPoint>& profile, double zTop, double zBottom);

// What the four-diameter evaluation above the tip yields.
struct FourDiameterN {
    std::vector<NPoint> points;
    std::vector<NInterval> intervals;
    double atTip = 0.0;   // N1
    double average = 0.0; // N2
    double design = 0.0;  // NN
};

// Design N-value at the tip from the profile, for a pile with head ELPU, axial length L,
// diameter dp and tip elevation tip.  groundTop is the top of the first layer.
FourDiameterN EvaluateFourDiameters(const std::vector<NPoint>& profile, double groundTop, double ELPU,
                                    double L, double dp, double tip, double cosine);

// What one embedment evaluation from an elevation down to the tip yields.
struct Embedment {
    std::vector<NPoint> points;
    std::vector<EmbedInterval> intervals;
    double length = 0.0; // Neire, along the axis
    double area = 0.0;   // NeireA, the balance of N - NN over the range
};

// Embedment evaluation over the range from elevation el down to the tip of the pile.
Embedment EvaluateEmbedment(const std::vector<NPoint>& profile, double groundTop, double ELPU, double L,
                            double design, double el, double cosine);

} // namespace zul::reference
