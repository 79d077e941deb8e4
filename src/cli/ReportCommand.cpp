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
#include "printfile/PrintFileFormat.h"
#include "report/PrintFileGenerator.h"
#include "report/ReportItems.h"
#include "util/ProgramIdentity.h"
#include "util/ProgramPaths.h"
#include "util/TextLines.h"

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

// The chosen report items of a list such as "0,2"; empty entries are ignored.  No value when
// an entry is not an item number.
std::optional<std::array<bool, PrintFileGenerator::kItemCount>> ParseItems(const std::string& list) {
    std::array<bool, PrintFileGenerator::kItemCount> chosen{};
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(',', start);
        end = end == std::string::npos ? list.size() : end;
        const std::string_view entry = TrimBlanks(std::string_view(list).substr(start, end - start));
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
        std::cerr << ReadErrorMessage(openError) << '\n' << StudyFileCause(path, openError) << '\n';
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
    if (!opened.unsupportedVersion) {
        std::cerr << StudyFileCause(path, opened.errorCode) << '\n';
    }
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

std::string ForeignFiguresPlaceMessage(const std::string& figures) {
    return "図のフォルダの場所（" + EscapeControls(figures) +
           "）には、このプログラムが作ったものではないファイルかフォルダがあります。何も変更せずに終了します"
           "。"
           "移動するか、別の印刷ファイル名を指定して下さい。";
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

using Items = std::array<bool, PrintFileGenerator::kItemCount>;

bool ChosenItemFailed(const PrintFileGenerator& generator, const Items& chosen) {
    for (std::size_t item = 0; item < PrintFileGenerator::kItemCount; ++item) {
        if (chosen[item] && generator.ItemFailed(item)) {
            return true;
        }
    }
    return false;
}

// The failed items among the chosen ones, one line each, and after them each distinct reason
// ("原因：…").
void PrintItemFailures(const PrintFileGenerator& generator, const Items& chosen) {
    for (std::size_t item = 0; item < PrintFileGenerator::kItemCount; ++item) {
        if (generator.ItemFailed(item) && chosen[item]) {
            PrintMessage(std::string(kReportItems[item].errorLine));
        }
    }
    std::set<std::string> said;
    for (std::size_t item = 0; item < PrintFileGenerator::kItemCount; ++item) {
        const std::string& reason = generator.ItemReason(item);
        if (chosen[item] && !reason.empty() && said.insert(reason).second) {
            PrintMessage("原因：" + EscapeControls(reason));
        }
    }
}

// Whether the joined print file holds no text at all: line ends and page breaks only.
bool NothingToPrint(const PrintFileGenerator& generator) {
    std::string joined;
    if (ReadWholeFile(generator.JoinedFile(), joined) != FileError::None) {
        return false; // the read error is the caller's to report
    }
    return joined.find_first_not_of(" \r\n\f") == std::string::npos;
}

// A run whose chosen items could not all be written, or that has nothing to print, yields no
// usable report: it ends with the items and their causes, and no output is replaced.
bool NoUsableReport(const PrintFileGenerator& generator, const Items& chosen) {
    const bool failed = ChosenItemFailed(generator, chosen);
    if (!failed && !NothingToPrint(generator)) {
        return false;
    }
    PrintMessage(PrintFileGenerator::kJoinFailedMessage);
    if (failed) {
        PrintItemFailures(generator, chosen);
    } else {
        PrintMessage("原因：帳票書式から印刷する内容が何も作られませんでした。");
    }
    PrintMessage("以前の出力ファイルは変更していません。");
    return true;
}

constexpr const char* kPrintFileWhat = "印刷ファイル";
constexpr const char* kPdfWhat = "PDFファイル";

// The exit status when a step ends the run; no value when the run goes on.
using Outcome = std::optional<int>;

bool NoItemChosen(const Items& chosen) {
    if (PrintFileGenerator::AnyItemChosen(chosen)) {
        return false;
    }
    std::cerr << PrintFileGenerator::kNoItemMessage << '\n';
    return true;
}

// The files the report reads, from the options or the program's own: templates (--fmt),
// definition files and graph metafiles (--program-folder) and settings (--ini).
ProgramPaths ReportPaths(const ReportOptions& options) {
    ProgramPaths paths;
    paths.programFolder = ProgramFolder();
    paths.definitionFolder = options.programFolder.empty() ? paths.programFolder : options.programFolder;
    paths.fmtFile = options.fmt.empty() ? paths.programFolder + "/Zul.fmt" : options.fmt;
    paths.iniFile = options.ini.empty() ? SettingsFilePath() : options.ini;
    paths.metafileFolder = options.programFolder.empty() ? MetafileFolder() : options.programFolder;
    return paths;
}

// The options themselves: the items, at least one output, a PDF only where it can be drawn.
Outcome CheckOptions(const ReportOptions& options, Items& chosen) {
    const auto items = ParseItems(options.items);
    if (!items) {
        std::cerr << "--items: report items are 0 to " << kReportItems.size() - 1
                  << ", separated by commas\n";
        return kFileFailure;
    }
    chosen = *items;
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
    return std::nullopt;
}

// The files before any work: a settings file named on the command line must be there (its
// numbering is asked for); a pipe, a device, a missing folder or a name the file system does
// not take as an output is refused at once, as is an output over an input.
Outcome CheckFiles(const ReportOptions& options, const ProgramPaths& paths) {
    if (!options.ini.empty()) {
        if (const int err = CheckReadableFile(options.ini); err != FileError::None) {
            PrintFileProblem("設定ファイルを読み込めません", options.ini, err);
            return kFileFailure;
        }
    }
    std::vector<std::pair<std::string, std::string>> outputs;
    for (const auto& [what, path] :
         {std::pair{kPrintFileWhat, options.printFile}, std::pair{kPdfWhat, options.pdfFile}}) {
        if (!path.empty()) {
            if (const int err = CheckWritableTarget(path); err != FileError::None) {
                PrintFileProblem(std::string(what) + "を書き込めません", path, err);
                return kFileFailure;
            }
            outputs.emplace_back(what, path);
        }
    }
    if (OverwritesInput(
            outputs,
            {{"計算データファイル", options.path},
             {"帳票書式ファイル", paths.fmtFile},
             {"設定ファイル", paths.iniFile},
             {"線種定義ファイル", paths.definitionFolder + "/" + std::string(kLineDefinitionFile)},
             {"文字種定義ファイル", paths.definitionFolder + "/" + std::string(kTextDefinitionFile)}})) {
        return kFileFailure;
    }
    return std::nullopt;
}

// Where the figures of the print file will be (OUT.figures) and the folder the run works in:
// beside the print file, so that it becomes the figures folder in one step when everything is
// written, or the temporary folder for a PDF alone.
struct RunFolders {
    fs::path figures;
    std::string parent = TemporaryFolder();
};

Outcome PlaceFigures(const ReportOptions& options, const Items& chosen, RunFolders& folders) {
    if (options.printFile.empty()) {
        return std::nullopt;
    }
    std::error_code error;
    const fs::path printPath = fs::absolute(options.printFile, error).lexically_normal();
    folders.figures = fs::path(printPath.string() + ".figures");
    folders.parent = printPath.parent_path().string();
    const long most = ::pathconf(folders.parent.c_str(), _PC_NAME_MAX);
    if (most > 0 && folders.figures.filename().string().size() > static_cast<std::size_t>(most)) {
        PrintFileProblem("図のフォルダを作成できません", folders.figures.string(), FileError::BadFileName);
        return kFileFailure;
    }
    if (!FiguresPlaceIsOurs(folders.figures)) {
        PrintMessage(ForeignFiguresPlaceMessage(folders.figures.string()));
        return kFileFailure;
    }
    if ((chosen[1] || chosen[3]) && !RecordableFolder(folders.figures.string())) {
        PrintMessage(UnrecordableFolderMessage(folders.figures.string()));
        return kFileFailure;
    }
    return std::nullopt;
}

// The run's outputs could not be written: the cause is the first failed write of the
// generation, else the error of the output itself (fileError), else an unwritable path.
int FailedToWrite(const PrintFileGenerator& generator, const char* what, const std::string& path,
                  int fileError = FileError::None) {
    const int err = generator.WriteError() != FileError::None ? generator.WriteError()
                    : fileError != FileError::None            ? fileError
                                                              : FileError::PathFileAccess;
    PrintMessage(PrintFileGenerator::kJoinFailedMessage);
    PrintFileProblem(std::string(what) + "を書き込めません", path, err);
    return kFileFailure;
}

// What one report run works with.
struct ReportJob {
    explicit ReportJob(const ReportOptions& given) : options(given) {}
    const ReportOptions& options;
    Items chosen{};
    ProgramPaths paths;
    ProjectDocument doc;
    basCalcMain driver;
    NumberingSettings numbering;
    bool supplement = true;

    ReportContext Context(const std::string& metafileFolder) const {
        ProgramPaths files = paths;
        files.metafileFolder = metafileFolder;
        ReportContext ctx{doc, driver.CalcPair(0), driver.CalcPair(1), files};
        ctx.supplement = supplement;
        return ctx;
    }
};

// The PDF: generation and join naming the files where they are, then the pages, prepared in
// pdf.
Outcome WritePdfRun(const ReportJob& job, ReportDrawing& drawing, const std::string& workFolder,
                    PendingFile& pdf, std::vector<std::string>& notes) {
    const ReportOptions& options = job.options;
    Generation run(workFolder);
    RunGeneration(run, job.Context(workFolder), job.numbering, job.chosen);
    if (!run.joined || run.generator.WriteError() != FileError::None) {
        return FailedToWrite(run.generator, kPdfWhat, options.pdfFile);
    }
    if (NoUsableReport(run.generator, job.chosen)) {
        return kFileFailure;
    }
    std::string pdfError;
    // The pages carry the study title and the study's file name; the PDF is titled with the
    // study title, or with the file's name when the study has none.
    const std::string title = fs::path(options.path).stem().string();
    const PdfPageHead head{!options.noPageHead, job.doc.InpJyoken.Title,
                           fs::path(options.path).filename().string(), ProgramNameAndVersion(),
                           PrintDateToday()};
    if (!drawing.WritePdf(run.generator.JoinedFile(), job.paths.definitionFolder, options.pdfFile, title,
                          head, pdf, notes, pdfError)) {
        PrintEscapedLines(pdfError);
        return kFileFailure;
    }
    return std::nullopt; // its files go with it; the graphs stay in the work folder
}

// The print file: generation and join naming the figure files in OUT.figures, prepared in
// printFile.
Outcome WritePrintRun(const ReportJob& job, Generation& run, const std::string& workFolder,
                      const fs::path& figures, const std::string& graphFolder, PendingFile& printFile) {
    run.generator.Run().Figure().SetRecordedFolder(workFolder, figures.string());
    RunGeneration(run, job.Context(graphFolder), job.numbering, job.chosen);
    std::string joined;
    int err = run.generator.WriteError();
    if (run.joined && err == FileError::None) {
        err = ReadWholeFile(run.generator.JoinedFile(), joined);
    }
    if (run.joined && err == FileError::None && NoUsableReport(run.generator, job.chosen)) {
        return kFileFailure;
    }
    if (run.joined && err == FileError::None) {
        err = printFile.Prepare(job.options.printFile, joined);
    }
    if (!run.joined || err != FileError::None) {
        return FailedToWrite(run.generator, kPrintFileWhat, job.options.printFile, err);
    }
    return std::nullopt;
}

// Everything is written: the figures folder replaces the earlier one, then the print file.
Outcome CommitPrintFile(const ReportOptions& options, Generation& run, ScratchFolder& work,
                        const RunFolders& folders, PendingFile& printFile) {
    run.generator.Run().TempFiles().KeepFigFiles(); // the figure files stay with the print file
    run.generator.Run().TempFiles().DeleteAll();    // the print text files go
    const FolderLock lock(folders.parent);
    const fs::path fresh = work.path();
    if (!FiguresPlaceIsOurs(folders.figures)) { // something of the user's came there meanwhile
        PrintMessage(ForeignFiguresPlaceMessage(folders.figures.string()));
        return kFileFailure;
    }
    std::error_code error;
    if (!fs::is_empty(fresh, error)) {
        if (const int err = MarkFiguresFolder(fresh); err != FileError::None) {
            PrintFileProblem("図のフォルダを作成できません", folders.figures.string(), err);
            return kFileFailure;
        }
    }
    // The figures folder gets the permissions of any new folder, not the private ones of the
    // work folder.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(fresh.c_str(), 0777 & ~mask);
    if (const int err = SwapFolderIn(fresh, folders.figures); err != 0) {
        PrintFileProblem("図のフォルダを置き換えられません", folders.figures.string(),
                         FileErrorFromErrno(err, std::string()));
        return kFileFailure;
    }
    if (const int err = printFile.Commit(); err != FileError::None) {
        SwapFolderIn(fresh, folders.figures); // the earlier figures go back with the earlier print file
        PrintFileProblem("印刷ファイルを書き込めません", options.printFile, err);
        return kFileFailure;
    }
    work.Keep(); // it is the figures folder now; at its name is the earlier one
    if (!RemoveOldFigures(fresh)) {
        PrintMessage("注意：以前の図のフォルダにあった他のファイルは " + EscapeControls(fresh.string()) +
                     " に残っています。");
    }
    fs::remove(folders.figures, error); // only when no figure was made
    return std::nullopt;
}
} // namespace

int RunReport(const ReportOptions& options) {
    ReportJob job(options);
    if (const Outcome end = CheckOptions(options, job.chosen)) {
        return *end;
    }
    if (!ReadStudy(options.path, job.doc)) {
        return kFileFailure;
    }
    job.paths = ReportPaths(options);
    if (const Outcome end = CheckFiles(options, job.paths)) {
        return *end;
    }
    if (!job.driver.CalcRa(job.doc)) {
        PrintCalcFailure(kCalcErrorMessage, FindCalcFailureCauses(job.doc, CalcRun::Single));
        return kCalcFailure;
    }
    if (NoItemChosen(job.chosen)) {
        return kNoItem;
    }
    RunFolders folders;
    if (const Outcome end = PlaceFigures(options, job.chosen, folders)) {
        return *end;
    }
    ScratchFolder work(folders.parent);
    if (work.path().empty()) {
        PrintFileProblem("作業フォルダを作成できません", folders.parent, work.error());
        return kFileFailure;
    }
    // The graphs of this study are drawn for the run: the command line has no graph screen
    // whose saved graphs it could print.
    const std::string graphFolder = options.printFile.empty() ? work.path() : folders.figures.string();
    std::optional<ReportDrawing> drawing;
    if (!options.pdfFile.empty() || job.chosen[3]) {
        if (PdfAvailable()) {
            drawing.emplace();
            if (!PrepareStudyGraphs(job.doc, *drawing, work.path(), job.chosen)) {
                return kFileFailure;
            }
        } else if (job.chosen[3]) {
            std::cerr << "支持力検討ｸﾞﾗﾌ: このzul-cliはｸﾞﾗﾌを描けないため（画面部分なしで作られています）、"
                         "この項目は印刷しません。\n";
            job.chosen[3] = false;
        }
        if (NoItemChosen(job.chosen)) {
            return kNoItem;
        }
    }
    job.numbering = ReadNumberingSettings(job.paths.iniFile);
    job.supplement =
        options.supplement.empty() ? ReadSupplementSetting(job.paths.iniFile) : options.supplement == "on";

    PendingFile pdf;
    std::vector<std::string> notes;
    if (!options.pdfFile.empty()) {
        if (const Outcome end = WritePdfRun(job, *drawing, work.path(), pdf, notes)) {
            return *end;
        }
    }
    PendingFile printFile;
    std::optional<Generation> printRun;
    if (!options.printFile.empty()) {
        printRun.emplace(work.path());
        if (const Outcome end =
                WritePrintRun(job, *printRun, work.path(), folders.figures, graphFolder, printFile)) {
            return *end;
        }
        if (const Outcome end = CommitPrintFile(options, *printRun, work, folders, printFile)) {
            return *end;
        }
    }
    if (!options.pdfFile.empty()) {
        if (const int err = pdf.Commit(); err != FileError::None) {
            PrintFileProblem("PDFファイルを書き込めません", options.pdfFile, err);
            return kFileFailure;
        }
    }
    for (const std::string& note : notes) {
        PrintMessage("注意：" + EscapeControls(note));
    }
    // A figure or graph that could not be read is missing from the PDF: not a complete report.
    return !notes.empty() ? kItemFailure : kSuccess;
}

} // namespace zul::cli
