#include "document/BoreholeImport.h"

#include "document/LayerStandardValues.h"
#include "document/RepeatedNotes.h"
#include "document/SoilKind.h"
#include "document/SoilKindOfName.h"
#include "util/NumberText.h"
#include "util/RoundHalfUp.h"

#include <algorithm>
#include <cstddef>

namespace zul {

namespace {

constexpr double kMaxN = 100.0;           // the largest N value the N value screen takes
constexpr double kMaxPointDepth = 99.999; // the deepest depth the N value screen takes
constexpr double kStandardPenetrationCm = 30.0;

std::string Num(double value) {
    return GeneralNumberText(value);
}

// A name as shown in notes: blanks at both ends (the ideographic space too) removed.
std::string TrimmedName(const std::string& name) {
    static constexpr std::string_view kIdeographicSpace = "\u3000";
    std::string_view s = name;
    bool trimmed = true;
    while (trimmed) {
        trimmed = false;
        while (!s.empty() &&
               (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n')) {
            s.remove_prefix(1);
            trimmed = true;
        }
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n')) {
            s.remove_suffix(1);
            trimmed = true;
        }
        if (s.starts_with(kIdeographicSpace)) {
            s.remove_prefix(kIdeographicSpace.size());
            trimmed = true;
        }
        if (s.ends_with(kIdeographicSpace)) {
            s.remove_suffix(kIdeographicSpace.size());
            trimmed = true;
        }
    }
    return std::string(s);
}

std::string Quoted(const std::string& name) {
    return "「" + (name.empty() ? std::string("（名称なし）") : name) + "」";
}

std::string JoinedNames(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names) {
        out += out.empty() ? "" : "・";
        out += name;
    }
    return out;
}

// ---- N values

struct PointWork {
    double depth = 0;
    double n = 0;
};

std::vector<ImportedPoint> ImportPoints(const BoreholeRecord& record, const BoreholeImportOptions& options,
                                        std::vector<std::string>& notes) {
    std::vector<PointWork> points;
    RepeatedNotes refused;
    for (std::size_t i = 0; i < record.tests.size(); ++i) {
        const PenetrationTest& test = record.tests[i];
        const std::string label = test.startDepth ? "深度 " + Num(*test.startDepth) + " m の標準貫入試験"
                                                  : std::to_string(i + 1) + " 番目の標準貫入試験";
        std::string reason;
        if (!test.startDepth) {
            reason = "開始深度がない";
        } else if (!test.blows) {
            reason = "打撃回数がない";
        } else if (!test.penetrationCm) {
            reason = "貫入量がない";
        } else if (*test.penetrationCm <= 0) {
            reason = "貫入量が 0 以下の";
        } else if (*test.startDepth < 0 || *test.blows < 0) {
            reason = "深度または打撃回数が負の";
        }
        if (!reason.empty()) {
            refused.Add(notes, reason, label + "は" + reason + "ため取り込みません。");
            continue;
        }
        const double penetration = *test.penetrationCm;
        const double raw = penetration == kStandardPenetrationCm
                               ? *test.blows
                               : *test.blows * kStandardPenetrationCm / penetration;
        PointWork point;
        point.n = RoundHalfUp(raw, 1);
        const double offset = options.nDepth == NDepthReference::Middle ? penetration / 2 / 100 : 0.0;
        point.depth = RoundHalfUp(*test.startDepth + offset, 3);
        points.push_back(point);
    }
    refused.Summarise(notes, [](const std::string& reason, std::size_t more) {
        return "ほかに標準貫入試験 " + std::to_string(more) + " 件も" + reason + "ため取り込みません。";
    });

    std::size_t tooDeep = 0;
    std::size_t belowLimit = 0;
    std::vector<PointWork> kept;
    for (const PointWork& point : points) {
        if (point.depth > kMaxPointDepth) {
            ++tooDeep;
        } else if (options.maxDepth && point.depth > *options.maxDepth) {
            ++belowLimit;
        } else {
            kept.push_back(point);
        }
    }
    if (tooDeep > 0) {
        notes.push_back("深度が 99.999 m を超える N 値 " + std::to_string(tooDeep) + " 点は取り込みません。");
    }
    if (belowLimit > 0) {
        notes.push_back("取込み深さ " + Num(*options.maxDepth) + " m より深い N 値 " +
                        std::to_string(belowLimit) + " 点は取り込みません。");
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const PointWork& a, const PointWork& b) { return a.depth < b.depth; });
    if (kept.size() > static_cast<std::size_t>(kMaxNPoints)) {
        const std::size_t dropped = kept.size() - static_cast<std::size_t>(kMaxNPoints);
        notes.push_back("N 値が " + std::to_string(kept.size()) + " 点あり，100 点を超えるため深い " +
                        std::to_string(dropped) + " 点（深度 " + Num(kept[kMaxNPoints].depth) +
                        " m 以深）は取り込みません。");
        kept.resize(kMaxNPoints);
    }

    std::vector<ImportedPoint> result;
    result.reserve(kept.size());
    for (PointWork point : kept) {
        if (point.n > kMaxN) {
            notes.push_back("深度 " + Num(point.depth) + " m の N 値 " + Num(point.n) +
                            " は 100 を超えるため 100 としました。");
            point.n = kMaxN;
        }
        if (options.nCap && point.n > *options.nCap) {
            notes.push_back("深度 " + Num(point.depth) + " m の N 値 " + Num(point.n) + " は上限 " +
                            Num(*options.nCap) + " を超えるため " + Num(*options.nCap) + " としました。");
            point.n = *options.nCap;
        }
        result.push_back({point.depth, point.n});
    }
    if (result.empty()) {
        notes.push_back("取り込める N 値がありません。各層の N 値は 0 としました。");
    }
    return result;
}

// ---- layers

// The N value of the profile at a depth: linear between the points, constant above the first
// and below the last, 0 without points.
double InterpolatedN(const std::vector<ImportedPoint>& points, double depth) {
    if (points.empty()) {
        return 0;
    }
    if (depth <= points.front().depth) {
        return points.front().n;
    }
    if (depth >= points.back().depth) {
        return points.back().n;
    }
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const ImportedPoint& a = points[i];
        const ImportedPoint& b = points[i + 1];
        if (a.depth <= depth && depth < b.depth) {
            return a.n + (b.n - a.n) * (depth - a.depth) / (b.depth - a.depth);
        }
    }
    return points.back().n;
}

double RepresentativeN(const std::vector<ImportedPoint>& points, double top, double bottom) {
    double sum = 0;
    std::size_t count = 0;
    for (const ImportedPoint& point : points) {
        if (top <= point.depth && point.depth < bottom) {
            sum += point.n;
            ++count;
        }
    }
    if (count > 0) {
        return RoundHalfUp(sum / static_cast<double>(count), 1);
    }
    return RoundHalfUp(InterpolatedN(points, (top + bottom) / 2), 1);
}

std::vector<ImportedLayer> ReadLayers(const BoreholeRecord& record, const BoreholeImportOptions& options,
                                      std::vector<std::string>& notes) {
    std::vector<ImportedLayer> layers;
    double previousBottom = 0;
    std::size_t belowLimit = 0;
    RepeatedNotes refused;
    for (std::size_t i = 0; i < record.layers.size(); ++i) {
        const BoreholeLayer& source = record.layers[i];
        const std::string name = TrimmedName(source.name);
        const std::string label = std::to_string(i + 1) + " 番目の地層" + Quoted(name);
        if (!source.bottom) {
            refused.Add(notes, "下端深度がない", label + "は下端深度がないため取り込みません。");
            continue;
        }
        if (*source.bottom <= previousBottom) {
            refused.Add(notes, "下端深度が上の地層の下端より深くない",
                        label + "は下端深度 " + Num(*source.bottom) + " m が上の地層の下端 " +
                            Num(previousBottom) + " m より深くないため取り込みません。");
            continue;
        }
        ImportedLayer layer;
        layer.top = previousBottom;
        layer.bottom = *source.bottom;
        previousBottom = *source.bottom;
        if (options.maxDepth && layer.top >= *options.maxDepth) {
            ++belowLimit;
            continue;
        }
        if (options.maxDepth && layer.bottom > *options.maxDepth) {
            notes.push_back(label + "（下端 " + Num(layer.bottom) + " m）は取込み深さ " +
                            Num(*options.maxDepth) + " m で切りました。");
            layer.bottom = *options.maxDepth;
        }
        layer.names.push_back(name);
        const auto kind = SoilKindOfName(name);
        layer.unclassified = !kind.has_value();
        layer.kind = kind.value_or(static_cast<std::int32_t>(SoilKind::Sandy));
        layers.push_back(std::move(layer));
    }
    refused.Summarise(notes, [](const std::string& reason, std::size_t more) {
        return "ほかに地層 " + std::to_string(more) + " 件も" + reason + "ため取り込みません。";
    });
    if (belowLimit > 0) {
        notes.push_back("取込み深さ " + Num(*options.maxDepth) + " m 以深の地層 " +
                        std::to_string(belowLimit) + " 層は取り込みません。");
    }
    return layers;
}

std::vector<ImportedLayer> MergedByKind(const std::vector<ImportedLayer>& layers) {
    std::vector<ImportedLayer> merged;
    for (const ImportedLayer& layer : layers) {
        if (!merged.empty() && merged.back().kind == layer.kind) {
            ImportedLayer& last = merged.back();
            last.bottom = layer.bottom;
            last.unclassified = last.unclassified || layer.unclassified;
            last.names.insert(last.names.end(), layer.names.begin(), layer.names.end());
        } else {
            merged.push_back(layer);
        }
    }
    return merged;
}

} // namespace

double StandardUnitWeight(std::int32_t kind, double n) {
    switch (kind) {
    case static_cast<std::int32_t>(SoilKind::Gravel):
        return n < 30 ? 18 : 20;
    case static_cast<std::int32_t>(SoilKind::Cohesive):
        return n < 8 ? 14 : 18;
    default:
        return n < 30 ? 17 : 19;
    }
}

BoreholeImportPlan PlanBoreholeImport(const BoreholeRecord& record, const BoreholeImportOptions& options,
                                      std::int32_t method) {
    BoreholeImportPlan plan;
    plan.keepDesignLevels = options.keepDesignLevels;
    plan.keepPileHead = options.keepPileHead;
    const auto fail = [&plan](ImportFailure failure, std::string message) {
        plan.failure = failure;
        plan.message = std::move(message);
        plan.layers.clear();
        plan.points.clear();
        return plan;
    };
    if (options.maxDepth && !(*options.maxDepth > 0)) {
        return fail(ImportFailure::Options, "取込み深さは 0 m より深く指定して下さい。");
    }
    if (options.nCap && !(*options.nCap >= 0)) {
        return fail(ImportFailure::Options, "N 値の上限は 0 以上で指定して下さい。");
    }
    if (options.waterRecord &&
        (*options.waterRecord < 1 || static_cast<std::size_t>(*options.waterRecord) > record.water.size())) {
        return fail(ImportFailure::Options, "孔内水位の記録は " + std::to_string(record.water.size()) +
                                                " 件です。" + std::to_string(*options.waterRecord) +
                                                " 番目の記録はありません。");
    }

    std::vector<std::string>& notes = plan.notes;
    std::vector<ImportedLayer> layers = ReadLayers(record, options, notes);
    if (layers.empty()) {
        return fail(ImportFailure::Borehole,
                    "取り込める地層がありません（地層 " + std::to_string(record.layers.size()) + " 件）。");
    }
    if (layers.size() > static_cast<std::size_t>(kMaxLayers)) {
        const std::size_t before = layers.size();
        std::vector<ImportedLayer> merged = MergedByKind(layers);
        if (merged.size() > static_cast<std::size_t>(kMaxLayers)) {
            return fail(ImportFailure::Borehole,
                        "地層が " + std::to_string(before) + " 層あり，同じ層種の隣り合う地層をまとめても " +
                            std::to_string(merged.size()) +
                            " 層で，20 層を超えるため取り込めません。取込み深さを指定して下さい（" +
                            Num(merged[kMaxLayers - 1].bottom) + " m までなら 20 層に収まります）。");
        }
        notes.push_back("地層が " + std::to_string(before) +
                        " 層あり 20 層を超えるため，同じ層種の隣り合う地層をまとめて " +
                        std::to_string(merged.size()) + " 層にしました。");
        layers = std::move(merged);
    }

    plan.points = ImportPoints(record, options, notes);

    for (std::size_t row = 0; row < layers.size(); ++row) {
        ImportedLayer& layer = layers[row];
        if (row < options.kindChoices.size() && options.kindChoices[row] &&
            !SoilKindName(*options.kindChoices[row]).empty()) {
            layer.kind = *options.kindChoices[row];
            layer.kindChosen = true;
        }
        if (layer.unclassified && !layer.kindChosen) {
            notes.push_back("地層" + Quoted(JoinedNames(layer.names)) + "（深度 " + Num(layer.top) + "～" +
                            Num(layer.bottom) +
                            " m）は層種を判定できないため砂質土層としました。層種を確かめて下さい。");
        }
        layer.thickness = RoundHalfUp(layer.bottom - layer.top, 3);
        layer.n = RepresentativeN(plan.points, layer.top, layer.bottom);
        layer.gammaAbove = StandardUnitWeight(layer.kind, layer.n);
        // The standard values of the ground screen, for the study's construction method.
        const LayerStandardValues standard =
            StandardLayerValues(method, layer.kind, layer.gammaAbove, layer.n);
        layer.gammaBelow = RoundHalfUp(standard.gammaBelow, 2);
        layer.f = RoundHalfUp(standard.f, 1);
        layer.qd = RoundHalfUp(standard.qd, 0);
        layer.de = 1;
    }
    plan.layers = std::move(layers);

    if (record.elevation) {
        plan.groundLevel = RoundHalfUp(*record.elevation, 3);
    } else {
        notes.push_back("孔口標高がないため，現地盤面標高は変えません。");
    }
    if (options.waterRecord) {
        const WaterRecord& chosen = record.water[static_cast<std::size_t>(*options.waterRecord - 1)];
        if (IsUsableWaterDepth(chosen.depth)) {
            plan.waterDepth = chosen.depth;
            plan.waterRecord = *options.waterRecord;
        } else {
            notes.push_back(std::to_string(*options.waterRecord) +
                            " 番目の孔内水位の記録には水位がないため，地下水位面標高は変えません。");
        }
    } else {
        for (std::size_t i = record.water.size(); i-- > 0;) {
            if (IsUsableWaterDepth(record.water[i].depth)) {
                plan.waterDepth = record.water[i].depth;
                plan.waterRecord = static_cast<int>(i + 1);
                break;
            }
        }
        if (!plan.waterDepth) {
            notes.push_back("水位を示す孔内水位の記録がないため，地下水位面標高は変えません。");
        }
    }
    if (plan.waterDepth && !record.elevation) {
        notes.push_back("地下水位面標高は今の現地盤面標高から水位の深さ " + Num(*plan.waterDepth) +
                        " m を引いて求めました。");
    }
    plan.elevation = record.elevation;
    return plan;
}

std::optional<double> PileHeadAfterImport(const BoreholeImportPlan& plan, const ProjectDocument& doc) {
    if (!plan.ok() || !plan.groundLevel || plan.keepPileHead) {
        return std::nullopt;
    }
    const double before = doc.JibanLevel(1).numberOrZero();
    return RoundHalfUp(doc.InpJyoken.ELPU + (*plan.groundLevel - before), 3);
}

bool ApplyBoreholeImport(const BoreholeImportPlan& plan, ProjectDocument& doc) {
    if (!plan.ok() || plan.layers.empty() || plan.layers.size() > static_cast<std::size_t>(kMaxLayers) ||
        plan.points.size() > static_cast<std::size_t>(kMaxNPoints)) {
        return false;
    }
    doc.JibanLayer = {};
    doc.NData = {};
    for (std::size_t i = 0; i < plan.layers.size(); ++i) {
        const ImportedLayer& layer = plan.layers[i];
        const std::size_t r = i + 1;
        const double values[8] = {static_cast<double>(layer.kind),
                                  layer.thickness,
                                  layer.gammaAbove,
                                  layer.gammaBelow,
                                  layer.n,
                                  layer.f,
                                  layer.qd,
                                  layer.de};
        for (std::size_t c = 1; c <= 8; ++c) {
            doc.JibanLayer(c, r) = CellValue::Number(values[c - 1]);
        }
    }
    doc.JibanCount = static_cast<std::int32_t>(plan.layers.size());
    for (std::size_t i = 0; i < plan.points.size(); ++i) {
        doc.NData(1, i + 1) = CellValue::Number(plan.points[i].depth);
        doc.NData(2, i + 1) = CellValue::Number(plan.points[i].n);
    }
    doc.NCount = static_cast<std::int32_t>(plan.points.size());

    if (const auto pileHead = PileHeadAfterImport(plan, doc)) {
        doc.InpJyoken.ELPU = *pileHead;
    }
    if (plan.groundLevel) {
        doc.JibanLevel(1) = CellValue::Number(*plan.groundLevel);
    }
    if (plan.waterDepth) {
        // Measured down from the hole top; without its elevation, from the study's ground surface.
        const double top = plan.elevation ? *plan.elevation : doc.JibanLevel(1).numberOrZero();
        doc.JibanLevel(2) = CellValue::Number(RoundHalfUp(top - *plan.waterDepth, 3));
    }
    if (!plan.keepDesignLevels) {
        doc.JibanLevel(3) = doc.JibanLevel(1);
        doc.JibanLevel(4) = doc.JibanLevel(1);
    }
    doc.DataEdited = true;
    doc.RaTableDone = false;
    return true;
}

} // namespace zul
