// zul-cli: the calculation engine from a terminal, for scripts and batch work.  This file reads
// the command line: every subcommand's options and help texts; the subcommands run elsewhere.
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/PositiveNumber.h"
#include "report/ReportItems.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <memory>

#ifndef ZUL_VERSION
#define ZUL_VERSION "0.0.0"
#endif

namespace zul::cli {
namespace {

// Every report item's number: "0,1,2,3".
std::string AllItemNumbers() {
    std::string numbers;
    for (std::size_t item = 0; item < kReportItems.size(); ++item) {
        numbers += (item == 0 ? "" : ",") + std::to_string(item);
    }
    return numbers;
}

// The help of --items: every item's number and name.
std::string ItemsHelp() {
    std::string help = "Report items to join, in this order whatever the list says:";
    for (std::size_t item = 0; item < kReportItems.size(); ++item) {
        help +=
            (item == 0 ? " " : ", ") + std::to_string(item) + " " + std::string(kReportItems[item].cliName);
    }
    return help + " (default " + AllItemNumbers() + ")";
}

// Each subcommand registers itself on the application; when it runs it stores its process
// exit status in exitCode (CliOutput.h: kSuccess, kCalcFailure, kFileFailure).

void AddCalcCommands(CLI::App& app, int& exitCode) {
    auto calcOptions = std::make_shared<CalcOptions>();
    auto* calc = app.add_subcommand(
        "calc", "Allowable push-in (Ra) and pull-out (Pa) capacity of the pile of a study, normal and "
                "level-1 earthquake case");
    calc->add_option("FILE", calcOptions->path, "Study file (.zul, version 1.30 or 1.00)")->required();
    calc->add_flag("--json", calcOptions->json, "Every value of both calculations as JSON");
    calc->callback([calcOptions, &exitCode] { exitCode = RunCalc(*calcOptions); });

    auto tableOptions = std::make_shared<CalcOptions>();
    auto* table = app.add_subcommand("table", "Ra and Pa over the study table of pile lengths and diameters");
    table->add_option("FILE", tableOptions->path, "Study file (.zul, version 1.30 or 1.00)")->required();
    auto* json = table->add_flag("--json", tableOptions->json, "The table as JSON");
    auto* csv = table->add_flag("--csv", tableOptions->csv, "The table as CSV: D,L,Ra,Pa,Rae,Pae");
    json->excludes(csv);
    table->callback([tableOptions, &exitCode] { exitCode = RunTable(*tableOptions); });
}

void AddConvertCommand(CLI::App& app, int& exitCode) {
    auto* command = app.add_subcommand(
        "convert", "Read a study file (.zul, version 1.30 or 1.00) and write it as version 1.30; the "
                   "borehole source after the study table goes with it (a damaged one is dropped with "
                   "a note on stderr)");
    auto input = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    command->add_option("IN", *input, "Study file to read; its name must end in .zul")->required();
    command->add_option("OUT", *output, "File to write (replaced only when complete)")->required();
    command->callback([input, output, &exitCode] { exitCode = Convert(*input, *output); });
}

void AddImportBoringCommand(CLI::App& app, int& exitCode) {
    auto* command = app.add_subcommand(
        "import-boring", "Import the layers, N values and levels of a borehole exchange file (XML, "
                         "layouts 2.x, 3.00, 4.00; Shift_JIS or UTF-8, at most 32 MB) into a study file");
    auto options = std::make_shared<ImportOptions>();
    command->add_option("FILE", options->file, "Borehole exchange file (.xml)")->required();
    command->add_option("--out", options->out, "Study file to write (replaced only when complete)")
        ->required();
    command->add_option("--into", options->into,
                        "Study file (.zul) whose layers and N values are replaced; without it a new study");
    command
        ->add_option(
            "--max-depth", options->maxDepth,
            "Import depth limit in m: deeper layers and N values are left out, the last layer is cut")
        ->check(PositiveNumberCheck());
    command
        ->add_option("--n-depth", options->nDepth,
                     "Depth of an N value: middle (start depth + half the penetration, default) or start")
        ->check(CLI::IsMember({"middle", "start"}));
    command
        ->add_option("--n-cap", options->nCap,
                     "Upper bound of the N values (0 to 100; above 100 is always 100)")
        ->check(CLI::Range(0.0, 100.0));
    command
        ->add_option("--water-record", options->waterRecord,
                     "Use the K-th water record (1-based, file order) instead of the one the rules choose "
                     "(clear water before unknown before mud water; after drilling, at the start of "
                     "work, at the end, during work; the latest date; the last in the file)")
        ->check(PositiveNumberCheck());
    command->add_flag("--keep-design-levels", options->keepDesignLevels,
                      "Keep the design ground levels of the study (otherwise set to the ground surface)");
    command->add_flag("--keep-pile-head", options->keepPileHead,
                      "Keep the pile head elevation (otherwise it moves with the ground surface, "
                      "keeping its depth below the ground)");
    command->add_flag(
        "--json", options->json,
        "Print the borehole, the layers and N values as imported, the levels and the notes as JSON");
    command->footer(
        "Notes go to stderr, one line each starting \"注意：\".  Exit status: 0 imported, 2 a file "
        "or command-line error, 5 the borehole cannot be imported (such as more than 20 layers "
        "after merging, give --max-depth; or a value the screens cannot hold, which the message "
        "names).  A new study (no --into) takes the borehole name as its title.  The study keeps "
        "the borehole source (file, names, coordinates, original soil names, blows, refused "
        "tests, notes) after its study table.");
    command->callback([options, &exitCode] { exitCode = RunImport(*options); });
}

void AddReportCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<ReportOptions>();
    auto* report = app.add_subcommand(
        "report", "The calculation report as one print file for the preview program (Shift_JIS, CR LF; "
                  "its figure files go to the folder OUT.figures beside it) and/or as PDF; at least one "
                  "of --print-file and --pdf");
    report->add_option("FILE", options->path, "Study file (.zul, version 1.30 or 1.00)")->required();
    report->add_option("--print-file", options->printFile, "The print file to write (OUT)");
    report->add_option("--pdf", options->pdfFile,
                       "The report as PDF: generation, join and the pages in one step.  With a study "
                       "table the four study graphs are drawn for it; without one item 3 is left out");
    options->items = AllItemNumbers();
    report->add_option("--items", options->items, ItemsHelp());
    report->add_option("--ini", options->ini,
                       "Settings file with the heading numbering and the supplement setting (default: the "
                       "program's Zul.ini)");
    report
        ->add_option("--supplement", options->supplement,
                     "on: the report with its supplements (N-value table, soil profile, notes of the "
                     "plausibility check); off: without them, as before they existed (default: "
                     "Print/Supplement of the settings file, on when missing)")
        ->check(CLI::IsMember({"on", "off"}));
    report->add_option("--fmt", options->fmt,
                       "Report template file (default: Zul.fmt of the program folder)");
    report->add_option("--program-folder", options->programFolder,
                       "Folder of LINE_PRN.DEF and STR_PRN.DEF (default: the program folder)");
    report->add_flag("--no-page-head", options->noPageHead,
                     "PDF pages without the running head (study title, file name) and the page number "
                     "\"- n / N -\" in their margins");
    report->callback([options, &exitCode] { exitCode = RunReport(*options); });
}

void AddSiteCommand(CLI::App& app, int& exitCode) {
    auto* command = app.add_subcommand(
        "site", "Import many borehole files into one base study: the pile length each borehole needs for "
                "the design loads, and the envelope of the site");
    auto o = std::make_shared<SiteCommandOptions>();
    command->add_option("BASE", o->base, "Base study (.zul): pile, method, safety factors, study table")
        ->required();
    command->add_option("PATH", o->paths, "Borehole files (.xml) or folders (their *.xml and *.XML files)")
        ->required();
    command->add_option("--out-dir", o->outDir, "Folder for the imported studies (<file stem>.zul)")
        ->required();
    command->add_option("--load-ra", o->loadRa,
                        "Push-in load per pile P,Pe (kN, normal and earthquake case)");
    command->add_option("--load-pa", o->loadPa,
                        "Pull-out load per pile T,Te (kN, normal and earthquake case)");
    command->add_option("--csv", o->csv, "Table of boreholes as CSV (UTF-8 with byte order mark)");
    command->add_option("--pdf", o->pdf, "Site report as PDF (without a display)");
    command->add_option(
        "--plan-diameter", o->planDiameter,
        "Diameter (m) whose required lengths the position plan of the report shows (default: the "
        "first of the study table)");
    command->add_flag("--json", o->json, "Boreholes and envelope as JSON on stdout");
    command->add_option("--max-depth", o->maxDepth, "Import depth limit in m")->check(CLI::PositiveNumber);
    command->add_option("--n-depth", o->nDepth, "Depth of an N value: middle (default) or start")
        ->check(CLI::IsMember({"middle", "start"}));
    command->add_option("--n-cap", o->nCap, "Upper bound of the N values (0 to 100)")
        ->check(CLI::Range(0.0, 100.0));
    command->add_flag("--keep-design-levels", o->keepDesignLevels,
                      "Keep the design ground levels of the study");
    command->add_flag("--keep-pile-head", o->keepPileHead,
                      "Keep the pile head elevation (otherwise it moves with the ground surface)");
    command->add_option("--jobs", o->jobs, "Worker threads (default: the number of cores)")
        ->check(CLI::Range(1, 256));
    command->footer("Exit status: 0 every borehole calculated, 5 some were refused or failed (the rest "
                    "written), 2 a base study, path or option error.  Progress on stderr when it is a "
                    "terminal.");
    command->callback([o, &exitCode] { exitCode = RunSiteCommand(*o); });
}

} // namespace
} // namespace zul::cli

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
