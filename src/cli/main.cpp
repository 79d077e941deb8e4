// zul-cli: the calculation engine from a terminal, for scripts and batch work.
#include "cli/Commands.h"

#include <iostream>

#ifndef ZUL_VERSION
#define ZUL_VERSION "0.0.0"
#endif

int main(int argc, char** argv) {
    CLI::App app{"Allowable bearing capacity of a single pile from a study file (.zul)", "zul-cli"};
    app.set_version_flag("--version", std::string("zul-cli ") + ZUL_VERSION);
    app.require_subcommand(1);
    int exitCode = 0;
    zul::cli::AddConvertCommand(app, exitCode);
    zul::cli::AddCalcCommands(app, exitCode);
    zul::cli::AddReportCommand(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    return exitCode;
}
