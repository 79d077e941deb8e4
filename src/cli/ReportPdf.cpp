#include "cli/ReportPdf.h"

#include "document/ProjectDocument.h"
#include "render/HeadlessQt.h"
#include "render/PrintFilePdf.h"
#include "render/StudyGraphFiles.h"

#include <QFile>

namespace zul::cli {

bool PdfAvailable() {
    return true;
}

// The drawing needs a Qt application; it runs on the offscreen platform, display or not.
struct ReportDrawing::Session {
    HeadlessQt qt;
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
                             const std::string& pdfFile, const std::string& title, const PdfPageHead& head,
                             PendingFile& pending, std::vector<std::string>& notes, std::string& error) {
    PageHead pageHead;
    pageHead.shown = head.shown;
    pageHead.title = QString::fromStdString(head.title);
    pageHead.fileName = QFile::decodeName(head.fileName.c_str());
    pageHead.program = QString::fromStdString(head.program);
    pageHead.printDate = QString::fromStdString(head.printDate);
    const auto result = WritePrintFilePdf(
        QFile::decodeName(printFile.c_str()), QFile::decodeName(definitionFolder.c_str()),
        QFile::decodeName(pdfFile.c_str()), QString::fromStdString(title), &pending, pageHead);
    for (const QString& note : result.notes) {
        notes.push_back(note.toStdString());
    }
    error = result.error.toStdString();
    return result.status == PrintFilePdfResult::Status::Written;
}

} // namespace zul::cli
