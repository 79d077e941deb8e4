#include "printfile/FigureFileReader.h"

#include "util/Cp932.h"
#include "util/NumberText.h"
#include "util/TextLines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

namespace zul {

namespace {

std::string Decode(std::string_view bytes) {
    if (auto text = DecodeCp932(bytes)) {
        return std::move(*text);
    }
    std::string latin1;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            latin1 += c;
        } else {
            latin1 += static_cast<char>(0xC0 | (u >> 6));
            latin1 += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return latin1;
}

// The items of a line separated by commas and/or blanks.
std::vector<std::string_view> Items(std::string_view line) {
    std::vector<std::string_view> items;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ',' || IsBlank(line[i]))) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ',' && !IsBlank(line[i])) {
            ++i;
        }
        if (i > start) {
            items.push_back(line.substr(start, i - start));
        }
    }
    return items;
}

// The numbers of a line whose items are separated by commas and/or blanks.
std::optional<std::vector<double>> Numbers(std::string_view line) {
    std::vector<double> values;
    for (const std::string_view item : Items(line)) {
        const auto value = ParseNumber(item);
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

std::optional<std::int32_t> WholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::int32_t ToInt(double value) {
    if (!(value > -1e9 && value < 1e9)) {
        return 0;
    }
    return static_cast<std::int32_t>(std::lround(value));
}

// Characters of a UTF-8 text as the preview counts them (UTF-16 code units).
std::size_t TextUnits(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        units += (u & 0xC0) != 0x80 ? (u >= 0xF0 ? 2 : 1) : 0;
    }
    return units;
}

// Whether drawing the figure would take too long: its fills crossing an average row of the
// figure more than kMaxFigureFillCrossings times, its lines longer than kMaxFigureStrokes
// times its width plus height, or its texts longer than kMaxFigureTextCharacters.
std::optional<std::string> DrawingBeyondBounds(const FigureData& figure) {
    double left = 0, right = 0, bottom = 0, top = 0;
    bool first = true;
    for (const auto& [number, p] : figure.Points) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) {
            continue;
        }
        left = first ? p.X : std::min(left, p.X);
        right = first ? p.X : std::max(right, p.X);
        bottom = first ? p.Y : std::min(bottom, p.Y);
        top = first ? p.Y : std::max(top, p.Y);
        first = false;
    }
    const double height = std::max(top - bottom, 1.0); // millimetres
    const double size = std::max(right - left, 1.0) + height;
    const auto at = [&](std::int32_t number) -> std::optional<FigPoint> {
        const auto found = figure.Points.find(number);
        if (found == figure.Points.end() || !std::isfinite(found->second.X) ||
            !std::isfinite(found->second.Y)) {
            return std::nullopt;
        }
        return found->second;
    };
    double crossings = 0;
    for (const FigFill& fill : figure.Fills) {
        const std::vector<std::int32_t> corners = FillPointNumbers(fill);
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const auto a = at(corners[i]);
            const auto b = at(corners[(i + 1) % corners.size()]);
            if (a && b) {
                crossings += std::min(std::fabs(b->Y - a->Y), 2000.0) / height;
            }
        }
    }
    if (crossings > kMaxFigureFillCrossings) {
        return "塗潰しが複雑すぎます";
    }
    double strokes = 0;
    const auto stroke = [&](std::int32_t a, std::int32_t b) {
        const auto p = at(a);
        const auto q = at(b);
        if (p && q) {
            strokes += std::min(std::fabs(q->X - p->X) + std::fabs(q->Y - p->Y), 4000.0) / size;
        }
    };
    for (const FigLine& line : figure.Lines) {
        stroke(line.A, line.B);
    }
    for (const FigArrow& arrow : figure.Arrows) {
        stroke(arrow.A, arrow.B);
    }
    for (const FigRect& rect : figure.Rects) {
        // a rectangle's outline: twice the run and rise of its diagonal
        stroke(rect.A, rect.B);
        stroke(rect.A, rect.B);
    }
    for (const FigCircle& circle : figure.Circles) {
        strokes += 2 * std::numbers::pi * std::min(std::fabs(circle.Radius), 1000.0) / size;
    }
    for (const FigArc& arc : figure.Arcs) {
        strokes += 2 * std::numbers::pi * std::min(std::fabs(arc.Values[2]), 1000.0) / size;
    }
    if (strokes > kMaxFigureStrokes) {
        return "線が長すぎます";
    }
    std::size_t characters = 0;
    for (const FigText& text : figure.Texts) {
        characters += TextUnits(text.Text);
    }
    if (characters > kMaxFigureTextCharacters) {
        return "文字が " + std::to_string(kMaxFigureTextCharacters) + " 字を超えます";
    }
    return std::nullopt;
}

template <typename T> std::optional<T> Fail(std::string* error, std::string text) {
    if (error) {
        *error = std::move(text);
    }
    return std::nullopt;
}

enum class Block { Points, Rects, Lines, Circles, Arcs, Fills, Arrows, Texts };

std::optional<Block> BlockOfName(const std::string& name) {
    static const std::pair<const char*, Block> kBlocks[] = {
        {"座標情報", Block::Points}, {"矩形情報", Block::Rects}, {"線分情報", Block::Lines},
        {"円情報", Block::Circles},  {"円弧情報", Block::Arcs},  {"塗潰情報", Block::Fills},
        {"矢印(1)", Block::Arrows},  {"文字情報", Block::Texts}};
    for (const auto& [text, block] : kBlocks) {
        if (name == text) {
            return block;
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<std::int32_t> FillPointNumbers(const FigFill& fill) {
    std::vector<std::int32_t> numbers;
    for (const std::string_view item : Items(fill.Points)) {
        if (const auto n = WholeNumber(item)) {
            numbers.push_back(*n);
        }
    }
    return numbers;
}

std::optional<FigureData> ReadFigureDataFile(std::string_view cp932, std::string* error) {
    const std::vector<std::string_view> lines = SplitLines(cp932);
    if (lines.size() < 3) {
        return Fail<FigureData>(error, "図形データファイルの形式が正しくありません。");
    }
    FigureData figure;
    figure.Title = Decode(lines[0]);
    figure.Subtitle = Decode(lines[1]);
    std::size_t i = 3; // the extent line is recomputed by whoever needs it
    const auto bad = [&](std::size_t at) {
        return Fail<FigureData>(error,
                                "図形データファイルの " + std::to_string(at + 1) + " 行目が読めません。");
    };
    std::size_t items = 0;
    const auto beyond = [&]() -> std::optional<std::string> {
        if (figure.Points.size() > kMaxFigurePoints) {
            return "図形の点が多すぎます（" + std::to_string(kMaxFigurePoints) + " まで）";
        }
        if (items > kMaxFigureItems) {
            return "図形の要素が多すぎます（" + std::to_string(kMaxFigureItems) + " まで）";
        }
        return std::nullopt;
    };
    while (i < lines.size()) {
        if (auto tooMany = beyond()) {
            return Fail<FigureData>(error, *tooMany);
        }
        const std::string name(TrimBlanks(Decode(lines[i])));
        ++i;
        if (name.empty()) {
            continue;
        }
        const auto block = BlockOfName(name);
        if (!block) {
            return bad(i - 1);
        }
        for (; i < lines.size(); ++i) {
            if (auto tooMany = beyond()) {
                return Fail<FigureData>(error, *tooMany);
            }
            if (TrimBlanks(Decode(lines[i])) == "END") {
                ++i;
                break;
            }
            if (*block == Block::Texts) {
                if (i + 1 >= lines.size()) {
                    return bad(i);
                }
                const auto v = Numbers(lines[i + 1]);
                if (!v || v->size() < 4) {
                    return bad(i + 1);
                }
                figure.Texts.push_back({Decode(lines[i]), (*v)[0], (*v)[1], ToInt((*v)[2]), ToInt((*v)[3])});
                ++items;
                ++i;
                continue;
            }
            if (*block == Block::Fills) {
                // number, A, B, then the point list text as it was given
                const std::string text = Decode(lines[i]);
                std::vector<std::size_t> commas;
                for (std::size_t c = text.find(','); c != std::string::npos && commas.size() < 3;
                     c = text.find(',', c + 1)) {
                    commas.push_back(c);
                }
                if (commas.size() < 2) {
                    return bad(i);
                }
                const std::size_t bEnd = commas.size() > 2 ? commas[2] : text.size();
                FigFill fill{
                    WholeNumber(TrimBlanks(text.substr(commas[0] + 1, commas[1] - commas[0] - 1)))
                        .value_or(0),
                    WholeNumber(TrimBlanks(text.substr(commas[1] + 1, bEnd - commas[1] - 1))).value_or(0),
                    commas.size() > 2 ? text.substr(commas[2] + 1) : std::string()};
                items += FillPointNumbers(fill).size() + 1;
                figure.Fills.push_back(std::move(fill));
                continue;
            }
            const auto v = Numbers(lines[i]);
            if (!v) {
                return bad(i);
            }
            const std::vector<double>& n = *v;
            if (*block != Block::Points) {
                ++items;
            }
            if (*block == Block::Points && n.size() >= 3) {
                figure.Points[ToInt(n[0])] = {n[1], n[2]};
            } else if (*block == Block::Rects && n.size() >= 5) {
                figure.Rects.push_back({ToInt(n[1]), ToInt(n[2]), ToInt(n[3]), ToInt(n[4])});
            } else if (*block == Block::Lines && n.size() >= 4) {
                figure.Lines.push_back({ToInt(n[1]), ToInt(n[2]), ToInt(n[3])});
            } else if (*block == Block::Circles && n.size() >= 4) {
                figure.Circles.push_back({ToInt(n[1]), n[2], ToInt(n[3])});
            } else if (*block == Block::Arcs && n.size() >= 7) {
                figure.Arcs.push_back({{n[1], n[2], n[3], n[4], n[5]}, ToInt(n[6])});
            } else if (*block == Block::Arrows && n.size() >= 4) {
                figure.Arrows.push_back({ToInt(n[1]), ToInt(n[2]), ToInt(n[3])});
            } else {
                return bad(i);
            }
        }
    }
    if (auto reason = DrawingBeyondBounds(figure)) {
        return Fail<FigureData>(error, *reason);
    }
    return figure;
}

std::optional<FigureIndex> ReadFigureIndexFile(std::string_view cp932, std::string* error) {
    const std::vector<std::string_view> lines = SplitLines(cp932);
    const auto area = lines.size() >= 2 ? Numbers(lines[1]) : std::nullopt;
    if (!area || area->size() < 2 || (*area)[0] <= 0 || (*area)[1] <= 0 || (*area)[0] > 1000 ||
        (*area)[1] > 1000) {
        return Fail<FigureIndex>(error, "図形インデックスファイルの形式が正しくありません。");
    }
    FigureIndex index;
    index.Title = Decode(lines[0]);
    index.AreaWidth = (*area)[0];
    index.AreaHeight = (*area)[1];
    for (std::size_t i = 2; i < lines.size(); i += 2) {
        std::string path(TrimBlanks(Decode(lines[i])));
        if (path == "END") {
            return index;
        }
        const auto offset = i + 1 < lines.size() ? Numbers(lines[i + 1]) : std::nullopt;
        if (path.empty() || !offset || offset->size() < 2) {
            return Fail<FigureIndex>(error, "図形インデックスファイルの " + std::to_string(i + 2) +
                                                " 行目が読めません。");
        }
        if (index.Entries.size() == kMaxFigureIndexEntries) {
            return Fail<FigureIndex>(error, "図形データファイルが多すぎます（" +
                                                std::to_string(kMaxFigureIndexEntries) + " まで）");
        }
        index.Entries.push_back({std::move(path), (*offset)[0], (*offset)[1]});
    }
    return Fail<FigureIndex>(error, "図形インデックスファイルに END がありません。");
}

} // namespace zul
