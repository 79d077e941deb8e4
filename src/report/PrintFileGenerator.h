#pragma once

// The generation run and the join of the calculation report, shared by the print menu and the
// command line: every report item is written to its own print text file once; the chosen items
// are joined into one print file for the preview program as often as asked.

#include "io/ReportSettings.h"
#include "report/ReportSections.h"

#include <array>
#include <string>

namespace zul {

class PrintFileGenerator {
public:
    // Report items in print menu order (ReportItems.h).
    static constexpr std::size_t kItemCount = kReportItemCount;
    // Shown when the join is asked for with no item chosen.
    static constexpr const char* kNoItemMessage = "印刷項目はひとつ以上選択して下さい。";
    // Whether any item is chosen: the one check of the print menu, zul-cli and the join.
    static bool AnyItemChosen(const std::array<bool, kItemCount>& chosen);
    // Shown when the joined print file cannot be written.
    static constexpr const char* kJoinFailedMessage = "印刷ﾌｧｲﾙを作成することができませんでした。";

    // Temporary files go to tempFolder (the system's temporary folder when empty); every one of
    // them is deleted with the generator.
    explicit PrintFileGenerator(std::string tempFolder = {});

    // Writes the print text file of every item with the given numbering (heading numbers run
    // on from item to item) and makes the empty joined file.  Files of an earlier run are
    // deleted first.  A failed item keeps what was written before the failure and adds its line
    // to ErrorText; the run goes on with the next item.  True when every item was written.
    bool GeneratePrintFiles(const ReportContext& ctx, const NumberingSettings& numbering);

    // One line per failed item, each preceded by a line feed ("\n･『計算条件』の印刷ﾌｧｲﾙ生成ｴﾗｰ").
    const std::string& ErrorText() const { return errorText_; }
    bool ItemFailed(std::size_t item) const { return item < kItemCount && failed_[item]; }
    // Why a failed item failed: a Japanese sentence naming the file and the reason; empty for
    // an item that was written.
    const std::string& ItemReason(std::size_t item) const { return reasons_.at(item); }
    // The first write that failed in the generation run or the last join (FileError code): a
    // print file, figure file or page break that was lost; 0 when every write succeeded.
    int WriteError() const;
    // The print text file of an item; empty before a run.
    std::string ItemFile(std::size_t item) const;
    // The joined print file; empty before a run.
    std::string JoinedFile() const;

    // The notes block on the study's pile when the supplements are on and a note holds (print
    // text lines); empty otherwise.  The join prints it once: after the results list when that
    // is chosen, else before the detailed calculation when that is chosen.
    const std::string& NotesText() const { return notesText_; }

    // Rebuilds the joined file from the chosen items' files in item order, a form feed between
    // two items, and the notes block as NotesText says.  False with JoinError set when no item is chosen,
    // before a run, or when the file cannot be written.
    bool JoinPrintFiles(const std::array<bool, kItemCount>& chosen);
    const std::string& JoinError() const { return joinError_; }

    const ReportRun& Run() const { return run_; }
    ReportRun& Run() { return run_; }

private:
    // Writes the print text of the current item to its file; false with the reason kept.
    bool WriteItemFile(const std::string& path);

    ReportRun run_;
    std::string errorText_;
    std::array<bool, kItemCount> failed_{};
    std::array<std::string, kItemCount> reasons_;
    std::string joinError_;
    int joinWriteError_ = 0;
    std::string notesText_;
};

// The cause to add when items failed because the template file cannot be read: "原因：…" naming
// the file; empty when the file is a readable plain file.  (ItemReason says why.)
std::string TemplateFileProblem(const std::string& fmtFile);

} // namespace zul
