#pragma once

#include "site/SiteTypes.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zul::site {

// The four capacities of a table row, in this order.
enum class Capacity { Ra, Rae, Pa, Pae };
inline constexpr std::array<Capacity, 4> kCapacities = {Capacity::Ra, Capacity::Rae, Capacity::Pa,
                                                        Capacity::Pae};
double CapacityOf(const clsRaTable& row, Capacity capacity);
const char* CapacityName(Capacity capacity); // "Ra", "Rae", "Pa", "Pae"

// The least value of one capacity at one length and the borehole (file) that gives it.
struct LeastValue {
    double value = 0;
    std::string file;
};

struct EnvelopeRow {
    double length = 0;
    std::array<LeastValue, 4> least; // by Capacity
    std::size_t counted = 0;         // boreholes whose row calculated at this length
};

struct EnvelopeDiameter {
    double diameter = 0;
    std::vector<EnvelopeRow> rows; // shortest length first
};

// The envelope of a site: per diameter and length the least capacities over the boreholes
// whose row calculated there.  Boreholes are added in file order; of equal values the first
// governs.  Holds one row per diameter and length, whatever the number of boreholes.
class SiteEnvelope {
public:
    void Add(const BoreholeResult& borehole);

    const std::vector<EnvelopeDiameter>& Diameters() const { return diameters_; }
    // Boreholes added, refused and failed ones included.
    std::size_t Boreholes() const { return boreholes_; }
    // Boreholes left out of a row: refused, failed or without a calculated row at its length.
    std::size_t LeftOut(const EnvelopeRow& row) const { return boreholes_ - row.counted; }

private:
    std::vector<EnvelopeDiameter> diameters_;
    std::size_t boreholes_ = 0;
};

} // namespace zul::site
