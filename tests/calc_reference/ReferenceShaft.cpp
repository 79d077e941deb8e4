#include "ReferenceShaft.h"

#include "ReferenceArithmetic.h"

#include <cmath>
#include <iterator>

namespace zul::reference {

namespace {

// A segment as the segment list records it: its bottom follows from its top and length.
Segment MakeSegment(std::int32_t no, const Layer& layer, double eu, double li, double gs, double fi) {
    Segment s;
    s.No = no;
    s.Kind = layer.Kind;
    s.EU = eu;
    s.EL = eu - li;
    s.Li = li;
    s.Lii = li;
    s.Gs = gs;
    s.Ws = 0.0;
    s.Fi = fi;
    s.LiFi = 0.0;
    return s;
}

// Pieces of every layer of the range above and below the water level.
std::vector<Segment> LayerPieces(const PileCase& pile, double top, double bottom) {
    const auto& layers = pile.Jiban;
    const int count = static_cast<int>(layers.size());
    int first = count; // 1-based, the deepest layer whose top is at or above the range top
    while (first >= 1 && !(layers[first - 1].EU - top >= -0.001)) {
        --first;
    }
    int last = 1; // the highest layer whose bottom is at or below the range bottom
    while (last <= count && !(layers[last - 1].EL - bottom <= 0.001)) {
        ++last;
    }
    std::vector<Segment> pieces;
    for (int i = first; i >= 1 && i <= last && i <= count; ++i) {
        const Layer& layer = layers[i - 1];
        const double dry = std::min(layer.EU - pile.ELWL, layer.H);
        const double wet = std::min(pile.ELWL - layer.EL, layer.H);
        const double fi = Round(layer.f * layer.DE, 1);
        if (dry > 0.001) {
            pieces.push_back(MakeSegment(i, layer, layer.EU, dry, layer.Gs1, fi));
        }
        if (pile.ELWL > bottom && wet > 0.001) {
            pieces.push_back(MakeSegment(i, layer, layer.EL + wet, wet, layer.Gs2, fi));
        }
    }
    return pieces;
}

// Drops the pieces outside [bottom, top] and trims the two end pieces onto the limits.
void TrimToRange(std::vector<Segment>& pieces, double top, double bottom) {
    while (!pieces.empty() && top - pieces.front().EL <= 0.001) {
        pieces.erase(pieces.begin());
    }
    if (!pieces.empty()) {
        pieces.front().EU = top;
        pieces.front().Li = top - pieces.front().EL;
    }
    while (!pieces.empty() && pieces.back().EU - bottom <= 0.001) {
        pieces.pop_back();
    }
    if (!pieces.empty()) {
        pieces.back().EL = bottom;
        pieces.back().Li = pieces.back().EU - bottom;
    }
}

} // namespace

void CutShaftAt(std::vector<Segment>& segments, double el) {
    if (segments.empty() || el > segments.front().EU || el < segments.back().EL) {
        return;
    }
    for (auto it = segments.begin(); it != segments.end(); ++it) {
        if (it->EL < el && el < it->EU && std::fabs(it->EU - el) > 0.001 && std::fabs(it->EL - el) > 0.001) {
            const double formerBottom = it->EL;
            it->EL = el;
            it->Li = it->EU - el;
            Segment lower = *it;
            lower.EU = el;
            lower.Li = el - formerBottom;
            lower.Lii = lower.Li;
            lower.EL = lower.EU - lower.Li;
            lower.IsNonF = false;
            segments.insert(std::next(it), lower);
            return;
        }
    }
}

std::vector<Segment> BuildShaft(const PileCase& pile, double top, double bottom, ShaftUse use) {
    if (pile.Jiban.empty()) {
        throw CalcFailure("no ground layers");
    }
    const double cosine =
        use == ShaftUse::Overburden ? InclinationCosine(0.0) : InclinationCosine(pile.Alpha);
    top = std::min(top, pile.Jiban.front().EU);
    bottom = std::max(bottom, pile.Jiban.back().EL);

    std::vector<Segment> segments;
    if (top - bottom > 0.0) {
        segments = LayerPieces(pile, top, bottom);
        TrimToRange(segments, top, bottom);
    }

    if (pile.IsEcoPile) {
        double zone = 0.0;
        if (use == ShaftUse::PushIn) {
            zone = pile.Dw;
        } else if (use == ShaftUse::PullOut) {
            if (segments.empty()) {
                throw CalcFailure("no segment at the tip for the pull-out zone");
            }
            zone = std::min(Round(2.5 * pile.Dw, 3), segments.back().Li);
        }
        const double limit = pile.ELPL + Round(Quotient(zone, cosine, "zone length"), 3);
        CutShaftAt(segments, limit);
        for (Segment& s : segments) {
            if ((s.EU + s.EL) / 2.0 < limit) {
                s.IsNonF = true;
                s.Fi = 0.0;
            }
        }
    }
    for (Segment& s : segments) {
        s.Lii = Round(Quotient(s.Li, cosine, "axial length"), 3);
    }
    return segments;
}

} // namespace zul::reference
