#pragma once

// Runs the detailed report sections on a study and reads back what they wrote.

#include "ReportTestSupport.h"
#include "calc/basCalcMain.h"
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zul::test {

inline const std::string kZulFmt = std::string(ZUL_SOURCE_DIR) + "/data/Zul.fmt";

// A calculated study with a print state, a program folder holding the two definition files
// and the print file the sections write.
class SectionRun {
public:
    explicit SectionRun(const ProjectDocument& doc) : doc_(doc), ps_(folder_.path().string()) {
        if (!calc_.CalcRa(doc_)) {
            throw std::runtime_error("the test study does not calculate");
        }
        WriteBytes(folder_.file("LINE_PRN.DEF"),
                   Sjis("線種定義,線種,線幅(1/100mm)\r\n実線(細),0,18\r\n実線(太),0,35\r\n破線,1,18\r\n"
                        "一点鎖線,3,18\r\n点線,2,13\r\nEND\r\n"));
        WriteBytes(folder_.file("STR_PRN.DEF"), Sjis("文字種定義,太さ,書体,文字高(twip),字間(twip),色,予備\r\n"
                                                     "標準,400,IPAGothic,170,0,0,0\r\n"
                                                     "小,400,IPAGothic,140,0,0,0\r\nEND\r\n"));
        ps_.PrnFileName = ps_.NewPrnFile();
    }

    ReportContext Context() const {
        return ReportContext{doc_, calc_.CalcPair(0), calc_.CalcPair(1), kZulFmt, folder_.path().string(), {}};
    }
    const CZul& Normal() const { return calc_.CalcPair(0); }
    const CZul& Quake() const { return calc_.CalcPair(1); }
    PrintState& State() { return ps_; }

    // Runs a section on the study; the lines of the print file afterwards (UTF-8).
    std::vector<std::string> Write(bool (*section)(PrintState&, const ReportContext&)) {
        ok_ = section(ps_, Context());
        return PrintLines(ps_.PrnFileName);
    }
    bool ok() const { return ok_; }

private:
    ProjectDocument doc_;
    TestFolder folder_;
    basCalcMain calc_;
    PrintState ps_;
    bool ok_ = false;
};

// Template line k of a block as UTF-8, filled with values like the sections fill it.
inline std::string Filled(const std::string& block, std::int32_t k, std::vector<double> numbers = {},
                          std::vector<std::string> texts = {}, std::int32_t limit = 50) {
    const TemplateBlock b = ReadFmtSection(kZulFmt, block, limit);
    return Utf8(FillTemplate(b.Text(k), numbers, texts));
}

// True when a print line is template text behind a line head (form feed, margin, heading marker
// and number).
inline bool Shows(std::string_view line, std::string_view text) {
    if (line.size() < text.size() || line.substr(line.size() - text.size()) != text) {
        return false;
    }
    const std::string_view head = line.substr(0, line.size() - text.size());
    return head.find_first_not_of(" \f?R12") == std::string_view::npos;
}

inline int CountShowing(const std::vector<std::string>& lines, std::string_view text) {
    int n = 0;
    for (const std::string& l : lines) {
        n += Shows(l, text) ? 1 : 0;
    }
    return n;
}

inline bool StartsPage(const std::string& line) {
    return !line.empty() && line[0] == '\f';
}

// The figure index files named by the figure records of a print file, in order.
inline std::vector<std::string> FigureIndexFiles(const std::vector<std::string>& lines) {
    static constexpr std::string_view kMarker = "   　　?FG;000;000;";
    std::vector<std::string> files;
    for (const std::string& l : lines) {
        const std::size_t at = l.find(kMarker);
        if (at != std::string::npos) {
            files.push_back(l.substr(at + kMarker.size()));
        }
    }
    return files;
}

} // namespace zul::test
