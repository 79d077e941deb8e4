#include "render/PrintFilePdf.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "render/HeadlessQt.h"
#include "render/PrintDocument.h"
#include "render/PrintPageRenderer.h"

#include <QFile>

#include <string_view>

namespace zul {

PrintFilePdfResult WritePrintFilePdf(const QString& printFile, const QString& definitionFolder,
                                     const QString& pdfFile, const QString& title, PendingFile* pending,
                                     const PageHead& head) {
    using Status = PrintFilePdfResult::Status;
    PrintFilePdfResult result;
    const std::string target = QFile::encodeName(pdfFile).toStdString();
    if (const int err = CheckWritableTarget(target); err != FileError::None) {
        result.error = PdfWriteError(pdfFile, err);
        return result;
    }
    const HeadlessQt qt;
    QString error;
    auto document = LoadPrintDocument(printFile, definitionFolder, &error);
    if (!document) {
        result.status = Status::PrintFileUnreadable;
        result.error = error;
        return result;
    }
    result.notes = DocumentProblems(*document);
    PrintPageRenderer renderer(std::move(*document));
    renderer.setPageHead(head);
    QByteArray pdf;
    if (!RenderPrintPdf(renderer, pdf, &error, title)) {
        result.error = QStringLiteral("PDFファイルを書き込めません：%1\n%2").arg(pdfFile, error);
        return result;
    }
    PendingFile own;
    PendingFile& file = pending != nullptr ? *pending : own;
    int err = file.Prepare(target, std::string_view(pdf.constData(), pdf.size()));
    if (err == FileError::None && pending == nullptr) {
        err = own.Commit();
    }
    if (err != FileError::None) {
        result.error = PdfWriteError(pdfFile, err);
        return result;
    }
    result.status = Status::Written;
    return result;
}

} // namespace zul
