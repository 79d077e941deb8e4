// zul-cli: the calculation engine from a terminal, for scripts and batch work.
#include "cli/CliOutput.h"
#include "cli/Commands.h"

#include <csignal>

#ifndef ZUL_VERSION
#define ZUL_VERSION "0.0.0"
#endif

int main(int argc, char** argv) {
    // A reader that goes away (a closed pipe) makes the write fail, which is then reported,
    // instead of ending the program silently.
    std::signal(SIGPIPE, SIG_IGN);
    CLI::App app{"Allowable bearing capacity of a single pile from a study file (.zul)", "zul-cli"};
    app.set_version_flag("--version", std::string("zul-cli ") + ZUL_VERSION);
    app.require_subcommand(1);
    int exitCode = 0;
    zul::cli::AddConvertCommand(app, exitCode);
    zul::cli::AddCalcCommands(app, exitCode);
    zul::cli::AddReportCommand(app, exitCode);
    zul::cli::AddImportBoringCommand(app, exitCode);
    zul::cli::AddSiteCommand(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        exitCode = app.exit(e) == 0 ? zul::cli::kSuccess : zul::cli::kFileFailure;
    }
    return zul::cli::FinishOutput(exitCode);
}
