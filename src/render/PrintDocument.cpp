#include "render/PrintDocument.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "io/FileMessages.h"
#include "printfile/FigureFileReader.h"
#include "printfile/PrintFileFormat.h"
#include "render/PrintPageLayout.h"
#include "render/WmfPlayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace zul {

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
    if (code != FileError::None) {
        return fail(QString::fromStdString(FileErrorCause(code, FileErrorWording::Phrase)));
    }
    if (tooLarge) {
        return fail(QString::fromStdString(FileErrorCause(FileError::OutOfMemory, FileErrorWording::Phrase)));
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
    // One file of the figure read with its reader; no value, and the asset says why, when it cannot be.
    const auto read = [&](const QString& path, auto reader) {
        QString error;
        std::string reason;
        const auto bytes = readWithin(path, limits.figureFileBytes, budget, &error);
        const auto parsed =
            bytes ? reader(std::string_view(bytes->constData(), bytes->size()), &reason) : std::nullopt;
        if (!parsed) {
            asset.error = QStringLiteral("図を表示できません（%1）：%2")
                              .arg(bytes ? QString::fromStdString(reason) : error, path);
        }
        return parsed;
    };
    const auto index = read(indexPath, ReadFigureIndexFile);
    if (!index) {
        return asset;
    }
    asset.index = *index;
    for (const FigureIndexEntry& entry : index->Entries) {
        const auto data = read(QString::fromStdString(entry.Path), ReadFigureDataFile);
        if (!data) {
            asset.parts.clear();
            return asset;
        }
        asset.parts.push_back(*data);
    }
    return asset;
}

PictureAsset loadPicture(const QString& path, const PrintInputLimits& limits, qint64& budget) {
    PictureAsset asset;
    auto data = readWithin(path, limits.metafileBytes, budget, &asset.error);
    std::optional<QString> problem = data ? MetafileBeyondBounds(*data) : asset.error;
    // A graph is drawn whole or not at all: a cut metafile would show some of its curves only.
    if (!problem && data->isEmpty()) {
        problem = QStringLiteral("ファイルが空です");
    } else if (!problem && !IsMetafile(*data)) {
        problem = QStringLiteral("メタファイルではありません");
    } else if (!problem && !MetafileEndsWhole(*data)) {
        problem = QStringLiteral("メタファイルが途中で切れています");
    }
    if (problem) {
        asset.error = QStringLiteral("グラフを表示できません（%1）：%2").arg(*problem, path);
    } else {
        asset.data = std::move(*data);
    }
    return asset;
}

// The rows of a definition file of folder, read within the budget: the built-in rows, with a
// note, when the file cannot be read or holds no row.
template <typename Row>
std::vector<Row> loadDefinitions(const QDir& folder, std::string_view fileName, const QString& kind,
                                 std::vector<Row> (*parse)(std::string_view), std::vector<Row> (*builtIn)(),
                                 const PrintInputLimits& limits, qint64& budget,
                                 std::vector<QString>& notes) {
    const QString path = folder.filePath(QString::fromUtf8(fileName));
    QString error;
    std::vector<Row> rows;
    if (const auto bytes = readWithin(path, limits.definitionFileBytes, budget, &error)) {
        rows = parse(std::string_view(bytes->constData(), bytes->size()));
    }
    if (rows.empty()) {
        rows = builtIn();
        notes.push_back(QStringLiteral("%1を読めません：%2").arg(kind, path));
    }
    return rows;
}

} // namespace

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
    document.definitions.lines =
        loadDefinitions(folder, kLineDefinitionFile, QStringLiteral("線種定義"), ParseLineDefinitions,
                        DefaultLineDefinitions, limits, budget, document.notes);
    document.definitions.texts =
        loadDefinitions(folder, kTextDefinitionFile, QStringLiteral("文字種定義"), ParseTextDefinitions,
                        DefaultTextDefinitions, limits, budget, document.notes);

    for (const std::string& raw : document.lines) {
        std::size_t start = 0;
        while (start <= raw.size()) {
            const std::size_t end = std::min(raw.find('\f', start), raw.size());
            const PrintLine line = ParsePrintLine(std::string_view(raw).substr(start, end - start));
            const QString path = QString::fromStdString(line.path);
            if (line.kind == PrintLine::Kind::Figure && !document.figures.contains(path)) {
                document.figures.emplace(path, loadFigure(path, limits, budget));
            } else if (line.kind == PrintLine::Kind::Picture && !document.pictures.contains(path)) {
                document.pictures.emplace(path, loadPicture(path, limits, budget));
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
    const auto addErrors = [&problems](const auto& assets) {
        for (const auto& [path, asset] : assets) {
            if (!asset.error.isEmpty()) {
                problems.push_back(asset.error);
            }
        }
    };
    addErrors(document.figures);
    addErrors(document.pictures);
    return problems;
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
