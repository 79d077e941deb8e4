#pragma once

// The temporary files of one generation run: the print text files of the report items and the
// joined print file ("~PS..."), and the figure data and figure index files.  They are deleted
// with their owner (or by DeleteAll).

#include <cstddef>
#include <string>
#include <vector>

namespace zul {

// Most print text files and most figure files of one generation run.
inline constexpr std::size_t kMaxPrnTempFiles = 20;
inline constexpr std::size_t kMaxFigTempFiles = 20;

class ReportTempFiles {
public:
    // Files go to folder; the system's temporary folder when empty.
    explicit ReportTempFiles(std::string folder = {}) : folder_(std::move(folder)) {}
    ~ReportTempFiles() { DeleteAll(); }
    ReportTempFiles(const ReportTempFiles&) = delete;
    ReportTempFiles& operator=(const ReportTempFiles&) = delete;

    const std::string& Folder() const { return folder_; }

    // A new empty print text file; ReportError beyond 20 files or when it cannot be made.
    std::string NewPrnFile();
    // The same for a figure data or figure index file.
    std::string NewFigFile();
    const std::vector<std::string>& PrnFiles() const { return prnFiles_; }
    const std::vector<std::string>& FigFiles() const { return figFiles_; }

    // Forgets the figure files without deleting them: they stay with a print file kept for good.
    void KeepFigFiles() { figFiles_.clear(); }
    // Deletes every recorded file (failures ignored) and forgets them.
    void DeleteAll();

private:
    std::string NewFile(std::vector<std::string>& list, std::size_t limit);

    std::string folder_;
    std::vector<std::string> prnFiles_;
    std::vector<std::string> figFiles_;
};

} // namespace zul
