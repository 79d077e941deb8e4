#include "preview/PreviewCommandLine.h"

#include "printfile/PreviewArguments.h"
#include "util/ProgramIdentity.h"

#include <QFileInfo>

#include <optional>
#include <string_view>

namespace zul {

namespace {

QString unquoted(QString text) {
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"'))) {
        text = text.mid(1, text.size() - 2);
    }
    return text;
}

// "x,y,w,h" in whole pixels; an empty or unreadable text gives an invalid rectangle.
QRect rectangleOf(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        return {};
    }
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) {
            return {};
        }
    }
    const QRect rect(values[0], values[1], values[2], values[3]);
    return rect.width() > 0 && rect.height() > 0 ? rect : QRect();
}

QString textOf(std::string_view option) {
    return QString::fromUtf8(option.data(), static_cast<qsizetype>(option.size()));
}

// The value of argument when it is option (its case ignored).
std::optional<QString> valueOf(const QString& argument, std::string_view option) {
    const QString name = textOf(option);
    if (!argument.startsWith(name, Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return unquoted(argument.mid(name.size()));
}

bool isTemporaryPrintFile(const QString& name) {
    return name.startsWith(QStringLiteral("~PS"));
}

} // namespace

PreviewCommandLine ParsePreviewCommandLine(const QStringList& arguments) {
    PreviewCommandLine command;
    QStringList files;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (const auto folder = valueOf(argument, kPreviewIniOption)) {
            command.iniFolder = *folder;
        } else if (const auto name = valueOf(argument, kPreviewNameOption)) {
            command.studyName = *name;
        } else if (const auto title = valueOf(argument, kPreviewTitleOption)) {
            command.caseTitle = *title;
        } else if (const auto file = valueOf(argument, kPreviewFileOption)) {
            command.studyFile = *file;
        } else if (const auto frame = valueOf(argument, kPreviewBesideOption)) {
            command.beside = rectangleOf(*frame);
        } else if (argument == textOf(kPreviewPdfOption)) {
            if (i + 1 >= arguments.size()) {
                command.error = QStringLiteral("--pdf の後に出力するPDFファイル名を指定して下さい。");
                return command;
            }
            command.pdfFile = unquoted(arguments[++i]);
        } else if (argument == textOf(kPreviewNoPageHeadOption)) {
            command.pageHead = false;
        } else if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h") ||
                   argument == QStringLiteral("/?")) {
            command.help = true;
        } else if (argument.startsWith(QStringLiteral("--"))) {
            command.error = QStringLiteral("不明なオプションです：%1").arg(argument);
            return command;
        } else {
            files << argument;
        }
    }
    command.printFile = unquoted(files.join(QLatin1Char(' ')));
    if (!command.help && command.printFile.isEmpty()) {
        command.error = QStringLiteral("印刷ファイルが指定されていません。");
    }
    return command;
}

QString DocumentTitle(const PreviewCommandLine& command) {
    QString name = QFileInfo(command.studyName).fileName();
    if (name.isEmpty()) {
        name = QFileInfo(command.printFile).completeBaseName();
        return isTemporaryPrintFile(name) ? QString() : name;
    }
    if (name.endsWith(QStringLiteral(".zul"), Qt::CaseInsensitive)) {
        name.chop(4);
    }
    return name;
}

QString DefaultPdfName(const PreviewCommandLine& command) {
    QString name = DocumentTitle(command);
    if (name.isEmpty()) {
        name = QStringLiteral("計算書");
    }
    return name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? name : name + QStringLiteral(".pdf");
}

PageHead PageHeadOf(const PreviewCommandLine& command) {
    PageHead head;
    head.shown = command.pageHead;
    head.title = command.caseTitle;
    head.fileName = QFileInfo(command.studyFile).fileName();
    if (command.studyFile.isEmpty() &&
        command.studyName.endsWith(QStringLiteral(".zul"), Qt::CaseInsensitive)) {
        head.fileName = QFileInfo(command.studyName).fileName();
    }
    head.program = QString::fromStdString(ProgramNameAndVersion());
    head.printDate = QString::fromStdString(PrintDateToday());
    return head;
}

QString PreviewUsage() {
    return QStringLiteral(
        "使い方:\n"
        "  Preview /INI=<データフォルダ> <印刷ファイル>   印刷プレビューを表示します\n"
        "  Preview <印刷ファイル>\n"
        "  (/NAME=<検討名> で画面とPDFの表題，PDF保存の既定のファイル名を指定できます)\n"
        "  (/TITLE=<検討ケース名称> と /FILE=<計算データファイル> は各ページの上端に印刷します)\n"
        "  (/BESIDE=x,y,幅,高さ で最初に表示する位置の横に並べる画面の枠を指定できます)\n"
        "  Preview --pdf <出力.pdf> <印刷ファイル>          PDFファイルを作成して終了します\n"
        "  (--no-page-head でヘッダーとページ番号を印刷しません)\n");
}

} // namespace zul
