#include "ReferenceNValues.h"

#include "ReferenceArithmetic.h"

#include <cmath>
#include <iterator>

namespace zul::reference {

void InterpolateAt(std::vector<NPoint>& profile, double z) {
    if (profile.size() < 2 || z < profile.front().Z || z > profile.back().Z) {
        return;
    }
    auto next = profile.begin();
    while (next != profile.end() && !(next->Z > z && std::fabs(next->Z - z) > 0.001)) {
        ++next;
    }
    if (next == profile.end() || next == profile.begin()) {
        return;
    }
    const NPoint& before = *std::prev(next);
    if (z - before.Z <= 0.001) {
        return;
    }
    const double slope = Quotient((z - before.Z) * (next->N - before.N), next->Z - before.Z, "interpolation");
    const NPoint added{z, Round(before.N + slope, 1)};
    profile.insert(next, added);
}

std::vector<NPoint> PointsBetween(const std::vector<NPoint>& profile, double zTop, double zBottom) {
    const auto top = WholeMillimetres(zTop);
    const auto bottom = WholeMillimetres(zBottom);
    std::vector<NPoint> inside;
    for (const NPoint& p : profile) {
        const auto z = WholeMillimetres(p.Z);
        if (top <= z && z <= bottom) {
            inside.push_back(p);
        }
    }
    return inside;
}

namespace {

// Elevation limits of consecutive points, with their vertical length as the difference of
// the two elevations.
template <class Interval>
std::vector<Interval> IntervalsOf(const std::vector<NPoint>& points, double groundTop) {
    std::vector<Interval> intervals;
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
        Interval iv;
        iv.EU = groundTop - points[k].Z;
        iv.EL = groundTop - points[k + 1].Z;
        iv.Li = iv.EU - iv.EL;
        iv.Lii = iv.Li;
        iv.NU = points[k].N;
        iv.NL = points[k + 1].N;
        intervals.push_back(iv);
    }
    return intervals;
}

} // namespace

FourDiameterN EvaluateFourDiameters(const std::vector<NPoint>& profile, double groundTop, double ELPU,
                                    double L, double dp, double tip, double cosine) {
    double span = Round(4.0 * dp, 3);
    if (span > L) {
        span = L;
    }
    const double top = Round(ELPU - (L - span) * cosine, 3);

    std::vector<NPoint> work = profile;
    InterpolateAt(work, groundTop - tip);
    InterpolateAt(work, groundTop - top);

    FourDiameterN result;
    result.points = PointsBetween(work, groundTop - top, groundTop - tip);
    if (result.points.size() >= 2) {
        result.atTip = result.points.back().N;
        result.intervals = IntervalsOf<NInterval>(result.points, groundTop);
        double axial = 0.0;
        double area = 0.0;
        for (NInterval& iv : result.intervals) {
            iv.Lii = Round(Quotient(iv.Li, cosine, "axial length"), 3);
            iv.Ni = Round((iv.NU + iv.NL) / 2.0, 2);
            iv.LiNi = Round(iv.Ni * iv.Li, 2);
            axial += iv.Lii;
            area += iv.LiNi;
        }
        if (axial > 0.001) {
            result.average = Round(area / axial, 1);
        }
    }
    double design = Round((result.atTip + result.average) / 2.0, 1);
    if (design < 0.0) {
        design = 0.0;
    }
    if (design > 40.0) {
        design = 40.0;
    }
    result.design = design;
    return result;
}

Embedment EvaluateEmbedment(const std::vector<NPoint>& profile, double groundTop, double ELPU, double L,
                            double design, double el, double cosine) {
    const double tip = Round(ELPU - cosine * L, 3);
    std::vector<NPoint> work = profile;
    InterpolateAt(work, groundTop - tip);
    InterpolateAt(work, groundTop - el);

    Embedment result;
    result.points = PointsBetween(work, groundTop - el, groundTop - tip);
    if (result.points.size() < 2) {
        return result;
    }
    result.intervals = IntervalsOf<EmbedInterval>(result.points, groundTop);
    for (EmbedInterval& iv : result.intervals) {
        iv.DNU = iv.NU - design;
        iv.DNL = iv.NL - design;
        iv.Lii = Round(Quotient(iv.Li, cosine, "axial length"), 3);
        iv.Ni = Round((iv.DNU + iv.DNL) / 2.0, 2);
        iv.LiNi = Round(iv.Ni * iv.Li, 2);
        result.length += iv.Lii;
        result.area += iv.LiNi;
    }
    return result;
}

} // namespace zul::reference
