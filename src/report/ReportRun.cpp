#include "report/ReportRun.h"

#include "calc/CalcError.h"
#include "printfile/PrintFileFormatError.h"
#include "report/ReportError.h"

#include <new>

namespace zul {

void ReportRun::NoteFailure(const std::exception& failure) {
    // The report's own failures say what is wrong in words; any other is named by its kind.
    if (const auto* report = dynamic_cast<const ReportError*>(&failure)) {
        failureReason_ = failure.what();
        NoteWriteError(report->FileErrorCode());
    } else if (dynamic_cast<const PrintFileFormatError*>(&failure) != nullptr) {
        failureReason_ = failure.what();
    } else if (dynamic_cast<const CalcError*>(&failure) != nullptr) {
        failureReason_ = "値が計算できる範囲を超えたため、帳票を作成できません。";
    } else if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr) {
        failureReason_ = "メモリが不足しています。";
    } else {
        failureReason_ = "帳票の作成中に予期しないｴﾗｰが発生しました。";
    }
}

void ReportRun::NoteWriteError(int fileError) {
    if (writeError_ == 0) {
        writeError_ = fileError;
    }
}

void ReportRun::ForgetFailures() {
    failureReason_.clear();
    writeError_ = 0;
}

} // namespace zul
