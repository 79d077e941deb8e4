#pragma once

// What the report sections of one generation run write with: the heading numbering that runs
// through the items, the page writer of the current item, the figure being built and the
// temporary files of the run; and why the last report part failed.

#include "report/FigureBuilder.h"
#include "report/HeadingNumbering.h"
#include "report/PageWriter.h"
#include "report/ReportTempFiles.h"

#include <exception>
#include <string>

namespace zul {

class ReportRun {
public:
    // Temporary files go to tempFolder; the system's temporary folder when empty.
    explicit ReportRun(std::string tempFolder = {}) : files_(std::move(tempFolder)) {}
    ReportRun(const ReportRun&) = delete;
    ReportRun& operator=(const ReportRun&) = delete;

    HeadingNumbering& Numbering() { return numbering_; }
    PageWriter& Page() { return page_; }
    const PageWriter& Page() const { return page_; }
    FigureBuilder& Figure() { return figure_; }
    const FigureBuilder& Figure() const { return figure_; }
    ReportTempFiles& TempFiles() { return files_; }
    const ReportTempFiles& TempFiles() const { return files_; }

    // Keeps why a report part failed (the message of the failure) and, for a failed write, its
    // file error code when it is the run's first.
    void NoteFailure(const std::exception& failure);
    void NoteWriteError(int fileError);
    const std::string& FailureReason() const { return failureReason_; }
    // The first failed write of the run (FileError code), 0 while every write succeeded.
    int WriteError() const { return writeError_; }
    // A new run: no failure, no lost write.
    void ForgetFailures();

private:
    ReportTempFiles files_;
    HeadingNumbering numbering_;
    PageWriter page_{numbering_};
    FigureBuilder figure_;
    std::string failureReason_;
    int writeError_ = 0;
};

} // namespace zul
