#pragma once

#include "document/BoreholeRecord.h"
#include "util/Cp932.h"
#include "util/TextNormalize.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace zul::test {

// Small borehole exchange files written by the tests themselves, in the element names of each
// layout.  Values are given as the texts to write ("" writes an empty element); penetrations
// in cm, written as mm in the layout 4.00.
struct BoreholeLayerText {
    std::string bottom;
    std::string name;
};

struct PenetrationTestText {
    std::string start;
    std::string blows;
    std::string penetrationCm;
};

struct BoreholeText {
    std::string name = "B-1";
    std::string elevation = "10.00";
    std::string totalDepth = "20.00";
    std::vector<BoreholeLayerText> layers;
    std::vector<PenetrationTestText> tests;
    std::vector<std::string> water; // depths
    // 経度 and 緯度 as degrees, minutes, seconds (six texts); empty: no position
    std::vector<std::string> position;
};

inline const char* DtdVersion(BoreholeLayout layout) {
    switch (layout) {
    case BoreholeLayout::V300:
        return "3.00";
    case BoreholeLayout::V400:
        return "4.00";
    default:
        return "2.10";
    }
}

inline std::string Element(const std::string& name, const std::string& text) {
    return text.empty() ? "<" + name + "/>" : "<" + name + ">" + text + "</" + name + ">";
}

// The penetration in mm for the layout 4.00 (a text that is no number stays as it is).
inline std::string Millimetres(const std::string& cm) {
    const auto value = ParseDecimalNumber(cm);
    if (!value) {
        return cm;
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.10g", *value * 10);
    return buffer;
}

// The XML text (UTF-8) of a borehole in a layout; the declaration names Shift_JIS, as most
// files do whatever their bytes are.
inline std::string BoreholeXml(const BoreholeText& b, BoreholeLayout layout) {
    const bool v4 = layout == BoreholeLayout::V400;
    std::string x = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";
    x += std::string("<!DOCTYPE ボーリング情報 SYSTEM \"BED0") +
         (v4                               ? "400"
          : layout == BoreholeLayout::V300 ? "300"
                                           : "210") +
         ".DTD\">\r\n";
    x += std::string("<ボーリング情報 DTD_version=\"") + DtdVersion(layout) + "\">\r\n";
    x += " <標題情報>\r\n  <調査基本情報>" + Element("ボーリング名", b.name) + "</調査基本情報>\r\n";
    if (b.position.size() == 6) {
        x += "  <経度緯度情報>" + Element("経度_度", b.position[0]) + Element("経度_分", b.position[1]) +
             Element("経度_秒", b.position[2]) + Element("緯度_度", b.position[3]) +
             Element("緯度_分", b.position[4]) + Element("緯度_秒", b.position[5]) + "</経度緯度情報>\r\n";
    }
    x += "  <ボーリング基本情報>" + Element("孔口標高", b.elevation) +
         Element(v4 ? "総削孔長" : "総掘進長", b.totalDepth) +
         "</ボーリング基本情報>\r\n </標題情報>\r\n <コア情報>\r\n";
    for (const BoreholeLayerText& layer : b.layers) {
        switch (layout) {
        case BoreholeLayout::V400:
            x += "  <工学的地質区分名現場土質名>" +
                 Element("工学的地質区分名現場土質名_下端深度", layer.bottom) +
                 Element("工学的地質区分名現場土質名_工学的地質区分名現場土質名", layer.name) +
                 "<工学的地質区分名現場土質名_岩石群><工学的地質区分名現場土質名_岩石群コード>1</"
                 "工学的地質区分名現場土質名_岩石群コード></工学的地質区分名現場土質名_岩石群></"
                 "工学的地質区分名現場土質名>\r\n";
            break;
        case BoreholeLayout::V300:
            x += "  <岩石土区分>" + Element("岩石土区分_下端深度", layer.bottom) +
                 Element("岩石土区分_岩石土名", layer.name) + Element("岩石土区分_岩石土記号", "S") +
                 "</岩石土区分>\r\n";
            break;
        default:
            x += "  <土質岩種区分>" + Element("土質岩種区分_下端深度", layer.bottom) +
                 Element("土質岩種区分_土質岩種区分1", layer.name) +
                 Element("土質岩種区分_土質岩種区分2", "") + "</土質岩種区分>\r\n";
            break;
        }
    }
    for (const PenetrationTestText& test : b.tests) {
        const std::string part = v4 ? "0_100" : "0_10";
        x += "  <標準貫入試験>" + Element("標準貫入試験_開始深度", test.start) +
             Element("標準貫入試験_" + part + "打撃回数", "") +
             Element("標準貫入試験_" + part + "貫入量", "") +
             Element("標準貫入試験_合計打撃回数", test.blows) +
             Element("標準貫入試験_合計貫入量", v4 ? Millimetres(test.penetrationCm) : test.penetrationCm) +
             Element("標準貫入試験_備考", "") + "</標準貫入試験>\r\n";
    }
    for (std::size_t i = 0; i < b.water.size(); ++i) {
        x += "  <孔内水位>" + Element("孔内水位_測定年月日", "2024-05-0" + std::to_string(i % 9 + 1)) +
             Element(v4 ? "孔内水位_削孔状況コード" : "孔内水位_掘削状況コード", "1") +
             Element("孔内水位_孔内水位", b.water[i]) + "</孔内水位>\r\n";
    }
    x += " </コア情報>\r\n</ボーリング情報>\r\n";
    return x;
}

// The bytes of the file in code page 932 (true) or UTF-8.
inline std::string BoreholeFileBytes(const BoreholeText& b, BoreholeLayout layout, bool cp932) {
    const std::string text = BoreholeXml(b, layout);
    if (!cp932) {
        return text;
    }
    const auto encoded = EncodeCp932(text);
    if (!encoded) {
        throw std::runtime_error("text without a code page 932 form");
    }
    return *encoded;
}

} // namespace zul::test
