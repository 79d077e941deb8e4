#pragma once

#include "calc/ZulCollection.h"

#include <cstdint>

namespace zul {

// One shaft segment: a ground layer or the part of it on one side of the water level, the
// pile head, the pile tip or the limit of the no-friction zone.
struct clsZulLiFi {
    std::int32_t No = 0;   // 1-based position of the ground layer the segment belongs to
    std::int32_t Kind = 0; // soil kind of that layer
    double EU = 0;         // elevation of the top, m
    double EL = -100;      // elevation of the bottom, m
    double Li = 1;         // vertical length, m
    double Lii = 1;        // length along the pile axis, m
    double Gs = 0;         // unit weight on the segment's side of the water level, kN/m3
    double Ws = 0;         // push-in: displaced soil weight (kN); pull-out: overburden increment (kN/m2)
    double Fi = 0;         // skin friction intensity used, kN/m2
    double LiFi = 0;       // Lii x Fi, kN/m
    bool IsNonF = false;   // inside the no-friction zone above the blades of a rotary press-in pile

    bool operator==(const clsZulLiFi&) const = default;
};

class colZulLiFis : public ZulCollection<clsZulLiFi> {
public:
    // Builds a segment from its top dblEU and vertical length dblLi (dblEL is not used: the
    // bottom is dblEU - dblLi).  Appended when lngIndex is 0, otherwise inserted before or
    // after the segment at lngIndex.
    clsZulLiFi& Add(std::int32_t lngNo, std::int32_t lngKind, double dblEU, double dblEL, double dblLi,
                    double dblGs, double dblWs, double dblFi, double dblLiFi, std::int32_t lngIndex = 0,
                    bool blnBefore = false) {
        (void)dblEL;
        clsZulLiFi r;
        r.No = lngNo;
        r.Kind = lngKind;
        r.EU = dblEU;
        r.EL = dblEU - dblLi;
        r.Li = dblLi;
        r.Lii = dblLi;
        r.Gs = dblGs;
        r.Ws = dblWs;
        r.Fi = dblFi;
        r.LiFi = dblLiFi;
        r.IsNonF = false;
        return Insert(r, lngIndex, blnBefore);
    }
};

} // namespace zul
