#pragma once

#include <CLI/CLI.hpp>

namespace zul::cli {

// Each subcommand registers itself on the application; when it runs it stores its process
// exit status in exitCode (CliOutput.h: kSuccess, kCalcFailure, kFileFailure).
void AddConvertCommand(CLI::App& app, int& exitCode);
void AddCalcCommands(CLI::App& app, int& exitCode); // "calc" and "table"

} // namespace zul::cli
