// Preview: shows the pages of a joined print file, prints them and saves them as PDF.
#include "io/FileAccess.h"
#include "preview/PreviewCommandLine.h"
#include "preview/PreviewWindow.h"
#include "render/PrintDocument.h"
#include "render/PrintFilePdf.h"
#include "render/PrintPageRenderer.h"
#include "ui/JapaneseUi.h"
#include "ui/UiServices.h"
#include "util/ProgramPaths.h"
#include "util/TerminalText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

// Exit statuses of Preview --pdf beside 0: the print file cannot be read, the PDF not written
// (or refused), the PDF written without a figure or graph that could not be read.
constexpr int kPrintFileUnreadable = 1;
constexpr int kPdfNotWritten = 2;
constexpr int kPdfIncomplete = 3;

// Messages name files and paths from print files: each line is shown escaped, never with raw
// control bytes.
void printError(const QString& text) {
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        std::fprintf(stderr, "%s\n", zul::EscapeControls(line.toUtf8().toStdString()).c_str());
    }
}

QString definitionFolder() {
    return QString::fromStdString(zul::ProgramFolder());
}

// The PDF would replace a file it is made from: the print file or a definition file.
bool pdfOverAnInput(const zul::PreviewCommandLine& command) {
    const std::string pdf = QFile::encodeName(command.pdfFile).toStdString();
    const std::pair<QString, QString> inputs[] = {
        {QStringLiteral("印刷ファイル"), command.printFile},
        {QStringLiteral("線種定義ファイル"), definitionFolder() + QStringLiteral("/LINE_PRN.DEF")},
        {QStringLiteral("文字種定義ファイル"), definitionFolder() + QStringLiteral("/STR_PRN.DEF")},
    };
    for (const auto& [kind, input] : inputs) {
        if (zul::SameFile(pdf, QFile::encodeName(input).toStdString())) {
            printError(
                QStringLiteral("PDFファイル（%1）は%2と同じファイルです。別のファイルを指定して下さい。")
                    .arg(command.pdfFile, kind));
            return true;
        }
    }
    return false;
}

int writePdf(const zul::PreviewCommandLine& command) {
    using Status = zul::PrintFilePdfResult::Status;
    if (pdfOverAnInput(command)) {
        return kPdfNotWritten;
    }
    // The PDF is titled with the study's name; without one, with the PDF's own name.
    QString title = zul::DocumentTitle(command);
    if (title.isEmpty()) {
        title = QFileInfo(command.pdfFile).completeBaseName();
    }
    const auto result = zul::WritePrintFilePdf(command.printFile, definitionFolder(), command.pdfFile, title,
                                               nullptr, zul::PageHeadOf(command));
    // The PDF is written all the same; what could not be read is said, and stands on its page.
    for (const QString& problem : result.notes) {
        printError(QStringLiteral("注意：%1").arg(problem));
    }
    switch (result.status) {
    case Status::Written:
        return result.notes.empty() ? 0 : kPdfIncomplete;
    case Status::PrintFileUnreadable:
        printError(result.error);
        return kPrintFileUnreadable;
    case Status::NotWritten:
        break;
    }
    printError(result.error);
    return kPdfNotWritten;
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
    window.setPageHead(zul::PageHeadOf(command));
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
        return writePdf(command); // no display needed, whatever QT_QPA_PLATFORM names
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Preview"));
    zul::UseJapaneseQt(app);
    return showPreview(command);
}
