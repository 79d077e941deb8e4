#include "preview/PreviewCommandLine.h"

#include <QFileInfo>

namespace zul {

namespace {

QString unquoted(QString text) {
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"'))) {
        text = text.mid(1, text.size() - 2);
    }
    return text;
}

} // namespace

PreviewCommandLine ParsePreviewCommandLine(const QStringList& arguments) {
    PreviewCommandLine command;
    QStringList files;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.startsWith(QStringLiteral("/INI="), Qt::CaseInsensitive)) {
            command.iniFolder = unquoted(argument.mid(5));
        } else if (argument.startsWith(QStringLiteral("/NAME="), Qt::CaseInsensitive)) {
            command.studyName = unquoted(argument.mid(6));
        } else if (argument == QStringLiteral("--pdf")) {
            if (i + 1 >= arguments.size()) {
                command.error = QStringLiteral("--pdf の後に出力するPDFファイル名を指定して下さい。");
                return command;
            }
            command.pdfFile = unquoted(arguments[++i]);
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

QString DefaultPdfName(const PreviewCommandLine& command) {
    QString name = QFileInfo(command.studyName).fileName();
    if (name.isEmpty()) {
        name = QFileInfo(command.printFile).completeBaseName();
        if (name.isEmpty() || name.startsWith(QStringLiteral("~PS"))) {
            name = QStringLiteral("計算書");
        }
    } else if (name.endsWith(QStringLiteral(".zul"), Qt::CaseInsensitive)) {
        name.chop(4);
    }
    return name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? name : name + QStringLiteral(".pdf");
}

QString PreviewUsage() {
    return QStringLiteral(
        "使い方:\n"
        "  Preview /INI=\"<データフォルダ>\" <印刷ファイル>   印刷プレビューを表示します\n"
        "  Preview <印刷ファイル>\n"
        "  (/NAME=\"<検討名>\" で PDF 保存の既定のファイル名を指定できます)\n"
        "  Preview --pdf <出力.pdf> <印刷ファイル>          PDFファイルを作成して終了します\n");
}

} // namespace zul
