// Shaft segments for skin friction: the ground layers between two elevations, cut at the
// water level, at the ends of the range and at the no-friction zone of a rotary press-in pile.
#include "calc/CZul.h"

#include "calc/CalcMath.h"

#include <cmath>

namespace zul {

using calcmath::Div;
using calcmath::Finite;

namespace {

// Appends one segment per side of the water level for every layer from first to last.
void AddLayerSegments(const colZulJiban& jiban, std::int32_t first, std::int32_t last, double elWater,
                      double elBottom, colZulLiFis& list) {
    for (std::int32_t k = first; k <= last; ++k) {
        const clsZulJiban& layer = *jiban.Item(k);
        double above = Finite(layer.EU - elWater);
        if (above > layer.H) {
            above = layer.H;
        }
        double below = Finite(elWater - layer.EL);
        if (below > layer.H) {
            below = layer.H;
        }
        const double fi = calcmath::Round(layer.f * layer.DE, 1);
        if (above > 0.001) {
            list.Add(k, layer.Kind, layer.EU, 0, above, layer.Gs1, 0, fi, 0);
        }
        if (elWater > elBottom && below > 0.001) {
            list.Add(k, layer.Kind, Finite(layer.EL + below), 0, below, layer.Gs2, 0, fi, 0);
        }
    }
}

// Drops the segments outside [elBottom, elTop] and clips the first and last to the range.
void CutToRange(double elTop, double elBottom, colZulLiFis& list) {
    while (list.Count() > 0 && Finite(elTop - list.Item(1)->EL) <= 0.001) {
        list.Remove(1);
    }
    if (clsZulLiFi* s = list.Item(1)) {
        s->EU = elTop;
        s->Li = Finite(elTop - s->EL);
    }
    while (list.Count() > 0 && Finite(list.Item(list.Count())->EU - elBottom) <= 0.001) {
        list.Remove(list.Count());
    }
    if (clsZulLiFi* s = list.Item(list.Count())) {
        s->EL = elBottom;
        s->Li = Finite(s->EU - elBottom);
    }
}

} // namespace

void CZul::MakeLiFi(double elTop, double elBottom, int mode, colZulLiFis& list) const {
    list.Clear();
    const double cosA = mode == 2 ? calcmath::CosDegrees(0) : CosAlpha();
    const clsZulJiban* firstLayer = Jiban_.Item(1);
    const clsZulJiban* lastLayer = Jiban_.Item(Jiban_.Count());
    if (firstLayer == nullptr) {
        throw CalcError("no ground layers");
    }
    if (elTop > firstLayer->EU) {
        elTop = firstLayer->EU;
    }
    if (elBottom < lastLayer->EL) {
        elBottom = lastLayer->EL;
    }

    if (Finite(elTop - elBottom) > 0) {
        // The range starts in the deepest layer whose top is at or above elTop and ends in
        // the shallowest layer whose bottom is at or below elBottom (0.001 m tolerance).
        std::int32_t first = 0;
        for (std::int32_t k = Jiban_.Count(); k >= 1; --k) {
            const double eu = Jiban_.Item(k)->EU;
            if (std::fabs(Finite(eu - elTop)) <= 0.001 || eu > elTop) {
                first = k;
                break;
            }
        }
        std::int32_t last = 0;
        for (std::int32_t k = 1; k <= Jiban_.Count(); ++k) {
            const double el = Jiban_.Item(k)->EL;
            if (std::fabs(Finite(el - elBottom)) <= 0.001 || el < elBottom) {
                last = k;
                break;
            }
        }
        if (first >= 1 && last >= 1) {
            AddLayerSegments(Jiban_, first, last, ELWL_, elBottom, list);
        }
        CutToRange(elTop, elBottom, list);
    }

    if (IsEcoPile_) {
        double zone = 0;
        if (mode == 0) {
            zone = Dw_;
        } else if (mode == 1) {
            zone = RoundHalfUp(2.5 * Dw_, 3);
            const clsZulLiFi* lastSeg = list.Item(list.Count());
            if (lastSeg == nullptr) {
                throw CalcError("no shaft segment at the pile tip");
            }
            if (lastSeg->Li < zone) {
                zone = lastSeg->Li;
            }
        }
        const double el = Finite(ELPL_ + RoundHalfUp(Div(zone, cosA), 3));
        SplitLiFi(el, list);
        for (clsZulLiFi& s : list) {
            if (Finite(s.EU + s.EL) / 2 < el) {
                s.IsNonF = true;
                s.Fi = 0;
            }
        }
    }

    for (clsZulLiFi& s : list) {
        s.Lii = RoundHalfUp(Div(s.Li, cosA), 3);
    }
}

void CZul::SplitLiFi(double el, colZulLiFis& list) {
    if (list.Count() == 0 || el > list.Item(1)->EU || el < list.Item(list.Count())->EL) {
        return;
    }
    std::int32_t at = 0;
    for (std::int32_t k = 1; k <= list.Count(); ++k) {
        const clsZulLiFi& s = *list.Item(k);
        if (s.EL < el && el < s.EU && std::fabs(Finite(s.EU - el)) > 0.001 &&
            std::fabs(Finite(s.EL - el)) > 0.001) {
            at = k;
            break;
        }
    }
    if (at == 0) {
        return;
    }
    clsZulLiFi& upper = *list.Item(at);
    const clsZulLiFi lower = upper; // fields of the piece below el
    const double el0 = upper.EL;
    upper.EL = el;
    upper.Li = Finite(upper.EU - el);
    list.Add(lower.No, lower.Kind, el, el0, Finite(el - el0), lower.Gs, lower.Ws, lower.Fi, lower.LiFi, at,
             false);
}

} // namespace zul
