#include "document/BoreholeWater.h"

#include "util/NumberText.h"
#include "util/TextLines.h"
#include "util/TextNormalize.h"

#include <tuple>

namespace zul {

namespace {

std::string Code(const std::string& text) {
    return std::string(TrimBlanks(NormalizeNfkc(text)));
}

bool SaysNoWater(const std::string& kindCode) {
    return kindCode.size() == 2 && kindCode[1] == '1';
}

// 0 clear water, 1 unknown or no code, 2 mud water.
int KindRank(const std::string& kindCode) {
    if (kindCode.starts_with('1')) {
        return 0;
    }
    return kindCode.starts_with('2') ? 2 : 1;
}

// 掘削完了後 first, then 作業開始時, 作業終了時, 作業中, any other.
int StateRank(const std::string& stateCode) {
    if (stateCode == "4") {
        return 0;
    }
    if (stateCode == "1") {
        return 1;
    }
    if (stateCode == "3") {
        return 2;
    }
    return stateCode == "2" ? 3 : 4;
}

std::string StateMeaning(const std::string& code) {
    if (code == "1") {
        return "作業開始時";
    }
    if (code == "2") {
        return "作業中";
    }
    if (code == "3") {
        return "作業終了時";
    }
    if (code == "4") {
        return "掘削完了後";
    }
    return code == "9" ? "不明" : "";
}

std::string KindMeaning(const std::string& code) {
    if (code.size() != 2) {
        return {};
    }
    const char* water = code[0] == '1'   ? "清水位"
                        : code[0] == '2' ? "泥水位"
                        : code[0] == '9' ? "不明"
                                         : nullptr;
    const char* pressure = code[1] == '1'   ? "水位無し"
                           : code[1] == '2' ? "不圧"
                           : code[1] == '3' ? "被圧"
                           : code[1] == '9' ? "不明"
                                            : nullptr;
    if (water == nullptr || pressure == nullptr) {
        return {};
    }
    if (code == "91") {
        return "水位無し";
    }
    return std::string(water) + "、" + pressure;
}

std::string Worded(const std::string& words, const std::string& code, const std::string& meaning) {
    if (!words.empty()) {
        return words;
    }
    if (!meaning.empty()) {
        return meaning;
    }
    return code.empty() ? "記載なし" : "コード " + code;
}

} // namespace

std::optional<double> DeepestLayerBottom(const BoreholeRecord& record) {
    std::optional<double> deepest;
    for (const BoreholeLayer& layer : record.layers) {
        if (layer.bottom && (!deepest || *layer.bottom > *deepest)) {
            deepest = layer.bottom;
        }
    }
    return deepest;
}

bool WaterRecordCounts(const WaterRecord& water, const std::optional<double>& deepestBottom) {
    return IsUsableWaterDepth(water.depth) && deepestBottom && *water.depth <= *deepestBottom &&
           !SaysNoWater(Code(water.kindCode));
}

int ChooseWaterRecord(const BoreholeRecord& record) {
    const std::optional<double> deepest = DeepestLayerBottom(record);
    int chosen = 0;
    std::tuple<int, int, std::string> best;
    for (std::size_t i = 0; i < record.water.size(); ++i) {
        const WaterRecord& water = record.water[i];
        if (!WaterRecordCounts(water, deepest)) {
            continue;
        }
        // Smaller ranks win; a later date wins, and so does a later record on a tie.
        const auto key =
            std::make_tuple(KindRank(Code(water.kindCode)), StateRank(Code(water.stateCode)), water.date);
        const bool better =
            chosen == 0 || std::get<0>(key) < std::get<0>(best) ||
            (std::get<0>(key) == std::get<0>(best) &&
             (std::get<1>(key) < std::get<1>(best) ||
              (std::get<1>(key) == std::get<1>(best) && std::get<2>(key) >= std::get<2>(best))));
        if (better) {
            chosen = static_cast<int>(i + 1);
            best = key;
        }
    }
    return chosen;
}

std::string WaterRecordWords(const WaterRecord& water) {
    const std::string stateCode = Code(water.stateCode);
    const std::string kindCode = Code(water.kindCode);
    std::string depth = water.depth ? GeneralNumberText(*water.depth) + " m" : "なし";
    if (!water.depth && !water.depthText.empty()) {
        depth = "「" + water.depthText + "」（数値でない）";
    }
    return (water.date.empty() ? std::string("測定日なし") : water.date) + "，掘削状況 " +
           Worded(water.stateName, stateCode, StateMeaning(stateCode)) + "，水位種別 " +
           Worded(water.kindName, kindCode, KindMeaning(kindCode)) + "，深度 " + depth;
}

} // namespace zul
