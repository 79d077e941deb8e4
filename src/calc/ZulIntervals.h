#pragma once

#include "calc/ZulCollection.h"

namespace zul {

// A record of an interval between two consecutive N-value points (clsZulN2, clsZulNeire) as its
// collection's Add builds it: the elevations and N-values of both ends, the vertical length
// EU - EL also as the axial length until that is computed, every other value 0.
template <typename Interval>
Interval MakeIntervalRecord(double dblEU, double dblEL, double dblNU, double dblNL) {
    Interval r;
    r.EU = dblEU;
    r.EL = dblEL;
    r.Li = dblEU - dblEL;
    r.Lii = r.Li;
    r.NU = dblNU;
    r.NL = dblNL;
    return r;
}

// The collection of such intervals; Add appends.
template <typename Interval> class ZulIntervalCollection : public ZulCollection<Interval> {
public:
    Interval& Add(double dblEU, double dblEL, double dblNU, double dblNL) {
        return this->Append(MakeIntervalRecord<Interval>(dblEU, dblEL, dblNU, dblNL));
    }
};

} // namespace zul
