// The Preview program: its command line, its window through the real widgets, and the
// program itself writing a PDF without a display.
#include "../render/PrintFixtures.h"
#include "FakeUiServices.h"
#include "QtTestRunner.h"

#include "io/CPrivateProfile.h"
#include "preview/PreviewCommandLine.h"
#include "preview/PreviewPlacement.h"
#include "preview/PreviewWindow.h"
#include "render/WmfPaintDevice.h"
#include "util/CSystem.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <sys/stat.h>

using namespace zul;
using zul::test::FakeUiServices;
using zul::test::PrintFolder;

namespace {

std::shared_ptr<PrintPageRenderer> threePages(const PrintFolder& folder) {
    std::string text;
    for (int i = 1; i <= 70; ++i) {
        text += "  行" + std::to_string(i) + "\n";
    }
    text += "\f  三ページ目\n";
    folder.write("print.prn", text);
    QString error;
    auto document = LoadPrintDocument(folder.path("print.prn"), folder.folder(), &error);
    if (!document) {
        return nullptr;
    }
    return std::make_shared<PrintPageRenderer>(std::move(*document));
}

int pdfPages(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(60000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pdfTitle(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(60000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const auto match = QRegularExpression(QStringLiteral("Title:\\s+([^\\n]*)")).match(info);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

QString pdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QAction* actionNamed(QWidget& window, const QString& text) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

struct ProgramRun {
    int exitCode = -1;
    QString standardError;
};

ProgramRun runPreview(const QStringList& arguments, const QString& platform = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program chooses offscreen itself
    if (!platform.isEmpty()) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    }
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZUL_PROGRAM_DIR "/Preview"), arguments);
    if (!process.waitForFinished(60000)) {
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

// Counts the events of one type a widget receives while it lives.
class EventCounter : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type, int& count) : type_(type), count_(count) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) {
            ++count_;
        }
        return false;
    }

private:
    QEvent::Type type_;
    int& count_;
};

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pdf");
        QTest::addColumn<bool>("error");
        QTest::newRow("print menu") << QStringList{"/INI=/home/u/.local/share/Velmarok/Zul", "/tmp/~PS12.tmp"}
                                    << "/home/u/.local/share/Velmarok/Zul"
                                    << "/tmp/~PS12.tmp"
                                    << "" << false;
        QTest::newRow("quotes kept by a launcher")
            << QStringList{"/INI=\"/data\"", "\"/tmp/a b.prn\""} << "/data"
            << "/tmp/a b.prn"
            << "" << false;
        QTest::newRow("file split at blanks") << QStringList{"/ini=/d", "/tmp/my", "print", "file"} << "/d"
                                              << "/tmp/my print file"
                                              << "" << false;
        QTest::newRow("file only") << QStringList{"/tmp/x.prn"} << ""
                                   << "/tmp/x.prn"
                                   << "" << false;
        QTest::newRow("pdf") << QStringList{"--pdf", "/tmp/o.pdf", "/tmp/x.prn"} << ""
                             << "/tmp/x.prn"
                             << "/tmp/o.pdf" << false;
        QTest::newRow("pdf without its file") << QStringList{"--pdf"} << ""
                                              << ""
                                              << "" << true;
        QTest::newRow("pdf without print file") << QStringList{"--pdf", "/tmp/o.pdf"} << ""
                                                << ""
                                                << "/tmp/o.pdf" << true;
        QTest::newRow("nothing") << QStringList{} << ""
                                 << ""
                                 << "" << true;
        QTest::newRow("unknown option") << QStringList{"--zoom", "/tmp/x.prn"} << ""
                                        << ""
                                        << "" << true;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, ini);
        QFETCH(QString, file);
        QFETCH(QString, pdf);
        QFETCH(bool, error);
        const PreviewCommandLine command = ParsePreviewCommandLine(arguments);
        QCOMPARE(!command.error.isEmpty(), error);
        if (!error) {
            QCOMPARE(command.iniFolder, ini);
            QCOMPARE(command.printFile, file);
            QCOMPARE(command.pdfFile, pdf);
        }
    }

    void pdfIsOfferedUnderTheStudyName() {
        const auto name = [](const QStringList& arguments) {
            return DefaultPdfName(ParsePreviewCommandLine(arguments));
        };
        QCOMPARE(name({"/tmp/~PS3f2a.tmp"}), QStringLiteral("計算書.pdf"));
        QCOMPARE(name({"/home/u/杭A.prn"}), QStringLiteral("杭A.pdf"));
        QCOMPARE(name({"/NAME=\"/home/u/A 棟.zul\"", "/tmp/~PS1.tmp"}), QStringLiteral("A 棟.pdf"));
        QCOMPARE(name({"/name=報告", "/tmp/~PS1.tmp"}), QStringLiteral("報告.pdf"));
    }

    void printMenuCommandTextReachesThePreview() {
        // The command text the print menu hands to CSystem::Shell, split as Shell splits it.
        const auto parts = CSystem::SplitCommandLine(
            "/opt/zul/Preview /INI=\"/home/u/my data/Velmarok/Zul\" /tmp/~PS3f2a.tmp");
        QVERIFY(parts);
        QStringList arguments;
        for (std::size_t i = 1; i < parts->size(); ++i) {
            arguments << QString::fromStdString((*parts)[i]);
        }
        const PreviewCommandLine command = ParsePreviewCommandLine(arguments);
        QCOMPARE(command.iniFolder, QStringLiteral("/home/u/my data/Velmarok/Zul"));
        QCOMPARE(command.printFile, QStringLiteral("/tmp/~PS3f2a.tmp"));
    }

    void windowShowsAndTurnsThePages() {
        PrintFolder folder;
        const auto renderer = threePages(folder);
        QVERIFY(renderer);
        QCOMPARE(renderer->pageCount(), 3);
        PreviewWindow window(renderer, folder.path("Preview.ini"), QStringLiteral("print.pdf"));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("印刷プレビュー - print"));
        QCOMPARE(window.pageCount(), 3);
        QCOMPARE(window.pageText(), QStringLiteral("1 / 3"));
        QTest::keyClick(&window, Qt::Key_PageUp);
        QCOMPARE(window.pageText(), QStringLiteral("1 / 3"));
        QTest::keyClick(&window, Qt::Key_PageDown);
        QCOMPARE(window.pageText(), QStringLiteral("2 / 3"));
        QTest::keyClick(&window, Qt::Key_End);
        QCOMPARE(window.pageText(), QStringLiteral("3 / 3"));
        QTest::keyClick(&window, Qt::Key_PageDown);
        QCOMPARE(window.pageText(), QStringLiteral("3 / 3"));
        QTest::keyClick(&window, Qt::Key_Home);
        QCOMPARE(window.pageText(), QStringLiteral("1 / 3"));

        // Two pages: 1 and 2 side by side on the first sheet, 3 alone on the second.
        QAction* facing = actionNamed(window, QStringLiteral("2ページ"));
        QVERIFY(facing);
        facing->trigger();
        QVERIFY(window.showsPagePairs());
        QCOMPARE(window.previewWidget()->pageCount(), 2);
        QVERIFY(window.previewWidget()->orientation() == QPageLayout::Landscape);
        QCOMPARE(window.pageText(), QStringLiteral("1-2 / 3"));
        QTest::keyClick(&window, Qt::Key_PageDown);
        QCOMPARE(window.pageText(), QStringLiteral("3 / 3"));
        QCOMPARE(window.currentPage(), 3);
        actionNamed(window, QStringLiteral("1ページ"))->trigger();
        QVERIFY(!window.showsPagePairs());
        QCOMPARE(window.previewWidget()->pageCount(), 3);
        QCOMPARE(window.pageText(), QStringLiteral("3 / 3"));
        QTest::keyClick(&window, Qt::Key_Home);
        const double zoom = window.previewWidget()->zoomFactor();
        actionNamed(window, QStringLiteral("拡大"))->trigger();
        QVERIFY(window.previewWidget()->zoomFactor() > zoom);
        actionNamed(window, QStringLiteral("ページ全体"))->trigger();
        QCOMPARE(window.previewWidget()->zoomMode(), QPrintPreviewWidget::FitInView);
    }

    void headingsAreBoldOnTheScreen() {
        PrintFolder folder;
        folder.write("print.prn", "?R1ABCD 計算条件\nABCD 計算条件\n");
        QString error;
        auto document = LoadPrintDocument(folder.path("print.prn"), folder.folder(), &error);
        QVERIFY(document);
        PreviewWindow window(std::make_shared<PrintPageRenderer>(std::move(*document)), QString(),
                             QStringLiteral("print.pdf"));
        window.resize(900, 1000);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.previewWidget()->fitToWidth();
        QApplication::processEvents();
        const QImage shown = window.previewWidget()->grab().toImage();
        // The two text lines are the first two bands of dark rows on the page.
        std::vector<int> bands;
        bool inBand = false;
        for (int y = 0; y < shown.height(); ++y) {
            int dark = 0;
            for (int x = shown.width() / 8; x < shown.width() * 3 / 4; ++x) {
                dark += qGray(shown.pixel(x, y)) < 100 ? 1 : 0;
            }
            if (dark > 0 && !inBand) {
                bands.push_back(0);
            }
            inBand = dark > 0;
            if (inBand) {
                bands.back() += dark;
            }
        }
        QVERIFY2(bands.size() >= 2, qPrintable(QString::number(bands.size())));
        QVERIFY2(bands[0] > bands[1] * 1.15, qPrintable(QStringLiteral("%1 %2").arg(bands[0]).arg(bands[1])));
    }

    void ctrlSSavesAPdfUnderTheOfferedName() {
        PrintFolder folder;
        FakeUiServices services;
        const auto renderer = threePages(folder);
        PreviewWindow window(renderer, folder.path("Preview.ini"), QStringLiteral("print.pdf"));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        services.files.push_back(QString()); // cancelled: nothing written, nothing said
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(services.dialogs.size(), 1);
        QCOMPARE(services.dialogs[0].openMode, false);
        QCOMPARE(services.dialogs[0].initialName, QStringLiteral("print.pdf"));
        QCOMPARE(services.dialogs[0].defaultExtension, QStringLiteral("pdf"));
        QVERIFY(services.messages.isEmpty());

        const QString pdf = folder.path("保存.pdf");
        services.files.push_back(pdf);
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(pdfPages(pdf), 3);
        QVERIFY(services.messages.isEmpty());

        services.files.push_back(QStringLiteral("/nonexistent-folder/x.pdf"));
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(services.messages.size(), 1);
        QVERIFY(services.messages[0].text.contains(QStringLiteral("PDFファイルを書き込めません")));
        QCOMPARE(services.messages[0].icon, MessageIcon::Critical);
    }

    void placementIsKeptInPreviewIni() {
        PrintFolder folder;
        const auto renderer = threePages(folder);
        const QString ini = folder.path("sub/Preview.ini"); // the folder is made when missing
        {
            PreviewWindow window(renderer, ini, QStringLiteral("print.pdf"));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.resize(700, 640);
            window.move(40, 30);
            window.close();
        }
        QVERIFY(CPrivateProfile::GetValueLong(ini.toStdString(), "Preview", "Width") > 0);
        QVERIFY(CPrivateProfile::GetValueLong(ini.toStdString(), "Preview", "Height") > 0);
        PreviewWindow again(renderer, ini, QStringLiteral("print.pdf"));
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.size(), QSize(700, 640));
    }

    void printedPagesFollowThePrintDialog() {
        QPrinter printer;
        QCOMPARE(PrintedPages(printer, 2, 5), std::make_pair(0, 4));
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        QCOMPARE(PrintedPages(printer, 1, 5), std::make_pair(1, 2));
        printer.setFromTo(4, 9);
        QCOMPARE(PrintedPages(printer, 1, 5), std::make_pair(3, 4));
        printer.setPrintRange(QPrinter::CurrentPage);
        QCOMPARE(PrintedPages(printer, 3, 5), std::make_pair(2, 2));
    }

    void printerGetsTheChosenPagesFittedToItsPaper() {
        // The real printer class writing its PDF form, on Letter paper.
        PrintFolder folder;
        const auto renderer = threePages(folder);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.path("printed.pdf"));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setFullPage(true);
        QVERIFY(renderer->paintPages(printer, 1, 2));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {folder.path("printed.pdf")});
        QVERIFY(info.waitForFinished(60000));
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("612 x 792")), qPrintable(text));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {folder.path("printed.pdf"), QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        const QString pages = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY(pages.contains(QStringLiteral("行63")));
        QVERIFY(!pages.contains(QStringLiteral("行62")));
        QVERIFY(pages.contains(QStringLiteral("三ページ目")));
    }

    // The print menu's arguments in today's order and in the order of older command lines:
    // the same request, and the title the window and the PDF carry.
    void studyNameAndPlacementFromEitherOrder_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QRect>("beside");
        QTest::newRow("today") << QStringList{"/INI=/d", "/NAME=A 棟.zul", "/BESIDE=10,20,300,200",
                                              "/tmp/~PS1"}
                               << "A 棟" << QRect(10, 20, 300, 200);
        QTest::newRow("older: name after the file")
            << QStringList{"/INI=\"/d\"", "\"/tmp/~PS1\"", "/NAME=\"A 棟.zul\""} << "A 棟" << QRect();
        QTest::newRow("no name, temporary file") << QStringList{"/INI=/d", "/tmp/~PSA6XTMi"} << "" << QRect();
        QTest::newRow("no name, a file of its own") << QStringList{"/home/u/杭A.prn"} << "杭A" << QRect();
        QTest::newRow("case title of a new study")
            << QStringList{"/NAME=（未定義）", "/tmp/~PS2"} << "（未定義）" << QRect();
        QTest::newRow("unreadable frame") << QStringList{"/BESIDE=1,2,x,4", "/tmp/~PS3"} << "" << QRect();
        QTest::newRow("empty frame") << QStringList{"/BESIDE=1,2,0,4", "/tmp/~PS3"} << "" << QRect();
    }
    void studyNameAndPlacementFromEitherOrder() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, title);
        QFETCH(QRect, beside);
        const PreviewCommandLine command = ParsePreviewCommandLine(arguments);
        QVERIFY(command.error.isEmpty());
        QVERIFY(command.printFile.startsWith(QLatin1Char('/')));
        QCOMPARE(DocumentTitle(command), title);
        QCOMPARE(command.beside, beside);
    }

    // The preview's frame on a 1366x768 area beside a print menu: a first opening goes right of
    // the menu when there is room, else left, else to the side with more room, narrowed to it
    // (not below the minimum); a stored frame stays where it is unless it covers the menu or
    // leaves the area.
    void previewFrameStaysOnTheAreaAndOffTheMenu_data() {
        QTest::addColumn<bool>("first");
        QTest::addColumn<QRect>("frame"); // stored (a first opening: only its size counts)
        QTest::addColumn<QRect>("menu");
        QTest::addColumn<QRect>("expected");
        const QRect menu(100, 50, 400, 300);
        QTest::newRow("room on the right")
            << true << QRect(0, 0, 700, 700) << menu << QRect(500, 50, 700, 700);
        QTest::newRow("room on the left only")
            << true << QRect(0, 0, 700, 700) << QRect(800, 50, 400, 300) << QRect(100, 50, 700, 700);
        QTest::newRow("no room: narrowed on the right")
            << true << QRect(0, 0, 900, 700) << QRect(300, 50, 400, 300) << QRect(700, 50, 666, 700);
        QTest::newRow("no room: narrowed on the left")
            << true << QRect(0, 0, 900, 700) << QRect(700, 50, 400, 300) << QRect(0, 50, 700, 700);
        QTest::newRow("no room for the minimum: covers the least")
            << true << QRect(0, 0, 900, 700) << QRect(400, 50, 566, 300) << QRect(886, 50, 480, 700);
        QTest::newRow("low menu: top pulled up")
            << true << QRect(0, 0, 700, 700) << QRect(100, 600, 400, 150) << QRect(500, 68, 700, 700);
        QTest::newRow("wider than the area")
            << true << QRect(0, 0, 1500, 700) << menu << QRect(500, 50, 866, 700);
        QTest::newRow("stored clear of the menu")
            << false << QRect(600, 20, 700, 700) << menu << QRect(600, 20, 700, 700);
        QTest::newRow("stored over the menu, screen high, title above the screen")
            << false << QRect(40, -18, 1105, 788) << menu << QRect(500, 0, 866, 768);
        QTest::newRow("no menu: only kept on the area")
            << false << QRect(900, 300, 700, 700) << QRect() << QRect(666, 68, 700, 700);
    }
    void previewFrameStaysOnTheAreaAndOffTheMenu() {
        QFETCH(bool, first);
        QFETCH(QRect, frame);
        QFETCH(QRect, menu);
        QFETCH(QRect, expected);
        const auto place = [&](const QRect& area, const QPoint& shift) {
            const QRect anchor = menu.isValid() ? menu.translated(shift) : QRect();
            return first ? PreviewFrameBeside(frame.size(), anchor, area, kPreviewMinimumSize.width())
                         : PreviewFrameOnArea(frame.translated(shift), anchor, area,
                                              kPreviewMinimumSize.width());
        };
        QCOMPARE(place(QRect(0, 0, 1366, 768), {}), expected);
        // The same on a second monitor to the right of the first.
        QCOMPARE(place(QRect(1920, 0, 1366, 768), QPoint(1920, 0)), expected.translated(1920, 0));
    }

    // Without a placement of its own the window opens beside the print menu; with one, where
    // it was.
    void firstOpeningGoesBesideTheMenu() {
        PrintFolder folder;
        const auto renderer = threePages(folder);
        const QString ini = folder.path("Preview.ini");
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect menu(area.x() + 10, area.y() + 10, 100, 80);
        {
            PreviewWindow window(renderer, ini, QStringLiteral("print.pdf"));
            window.resize(kPreviewMinimumSize);
            window.setFirstPlacementBeside(menu);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.frameGeometry(), PreviewFrameBeside(window.frameGeometry().size(), menu, area,
                                                                kPreviewMinimumSize.width()));
            QVERIFY(!window.frameGeometry().intersects(menu));
            window.move(area.topLeft() + QPoint(130, 40));
            window.close();
        }
        PreviewWindow again(renderer, ini, QStringLiteral("print.pdf"));
        again.setFirstPlacementBeside(menu);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.pos(), area.topLeft() + QPoint(130, 40));
    }

    // A stored placement too small to lay the window out in, or off the screen, is brought back
    // to a usable window on the screen.
    void storedPlacementIsClampedToAUsableWindow_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("left");
        QTest::newRow("90 px wide") << 90 << 600 << 100;
        QTest::newRow("1 px each") << 1 << 1 << 100;
        QTest::newRow("far off the screen") << 500 << 400 << 1000000;
    }
    void storedPlacementIsClampedToAUsableWindow() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, left);
        PrintFolder folder;
        const auto renderer = threePages(folder);
        const QString ini = folder.path("Preview.ini");
        const auto twips = [](int pixels) { return std::to_string(pixels * 15); };
        folder.write("Preview.ini", "[Preview]\r\nTop=" + twips(100) + "\r\nLeft=" + twips(left) +
                                        "\r\nWidth=" + twips(width) + "\r\nHeight=" + twips(height) + "\r\n");
        PreviewWindow window(renderer, ini, QStringLiteral("print.pdf"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.width() >= kPreviewMinimumSize.width());
        QVERIFY(window.height() >= kPreviewMinimumSize.height());
        const QRect area = window.screen()->availableGeometry();
        QVERIFY2(area.contains(window.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                       .arg(window.x())
                                                                       .arg(window.y())
                                                                       .arg(window.width())
                                                                       .arg(window.height())));
        // Settled: the view lays itself out no more.
        QTest::qWait(200);
        int layouts = 0;
        EventCounter counter(window.previewWidget(), QEvent::LayoutRequest, layouts);
        QTest::qWait(500);
        QCOMPARE(layouts, 0);
    }

    void pdfCarriesTheStudysTitle() {
        PrintFolder folder;
        FakeUiServices services;
        const auto renderer = threePages(folder);
        PreviewWindow window(renderer, QString(), QStringLiteral("橋脚 P1.pdf"));
        window.setDocumentTitle(QStringLiteral("橋脚 P1"));
        QCOMPARE(window.windowTitle(), QStringLiteral("印刷プレビュー - 橋脚 P1"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        services.files.push_back(folder.path("saved.pdf"));
        window.savePdf();
        QCOMPARE(pdfTitle(folder.path("saved.pdf")), QStringLiteral("橋脚 P1"));

        // The program's own PDF, from a temporary print file named by the print menu.
        folder.write("~PSA6XTMi", "  A\n");
        const QString pdf = folder.path("out.pdf");
        const ProgramRun named = runPreview(
            {QStringLiteral("--pdf"), pdf, QStringLiteral("/NAME=橋脚 P1.zul"), folder.path("~PSA6XTMi")});
        QVERIFY2(named.exitCode == 0, qPrintable(named.standardError));
        QCOMPARE(pdfTitle(pdf), QStringLiteral("橋脚 P1"));
        const ProgramRun unnamed = runPreview({QStringLiteral("--pdf"), pdf, folder.path("~PSA6XTMi")});
        QVERIFY2(unnamed.exitCode == 0, qPrintable(unnamed.standardError));
        QCOMPARE(pdfTitle(pdf), QStringLiteral("out"));
    }

    void pageHeadFromTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("shown");
        QTest::newRow("print menu") << QStringList{"/NAME=P1.zul", "/TITLE=\"橋脚 P1\"",
                                                   "/FILE=/home/u/P1.zul", "/tmp/~PS1"}
                                    << "橋脚 P1"
                                    << "P1.zul" << true;
        QTest::newRow("study not saved")
            << QStringList{"/NAME=橋脚 P1", "/TITLE=橋脚 P1", "/tmp/~PS1"} << "橋脚 P1"
            << "" << true;
        QTest::newRow("older print menu: the file from /NAME=")
            << QStringList{"/NAME=/home/u/A 棟.ZUL", "/tmp/~PS1"} << ""
            << "A 棟.ZUL" << true;
        QTest::newRow("turned off, after the file")
            << QStringList{"--pdf", "/tmp/o.pdf", "/tmp/x.prn", "/title=T", "--no-page-head"} << "T"
            << "" << false;
    }
    void pageHeadFromTheCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, title);
        QFETCH(QString, fileName);
        QFETCH(bool, shown);
        const PreviewCommandLine command = ParsePreviewCommandLine(arguments);
        QVERIFY(command.error.isEmpty());
        qputenv("SOURCE_DATE_EPOCH", "1000000000");
        const PageHead head = PageHeadOf(command);
        qunsetenv("SOURCE_DATE_EPOCH");
        QCOMPARE(head.title, title);
        QCOMPARE(head.fileName, fileName);
        QCOMPARE(head.shown, shown);
        // The program and the date of printing, from SOURCE_DATE_EPOCH when it is set.
        QVERIFY(head.program.startsWith(QStringLiteral("vezarivezorazi Ver.")));
        QCOMPARE(head.printDate, QStringLiteral("2001/09/09"));
    }

    // The toolbar's check turns the head and the page number off and on for the screen and a
    // saved PDF alike, and Preview.ini keeps the choice for the next preview.
    void pageHeadChoiceIsKeptInPreviewIni() {
        PrintFolder folder;
        FakeUiServices services;
        const QString ini = folder.path("sub/Preview.ini");
        const auto saved = [&](PreviewWindow& window, const QString& name) {
            services.files.push_back(folder.path(name));
            window.savePdf();
            return pdfText(folder.path(name));
        };
        {
            PreviewWindow window(threePages(folder), ini, QStringLiteral("print.pdf"));
            window.setPageHead({true, QStringLiteral("橋脚 P1 の検討"), QStringLiteral("P1.zul"), {}, {}});
            QAction* check = actionNamed(window, QStringLiteral("ヘッダー・ページ番号を印刷"));
            QVERIFY(check);
            QVERIFY(check->isChecked()); // on when Preview.ini says nothing
            QVERIFY(window.pageHeadShown());
            const QString on = saved(window, "on.pdf");
            QVERIFY2(on.contains(QStringLiteral("橋脚 P1 の検討")) && on.contains(QStringLiteral("P1.zul")) &&
                         on.contains(QStringLiteral("- 3 / 3 -")),
                     qPrintable(on));
            QCOMPARE(pdfTitle(folder.path("on.pdf")), QStringLiteral("橋脚 P1 の検討"));
            check->trigger();
            QVERIFY(!window.pageHeadShown());
            QCOMPARE(CPrivateProfile::GetValueString(ini.toStdString(), "Preview", "PageHead"),
                     std::string("0"));
            const QString off = saved(window, "off.pdf");
            QVERIFY2(!off.contains(QStringLiteral("P1.zul")) && !off.contains(QStringLiteral("/ 3 -")),
                     qPrintable(off));
            QCOMPARE(pdfTitle(folder.path("off.pdf")), QStringLiteral("橋脚 P1 の検討"));
        }
        PreviewWindow again(threePages(folder), ini, QStringLiteral("print.pdf"));
        again.setPageHead({true, QStringLiteral("T"), QStringLiteral("F.zul"), {}, {}}); // the choice stays
        QVERIFY(!again.pageHeadShown());
        QAction* check = actionNamed(again, QStringLiteral("ヘッダー・ページ番号を印刷"));
        QVERIFY(!check->isChecked());
        check->trigger();
        QVERIFY(again.pageHeadShown());
        QCOMPARE(CPrivateProfile::GetValueString(ini.toStdString(), "Preview", "PageHead"), std::string("1"));
        QVERIFY(saved(again, "again.pdf").contains(QStringLiteral("- 1 / 3 -")));
    }

    // Preview --pdf: the head from /TITLE= and /FILE= on every page, the PDF titled with the
    // study title; --no-page-head leaves the head out.
    void programPdfCarriesThePageHead() {
        PrintFolder folder;
        QVERIFY(threePages(folder));
        const QString pdf = folder.path("out.pdf");
        const QStringList arguments{QStringLiteral("--pdf"), pdf, QStringLiteral("/TITLE=橋脚 P1 の検討"),
                                    QStringLiteral("/FILE=/home/u/P1.zul"), folder.path("print.prn")};
        for (const bool shown : {true, false}) {
            const ProgramRun run =
                runPreview(shown ? arguments : arguments + QStringList{QStringLiteral("--no-page-head")});
            QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
            const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
            QCOMPARE(pages.size(), 3);
            QCOMPARE(pages[2].contains(QStringLiteral("橋脚 P1 の検討")) &&
                         pages[2].contains(QStringLiteral("P1.zul")) &&
                         pages[2].contains(QStringLiteral("- 3 / 3 -")),
                     shown);
            QCOMPARE(pdfTitle(pdf), QStringLiteral("橋脚 P1 の検討"));
        }
    }

    void programWritesAPdfWithoutADisplay() {
        PrintFolder folder;
        QVERIFY(threePages(folder));
        const QString pdf = folder.path("out.pdf");
        const ProgramRun done = runPreview({QStringLiteral("--pdf"), pdf, folder.path("print.prn")});
        QVERIFY2(done.exitCode == 0, qPrintable(done.standardError));
        QCOMPARE(pdfPages(pdf), 3);

        // A graph that cannot be read: the PDF is written, and the caller is told.
        folder.write("graph.prn",
                     "  A\n  ?BM;000;000;160;110;" + folder.path("gone.wmf").toStdString() + "\n");
        const ProgramRun noted = runPreview({QStringLiteral("--pdf"), pdf, folder.path("graph.prn")});
        QCOMPARE(noted.exitCode, 3);
        QVERIFY2(noted.standardError.contains(
                     QStringLiteral("注意：グラフを表示できません（ファイルがありません）：") +
                     folder.path("gone.wmf")),
                 qPrintable(noted.standardError));

        const ProgramRun missing = runPreview({QStringLiteral("--pdf"), pdf, folder.path("none.prn")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(missing.standardError.contains(QStringLiteral("印刷ファイルを開けません")),
                 qPrintable(missing.standardError));
        const ProgramRun nothing = runPreview({});
        QVERIFY(nothing.exitCode > 0);
        QVERIFY(nothing.standardError.contains(QStringLiteral("印刷ファイルが指定されていません")));
        const ProgramRun unwritable = runPreview(
            {QStringLiteral("--pdf"), QStringLiteral("/nonexistent-folder/x.pdf"), folder.path("print.prn")});
        QCOMPARE(unwritable.exitCode, 2);
        QVERIFY(unwritable.standardError.contains(QStringLiteral("PDFファイルを書き込めません")));
        QVERIFY(unwritable.standardError.contains(QStringLiteral("フォルダがありません。")));
    }

    // A graph that is missing, empty, no metafile or cut short: the PDF is written without it,
    // the exit status says the report is not whole, and the file is named with what is wrong.
    void graphThatCannotBeDrawnWholeIsNamedAndExitsThree() {
        PrintFolder folder;
        QByteArray whole;
        {
            WmfPaintDevice device(QSize(200, 100));
            QPainter painter(&device);
            for (int curve = 0; curve < 3; ++curve) {
                painter.drawLine(0, curve * 30, 200, curve * 30 + 10);
            }
            painter.end();
            whole = device.data();
        }
        const struct {
            const char* name;
            QByteArray bytes;
            int exitCode;
            QString says;
        } cases[] = {
            {"whole.wmf", whole, 0, {}},
            {"empty.wmf", {}, 3, QStringLiteral("ファイルが空です")},
            {"garbage.wmf", QByteArray(300, 'x'), 3, QStringLiteral("メタファイルではありません")},
            {"cut.wmf", whole.left(whole.size() * 2 / 3), 3,
             QStringLiteral("メタファイルが途中で切れています")},
            {"no-end.wmf", whole.left(whole.size() - 6), 3,
             QStringLiteral("メタファイルが途中で切れています")},
        };
        for (const auto& c : cases) {
            const QString wmf = folder.writeBytes(QString::fromLatin1(c.name), c.bytes.toStdString());
            folder.write("graph.prn", "  A\n  ?BM;000;000;160;110;" + wmf.toStdString() + "\n");
            const ProgramRun run =
                runPreview({QStringLiteral("--pdf"), folder.path("g.pdf"), folder.path("graph.prn")});
            QVERIFY2(run.exitCode == c.exitCode, c.name);
            QCOMPARE(pdfPages(folder.path("g.pdf")), 1);
            if (!c.says.isEmpty()) {
                QVERIFY2(run.standardError.contains(
                             QStringLiteral("注意：グラフを表示できません（%1）：%2").arg(c.says, wmf)),
                         qPrintable(run.standardError));
            }
        }
    }

    // The PDF never replaces the print file it is made from, named directly or through a link.
    void pdfOverItsPrintFileIsRefused() {
        PrintFolder folder;
        QVERIFY(threePages(folder));
        const QString print = folder.path("print.prn");
        QFile::link(print, folder.path("link.pdf"));
        QFile original(print);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        for (const QString& target : {print, folder.path("link.pdf")}) {
            const ProgramRun run = runPreview({QStringLiteral("--pdf"), target, print});
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.standardError.contains(QStringLiteral("は印刷ファイルと同じファイルです。")),
                     qPrintable(run.standardError));
            QFile after(print);
            QVERIFY(after.open(QIODevice::ReadOnly));
            QCOMPARE(after.readAll(), bytes);
        }
    }

    void pdfWithoutADisplayWhateverThePlatformSays() {
        PrintFolder folder;
        QVERIFY(threePages(folder));
        const QString pdf = folder.path("xcb.pdf");
        const ProgramRun run =
            runPreview({QStringLiteral("--pdf"), pdf, folder.path("print.prn")}, QStringLiteral("xcb"));
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QCOMPARE(pdfPages(pdf), 3);
    }

    void pdfIsRefusedOrLeftAsItWasWhenItCannotBeWritten() {
        PrintFolder folder;
        QVERIFY(threePages(folder));
        // A pipe as the PDF is refused at once (nobody reads it: writing would wait for ever).
        const QString fifo = folder.path("pipe.pdf");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const ProgramRun piped = runPreview({QStringLiteral("--pdf"), fifo, folder.path("print.prn")});
        QCOMPARE(piped.exitCode, 2);
        QVERIFY2(piped.standardError.contains(QStringLiteral("通常のファイルではありません")),
                 qPrintable(piped.standardError));

        // A full disk: a small memory file system holds the earlier PDF and little more.
        const QString disk = folder.path("disk");
        QVERIFY(QDir().mkpath(disk));
        const QByteArray mountPoint = QFile::encodeName(disk);
        if (std::system(("mount -t tmpfs -o size=64k tmpfs '" + mountPoint + "' 2>/dev/null").constData()) !=
            0) {
            QSKIP("cannot mount a small file system here (needs the administrator)");
        }
        const QString old = disk + QStringLiteral("/old.pdf");
        {
            QFile file(old);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(8 * 1024, 'p'));
            QFile filler(disk + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            filler.write(QByteArray(28 * 1024, 'f')); // some 28 KB stay free
        }
        // Enough pages that their PDF does not fit.
        std::string text;
        for (int page = 0; page < 40; ++page) {
            text += "  頁" + std::to_string(page) + " 計算書の本文です。\n\f";
        }
        folder.write("long.prn", text);
        const ProgramRun full = runPreview({QStringLiteral("--pdf"), old, folder.path("long.prn")});
        const QByteArray oldBytes = [&] {
            QFile file(old);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        const QStringList left = QDir(disk).entryList(QDir::Files | QDir::Hidden);
        std::system(("umount '" + mountPoint + "'").constData());
        QCOMPARE(full.exitCode, 2);
        QVERIFY2(full.standardError.contains(QStringLiteral("書き込み先の空き容量がありません。")),
                 qPrintable(full.standardError));
        QCOMPARE(oldBytes, QByteArray(8 * 1024, 'p'));
        QCOMPARE(left, (QStringList{QStringLiteral("filler"), QStringLiteral("old.pdf")}));
    }

    void notesShowPathsEscaped() {
        PrintFolder folder;
        folder.write("esc.prn", "  A\n  ?BM;000;000;160;110;" + folder.path("gone").toStdString() +
                                    "\x1B]0;title\x07.wmf\n");
        const ProgramRun run =
            runPreview({QStringLiteral("--pdf"), folder.path("esc.pdf"), folder.path("esc.prn")});
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.standardError.contains(QStringLiteral("gone\\x1B]0;title\\x07.wmf")),
                 qPrintable(run.standardError));
        QVERIFY(!run.standardError.contains(QChar(0x1B)));
    }
};

ZUL_QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
