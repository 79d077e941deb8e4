#include "calc/CalcFailureCauses.h"

#include "calc/basCalcMain.h"
#include "document/ConstructionMethod.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"

#include <array>
#include <cmath>
#include <optional>

namespace zul {

namespace {

// Captions of the inputs as the screens show them.
constexpr std::array<const char*, 4> kLevelNames = {
    "現地盤面標高(m)", "地下水位面標高(m)", "設計地盤面標高(m)（常時）", "設計地盤面標高(m)（ﾚﾍﾞﾙ1地震時）"};
constexpr std::array<const char*, 8> kLayerColumns = {"層種", "層厚ｈ(m)",  "γs(kN/m3)",   "γs'(kN/m3)",
                                                      "Ｎ値", "ｆ (kN/m2)", "ｑｄ(kN/m2)", "係数ＤE"};
constexpr std::array<const char*, 2> kNColumns = {"深度", "Ｎ値"};
constexpr std::array<const char*, 6> kSafetyFactorNames = {
    "安全率（常時・支 持 杭）",        "安全率（常時・摩 擦 杭）",        "安全率（常時・引抜き力）",
    "安全率（ﾚﾍﾞﾙ1地震時・支 持 杭）", "安全率（ﾚﾍﾞﾙ1地震時・摩 擦 杭）", "安全率（ﾚﾍﾞﾙ1地震時・引抜き力）"};
constexpr const char* kStartName = "最小杭長　Ｌmin(m)";
constexpr const char* kEndName = "最大杭長　Ｌmax(m)";
constexpr const char* kStepName = "杭長の増分ﾋﾟｯﾁ　ΔＬ(m)";
constexpr const char* kLengthName = "設計杭長　Ｌ(m)";

std::string LayerName(std::size_t row, std::size_t column) {
    return "地盤条件の第" + std::to_string(row) + "層の「" + kLayerColumns.at(column - 1) + "」";
}

std::string NName(std::size_t row, std::size_t column) {
    return "Ｎ値の" + std::to_string(row) + "行目の「" + kNColumns.at(column - 1) + "」";
}

std::string DiameterName(std::size_t column) {
    return "杭径φ(m)の" + std::to_string(column) + "行目";
}

// Rows of a table the calculation reads: the stored count within the table's bound.
std::size_t RowsRead(std::int32_t count, std::int32_t bound) {
    return static_cast<std::size_t>(count < 0 ? 0 : (count > bound ? bound : count));
}

// The places of the safety factors a calculation divides by for the pile kind.
std::array<std::size_t, 4> SafetyFactorsUsed(const ProjectDocument& doc) {
    const bool endBearing = doc.InpJyoken.Siji == 0;
    return {endBearing ? 1u : 2u, 3u, endBearing ? 4u : 5u, 6u};
}

// The input named as a cause when it holds a text that is no number.
void CheckNumber(const CellValue& cell, const std::string& name, std::vector<std::string>& causes) {
    if (cell.isText() && !cell.toNumber()) {
        causes.push_back(name + "が数値ではありません（「" + cell.text() + "」）。");
    }
}

void FindTextCells(const ProjectDocument& doc, CalcRun run, std::vector<std::string>& causes) {
    for (std::size_t i = 1; i <= kLevelNames.size(); ++i) {
        CheckNumber(doc.JibanLevel(i), kLevelNames[i - 1], causes);
    }
    for (std::size_t r = 1; r <= RowsRead(doc.JibanCount, kMaxLayers); ++r) {
        for (std::size_t c = 1; c <= kLayerColumns.size(); ++c) {
            CheckNumber(doc.JibanLayer(c, r), LayerName(r, c), causes);
        }
    }
    for (std::size_t r = 1; r <= RowsRead(doc.NCount, kMaxNPoints); ++r) {
        for (std::size_t c = 1; c <= kNColumns.size(); ++c) {
            CheckNumber(doc.NData(c, r), NName(r, c), causes);
        }
    }
    for (const std::size_t i : SafetyFactorsUsed(doc)) {
        CheckNumber(doc.Anzen(i), kSafetyFactorNames[i - 1], causes);
    }
    if (run == CalcRun::Table) {
        CheckNumber(doc.RaTable(1), kStartName, causes);
        CheckNumber(doc.RaTable(2), kEndName, causes);
        CheckNumber(doc.RaTable(3), kStepName, causes);
        for (std::size_t k = 1; k <= 10; ++k) {
            CheckNumber(doc.RaTable(10 + k), DiameterName(k), causes);
        }
    }
}

// Causes that show only where the calculation of a pile gets under way.
void FindPileCauses(const ProjectDocument& doc, std::vector<std::string>& causes) {
    if (doc.JibanCount == 0) {
        causes.push_back("地盤条件の層がありません。層を1つ以上入力して下さい。");
    }
    for (const std::size_t i : SafetyFactorsUsed(doc)) {
        const std::optional<double> factor = doc.Anzen(i).toNumber();
        if (factor == 0.0) {
            causes.push_back(std::string(kSafetyFactorNames[i - 1]) +
                             "が 0 です。支持力は安全率で割るため，0 以外にして下さい。");
        } else if (factor && std::fabs(*factor) < 1) {
            causes.push_back(std::string(kSafetyFactorNames[i - 1]) + "（" + GeneralNumberText(*factor) +
                             "）が 1 未満です。安全率で割った支持力が扱える数値を超えることがあります。");
        }
    }
}

// A length of the table in whole tenths of a metre, as the driver counts: nothing when the
// cell is no number or out of the 32-bit range.
std::optional<double> Tenths(const CellValue& cell) {
    const std::optional<double> value = cell.toNumber();
    if (!value) {
        return std::nullopt;
    }
    const double tenths = std::nearbyint(*value * 10);
    if (!(std::fabs(tenths) <= 2147483647.0)) {
        return std::nullopt;
    }
    return tenths;
}

bool AnyDiameterUsed(const ProjectDocument& doc) {
    for (std::size_t k = 1; k <= 10; ++k) {
        const std::optional<double> d = doc.RaTable(10 + k).toNumber();
        if (d && *d > 0.09) {
            return true;
        }
    }
    return false;
}

// Whether the study table with its first length alone fails.
bool FirstLengthFails(const ProjectDocument& doc) {
    ProjectDocument first = doc;
    first.RaTable(2) = first.RaTable(1);
    return !basCalcMain().CalcRaTable(first);
}

// The causes of the study table's lengths, then those of the piles when at least one length
// of one diameter is calculated.
void FindTableCauses(const ProjectDocument& doc, std::vector<std::string>& causes) {
    const std::array<std::pair<const CellValue*, const char*>, 3> lengths = {
        {{&doc.RaTable(1), kStartName}, {&doc.RaTable(2), kEndName}, {&doc.RaTable(3), kStepName}}};
    bool counted = true;
    for (const auto& [cell, name] : lengths) {
        const std::optional<double> value = cell->toNumber();
        if (value && !Tenths(*cell)) {
            causes.push_back(std::string(name) + "（" + GeneralNumberText(*value) + "）が大きすぎます。");
        }
        counted = counted && Tenths(*cell).has_value();
    }
    if (!counted) {
        return;
    }
    const double s = *Tenths(doc.RaTable(1));
    const double e = *Tenths(doc.RaTable(2));
    const double st = *Tenths(doc.RaTable(3));
    if (st == 0) {
        causes.push_back(std::string(kStepName) + "（" + GeneralNumberText(*doc.RaTable(3).toNumber()) +
                         "）は 0.1 m 単位に丸めると 0 になり，杭長を刻めません。0.1 以上にして下さい。");
        return;
    }
    const double count = std::ceil((e - s) / st) + 1;
    if (count > basCalcMain::kMaxTableLengths) {
        causes.push_back("最小杭長から最大杭長までの杭長が " + FormatNumber(count, "#,##0") +
                         " 本になり，上限の " + FormatNumber(basCalcMain::kMaxTableLengths, "#,##0") +
                         " 本を超えます。杭長の範囲か増分ﾋﾟｯﾁを見直して下さい。");
        return;
    }
    if (count < 1 || !AnyDiameterUsed(doc)) {
        return; // no pile is calculated
    }
    FindPileCauses(doc, causes);
    // A first length of 0 or less is named when it alone fails; with another cause present
    // that trial would prove nothing.
    if (causes.empty() && s <= 0 && FirstLengthFails(doc)) {
        causes.push_back(std::string(kStartName) + "（" + GeneralNumberText(*doc.RaTable(1).toNumber()) +
                         "）では最初の杭長が " + FormatNumber(s / 10, "0.0") +
                         " m になり，計算できません。0.1 以上にして下さい。");
    }
}

// A design length of 0 or less is named when the same pile calculates at 0.1 m: the length alone
// is what fails (the conditions screen takes 0; some piles still calculate with it, others not).
void FindLengthCause(const ProjectDocument& doc, std::vector<std::string>& causes) {
    if (!causes.empty() || doc.InpJyoken.L > 0) {
        return;
    }
    ProjectDocument trial = doc;
    trial.InpJyoken.L = 0.1;
    if (basCalcMain().CalcRa(trial)) {
        causes.push_back(
            std::string(kLengthName) + "（" + GeneralNumberText(doc.InpJyoken.L) +
            "）では杭先端が杭頭と同じ高さかそれより上になり，計算できません。0.1 以上にして下さい。");
    }
}

// A value beyond what its screen takes, named with the screen's range: such a value came from
// a file, and a calculation with it runs out of the numbers it can hold.
void CheckRange(double value, double low, double high, const std::string& name,
                std::vector<std::string>& causes) {
    if (!(value >= low && value <= high)) {
        causes.push_back(name + "（" + GeneralNumberText(value) + "）が入力範囲（" + GeneralNumberText(low) +
                         "～" + GeneralNumberText(high) + "）を超えています。");
    }
}

void CheckRange(const CellValue& cell, double low, double high, const std::string& name,
                std::vector<std::string>& causes) {
    if (const std::optional<double> value = cell.toNumber()) {
        CheckRange(*value, low, high, name, causes);
    }
}

// The levels and the N depths, which both calculations read.
void FindGroundRangeCauses(const ProjectDocument& doc, std::vector<std::string>& causes) {
    for (std::size_t i = 1; i <= kLevelNames.size(); ++i) {
        CheckRange(doc.JibanLevel(i), -999.999, 999.999, kLevelNames[i - 1], causes);
    }
    for (std::size_t r = 1; r <= RowsRead(doc.NCount, kMaxNPoints); ++r) {
        CheckRange(doc.NData(1, r), 0, 99.999, NName(r, 1), causes);
    }
}

// The inclination, which both calculations read.
void FindInclinationCause(const ProjectDocument& doc, std::vector<std::string>& causes) {
    if (doc.InpJyoken.Theta >= 90) {
        causes.push_back("打込み角 θ(°)（" + GeneralNumberText(doc.InpJyoken.Theta) +
                         "）が 90 以上です。杭が水平か上向きになり，計算できません。90 未満にして下さい。");
    }
}

// The pile of the conditions: its diameters.
void FindPileShapeCauses(const ProjectDocument& doc, std::vector<std::string>& causes) {
    const CInpJyoken& c = doc.InpJyoken;
    if (!(c.D > 0)) {
        causes.push_back("杭径　Ｄ(m)（" + GeneralNumberText(c.D) +
                         "）が 0 以下です。0 より大きい値にして下さい。");
    }
    if (IsRotaryPressIn(c.Sekou) && !(c.Dw > 0)) {
        causes.push_back("羽根外径　Ｄw(m)（" + GeneralNumberText(c.Dw) +
                         "）が 0 以下です。0 より大きい値にして下さい。");
    }
}

// The design length and the pile head level beyond their screen's range.
void FindPileRangeCauses(const ProjectDocument& doc, std::vector<std::string>& causes) {
    CheckRange(doc.InpJyoken.L, 0, 999.999, kLengthName, causes);
    CheckRange(doc.InpJyoken.ELPU, -999.999, 999.999, "杭頭標高　  (m)", causes);
}

// A calculation that ends in a number too large to hold (infinite or undefined) names that,
// when nothing else explains its failure.
void FindUnboundedResult(const ProjectDocument& doc, std::vector<std::string>& causes) {
    if (!causes.empty()) {
        return;
    }
    basCalcMain trial;
    trial.CalcRa(doc);
    for (int i = 0; i < 2; ++i) {
        const CZul& z = trial.CalcPair(i);
        if (!std::isfinite(z.Ra()) || !std::isfinite(z.Pa()) || !std::isfinite(z.Ru()) ||
            !std::isfinite(z.Pu())) {
            causes.push_back(
                "計算結果が扱える数値の範囲を超えました。値の大きすぎる入力がないか確認して下さい。");
            return;
        }
    }
}

} // namespace

std::vector<std::string> FindCalcFailureCauses(const ProjectDocument& doc, CalcRun run) {
    std::vector<std::string> causes;
    FindTextCells(doc, run, causes);
    FindGroundRangeCauses(doc, causes);
    if (run == CalcRun::Single) {
        FindPileShapeCauses(doc, causes);
        FindPileRangeCauses(doc, causes);
        FindInclinationCause(doc, causes);
        FindPileCauses(doc, causes);
        FindLengthCause(doc, causes);
        FindUnboundedResult(doc, causes);
    } else {
        FindInclinationCause(doc, causes);
        FindTableCauses(doc, causes);
    }
    return causes;
}

std::vector<std::string> InputsBeyondTheirRange(const ProjectDocument& doc) {
    std::vector<std::string> found;
    FindGroundRangeCauses(doc, found);
    FindPileRangeCauses(doc, found);
    return found;
}

std::string EmptyTableReason(const ProjectDocument& doc) {
    const std::optional<double> start = doc.RaTable(1).toNumber();
    const std::optional<double> end = doc.RaTable(2).toNumber();
    const std::optional<double> step = doc.RaTable(3).toNumber();
    if (!start || !end || !step) {
        return {};
    }
    if (*start > *end) {
        return std::string(kStartName) + "（" + GeneralNumberText(*start) + "）が" + kEndName + "（" +
               GeneralNumberText(*end) + "）より大きいため，計算する杭長がありません。";
    }
    if (*step <= 0 && *start < *end) {
        return std::string(kStepName) + "（" + GeneralNumberText(*step) +
               "）が 0 以下のため，最小杭長から最大杭長まで杭長を刻めません。0.1 以上にして下さい。";
    }
    return {};
}

} // namespace zul
