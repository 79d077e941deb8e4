// zul-cli report: the calculation report of a study as one print file for the preview program
// and/or as PDF, written the way the print menu writes it (all items generated, the chosen ones
// joined).
#include "calc/CalcFailureCauses.h"
#include "calc/CalcMessages.h"
#include "calc/basCalcMain.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ReportFolders.h"
#include "cli/ReportPdf.h"
#include "io/FileAccess.h"
#include "io/FileError.h"
#include "io/FileMessages.h"
#include "io/InputDataFile.h"
#include "io/ReportSettings.h"
#include "report/PrintFileGenerator.h"
#include "util/ProgramPaths.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <sys/stat.h>
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
    bool noPageHead = false;
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

// A message whose lines name files: each line shown escaped.
void PrintEscapedLines(const std::string& text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        PrintMessage(EscapeControls(std::string_view(text).substr(start, end - start)));
        start = end + 1;
    }
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
        PrintEscapedLines(error);
        return false;
    }
    return true;
}

std::string UnrecordableFolderMessage(const std::string& folder) {
    return "フォルダ（" + EscapeControls(folder) +
           "）の名前には印刷ファイルに書けない文字（シフトJISにない文字や制御文字）が含まれているため、"
           "印刷ファイルから図を参照できません。別の場所か名前を指定して下さい。";
}

// One generation run and join, in folder.
struct Generation {
    explicit Generation(const std::string& folder) : generator(folder) {}
    PrintFileGenerator generator;
    bool allWritten = false;
    bool joined = false;
};

void RunGeneration(Generation& run, const ReportContext& ctx, const NumberingSettings& numbering,
                   const std::array<bool, PrintFileGenerator::kItemCount>& chosen) {
    run.allWritten = run.generator.GeneratePrintFiles(ctx, numbering);
    run.joined = run.generator.JoinPrintFiles(chosen);
}

// The message of a file that cannot be written or read, with its cause.
void PrintFileProblem(const std::string& what, const std::string& path, int fileError) {
    PrintMessage(what + "（" + EscapeControls(path) + "）：" + FileErrorCause(fileError));
}

// Names an output that would replace one of the report's inputs (or the other output).
bool OverwritesInput(const std::vector<std::pair<std::string, std::string>>& outputs,
                     const std::vector<std::pair<std::string, std::string>>& inputs) {
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        for (const auto& [kind, input] : inputs) {
            if (!input.empty() && SameFile(outputs[i].second, input)) {
                PrintMessage(outputs[i].first + "（" + EscapeControls(outputs[i].second) + "）は" + kind +
                             "と同じファイルです。別のファイルを指定して下さい。");
                return true;
            }
        }
        for (std::size_t k = i + 1; k < outputs.size(); ++k) {
            if (SameFile(outputs[i].second, outputs[k].second)) {
                PrintMessage(outputs[i].first + "と" + outputs[k].first + "に同じファイル（" +
                             EscapeControls(outputs[i].second) + "）が指定されています。");
                return true;
            }
        }
    }
    return false;
}

// The failed items, one line each, and after them each distinct reason ("原因：…").
void PrintItemFailures(const PrintFileGenerator& generator) {
    const std::string& lines = generator.ErrorText(); // each line after a line feed
    PrintMessage(lines.empty() ? lines : lines.substr(1));
    std::set<std::string> said;
    for (std::size_t item = 0; item < PrintFileGenerator::kItemCount; ++item) {
        const std::string& reason = generator.ItemReason(item);
        if (!reason.empty() && said.insert(reason).second) {
            PrintMessage("原因：" + EscapeControls(reason));
        }
    }
}

constexpr const char* kPrintFileWhat = "印刷ファイル";
constexpr const char* kPdfWhat = "PDFファイル";

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
        PendingFile none;
        std::vector<std::string> notes;
        std::string error;
        ReportDrawing().WritePdf({}, {}, {}, {}, {}, none, notes, error);
        std::cerr << error << '\n';
        return kFileFailure;
    }
    ProjectDocument doc;
    if (!ReadStudy(options.path, doc)) {
        return kFileFailure;
    }
    const std::string program = ProgramFolder();
    const std::string programFolder = options.programFolder.empty() ? program : options.programFolder;
    const std::string fmtFile = options.fmt.empty() ? program + "/Zul.fmt" : options.fmt;
    const std::string ini = options.ini.empty() ? SettingsFilePath() : options.ini;
    // A settings file named on the command line must be there: its numbering is asked for.
    if (!options.ini.empty()) {
        if (const int err = CheckReadableFile(options.ini); err != FileError::None) {
            PrintFileProblem("設定ファイルを読み込めません", options.ini, err);
            return kFileFailure;
        }
    }
    // The outputs are checked before any work: a pipe, a device, a missing folder or a name
    // the file system does not take is refused at once, as is an output over an input.
    for (const auto& [what, path] :
         {std::pair{kPrintFileWhat, options.printFile}, std::pair{kPdfWhat, options.pdfFile}}) {
        if (!path.empty()) {
            if (const int err = CheckWritableTarget(path); err != FileError::None) {
                PrintFileProblem(std::string(what) + "を書き込めません", path, err);
                return kFileFailure;
            }
        }
    }
    std::vector<std::pair<std::string, std::string>> outputs;
    if (!options.printFile.empty()) {
        outputs.emplace_back(kPrintFileWhat, options.printFile);
    }
    if (!options.pdfFile.empty()) {
        outputs.emplace_back(kPdfWhat, options.pdfFile);
    }
    if (OverwritesInput(outputs, {{"計算データファイル", options.path},
                                  {"帳票書式ファイル", fmtFile},
                                  {"設定ファイル", ini},
                                  {"線種定義ファイル", programFolder + "/LINE_PRN.DEF"},
                                  {"文字種定義ファイル", programFolder + "/STR_PRN.DEF"}})) {
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

    // Every file of the run is made in a folder of its own: beside the print file, so that it
    // becomes the figures folder OUT.figures in one step when everything is written, or in the
    // temporary folder for a PDF alone.  The print file names the figure files where they will
    // be (OUT.figures), the PDF is drawn from a join that names them where they are.
    std::error_code error;
    fs::path figures;
    std::string privateParent = TemporaryFolder();
    if (!options.printFile.empty()) {
        const fs::path printPath = fs::absolute(options.printFile, error).lexically_normal();
        figures = fs::path(printPath.string() + ".figures");
        privateParent = printPath.parent_path().string();
        const long most = ::pathconf(privateParent.c_str(), _PC_NAME_MAX);
        if (most > 0 && figures.filename().string().size() > static_cast<std::size_t>(most)) {
            PrintFileProblem("図のフォルダを作成できません", figures.string(), FileError::BadFileName);
            return kFileFailure;
        }
        if ((*chosen)[1] && !RecordableFolder(figures.string())) {
            PrintMessage(UnrecordableFolderMessage(figures.string()));
            return kFileFailure;
        }
    }
    ScratchFolder work(privateParent);
    if (work.path().empty()) {
        PrintFileProblem("作業フォルダを作成できません", privateParent, work.error());
        return kFileFailure;
    }
    std::string graphFolder = options.programFolder.empty() ? MetafileFolder() : options.programFolder;
    std::optional<ReportDrawing> drawing;
    if (!options.pdfFile.empty()) {
        drawing.emplace();
        if (!PrepareStudyGraphs(doc, *drawing, work.path(), *chosen)) {
            return kFileFailure;
        }
        if (std::none_of(chosen->begin(), chosen->end(), [](bool c) { return c; })) {
            std::cerr << PrintFileGenerator::kNoItemMessage << '\n';
            return kNoItem;
        }
    }
    if (!options.printFile.empty() && options.pdfFile.empty() && (*chosen)[3] &&
        !RecordableFolder(graphFolder)) {
        PrintMessage(UnrecordableFolderMessage(graphFolder));
        return kFileFailure;
    }
    const NumberingSettings numbering = ReadNumberingSettings(ini);
    const auto failedToWrite = [](const PrintFileGenerator& generator, const char* what,
                                  const std::string& path) {
        const int err =
            generator.WriteError() != FileError::None ? generator.WriteError() : FileError::PathFileAccess;
        PrintMessage(PrintFileGenerator::kJoinFailedMessage);
        PrintFileProblem(std::string(what) + "を書き込めません", path, err);
        return kFileFailure;
    };

    // The PDF: generation and join naming the files where they are, then the pages.
    PendingFile pdf;
    std::vector<std::string> notes;
    bool pdfItemsFailed = false;
    std::optional<Generation> pdfRun;
    if (drawing) {
        const ReportContext ctx{doc,     driver.CalcPair(0), driver.CalcPair(1),
                                fmtFile, programFolder,      work.path()};
        pdfRun.emplace(work.path());
        RunGeneration(*pdfRun, ctx, numbering, *chosen);
        if (!pdfRun->joined || pdfRun->generator.WriteError() != FileError::None) {
            return failedToWrite(pdfRun->generator, kPdfWhat, options.pdfFile);
        }
        std::string pdfError;
        // The pages carry the study title and the study's file name; the PDF is titled with the
        // study title, or with the file's name when the study has none.
        const std::string title = fs::path(options.path).stem().string();
        const PdfPageHead head{!options.noPageHead, doc.InpJyoken.Title,
                               fs::path(options.path).filename().string()};
        if (!drawing->WritePdf(pdfRun->generator.JoinedFile(), programFolder, options.pdfFile, title, head,
                               pdf, notes, pdfError)) {
            PrintEscapedLines(pdfError);
            return kFileFailure;
        }
        pdfItemsFailed = !pdfRun->allWritten;
        if (options.printFile.empty() && !pdfRun->allWritten) {
            PrintItemFailures(pdfRun->generator);
        }
        if (!options.printFile.empty()) {
            pdfRun.reset(); // its files go; the graphs stay for the print file
        }
        graphFolder = options.printFile.empty() ? work.path() : figures.string();
    }

    // The print file: generation and join naming the figure files in OUT.figures.
    PendingFile printFile;
    std::optional<Generation> printRun;
    if (!options.printFile.empty()) {
        const ReportContext ctx{doc,     driver.CalcPair(0), driver.CalcPair(1),
                                fmtFile, programFolder,      graphFolder};
        printRun.emplace(work.path());
        printRun->generator.State().Figure.SetRecordedFolder(work.path(), figures.string());
        RunGeneration(*printRun, ctx, numbering, *chosen);
        std::string joined;
        int err = printRun->generator.WriteError();
        if (printRun->joined && err == FileError::None) {
            err = ReadWholeFile(printRun->generator.JoinedFile(), joined);
        }
        if (!printRun->joined || err != FileError::None) {
            return failedToWrite(printRun->generator, kPrintFileWhat, options.printFile);
        }
        if (err = printFile.Prepare(options.printFile, joined); err != FileError::None) {
            return failedToWrite(printRun->generator, kPrintFileWhat, options.printFile);
        }
    }

    // Everything is written: the outputs replace the earlier ones, the figures folder first.
    if (printRun) {
        printRun->generator.State().FigTempFiles.clear(); // the figure files stay with the print file
        printRun->generator.State().DeleteTempFiles();    // the print text files go
        const FolderLock lock(privateParent);
        const fs::path fresh = work.path();
        // The figures folder gets the permissions of any new folder, not the private ones of
        // the work folder.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(fresh.c_str(), 0777 & ~mask);
        if (const int err = SwapFolderIn(fresh, figures); err != 0) {
            PrintFileProblem("図のフォルダを置き換えられません", figures.string(),
                             FileErrorFromErrno(err, std::string()));
            return kFileFailure;
        }
        if (const int err = printFile.Commit(); err != FileError::None) {
            SwapFolderIn(fresh, figures); // the earlier figures go back with the earlier print file
            PrintFileProblem("印刷ファイルを書き込めません", options.printFile, err);
            return kFileFailure;
        }
        work.Keep(); // it is the figures folder now; at its name is the earlier one
        if (!RemoveOldFigures(fresh)) {
            PrintMessage("注意：以前の図のフォルダにあった他のファイルは " + EscapeControls(fresh.string()) +
                         " に残っています。");
        }
        fs::remove(figures, error); // only when no figure was made
    }
    if (drawing) {
        if (const int err = pdf.Commit(); err != FileError::None) {
            PrintFileProblem("PDFファイルを書き込めません", options.pdfFile, err);
            return kFileFailure;
        }
    }
    for (const std::string& note : notes) {
        PrintMessage("注意：" + EscapeControls(note));
    }
    if (printRun && !printRun->allWritten) {
        PrintItemFailures(printRun->generator);
        return kItemFailure;
    }
    // A figure or graph that could not be read is missing from the PDF: not a complete report.
    return pdfItemsFailed || !notes.empty() ? kItemFailure : kSuccess;
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
    report->add_flag("--no-page-head", options->noPageHead,
                     "PDF pages without the running head (study title, file name) and the page number "
                     "\"- n / N -\" in their margins");
    report->callback([options, &exitCode] { exitCode = RunReport(*options); });
}

} // namespace zul::cli
