#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zul {

// What a study's ground was imported from: the borehole file, the survey, the original log
// and tests, and the import's notes.  It travels with the study in its file so that a checker
// who receives the study can see where the ground came from and how good its data is.
// Texts are UTF-8 as the file gives them; numbers as read (empty where the file has none).

// What the import noticed about one N value.
enum class NPointFlag {
    None,
    Capped,   // 上限: the N value was held at the upper bound
    SelfSink, // 自沈: 0 blows, the rod sank under its own weight
};

// One layer of the imported ground as the import made it.
struct SourceLayer {
    std::vector<std::string> originalNames; // 元の土質名, several when layers were merged
    std::int32_t kind = 0;                  // the kind assigned (0 sandy, 1 clayey, 2 gravel)
    bool kindChosen = false;                // the engineer changed the kind in the import dialog
    double thickness = 0;                   // m, as imported
    double n = 0;                           // N value of the layer as imported
    bool operator==(const SourceLayer&) const = default;
};

// One N value as the import made it, with the test it came from.
struct SourcePoint {
    double depth = 0; // m below the first layer's top, as in the study
    double n = 0;     // as imported
    std::optional<double> blows;
    std::optional<double> penetrationCm;
    NPointFlag flag = NPointFlag::None;
    bool operator==(const SourcePoint&) const = default;
};

// A test of the file that gave no N value: refused (blows with no penetration) or dropped.
struct SourceTest {
    std::optional<double> depth; // m below the hole top
    std::optional<double> blows;
    std::optional<double> penetrationCm;
    std::string reason; // 貫入不能, or why it was dropped
    bool operator==(const SourceTest&) const = default;
};

struct BoreholeSource {
    std::string fileName;             // the borehole file's name (without folder)
    std::string boreholeName;         // ボーリング名
    std::string surveyName;           // 調査名
    std::string latitude;             // 緯度 as the file gives it (度 分 秒)
    std::string longitude;            // 経度 as the file gives it
    std::optional<double> elevation;  // 孔口標高, the true value even when a local datum was used
    std::optional<double> totalDepth; // 総削孔長
    std::string surveyStart;          // 調査期間 開始年月日
    std::string surveyEnd;            // 調査期間 終了年月日
    std::string layoutVersion;        // DTD_version as written
    std::string importDate;           // YYYY-MM-DD
    std::string importOptions;        // the options of the import in words
    std::string waterRecord;          // the water record used in words, empty: none
    std::vector<SourceLayer> layers;
    std::vector<SourcePoint> points;
    std::vector<SourceTest> refusedTests;
    std::vector<std::string> notes;
    bool operator==(const BoreholeSource&) const = default;
};

} // namespace zul
