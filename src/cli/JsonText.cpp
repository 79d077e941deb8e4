#include "cli/JsonText.h"

#include <cmath>
#include <cstdio>

namespace zul::cli {

using Json = nlohmann::ordered_json;

void AppendJsonNumber(double v, std::string& out) {
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    out += buffer;
}

namespace {

void WriteJson(const Json& value, std::string& out) {
    switch (value.type()) {
    case Json::value_t::object: {
        out += '{';
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            out += first ? "" : ", ";
            first = false;
            out += Json(key).dump(-1, ' ', false, Json::error_handler_t::replace);
            out += ": ";
            WriteJson(item, out);
        }
        out += '}';
        break;
    }
    case Json::value_t::array: {
        out += '[';
        bool first = true;
        for (const Json& item : value) {
            out += first ? "" : ", ";
            first = false;
            WriteJson(item, out);
        }
        out += ']';
        break;
    }
    case Json::value_t::number_float:
        AppendJsonNumber(value.get<double>(), out);
        break;
    default:
        out += value.dump(-1, ' ', false, Json::error_handler_t::replace);
        break;
    }
}

} // namespace

std::string JsonText(const Json& value) {
    std::string out;
    WriteJson(value, out);
    return out;
}

} // namespace zul::cli
