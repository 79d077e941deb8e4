#include "FakeUiServices.h"
#include "QtTestRunner.h"
#include "StudyBuilders.h"

#include "calc/basCalcMain.h"
#include "io/CPrivateProfile.h"
#include "render/GraphPainter.h"
#include "ui/ScreenLaunchers.h"
#include "ui/WindowPlacement.h"
#include "ui/results/GraphChartView.h"
#include "ui/results/frmResOutRaTable.h"
#include "util/Cp932.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace zul;

namespace {

// A cast-in-place pile in two layers, studied from 10 m to 15 m in steps of 2.5 m with the
// diameters 0.8 m, (none) and 1.2 m.
ProjectDocument studyDocument() {
    ProjectDocument doc;
    doc.JibanLevel(1) = CellValue::Number(0.0);
    doc.JibanLevel(2) = CellValue::Number(-3.0);
    doc.JibanLevel(3) = CellValue::Number(0.0);
    doc.JibanLevel(4) = CellValue::Number(0.0);
    const double layers[2][8] = {{0, 5.0, 18, 9, 10, 20, 0, 1}, {1, 20.0, 20, 10, 40, 100, 5000, 0.8}};
    for (std::size_t r = 1; r <= 2; ++r) {
        for (std::size_t c = 1; c <= 8; ++c) {
            doc.JibanLayer(c, r) = CellValue::Number(layers[r - 1][c - 1]);
        }
    }
    doc.JibanCount = 2;
    doc.InpJyoken.Title = "A棟";
    doc.InpJyoken.D = 1.0;
    doc.InpJyoken.Sekou = 1;
    doc.RaTable(1) = CellValue::Number(10.0);
    doc.RaTable(2) = CellValue::Number(15.0);
    doc.RaTable(3) = CellValue::Number(2.5);
    doc.RaTable(11) = CellValue::Text("0.8");
    doc.RaTable(12) = CellValue::Number(0);
    doc.RaTable(13) = CellValue::Text("1.2");
    doc.RaTableInpFlg = true;
    return doc;
}

QByteArray cp932(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return QByteArray::fromStdString(
        EncodeCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))).value_or(""));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QStringList kFiles{QStringLiteral("RA01.WMF"), QStringLiteral("PA01.WMF"), QStringLiteral("RA02.WMF"),
                         QStringLiteral("PA02.WMF")};

} // namespace

class GraphScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    ProjectDocument doc_;
    basCalcMain calc_;
    ProgramPaths paths_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<test::FakeUiServices> ui_;

    QString metafiles() const { return dir_->filePath(QStringLiteral("data")); }
    QString ini() const { return dir_->filePath(QStringLiteral("Zul.ini")); }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        doc_ = studyDocument();
        calc_ = basCalcMain();
        QVERIFY(calc_.CalcRaTable(doc_));
        QCOMPARE(calc_.ResultCount(), 2);
        paths_.iniFile = ini().toStdString();
        paths_.metafileFolder = metafiles().toStdString();
        context_ = std::make_unique<AppContext>(AppContext{doc_, calc_, paths_});
        ui_ = std::make_unique<test::FakeUiServices>();
    }

    void cleanup() {
        ui_.reset();
        context_.reset();
        dir_.reset();
    }

    void opensOnTheFirstGraphWithItsControls() {
        frmResOutRaTable screen(*context_);
        screen.show();
        QCOMPARE(screen.windowTitle(), QStringLiteral("支持力検討ｸﾞﾗﾌ"));
        QCOMPARE(screen.graphNumber(), 1);
        auto* tabs = screen.findChild<QTabBar*>(QStringLiteral("tabDir"));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 4);
        const QStringList captions{QStringLiteral("Ｒa(常時)"), QStringLiteral("Ｐa(常時)"),
                                   QStringLiteral("Ｒa(ﾚﾍﾞﾙ1地震時)"), QStringLiteral("Ｐa(ﾚﾍﾞﾙ1地震時)")};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(tabs->tabText(i), captions[i]);
        }
        QCOMPARE(screen.findChild<QAction*>(QStringLiteral("mnuPrinter"))->text(),
                 QStringLiteral("ﾌﾟﾘﾝﾀを選択して印刷(&P)"));
        QCOMPARE(screen.findChild<QAction*>(QStringLiteral("mnuCopy"))->text(),
                 QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ(&C)"));
        // The toolbar: every command a picture with its text beside it.
        auto* toolbar = screen.findChild<QToolBar*>(QStringLiteral("tbrMenu"));
        QVERIFY(toolbar);
        QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        const QStringList texts{QStringLiteral("印刷"), QStringLiteral("ｺﾋﾟｰ"), QStringLiteral("閉じる")};
        int index = 0;
        for (const char* key : {"Print", "Copy", "Close"}) {
            auto* action = screen.findChild<QAction*>(QString::fromLatin1(key));
            QVERIFY2(action, key);
            QCOMPARE(action->text(), texts[index++]);
            QVERIFY2(!action->icon().pixmap(24, 24).isNull(), key);
            auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
            QVERIFY2(button && button->isVisible(), key);
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        }
        QCOMPARE(screen.currentGraph().header, QStringLiteral("A棟　場所打ち杭工法(支持杭)"));
        screen.close();
    }

    // N values down to 19 m, lengths 17 to 21 m for two diameters that reach below them alike:
    // one line per note under the chart, which gives up that height; the graph itself (and so
    // its print, copy and metafiles) is the same with and without notes.
    void tableNotesStandUnderTheChart() {
        {
            frmResOutRaTable plain(*context_);
            plain.show();
            QVERIFY(plain.notes().isEmpty());
            QVERIFY(!plain.findChild<QLabel*>(QStringLiteral("lblNotes"))->isVisible());
            const auto* frame = plain.findChild<QFrame*>(QStringLiteral("Frame1"));
            QCOMPARE(plain.chart()->geometry(), frame->contentsRect());
        }
        ProjectDocument doc = testdocs::DrivenPileBelowDeepestN();
        testdocs::SetTable(doc, 17.0, 21.0, 1.0, {0.4, 0.45});
        basCalcMain calc;
        QVERIFY(calc.CalcRaTable(doc));
        AppContext context{doc, calc, paths_};
        frmResOutRaTable screen(context);
        screen.show();
        screen.resize(900, 640);
        QCOMPARE(screen.notes().size(), 2);
        QCOMPARE(screen.notes()[0],
                 QStringLiteral(
                     "注意：杭径φ 0.400・0.450 m、杭長 20.0 m：杭先端（深度 20.000 m）が入力された最深のN値"
                     "（深度 19.000 m）より深く、先端支持力度の自動計算は深度 19.000 m までのN値で行われて"
                     "います。N値の入力範囲を確認して下さい。"));
        QVERIFY(screen.notes()[1].startsWith(
            QStringLiteral("注意：杭径φ 0.400・0.450 m、杭長 21.0 m：杭先端（深度 21.000 m）")));
        const auto* label = screen.findChild<QLabel*>(QStringLiteral("lblNotes"));
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), screen.notes().join(QLatin1Char('\n')));
        QVERIFY(label->height() >= 2 * label->fontMetrics().height());
        QVERIFY(screen.chart()->geometry().bottom() < label->geometry().top());
        QCOMPARE(screen.currentGraph().series.size(), std::size_t{2});
        QCOMPARE(screen.currentGraph().series[0].points.size(), std::size_t{5});
        screen.close();
    }

    void callerCaptionReplacesTheBuiltInOne() {
        frmResOutRaTable screen(*context_);
        screen.setUsrCaption(QStringLiteral("ｸﾞﾗﾌ"));
        screen.show();
        QCOMPARE(screen.windowTitle(), QStringLiteral("ｸﾞﾗﾌ"));
        screen.close();
    }

    void seriesAreTheResultsTableOnEveryTab() {
        frmResOutRaTable screen(*context_);
        const char* keys[] = {"Tab1", "Tab2", "Tab3", "Tab4"};
        for (int graph = 1; graph <= 4; ++graph) {
            screen.selectTab(QString::fromLatin1(keys[graph - 1]));
            QCOMPARE(screen.graphNumber(), graph);
            const GraphData& data = screen.currentGraph();
            QCOMPARE(data.xTitle, QString::fromUtf8(GraphKindOf(graph).valueTitle));
            QCOMPARE(data.series.size(), std::size_t{2});
            QCOMPARE(data.series[0].label, QStringLiteral("φ800mm"));
            QCOMPARE(data.series[1].label, QStringLiteral("φ1200mm"));
            for (int s = 0; s < 2; ++s) {
                const colRaTabls& rows = calc_.ResultTables(s);
                QCOMPARE(static_cast<int>(data.series[static_cast<std::size_t>(s)].points.size()),
                         rows.Count());
                QCOMPARE(rows.Count(), 3);
                for (int i = 1; i <= rows.Count(); ++i) {
                    const clsRaTable& row = *rows.Item(i);
                    const double values[] = {row.Ra, row.Pa, row.Rae, row.Pae};
                    const QPointF& p =
                        data.series[static_cast<std::size_t>(s)].points[static_cast<std::size_t>(i - 1)];
                    QCOMPARE(p.x(), values[graph - 1]);
                    QCOMPARE(p.y(), row.L);
                }
            }
        }
        // The four capacities differ, so each tab shows its own column.
        screen.selectTab(QStringLiteral("Tab1"));
        const double ra = screen.currentGraph().series[0].points[0].x();
        screen.selectTab(QStringLiteral("Tab3"));
        QVERIFY(screen.currentGraph().series[0].points[0].x() != ra);
    }

    void noUsedDiameterShowsAnEmptyChartAndStillSaves() {
        basCalcMain none;
        AppContext context{doc_, none, paths_};
        frmResOutRaTable screen(context);
        screen.show();
        QVERIFY(screen.currentGraph().series.empty());
        QVERIFY(screen.chart()->pointTextAt(QPoint(100, 100)).isEmpty());
        // The notes line under the chart says why it is empty.
        const auto* notes = screen.findChild<QLabel*>(QStringLiteral("lblNotes"));
        QVERIFY(notes->isVisible());
        QVERIFY(notes->text().startsWith(QStringLiteral("注意：杭長検討表に杭径がないため")));
        screen.close();
        QVERIFY(doc_.RaTableDone);
        for (const QString& name : kFiles) {
            QVERIFY(readFile(QDir(metafiles()).filePath(name)).startsWith("\xD7\xCD\xC6\x9A"));
        }
    }

    void reversedLengthsSayWhyNoRowWasCalculated() {
        doc_.RaTable(1) = CellValue::Number(20.0);
        doc_.RaTable(2) = CellValue::Number(10.0);
        basCalcMain calc;
        calc.CalcRaTable(doc_);
        AppContext context{doc_, calc, paths_};
        frmResOutRaTable screen(context);
        screen.show();
        const auto* notes = screen.findChild<QLabel*>(QStringLiteral("lblNotes"));
        QVERIFY(notes->isVisible());
        QVERIFY2(notes->text().contains(QStringLiteral("計算する杭長がありません")),
                 qPrintable(notes->text()));
        screen.close();
    }

    void closingSavesTheFourGraphsAndThePlacement() {
        QVERIFY(!doc_.RaTableDone);
        frmResOutRaTable screen(*context_);
        screen.show();
        screen.resize(900, 640);
        screen.findChild<QAction*>(QStringLiteral("Close"))->trigger();
        QVERIFY(!screen.isVisible());
        QVERIFY(doc_.RaTableDone);
        QCOMPARE(screen.graphNumber(), 4); // saved in the order Tab1, Tab3, Tab2, Tab4
        QVERIFY(ui_->messages.isEmpty());
        for (int i = 0; i < 4; ++i) {
            const QByteArray bytes = readFile(QDir(metafiles()).filePath(kFiles[i]));
            QVERIFY2(bytes.startsWith("\xD7\xCD\xC6\x9A"), qPrintable(kFiles[i]));
        }
        // Each file holds its own graph.
        const int graphOfFile[] = {1, 2, 3, 4};
        for (int i = 0; i < 4; ++i) {
            const QByteArray bytes = readFile(QDir(metafiles()).filePath(kFiles[i]));
            for (int g = 1; g <= 4; ++g) {
                const bool hasTitle = bytes.contains(cp932(QString::fromUtf8(GraphKindOf(g).valueTitle)));
                QCOMPARE(hasTitle, g == graphOfFile[i]);
            }
        }
        const std::string file = ini().toStdString();
        QCOMPARE(CPrivateProfile::GetValueLong(file, "ResOutRaTable", "Width"), PixelsToTwips(&screen, 900));
        QCOMPARE(CPrivateProfile::GetValueLong(file, "ResOutRaTable", "Height"), PixelsToTwips(&screen, 640));
        QVERIFY(!CPrivateProfile::GetValueString(file, "ResOutRaTable", "Top").empty());
    }

    void placementIsRestored() {
        const std::string file = ini().toStdString();
        CPrivateProfile::SetValueString(file, "ResOutRaTable", "Width", "11000");
        CPrivateProfile::SetValueString(file, "ResOutRaTable", "Height", "7500");
        CPrivateProfile::SetValueString(file, "ResOutRaTable", "Top", "600");
        CPrivateProfile::SetValueString(file, "ResOutRaTable", "Left", "900");
        frmResOutRaTable screen(*context_);
        screen.show();
        QCOMPARE(screen.width(), TwipsToPixels(&screen, 11000));
        QCOMPARE(screen.height(), TwipsToPixels(&screen, 7500));
        // The chart fills what the tab strip leaves.
        QVERIFY(screen.chart()->width() > screen.width() - 60);
        QVERIFY(screen.chart()->height() > screen.height() / 2);
        screen.close();
    }

    void failedSaveIsReportedAndKeepsTheGraphReportOff() {
        QFile blocker(metafiles()); // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        doc_.RaTableDone = true; // files of an earlier run no longer match the results
        frmResOutRaTable screen(*context_);
        screen.show();
        screen.close();
        QVERIFY(!screen.isVisible());
        QVERIFY(!doc_.RaTableDone);
        QVERIFY(!screen.metafilesSaved());
        QCOMPARE(ui_->messages.size(), 1);
        QVERIFY(ui_->messages[0].text.startsWith(QStringLiteral("ｸﾞﾗﾌﾌｧｲﾙを保存できませんでした。")));
        QCOMPARE(ui_->messages[0].icon, MessageIcon::Critical);
        QCOMPARE(CPrivateProfile::GetValueLong(ini().toStdString(), "ResOutRaTable", "Width"),
                 PixelsToTwips(&screen, screen.width()));
    }

    void printGoesToTheChosenPrinterOrPdf() {
        const QString pdf = dir_->filePath(QStringLiteral("graph.pdf"));
        frmResOutRaTable screen(*context_);
        int asked = 0;
        screen.setPrinterChooser([&](QPrinter& printer, QWidget*) {
            ++asked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return asked == 1; // the second time the user cancels
        });
        screen.selectTab(QStringLiteral("Tab2"));
        screen.findChild<QAction*>(QStringLiteral("mnuPrinter"))->trigger();
        QVERIFY(readFile(pdf).startsWith("%PDF"));
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (!pdftotext.isEmpty()) {
            QProcess process;
            process.start(pdftotext, {pdf, QStringLiteral("-")});
            QVERIFY(process.waitForFinished(30000));
            const QString text = QString::fromUtf8(process.readAllStandardOutput()).remove(QLatin1Char(' '));
            QVERIFY2(text.contains(QStringLiteral("常時許容引抜き力")), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("φ1200mm")));
        }
        QFile::remove(pdf);
        screen.findChild<QAction*>(QStringLiteral("Print"))->trigger();
        QCOMPARE(asked, 2);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(ui_->messages.isEmpty());
    }

    void copyPutsPictureSvgAndMetafileOnTheClipboard() {
        frmResOutRaTable screen(*context_);
        screen.selectTab(QStringLiteral("Tab3"));
        QApplication::clipboard()->clear();
        screen.findChild<QAction*>(QStringLiteral("Copy"))->trigger();
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime);
        QVERIFY(mime->hasImage());
        const QImage image = qvariant_cast<QImage>(mime->imageData());
        QVERIFY(image.width() > 600 && image.height() > 400);
        const QByteArray svg = mime->data(QStringLiteral("image/svg+xml"));
        QVERIFY(svg.contains("<svg"));
        QVERIFY(svg.contains(QStringLiteral("地震時").toUtf8()));
        QVERIFY(mime->data(QStringLiteral("image/x-wmf")).startsWith("\xD7\xCD\xC6\x9A"));
    }

    void hoverTellsThePointUnderTheMouse() {
        frmResOutRaTable screen(*context_);
        screen.show();
        GraphChartView* chart = screen.chart();
        const GraphData& data = screen.currentGraph();
        const GraphLayout layout = LayoutGraph(QRectF(chart->rect()), data);
        const QPointF value = data.series[1].points[2];
        const QString text = chart->pointTextAt(layout.map(value).toPoint());
        QVERIFY2(text.startsWith(QStringLiteral("φ1200mm")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("15")));
        QVERIFY(text.contains(QString::number(value.x(), 'g', 15)));
        QVERIFY(chart->pointTextAt(QPoint(2, 2)).isEmpty());
        screen.close();
    }

    void resizeLayoutKeepsMarginsAndNeverGoesBelowOne() {
        const GraphScreenLayout layout = ComputeGraphScreenLayout(12000, 9000, 800, 300);
        QCOMPARE(layout.tabWidth, 11760);
        QCOMPARE(layout.tabHeight, 7900);
        QCOMPARE(layout.frameWidth, 11520);
        QCOMPARE(layout.frameHeight, 7420);
        const GraphScreenLayout tiny = ComputeGraphScreenLayout(300, 900, 800, 300);
        QCOMPARE(tiny.tabWidth, 60);
        QCOMPARE(tiny.tabHeight, 1);
        QCOMPARE(tiny.frameWidth, 1);
        QCOMPARE(tiny.frameHeight, 1);
    }

    void launcherShowsTheScreenModally() {
        QTimer::singleShot(0, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* screen = qobject_cast<frmResOutRaTable*>(w); screen && screen->isVisible()) {
                    screen->close();
                }
            }
        });
        ShowGraphScreen(*context_, nullptr);
        QVERIFY(doc_.RaTableDone);
        QVERIFY(QFile::exists(QDir(metafiles()).filePath(QStringLiteral("PA02.WMF"))));
    }
};

ZUL_QTEST_MAIN(GraphScreenTest)
#include "GraphScreenTest.moc"
