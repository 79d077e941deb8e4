#pragma once

#include "printfile/PrintFileFormat.h"
#include "render/PrintDocument.h"

#include <vector>

namespace zul {

// The printed page: A4 portrait, margins and the line grid, in millimetres.
struct PrintPageGeometry {
    static constexpr double kPageWidth = 210.0;
    static constexpr double kPageHeight = 297.0;
    static constexpr double kLeft = 20.0;
    static constexpr double kRight = 12.0;
    static constexpr double kTop = 15.0;
    static constexpr double kBottom = 15.0;
    static constexpr int kLinesPerPage = zul::kLinesPerPage;

    static constexpr double textWidth() { return kPageWidth - kLeft - kRight; }
    static constexpr double textHeight() { return kPageHeight - kTop - kBottom; }
    static constexpr double lineHeight() { return textHeight() / kLinesPerPage; }
};

// A line of the print file placed on a page: it starts at line slot `slot` (0-based from the
// top) and takes `span` lines; a figure or a picture takes as many lines as its area is tall.
struct PagePlacement {
    int slot = 0;
    int span = 1;
    PrintLine line;
};

struct PrintPage {
    std::vector<PagePlacement> placements;
    std::vector<QString> notes; // what the page leaves out (lines cut, pages beyond the bound)
};

// Most pages laid out: a real report has some 50; the rest of a longer print file is left out
// with a note on the last page.
inline constexpr int kMaxPrintPages = 1000;

// Most bytes of text laid out: drawing text into a PDF costs some 5 s a megabyte, and a real
// report of 50 pages holds some 60 kB.  The rest is left out with a note on the last page.
inline constexpr std::size_t kMaxPrintTextBytes = 1024 * 1024;

// Lines a record takes on the page.  A figure whose files cannot be read takes one line
// (its note); a picture without a usable size takes the standard 160 x 110 mm frame.
int RecordSlots(const PrintDocument& document, const PrintLine& line);

// The picture frame of a record, millimetres (the standard 160 x 110 mm when not given).
double PictureWidth(const PrintLine& line);
double PictureHeight(const PrintLine& line);

// Breaks the print file into pages: 62 lines to a page; a form feed ends the page (a form feed
// on an empty page starts no blank page); a line that no longer fits starts the next page; a
// figure or picture that does not fit in the rest of the page moves to the next page whole.
// Always at least one page, at most kMaxPrintPages; a text line longer than kMaxPrintLineBytes
// is cut there with a note.
std::vector<PrintPage> LayoutPrintPages(const PrintDocument& document);

// Widest text line in columns (code page 932 bytes), trailing blanks not counted.
int WidestLineColumns(const std::vector<PrintPage>& pages);

} // namespace zul
