#pragma once

// Runs the detailed report sections on a study and reads back what they wrote.

#include "ReportTestSupport.h"
#include "calc/basCalcMain.h"
#include "printfile/PrintFileFormat.h"
#include "report/FigureBuilder.h"
#include "report/ReportSections.h"
#include "report/SectionSupport.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zul::test {

// The data shipped beside the program: the templates and the two definition files.
inline const std::string kDataFolder = std::string(ZUL_SOURCE_DIR) + "/data";
inline const std::string kZulFmt = kDataFolder + "/Zul.fmt";

// A calculated study with the report run the sections write with.
class SectionRun {
public:
    explicit SectionRun(const ProjectDocument& doc) : doc_(doc), run_(folder_.path().string()) {
        if (!calc_.CalcRa(doc_)) {
            throw std::runtime_error("the test study does not calculate");
        }
    }

    ReportContext Context() const {
        ReportContext ctx{doc_, calc_.CalcPair(0), calc_.CalcPair(1), ReportFiles(kZulFmt, kDataFolder, {})};
        ctx.supplement = supplement_;
        return ctx;
    }
    // The sections write with the supplements for a checker.
    void SetSupplement(bool on) { supplement_ = on; }
    const CZul& Normal() const { return calc_.CalcPair(0); }
    const CZul& Quake() const { return calc_.CalcPair(1); }
    ReportRun& Run() { return run_; }

    // Runs a section on the study; the lines of its print text afterwards (UTF-8).
    std::vector<std::string> Write(bool (*section)(ReportRun&, const ReportContext&)) {
        run_.Page().Clear();
        ok_ = section(run_, Context());
        return PrintTextLines(run_.Page().Text());
    }
    bool ok() const { return ok_; }

private:
    ProjectDocument doc_;
    TestFolder folder_;
    basCalcMain calc_;
    ReportRun run_;
    bool ok_ = false;
    bool supplement_ = false;
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
    static const std::string kMarker = std::string(kFigureRecordLead) + std::string(kFigureRecordFields);
    std::vector<std::string> files;
    for (const std::string& l : lines) {
        const std::size_t at = l.find(kMarker);
        if (at != std::string::npos) {
            files.push_back(l.substr(at + kMarker.size()));
        }
    }
    return files;
}

// The texts of a figure, in the order written.
inline std::vector<std::string> TextsOf(const FigureBuilder& fig) {
    std::vector<std::string> texts;
    for (const FigText& t : fig.Texts()) {
        texts.push_back(t.Text);
    }
    return texts;
}

} // namespace zul::test
