#include "report/PrintFileGenerator.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "io/FileMessages.h"
#include "printfile/PrintFileFormat.h"
#include "report/ReportError.h"
#include "report/ReportItems.h"
#include "report/ReportNotes.h"
#include "report/SectionSupport.h"
#include "util/TextLines.h"

#include <algorithm>

namespace zul {

namespace {

// Every line of text ended by CR LF.
void AppendLines(std::string& joined, std::string_view text) {
    for (const std::string_view line : SplitLines(text)) {
        joined += line;
        joined += kLineEnd;
    }
}

} // namespace

bool WriteDetailedReport(ReportRun& run, const ReportContext& ctx) {
    const bool pushIn = basResOutRa(run, ctx);
    run.Page().AppendFormFeed();
    const bool pullOut = ctx.normal.IsEcoPile() ? basResOutPaEcoPile(run, ctx) : basResOutPa(run, ctx);
    return pushIn && pullOut;
}

bool PrintFileGenerator::AnyItemChosen(const std::array<bool, kItemCount>& chosen) {
    return std::any_of(chosen.begin(), chosen.end(), [](bool c) { return c; });
}

PrintFileGenerator::PrintFileGenerator(std::string tempFolder) : run_(std::move(tempFolder)) {}

bool PrintFileGenerator::WriteItemFile(const std::string& path) {
    if (const int code = ReplaceFileContents(path, run_.Page().Text()); code != FileError::None) {
        run_.NoteFailure(
            ReportError("印刷ファイル（" + path + "）を書き込めません：" + FileErrorCause(code), code));
        return false;
    }
    return true;
}

bool PrintFileGenerator::GeneratePrintFiles(const ReportContext& study, const NumberingSettings& numbering) {
    // The template file is read once for all items.
    ReportContext ctx = study;
    if (!ctx.templates) {
        ctx.templates = std::make_shared<const TemplateFile>(ctx.paths.fmtFile);
    }
    run_.TempFiles().DeleteAll();
    run_.Numbering().Restart(numbering, ctx.supplement);
    run_.ForgetFailures();
    errorText_.clear();
    failed_ = {};
    reasons_ = {};
    joinWriteError_ = 0;
    notesText_.clear();
    bool allWritten = true;
    for (std::size_t item = 0; item < kItemCount; ++item) {
        run_.Page().Clear();
        bool ok = false;
        std::string failure;
        try {
            const std::string path = run_.TempFiles().NewPrnFile();
            ok = kReportItems[item].writer(run_, ctx);
            failure = run_.FailureReason();
            // The notes on the pile belong to the results list: they are made with it, with
            // the numbering where it stands after it.
            if (ok && item == kResultsListItem) {
                ok = RunReportPart(run_, [&] { notesText_ = StudyNotesText(run_, ctx); });
                failure = run_.FailureReason();
            }
            // What a failed item wrote before its failure is kept as well.
            if (!WriteItemFile(path)) {
                ok = false;
                failure = run_.FailureReason();
            }
        } catch (const std::exception& e) {
            run_.NoteFailure(e);
            failure = run_.FailureReason();
            ok = false;
        }
        if (!ok) {
            reasons_[item] = failure;
            failed_[item] = true;
            allWritten = false;
            errorText_ += "\n";
            errorText_ += kReportItems[item].errorLine;
        }
    }
    run_.Page().Clear();
    // The file that receives the joined print file.
    try {
        run_.TempFiles().NewPrnFile();
    } catch (const std::exception& e) {
        run_.NoteFailure(e);
        allWritten = false;
    }
    return allWritten;
}

std::string PrintFileGenerator::ItemFile(std::size_t item) const {
    const auto& files = run_.TempFiles().PrnFiles();
    return item < kItemCount && item < files.size() ? files[item] : std::string();
}

std::string PrintFileGenerator::JoinedFile() const {
    const auto& files = run_.TempFiles().PrnFiles();
    return files.size() == kItemCount + 1 ? files.back() : std::string();
}

bool PrintFileGenerator::JoinPrintFiles(const std::array<bool, kItemCount>& chosen) {
    joinError_.clear();
    joinWriteError_ = 0;
    if (!AnyItemChosen(chosen)) {
        joinError_ = kNoItemMessage;
        return false;
    }
    const std::string joined = JoinedFile();
    if (joined.empty()) {
        joinWriteError_ = FileError::PathFileAccess;
        joinError_ = kJoinFailedMessage;
        return false;
    }
    // Every line of each chosen item ended by CR LF, a form feed between two items; the notes
    // once, after the results list or else on a page before the detailed calculation.
    const bool notesBeforeDetail = !notesText_.empty() && chosen[kDetailedItem] && !chosen[kResultsListItem];
    std::string text;
    bool first = true;
    for (std::size_t item = 0; item < kItemCount; ++item) {
        if (!chosen[item]) {
            continue;
        }
        if (!first) {
            text += kFormFeed;
        }
        first = false;
        if (item == kDetailedItem && notesBeforeDetail) {
            AppendLines(text, notesText_);
            text += kFormFeed;
        }
        std::string bytes;
        if (const int code = ReadWholeFile(ItemFile(item), bytes); code != FileError::None) {
            joinWriteError_ = code;
            joinError_ = kJoinFailedMessage;
            return false;
        }
        AppendLines(text, bytes);
        if (item == kResultsListItem && !notesText_.empty()) {
            text += kLineEnd; // a blank line between the list and its notes
            AppendLines(text, notesText_);
        }
    }
    if (const int code = ReplaceFileContents(joined, text); code != FileError::None) {
        joinWriteError_ = code;
        joinError_ = kJoinFailedMessage;
        return false;
    }
    return true;
}

int PrintFileGenerator::WriteError() const {
    return run_.WriteError() != FileError::None ? run_.WriteError() : joinWriteError_;
}

std::string TemplateFileProblem(const std::string& fmtFile) {
    // Checked without reading, and without waiting on a pipe.
    if (CheckReadableFile(fmtFile) == FileError::None) {
        return {};
    }
    return "原因：帳票書式ファイル（" + fmtFile + "）を読み込めません。";
}

} // namespace zul
