#pragma once

#include "calc/ZulCollection.h"

#include <cstdint>

namespace zul {

// One N-value point: depth below the top of the first layer (m, downward) and its N-value.
struct clsZulN {
    double Z = 0;
    double N = 0;

    bool operator==(const clsZulN&) const = default;
};

class colZulNs : public ZulCollection<clsZulN> {
public:
    // Appended when lngIndex is 0, otherwise inserted before or after the point at lngIndex.
    clsZulN& Add(double dblZ, double dblN, std::int32_t lngIndex = 0, bool blnBefore = false) {
        return Insert(clsZulN{dblZ, dblN}, lngIndex, blnBefore);
    }
    // Replaces the content by a copy of other's points, keeping this list's storage.
    void CopyFrom(const colZulNs& other) {
        Clear();
        Reserve(static_cast<std::size_t>(other.Count()) + 2);
        for (const clsZulN& p : other) {
            Append(p);
        }
    }
};

} // namespace zul
