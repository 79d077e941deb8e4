// Figure of the ground and the pile for the conditions report: the layers as bands, the levels
// the calculation uses and the N values over depth, all on one vertical scale of elevation.
#include "calc/LayerValueNotes.h"
#include "report/ConditionsSupplement.h"
#include "report/FigureFrame.h"
#include "report/LabelStack.h"

#include "document/SoilKind.h"
#include "util/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <vector>

namespace zul {

using namespace figure_drawing;

namespace {

// Geometry in mm, y upward (the figure is centred in its area afterwards).
constexpr double kTopY = 138;      // the highest elevation drawn
constexpr double kBottomY = 6;     // the lowest
constexpr double kLevelRight = 23; // boundary elevations, right-aligned here
constexpr double kBandLeft = 25;   // the layer bands
constexpr double kBandRight = 77;
constexpr double kNameLeft = 27;   // layer names
constexpr double kWaterMarkX = 56; // the ▽ of the ground-water level
constexpr double kPileLeft = 63;   // the pile (not to scale across)
constexpr double kPileRight = 69;
constexpr double kLevelTick = 80; // levels end here; their labels start after
constexpr double kLabelLeft = 83;
constexpr double kChartLeft = 132; // N = 0
constexpr double kChartWidth = 40;
constexpr double kStackedLabelGap = 0.8; // between two stacked labels

std::string Elevation(double el) {
    return FormatNumber(el, "+#0.000;-#0.000") + "m";
}

// The vertical scale: elevations from top to bottom over kTopY..kBottomY.
struct Scale {
    double top = 0, bottom = 0;
    double YOf(double el) const { return kBottomY + (el - bottom) / (top - bottom) * (kTopY - kBottomY); }
    bool Holds(double el) const { return el <= top + 1e-9 && el >= bottom - 1e-9; }
};

// A label of the level lane: its text and the height it stands for.
struct LevelLabel {
    std::string text;
    double y = 0;
    double fromX = kLevelTick; // where its leader starts
};

// The N axis ends at the largest N the N value screen takes; larger values are held at its end.
constexpr double kMostNDrawn = 100;

// The highest N drawn on the N axis: 50, or the largest N rounded up to ten, at most kMostNDrawn.
double NAxisMax(const colZulNs& points) {
    double most = 0;
    for (const clsZulN& p : points) {
        most = std::max(most, p.N);
    }
    return std::clamp(std::ceil(most / 10.0) * 10.0, 50.0, kMostNDrawn);
}

// The height along the pile between yHead and yTip farthest from every level drawn across it
// (layer boundaries, the water and design ground levels): the leader of the diameter label
// drawn there is never mistaken for one of those lines.
double QuietestHeight(double yHead, double yTip, const std::vector<double>& boundaries,
                      std::initializer_list<double> levels, const Scale& scale) {
    std::vector<double> marks{yHead, yTip};
    for (const double el : boundaries) {
        marks.push_back(scale.YOf(el));
    }
    for (const double el : levels) {
        marks.push_back(scale.YOf(el));
    }
    std::erase_if(marks, [&](double y) { return y > yHead || y < yTip; });
    std::sort(marks.begin(), marks.end());
    double best = (yHead + yTip) / 2;
    double widest = -1;
    for (std::size_t i = 1; i < marks.size(); ++i) {
        if (marks[i] - marks[i - 1] > widest) {
            widest = marks[i] - marks[i - 1];
            best = (marks[i] + marks[i - 1]) / 2;
        }
    }
    return best;
}

// The room between the lines drawn across the layer names' lane (heights ys, sorted or not),
// from the top line to the bottom one, each end kept a little clear of its line; the water mark
// (its ▽ and lines around waterY, when a number) is a line too.
std::vector<std::pair<double, double>> FreeIntervals(std::vector<double> ys, double waterY) {
    constexpr double kClear = 0.4; // a line's width and a little air
    std::vector<std::pair<double, double>> blocked;
    for (const double y : ys) {
        blocked.emplace_back(y - kClear, y + kClear);
    }
    if (!std::isnan(waterY)) {
        blocked.emplace_back(waterY - 0.8 - kClear, waterY + 2.2 + kClear);
    }
    std::sort(blocked.begin(), blocked.end());
    std::vector<std::pair<double, double>> room;
    if (ys.empty()) {
        return room;
    }
    const double lowest = *std::min_element(ys.begin(), ys.end());
    const double highest = *std::max_element(ys.begin(), ys.end());
    double from = lowest;
    for (const auto& [low, high] : blocked) {
        if (low > from && from < highest) {
            room.emplace_back(from, std::min(low, highest));
        }
        from = std::max(from, high);
    }
    return room;
}

} // namespace

std::string basMakeIDXFileSoilProfile(ReportRun& run, const ReportContext& ctx, double areaWidth,
                                      double areaHeight) {
    BeginFigure(run, ctx.paths.definitionFolder, 5);
    FigureBuilder& fig = run.Figure();
    fig.SetTextKind(kSmallText);
    const double s = fig.TextSize(kSmallText);
    const CZul& z = ctx.normal;
    const colZulJiban& layers = z.Jiban();
    const colZulNs& points = z.N();
    const bool hasLayers = layers.Count() > 0;
    const double groundTop = hasLayers ? layers.Item(1)->EU : ctx.doc.JibanLevel(1).numberOrZero();

    // The range drawn: the ground, the pile, the design ground levels and the N values; the
    // ground-water level when it lies near it.
    double top = std::max({groundTop, z.ELPU(), z.ELGL(), ctx.quake.ELGL()});
    double bottom = std::min(z.ELPL(), groundTop);
    if (hasLayers) {
        bottom = std::min(bottom, layers.Item(layers.Count())->EL);
    }
    if (points.Count() > 0) {
        bottom = std::min(bottom, groundTop - points.Item(points.Count())->Z);
    }
    const double span = std::max(top - bottom, 1.0);
    const bool waterShown = z.ELWL() >= bottom && z.ELWL() <= top + span / 4;
    if (waterShown) {
        top = std::max(top, z.ELWL());
    }
    const double margin = std::max(top - bottom, 1.0) * 0.03;
    const Scale scale{top + margin, bottom - margin};

    // The layers: bands with their boundaries, numbers and kind names; the layer at the tip of
    // an end-bearing pile is its bearing layer.
    std::vector<double> boundaries;
    if (hasLayers) {
        const double yTop = scale.YOf(layers.Item(1)->EU);
        const double yBottom = scale.YOf(layers.Item(layers.Count())->EL);
        Line(fig, kBandLeft, yTop, kBandLeft, yBottom, kThin);
        Line(fig, kBandRight, yTop, kBandRight, yBottom, kThin);
        Line(fig, kBandLeft - 1, yTop, kBandRight, yTop, kThick); // the ground surface
        boundaries.push_back(layers.Item(1)->EU);
        const std::int32_t tipLayer = TipLayerNumber(z);
        std::vector<double> nameTargets;
        std::vector<std::string> names;
        for (std::int32_t i = 1; i <= layers.Count(); ++i) {
            const clsZulJiban& layer = *layers.Item(i);
            Line(fig, kBandLeft, scale.YOf(layer.EL), kBandRight, scale.YOf(layer.EL), kThin);
            boundaries.push_back(layer.EL);
            std::string name = std::to_string(i) + " " + std::string(SoilKindName(layer.Kind));
            if (z.KuiType() == 0 && i == tipLayer) {
                name += "（支持層）";
            }
            names.push_back(std::move(name));
            nameTargets.push_back((scale.YOf(layer.EU) + scale.YOf(layer.EL)) / 2);
        }
        double widest = 0;
        for (const std::string& name : names) {
            widest = std::max(widest, fig.FigTextWidth(kSmallText, name));
        }
        // Names stand between the lines across their lane (the boundaries, and the water mark
        // when a name reaches it): a thin layer's name goes into the nearest room with a leader.
        std::vector<double> across;
        for (const double el : boundaries) {
            across.push_back(scale.YOf(el));
        }
        const bool reachesWaterMark = kNameLeft + widest + 2.5 > kWaterMarkX - 3.5;
        const auto room = FreeIntervals(across, waterShown && reachesWaterMark ? scale.YOf(z.ELWL()) : NAN);
        const std::vector<double> at =
            PlaceLabelsBetween(nameTargets, s, kStackedLabelGap, room)
                .value_or(StackLabels(nameTargets, s + kStackedLabelGap, kBottomY, kTopY));
        // Leaders run right of every name, so that none crosses another name.
        const double leaderX = kNameLeft + widest + 1.5;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const double w = fig.FigTextWidth(kSmallText, names[i]);
            fig.AddText(names[i], kNameLeft, at[i] - s / 2, kSmallText, 3);
            if (std::fabs(at[i] - nameTargets[i]) > 0.3) {
                Line(fig, kNameLeft + w + 0.5, at[i], leaderX, at[i], kThin);
                Line(fig, leaderX, at[i], leaderX + 1.5, nameTargets[i], kThin);
            }
        }
        // The boundary elevations left of the bands.
        std::vector<double> levelTargets;
        for (const double el : boundaries) {
            levelTargets.push_back(scale.YOf(el));
        }
        const std::vector<double> levelAt = StackLabels(levelTargets, s + kStackedLabelGap, kBottomY, kTopY);
        for (std::size_t i = 0; i < boundaries.size(); ++i) {
            TextRight(fig, Elevation(boundaries[i]), kLevelRight, levelAt[i] - s / 2);
            if (std::fabs(levelAt[i] - levelTargets[i]) > 0.3) {
                Line(fig, kLevelRight + 0.3, levelAt[i], kBandLeft, levelTargets[i], kThin);
            }
        }
    }

    // The pile from its head to its tip, with its centre line.
    const double yHead = scale.YOf(z.ELPU());
    const double yTip = scale.YOf(z.ELPL());
    Line(fig, kPileLeft, yHead, kPileRight, yHead, kThick);
    Line(fig, kPileLeft, yTip, kPileRight, yTip, kThick);
    Line(fig, kPileLeft, yHead, kPileLeft, yTip, kThick);
    Line(fig, kPileRight, yHead, kPileRight, yTip, kThick);
    Line(fig, (kPileLeft + kPileRight) / 2, yHead + 1.5, (kPileLeft + kPileRight) / 2, yTip - 1.5, kCentre);

    // The levels with their labels right of the bands.
    std::vector<LevelLabel> labels;
    labels.push_back({"杭頭標高 ELPU " + Elevation(z.ELPU()), yHead, kPileRight});
    labels.push_back({"杭径 Ｄ＝" + FormatNumber(z.Dp(), "#0.000") + "m",
                      QuietestHeight(yHead, yTip, boundaries, {z.ELWL(), z.ELGL(), ctx.quake.ELGL()}, scale),
                      kPileRight});
    labels.push_back({"杭先端標高 ELPL " + Elevation(z.ELPL()), yTip, kPileRight});
    if (z.IsEcoPile()) {
        // The blades at the tip, wider than the pile.
        Line(fig, kPileLeft - 2, yTip + 0.6, kPileRight + 2, yTip + 0.6, kThick);
        labels.push_back(
            {"羽根外径 Ｄw＝" + FormatNumber(z.Dw(), "#0.000") + "m", yTip + 0.6, kPileRight + 2});
    }
    const std::pair<const char*, double> grounds[] = {{"設計地盤面（常時） ", z.ELGL()},
                                                      {"設計地盤面（レベル１地震時） ", ctx.quake.ELGL()}};
    for (const auto& [name, el] : grounds) {
        const double y = scale.YOf(el);
        // Right of the layer names and the water mark, across the pile.
        Line(fig, kWaterMarkX + 4, y, kLevelTick, y, kCentre);
        labels.push_back({name + Elevation(el), y, kLevelTick});
    }
    if (waterShown) {
        // ▽ drawn with lines, its point on the water level, over the usual two short lines.
        const double y = scale.YOf(z.ELWL());
        const std::int32_t tip = fig.AddPoint(kWaterMarkX, y);
        const std::int32_t left = fig.AddPoint(kWaterMarkX - 1.3, y + 2.2);
        const std::int32_t right = fig.AddPoint(kWaterMarkX + 1.3, y + 2.2);
        fig.AddLine(tip, left, kThin);
        fig.AddLine(left, right, kThin);
        fig.AddLine(right, tip, kThin);
        Line(fig, kWaterMarkX - 3, y, kWaterMarkX + 3, y, kThin);
        Line(fig, kWaterMarkX - 2, y - 0.8, kWaterMarkX + 2, y - 0.8, kThin);
        labels.push_back({"地下水位 ELWL " + Elevation(z.ELWL()), y, kWaterMarkX + 3});
    }
    std::vector<double> targets;
    for (const LevelLabel& l : labels) {
        targets.push_back(l.y);
    }
    const std::vector<double> labelAt = StackLabels(targets, s + kStackedLabelGap, kBottomY, kTopY);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        fig.AddText(labels[i].text, kLabelLeft, labelAt[i] - s / 2, kSmallText, 3);
        Line(fig, labels[i].fromX, labels[i].y, kLabelLeft - 0.5, labelAt[i], kThin);
    }
    if (!waterShown) {
        fig.AddText("地下水位 ELWL " + Elevation(z.ELWL()) + "（図の範囲外）", kLabelLeft, kBottomY - s - 2,
                    kSmallText, 3);
    }

    // The N values over depth on the same vertical scale: the axis with its scale on top, the
    // grid, the layer boundaries and the line through the points.
    const double nMax = NAxisMax(points);
    const double perN = kChartWidth / nMax;
    const double step = nMax <= 60 ? 10 : nMax <= 120 ? 20 : 50;
    const double chartTop = kTopY;
    Line(fig, kChartLeft, chartTop, kChartLeft + kChartWidth, chartTop, kThin);
    Line(fig, kChartLeft, chartTop, kChartLeft, kBottomY, kThin);
    for (double n = 0; n <= nMax + 1e-9; n += step) {
        const double x = kChartLeft + n * perN;
        Line(fig, x, chartTop, x, chartTop + 1, kThin);
        if (n > 0) {
            Line(fig, x, chartTop, x, kBottomY, kDotted);
        }
        TextCentred(fig, FormatNumber(n, "##0"), x, chartTop + 1.5);
    }
    TextCentred(fig, "Ｎ値", kChartLeft + kChartWidth / 2, chartTop + 2.5 + s);
    for (const double el : boundaries) {
        Line(fig, kChartLeft, scale.YOf(el), kChartLeft + kChartWidth, scale.YOf(el), kDotted);
    }
    std::int32_t previous = 0;
    for (const clsZulN& p : points) {
        const std::int32_t here =
            fig.AddPoint(kChartLeft + std::clamp(p.N, 0.0, nMax) * perN, scale.YOf(groundTop - p.Z));
        fig.AddCircle(here, 0.5, kThin);
        if (previous != 0) {
            fig.AddLine(previous, here, kThick);
        }
        previous = here;
    }
    return FinishFigure(run, areaWidth, areaHeight);
}

} // namespace zul
