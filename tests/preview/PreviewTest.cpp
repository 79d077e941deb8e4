// The Preview program: its command line, its window through the real widgets, and the
// program itself writing a PDF without a display.
#include "../render/PrintFixtures.h"
#include "FakeUiServices.h"

#include "io/CPrivateProfile.h"
#include "preview/PreviewCommandLine.h"
#include "preview/PreviewWindow.h"
#include "util/CSystem.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>

#include <QtTest>
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
        QCOMPARE(window.windowTitle(), QStringLiteral("印刷プレビュー - print.prn"));
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

        QAction* facing = actionNamed(window, QStringLiteral("2ページ"));
        QVERIFY(facing);
        facing->trigger();
        QCOMPARE(window.previewWidget()->viewMode(), QPrintPreviewWidget::FacingPagesView);
        actionNamed(window, QStringLiteral("1ページ"))->trigger();
        QCOMPARE(window.previewWidget()->viewMode(), QPrintPreviewWidget::SinglePageView);
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
        QCOMPARE(noted.exitCode, 0);
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
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.standardError.contains(QStringLiteral("gone\\x1B]0;title\\x07.wmf")),
                 qPrintable(run.standardError));
        QVERIFY(!run.standardError.contains(QChar(0x1B)));
    }
};

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
