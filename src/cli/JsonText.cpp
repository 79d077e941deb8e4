#include "cli/JsonText.h"

#include <cmath>
#include <cstdio>

namespace zul::cli {

namespace {

using Json = nlohmann::ordered_json;

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
    case Json::value_t::number_float: {
        const double v = value.get<double>();
        if (!std::isfinite(v)) {
            out += "null";
            break;
        }
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", v);
        out += buffer;
        break;
    }
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
