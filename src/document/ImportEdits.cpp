#include "document/ImportEdits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace zul {

namespace {

std::int64_t Millimetres(double metres) {
    return std::llround(metres * 1000);
}

std::int64_t Tenths(double n) {
    return std::llround(n * 10);
}

std::string Range(int first, int last) {
    return first == last ? std::to_string(first) : std::to_string(first) + "～" + std::to_string(last);
}

struct Point {
    std::int64_t depth;
    std::int64_t n;
};

} // namespace

ImportEdits FindImportEdits(const ProjectDocument& doc) {
    ImportEdits edits;
    if (!doc.boreholeSource) {
        return edits;
    }
    const BoreholeSource& source = *doc.boreholeSource;
    const int current = std::clamp(doc.JibanCount, 0, kMaxLayers);
    const int imported = static_cast<int>(source.layers.size());
    for (int i = 1; i <= std::min(current, imported); ++i) {
        const SourceLayer& was = source.layers[static_cast<std::size_t>(i - 1)];
        const auto cell = [&](std::size_t column) {
            return doc.JibanLayer(column, static_cast<std::size_t>(i)).numberOrZero();
        };
        ImportEdits::Layer layer;
        layer.number = i;
        layer.kind = std::llround(cell(1)) != was.kind;
        layer.thickness = Millimetres(cell(2)) != Millimetres(was.thickness);
        layer.n = Tenths(cell(5)) != Tenths(was.n);
        if (layer.kind || layer.thickness || layer.n) {
            edits.layers.push_back(layer);
        }
    }
    if (current > imported) {
        edits.firstAddedLayer = imported + 1;
        edits.lastAddedLayer = current;
    } else if (imported > current) {
        edits.firstRemovedLayer = current + 1;
        edits.lastRemovedLayer = imported;
    }

    // Points are matched by depth: the same depth with another N value is a change.
    std::vector<Point> left;
    for (const SourcePoint& p : source.points) {
        left.push_back({Millimetres(p.depth), Tenths(p.n)});
    }
    const int count = std::clamp(doc.NCount, 0, kMaxNPoints);
    for (int r = 1; r <= count; ++r) {
        const auto row = static_cast<std::size_t>(r);
        const Point now{Millimetres(doc.NData(1, row).numberOrZero()),
                        Tenths(doc.NData(2, row).numberOrZero())};
        // An unchanged point first, so that two points at one depth pair up with their own.
        auto match = std::find_if(left.begin(), left.end(),
                                  [&](const Point& p) { return p.depth == now.depth && p.n == now.n; });
        if (match == left.end()) {
            match =
                std::find_if(left.begin(), left.end(), [&](const Point& p) { return p.depth == now.depth; });
            if (match == left.end()) {
                ++edits.pointsAdded;
                continue;
            }
            ++edits.pointsChanged;
        }
        left.erase(match);
    }
    edits.pointsRemoved = static_cast<int>(left.size());
    return edits;
}

std::string ImportEditsText(const ImportEdits& edits) {
    std::vector<std::string> parts;
    for (const ImportEdits::Layer& layer : edits.layers) {
        std::string what;
        for (const auto& [changed, name] : {std::pair{layer.kind, "層種"}, std::pair{layer.thickness, "層厚"},
                                            std::pair{layer.n, "N 値"}}) {
            if (changed) {
                what += (what.empty() ? "" : "・") + std::string(name);
            }
        }
        parts.push_back("地層 " + std::to_string(layer.number) + " の" + what);
    }
    if (edits.firstAddedLayer > 0) {
        parts.push_back("地層 " + Range(edits.firstAddedLayer, edits.lastAddedLayer) + " の追加");
    }
    if (edits.firstRemovedLayer > 0) {
        parts.push_back("取込み時の地層 " + Range(edits.firstRemovedLayer, edits.lastRemovedLayer) +
                        " の削除");
    }
    const int points = edits.pointsChanged + edits.pointsAdded + edits.pointsRemoved;
    if (points > 0) {
        std::string detail;
        for (const auto& [n, name] :
             {std::pair{edits.pointsChanged, "変更"}, std::pair{edits.pointsAdded, "追加"},
              std::pair{edits.pointsRemoved, "削除"}}) {
            if (n > 0) {
                detail += (detail.empty() ? "" : "・") + std::string(name) + " " + std::to_string(n);
            }
        }
        parts.push_back("N 値 " + std::to_string(points) + " 点（" + detail + "）");
    }
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : "，") + part;
    }
    return text;
}

std::string ImportEditsNote(const ProjectDocument& doc) {
    const std::string edits = ImportEditsText(FindImportEdits(doc));
    if (edits.empty()) {
        return {};
    }
    return "取込み後に変更：" + edits + "。ボーリングデータと異なる値の根拠を確認して下さい。";
}

} // namespace zul
