#include "printfile/FigureFileWriter.h"

#include "printfile/PrintFileFormat.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"

namespace zul {

namespace {

std::string N(double v, const char* picture) {
    return FormatSignedNumber(v, picture);
}

double AsWritten(double v) {
    return ParseNumber(FormatSignedNumber(v, "###0.00")).value_or(0);
}

} // namespace

std::string FigureDataFileText(const FigureData& figure, const FigureExtent& e) {
    std::string out;
    auto line = [&out](std::string_view text) {
        out += text;
        out += kLineEnd;
    };
    line(PrintText(figure.Title));
    line(PrintText(figure.Subtitle));
    std::string extent = N(e.Width, "###0.00\\, ") + N(e.Height, "###0.00\\, ") + N(e.MinX, "###0.00\\, ");
    extent += PrintZonePadding(extent.size());
    extent += N(e.MinY, "###0.00\\, ") + N(e.MaxX, "###0.00\\, ") + N(e.MaxY, "###0.00");
    line(extent);

    const auto id = [](std::size_t i) { return N(static_cast<double>(i + 1), "###0\\, "); };
    const auto ref = [](std::int32_t v) { return N(v, "####0\\, "); };
    const auto last = [](std::int32_t v) { return N(v, "####0"); };
    const auto coord = [](double v) { return N(v, "###0.000000\\, "); };

    line(PrintText("座標情報"));
    for (const auto& [number, p] : figure.Points) {
        line(N(number, "###0\\, ") + coord(p.X) + N(p.Y, "###0.000000"));
    }
    line("END");
    auto block = [&](const auto& table, const char* name, auto&& row) {
        if (table.empty()) {
            return;
        }
        line(PrintText(name));
        for (std::size_t i = 0; i < table.size(); ++i) {
            row(i, table[i]);
        }
        line("END");
    };
    block(figure.Rects, "矩形情報",
          [&](std::size_t i, const FigRect& r) { line(id(i) + ref(r.A) + ref(r.B) + ref(r.C) + last(r.D)); });
    block(figure.Lines, "線分情報",
          [&](std::size_t i, const FigLine& l) { line(id(i) + ref(l.A) + ref(l.B) + last(l.Kind)); });
    block(figure.Circles, "円情報", [&](std::size_t i, const FigCircle& c) {
        line(id(i) + ref(c.Center) + coord(c.Radius) + last(c.Kind));
    });
    block(figure.Arcs, "円弧情報", [&](std::size_t i, const FigArc& a) {
        std::string text = id(i);
        for (const double v : a.Values) {
            text += coord(v);
        }
        line(text + last(a.Kind));
    });
    block(figure.Fills, "塗潰情報", [&](std::size_t i, const FigFill& f) {
        line(id(i) + N(f.A, "###0\\, ") + N(f.B, "###0\\, ") + PrintText(f.Points));
    });
    block(figure.Arrows, "矢印(1)",
          [&](std::size_t i, const FigArrow& a) { line(id(i) + ref(a.A) + ref(a.B) + last(a.Kind)); });
    block(figure.Texts, "文字情報", [&](std::size_t, const FigText& t) {
        line(PrintText(t.Text));
        line(coord(t.X) + coord(t.Y) + N(t.Kind, "##0\\, ") + N(t.Direction, "##0"));
    });
    return out;
}

FigureExtent ExtentAsWritten(const FigureExtent& e) {
    return {AsWritten(e.Width), AsWritten(e.Height), AsWritten(e.MinX),
            AsWritten(e.MinY),  AsWritten(e.MaxX),   AsWritten(e.MaxY)};
}

FigureIndexEntry CentredIndexEntry(std::string path, const FigureExtent& extent, double areaWidth,
                                   double areaHeight) {
    const FigureExtent e = ExtentAsWritten(extent);
    return {std::move(path), (areaWidth - e.Width) / 2 - e.MinX, (areaHeight - e.Height) / 2 - e.MinY};
}

std::string FigureIndexFileText(const FigureIndex& index) {
    std::string out = PrintText(index.Title);
    out += kLineEnd;
    out += PrintNumberPair(index.AreaWidth, index.AreaHeight);
    out += kLineEnd;
    for (const FigureIndexEntry& entry : index.Entries) {
        out += PrintText(entry.Path);
        out += kLineEnd;
        out += PrintNumberPair(entry.OffsetX, entry.OffsetY);
        out += kLineEnd;
    }
    out += "END";
    out += kLineEnd;
    return out;
}

} // namespace zul
