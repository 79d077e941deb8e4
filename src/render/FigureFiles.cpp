#include "render/FigureFiles.h"

#include "util/Cp932.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

namespace zul {

namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

QString decode(std::string_view bytes) {
    const auto text = DecodeCp932(bytes);
    return text ? QString::fromStdString(*text) : QString::fromLatin1(bytes);
}

// The numbers of a line whose items are separated by commas and/or blanks.
std::optional<std::vector<double>> numbers(std::string_view line) {
    const QString text = QString::fromLatin1(line);
    std::vector<double> values;
    for (const QString& part :
         text.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts)) {
        bool ok = false;
        const double value = part.toDouble(&ok);
        if (!ok || !std::isfinite(value)) {
            return std::nullopt;
        }
        values.push_back(value);
    }
    return values;
}

int toInt(double value) {
    if (!(value > -1e9 && value < 1e9)) {
        return 0;
    }
    return static_cast<int>(std::lround(value));
}

// Whether drawing the figure would take too long: its fills crossing an average row of the
// figure more than kMaxFigureFillCrossings times, its lines longer than kMaxFigureStrokes
// times its width plus height, or its texts longer than kMaxFigureTextCharacters.
std::optional<QString> drawingBeyondBounds(const FigureData& figure) {
    double left = 0, right = 0, bottom = 0, top = 0;
    bool first = true;
    for (const auto& [number, p] : figure.points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            continue;
        }
        left = first ? p.x : std::min(left, p.x);
        right = first ? p.x : std::max(right, p.x);
        bottom = first ? p.y : std::min(bottom, p.y);
        top = first ? p.y : std::max(top, p.y);
        first = false;
    }
    const double height = std::max(top - bottom, 1.0); // millimetres
    const double size = std::max(right - left, 1.0) + height;
    const auto at = [&](int number) -> std::optional<FigurePoint> {
        const auto found = figure.points.find(number);
        if (found == figure.points.end() || !std::isfinite(found->second.x) ||
            !std::isfinite(found->second.y)) {
            return std::nullopt;
        }
        return found->second;
    };
    double crossings = 0;
    for (const FigureFill& fill : figure.fills) {
        for (std::size_t i = 0; i < fill.points.size(); ++i) {
            const auto a = at(fill.points[i]);
            const auto b = at(fill.points[(i + 1) % fill.points.size()]);
            if (a && b) {
                crossings += std::min(std::fabs(b->y - a->y), 2000.0) / height;
            }
        }
    }
    if (crossings > kMaxFigureFillCrossings) {
        return QStringLiteral("塗潰しが複雑すぎます");
    }
    double strokes = 0;
    const auto stroke = [&](int a, int b) {
        const auto p = at(a);
        const auto q = at(b);
        if (p && q) {
            strokes += std::min(std::fabs(q->x - p->x) + std::fabs(q->y - p->y), 4000.0) / size;
        }
    };
    for (const FigureLine& line : figure.lines) {
        stroke(line.a, line.b);
    }
    for (const FigureLine& arrow : figure.arrows) {
        stroke(arrow.a, arrow.b);
    }
    for (const FigureRect& rect : figure.rects) {
        stroke(rect.a, rect.b);
        // a rectangle's outline: twice the run and rise of its diagonal
        stroke(rect.a, rect.b);
    }
    for (const FigureCircle& circle : figure.circles) {
        strokes += 2 * std::numbers::pi * std::min(std::fabs(circle.radius), 1000.0) / size;
    }
    for (const FigureArc& arc : figure.arcs) {
        strokes += 2 * std::numbers::pi * std::min(std::fabs(arc.values[2]), 1000.0) / size;
    }
    if (strokes > kMaxFigureStrokes) {
        return QStringLiteral("線が長すぎます");
    }
    qsizetype characters = 0;
    for (const FigureText& text : figure.texts) {
        characters += text.text.size();
    }
    if (characters > static_cast<qsizetype>(kMaxFigureTextCharacters)) {
        return QStringLiteral("文字が %1 字を超えます").arg(kMaxFigureTextCharacters);
    }
    return std::nullopt;
}

void fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

} // namespace

std::optional<FigureData> ParseFigureDataFile(std::string_view cp932, QString* error) {
    const std::vector<std::string_view> lines = splitLines(cp932);
    if (lines.size() < 3) {
        fail(error, QStringLiteral("図形データファイルの形式が正しくありません。"));
        return std::nullopt;
    }
    FigureData figure;
    figure.title = decode(lines[0]);
    figure.subtitle = decode(lines[1]);
    std::size_t i = 3; // the extent line is recomputed by whoever needs it
    const auto bad = [&](std::size_t at) {
        fail(error, QStringLiteral("図形データファイルの %1 行目が読めません。").arg(at + 1));
        return std::nullopt;
    };
    const auto tooMany = [&](const QString& what, std::size_t most) {
        fail(error, QStringLiteral("%1が多すぎます（%2 まで）").arg(what).arg(most));
        return std::nullopt;
    };
    std::size_t items = 0;
    while (i < lines.size()) {
        if (figure.points.size() > kMaxFigurePoints) {
            return tooMany(QStringLiteral("図形の点"), kMaxFigurePoints);
        }
        if (items > kMaxFigureItems) {
            return tooMany(QStringLiteral("図形の要素"), kMaxFigureItems);
        }
        const QString block = decode(lines[i]).trimmed();
        ++i;
        if (block.isEmpty()) {
            continue;
        }
        const bool known = block == QStringLiteral("座標情報") || block == QStringLiteral("矩形情報") ||
                           block == QStringLiteral("線分情報") || block == QStringLiteral("円情報") ||
                           block == QStringLiteral("円弧情報") || block == QStringLiteral("塗潰情報") ||
                           block == QStringLiteral("矢印(1)") || block == QStringLiteral("文字情報");
        if (!known) {
            return bad(i - 1);
        }
        for (; i < lines.size(); ++i) {
            if (figure.points.size() > kMaxFigurePoints) {
                return tooMany(QStringLiteral("図形の点"), kMaxFigurePoints);
            }
            if (items > kMaxFigureItems) {
                return tooMany(QStringLiteral("図形の要素"), kMaxFigureItems);
            }
            if (decode(lines[i]).trimmed() == QStringLiteral("END")) {
                ++i;
                break;
            }
            if (block == QStringLiteral("文字情報")) {
                if (i + 1 >= lines.size()) {
                    return bad(i);
                }
                const auto v = numbers(lines[i + 1]);
                if (!v || v->size() < 4) {
                    return bad(i + 1);
                }
                figure.texts.push_back({decode(lines[i]), (*v)[0], (*v)[1], toInt((*v)[2]), toInt((*v)[3])});
                ++items;
                ++i;
                continue;
            }
            if (block == QStringLiteral("塗潰情報")) {
                // number, A, B, then the point list text as it was given
                const QString text = decode(lines[i]);
                const QStringList parts = text.split(QLatin1Char(','));
                if (parts.size() < 3) {
                    return bad(i);
                }
                FigureFill fill{parts[1].trimmed().toInt(), parts[2].trimmed().toInt(), {}};
                const QString rest = parts.mid(3).join(QLatin1Char(' '));
                for (const QString& p :
                     rest.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts)) {
                    bool ok = false;
                    const int number = p.toInt(&ok);
                    if (ok) {
                        fill.points.push_back(number);
                        ++items;
                    }
                }
                figure.fills.push_back(std::move(fill));
                ++items;
                continue;
            }
            const auto v = numbers(lines[i]);
            if (!v) {
                return bad(i);
            }
            const std::vector<double>& n = *v;
            if (block != QStringLiteral("座標情報")) {
                ++items;
            }
            if (block == QStringLiteral("座標情報") && n.size() >= 3) {
                figure.points[toInt(n[0])] = {n[1], n[2]};
            } else if (block == QStringLiteral("矩形情報") && n.size() >= 5) {
                figure.rects.push_back({toInt(n[1]), toInt(n[2]), toInt(n[3]), toInt(n[4])});
            } else if (block == QStringLiteral("線分情報") && n.size() >= 4) {
                figure.lines.push_back({toInt(n[1]), toInt(n[2]), toInt(n[3])});
            } else if (block == QStringLiteral("円情報") && n.size() >= 4) {
                figure.circles.push_back({toInt(n[1]), n[2], toInt(n[3])});
            } else if (block == QStringLiteral("円弧情報") && n.size() >= 7) {
                figure.arcs.push_back({{n[1], n[2], n[3], n[4], n[5]}, toInt(n[6])});
            } else if (block == QStringLiteral("矢印(1)") && n.size() >= 4) {
                figure.arrows.push_back({toInt(n[1]), toInt(n[2]), toInt(n[3])});
            } else {
                return bad(i);
            }
        }
    }
    if (const auto beyond = drawingBeyondBounds(figure)) {
        fail(error, *beyond);
        return std::nullopt;
    }
    return figure;
}

std::optional<FigureIndex> ParseFigureIndexFile(std::string_view cp932, QString* error) {
    const std::vector<std::string_view> lines = splitLines(cp932);
    const auto area = lines.size() >= 2 ? numbers(lines[1]) : std::nullopt;
    if (!area || area->size() < 2 || (*area)[0] <= 0 || (*area)[1] <= 0 || (*area)[0] > 1000 ||
        (*area)[1] > 1000) {
        fail(error, QStringLiteral("図形インデックスファイルの形式が正しくありません。"));
        return std::nullopt;
    }
    FigureIndex index;
    index.title = decode(lines[0]);
    index.areaWidth = (*area)[0];
    index.areaHeight = (*area)[1];
    for (std::size_t i = 2; i < lines.size(); i += 2) {
        const QString path = decode(lines[i]).trimmed();
        if (path == QStringLiteral("END")) {
            return index;
        }
        const auto offset = i + 1 < lines.size() ? numbers(lines[i + 1]) : std::nullopt;
        if (path.isEmpty() || !offset || offset->size() < 2) {
            fail(error, QStringLiteral("図形インデックスファイルの %1 行目が読めません。").arg(i + 2));
            return std::nullopt;
        }
        if (index.entries.size() == kMaxFigureIndexEntries) {
            fail(error,
                 QStringLiteral("図形データファイルが多すぎます（%1 まで）").arg(kMaxFigureIndexEntries));
            return std::nullopt;
        }
        index.entries.push_back({path, (*offset)[0], (*offset)[1]});
    }
    fail(error, QStringLiteral("図形インデックスファイルに END がありません。"));
    return std::nullopt;
}

} // namespace zul
