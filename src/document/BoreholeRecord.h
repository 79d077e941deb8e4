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
    std::string name; // as written in the file (UTF-8)
};

// One standard penetration test.
struct PenetrationTest {
    std::optional<double> startDepth;    // m below the hole top
    std::optional<double> blows;         // total blow count
    std::optional<double> penetrationCm; // total penetration, cm (files of 4.00 give mm)
};

// One measurement of the water level in the hole.
struct WaterRecord {
    std::optional<double> depth; // m below the hole top; negative above it; -99.99, -9999: no water
    std::string date;
    std::string state; // drilling state as written (code and text)
};

// The contents of one borehole exchange file that an import uses, in file order.
struct BoreholeRecord {
    std::string name;
    std::string dtdVersion; // the DTD_version attribute as written
    BoreholeLayout layout = BoreholeLayout::Unknown;
    std::optional<double> elevation;  // of the hole top, m
    std::optional<double> totalDepth; // total drilled length, m
    std::optional<double> latitude;   // of the hole, decimal degrees (north positive)
    std::optional<double> longitude;  // of the hole, decimal degrees (east positive)
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
