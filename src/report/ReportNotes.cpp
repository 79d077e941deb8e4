// The plausibility notes in the report.
#include "report/ReportNotes.h"

#include "calc/PlausibilityNotes.h"
#include "calc/basCalcMain.h"
#include "report/SectionSupport.h"
#include "util/Cp932.h"

#include <algorithm>
#include <array>

namespace zul {

namespace {

// Template lines of the block.
constexpr std::int32_t kStudyTitle = 1;
constexpr std::int32_t kStudyIntro = 2;
constexpr std::int32_t kNoteMark = 3; // before the first line of each note
constexpr std::int32_t kTableTitle = 4;
constexpr std::int32_t kTableIntro = 5;

// Marks that close a phrase and never start a line (code page 932).
bool ClosingMark(std::string_view cp932, std::size_t at) {
    static const std::array<std::string, 8> marks = {PrintText("、"), PrintText("。"), PrintText("）"),
                                                     PrintText("」"), PrintText("，"), PrintText("．"),
                                                     PrintText("："), PrintText("～")};
    return std::any_of(marks.begin(), marks.end(),
                       [&](const std::string& m) { return cp932.substr(at, m.size()) == m; });
}

// Marks that open a phrase and never end a line (code page 932).
bool OpeningMark(std::string_view cp932, std::size_t at) {
    static const std::array<std::string, 4> marks = {PrintText("（"), PrintText("「"), PrintText("【"), "("};
    return std::any_of(marks.begin(), marks.end(),
                       [&](const std::string& m) { return cp932.substr(at, m.size()) == m; });
}

// The note in the report's spelling: the notes of the screens write "N値", the report "Ｎ値".
std::string ReportSpelling(std::string note) {
    static constexpr std::string_view kScreen = "N値";
    static constexpr std::string_view kReport = "Ｎ値";
    for (std::size_t at = note.find(kScreen); at != std::string::npos;
         at = note.find(kScreen, at + kReport.size())) {
        note.replace(at, kScreen.size(), kReport);
    }
    return note;
}

// Each note after the mark of line kNoteMark, its further lines under the note's first
// character.
void WriteNoteLines(PageWriter& ps, const TemplateBlock& b, const std::vector<std::string>& notes) {
    const std::string& mark = b.Text(kNoteMark);
    const std::size_t width = kNoteColumns > mark.size() + 10 ? kNoteColumns - mark.size() : 10;
    for (const std::string& note : notes) {
        const std::vector<std::string> lines = WrapPrintText(PrintText(ReportSpelling(note)), width);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ps.PrintLineHead(b.Level(kNoteMark));
            ps.PrintRaw((i == 0 ? mark : std::string(mark.size(), ' ')) + lines[i]);
        }
    }
}

} // namespace

std::vector<std::string> WrapPrintText(std::string_view cp932, std::size_t width) {
    std::vector<std::string> lines;
    width = std::max<std::size_t>(width, 2);
    std::size_t start = 0;
    while (start < cp932.size()) {
        std::size_t end = start + Cp932PrefixLength(cp932.substr(start), width);
        if (end == start) {
            end = start + Cp932CharWidth(cp932, start);
        }
        // A closing mark stays with the line before it, even one column past the width.
        while (end < cp932.size() && ClosingMark(cp932, end)) {
            end += Cp932CharWidth(cp932, end);
        }
        // An opening mark goes to the next line with what it opens.
        if (end < cp932.size()) {
            std::size_t last = start;
            for (std::size_t at = start; at < end; at += Cp932CharWidth(cp932, at)) {
                last = at;
            }
            if (last > start && OpeningMark(cp932, last)) {
                end = last;
            }
        }
        lines.emplace_back(cp932.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string StudyNotesText(ReportRun& run, const ReportContext& ctx) {
    if (!ctx.supplement) {
        return {};
    }
    std::vector<std::string> notes = PlausibilityNotes(ctx.doc, ctx.normal, ctx.quake);
    if (ctx.doc.boreholeSource) {
        for (const std::string& note : ctx.doc.boreholeSource->notes) {
            notes.push_back(std::string(kImportNotePrefix) + note);
        }
    }
    if (notes.empty()) {
        return {};
    }
    const TemplateBlock b = ReadReportBlock(ctx, kNotesBlock);
    PageWriter ps(run.Numbering());
    ps.PrintAsIs(b, kStudyTitle);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, kStudyIntro);
    WriteNoteLines(ps, b, notes);
    return ps.Text();
}

std::vector<std::string> StudyTableNotes(const ProjectDocument& doc) {
    std::vector<std::string> lines;
    if (!doc.tableEntered()) {
        return lines;
    }
    basCalcMain table;
    if (!table.CalcRaTable(doc)) {
        return lines;
    }
    for (int i = 0; i < table.ResultCount(); ++i) {
        for (const TableNote& note : table.ResultNotes(i)) {
            lines.push_back(TableNoteLine({table.ResultDiameters(i)}, note));
        }
    }
    return lines;
}

void WriteStudyTableNotes(PageWriter& ps, const ReportContext& ctx) {
    if (!ctx.supplement) {
        return;
    }
    const std::vector<std::string> notes = StudyTableNotes(ctx.doc);
    if (notes.empty()) {
        return;
    }
    const TemplateBlock b = ReadReportBlock(ctx, kNotesBlock);
    // The graphs fill their pages (a picture record counts one line): the notes start a page.
    ps.FormFeed();
    ps.PrintAsIs(b, kTableTitle);
    ps.PrintBlank(1);
    ps.PrintAsIs(b, kTableIntro);
    WriteNoteLines(ps, b, notes);
}

} // namespace zul
