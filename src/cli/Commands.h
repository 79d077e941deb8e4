#pragma once

// The subcommands of zul-cli: the options each takes and the function that runs it.  The command
// line itself (CLI11) is read in main.cpp alone, so that its large header is compiled once.

#include <optional>
#include <string>
#include <vector>

namespace zul::cli {

// "convert": reads a study file and writes it as version 1.30.
int Convert(const std::string& input, const std::string& output);

// "calc" and "table".
struct CalcOptions {
    std::string path;
    bool json = false;
    bool csv = false;
};
int RunCalc(const CalcOptions& options);
int RunTable(const CalcOptions& options);

// "report": 0 written, 1 calculation failure, 2 file failure, 3 an item failed, 4 no item chosen.
struct ReportOptions {
    std::string path;
    std::string printFile;
    std::string pdfFile;
    std::string items; // the item numbers to join, such as "0,2"; the command line gives all by default
    std::string ini;
    std::string fmt;
    std::string programFolder;
    bool noPageHead = false;
    std::string supplement; // "on", "off" or empty for the setting of the settings file
};
int RunReport(const ReportOptions& options);

// "import-boring": 0 imported, 2 file or command-line failure, 5 the borehole cannot be imported.
inline constexpr int kImportRefused = 5;
struct ImportOptions {
    std::string file;
    std::string out;
    std::string into;
    std::optional<double> maxDepth;
    std::string nDepth = "middle";
    std::optional<double> nCap;
    std::optional<int> waterRecord;
    bool keepDesignLevels = false;
    bool keepPileHead = false;
    bool json = false;
};
int RunImport(const ImportOptions& options);

// "site": 0 every borehole calculated, 2 a file or command-line failure, 5 some refused or failed.
struct SiteCommandOptions {
    std::string base;
    std::vector<std::string> paths;
    std::string outDir;
    std::string loadRa;
    std::string loadPa;
    std::string csv;
    std::string pdf;
    std::optional<double> planDiameter;
    bool json = false;
    std::optional<double> maxDepth;
    std::string nDepth = "middle";
    std::optional<double> nCap;
    bool keepDesignLevels = false;
    bool keepPileHead = false;
    int jobs = 0;
};
int RunSiteCommand(const SiteCommandOptions& options);

} // namespace zul::cli
