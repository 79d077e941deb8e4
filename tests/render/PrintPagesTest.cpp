// Print files into pages: lines and records, page breaking, fonts, figures and the files a
// print file names.
#include "PrintFixtures.h"
#include "QtTestRunner.h"

#include "render/PrintDocument.h"
#include "render/PrintPageLayout.h"
#include "render/PrintPageRenderer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace zul;
using zul::test::FigureRecord;
using zul::test::PictureRecord;
using zul::test::PrintFolder;

namespace {

std::string numberedLines(int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        text += "  L" + std::to_string(i) + "\n";
    }
    return text;
}

// The pages in short: pages separated by " | ", placements by ",", each "slot:what" where
// what is the trimmed text, "FG" or "BM".
QString summary(const std::vector<PrintPage>& pages) {
    QStringList out;
    for (const PrintPage& page : pages) {
        QStringList items;
        for (const PagePlacement& p : page.placements) {
            QString what = p.line.kind == PrintLine::Kind::Figure ? QStringLiteral("FG")
                           : p.line.kind == PrintLine::Kind::Picture
                               ? QStringLiteral("BM")
                               : QString::fromStdString(*DecodeCp932(p.line.text)).trimmed();
            items << QStringLiteral("%1:%2").arg(p.slot).arg(what);
        }
        out << items.join(QLatin1Char(','));
    }
    return out.join(QStringLiteral(" | "));
}

// Only the first and last placement of every page, for long pages.
QString ends(const std::vector<PrintPage>& pages) {
    QStringList out;
    for (const PrintPage& page : pages) {
        std::vector<PrintPage> one(1);
        if (!page.placements.empty()) {
            one[0].placements.push_back(page.placements.front());
            if (page.placements.size() > 1) {
                one[0].placements.push_back(page.placements.back());
            }
        }
        out << summary(one);
    }
    return out.join(QStringLiteral(" | "));
}

int darkPixels(const QImage& image, const QRect& rect) {
    int count = 0;
    for (int y = std::max(0, rect.top()); y <= std::min(image.height() - 1, rect.bottom()); ++y) {
        for (int x = std::max(0, rect.left()); x <= std::min(image.width() - 1, rect.right()); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++count;
            }
        }
    }
    return count;
}

QImage renderPage(const PrintPageRenderer& renderer, int page, double pxPerMm = 4.0) {
    QImage image(static_cast<int>(210 * pxPerMm), static_cast<int>(297 * pxPerMm), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.paintPage(painter, page, QRectF(0, 0, image.width(), image.height()));
    painter.end();
    return image;
}

// The rectangle of page slots first..first+count-1 over the text width, in image pixels.
QRect slotRect(int first, int count, double pxPerMm = 4.0) {
    const double top = (PrintPageGeometry::kTop + first * PrintPageGeometry::lineHeight()) * pxPerMm;
    return QRectF(PrintPageGeometry::kLeft * pxPerMm, top, PrintPageGeometry::textWidth() * pxPerMm,
                  count * PrintPageGeometry::lineHeight() * pxPerMm)
        .toRect();
}

} // namespace

class PrintPagesTest : public QObject {
    Q_OBJECT
private slots:
    void linesAndRecordsAreRead_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("heading");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("path");
        QTest::newRow("body") << "    杭径  D = 0.800" << 0 << 0 << "    杭径  D = 0.800" << 0 << "";
        QTest::newRow("level 1 heading") << "?R11. 計算条件" << 0 << 1 << "1. 計算条件" << 0 << "";
        QTest::newRow("level 2 heading after margin") << "  ?R21-1 杭" << 0 << 2 << "  1-1 杭" << 0 << "";
        QTest::newRow("mark not after the margin") << "  a?R1" << 0 << 0 << "  a?R1" << 0 << "";
        QTest::newRow("figure") << "  "
                                   "   　　?FG;000;000;/tmp/図/~PS1.tmp"
                                << 1 << 0 << "" << 9 << "/tmp/図/~PS1.tmp";
        QTest::newRow("picture") << "    ?BM;000;000;160;110;/opt/zul/RA01.WMF" << 2 << 0 << "" << 4
                                 << "/opt/zul/RA01.WMF";
        QTest::newRow("record with bad numbers is text")
            << "  ?BM;0x0;000;160;110;/a" << 0 << 0 << "  ?BM;0x0;000;160;110;/a" << 0 << "";
        QTest::newRow("record after text is text")
            << "  x ?FG;000;000;/a" << 0 << 0 << "  x ?FG;000;000;/a" << 0 << "";
    }
    void linesAndRecordsAreRead() {
        QFETCH(QString, line);
        QFETCH(int, kind);
        QFETCH(int, heading);
        QFETCH(QString, text);
        QFETCH(int, column);
        QFETCH(QString, path);
        const PrintLine parsed = ParsePrintLine(PrintFolder::cp932(line.toStdString()));
        QCOMPARE(static_cast<int>(parsed.kind), kind);
        QCOMPARE(parsed.headingLevel, heading);
        if (kind == 0) {
            QCOMPARE(parsed.text, PrintFolder::cp932(text.toStdString()));
        } else {
            QCOMPARE(parsed.column, column);
            QCOMPARE(QString::fromStdString(parsed.path), path);
        }
    }

    void pagesBreakAtFormFeedsAndFullPages_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pages");
        QTest::newRow("empty file is one empty page") << ""
                                                      << "";
        QTest::newRow("form feed then next line directly") << "  A\n\f  B\n"
                                                           << "0:A | 0:B";
        QTest::newRow("form feed at file start makes no blank page") << "\f  A\n"
                                                                     << "0:A";
        QTest::newRow("two form feeds make no blank page") << "  A\n\f\f  B\n"
                                                           << "0:A | 0:B";
        QTest::newRow("form feed at the end makes no page") << "  A\n\f"
                                                            << "0:A";
        QTest::newRow("joined item ending in a form feed") << "  A\n\f\n\f  B\n"
                                                           << "0:A | 0:B";
        QTest::newRow("blank lines count") << "\n\n  A\n"
                                           << "0:,1:,2:A";
        QTest::newRow("form feed inside a line") << "  A\f  B\n"
                                                 << "0:A | 0:B";
        QTest::newRow("bare CR and LF end lines too") << "  A\r  B\n  C"
                                                      << "0:A,1:B,2:C";
    }
    void pagesBreakAtFormFeedsAndFullPages() {
        QFETCH(QString, text);
        QFETCH(QString, pages);
        const PrintDocument document = BuildPrintDocument(PrintFolder::cp932(text.toStdString()), QString());
        QCOMPARE(summary(LayoutPrintPages(document)), pages);
    }

    void fullPagesContinueOnTheNext() {
        const auto layout = [](const std::string& text) {
            return ends(LayoutPrintPages(BuildPrintDocument(PrintFolder::cp932(text), QString())));
        };
        QCOMPARE(layout(numberedLines(1, 62)), QStringLiteral("0:L1,61:L62"));
        QCOMPARE(layout(numberedLines(1, 63)), QStringLiteral("0:L1,61:L62 | 0:L63"));
        QCOMPARE(layout(numberedLines(1, 130)),
                 QStringLiteral("0:L1,61:L62 | 0:L63,61:L124 | 0:L125,5:L130"));
        // 62 lines and a form feed: the form feed starts the second page, no blank page between.
        QCOMPARE(layout(numberedLines(1, 62) + "\f" + numberedLines(63, 63)),
                 QStringLiteral("0:L1,61:L62 | 0:L63"));
    }

    void recordsTakeTheirHeightAndMoveWholeToTheNextPage() {
        PrintFolder folder;
        folder.writeDefinitions();
        const QString figure = folder.writeFigure("fig");          // 90 mm: 21 lines
        const QString small = folder.writeFigure("small", 80, 55); // 55 mm: 13 lines
        const int figureLines = static_cast<int>(std::ceil(90 / PrintPageGeometry::lineHeight()));
        const int pictureLines = static_cast<int>(std::ceil(110 / PrintPageGeometry::lineHeight()));
        QCOMPARE(figureLines, 21);
        QCOMPARE(pictureLines, 26);
        const auto layout = [&](const std::string& text) {
            return ends(LayoutPrintPages(BuildPrintDocument(PrintFolder::cp932(text), folder.folder())));
        };
        const std::string fig = FigureRecord(figure) + "\n";
        const std::string pic = PictureRecord(folder.path("none.wmf")) + "\n";
        // A figure that still fits ends the page exactly; the next line goes over.
        QCOMPARE(layout(numberedLines(1, 41) + fig + "  X\n"), QStringLiteral("0:L1,41:FG | 0:X"));
        // One line more and the figure goes whole to the next page.
        QCOMPARE(layout(numberedLines(1, 42) + fig + "  X\n"), QStringLiteral("0:L1,41:L42 | 0:FG,21:X"));
        QCOMPARE(layout(numberedLines(1, 37) + pic + "  X\n"), QStringLiteral("0:L1,36:L37 | 0:BM,26:X"));
        QCOMPARE(layout(numberedLines(1, 36) + pic + "  X\n"), QStringLiteral("0:L1,36:BM | 0:X"));
        QCOMPARE(layout(FigureRecord(small) + "\n  X\n"), QStringLiteral("0:FG,13:X"));
        // A figure whose files are missing takes one line: its note.
        QCOMPARE(layout(numberedLines(1, 61) + FigureRecord(folder.path("gone.idx")) + "\n"),
                 QStringLiteral("0:L1,61:FG"));
        // The graph report: two pictures with their captions fit on one page.
        QCOMPARE(layout("?R1支持力検討グラフ\n\n?R2押込み\n\n  常時\n" + pic + "\n\n  地震時\n" + pic),
                 QStringLiteral("0:支持力検討グラフ,34:BM"));
    }

    void definitionFilesAreReadWithBuiltInRowsWhenMissing() {
        PrintFolder folder;
        folder.write("LINE_PRN.DEF", "線種定義,線種,線幅\n細,0,18\n太い破線,1,50\nEND\n");
        folder.write("STR_PRN.DEF",
                     "文字種定義,太さ,書体,文字高,字間,色,予備\n大,700,IPAGothic,300,20,255,0\nEND\n");
        PrintDocument document = BuildPrintDocument("", folder.folder());
        QCOMPARE(document.definitions.lines.size(), std::size_t{2});
        QCOMPARE(document.definitions.line(2).style, 1);
        QCOMPARE(document.definitions.line(2).widthHundredths, 50);
        QCOMPARE(document.definitions.line(9).widthHundredths, 18); // outside the table: row 1
        QCOMPARE(document.definitions.text(1).sizeTwips, 300);
        QCOMPARE(document.definitions.text(1).weight, 700);
        QCOMPARE(ColourOfBgr(document.definitions.text(1).colour), QColor(255, 0, 0));
        QVERIFY(document.notes.empty());

        PrintFolder empty;
        document = BuildPrintDocument("", empty.folder());
        QCOMPARE(document.definitions.lines.size(), std::size_t{5});
        QCOMPARE(document.definitions.text(2).sizeTwips, 140);
        QCOMPARE(document.notes.size(), std::size_t{2});
    }

    void widestLineFitsBetweenTheMargins_data() {
        QTest::addColumn<int>("columns");
        QTest::newRow("narrow report: font as tall as the line allows") << 40;
        QTest::newRow("report of 96 columns") << 96;
        QTest::newRow("wide report") << 150;
    }
    void widestLineFitsBetweenTheMargins() {
        QFETCH(int, columns);
        // The widest line is full-width characters with one half-width character at its end.
        std::string wide;
        for (int i = 0; i < (columns - 1) / 2; ++i) {
            wide += "計";
        }
        wide += std::string(static_cast<std::size_t>(columns - 1) % 2 + 1, '9');
        const PrintPageRenderer renderer(
            BuildPrintDocument(PrintFolder::cp932("  A\n" + wide + "\n"), QString()));
        QCOMPARE(renderer.columns(), columns);
        QVERIFY(renderer.fontHeightMm() <= PrintPageGeometry::lineHeight());
        QVERIFY(renderer.columns() * renderer.columnWidthMm() <= PrintPageGeometry::textWidth() + 1e-9);

        // Measured on a device: one half-width character is one column, and the widest
        // line ends inside the right margin.
        for (const double pxPerMm : {3.78, 47.24}) {
            QImage image(10, 10, QImage::Format_RGB32);
            image.setDotsPerMeterX(static_cast<int>(pxPerMm * 1000));
            image.setDotsPerMeterY(static_cast<int>(pxPerMm * 1000));
            QPainter painter(&image);
            const QFont font = renderer.deviceFont(painter, pxPerMm, false);
            const QFontMetricsF metrics(font, &image);
            const double column = renderer.columnWidthMm() * pxPerMm;
            // At screen resolution the font engine rounds advances to whole pixels.
            QVERIFY2(
                std::fabs(metrics.horizontalAdvance(QLatin1Char('0')) - column) <=
                    std::max(column * 0.01, 0.5),
                qPrintable(
                    QStringLiteral("%1 %2").arg(metrics.horizontalAdvance(QLatin1Char('0'))).arg(column)));
            QVERIFY(metrics.horizontalAdvance(QString::fromStdString(wide)) <=
                    PrintPageGeometry::textWidth() * pxPerMm * 1.005);
        }
    }

    void headingsAreBoldAndTheirMarksNotPrinted() {
        const PrintPageRenderer heading(BuildPrintDocument(PrintFolder::cp932("?R1ABC\n"), QString()));
        const PrintPageRenderer body(BuildPrintDocument(PrintFolder::cp932("ABC\n"), QString()));
        const QImage a = renderPage(heading, 0);
        const QImage b = renderPage(body, 0);
        // Same columns, so the same width of text; the bold line is darker.
        QVERIFY(darkPixels(a, slotRect(0, 1)) > darkPixels(b, slotRect(0, 1)) * 1.15);
        QCOMPARE(heading.columns(), 3);
    }

    void everyPartIsDrawnFromMemoryAfterTheFilesAreGone() {
        PrintFolder folder;
        folder.writeDefinitions();
        const QString figure = folder.writeFigure("fig");
        const std::string text = "?R1図\n" + FigureRecord(figure) + "\n  後\n";
        QString error;
        folder.write("print.prn", text);
        auto document = LoadPrintDocument(folder.path("print.prn"), folder.folder(), &error);
        QVERIFY2(document, qPrintable(error));
        for (const QString& name : QDir(folder.folder()).entryList(QDir::Files)) {
            QVERIFY(QFile::remove(folder.path(name)));
        }
        const PrintPageRenderer renderer(std::move(*document));
        const QImage page = renderPage(renderer, 0);
        // The figure's frame of 60 x 40 mm is centred in the 100 x 90 mm area below line 1.
        const double px = 4.0;
        const double left = (PrintPageGeometry::kLeft + 9 * renderer.columnWidthMm() + 20) * px;
        const double top = (PrintPageGeometry::kTop + PrintPageGeometry::lineHeight() + 25) * px;
        QVERIFY(darkPixels(page, QRectF(left - 2, top - 2, 4, 40 * px + 4).toRect()) > 100); // left edge
        QVERIFY(darkPixels(page, QRectF(left + 60 * px - 2, top - 2, 4, 40 * px + 4).toRect()) > 100);
        // Nothing beyond the area.
        QCOMPARE(darkPixels(page, QRectF(left + 85 * px, top - 25 * px, 10 * px, 90 * px).toRect()), 0);
        // The line after the figure is on line 1 + 21.
        QVERIFY(darkPixels(page, slotRect(22, 1)) > 0);
    }

    void hostileNumbersAreRefusedNotDrawn() {
        PrintFolder folder;
        folder.write("LINE_PRN.DEF", "h\n細,0,18\nEND\n");
        folder.write("STR_PRN.DEF", "h\n巨大,400,IPAGothic,2000000000,2000000000,0,0\nEND\n");
        const QString data =
            folder.write("far.fig", "t\ns\n0, 0, 0, 0, 0, 0\n座標情報\n 1, 1e300, 0\n 2, 0, 0\n"
                                    " 3, 10, 10\nEND\n線分情報\n 1, 1, 2, 1\n 2, 2, 3, 1\nEND\n"
                                    "円情報\n 1, 2, 1e200, 1\nEND\n"
                                    "円弧情報\n 1, 0, 0, 5, 0, 1e308, 1\nEND\n"
                                    "文字情報\n大\n 5, 5, 1, 3\nEND\n");
        folder.write("far.idx", "t\n 100 50\n" + data.toStdString() + "\n 0 0\nEND\n");
        folder.write("huge.idx", "t\n 1e300 1e300\nEND\n");
        const std::string text =
            FigureRecord(folder.path("far.idx")) + "\n" + FigureRecord(folder.path("huge.idx")) +
            "\n  ?BM;nan;000;160;110;/x.wmf\n  ?BM;000;1e308;160;110;/x.wmf\n  ?BM;000;000;inf;110;/x\n";
        const PrintPageRenderer renderer(BuildPrintDocument(PrintFolder::cp932(text), folder.folder()));
        // The far figure takes its 50 mm; the huge area is refused (a note line); the pictures
        // with impossible numbers are text lines.
        QCOMPARE(summary(renderer.pages()),
                 QStringLiteral("0:FG,12:FG,13:?BM;nan;000;160;110;/x.wmf,"
                                "14:?BM;000;1e308;160;110;/x.wmf,15:?BM;000;000;inf;110;/x"));
        QVERIFY(!renderer.document().figures.at(folder.path("huge.idx")).error.isEmpty());
        const QImage page = renderPage(renderer, 0);
        // Only the short line from point 2 to point 3 of the far figure is drawn, no circle, no arc.
        QVERIFY(darkPixels(page, slotRect(0, 12)) > 0);
        QVERIFY(darkPixels(page, slotRect(0, 12)) < 400);
    }

    void missingOrBrokenFilesShowANoteInTheirPlace() {
        PrintFolder folder;
        folder.writeDefinitions();
        folder.write("broken.idx",
                     "題\n 100 90\n" + folder.path("nothere.fig").toStdString() + "\n 0 0\nEND\n");
        folder.writeBytes("notwmf.wmf", "this is not a metafile");
        const std::string text =
            FigureRecord(folder.path("gone.idx")) + "\n" + FigureRecord(folder.path("broken.idx")) + "\n" +
            PictureRecord(folder.path("gone.wmf")) + "\n" + PictureRecord(folder.path("notwmf.wmf")) + "\n";
        const PrintPageRenderer renderer(BuildPrintDocument(PrintFolder::cp932(text), folder.folder()));
        const auto& figures = renderer.document().figures;
        QVERIFY(figures.at(folder.path("gone.idx")).error.contains(QStringLiteral("ファイルがありません")));
        QVERIFY(figures.at(folder.path("broken.idx")).error.contains(folder.path("nothere.fig")));
        QVERIFY(
            renderer.document().pictures.at(folder.path("gone.wmf")).error.contains(folder.path("gone.wmf")));
        QCOMPARE(renderer.pageCount(), 1); // 1 + 1 + 26 + 26 lines
        const QImage page = renderPage(renderer, 0);
        QVERIFY(darkPixels(page, slotRect(0, 1)) > 0); // the notes of both figures
        QVERIFY(darkPixels(page, slotRect(1, 1)) > 0);
        QVERIFY(darkPixels(page, slotRect(2, 1)) > 0);  // the note of the missing graph
        QVERIFY(darkPixels(page, slotRect(28, 1)) > 0); // the note of the file that is no metafile
        QCOMPARE(darkPixels(page, slotRect(4, 22)), 0);
    }

    // A print file beyond the bounds is cut with a note on its page and in the problems (a 10 MB
    // line took 48 s and 2.2 GB, a million form feeds 11 GB).
    // The head and the page number add ink only in the margins: the head between the side
    // margins above the report lines (a long title cut short before the file name), the number
    // below the lines and below the page's notes.
    void pageHeadStaysInTheMargins_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("notes");
        const QByteArray full = PrintFolder::cp932("  ■" + std::string(170, 'W') + "\n").c_str();
        QTest::newRow("title and file") << full.repeated(62) << QStringLiteral("杭の検討") << "a.zul" << 0;
        QTest::newRow("long title and file") << full.repeated(62) << QString(120, QChar(0x676D))
                                             << QString(150, QLatin1Char('f')) + ".zul" << 0;
        QTest::newRow("number only") << full.repeated(62) << QString() << QString() << 0;
        QTest::newRow("a note above the number") << full.repeated(61) + QByteArray(5000, 'A') + "\n"
                                                 << QStringLiteral("杭") << "a.zul" << 1;
    }
    void pageHeadStaysInTheMargins() {
        QFETCH(QByteArray, text);
        QFETCH(QString, title);
        QFETCH(QString, file);
        QFETCH(int, notes);
        PrintPageRenderer renderer(BuildPrintDocument(text.toStdString(), QString()));
        QCOMPARE(renderer.pageCount(), 1);
        QCOMPARE(static_cast<int>(renderer.pages()[0].notes.size()), notes);
        renderer.setPageHead({false, title, file, {}, {}});
        const QImage plain = renderPage(renderer, 0);
        renderer.setPageHead({true, title, file, {}, {}});
        const QImage headed = renderPage(renderer, 0);
        const QRect lines = slotRect(0, PrintPageGeometry::kLinesPerPage + notes);
        const int right = static_cast<int>((PrintPageGeometry::kPageWidth - PrintPageGeometry::kRight) * 4.0);
        const int left = static_cast<int>(PrintPageGeometry::kLeft * 4.0);
        int inLines = 0, above = 0, beside = 0, below = 0;
        for (int y = 0; y < headed.height(); ++y) {
            for (int x = 0; x < headed.width(); ++x) {
                if (headed.pixel(x, y) == plain.pixel(x, y)) {
                    continue;
                }
                if (y < lines.top()) {
                    ++above;
                    beside += x < left - 1 || x > right + 1 ? 1 : 0;
                } else if (y > lines.bottom()) {
                    ++below;
                } else {
                    ++inLines;
                }
            }
        }
        QCOMPARE(inLines, 0);
        QCOMPARE(beside, 0);
        QCOMPARE(above > 0, !title.isEmpty() || !file.isEmpty());
        QVERIFY(below > 0);
        QVERIFY(darkPixels(plain, lines) > 0); // the report lines are there to be kept clear of
    }

    void printFilesBeyondTheBoundsAreCutWithANote_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("longestLine");
        QTest::addColumn<QString>("note");
        const QByteArray longLine = "  " + QByteArray(20000, 'A') + "\r\n";
        QTest::newRow("real report") << QByteArray("  A\r\n\f  B\r\n") << 2 << 3 << QString();
        QTest::newRow("long line") << "  A\r\n" + longLine << 1 << 4096
                                   << QStringLiteral(
                                          "印刷ファイルの 2 行目が長すぎます（4096 バイトまでを表示します）");
        // A two-byte character across the bound is left out whole.
        QTest::newRow("long line, character at the bound")
            << QByteArray(4095, 'A') + QByteArray("\x8a\xbf\x8a\xbf") << 1 << 4095
            << QStringLiteral("印刷ファイルの 1 行目が長すぎます（4096 バイトまでを表示します）");
        QTest::newRow("long record is text")
            << "  ?BM;000;000;160;110;/" + QByteArray(5000, 'a') << 1 << 4096
            << QStringLiteral("印刷ファイルの 1 行目が長すぎます（4096 バイトまでを表示します）");
        QTest::newRow("form feeds") << QByteArray("A\f").repeated(1500) << 1000 << 1
                                    << QStringLiteral("ページが多すぎます（1000 ページまでを表示します）");
        QTest::newRow("form feed lines")
            << QByteArray("A\r\n\f").repeated(1500) << 1000 << 1
            << QStringLiteral("ページが多すぎます（1000 ページまでを表示します）");
        QTest::newRow("text") << ("  " + QByteArray(4000, 'B') + "\r\n").repeated(300) << 5 << 4002
                              << QStringLiteral("印刷する文字が多すぎます（1 MB までを表示します）");
        QTest::newRow("lines") << QByteArray("\f\r\n").repeated(130000) << 1 << 0
                               << QStringLiteral(
                                      "印刷ファイルの行が多すぎます（124000 行目までを表示します）");
    }

    void printFilesBeyondTheBoundsAreCutWithANote() {
        QFETCH(QByteArray, text);
        QFETCH(int, pages);
        QFETCH(int, longestLine);
        QFETCH(QString, note);
        PrintFolder folder;
        folder.writeDefinitions();
        const PrintDocument document = BuildPrintDocument(text.toStdString(), folder.folder());
        const std::vector<QString> problems = DocumentProblems(document);
        QCOMPARE(problems.size(), note.isEmpty() ? std::size_t{0} : std::size_t{1});
        if (!note.isEmpty()) {
            QCOMPARE(problems.front(), note);
        }
        const PrintPageRenderer renderer(document);
        QCOMPARE(renderer.pageCount(), std::min(pages, kMaxPrintPages));
        int longest = 0;
        for (const PrintPage& page : renderer.pages()) {
            for (const PagePlacement& placement : page.placements) {
                QCOMPARE(placement.line.kind, PrintLine::Kind::Text);
                longest = std::max(longest, static_cast<int>(placement.line.text.size()));
            }
        }
        QCOMPARE(longest, longestLine);
        // The note stands in the bottom margin of its page.
        const int notePage =
            note.startsWith(QStringLiteral("ページ")) || note.startsWith(QStringLiteral("印刷する"))
                ? renderer.pageCount() - 1
                : 0;
        const QImage page = renderPage(renderer, notePage);
        QCOMPARE(darkPixels(page, slotRect(PrintPageGeometry::kLinesPerPage, 1)) > 0,
                 !note.isEmpty() && !note.contains(QStringLiteral("行が多すぎます")));
    }

    // Every file a print file names counts against one budget, the definition files too, and
    // each kind of file has its own largest size.
    void referencedFilesShareOneBudget() {
        PrintFolder folder;
        folder.writeDefinitions();
        const QString index = folder.writeFigure("fig");
        const qint64 definitions = QFileInfo(folder.path("LINE_PRN.DEF")).size();
        const qint64 indexBytes = QFileInfo(index).size();
        const std::string text = PrintFolder::cp932(FigureRecord(index) + "\n");
        PrintInputLimits limits;
        limits.referencedBytes = definitions - 1;
        PrintDocument document = BuildPrintDocument(text, folder.folder(), limits);
        QCOMPARE(document.definitions.lines.size(), DefaultLineDefinitions().size());
        QCOMPARE(document.notes.front(),
                 QStringLiteral("線種定義を読めません：%1").arg(folder.path("LINE_PRN.DEF")));

        limits.referencedBytes = definitions + QFileInfo(folder.path("STR_PRN.DEF")).size() + indexBytes;
        document = BuildPrintDocument(text, folder.folder(), limits);
        QVERIFY(document.notes.empty());
        QVERIFY2(document.figures.at(index).error.startsWith(
                     QStringLiteral("図を表示できません（参照するファイルが合わせて大きすぎます）")),
                 qPrintable(document.figures.at(index).error));

        limits = PrintInputLimits{};
        limits.figureFileBytes = indexBytes - 1;
        document = BuildPrintDocument(text, folder.folder(), limits);
        QCOMPARE(document.figures.at(index).error,
                 QStringLiteral("図を表示できません（ファイルが大きすぎます）：%1").arg(index));
    }

    // A file is read into a buffer of its own size, not of the largest size allowed (each read
    // reserved 64 MB); a folder is no file.
    void filesAreReadIntoBuffersOfTheirOwnSize() {
        PrintFolder folder;
        const QString path = folder.writeBytes("small.prn", "  A\r\n");
        QString error;
        const auto bytes = ReadPreviewFile(path, &error);
        QVERIFY(bytes);
        QCOMPARE(*bytes, QByteArray("  A\r\n"));
        QVERIFY2(bytes->capacity() < 1024, qPrintable(QString::number(bytes->capacity())));
        QVERIFY(!ReadPreviewFile(folder.folder(), &error));
        QCOMPARE(error, QStringLiteral("ファイルではありません"));
        QVERIFY(!ReadPreviewFile(path, &error, 4));
        QCOMPARE(error, QStringLiteral("ファイルが大きすぎます"));
    }
};

ZUL_QTEST_MAIN(PrintPagesTest)
#include "PrintPagesTest.moc"
