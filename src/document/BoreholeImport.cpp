#include "document/BoreholeImport.h"

#include "document/BoreholeSourceOfImport.h"
#include "document/BoreholeWater.h"
#include "document/LayerStandardValues.h"
#include "document/RepeatedNotes.h"
#include "document/SoilKind.h"
#include "document/SoilKindOfName.h"
#include "util/Cp932.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"
#include "util/RoundHalfUp.h"
#include "util/TextLines.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace zul {

namespace {

constexpr double kMaxN = 100.0;           // the largest N value the N value screen takes
constexpr double kMaxPointDepth = 99.999; // the deepest depth the N value screen takes
constexpr double kStandardPenetrationCm = 30.0;
constexpr double kMaxLevel = 999.999; // the screens' range of levels and of a layer thickness

std::string Num(double value) {
    return GeneralNumberText(value);
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
    ImportedPoint point;
    const PenetrationTest* test = nullptr;
};

// Why a value of a test is unusable: missing, or present but no number.
std::string Missing(const char* what, const std::optional<double>& value, const std::string& text) {
    if (value) {
        return {};
    }
    return text.empty() ? std::string(what) + "がない" : std::string(what) + "「" + text + "」が数値でない";
}

SourceTest Dropped(const PenetrationTest& test, std::string reason) {
    return {test.startDepth, test.blows, test.penetrationCm, std::move(reason)};
}

std::string BlowsAndPenetration(const PenetrationTest& test) {
    return Num(test.blows.value_or(0)) + " 回／" + Num(test.penetrationCm.value_or(0)) + " cm";
}

std::vector<ImportedPoint> ImportPoints(const BoreholeRecord& record, const BoreholeImportOptions& options,
                                        std::vector<std::string>& notes, std::vector<SourceTest>& dropped) {
    std::vector<PointWork> points;
    RepeatedNotes refused;
    for (std::size_t i = 0; i < record.tests.size(); ++i) {
        const PenetrationTest& test = record.tests[i];
        const std::string label = test.startDepth ? "深度 " + Num(*test.startDepth) + " m の標準貫入試験"
                                                  : std::to_string(i + 1) + " 番目の標準貫入試験";
        std::string reason = Missing("開始深度", test.startDepth, test.startText);
        if (reason.empty()) {
            reason = Missing("打撃回数", test.blows, test.blowsText);
        }
        if (reason.empty()) {
            reason = Missing("貫入量", test.penetrationCm, test.penetrationText);
        }
        if (reason.empty() && *test.penetrationCm == 0 && *test.blows > 0) {
            // Refused: the rod did not go in.  Kept in the record, not an N value.
            notes.push_back(label + "（" + BlowsAndPenetration(test) +
                            "）は貫入不能のため N 値に入れません。");
            dropped.push_back(Dropped(test, "貫入不能"));
            continue;
        }
        if (reason.empty() && *test.penetrationCm <= 0) {
            reason = "貫入量が 0 以下の";
        } else if (reason.empty() && (*test.startDepth < 0 || *test.blows < 0)) {
            reason = "深度または打撃回数が負の";
        }
        if (!reason.empty()) {
            refused.Add(notes, reason, label + "は" + reason + "ため取り込みません。");
            if (reason.ends_with("の")) {
                reason.resize(reason.size() - std::string_view("の").size());
            }
            dropped.push_back(Dropped(test, reason));
            continue;
        }
        const double penetration = *test.penetrationCm;
        const double raw = penetration == kStandardPenetrationCm
                               ? *test.blows
                               : *test.blows * kStandardPenetrationCm / penetration;
        PointWork work;
        work.test = &test;
        work.point.n = RoundHalfUp(raw, 1);
        const double offset = options.nDepth == NDepthReference::Middle ? penetration / 2 / 100 : 0.0;
        work.point.depth = RoundHalfUp(*test.startDepth + offset, 3);
        work.point.blows = test.blows;
        work.point.penetrationCm = test.penetrationCm;
        if (*test.blows == 0) {
            work.point.flag = NPointFlag::SelfSink;
        }
        points.push_back(work);
    }
    refused.Summarise(notes, [](const std::string& reason, std::size_t more) {
        return "ほかに標準貫入試験 " + std::to_string(more) + " 件も" + reason + "ため取り込みません。";
    });

    std::size_t tooDeep = 0;
    std::size_t belowLimit = 0;
    std::vector<PointWork> kept;
    for (const PointWork& work : points) {
        if (work.point.depth > kMaxPointDepth) {
            ++tooDeep;
            dropped.push_back(Dropped(*work.test, "深度 99.999 m 超"));
        } else if (options.maxDepth && work.point.depth > *options.maxDepth) {
            ++belowLimit;
            dropped.push_back(Dropped(*work.test, "取込み深さより深い"));
        } else {
            kept.push_back(work);
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
                     [](const PointWork& a, const PointWork& b) { return a.point.depth < b.point.depth; });
    if (kept.size() > static_cast<std::size_t>(kMaxNPoints)) {
        const std::size_t over = kept.size() - static_cast<std::size_t>(kMaxNPoints);
        notes.push_back("N 値が " + std::to_string(kept.size()) + " 点あり，100 点を超えるため深い " +
                        std::to_string(over) + " 点（深度 " + Num(kept[kMaxNPoints].point.depth) +
                        " m 以深）は取り込みません。");
        for (std::size_t i = kMaxNPoints; i < kept.size(); ++i) {
            dropped.push_back(Dropped(*kept[i].test, "100 点を超える"));
        }
        kept.resize(kMaxNPoints);
    }

    std::vector<ImportedPoint> result;
    std::vector<std::string> selfSunk;
    result.reserve(kept.size());
    for (const PointWork& work : kept) {
        ImportedPoint point = work.point;
        if (point.n > kMaxN) {
            notes.push_back("深度 " + Num(point.depth) + " m の N 値 " + Num(point.n) +
                            " は 100 を超えるため 100 としました。");
            point.n = kMaxN;
            point.flag = NPointFlag::Capped;
        }
        if (options.nCap && point.n > *options.nCap) {
            notes.push_back("深度 " + Num(point.depth) + " m の N 値 " + Num(point.n) + " は上限 " +
                            Num(*options.nCap) + " を超えるため " + Num(*options.nCap) + " としました。");
            point.n = *options.nCap;
            point.flag = NPointFlag::Capped;
        }
        if (point.flag == NPointFlag::SelfSink) {
            selfSunk.push_back(Num(point.depth));
        }
        result.push_back(point);
    }
    if (!selfSunk.empty()) {
        std::string depths;
        for (const std::string& depth : selfSunk) {
            depths += (depths.empty() ? "" : "，") + depth;
        }
        notes.push_back("打撃回数 0（自沈）の N 値 " + std::to_string(selfSunk.size()) +
                        " 点は 0 としました（深度 " + depths + " m）。");
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
        const std::string name(TrimBlanks(source.name));
        const std::string label = std::to_string(i + 1) + " 番目の地層" + Quoted(name);
        if (!source.bottom) {
            const std::string why = Missing("下端深度", source.bottom, source.bottomText);
            refused.Add(notes, why, label + "は" + why + "ため取り込みません。");
            continue;
        }
        if (*source.bottom <= previousBottom) {
            refused.Add(notes, "下端深度が上の地層の下端より深くない",
                        label + "は下端深度 " + Num(*source.bottom) + " m が上の地層の下端 " +
                            Num(previousBottom) + " m より深くないため取り込みません。");
            continue;
        }
        if (RoundHalfUp(*source.bottom - previousBottom, 3) <= 0) {
            notes.push_back(label + "は下端深度 " + Num(*source.bottom) + " m が上の地層の下端 " +
                            Num(previousBottom) + " m に近く，層厚が 0.000 m になるため取り込みません。");
            continue;
        }
        ImportedLayer layer;
        layer.top = previousBottom;
        layer.bottom = *source.bottom;
        previousBottom = *source.bottom;
        if (options.maxDepth && RoundHalfUp(*options.maxDepth - layer.top, 3) <= 0) {
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

// Layer numbers as the notes give them: runs as "6～10", others apart: "1，3～5".
std::string LayerNumbers(const std::vector<std::size_t>& rows) {
    std::string text;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) {
            ++j;
        }
        text += (text.empty() ? "" : "，") + std::to_string(rows[i] + 1);
        if (j > i) {
            text += "～" + std::to_string(rows[j] + 1);
        }
        i = j + 1;
    }
    return text;
}

// Which layers hold no test and took their N value from tests outside them: above the shallowest
// test (its value), between tests (interpolated at the layer's mid-depth) or below the deepest
// test (its value).
void NoteLayersWithoutTests(const std::vector<ImportedLayer>& layers,
                            const std::vector<ImportedPoint>& points, std::vector<std::string>& notes) {
    if (points.empty()) {
        return;
    }
    std::vector<std::size_t> above, between, below;
    for (std::size_t row = 0; row < layers.size(); ++row) {
        const ImportedLayer& layer = layers[row];
        const bool tested = std::any_of(points.begin(), points.end(), [&layer](const ImportedPoint& p) {
            return layer.top <= p.depth && p.depth < layer.bottom;
        });
        if (tested) {
            continue;
        }
        if (layer.bottom <= points.front().depth) {
            above.push_back(row);
        } else if (layer.top > points.back().depth) {
            below.push_back(row);
        } else {
            between.push_back(row);
        }
    }
    if (!above.empty()) {
        notes.push_back("最浅の N 値（深度 " + Num(points.front().depth) + " m）より浅い地層 " +
                        LayerNumbers(above) + " には試験がなく，その N 値 " + Num(points.front().n) +
                        " をとりました。");
    }
    if (!between.empty()) {
        notes.push_back("試験のない地層 " + LayerNumbers(between) +
                        " の N 値は，上下の N 値から層の中央の深度で補間しました。");
    }
    if (!below.empty()) {
        notes.push_back("最深の N 値（深度 " + Num(points.back().depth) + " m）より深い地層 " +
                        LayerNumbers(below) + " には試験がなく，その N 値 " + Num(points.back().n) +
                        " をとりました。");
    }
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
            plan.fittingDepth = merged[kMaxLayers - 1].bottom;
            plan.refusedLayers = merged;
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

    std::vector<SourceTest> dropped;
    plan.points = ImportPoints(record, options, notes, dropped);

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
        if (layer.thickness > kMaxLevel) {
            return fail(ImportFailure::Borehole,
                        "地層 " + std::to_string(row + 1) + Quoted(JoinedNames(layer.names)) + "の層厚 " +
                            Num(layer.thickness) +
                            " m は地盤条件の入力画面の範囲（0.001～999.999 m）を超えるため取り込めません。"
                            "取込み深さを指定して下さい。");
        }
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
    NoteLayersWithoutTests(layers, plan.points, notes);
    plan.layers = std::move(layers);

    if (record.elevation) {
        plan.groundLevel = RoundHalfUp(*record.elevation, 3);
        if (std::abs(*plan.groundLevel) > kMaxLevel) {
            plan.localDatum = true;
            plan.groundLevel = 0.0;
            notes.push_back(
                "孔口標高 " + Num(*record.elevation) +
                " m は画面の範囲（-999.999～999.999 m）を超えるため，孔口を標高 0.000 m（局所基準）"
                "として標高を求めました。本来の孔口標高は取込み元の記録に残します。");
        }
    } else if (!record.elevationText.empty()) {
        notes.push_back("孔口標高「" + record.elevationText +
                        "」が数値でないため，現地盤面標高は変えません。");
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
    } else if (const int chosen = ChooseWaterRecord(record); chosen > 0) {
        plan.waterDepth = record.water[static_cast<std::size_t>(chosen - 1)].depth;
        plan.waterRecord = chosen;
    } else {
        notes.push_back("水位を示す孔内水位の記録がないため，地下水位面標高は変えません。");
    }
    if (plan.waterRecord > 0) {
        notes.push_back("地下水位は孔内水位の " + std::to_string(plan.waterRecord) + " 番目の記録（" +
                        WaterRecordWords(record.water[static_cast<std::size_t>(plan.waterRecord - 1)]) +
                        "，" + (options.waterRecord ? "指定" : "自動選択") + "）から求めました。");
    }
    if (plan.waterDepth && !record.elevation) {
        notes.push_back("地下水位面標高は今の現地盤面標高から水位の深さ " + Num(*plan.waterDepth) +
                        " m を引いて求めました。");
    }
    plan.elevation = record.elevation;
    plan.source = SourceOfImport(record, options, plan, std::move(dropped));
    return plan;
}

BoreholeImportPlan PlanBoreholeImport(const BoreholeRecord& record, const BoreholeImportOptions& options,
                                      const ProjectDocument& study) {
    BoreholeImportPlan plan = PlanBoreholeImport(record, options, study.InpJyoken.Sekou);
    if (plan.ok()) {
        if (std::string refusal = ImportRefusalForStudy(plan, study); !refusal.empty()) {
            plan.failure = ImportFailure::Borehole;
            plan.message = std::move(refusal);
            plan.layers.clear();
            plan.points.clear();
        }
    }
    return plan;
}

namespace {

// The water level elevation the plan gives the study, if any.
std::optional<double> WaterLevelAfterImport(const BoreholeImportPlan& plan, const ProjectDocument& doc) {
    if (!plan.waterDepth) {
        return std::nullopt;
    }
    // Measured down from the hole top; without its elevation, from the study's ground surface.
    const double top = plan.localDatum  ? 0.0
                       : plan.elevation ? *plan.elevation
                                        : doc.JibanLevel(1).numberOrZero();
    return RoundHalfUp(top - *plan.waterDepth, 3);
}

std::string Level(double value) {
    return FormatNumber(value, "+##0.000;-##0.000;0.000");
}

} // namespace

std::string ImportRefusalForStudy(const BoreholeImportPlan& plan, const ProjectDocument& study) {
    if (const auto pileHead = PileHeadAfterImport(plan, study); pileHead && std::abs(*pileHead) > kMaxLevel) {
        return "地盤面に合わせて動かした杭頭標高 " + Num(*pileHead) +
               " m が計算条件の入力画面の範囲（-999.999～999.999 m）を超えるため取り込めません。"
               "杭頭標高を確かめるか，杭頭標高を変えずに取り込んで下さい。";
    }
    if (const auto water = WaterLevelAfterImport(plan, study); water && std::abs(*water) > kMaxLevel) {
        return "地下水位面標高 " + Num(*water) +
               " m が地盤条件の入力画面の範囲（-999.999～999.999 m）を超えるため取り込めません。"
               "孔内水位の記録を確かめて下さい。";
    }
    return {};
}

std::optional<std::string> PileHeadNote(const BoreholeImportPlan& plan, const ProjectDocument& doc) {
    if (!plan.ok() || !plan.groundLevel) {
        return std::nullopt;
    }
    const double before = doc.JibanLevel(1).numberOrZero();
    if (RoundHalfUp(*plan.groundLevel - before, 3) == 0) {
        return std::nullopt;
    }
    const std::string ground = "現地盤面標高 " + Level(before) + " m → " + Level(*plan.groundLevel) + " m";
    if (const auto pileHead = PileHeadAfterImport(plan, doc)) {
        return "杭頭標高を " + Level(doc.InpJyoken.ELPU) + " m から " + Level(*pileHead) +
               " m に変えました（" + ground + "，杭頭の地盤面からの深さを保ちます）。";
    }
    return "杭頭標高 " + Level(doc.InpJyoken.ELPU) + " m は変えていません（" + ground +
           "）。杭頭の地盤面からの深さが変わりました。";
}

std::string StudyTitleOfBorehole(const BoreholeRecord& record) {
    constexpr std::size_t kTitleCharacters = 40;
    std::string name(TrimBlanks(record.name));
    if (name.empty()) {
        name = record.fileName;
        if (const std::size_t dot = name.find_last_of('.'); dot != std::string::npos && dot > 0) {
            name.resize(dot);
        }
    }
    std::string title;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size() && characters < kTitleCharacters;) {
        std::size_t length = 1;
        while (i + length < name.size() && (static_cast<unsigned char>(name[i + length]) & 0xC0) == 0x80) {
            ++length;
        }
        const std::string character = name.substr(i, length);
        if (character == "\"") {
            title += "＂";
        } else if (EncodeCp932(character)) {
            title += character;
        } else {
            title += "?";
        }
        ++characters;
        i += length;
    }
    return title;
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
        plan.points.size() > static_cast<std::size_t>(kMaxNPoints) ||
        !ImportRefusalForStudy(plan, doc).empty()) {
        return false;
    }
    BoreholeSource source = plan.source;
    source.notes = plan.notes;
    if (auto note = PileHeadNote(plan, doc)) {
        source.notes.push_back(std::move(*note));
    }
    const std::optional<double> waterLevel = WaterLevelAfterImport(plan, doc);
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
    if (waterLevel) {
        doc.JibanLevel(2) = CellValue::Number(*waterLevel);
    }
    if (!plan.keepDesignLevels) {
        doc.JibanLevel(3) = doc.JibanLevel(1);
        doc.JibanLevel(4) = doc.JibanLevel(1);
    }
    doc.boreholeSource = std::move(source);
    doc.DataEdited = true;
    doc.RaTableDone = false;
    return true;
}

} // namespace zul
