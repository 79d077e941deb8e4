#pragma once

#include "render/FigureFiles.h"
#include "render/PrintDefinitions.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

// One line of a print file, read for printing.  Columns count code page 932 bytes.
struct PrintLine {
    enum class Kind { Text, Figure, Picture };
    Kind kind = Kind::Text;
    int headingLevel = 0; // 1 or 2 when the line carries "?R1" / "?R2" (the mark is removed)
    std::string text;     // Text: the bytes to print
    int column = 0;       // Figure, Picture: column of the record's marker
    double offsetX = 0;   // Figure, Picture: the record's numbers, millimetres
    double offsetY = 0;
    double width = 0; // Picture: frame size, millimetres
    double height = 0;
    QString path; // Figure: figure index file; Picture: metafile
};

// Reads one line (without its line end and without form feeds).
PrintLine ParsePrintLine(std::string_view cp932);

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
    std::vector<QString> notes; // definition files that were missing (built-in rows used)
};

// What could not be read (definition files replaced by the built-in rows, figures and graphs that
// show a note instead), one Japanese line each; empty when everything was read.
std::vector<QString> DocumentProblems(const PrintDocument& document);

// The lines of a print file's contents: split at CR LF, LF or CR; no empty last line.
std::vector<std::string> SplitPrintLines(std::string_view cp932);

// Reads the print file, the definition files LINE_PRN.DEF and STR_PRN.DEF of definitionFolder
// and every figure and picture file the print file names.  Fails (error set, Japanese) only
// when the print file itself cannot be read; a referenced file that cannot be read is noted
// in its asset.
std::optional<PrintDocument> LoadPrintDocument(const QString& printFile, const QString& definitionFolder,
                                               QString* error);

// The same from contents in memory (the referenced files are still read from disk).
PrintDocument BuildPrintDocument(std::string_view cp932, const QString& definitionFolder);

// Largest file the preview reads (print file or referenced file).
inline constexpr qint64 kMaxPrintInputBytes = 64 * 1024 * 1024;

// Most bytes all files a print file names may take together.
inline constexpr qint64 kMaxReferencedBytes = 256 * 1024 * 1024;

// Reads a whole file up to kMaxPrintInputBytes; error set (Japanese) on failure.
std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error);

} // namespace zul
