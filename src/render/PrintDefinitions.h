#pragma once

#include <QColor>
#include <QString>

#include <string_view>
#include <vector>

namespace zul {

// One row of LINE_PRN.DEF: how a line kind of a figure is drawn.
struct LineDefinition {
    QString name;
    int style = 0;            // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    int widthHundredths = 18; // line width in 1/100 mm
};

// One row of STR_PRN.DEF: how a text kind of a figure is drawn.
struct TextDefinition {
    QString name;
    int weight = 400; // 400 normal, 700 bold
    QString family = QStringLiteral("IPAGothic");
    int sizeTwips = 170;  // character height, 1/1440 inch
    int spacingTwips = 0; // extra space between characters
    int colour = 0;       // 0xBBGGRR
};

// The rows of the two definition files; kind k is row k (1-based).
struct FigureDefinitions {
    std::vector<LineDefinition> lines;
    std::vector<TextDefinition> texts;

    // The row of a kind; a kind outside the table takes row 1 (or the built-in thin solid
    // line and standard text when the table is empty).
    LineDefinition line(int kind) const;
    TextDefinition text(int kind) const;
};

// The rows shipped beside the programs, used when a definition file is missing or unreadable.
std::vector<LineDefinition> DefaultLineDefinitions();
std::vector<TextDefinition> DefaultTextDefinitions();

// Reads a definition file's contents (code page 932) as the report does; empty when the file
// does not read whole (the caller then draws with the built-in rows).
std::vector<LineDefinition> ParseLineDefinitions(std::string_view cp932);
std::vector<TextDefinition> ParseTextDefinitions(std::string_view cp932);

// A line style of LINE_PRN.DEF as a Qt pen style.
Qt::PenStyle LinePenStyle(int style);

// 0xBBGGRR as a colour.
QColor ColourOfBgr(int bgr);

} // namespace zul
