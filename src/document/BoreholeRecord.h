#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zul {

// Layout of a borehole exchange file, told by the names of its layer elements.
enum class BoreholeLayout { Unknown, V2, V300, V400 };

// One layer of the log, given by its bottom depth (m below the hole top).
struct BoreholeLayer {
    std::optional<double> bottom;
    std::string name;       // as written in the file (UTF-8)
    std::string bottomText; // the bottom depth as written, blanks trimmed (empty: none given)
};

// One standard penetration test.
struct PenetrationTest {
    std::optional<double> startDepth;    // m below the hole top
    std::optional<double> blows;         // total blow count
    std::optional<double> penetrationCm; // total penetration, cm (files of 4.00 give mm)
    // The three values as written, blanks trimmed (empty: none given), to tell a value that is
    // missing from one that is no number.
    std::string startText;
    std::string blowsText;
    std::string penetrationText;
};

// One measurement of the water level in the hole.
struct WaterRecord {
    std::optional<double> depth; // m below the hole top; negative above it; -99.99, -9999: no water
    std::string date;            // 測定年月日 as written, blanks trimmed
    std::string state;           // drilling state as written (code and text)
    std::string depthText;       // the depth as written, blanks trimmed (empty: none given)
    std::string stateCode;       // 掘削状況コード (削孔状況コード of 4.00), blanks trimmed
    std::string stateName;       // 掘削状況 (削孔状況) in words as written
    std::string kindCode;        // 水位種別コード (none in 4.00), blanks trimmed
    std::string kindName;        // 水位種別備考 as written
};

// The contents of one borehole exchange file that an import uses, in file order.
struct BoreholeRecord {
    std::string fileName; // the file's name without its folder (empty when read from bytes)
    std::string name;
    std::string surveyName;  // 調査名
    std::string latitude;    // 緯度 as the file gives it: "34度59分53.2000秒" (empty: none)
    std::string longitude;   // 経度, the same way
    std::string surveyStart; // 調査期間 開始年月日 as written
    std::string surveyEnd;   // 調査期間 終了年月日 as written
    std::string dtdVersion;  // the DTD_version attribute as written
    BoreholeLayout layout = BoreholeLayout::Unknown;
    std::optional<double> elevation;  // of the hole top, m
    std::string elevationText;        // 孔口標高 as written, blanks trimmed (empty: none given)
    std::optional<double> totalDepth; // total drilled length, m
    std::optional<double> latitudeDegrees;  // of the hole, decimal degrees (north positive)
    std::optional<double> longitudeDegrees; // of the hole, decimal degrees (east positive)
    std::vector<BoreholeLayer> layers;
    std::vector<PenetrationTest> tests;
    std::vector<WaterRecord> water;
};

// "2.x", "3.00", "4.00", or "不明".
const char* BoreholeLayoutName(BoreholeLayout layout);

// A water record that gives a level: a number above -99 (-99.99 and -9999 mean no water).
inline bool IsUsableWaterDepth(const std::optional<double>& depth) {
    return depth && *depth > -99;
}

} // namespace zul
