#pragma once

#include <CLI/CLI.hpp>

namespace zul::cli {

// Each subcommand registers itself on the application; when it runs it stores its process
// exit status in exitCode (CliOutput.h: kSuccess, kCalcFailure, kFileFailure).
void AddConvertCommand(CLI::App& app, int& exitCode);
void AddCalcCommands(CLI::App& app, int& exitCode); // "calc" and "table"
// "report": 0 written, 1 calculation failure, 2 file failure, 3 an item failed, 4 no item chosen.
void AddReportCommand(CLI::App& app, int& exitCode);
// "import-boring": 0 imported, 2 file or command-line failure, 5 the borehole cannot be imported.
inline constexpr int kImportRefused = 5;
void AddImportBoringCommand(CLI::App& app, int& exitCode);
// "site": 0 every borehole calculated, 2 a file or command-line failure, 5 some refused or failed.
void AddSiteCommand(CLI::App& app, int& exitCode);

} // namespace zul::cli
