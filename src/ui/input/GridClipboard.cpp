#include "ui/input/GridClipboard.h"

namespace zul {

QString BlockToClipboardText(const std::vector<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        text += row.join(QLatin1Char('\t'));
        text += QLatin1Char('\n');
    }
    return text;
}

std::vector<QStringList> ClipboardTextToBlock(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (plain.endsWith(QLatin1Char('\n'))) {
        plain.chop(1);
    }
    std::vector<QStringList> rows;
    if (plain.isEmpty()) {
        return rows;
    }
    for (const QString& line : plain.split(QLatin1Char('\n'))) {
        rows.push_back(line.split(QLatin1Char('\t')));
    }
    return rows;
}

} // namespace zul
