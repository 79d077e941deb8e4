#include "report/ReportRun.h"

#include "report/ReportError.h"

namespace zul {

void ReportRun::NoteFailure(const std::exception& failure) {
    failureReason_ = failure.what();
    if (const auto* report = dynamic_cast<const ReportError*>(&failure)) {
        NoteWriteError(report->FileErrorCode());
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
