#include "render/PrintDocument.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "printfile/FigureFileReader.h"
#include "printfile/PrintFileFormat.h"
#include "render/PrintPageLayout.h"
#include "render/WmfPlayer.h"
#include "util/Cp932.h"
#include "util/TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zul {

namespace {

constexpr std::string_view kFullWidthSpace = "\x81\x40";

QString decodePath(std::string_view bytes) {
    const auto text = DecodeCp932(bytes);
    return text ? QString::fromStdString(*text).trimmed() : QString::fromLocal8Bit(bytes).trimmed();
}

// Reads count numbers separated by ";" after the marker; the rest is the path.
bool readNumbers(std::string_view& rest, int count, double* out) {
    for (int i = 0; i < count; ++i) {
        const std::size_t end = rest.find(';');
        if (end == std::string_view::npos) {
            return false;
        }
        std::string_view field = rest.substr(0, end);
        while (!field.empty() && field.front() == ' ') {
            field.remove_prefix(1);
        }
        while (!field.empty() && field.back() == ' ') {
            field.remove_suffix(1);
        }
        double value = 0;
        const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
        // Offsets and sizes are millimetres on a sheet: anything beyond a metre is no record.
        if (result.ec != std::errc() || result.ptr != field.data() + field.size() || !std::isfinite(value) ||
            std::fabs(value) > 1000.0) {
            return false;
        }
        out[i] = value;
        rest.remove_prefix(end + 1);
    }
    return true;
}

} // namespace

PrintLine ParsePrintLine(std::string_view cp932) {
    PrintLine line;
    // A record follows blanks only (half-width or full-width).
    std::size_t pos = 0;
    int column = 0;
    while (pos < cp932.size()) {
        if (cp932[pos] == ' ') {
            ++pos;
            ++column;
        } else if (cp932.substr(pos, 2) == kFullWidthSpace) {
            pos += 2;
            column += 2;
        } else {
            break;
        }
    }
    const std::string_view rest = cp932.substr(pos);
    // A line beyond the bound is text (cut when laid out), never a record naming a file.
    const bool withinBound = cp932.size() <= kMaxPrintLineBytes;
    const bool figure = withinBound && rest.starts_with(kFigureMarker);
    const bool picture = withinBound && rest.starts_with(kPictureMarker);
    if (figure || picture) {
        std::string_view after = rest.substr(kFigureMarker.size());
        double values[4] = {};
        if (readNumbers(after, figure ? 2 : 4, values)) {
            line.kind = figure ? PrintLine::Kind::Figure : PrintLine::Kind::Picture;
            line.column = column;
            line.offsetX = values[0];
            line.offsetY = values[1];
            line.width = values[2];
            line.height = values[3];
            line.path = decodePath(after);
            return line;
        }
    }
    // A heading mark stands after the margin's half-width blanks.
    std::size_t margin = 0;
    while (margin < cp932.size() && cp932[margin] == ' ') {
        ++margin;
    }
    const std::string_view mark = cp932.substr(margin, 3);
    if (mark == kHeading1Marker || mark == kHeading2Marker) {
        line.headingLevel = mark[2] - '0';
        line.text = std::string(cp932.substr(0, margin)) + std::string(cp932.substr(margin + 3));
    } else {
        line.text = std::string(cp932);
    }
    return line;
}

std::vector<std::string> SplitPrintLines(std::string_view cp932, bool* cut) {
    const std::vector<std::string_view> views = SplitLines(cp932, kMaxPrintFileLines, cut);
    return {views.begin(), views.end()};
}

std::optional<QByteArray> ReadPreviewFile(const QString& path, QString* error, qint64 maxBytes) {
    const auto fail = [&](const QString& text) -> std::optional<QByteArray> {
        if (error) {
            *error = text;
        }
        return std::nullopt;
    };
    if (path.isEmpty()) {
        return fail(QStringLiteral("ファイルがありません"));
    }
    std::string bytes;
    bool tooLarge = false;
    const int code = ReadWholeFileUpTo(
        path.toStdString(), static_cast<std::size_t>(std::max<qint64>(maxBytes, 0)), bytes, tooLarge);
    switch (code) {
    case FileError::None:
        break;
    case FileError::FileNotFound:
    case FileError::PathNotFound:
        return fail(QStringLiteral("ファイルがありません"));
    case FileError::PathFileAccess:
        return fail(QStringLiteral("ファイルではありません"));
    default:
        return fail(QStringLiteral("ファイルを読めません"));
    }
    if (tooLarge) {
        return fail(QStringLiteral("ファイルが大きすぎます"));
    }
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

namespace {

// Reads a referenced file of at most maxBytes within what is left of the budget for all files a
// print file names together.
std::optional<QByteArray> readWithin(const QString& path, qint64 maxBytes, qint64& budget, QString* error) {
    const QFileInfo info(path);
    if (info.isFile() && info.size() <= maxBytes && info.size() > budget) {
        *error = QStringLiteral("参照するファイルが合わせて大きすぎます");
        return std::nullopt;
    }
    auto bytes = ReadPreviewFile(path, error, std::min(maxBytes, budget));
    if (bytes) {
        budget -= bytes->size();
    }
    return bytes;
}

FigureAsset loadFigure(const QString& indexPath, const PrintInputLimits& limits, qint64& budget) {
    FigureAsset asset;
    QString error;
    const auto indexBytes = readWithin(indexPath, limits.figureFileBytes, budget, &error);
    if (!indexBytes) {
        asset.error = QStringLiteral("図を表示できません（%1）：%2").arg(error, indexPath);
        return asset;
    }
    std::string reason;
    const auto index =
        ReadFigureIndexFile(std::string_view(indexBytes->constData(), indexBytes->size()), &reason);
    if (!index) {
        asset.error =
            QStringLiteral("図を表示できません（%1）：%2").arg(QString::fromStdString(reason), indexPath);
        return asset;
    }
    asset.index = *index;
    for (const FigureIndexEntry& entry : index->Entries) {
        const QString path = QString::fromStdString(entry.Path);
        const auto dataBytes = readWithin(path, limits.figureFileBytes, budget, &error);
        const auto data =
            dataBytes
                ? ReadFigureDataFile(std::string_view(dataBytes->constData(), dataBytes->size()), &reason)
                : std::nullopt;
        if (!data) {
            if (dataBytes) {
                error = QString::fromStdString(reason);
            }
            asset.error = QStringLiteral("図を表示できません（%1）：%2").arg(error, path);
            asset.parts.clear();
            return asset;
        }
        asset.parts.push_back(*data);
    }
    return asset;
}

PictureAsset loadPicture(const QString& path, const PrintInputLimits& limits, qint64& budget) {
    PictureAsset asset;
    QString error;
    if (auto data = readWithin(path, limits.metafileBytes, budget, &error)) {
        if (const auto problem = MetafileBeyondBounds(*data)) {
            asset.error = QStringLiteral("グラフを表示できません（%1）：%2").arg(*problem, path);
        } else {
            asset.data = std::move(*data);
        }
    } else {
        asset.error = QStringLiteral("グラフを表示できません（%1）：%2").arg(error, path);
    }
    return asset;
}

// A definition file within the budget; no value (the built-in rows stand in) when unreadable.
std::optional<QByteArray> readDefinition(const QString& path, const PrintInputLimits& limits,
                                         qint64& budget) {
    QString error;
    return readWithin(path, limits.definitionFileBytes, budget, &error);
}

} // namespace

PrintDocument BuildPrintDocument(std::string_view cp932, const QString& definitionFolder) {
    return BuildPrintDocument(cp932, definitionFolder, PrintInputLimits{});
}

PrintDocument BuildPrintDocument(std::string_view cp932, const QString& definitionFolder,
                                 const PrintInputLimits& limits) {
    PrintDocument document;
    qint64 budget = limits.referencedBytes;
    bool linesCut = false;
    document.lines = SplitPrintLines(cp932, &linesCut);
    if (linesCut) {
        document.notes.push_back(QStringLiteral("印刷ファイルの行が多すぎます（%1 行目までを表示します）")
                                     .arg(kMaxPrintFileLines));
    }

    const QDir folder(definitionFolder);
    const QString linePath = folder.filePath(QString::fromUtf8(kLineDefinitionFile));
    if (const auto lineBytes = readDefinition(linePath, limits, budget)) {
        document.definitions.lines =
            ParseLineDefinitions(std::string_view(lineBytes->constData(), lineBytes->size()));
    }
    if (document.definitions.lines.empty()) {
        document.definitions.lines = DefaultLineDefinitions();
        document.notes.push_back(QStringLiteral("線種定義を読めません：%1").arg(linePath));
    }
    const QString textPath = folder.filePath(QString::fromUtf8(kTextDefinitionFile));
    if (const auto textBytes = readDefinition(textPath, limits, budget)) {
        document.definitions.texts =
            ParseTextDefinitions(std::string_view(textBytes->constData(), textBytes->size()));
    }
    if (document.definitions.texts.empty()) {
        document.definitions.texts = DefaultTextDefinitions();
        document.notes.push_back(QStringLiteral("文字種定義を読めません：%1").arg(textPath));
    }

    for (const std::string& raw : document.lines) {
        std::size_t start = 0;
        while (start <= raw.size()) {
            std::size_t end = raw.find('\f', start);
            if (end == std::string::npos) {
                end = raw.size();
            }
            const PrintLine line = ParsePrintLine(std::string_view(raw).substr(start, end - start));
            if (line.kind == PrintLine::Kind::Figure && !document.figures.contains(line.path)) {
                document.figures.emplace(line.path, loadFigure(line.path, limits, budget));
            } else if (line.kind == PrintLine::Kind::Picture && !document.pictures.contains(line.path)) {
                document.pictures.emplace(line.path, loadPicture(line.path, limits, budget));
            }
            start = end + 1;
        }
    }
    return document;
}

std::vector<QString> DocumentProblems(const PrintDocument& document) {
    std::vector<QString> problems = document.notes;
    for (const PrintPage& page : LayoutPrintPages(document)) {
        problems.insert(problems.end(), page.notes.begin(), page.notes.end());
    }
    for (const auto& [path, figure] : document.figures) {
        if (!figure.error.isEmpty()) {
            problems.push_back(figure.error);
        }
    }
    for (const auto& [path, picture] : document.pictures) {
        if (!picture.error.isEmpty()) {
            problems.push_back(picture.error);
        }
    }
    return problems;
}

std::optional<PrintDocument> LoadPrintDocument(const QString& printFile, const QString& definitionFolder,
                                               QString* error) {
    return LoadPrintDocument(printFile, definitionFolder, error, PrintInputLimits{});
}

std::optional<PrintDocument> LoadPrintDocument(const QString& printFile, const QString& definitionFolder,
                                               QString* error, const PrintInputLimits& limits) {
    QString reason;
    const auto bytes = ReadPreviewFile(printFile, &reason, limits.printFileBytes);
    if (!bytes) {
        if (error) {
            *error = QStringLiteral("印刷ファイルを開けません（%1）：%2").arg(reason, printFile);
        }
        return std::nullopt;
    }
    PrintDocument document =
        BuildPrintDocument(std::string_view(bytes->constData(), bytes->size()), definitionFolder, limits);
    document.sourcePath = printFile;
    return document;
}

} // namespace zul
