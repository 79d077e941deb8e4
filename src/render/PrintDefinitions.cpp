#include "render/PrintDefinitions.h"

#include "util/Cp932.h"

#include <optional>
#include <string>

namespace zul {

namespace {

QString decodeField(std::string_view bytes) {
    const auto text = DecodeCp932(bytes);
    return text ? QString::fromStdString(*text).trimmed() : QString::fromLatin1(bytes).trimmed();
}

// The fields after the header line, split at commas and line ends.
std::vector<QString> fieldsAfterHeader(std::string_view cp932) {
    std::vector<QString> fields;
    const std::size_t headerEnd = cp932.find('\n');
    if (headerEnd == std::string_view::npos) {
        return fields;
    }
    std::string current;
    for (const char c : cp932.substr(headerEnd + 1)) {
        if (c == ',' || c == '\n') {
            fields.push_back(decodeField(current));
            current.clear();
        } else if (c != '\r') {
            current += c;
        }
    }
    if (!current.empty()) {
        fields.push_back(decodeField(current));
    }
    return fields;
}

std::optional<int> toInt(const QString& field) {
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok || value < -2147483648.0 || value > 2147483647.0) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

bool isEnd(const QString& name) {
    return name.compare(QStringLiteral("END"), Qt::CaseInsensitive) == 0;
}

} // namespace

LineDefinition FigureDefinitions::line(int kind) const {
    if (kind >= 1 && static_cast<std::size_t>(kind) <= lines.size()) {
        return lines[static_cast<std::size_t>(kind - 1)];
    }
    return lines.empty() ? LineDefinition{} : lines.front();
}

TextDefinition FigureDefinitions::text(int kind) const {
    if (kind >= 1 && static_cast<std::size_t>(kind) <= texts.size()) {
        return texts[static_cast<std::size_t>(kind - 1)];
    }
    return texts.empty() ? TextDefinition{} : texts.front();
}

std::vector<LineDefinition> DefaultLineDefinitions() {
    return {{QStringLiteral("実線(細)"), 0, 18},
            {QStringLiteral("実線(太)"), 0, 35},
            {QStringLiteral("破線"), 1, 18},
            {QStringLiteral("一点鎖線"), 3, 18},
            {QStringLiteral("点線"), 2, 13}};
}

std::vector<TextDefinition> DefaultTextDefinitions() {
    return {{QStringLiteral("標準"), 400, QStringLiteral("IPAGothic"), 170, 0, 0},
            {QStringLiteral("小"), 400, QStringLiteral("IPAGothic"), 140, 0, 0}};
}

std::vector<LineDefinition> ParseLineDefinitions(std::string_view cp932) {
    const std::vector<QString> fields = fieldsAfterHeader(cp932);
    std::vector<LineDefinition> rows;
    std::size_t i = 0;
    // A row is a name and two numbers; a row with unreadable numbers ends the table.
    while (i + 2 < fields.size() && !isEnd(fields[i]) && rows.size() < 9) {
        const auto style = toInt(fields[i + 1]);
        const auto width = toInt(fields[i + 2]);
        if (!style || !width) {
            break;
        }
        rows.push_back({fields[i], *style, *width});
        i += 3;
    }
    return rows;
}

std::vector<TextDefinition> ParseTextDefinitions(std::string_view cp932) {
    const std::vector<QString> fields = fieldsAfterHeader(cp932);
    std::vector<TextDefinition> rows;
    std::size_t i = 0;
    while (i + 6 < fields.size() && !isEnd(fields[i]) && rows.size() < 9) {
        const auto weight = toInt(fields[i + 1]);
        const auto size = toInt(fields[i + 3]);
        const auto spacing = toInt(fields[i + 4]);
        const auto colour = toInt(fields[i + 5]);
        if (!weight || !size || !spacing || !colour) {
            break;
        }
        TextDefinition row;
        row.name = fields[i];
        row.weight = *weight;
        if (!fields[i + 2].isEmpty()) {
            row.family = fields[i + 2];
        }
        row.sizeTwips = *size;
        row.spacingTwips = *spacing;
        row.colour = *colour;
        rows.push_back(row);
        i += 7;
    }
    return rows;
}

Qt::PenStyle LinePenStyle(int style) {
    switch (style) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

QColor ColourOfBgr(int bgr) {
    const auto value = static_cast<unsigned>(bgr);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace zul
