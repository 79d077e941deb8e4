// zul-cli report: the calculation report of a study as one print file for the preview program
// and/or as PDF, written the way the print menu writes it (all items generated, the chosen ones
// joined).
#include "calc/CalcFailureCauses.h"
#include "calc/CalcMessages.h"
#include "calc/basCalcMain.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ReportPdf.h"
#include "io/FileAccess.h"
#include "io/FileMessages.h"
#include "io/InputDataFile.h"
#include "io/ReportSettings.h"
#include "report/PrintFileGenerator.h"
#include "util/ProgramPaths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unistd.h>

namespace zul::cli {

namespace {

namespace fs = std::filesystem;

constexpr int kItemFailure = 3;
constexpr int kNoItem = 4;

struct ReportOptions {
    std::string path;
    std::string printFile;
    std::string pdfFile;
    std::string items = "0,1,2,3";
    std::string ini;
    std::string fmt;
    std::string programFolder;
};

// The chosen report items of a list such as "0,2"; empty entries are ignored.  No value when
// an entry is not an item number.
std::optional<std::array<bool, PrintFileGenerator::kItemCount>> ParseItems(const std::string& list) {
    std::array<bool, PrintFileGenerator::kItemCount> chosen{};
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(',', start);
        end = end == std::string::npos ? list.size() : end;
        std::string entry = list.substr(start, end - start);
        entry.erase(0, entry.find_first_not_of(' '));
        entry.erase(entry.find_last_not_of(' ') + 1);
        if (!entry.empty()) {
            if (entry.size() != 1 || entry[0] < '0' || entry[0] >= '0' + static_cast<int>(chosen.size())) {
                return std::nullopt;
            }
            chosen[static_cast<std::size_t>(entry[0] - '0')] = true;
        }
        start = end + 1;
    }
    return chosen;
}

// Reads the study as File > Open does; on failure prints the file message.
bool ReadStudy(const std::string& path, ProjectDocument& doc) {
    if (const int openError = CheckReadableFile(path); openError != FileError::None) {
        std::cerr << ReadErrorMessage(openError) << '\n';
        return false;
    }
    const OpenResult opened = OpenInputFile(doc, path);
    if (opened.success) {
        return true;
    }
    if (opened.unsupportedVersion) {
        std::cerr << UnsupportedVersionMessage(EscapeControls(opened.versionText)) << '\n';
    }
    std::cerr << ReadErrorMessage(opened.errorCode) << '\n';
    return false;
}

// Removes the figure files of earlier runs ("~PS..." not made by this run) from the folder, and
// the folder itself when nothing is left in it.
void TidyFigureFolder(const fs::path& folder, const std::vector<std::string>& kept) {
    const std::set<fs::path> keep(kept.begin(), kept.end());
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("~PS", 0) == 0 && entry.is_regular_file(error) && keep.count(entry.path()) == 0) {
            fs::remove(entry.path(), error);
        }
    }
    fs::remove(folder, error); // only when empty
}

// A folder of its own in the temporary folder for the files of one run; removed with them.
class ScratchFolder {
public:
    ScratchFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zul-report-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~ScratchFolder() {
        if (!path_.empty()) {
            std::error_code error;
            fs::remove_all(path_, error);
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The graph report prints the four study graphs.  For a PDF they are drawn here from the
// study table, as the graph screen draws them, into folder.  Without a study table (or when
// its calculation fails) the item is left out with a note.  False when the files cannot be
// written.
bool PrepareStudyGraphs(const ProjectDocument& doc, ReportDrawing& drawing, const std::string& folder,
                        std::array<bool, PrintFileGenerator::kItemCount>& chosen) {
    if (!chosen[3]) {
        return true;
    }
    if (!doc.tableEntered()) {
        std::cerr << "支持力検討ｸﾞﾗﾌ: 杭長・杭径の検討表がないため、この項目は印刷しません。\n";
        chosen[3] = false;
        return true;
    }
    basCalcMain table;
    if (!table.CalcRaTable(doc) || table.ResultCount() == 0) {
        PrintCalcFailure(std::string("支持力検討ｸﾞﾗﾌ: ") + kCalcErrorMessage + "この項目は印刷しません。",
                         FindCalcFailureCauses(doc, CalcRun::Table));
        chosen[3] = false;
        return true;
    }
    std::string error;
    if (!drawing.SaveStudyGraphs(doc, table, folder, error)) {
        std::cerr << error << '\n';
        return false;
    }
    return true;
}

int RunReport(const ReportOptions& options) {
    auto chosen = ParseItems(options.items);
    if (!chosen) {
        std::cerr << "--items: report items are 0 to 3, separated by commas\n";
        return kFileFailure;
    }
    if (options.printFile.empty() && options.pdfFile.empty()) {
        std::cerr << "--print-file か --pdf で出力するファイルを指定して下さい。\n";
        return kFileFailure;
    }
    if (!options.pdfFile.empty() && !PdfAvailable()) {
        std::string error;
        ReportDrawing().WritePdf({}, {}, {}, error);
        std::cerr << error << '\n';
        return kFileFailure;
    }
    ProjectDocument doc;
    if (!ReadStudy(options.path, doc)) {
        return kFileFailure;
    }
    basCalcMain driver;
    if (!driver.CalcRa(doc)) {
        PrintCalcFailure(kCalcErrorMessage, FindCalcFailureCauses(doc, CalcRun::Single));
        return kCalcFailure;
    }
    if (std::none_of(chosen->begin(), chosen->end(), [](bool c) { return c; })) {
        std::cerr << PrintFileGenerator::kNoItemMessage << '\n';
        return kNoItem;
    }

    // The figure files (and for a PDF the study graphs) stay beside the print file, where the
    // records in it point; with a PDF alone they live in a scratch folder for the run.
    std::optional<ScratchFolder> scratch;
    fs::path figures;
    std::error_code error;
    if (!options.printFile.empty()) {
        figures = fs::absolute(options.printFile + ".figures", error).lexically_normal();
        fs::create_directory(figures, error); // beside the print file: its folder must exist
    } else {
        scratch.emplace();
        figures = scratch->path();
    }
    if (error || figures.empty() || !fs::is_directory(figures)) {
        std::cerr << PrintFileGenerator::kJoinFailedMessage << '\n';
        return kFileFailure;
    }

    const std::string program = ProgramFolder();
    const std::string programFolder = options.programFolder.empty() ? program : options.programFolder;
    std::string metafileFolder = options.programFolder.empty() ? MetafileFolder() : options.programFolder;
    std::optional<ReportDrawing> drawing;
    if (!options.pdfFile.empty()) {
        drawing.emplace();
        if (!PrepareStudyGraphs(doc, *drawing, figures.string(), *chosen)) {
            return kFileFailure;
        }
        metafileFolder = figures.string();
        if (std::none_of(chosen->begin(), chosen->end(), [](bool c) { return c; })) {
            std::cerr << PrintFileGenerator::kNoItemMessage << '\n';
            return kNoItem;
        }
    }
    const ReportContext ctx{doc,
                            driver.CalcPair(0),
                            driver.CalcPair(1),
                            options.fmt.empty() ? program + "/Zul.fmt" : options.fmt,
                            programFolder,
                            metafileFolder};
    const std::string ini = options.ini.empty() ? SettingsFilePath() : options.ini;

    PrintFileGenerator generator(figures.string());
    const bool allWritten = generator.GeneratePrintFiles(ctx, ReadNumberingSettings(ini));
    bool ok = generator.JoinPrintFiles(*chosen);
    std::string joined;
    if (ok && !options.printFile.empty()) {
        ok = ReadWholeFile(generator.JoinedFile(), joined) == FileError::None;
    }
    const int writeError =
        ok && !options.printFile.empty() ? ReplaceFileContents(options.printFile, joined) : 0;
    if (!ok || writeError != FileError::None) {
        std::cerr << PrintFileGenerator::kJoinFailedMessage;
        if (writeError != FileError::None) {
            std::cerr << "（ｴﾗｰｺｰﾄﾞ ： " << writeError << "）";
        }
        std::cerr << '\n';
        // An earlier print file stays as it was, and with it the figure files it refers to.
        generator.State().DeleteTempFiles();
        if (!scratch) {
            fs::remove(figures, error); // only when empty
        }
        return kFileFailure;
    }
    if (drawing) {
        std::string pdfError;
        if (!drawing->WritePdf(generator.JoinedFile(), programFolder, options.pdfFile, pdfError)) {
            std::cerr << pdfError << '\n';
            return kFileFailure;
        }
    }
    if (!scratch) {
        // The print text files go with the generator; the figure files are kept.
        const std::vector<std::string> kept = generator.State().FigTempFiles;
        generator.State().FigTempFiles.clear();
        TidyFigureFolder(figures, kept);
    }
    if (!allWritten) {
        const std::string& lines = generator.ErrorText(); // each line after a line feed
        std::cerr << (lines.empty() ? lines : lines.substr(1)) << '\n';
        // The common cause of every item failing: the template file is missing or unreadable.
        if (const std::string cause = TemplateFileProblem(ctx.fmtFile); !cause.empty()) {
            std::cerr << EscapeControls(cause) << '\n';
        }
        return kItemFailure;
    }
    return kSuccess;
}

} // namespace

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
    report->add_option("--items", options->items,
                       "Report items to join, in this order whatever the list says: 0 conditions, 1 detailed "
                       "calculation, 2 results list, 3 graph (default 0,1,2,3)");
    report->add_option("--ini", options->ini,
                       "Settings file with the heading numbering (default: the program's Zul.ini)");
    report->add_option("--fmt", options->fmt,
                       "Report template file (default: Zul.fmt of the program folder)");
    report->add_option(
        "--program-folder", options->programFolder,
        "Folder of LINE_PRN.DEF, STR_PRN.DEF and the graph metafiles (default: the program folder)");
    report->callback([options, &exitCode] { exitCode = RunReport(*options); });
}

} // namespace zul::cli
