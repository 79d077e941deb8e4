#pragma once

#include "render/PrintDocument.h"
#include "render/PrintPageLayout.h"

#include <QFont>
#include <QRectF>
#include <QString>

#include <utility>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace zul {

// The running head and the page number that every page carries in its margins, outside the 62
// report lines: the study title on the left and, on the right, the study's file name, the
// program with its version and the date of printing above the text (with a thin rule under
// them), "- n / N -" centred below it.
struct PageHead {
    bool shown = true;
    QString title;     // the study title (case title); also the PDF's document title
    QString fileName;  // the study's file name; empty for a study not yet saved
    QString program;   // the program's name and version; empty: not printed
    QString printDate; // the date of printing; empty: not printed
};

// Draws the pages of a print file: the same drawing for the screen, the printer and PDF.
// The text is set in a fixed-pitch Japanese font (IPAGothic) in columns: one code page 932
// byte is one column, and the columns are as wide as the widest line of the print file
// allows between the margins (the font no taller than the line pitch).  "?R1" and "?R2"
// lines are bold; figures and pictures are drawn at their lines.
class PrintPageRenderer {
public:
    explicit PrintPageRenderer(PrintDocument document);

    int pageCount() const { return static_cast<int>(pages_.size()); }
    const std::vector<PrintPage>& pages() const { return pages_; }
    const PrintDocument& document() const { return document_; }

    int columns() const { return columns_; }           // columns the font is sized for
    double columnWidthMm() const { return columnMm_; } // width of one byte column
    double fontHeightMm() const { return emMm_; }      // the font's character height

    // The head and page number of every page; shown by default, with no title and no file name.
    void setPageHead(PageHead head) { head_ = std::move(head); }
    const PageHead& pageHead() const { return head_; }

    // Paints page index (0-based) onto the A4 sheet pageRect in painter coordinates, with the
    // page head when it is shown.
    void paintPage(QPainter& painter, int index, const QRectF& pageRect) const;

    // Paints pages first..last (0-based, inclusive, clamped) onto a paged device (printer, PDF),
    // one sheet each, the A4 page fitted into the paper.  False when painting cannot start.
    bool paintPages(QPagedPaintDevice& device, int first, int last) const;

    // The text font for drawing on the painter's device, with its half-width advance measured
    // and corrected to exactly one column of pixelsPerMm.
    QFont deviceFont(const QPainter& painter, double pixelsPerMm, bool bold) const;

private:
    void paintText(QPainter& painter, const PagePlacement& placement, const QRectF& slotRect,
                   double pxPerMm) const;
    void paintRecord(QPainter& painter, const PagePlacement& placement, const QRectF& slotRect,
                     double pxPerMm) const;
    void paintNote(QPainter& painter, const QString& note, const QRectF& rect, double pxPerMm) const;
    void paintPageHead(QPainter& painter, int index, const QRectF& pageRect, double pxPerMm) const;

    PrintDocument document_;
    std::vector<PrintPage> pages_;
    int columns_ = 1;
    double columnMm_ = 0;
    double emMm_ = 0;
    PageHead head_;
};

// Every page as a PDF document (A4 portrait) in memory, titled with the page head's study title,
// else title, else the print file's name.  The same pages give the same bytes: the creation
// date Qt stamps into the document information is left out.  On failure returns false and says
// why (Japanese) in error.
bool RenderPrintPdf(const PrintPageRenderer& renderer, QByteArray& pdf, QString* error,
                    const QString& title = QString());

// Writes every page to a PDF file (A4 portrait), replacing the file only when the whole PDF is
// written (ReplaceFileContents: a pipe, device or folder is refused before drawing, a full disk
// leaves the old file as it was).  On failure returns false and says why (Japanese: the file
// and the cause) in error.  The document title as RenderPrintPdf gives it.
bool WritePrintPdf(const PrintPageRenderer& renderer, const QString& path, QString* error,
                   const QString& title = QString());

// "PDFファイルを書き込めません：PATH" and the cause of the file error code on the next line.
QString PdfWriteError(const QString& path, int fileError);

// The base text font of the pages (IPAGothic first).
QFont PrintTextFont();

// Blanks the creation date out of the document information of a PDF that QPdfWriter wrote
// (Qt stamps the time of writing and offers no way to leave it out); spaces of the same length
// keep every offset of the file.  False when there was no such date.
bool OmitPdfCreationDate(QByteArray& pdf);

} // namespace zul
