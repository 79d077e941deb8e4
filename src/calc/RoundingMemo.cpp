#include "calc/RoundingMemo.h"

#include "util/RoundHalfUp.h"

namespace zul::calcmath::memo {

double RoundInto(double x, int d, Entry* e) {
    const double r = RoundHalfUp(x, d);
    if (!std::isfinite(r)) {
        throw CalcError("overflow");
    }
    if (e != nullptr) {
        e->x = std::bit_cast<std::uint64_t>(x);
        e->rounded = r;
    }
    return r;
}

} // namespace zul::calcmath::memo
