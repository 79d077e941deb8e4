#pragma once

#include "printfile/FigureModel.h"
#include "printfile/PrintFileLines.h"
#include "render/PrintDefinitions.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

// A figure record's files, read at start.
struct FigureAsset {
    QString error; // empty when the figure can be drawn
    FigureIndex index;
    std::vector<FigureData> parts; // one per index entry
};

// A picture record's metafile, read at start.
struct PictureAsset {
    QString error;
    QByteArray data;
};

// A print file and everything it refers to, held in memory: deleting the files afterwards
// changes nothing.  A form feed in lines[i] is kept where it stood.
struct PrintDocument {
    QString sourcePath;
    std::vector<std::string> lines;
    std::map<QString, FigureAsset> figures;
    std::map<QString, PictureAsset> pictures;
    FigureDefinitions definitions;
    std::vector<QString> notes; // definition files that were missing (built-in rows used), lines left out
};

// What could not be read or shown (definition files replaced by the built-in rows, figures and
// graphs that show a note instead, lines and pages beyond the bounds), one Japanese line each;
// empty when everything was read.
std::vector<QString> DocumentProblems(const PrintDocument& document);

// Bounds of what the preview reads and lays out.  A real report is some 50 pages of lines of at
// most a few hundred bytes, with figures of up to 600 points and graphs of a few thousand; the
// bounds stand far above that and only stop files that would take the preview minutes and
// gigabytes.  What goes beyond a bound is left out with a note.
struct PrintInputLimits {
    qint64 printFileBytes = 16 * 1024 * 1024;  // the print file (a real one: well under 1 MB)
    qint64 referencedBytes = 32 * 1024 * 1024; // all files a print file names, definitions included
    qint64 figureFileBytes = 1024 * 1024;      // one figure index or figure data file (real: ~30 kB)
    qint64 metafileBytes = 8 * 1024 * 1024;    // one graph metafile (real: ~100 kB)
    qint64 definitionFileBytes = 64 * 1024;    // LINE_PRN.DEF, STR_PRN.DEF (real: some 200 bytes)
};

// Reads a whole regular file of at most maxBytes with the program's bounded reader; error set
// (a short Japanese reason for the preview's notes) on failure.  The buffer takes the file's own
// size, not the bound.
std::optional<QByteArray> ReadPreviewFile(const QString& path, QString* error,
                                          qint64 maxBytes = PrintInputLimits{}.printFileBytes);

// Reads the print file, the definition files LINE_PRN.DEF and STR_PRN.DEF of definitionFolder
// and every figure and picture file the print file names, within the bounds given (tests use
// small ones).  Fails (error set, Japanese) only when the print file itself cannot be read; a
// referenced file that cannot be read is noted in its asset.
std::optional<PrintDocument> LoadPrintDocument(const QString& printFile, const QString& definitionFolder,
                                               QString* error, const PrintInputLimits& limits = {});

// The same from contents in memory (the referenced files are still read from disk).
PrintDocument BuildPrintDocument(std::string_view cp932, const QString& definitionFolder,
                                 const PrintInputLimits& limits = {});

} // namespace zul
