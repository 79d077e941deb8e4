#include "cli/SiteJson.h"

namespace zul::cli {

namespace {

using Json = nlohmann::ordered_json;

Json Optional(const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

} // namespace

Json SiteBoreholeJson(const site::BoreholeResult& b) {
    Json required = Json::array();
    for (const site::RequiredLength& r : b.required) {
        Json entry = {{"D", r.diameter}};
        for (const auto& [key, value] : {std::pair{"L", r.row ? r.row->L : 0.0},
                                         {"Ra", r.row ? r.row->Ra : 0.0},
                                         {"Rae", r.row ? r.row->Rae : 0.0},
                                         {"Pa", r.row ? r.row->Pa : 0.0},
                                         {"Pae", r.row ? r.row->Pae : 0.0}}) {
            entry[key] = r.row ? Json(value) : Json(nullptr);
        }
        required.push_back(entry);
    }
    return {{"file", b.file},
            {"name", b.name},
            {"status", site::StatusName(b.status)},
            {"reason", b.reason},
            {"study", b.study.empty() ? Json(nullptr) : Json(b.study)},
            {"latitude", Optional(b.latitude)},
            {"longitude", Optional(b.longitude)},
            {"ground", Optional(b.ground)},
            {"water", Optional(b.water)},
            {"required", required},
            {"notes", b.notes}};
}

Json SiteEnvelopeJson(const site::SiteEnvelope& envelope) {
    Json diameters = Json::array();
    for (const site::EnvelopeDiameter& diameter : envelope.Diameters()) {
        Json rows = Json::array();
        for (const site::EnvelopeRow& row : diameter.rows) {
            Json entry = {{"L", row.length}};
            Json governs = Json::object();
            for (const site::Capacity capacity : site::kCapacities) {
                const site::LeastValue& least = row.least[static_cast<std::size_t>(capacity)];
                entry[site::CapacityName(capacity)] = least.value;
                governs[site::CapacityName(capacity)] = least.file;
            }
            entry["governs"] = governs;
            entry["left_out"] = envelope.LeftOut(row);
            rows.push_back(entry);
        }
        diameters.push_back({{"D", diameter.diameter}, {"rows", rows}});
    }
    return diameters;
}

} // namespace zul::cli
