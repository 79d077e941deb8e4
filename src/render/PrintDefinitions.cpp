#include "render/PrintDefinitions.h"

#include "printfile/FigureDefinitions.h"
#include "printfile/PrintFileFormatError.h"
#include "render/PenStyles.h"

namespace zul {

namespace {

// The preview draws with up to nine rows of either kind.
constexpr std::size_t kMostRows = 9;

template <typename Row> Row rowOf(const std::vector<Row>& rows, int kind) {
    if (kind >= 1 && static_cast<std::size_t>(kind) <= rows.size()) {
        return rows[static_cast<std::size_t>(kind - 1)];
    }
    return rows.empty() ? Row{} : rows.front();
}

} // namespace

LineDefinition FigureDefinitions::line(int kind) const {
    return rowOf(lines, kind);
}

TextDefinition FigureDefinitions::text(int kind) const {
    return rowOf(texts, kind);
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
    std::vector<LineDefinition> rows;
    try {
        for (const LineDef& def : ParseLineDefs(cp932, kMostRows)) {
            rows.push_back({QString::fromStdString(def.Name), def.Style, def.Width});
        }
    } catch (const PrintFileFormatError&) {
        return {}; // the built-in rows stand in, with a note
    }
    return rows;
}

std::vector<TextDefinition> ParseTextDefinitions(std::string_view cp932) {
    std::vector<TextDefinition> rows;
    try {
        for (const StrDef& def : ParseStrDefs(cp932, kMostRows)) {
            const QString family =
                def.Font.empty() ? TextDefinition{}.family : QString::fromStdString(def.Font);
            rows.push_back(
                {QString::fromStdString(def.Name), def.Weight, family, def.Size, def.Spacing, def.Colour});
        }
    } catch (const PrintFileFormatError&) {
        return {};
    }
    return rows;
}

Qt::PenStyle LinePenStyle(int style) {
    // A line kind always draws: the metafile's null pen has no place in the definitions.
    return style == kMetafilePenNull ? Qt::SolidLine : QtPenStyle(style);
}

QColor ColourOfBgr(int bgr) {
    const auto value = static_cast<unsigned>(bgr);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace zul
