#include "report/PrintFileGenerator.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "util/FileHelpers.h"

#include <cerrno>

namespace zul {

namespace {

// Error lines of the items, in item order.
constexpr std::array<const char*, PrintFileGenerator::kItemCount> kItemErrors = {
    "･『計算条件』の印刷ﾌｧｲﾙ生成ｴﾗｰ",
    "･『計算結果（詳細）』の印刷ﾌｧｲﾙ生成ｴﾗｰ",
    "･『計算結果（支持力一覧表）』の印刷ﾌｧｲﾙ生成ｴﾗｰ",
    "･『支持力検討ｸﾞﾗﾌ』の印刷ﾌｧｲﾙ生成ｴﾗｰ",
};

// The detailed calculation: the push-in report, a page break, then the pull-out report of the
// pile's kind.  Both parts are written even when the first fails.
bool WriteDetailedReport(PrintState& st, const ReportContext& ctx) {
    const bool pushIn = basResOutRa(st, ctx);
    st.AppendFormFeed();
    const bool pullOut = ctx.normal.IsEcoPile() ? basResOutPaEcoPile(st, ctx) : basResOutPa(st, ctx);
    return pushIn && pullOut;
}

using ItemWriter = bool (*)(PrintState&, const ReportContext&);
constexpr std::array<ItemWriter, PrintFileGenerator::kItemCount> kItemWriters = {
    basResOutJyoken, WriteDetailedReport, basResOutIchiran, basResOutGraph};

} // namespace

PrintFileGenerator::PrintFileGenerator(std::string tempFolder) : state_(std::move(tempFolder)) {}

bool PrintFileGenerator::GeneratePrintFiles(const ReportContext& ctx, const NumberingSettings& numbering) {
    state_.DeleteTempFiles();
    state_.LoadNumbering(numbering);
    errorText_.clear();
    failed_ = {};
    reasons_ = {};
    state_.WriteError = 0;
    state_.Figure.WriteError = 0;
    bool allWritten = true;
    for (std::size_t item = 0; item < kItemCount; ++item) {
        bool ok = false;
        state_.FailureReason.clear();
        try {
            state_.PrnFileName = state_.NewPrnFile();
            ok = kItemWriters[item](state_, ctx);
        } catch (const std::exception& e) {
            state_.FailureReason = e.what();
            ok = false;
        }
        if (!ok) {
            reasons_[item] = state_.FailureReason;
            failed_[item] = true;
            allWritten = false;
            errorText_ += "\n";
            errorText_ += kItemErrors[item];
        }
    }
    // The file that receives the joined print file.
    try {
        state_.PrnFileName = state_.NewPrnFile();
    } catch (const std::exception&) {
        state_.PrnFileName.clear();
        allWritten = false;
    }
    return allWritten;
}

std::string PrintFileGenerator::ItemFile(std::size_t item) const {
    return item < kItemCount && item < state_.PrnTempFiles.size() ? state_.PrnTempFiles[item] : std::string();
}

std::string PrintFileGenerator::JoinedFile() const {
    return state_.PrnTempFiles.size() == kItemCount + 1 ? state_.PrnTempFiles.back() : std::string();
}

bool PrintFileGenerator::JoinPrintFiles(const std::array<bool, kItemCount>& chosen) {
    joinError_.clear();
    joinWriteError_ = 0;
    bool any = false;
    for (const bool c : chosen) {
        any = any || c;
    }
    if (!any) {
        joinError_ = kNoItemMessage;
        return false;
    }
    const std::string joined = JoinedFile();
    errno = 0;
    if (joined.empty() || !CreateEmptyFile(joined)) {
        joinWriteError_ = FileErrorFromErrno(errno != 0 ? errno : EIO, std::string());
        joinError_ = kJoinFailedMessage;
        return false;
    }
    state_.PrnFileName = joined;
    bool first = true;
    for (std::size_t item = 0; item < kItemCount; ++item) {
        if (!chosen[item]) {
            continue;
        }
        if (!first) {
            state_.AppendFormFeed();
        }
        first = false;
        errno = 0;
        if (!AppendTextFile(joined, ItemFile(item))) {
            joinWriteError_ = FileErrorFromErrno(errno != 0 ? errno : EIO, std::string());
            joinError_ = kJoinFailedMessage;
            return false;
        }
    }
    if (state_.WriteError != FileError::None) { // a page break between two items was lost
        joinError_ = kJoinFailedMessage;
        return false;
    }
    return true;
}

int PrintFileGenerator::WriteError() const {
    if (state_.WriteError != FileError::None) {
        return state_.WriteError;
    }
    return state_.Figure.WriteError != FileError::None ? state_.Figure.WriteError : joinWriteError_;
}

std::string TemplateFileProblem(const std::string& fmtFile) {
    // Checked without reading, and without waiting on a pipe.
    if (CheckReadableFile(fmtFile) == FileError::None) {
        return {};
    }
    return "原因：帳票書式ファイル（" + fmtFile + "）を読み込めません。";
}

} // namespace zul
