#pragma once

#include <QString>
#include <QStringList>

namespace zul {

// What the Preview program was asked to do.
//   Preview /INI="<data folder>" <print file>   show the pages (the print menu's command line)
//   Preview <print file>                         the same, settings in the per-user data folder
//   Preview --pdf <out.pdf> <print file>         write a PDF without a window and end
// An optional /NAME="<study name>" names the PDF that Ctrl+S offers.
struct PreviewCommandLine {
    QString iniFolder; // the "/INI=" folder, empty when not given
    QString printFile; // the print file to show
    QString pdfFile;   // set for --pdf
    QString studyName; // the "/NAME=" text, empty when not given
    bool help = false;
    QString error; // Japanese; set when the command line cannot be used
};

// Reads the arguments after the program name.  The print file's path may have been split at
// blanks by the launcher; the parts are joined again.  Quotes around a value are removed.
PreviewCommandLine ParsePreviewCommandLine(const QStringList& arguments);

// The file name Ctrl+S offers: the study's name when given, else the print file's name; a
// temporary print file ("~PS...") of the print menu gives "計算書.pdf".
QString DefaultPdfName(const PreviewCommandLine& command);

// The usage text of the program (Japanese).
QString PreviewUsage();

} // namespace zul
