#include "ui/input/RenbanPreview.h"

#include <algorithm>

namespace zul {

namespace {

// Heading texts of the four levels by numbering method.
std::array<QString, 4> headings(int method) {
    const QString text = QStringLiteral("○○○");
    switch (method) {
    case 1:
        return {QStringLiteral("(章)") + text, QStringLiteral("(節)") + text, QStringLiteral("(項)") + text,
                QStringLiteral("(No)") + text};
    case 2:
        return {QStringLiteral("(章)") + text, QStringLiteral("(章)-(節)") + text,
                QStringLiteral("(章)-(節)-(項)") + text, QStringLiteral("(No)") + text};
    case 3:
        return {QStringLiteral("(章)") + text, QStringLiteral("(章).(節)") + text,
                QStringLiteral("(章).(節).(項)") + text, QStringLiteral("(No)") + text};
    default:
        return {text, text, text, text};
    }
}

QString preview(int method, const std::array<int, 4>& indents) {
    const std::array<QString, 4> texts = headings(method);
    const auto line = [&](std::size_t level) {
        return QString(std::max(0, indents[level]), QLatin1Char(' ')) + texts[level] + QStringLiteral("\r\n");
    };
    return line(0) + line(1) + line(2) + line(3) + QStringLiteral("\r\n") + line(0) + line(1);
}

} // namespace

QString MethodPreviewText(int method) {
    return preview(method, {0, 2, 4, 8});
}

QString MarginPreviewText(int method, const std::array<int, 4>& margins) {
    return preview(method, margins);
}

} // namespace zul
