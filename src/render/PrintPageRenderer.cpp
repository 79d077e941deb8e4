#include "render/PrintPageRenderer.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "io/FileMessages.h"
#include "render/FigureDrawing.h"
#include "render/WmfPlayer.h"
#include "util/Cp932.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

constexpr double kMaxFontToLine = 0.9; // character height at most this part of the line pitch
constexpr double kReferencePixels = 200.0;
constexpr double kPreviewBoldShiftMm = 0.12;
constexpr double kSmallestNoteMm = 2.5; // character height of a note at the least

// The page head in the top margin (15 mm): characters 3 mm high (some 8.5 pt) on a baseline
// 10.5 mm from the top edge and a rule at 12 mm, well above the first report line.  The page
// number stands in the bottom margin, below the notes of the page when it has any.
constexpr double kHeadEmMm = 3.0;
constexpr double kHeadBaselineMm = 10.5;
constexpr double kHeadRuleMm = 12.0;
constexpr double kHeadRuleWidthMm = 0.15;
constexpr double kHeadGapMm = 6.0; // least room between the title and the file name
constexpr double kFootBaselineMm = 290.0;

using Geometry = PrintPageGeometry;

// Decodes code page 932 bytes; a character that does not decode becomes "?" of its width.
QString decodeLenient(std::string_view bytes) {
    return QString::fromStdString(DecodeCp932Lenient(bytes));
}

// A head text on one line: control characters (a line end from a study file) are left out.
QString oneLine(QString text) {
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text.trimmed();
}

} // namespace

QFont PrintTextFont() {
    QFont font;
    font.setFamilies(
        {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("VL Gothic")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setKerning(false);
    // Unhinted advances are exact fractions, so the columns hold also at screen resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

PrintPageRenderer::PrintPageRenderer(PrintDocument document)
    : document_(std::move(document)), pages_(LayoutPrintPages(document_)) {
    columns_ = std::max(1, WidestLineColumns(pages_));
    QFont reference = PrintTextFont();
    reference.setPixelSize(static_cast<int>(kReferencePixels));
    const double half = QFontMetricsF(reference).horizontalAdvance(QLatin1Char('0')) / kReferencePixels;
    const double advance = half > 0 ? half : 0.5;
    columnMm_ = Geometry::textWidth() / columns_;
    emMm_ = columnMm_ / advance;
    const double maxEm = Geometry::lineHeight() * kMaxFontToLine;
    if (emMm_ > maxEm) {
        emMm_ = maxEm;
        columnMm_ = emMm_ * advance;
    }
}

QFont PrintPageRenderer::deviceFont(const QPainter& painter, double pixelsPerMm, bool bold) const {
    QFont base = PrintTextFont();
    base.setBold(bold);
    QFont font = FontOfPixelHeight(base, emMm_ * pixelsPerMm, painter);
    // Measure on the device itself and scale the size so that one half-width character is
    // exactly one column.
    const double wanted = columnMm_ * pixelsPerMm;
    const double measured = QFontMetricsF(font, painter.device()).horizontalAdvance(QLatin1Char('0'));
    if (measured > 0 && std::fabs(measured - wanted) > wanted * 1e-4) {
        font.setPointSizeF(font.pointSizeF() * wanted / measured);
    }
    return font;
}

void PrintPageRenderer::paintPage(QPainter& painter, int index, const QRectF& pageRect) const {
    if (index < 0 || index >= pageCount()) {
        return;
    }
    const double pxPerMm = pageRect.width() / Geometry::kPageWidth;
    const double lineHeight = Geometry::lineHeight() * pxPerMm;
    painter.save();
    painter.setClipRect(pageRect, Qt::IntersectClip);
    for (const PagePlacement& placement : pages_[static_cast<std::size_t>(index)].placements) {
        const QRectF slotRect(pageRect.left() + Geometry::kLeft * pxPerMm,
                              pageRect.top() + Geometry::kTop * pxPerMm + placement.slot * lineHeight,
                              Geometry::textWidth() * pxPerMm, placement.span * lineHeight);
        if (placement.line.kind == PrintLine::Kind::Text) {
            paintText(painter, placement, slotRect, pxPerMm);
        } else {
            paintRecord(painter, placement, slotRect, pxPerMm);
        }
    }
    // What the page leaves out is said in the bottom margin.
    const auto& notes = pages_[static_cast<std::size_t>(index)].notes;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const QRectF noteRect(pageRect.left() + Geometry::kLeft * pxPerMm,
                              pageRect.top() + (Geometry::kTop + Geometry::textHeight()) * pxPerMm +
                                  static_cast<double>(i) * lineHeight,
                              Geometry::textWidth() * pxPerMm, lineHeight);
        paintNote(painter, notes[i], noteRect, pxPerMm);
    }
    if (head_.shown) {
        paintPageHead(painter, index, pageRect, pxPerMm);
    }
    painter.restore();
}

void PrintPageRenderer::paintPageHead(QPainter& painter, int index, const QRectF& pageRect,
                                      double pxPerMm) const {
    // The text font of the report: one font in the whole PDF keeps its bytes the same from run
    // to run (QPdfWriter writes several fonts in an order that changes between runs).
    const QFont font = FontOfPixelHeight(PrintTextFont(), kHeadEmMm * pxPerMm, painter);
    const QFontMetricsF metrics(font, painter.device());
    const double left = pageRect.left() + Geometry::kLeft * pxPerMm;
    const double width = Geometry::textWidth() * pxPerMm;
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString title = oneLine(head_.title);
    const QString file = oneLine(head_.fileName);
    // The program and the date of printing close the line on the right, whole.
    QString stamp = oneLine(head_.program);
    if (!head_.printDate.isEmpty()) {
        stamp += (stamp.isEmpty() ? QString() : QStringLiteral("  ")) + QStringLiteral("印刷 ") +
                 oneLine(head_.printDate);
    }
    if (!title.isEmpty() || !file.isEmpty() || !stamp.isEmpty()) {
        // The file name and the stamp take what the title leaves, at least half the line; the stamp
        // stays whole and the file name is shortened in its middle.
        const double baseline = pageRect.top() + kHeadBaselineMm * pxPerMm;
        const double gap = kHeadGapMm * pxPerMm;
        const double titleWidth = title.isEmpty() ? 0 : metrics.horizontalAdvance(title) + gap;
        const double rightRoom = std::max(width / 2, width - titleWidth);
        const double stampWidth = stamp.isEmpty() ? 0
                                                  : metrics.horizontalAdvance(stamp) +
                                                        metrics.horizontalAdvance(QStringLiteral("  "));
        QString fileText = metrics.elidedText(file, Qt::ElideMiddle, std::max(0.0, rightRoom - stampWidth));
        if (!stamp.isEmpty()) {
            fileText += (fileText.isEmpty() ? QString() : QStringLiteral("  ")) + stamp;
        }
        const double fileWidth = fileText.isEmpty() ? 0 : metrics.horizontalAdvance(fileText);
        const double titleRoom = width - fileWidth - (fileText.isEmpty() ? 0 : kHeadGapMm * pxPerMm);
        painter.drawText(QPointF(left, baseline), metrics.elidedText(title, Qt::ElideRight, titleRoom));
        painter.drawText(QPointF(left + width - fileWidth, baseline), fileText);
        const double rule = pageRect.top() + kHeadRuleMm * pxPerMm;
        painter.setPen(QPen(Qt::black, kHeadRuleWidthMm * pxPerMm, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(left, rule), QPointF(left + width, rule));
        painter.setPen(Qt::black);
    }
    // Below the text area and below the page's notes, whichever is lower.
    const std::size_t notes = pages_[static_cast<std::size_t>(index)].notes.size();
    const double footBaseline =
        std::max(kFootBaselineMm, Geometry::kTop + Geometry::textHeight() +
                                      static_cast<double>(notes) * Geometry::lineHeight() + kHeadEmMm);
    const QString number = QStringLiteral("- %1 / %2 -").arg(index + 1).arg(pageCount());
    painter.drawText(QPointF(left + (width - metrics.horizontalAdvance(number)) / 2,
                             pageRect.top() + footBaseline * pxPerMm),
                     number);
    painter.restore();
}

void PrintPageRenderer::paintText(QPainter& painter, const PagePlacement& placement, const QRectF& slotRect,
                                  double pxPerMm) const {
    const std::string_view bytes = placement.line.text;
    if (bytes.find_first_not_of(' ') == std::string_view::npos) {
        return;
    }
    const QFont font = deviceFont(painter, pxPerMm, placement.line.headingLevel > 0);
    const QFontMetricsF metrics(font, painter.device());
    const double column = columnMm_ * pxPerMm;
    const double baseline =
        slotRect.top() + (slotRect.height() - (metrics.ascent() + metrics.descent())) / 2 + metrics.ascent();
    painter.setFont(font);
    painter.setPen(Qt::black);
    // The print preview replays the page scaled, and its scaled text loses the emboldening of
    // a font without a bold face (IPAGothic): there a heading is struck twice, a little apart.
    std::vector<double> strikes{0.0};
    if (placement.line.headingLevel > 0 && painter.paintEngine() &&
        painter.paintEngine()->type() == QPaintEngine::Picture) {
        strikes.push_back(kPreviewBoldShiftMm * pxPerMm);
    }
    // Each run of characters between blanks is drawn at its column; a run whose characters do
    // not advance by exactly their byte count (a character from a fallback font) goes out one
    // character at a time, so that the columns hold whatever the font.
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (bytes[i] == ' ') {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < bytes.size() && bytes[end] != ' ') {
            end += Cp932CharWidth(bytes, end);
        }
        end = std::min(end, bytes.size());
        const std::string_view run = bytes.substr(i, end - i);
        const QString text = decodeLenient(run);
        const double x = slotRect.left() + static_cast<double>(i) * column;
        const double width = static_cast<double>(run.size()) * column;
        for (const double shift : strikes) {
            if (std::fabs(metrics.horizontalAdvance(text) - width) <= column * 0.05) {
                painter.drawText(QPointF(x + shift, baseline), text);
            } else {
                for (std::size_t k = 0; k < run.size();) {
                    const std::size_t n = Cp932CharWidth(run, k);
                    painter.drawText(QPointF(x + shift + static_cast<double>(k) * column, baseline),
                                     decodeLenient(run.substr(k, n)));
                    k += n;
                }
            }
        }
        i = end;
    }
}

void PrintPageRenderer::paintRecord(QPainter& painter, const PagePlacement& placement, const QRectF& slotRect,
                                    double pxPerMm) const {
    const PrintLine& line = placement.line;
    const QString path = QString::fromStdString(line.path);
    const double textRight = slotRect.right();
    double width = 0;
    double height = 0;
    QString note;
    const FigureAsset* figure = nullptr;
    const PictureAsset* picture = nullptr;
    if (line.kind == PrintLine::Kind::Figure) {
        const auto found = document_.figures.find(path);
        if (found == document_.figures.end() || !found->second.error.isEmpty()) {
            note = found == document_.figures.end() ? QStringLiteral("図を表示できません：%1").arg(path)
                                                    : found->second.error;
        } else {
            figure = &found->second;
            width = figure->index.AreaWidth;
            height = figure->index.AreaHeight;
        }
    } else {
        width = PictureWidth(line);
        height = PictureHeight(line);
        const auto found = document_.pictures.find(path);
        if (found == document_.pictures.end() || !found->second.error.isEmpty()) {
            note = found == document_.pictures.end() ? QStringLiteral("グラフを表示できません：%1").arg(path)
                                                     : found->second.error;
        } else if (!IsMetafile(found->second.data)) {
            note = QStringLiteral("グラフを表示できません（メタファイルではありません）：%1").arg(path);
        } else {
            picture = &found->second;
        }
    }
    // The area starts at the record's column and line; an area wider than the rest of the
    // line moves left, never past the left margin.
    double left = slotRect.left() + (line.column * columnMm_ + line.offsetX) * pxPerMm;
    left = std::max(slotRect.left(), std::min(left, textRight - width * pxPerMm));
    const QRectF area(left, slotRect.top() + line.offsetY * pxPerMm, width * pxPerMm, height * pxPerMm);
    if (figure) {
        DrawFigure(painter, *figure, document_.definitions, area, pxPerMm);
    } else if (picture) {
        PlayMetafile(painter, picture->data, area);
    } else if (line.kind == PrintLine::Kind::Picture) {
        painter.save();
        painter.setPen(QPen(Qt::gray, 0.2 * pxPerMm, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area);
        painter.restore();
        paintNote(painter, note, area.adjusted(2 * pxPerMm, 2 * pxPerMm, -2 * pxPerMm, 0), pxPerMm);
    } else {
        paintNote(painter, note,
                  QRectF(slotRect.left() + line.column * columnMm_ * pxPerMm, slotRect.top(),
                         slotRect.width() - line.column * columnMm_ * pxPerMm, slotRect.height()),
                  pxPerMm);
    }
}

void PrintPageRenderer::paintNote(QPainter& painter, const QString& note, const QRectF& rect,
                                  double pxPerMm) const {
    // A note stays readable when the columns of a very wide line make the text font tiny.
    const QFont font = emMm_ >= kSmallestNoteMm
                           ? deviceFont(painter, pxPerMm, false)
                           : FontOfPixelHeight(PrintTextFont(), kSmallestNoteMm * pxPerMm, painter);
    const QFontMetricsF metrics(font, painter.device());
    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(160, 0, 0));
    const QString text =
        metrics.elidedText(QStringLiteral("［%1］").arg(note), Qt::ElideMiddle, rect.width());
    const double lineHeight = Geometry::lineHeight() * pxPerMm;
    const double baseline =
        rect.top() + (lineHeight - (metrics.ascent() + metrics.descent())) / 2 + metrics.ascent();
    painter.drawText(QPointF(rect.left(), baseline), text);
    painter.restore();
}

bool PrintPageRenderer::paintPages(QPagedPaintDevice& device, int first, int last) const {
    first = std::max(0, first);
    last = std::min(pageCount() - 1, last);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF paper(0, 0, device.width(), device.height());
    // The A4 page fitted into the paper, centred (a different paper size keeps the layout).
    const double scale =
        std::min(paper.width() / Geometry::kPageWidth, paper.height() / Geometry::kPageHeight);
    QRectF page(0, 0, Geometry::kPageWidth * scale, Geometry::kPageHeight * scale);
    page.moveCenter(paper.center());
    for (int index = first; index <= last; ++index) {
        if (index > first && !device.newPage()) {
            painter.end();
            return false;
        }
        paintPage(painter, index, page);
    }
    return painter.end();
}

bool RenderPrintPdf(const PrintPageRenderer& renderer, QByteArray& pdf, QString* error,
                    const QString& title) {
    pdf.clear();
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Zul Preview"));
        QString documentTitle = oneLine(renderer.pageHead().title);
        if (documentTitle.isEmpty()) {
            documentTitle =
                title.isEmpty() ? QFileInfo(renderer.document().sourcePath).completeBaseName() : title;
        }
        writer.setTitle(documentTitle);
        painted = renderer.paintPages(writer, 0, renderer.pageCount() - 1);
    } // the writer ends the document when it goes
    buffer.close();
    OmitPdfCreationDate(pdf);
    if (!painted || pdf.isEmpty()) {
        if (error) {
            *error = QStringLiteral("PDFのページを描けませんでした。");
        }
        return false;
    }
    return true;
}

bool OmitPdfCreationDate(QByteArray& pdf) {
    // Qt writes the date as "/CreationDate (D:YYYYMMDDHHmmSS...)"; a "(" inside a string
    // (a title) is written escaped, so the pattern is found only as the key itself.
    static const QByteArray key("/CreationDate (D:");
    constexpr qsizetype kLongestDate = 32;
    const qsizetype start = pdf.indexOf(key);
    if (start < 0) {
        return false;
    }
    const qsizetype end = pdf.indexOf(')', start + key.size());
    if (end < 0 || end - start > key.size() + kLongestDate) {
        return false;
    }
    for (qsizetype i = start + key.size(); i < end; ++i) {
        const char c = pdf.at(i);
        if (!(c >= '0' && c <= '9') && c != 'Z' && c != '+' && c != '-' && c != '\'') {
            return false;
        }
    }
    pdf.replace(start, end + 1 - start, QByteArray(end + 1 - start, ' '));
    return true;
}

QString PdfWriteError(const QString& path, int fileError) {
    return QStringLiteral("PDFファイルを書き込めません：%1\n%2")
        .arg(path, QString::fromStdString(FileErrorCause(fileError)));
}

bool WritePrintPdf(const PrintPageRenderer& renderer, const QString& path, QString* error,
                   const QString& title) {
    const std::string target = QFile::encodeName(path).toStdString();
    QByteArray pdf;
    QString reason;
    // A pipe or a missing folder is refused before any page is drawn.
    int err = CheckWritableTarget(target);
    if (err == FileError::None && RenderPrintPdf(renderer, pdf, &reason, title)) {
        err = ReplaceFileContents(target, std::string_view(pdf.constData(), pdf.size()));
        if (err == FileError::None) {
            return true;
        }
    }
    if (error) {
        *error = err != FileError::None
                     ? PdfWriteError(path, err)
                     : QStringLiteral("PDFファイルを書き込めません：%1\n%2").arg(path, reason);
    }
    return false;
}

} // namespace zul
