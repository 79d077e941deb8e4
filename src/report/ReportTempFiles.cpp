#include "report/ReportTempFiles.h"

#include "io/FileError.h"
#include "io/FileMessages.h"
#include "report/ReportError.h"
#include "util/FileHelpers.h"

#include <cerrno>

namespace zul {

std::string ReportTempFiles::NewFile(std::vector<std::string>& list, std::size_t limit) {
    if (list.size() >= limit) {
        throw ReportError("一時ファイルが" + std::to_string(limit) + "を超えました。");
    }
    errno = 0;
    std::string path = folder_.empty() ? MakeTempFileName() : MakeTempFileName(folder_);
    if (path.empty()) {
        const int code = errno != 0 ? FileErrorFromErrno(errno, std::string()) : FileError::PathFileAccess;
        throw ReportError("一時ファイルを作成できません（" + folder_ + "）：" +
                              FileErrorCause(FileErrorFromErrno(errno, std::string())),
                          code);
    }
    list.push_back(path);
    return path;
}

std::string ReportTempFiles::NewPrnFile() {
    return NewFile(prnFiles_, kMaxPrnTempFiles);
}

std::string ReportTempFiles::NewFigFile() {
    return NewFile(figFiles_, kMaxFigTempFiles);
}

void ReportTempFiles::DeleteAll() {
    for (const auto* list : {&prnFiles_, &figFiles_}) {
        for (const std::string& path : *list) {
            KillFile(path);
        }
    }
    prnFiles_.clear();
    figFiles_.clear();
}

} // namespace zul
