#pragma once

// A print file as PDF without a display: the one way both Preview --pdf and zul-cli report
// --pdf write it.

#include "render/PrintPageRenderer.h"

#include <QString>

#include <vector>

namespace zul {

class PendingFile;

struct PrintFilePdfResult {
    enum class Status {
        Written,             // the PDF is complete (notes may name files that could not be read)
        PrintFileUnreadable, // the print file cannot be read; nothing was written
        NotWritten,          // the PDF could not be written; an earlier file is as it was
    };
    Status status = Status::NotWritten;
    // What could not be read (definition files, figures, graphs), one Japanese line each; each
    // stands as a note on its page.
    std::vector<QString> notes;
    QString error; // Japanese, the file and the cause; empty when written
};

// Reads the print file with every file it names (definition files from definitionFolder) and
// writes all its pages as PDF to pdfFile.  Starts Qt without a display when no Qt application
// runs (HeadlessQt).  The PDF goes to a new file beside pdfFile, which replaces pdfFile only
// when it is complete; a pdfFile that is a pipe, device or folder, or lies in a missing folder,
// is refused before anything is read.  With pending the complete new file is only prepared
// there, and the caller commits it (together with other outputs).  Every page carries head
// (the study title and file name above the text, the page number below it) unless it is turned
// off.  The PDF's document title is the head's study title, else title (the study's name), else
// the print file's name.
PrintFilePdfResult WritePrintFilePdf(const QString& printFile, const QString& definitionFolder,
                                     const QString& pdfFile, const QString& title = QString(),
                                     PendingFile* pending = nullptr, const PageHead& head = PageHead());

} // namespace zul
