#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace zul::cli {

// JSON of the subcommands: one line through nlohmann-json, every double with 17 significant
// digits (so that it reads back to the same value), a value that is no finite number as null.
std::string JsonText(const nlohmann::ordered_json& value);

// One number as JsonText writes it, appended to out (for output written row by row).
void AppendJsonNumber(double v, std::string& out);

} // namespace zul::cli
