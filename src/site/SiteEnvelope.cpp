#include "site/SiteEnvelope.h"

#include <algorithm>

namespace zul::site {

double CapacityOf(const clsRaTable& row, Capacity capacity) {
    switch (capacity) {
    case Capacity::Rae:
        return row.Rae;
    case Capacity::Pa:
        return row.Pa;
    case Capacity::Pae:
        return row.Pae;
    default:
        return row.Ra;
    }
}

const char* CapacityName(Capacity capacity) {
    switch (capacity) {
    case Capacity::Rae:
        return "Rae";
    case Capacity::Pa:
        return "Pa";
    case Capacity::Pae:
        return "Pae";
    default:
        return "Ra";
    }
}

void SiteEnvelope::Add(const BoreholeResult& borehole) {
    ++boreholes_;
    for (std::size_t place = 0; place < borehole.tables.size(); ++place) {
        const DiameterTable& table = borehole.tables[place];
        if (place == diameters_.size()) {
            diameters_.push_back({table.diameter, {}});
        }
        std::vector<EnvelopeRow>& rows = diameters_[place].rows;
        for (const clsRaTable& row : table.rows) {
            auto at = std::lower_bound(rows.begin(), rows.end(), row.L,
                                       [](const EnvelopeRow& r, double length) { return r.length < length; });
            if (at == rows.end() || at->length != row.L) {
                EnvelopeRow fresh;
                fresh.length = row.L;
                at = rows.insert(at, fresh);
            }
            for (const Capacity capacity : kCapacities) {
                LeastValue& least = at->least[static_cast<std::size_t>(capacity)];
                const double value = CapacityOf(row, capacity);
                if (at->counted == 0 || value < least.value) {
                    least = {value, borehole.file};
                }
            }
            ++at->counted;
        }
    }
}

} // namespace zul::site
