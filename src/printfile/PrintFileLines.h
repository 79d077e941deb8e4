#pragma once

// The lines of a print file as the preview reads them and the records the report writes:
// text lines (some with a heading mark), figure records and picture records.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

// One line of a print file, read for printing.  Columns count code page 932 bytes.
struct PrintLine {
    enum class Kind { Text, Figure, Picture };
    Kind kind = Kind::Text;
    int headingLevel = 0; // 1 or 2 when the line carries "?R1" / "?R2" (the mark is removed)
    std::string text;     // Text: the bytes to print
    int column = 0;       // Figure, Picture: column of the record's marker
    double offsetX = 0;   // Figure, Picture: the record's numbers, millimetres
    double offsetY = 0;
    double width = 0; // Picture: frame size, millimetres
    double height = 0;
    std::string path; // Figure: figure index file; Picture: metafile (UTF-8, blanks trimmed)
};

// Longest printed line in bytes: the rest of a longer one is not shown (real lines: < 300).
inline constexpr std::size_t kMaxPrintLineBytes = 4096;

// Most lines of a print file read: 1000 pages of 62 lines, twice over for form feeds of their own.
inline constexpr std::size_t kMaxPrintFileLines = 124000;

// Reads one line (without its line end and without form feeds).
PrintLine ParsePrintLine(std::string_view cp932);

// The lines of a print file's contents: split at CR LF, LF or CR; no empty last line.  At most
// kMaxPrintFileLines; cut, when given, tells whether lines were left out.
std::vector<std::string> SplitPrintLines(std::string_view cp932, bool* cut = nullptr);

// The figure record (code page 932) naming a figure index file, after the lead of its line.
std::string FigureRecord(std::string_view indexPathUtf8);

// The picture record (code page 932) naming a graph metafile at the standard place and size.
std::string PictureRecord(std::string_view metafilePathUtf8);

} // namespace zul
