#pragma once

#include <QString>
#include <QStringList>

namespace zul {

// What the Preview program was asked to do.
//   Preview /INI="<data folder>" <print file>   show the pages (the print menu's command line)
//   Preview <print file>                         the same, settings in the per-user data folder
//   Preview --pdf <out.pdf> <print file>         write a PDF without a window and end
struct PreviewCommandLine {
    QString iniFolder; // the "/INI=" folder, empty when not given
    QString printFile; // the print file to show
    QString pdfFile;   // set for --pdf
    bool help = false;
    QString error; // Japanese; set when the command line cannot be used
};

// Reads the arguments after the program name.  The print file's path may have been split at
// blanks by the launcher; the parts are joined again.  Quotes around a value are removed.
PreviewCommandLine ParsePreviewCommandLine(const QStringList& arguments);

// The usage text of the program (Japanese).
QString PreviewUsage();

} // namespace zul
