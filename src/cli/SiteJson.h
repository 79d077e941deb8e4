#pragma once

#include "site/SiteEnvelope.h"
#include "site/SiteTypes.h"

#include <nlohmann/json.hpp>

namespace zul::cli {

// One borehole of `zul-cli site --json`: file, name, status, reason, study, position, levels,
// the required length per diameter with its four capacities, and the notes.
nlohmann::ordered_json SiteBoreholeJson(const site::BoreholeResult& borehole);

// The envelope: per diameter its rows with the least capacities, the boreholes that govern
// them and the count of boreholes left out.
nlohmann::ordered_json SiteEnvelopeJson(const site::SiteEnvelope& envelope);

} // namespace zul::cli
