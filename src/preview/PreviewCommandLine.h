#pragma once

#include "render/PrintPageRenderer.h"

#include <QRect>
#include <QString>
#include <QStringList>

namespace zul {

// What the Preview program was asked to do.
//   Preview /INI=<data folder> [/NAME=<study>] [/TITLE=<study title>] [/FILE=<study file>]
//           [/BESIDE=x,y,w,h] <print file>      show the pages (the print menu's arguments)
//   Preview <print file>                         the same, settings in the per-user data folder
//   Preview --pdf <out.pdf> [--no-page-head] <print file>
//                                                write a PDF without a window and end
// The optional /NAME=<study name> titles the window and names the PDF that Ctrl+S offers;
// /TITLE= is the study title (case title) and /FILE= the study's file, printed at the head of
// every page (the title also titles the PDF); /BESIDE= is the print menu's frame on the screen,
// beside which the window opens when it has no placement of its own yet.  --no-page-head leaves
// the head and the page number out of the PDF.  The options may come in any order, also after
// the file.
struct PreviewCommandLine {
    QString iniFolder;    // the "/INI=" folder, empty when not given
    QString printFile;    // the print file to show
    QString pdfFile;      // set for --pdf
    QString studyName;    // the "/NAME=" text, empty when not given
    QString caseTitle;    // the "/TITLE=" text, empty when not given
    QString studyFile;    // the "/FILE=" path, empty when not given
    bool pageHead = true; // false with --no-page-head
    QRect beside;         // the "/BESIDE=" frame; not valid when not given or not readable
    bool help = false;
    QString error; // Japanese; set when the command line cannot be used
};

// Reads the arguments after the program name.  The print file's path may have been split at
// blanks by the launcher; the parts are joined again.  Quotes around a value are removed.
PreviewCommandLine ParsePreviewCommandLine(const QStringList& arguments);

// The file name Ctrl+S offers: the study's name when given, else the print file's name; a
// temporary print file ("~PS...") of the print menu gives "計算書.pdf".
QString DefaultPdfName(const PreviewCommandLine& command);

// The title of the pages, in the window's caption and in the PDF: the study's name without
// its folder and ".zul", else the print file's name; empty for a temporary print file of the
// print menu ("~PS..."), whose name means nothing to the user.
QString DocumentTitle(const PreviewCommandLine& command);

// The head of the pages: the study title, the study file's name (from /FILE=, else from a
// /NAME= that names a ".zul" file, as older print menus passed it), the program with its version
// and the date of printing (PrintDateToday); shown unless --no-page-head.
PageHead PageHeadOf(const PreviewCommandLine& command);

// The usage text of the program (Japanese).
QString PreviewUsage();

} // namespace zul
