// A print file with every kind of line as a PDF: page count and size (pdfinfo), and the text
// in its columns (pdftotext -layout at the column pitch of the pages).
#include "PrintFixtures.h"
#include "QtTestRunner.h"

#include "render/GraphData.h"
#include "render/GraphExport.h"
#include "render/PrintDocument.h"
#include "render/PrintPageRenderer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace zul;
using zul::test::FigureRecord;
using zul::test::PictureRecord;
using zul::test::PrintFolder;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromUtf8(process.readAllStandardError()));
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

GraphData graph(int number) {
    CInpJyoken c;
    c.Title = "試験";
    const std::vector<GraphTable> tables{
        {0.8, {{10.0, 812.3, 301.5, 1218.4, 452.2}, {15.0, 1190.0, 470.2, 1785.0, 705.3}}}};
    return BuildGraphData(c, tables, number);
}

// The table lines: label, then values at fixed byte columns, as a report template lays them out.
const std::vector<std::string> kTable = {
    "  ?R2(1) 地盤条件",
    "    層  土質          層厚(m)   Ｎ値      ｆi",
    "     1  砂質土          3.50    12.0    24.00",
    "     2  ﾈﾝｾｲﾄﾞ         10.25     4.5   100.00",
    "    12  礫質土(ﾚｷ)     1234.00    50.0     7.25",
};

std::string numbered(const char* prefix, int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        text += "  " + std::string(prefix) + std::to_string(i) + "\n";
    }
    return text;
}

// Byte columns of the ASCII words of a code page 932 line (after its heading mark is gone).
std::vector<std::pair<QString, int>> asciiWords(const std::string& utf8) {
    const std::string bytes = PrintFolder::cp932(utf8);
    std::vector<std::pair<QString, int>> words;
    static const QRegularExpression word(QStringLiteral("[0-9.()]+"));
    const QString latin = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    for (auto it = word.globalMatch(latin); it.hasNext();) {
        const auto m = it.next();
        // Only words standing alone (not glued to a two-byte character).
        const bool before = m.capturedStart() == 0 || latin[m.capturedStart() - 1] == QLatin1Char(' ');
        const bool after = m.capturedEnd() == latin.size() || latin[m.capturedEnd()] == QLatin1Char(' ');
        if (before && after) {
            words.emplace_back(m.captured(), static_cast<int>(m.capturedStart()));
        }
    }
    return words;
}

} // namespace

class PrintPdfTest : public QObject {
    Q_OBJECT
private slots:
    void everyKindOfLineInAPdf() {
        PrintFolder folder;
        folder.writeDefinitions();
        const QString figure = folder.writeFigure("fig");
        const QString ra01 = folder.path("RA01.WMF");
        const QString ra02 = folder.path("RA02.WMF");
        QVERIFY(SaveGraphMetafile(ra01, graph(1)));
        QVERIFY(SaveGraphMetafile(ra02, graph(3)));

        std::string text = "?R11. 計算条件\n";
        for (const std::string& line : kTable) {
            text += line + "\n";
        }
        text += FigureRecord(figure) + "\n";                   // lines 6 to 26
        text += "  図の下の行\n";                              // line 27
        text += numbered("L", 1, 40);                          // L1..L34 fill page 1, L35..L40 go over
        text += "\f?R22. 支持力検討グラフ\n";                  // page 3
        text += PictureRecord(ra01) + "\n";                    // lines 1 to 26
        text += "  地震時\n";                                  // line 27
        text += PictureRecord(ra02) + "\n";                    // lines 28 to 53
        text += numbered("X", 1, 5);                           // lines 54 to 58
        text += PictureRecord(folder.path("PA01.WMF")) + "\n"; // no room: page 4
        text += "  最後の行\n";
        folder.write("print.prn", text);

        QString error;
        auto document = LoadPrintDocument(folder.path("print.prn"), folder.folder(), &error);
        QVERIFY2(document, qPrintable(error));
        const PrintPageRenderer renderer(std::move(*document));
        QCOMPARE(renderer.pageCount(), 4);
        const QString pdf = folder.path("print.pdf");
        QVERIFY2(WritePrintPdf(renderer, pdf, &error), qPrintable(error));

        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));

        const double pitch = renderer.columnWidthMm() * 72.0 / 25.4;
        const QString layout =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                              QString::number(pitch, 'f', 4), pdf, QStringLiteral("-")});
        const QStringList pages = layout.split(QLatin1Char('\f'));
        QVERIFY2(pages.size() >= 4, qPrintable(layout));
        const QStringList first = pages[0].split(QLatin1Char('\n'));

        // Headings without their marks.
        QVERIFY(pages[0].contains(QStringLiteral("1. 計算条件")));
        QVERIFY(pages[2].contains(QStringLiteral("2. 支持力検討グラフ")));
        QVERIFY(!layout.contains(QStringLiteral("?R")));
        QVERIFY(!layout.contains(QStringLiteral("?FG")));

        // Every ASCII word of the table stands at its byte column, shifted by the same margin.
        std::optional<int> shift;
        for (std::size_t row = 1; row < kTable.size(); ++row) {
            const std::string& source = kTable[row];
            const QString label =
                QString::fromStdString(source).split(QLatin1Char(' '), Qt::SkipEmptyParts)[1];
            const auto found =
                std::find_if(first.begin(), first.end(), [&](const QString& l) { return l.contains(label); });
            QVERIFY2(found != first.end(), qPrintable(label));
            int from = 0;
            for (const auto& [word, column] : asciiWords(source)) {
                const int at = static_cast<int>(found->indexOf(word, from));
                QVERIFY2(at >= 0, qPrintable(word + QStringLiteral(" in ") + *found));
                if (!shift) {
                    shift = at - column;
                }
                QVERIFY2(
                    at - column == *shift,
                    qPrintable(
                        QStringLiteral("%1 at %2, column %3: %4").arg(word).arg(at).arg(column).arg(*found)));
                from = at + static_cast<int>(word.size());
            }
        }
        // The margin: 20 mm of columns.
        QVERIFY(shift && std::abs(*shift - static_cast<int>(PrintPageGeometry::kLeft /
                                                            renderer.columnWidthMm())) <= 1);

        // The figure's texts are drawn, the page ends with L34, L35 opens the next page.
        QVERIFY(pages[0].contains(QStringLiteral("Ｎ値")));
        QVERIFY(pages[0].contains(QStringLiteral("L34")));
        QVERIFY(!pages[0].contains(QStringLiteral("L35")));
        QCOMPARE(pages[1].split(QLatin1Char('\n'), Qt::SkipEmptyParts).first().trimmed(),
                 QStringLiteral("L35"));
        // Both graphs on page 3, with their own texts; the missing one's note on page 4.
        QVERIFY(pages[2].contains(QStringLiteral("常時許容押込み支持力")));
        QVERIFY(pages[2].contains(QStringLiteral("ﾚﾍﾞﾙ1地震時許容押込み支持力")));
        QVERIFY(pages[2].contains(QStringLiteral("φ800mm")));
        QVERIFY(pages[3].contains(QStringLiteral("グラフを表示できません")));
        QVERIFY(pages[3].contains(QStringLiteral("最後の行")));
    }

    void creationDateIsLeftOut_data() {
        QTest::addColumn<QByteArray>("pdf");
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<bool>("omitted");
        const QByteArray head("1 0 obj\n<<\n/Title (x)\n");
        QTest::newRow("as Qt writes it")
            << head + "/CreationDate (D:20261207160651Z)\n>>" << head + QByteArray(33, ' ') + "\n>>" << true;
        QTest::newRow("with an offset") << head + "/CreationDate (D:20261207160651+09'00')\n>>"
                                        << head + QByteArray(39, ' ') + "\n>>" << true;
        QTest::newRow("inside a title, escaped") << QByteArray("/Title (/CreationDate \\(D:1\\))")
                                                 << QByteArray("/Title (/CreationDate \\(D:1\\))") << false;
        QTest::newRow("no date") << head << head << false;
        QTest::newRow("not a date") << QByteArray("/CreationDate (D:tomorrow)")
                                    << QByteArray("/CreationDate (D:tomorrow)") << false;
        QTest::newRow("no end") << QByteArray("/CreationDate (D:2026") << QByteArray("/CreationDate (D:2026")
                                << false;
    }
    void creationDateIsLeftOut() {
        QFETCH(QByteArray, pdf);
        QFETCH(QByteArray, left);
        QFETCH(bool, omitted);
        QCOMPARE(OmitPdfCreationDate(pdf), omitted);
        QCOMPARE(pdf, left);
    }

    void unwritablePdfIsAnError() {
        const PrintPageRenderer renderer(BuildPrintDocument(PrintFolder::cp932("  A\n"), QString()));
        QString error;
        QVERIFY(!WritePrintPdf(renderer, QStringLiteral("/nonexistent-folder/x.pdf"), &error));
        QVERIFY(error.contains(QStringLiteral("PDFファイルを書き込めません")));
    }
};

ZUL_QTEST_MAIN(PrintPdfTest)
#include "PrintPdfTest.moc"
