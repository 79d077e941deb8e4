#pragma once

// The report templates of Zul.fmt: one block of template lines, its numeric and text fields and
// the filling of a line with values.

#include "report/ReportError.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

// Most numeric and most text fields on one template line.
inline constexpr std::size_t kMaxFieldsPerLine = 20;

// One template block of the report template file: heading level and text per template number
// (1..limit).  Texts are code page 932 bytes, as the file holds them.  A number that the block
// does not define reads as an empty body line.
class TemplateBlock {
public:
    explicit TemplateBlock(std::int32_t limit = 50, std::string name = {});

    // The block's name in the template file (UTF-8).
    const std::string& name() const { return name_; }

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
    std::string name_;
};

// Most bytes of a report template file: the shipped Zul.fmt holds some 40 KB.
inline constexpr std::size_t kMaxTemplateFileBytes = 1024 * 1024;

// The report template file read once for a whole report run: its bytes, or why it could not
// be read (a missing or unreadable file, one that is no plain file, one above
// kMaxTemplateFileBytes).  The blocks are read from the bytes; a file that could not be read
// gives that failure at every block.
class TemplateFile {
public:
    explicit TemplateFile(std::string fmtFile);

    const std::string& path() const { return path_; }
    // The file's bytes; a ReportError naming the file and the reason when it could not be read.
    std::string_view Bytes() const;

private:
    std::string path_;
    std::string bytes_;
    std::string failure_; // why the file could not be read; empty when read
};

// Reads block blockName (UTF-8) of the template file read before.  ReportError naming the file
// and the reason when the file could not be read, the block is missing or does not end with
// "End", a line's number is no whole number or lies above limit, or a line holds more than 20
// fields of a kind.
TemplateBlock ReadFmtSection(const TemplateFile& fmt, std::string_view blockName, std::int32_t limit = 50);
// The same, with no value when the file does not hold the block; the other failures as above.
std::optional<TemplateBlock> ReadFmtSectionIfPresent(const TemplateFile& fmt, std::string_view blockName,
                                                     std::int32_t limit = 50);

// Reads block blockName (UTF-8) of the template file (a plain file, read with a bound);
// ReportError naming the file and the reason when the file cannot be read, the block is missing
// or does not end with "End", a line's number is no whole number or lies above limit, or a line
// holds more than 20 fields of a kind.
TemplateBlock ReadFmtSection(const std::string& fmtFile, std::string_view blockName, std::int32_t limit = 50);
// The same, with no value when the file does not hold the block; the other failures as above.
std::optional<TemplateBlock> ReadFmtSectionIfPresent(const std::string& fmtFile, std::string_view blockName,
                                                     std::int32_t limit = 50);

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

// Template line k of block filled with one number for each numeric field and one text for
// each text field.  A ReportError naming the block and the line when the values given do not
// match the line's fields: the report and the template file have drifted apart, and the page
// would print a wrong value.
std::string FillBlockLine(const TemplateBlock& block, std::int32_t k, std::span<const double> numbers,
                          std::span<const std::string> texts);

} // namespace zul
