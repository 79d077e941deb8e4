#pragma once

// The page writer of a report item: line heads with heading numbers, filled template lines,
// blank lines and page control, counted against the 62 lines of a page.  The item's print text
// is built in memory; the generation run writes it to the item's print text file.

#include "printfile/PrintFileFormat.h"
#include "report/HeadingNumbering.h"
#include "report/TemplateBlock.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace zul {

class PageWriter {
public:
    explicit PageWriter(HeadingNumbering& numbering) : numbering_(numbering) {}

    // The print text written so far (code page 932, CR LF) and a fresh start for the next item
    // (pages counted only, as SetBreakWhenFull(false)).
    const std::string& Text() const { return text_; }
    void Clear();

    // Start of a report part: the page count starts from 0.
    void StartPart() { lineCount_ = 0; }
    // Lines written on the current page since the last page break.
    std::int32_t LineCount() const { return lineCount_; }
    std::int32_t LinesLeft() const { return kLinesPerPage - lineCount_; }
    // Counts n more lines on the page: the lines a figure record's figure covers.
    void CoverLines(std::int32_t n) { lineCount_ += n; }

    // Line head for level: margin, heading marker "?R1"/"?R2" and heading number, or the body
    // indent; the line count grows by 1.  No line end.
    void PrintLineHead(std::int32_t level);
    // Line head for level, the filled template and a line end.
    void PrintFmtLine(std::int32_t level, std::string_view cp932Template,
                      std::span<const double> numbers = {}, std::span<const std::string> texts = {});
    // Template line k of block with one value for each of its fields (FillBlockLine: a
    // ReportError naming block and line when they do not match); as PrintFmtLine.
    void PrintFmtLine(const TemplateBlock& block, std::int32_t k, std::initializer_list<double> numbers = {},
                      std::initializer_list<std::string> texts = {});
    void PrintFmtLine(const TemplateBlock& block, std::int32_t k, std::span<const double> numbers,
                      std::span<const std::string> texts = {});
    // Template line k of block as it stands: line head, text, line end.
    void PrintAsIs(const TemplateBlock& block, std::int32_t k);
    // Code page 932 bytes and a line end, after a line head written by the caller.
    void PrintRaw(std::string_view cp932);
    // n empty lines.
    void PrintBlank(std::int32_t n);
    // A form feed when fewer than need lines are left on the page, else blanks empty lines.
    void PageCheck(std::int32_t need, std::int32_t blanks);
    // A form feed without a line end; the line count starts from 0.
    void FormFeed();
    // A form feed between two parts of an item; the next part starts its own page count.
    void AppendFormFeed() { text_ += kFormFeed; }
    // On, a full page breaks by itself: a line that would stand below the page's last line
    // starts the next page, and no blank line opens a page.  Off (the default), lines are counted
    // only and the sections break where they check.
    void SetBreakWhenFull(bool on) { breakWhenFull_ = on; }
    bool BreaksWhenFull() const { return breakWhenFull_; }

private:
    HeadingNumbering& numbering_;
    std::int32_t lineCount_ = 0;
    bool breakWhenFull_ = false;
    std::string text_;
};

} // namespace zul
