#include "cli/ReportPdf.h"

#include "document/ProjectDocument.h"
#include "render/PrintDocument.h"
#include "render/PrintPageRenderer.h"
#include "render/StudyGraphFiles.h"

#include <QGuiApplication>

#include <array>
#include <cstdio>
#include <memory>

namespace zul::cli {

bool PdfAvailable() {
    return true;
}

namespace {

// Qt's notes about its own set-up (a runtime folder, fonts) are no business of the terminal
// user; the program says itself what went wrong.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

} // namespace

// The drawing needs a Qt application; without a display it runs on the offscreen platform.
struct ReportDrawing::Session {
    Session() {
        qInstallMessageHandler(QuietQtMessages);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        if (QCoreApplication::instance() == nullptr) {
            app = std::make_unique<QGuiApplication>(argc, argv.data());
        }
    }
    int argc = 1;
    char programName[8] = "zul-cli";
    std::array<char*, 2> argv{programName, nullptr};
    std::unique_ptr<QGuiApplication> app;
};

ReportDrawing::ReportDrawing() : session_(std::make_unique<Session>()) {}

ReportDrawing::~ReportDrawing() = default;

bool ReportDrawing::SaveStudyGraphs(const ProjectDocument& doc, const basCalcMain& calc,
                                    const std::string& folder, std::string& error) {
    QString reason;
    if (!SaveStudyGraphMetafiles(doc.InpJyoken, calc, QString::fromStdString(folder), &reason)) {
        error = "ｸﾞﾗﾌﾌｧｲﾙを保存できませんでした。\n" + reason.toStdString();
        return false;
    }
    return true;
}

bool ReportDrawing::WritePdf(const std::string& printFile, const std::string& definitionFolder,
                             const std::string& pdfFile, std::string& error) {
    QString reason;
    auto document = LoadPrintDocument(QString::fromStdString(printFile),
                                      QString::fromStdString(definitionFolder), &reason);
    if (!document) {
        error = reason.toStdString();
        return false;
    }
    const PrintPageRenderer renderer(std::move(*document));
    if (!WritePrintPdf(renderer, QString::fromStdString(pdfFile), &reason)) {
        error = reason.toStdString();
        return false;
    }
    return true;
}

} // namespace zul::cli
