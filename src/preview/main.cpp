// Preview: shows the pages of a joined print file, prints them and saves them as PDF.
#include "preview/PreviewCommandLine.h"
#include "preview/PreviewWindow.h"
#include "render/PrintDocument.h"
#include "render/PrintPageRenderer.h"
#include "ui/JapaneseUi.h"
#include "ui/UiServices.h"
#include "util/ProgramPaths.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// Without a display the platform's chatter (missing runtime folder and the like) is no news
// for the caller: only the program's own messages go to stderr.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    }
}

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

QString definitionFolder() {
    return QString::fromStdString(zul::ProgramFolder());
}

int writePdf(const zul::PreviewCommandLine& command) {
    QString error;
    auto document = zul::LoadPrintDocument(command.printFile, definitionFolder(), &error);
    if (!document) {
        printError(error);
        return 1;
    }
    // The PDF is written all the same; what could not be read is said, and stands on its page.
    for (const QString& problem : zul::DocumentProblems(*document)) {
        printError(QStringLiteral("注意：%1").arg(problem));
    }
    const zul::PrintPageRenderer renderer(std::move(*document));
    const QString title = zul::DocumentTitle(command);
    if (!zul::WritePrintPdf(renderer, command.pdfFile, &error,
                            title.isEmpty() ? QFileInfo(command.pdfFile).completeBaseName() : title)) {
        printError(error);
        return 1;
    }
    return 0;
}

int showPreview(const zul::PreviewCommandLine& command) {
    QString error;
    auto document = zul::LoadPrintDocument(command.printFile, definitionFolder(), &error);
    if (!document) {
        printError(error);
        zul::UiServices::current().showMessage(nullptr, error, QStringLiteral("印刷プレビュー"),
                                               zul::MessageIcon::Critical, zul::MessageButtons::Ok);
        return 1;
    }
    const QString folder =
        command.iniFolder.isEmpty() ? QString::fromStdString(zul::PerUserDataFolder()) : command.iniFolder;
    const QString settingsFile = QDir(folder).filePath(QStringLiteral("Preview.ini"));
    const QString pdfName = zul::DefaultPdfName(command);
    zul::PreviewWindow window(std::make_shared<zul::PrintPageRenderer>(std::move(*document)), settingsFile,
                              pdfName);
    window.setDocumentTitle(zul::DocumentTitle(command));
    window.setFirstPlacementBeside(command.beside);
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const zul::PreviewCommandLine command = zul::ParsePreviewCommandLine(arguments);
    if (command.help) {
        std::fputs(zul::PreviewUsage().toUtf8().constData(), stdout);
        return 0;
    }
    if (!command.error.isEmpty()) {
        printError(command.error);
        std::fputs(zul::PreviewUsage().toUtf8().constData(), stderr);
        return 2;
    }
    if (!command.pdfFile.isEmpty()) {
        // A PDF needs no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qInstallMessageHandler(quietHandler);
        QGuiApplication app(argc, argv);
        return writePdf(command);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Preview"));
    zul::UseJapaneseQt(app);
    return showPreview(command);
}
