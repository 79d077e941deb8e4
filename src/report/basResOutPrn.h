#pragma once

// The print file writer of the calculation report: report templates, filled text lines, heading
// numbers, page control and the print text files of one generation run.

#include "io/ReportSettings.h"
#include "report/basResOutPrnZ.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

// Any failure while a report section writes (missing template block, file error, table overflow).
// Sections throw it and catch it at their boundary, where the print file is closed and the
// section reports false.
class ReportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Most print text files and most figure files of one generation run.
inline constexpr std::size_t kMaxPrnTempFiles = 20;
inline constexpr std::size_t kMaxFigTempFiles = 20;
// Most numeric and most text fields on one template line.
inline constexpr std::size_t kMaxFieldsPerLine = 20;
// Lines of a printed page.
inline constexpr std::int32_t kLinesPerPage = 62;

// One template block of the report template file: heading level and text per template number
// (1..limit).  Texts are code page 932 bytes, as the file holds them.  A number that the block
// does not define reads as an empty body line.
class TemplateBlock {
public:
    explicit TemplateBlock(std::int32_t limit = 50);

    std::int32_t limit() const { return static_cast<std::int32_t>(lines_.size()); }
    // Number of template lines read into the block.
    std::int32_t count() const { return count_; }

    // Level (0 body line, 1..4 heading) and text of template number k; a ReportError when k lies
    // outside 1..limit.
    std::int32_t Level(std::int32_t k) const;
    const std::string& Text(std::int32_t k) const;

    // Stores template number k (ReportError outside 1..limit); counts one line read.
    void Set(std::int32_t k, std::int32_t level, std::string text);

private:
    struct Line {
        std::int32_t level = 0;
        std::string text;
    };
    const Line& line(std::int32_t k) const;
    std::vector<Line> lines_;
    std::int32_t count_ = 0;
};

// Reads block blockName (UTF-8) of the template file (a plain file, read with a bound);
// ReportError naming the file and the reason when the file cannot be read, the block is missing
// or does not end with "End", a line's number is no whole number or lies above limit, or a line
// holds more than 20 fields of a kind.
TemplateBlock ReadFmtSection(const std::string& fmtFile, std::string_view blockName, std::int32_t limit = 50);

// A field of a template line: first byte, width in bytes and its format.  A numeric field's
// format is its picture ("###0.00", "+#0.0", "\#,##0"); a text field's format is n "@" for a
// right-aligned field of n bytes or "!" and n "@" for a left-aligned one.
struct TemplateField {
    std::size_t pos = 0;
    std::size_t width = 0;
    std::string format;
    bool operator==(const TemplateField&) const = default;
};

// The numeric and the text fields of a template line (code page 932 bytes), left to right; the
// scan walks characters, so the second byte of a two-byte character never starts a field.
// ReportError for more than 20 fields of a kind.
std::vector<TemplateField> FindNumFields(std::string_view cp932Template);
std::vector<TemplateField> FindStrFields(std::string_view cp932Template);

// The text of value in a numeric field format, right-aligned to the format's length (code page
// 932, ASCII).  "," only groups thousands; a negative value keeps its "-" even when it rounds to
// zero; "+" shows the sign of a value of 0 or more; a "\" field shows "\" before the digits and
// the minus sign before the "\".
std::string FormatNumField(double value, std::string_view format);
// The text of value (UTF-8) in a text field format, padded with spaces to the field width
// (code page 932; a character it cannot hold becomes "?").  A longer value is kept whole.
std::string FormatStrField(std::string_view value, std::string_view format);

// Fills the fields of a template line: numeric fields from numbers, text fields from texts, in
// their order on the line; a missing value counts as 0 or as the empty text.  Each result
// replaces at most its field's bytes (a shorter one only its own length, a longer one is cut)
// and the line keeps its length; a two-byte character cut in half leaves a space.
std::string FillTemplate(std::string_view cp932Template, std::span<const double> numbers,
                         std::span<const std::string> texts);

// A text (UTF-8) in code page 932 for a print file; a character code page 932 cannot hold
// becomes "?", a control character (line end, form feed ...) a space.
std::string PrintText(std::string_view utf8);

// The number text of counter in style (1..9), UTF-8; empty for a counter of 0 or less and for
// another style.  Styles with a limited range set the counter back to 1 above it.
std::string NumberText(std::int32_t style, std::int32_t& counter);

// The print state of one generation run: page position, heading numbering, the print text file
// being written and every temporary file made in the run.  Owns the temporary files: they are
// deleted with the state (or by DeleteTempFiles).
class PrintState {
public:
    // Temporary files go to tempFolder; the system's temporary folder when empty.
    explicit PrintState(std::string tempFolder = {});
    ~PrintState();
    PrintState(const PrintState&) = delete;
    PrintState& operator=(const PrintState&) = delete;

    std::int32_t LinesPerPage = kLinesPerPage;
    std::int32_t LineCount = 0;
    std::int32_t CurLevel = 1;
    std::int32_t NumMethod = 0;
    std::array<std::int32_t, 4> NumCounter{}; // levels 1..4 at 0..3
    std::array<std::int32_t, 4> NumStyle{};
    std::array<std::int32_t, 4> NumMargin{};
    std::string PrnFileName;
    // The first failed write of the run (FileError code; 0 while every write succeeded): also a
    // lost page break, which the sections do not see.
    int WriteError = 0;
    // Why the last report section failed, a Japanese sentence naming the file.
    std::string FailureReason;
    std::vector<std::string> PrnTempFiles;
    std::vector<std::string> FigTempFiles;
    FigureBuilder Figure; // the figure being built

    const std::string& TempFolder() const { return tempFolder_; }

    // Numbering of a new generation run: the settings' method, styles and margins, chapter
    // counter Init - 1, the other counters 0, CurLevel 1.
    void LoadNumbering(const NumberingSettings& settings);

    // A new empty temporary print text file ("~PS..."), recorded in PrnTempFiles; ReportError
    // beyond 20 files or when it cannot be made.
    std::string NewPrnFile();
    // The same for a figure data or figure index file, recorded in FigTempFiles.
    std::string NewFigFile();
    // Deletes every recorded temporary file (failures ignored) and forgets them.
    void DeleteTempFiles();

    // Opens PrnFileName for appending and starts a page count (LineCount 0).
    void OpenPrnFile();
    // Closes the print file; ReportError when anything written was lost.
    void ClosePrnFile();
    // Closes the print file after a failure, ignoring errors.
    void AbandonPrnFile() noexcept;

    // Line head for level: margin, heading marker "?R1"/"?R2" and heading number, or the body
    // indent; LineCount grows by 1.  No line end.
    void PrintLineHead(std::int32_t level);
    // The heading number of a level-1..4 heading (counters advanced), followed by a space; UTF-8.
    std::string MakeHeadNumber(std::int32_t level);
    // Line head for level, the filled template and a line end.
    void PrintFmtLine(std::int32_t level, std::string_view cp932Template,
                      std::span<const double> numbers = {}, std::span<const std::string> texts = {});
    // Template line k of block with values; as PrintFmtLine.
    void PrintFmtLine(const TemplateBlock& block, std::int32_t k, std::initializer_list<double> numbers = {},
                      std::initializer_list<std::string> texts = {});
    // Template line k of block as it stands: line head, text, line end.
    void PrintAsIs(const TemplateBlock& block, std::int32_t k);
    // Code page 932 bytes and a line end, after a line head written by the caller.
    void PrintRaw(std::string_view cp932);
    // n empty lines.
    void PrintBlank(std::int32_t n);
    // A form feed when fewer than need lines are left on the page, else blanks empty lines.
    void PageCheck(std::int32_t need, std::int32_t blanks);
    // A form feed without a line end; LineCount 0.
    void FormFeed();
    // Appends a form feed to PrnFileName (the file must not be open); the report goes on after
    // an error, which is kept in WriteError.
    void AppendFormFeed();

    // Rows of linesPerRow lines that fit in the lines left on the page, rounded to the nearest
    // whole number, halves to even (may be 0 or less on a full page).
    std::int32_t RowsOnPage(std::int32_t linesPerRow) const;

private:
    std::string NewTempFile(std::vector<std::string>& list, std::size_t limit);
    void Write(std::string_view bytes);
    // Keeps the first write error (errno) in WriteError.
    void NoteWriteError(int err);
    // NoteWriteError, then a ReportError naming the print file and the cause.
    [[noreturn]] void ThrowWriteError(int err);

    std::string tempFolder_;
    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::string head_; // scratch of the line head
};

} // namespace zul
