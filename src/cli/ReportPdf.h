#pragma once

// The drawing side of zul-cli report: the study graphs as metafiles and the joined print file as
// PDF, without a display.  Plain C++ interface; the drawing itself needs the Qt layers and is
// part of the program only when they are built (PdfAvailable).

#include <memory>
#include <string>
#include <vector>

namespace zul {
class basCalcMain;
class PendingFile;
struct ProjectDocument;
} // namespace zul

namespace zul::cli {

bool PdfAvailable();

// What every PDF page carries in its margins: the study title, the study's file name, the
// program and the date of printing above the text, the page number below it; shown unless
// turned off.
struct PdfPageHead {
    bool shown = true;
    std::string title;     // the study title (case title, UTF-8); also the PDF's document title
    std::string fileName;  // the study's file name (file system encoding)
    std::string program;   // the program's name and version (UTF-8)
    std::string printDate; // the date of printing
};

// Holds what the drawing needs (fonts, the offscreen platform) for its lifetime.
class ReportDrawing {
public:
    ReportDrawing();
    ~ReportDrawing();
    ReportDrawing(const ReportDrawing&) = delete;
    ReportDrawing& operator=(const ReportDrawing&) = delete;

    // The four study graphs of calc's last table calculation, as the graph screen saves them,
    // into folder.  On failure false with the reason (Japanese) in error.
    bool SaveStudyGraphs(const ProjectDocument& doc, const basCalcMain& calc, const std::string& folder,
                         std::string& error);

    // Every page of the print file as PDF for pdfFile, with head on every page, prepared
    // complete in pending for the caller to commit; titled with the head's study title, else
    // title (the study's name); LINE_PRN.DEF and STR_PRN.DEF from definitionFolder.  notes: files the
    // print file names that could not be read (each shows a note on its page).  On failure
    // false with the reason (Japanese: the file and the cause) in error.
    bool WritePdf(const std::string& printFile, const std::string& definitionFolder,
                  const std::string& pdfFile, const std::string& title, const PdfPageHead& head,
                  PendingFile& pending, std::vector<std::string>& notes, std::string& error);

private:
    struct Session;
    std::unique_ptr<Session> session_;
};

} // namespace zul::cli
