// The import rules on small files of every layout, in both encodings: what the study holds after
// the import and which notes explain it.
#include "document/BoreholeImport.h"
#include "document/SoilKindOfName.h"
#include "io/BoreholeReader.h"

#include "BoreholeXml.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace zul;

namespace {

struct Layer {
    int kind;
    double h, gs, gs2, n, f, qd;
};

struct Point {
    double depth, n;
};

struct Case {
    const char* what;
    test::BoreholeText file;
    BoreholeImportOptions options;
    std::vector<Layer> layers;
    std::vector<Point> points;
    std::optional<double> ground, water;
    std::vector<std::string> notes; // each found in one of the notes
};

test::BoreholeText Text(std::vector<test::BoreholeLayerText> layers,
                        std::vector<test::PenetrationTestText> tests, std::vector<std::string> water = {}) {
    test::BoreholeText b;
    b.layers = std::move(layers);
    b.tests = std::move(tests);
    b.water = std::move(water);
    return b;
}

BoreholeImportOptions Limit(double depth) {
    BoreholeImportOptions o;
    o.maxDepth = depth;
    return o;
}

BoreholeImportOptions StartDepthAndCap(double cap) {
    BoreholeImportOptions o;
    o.nDepth = NDepthReference::Start;
    o.nCap = cap;
    return o;
}

std::vector<Case> Cases() {
    return {
        {"kinds from names, representative N, levels",
         Text({{"2.00", "シルト質砂"}, {"5.50", "砂質シルト"}, {"8.00", "粘土質砂礫"}, {"10.00", "砂岩"}},
              {{"1.15", "4", "30"}, {"2.15", "10", "30"}, {"3.15", "50", "20"}, {"6.15", "7", "45"}},
              {"-99.99", "2.30", ""}),
         {},
         {{0, 2, 17, 8, 4, 8, 0},
          {2, 3.5, 18, 9, 42.5, 150, 0},
          {1, 2.5, 18, 9, 4.7, 9.4, 0},
          {0, 2, 17, 8, 4.7, 9.4, 0}},
         {{1.3, 4}, {2.3, 10}, {3.25, 75}, {6.375, 4.7}},
         10.0,
         7.7,
         {"「砂岩」（深度 8～10 m）は層種を判定できないため砂質土層としました。"}},
        {"N values: 30 cm, other penetrations, above 100, skipped tests, full-width digits",
         Text({{"30.00", "砂"}}, {{"1.15", "17", "30"},
                                  {"2.15", "3", "45"},
                                  {"3.15", "1", "40"},
                                  {"4.15", "50", "7"},
                                  {"5.15", "0", "34"},
                                  {"", "5", "30"},
                                  {"6.15", "", "30"},
                                  {"7.15", "5", ""},
                                  {"8.15", "5", "0"},
                                  {"9.15", "-1", "30"},
                                  {"１０．１５", "１２", "３０"}}),
         {},
         {{0, 30, 17, 8, 22, 44, 0}},
         {{1.3, 17}, {2.375, 2}, {3.35, 0.8}, {4.185, 100}, {5.32, 0}, {10.3, 12}},
         10.0,
         std::nullopt,
         {"6 番目の標準貫入試験は開始深度がないため", "深度 6.15 m の標準貫入試験は打撃回数がないため",
          "深度 7.15 m の標準貫入試験は貫入量がないため",
          "深度 8.15 m の標準貫入試験（5 回／0 cm）は貫入不能",
          "深度 9.15 m の標準貫入試験は深度または打撃回数が負の",
          "深度 4.185 m の N 値 214.3 は 100 を超える", "水位を示す孔内水位の記録がない"}},
        {"N depth at the start of the test, cap",
         Text({{"10.00", "粘土"}}, {{"2.15", "6", "30"}, {"1.15", "17", "30"}}),
         StartDepthAndCap(15),
         {{2, 10, 18, 9, 10.5, 105, 0}},
         {{1.15, 15}, {2.15, 6}},
         10.0,
         std::nullopt,
         {"深度 1.15 m の N 値 17 は上限 15 を超えるため 15 としました。"}},
        {"depth limit",
         Text({{"3.00", "砂"}, {"8.00", "粘土"}, {"12.00", "礫"}},
              {{"1.15", "10", "30"},
               {"4.15", "6", "30"},
               {"5.85", "8", "30"},
               {"7.15", "20", "30"},
               {"9.15", "40", "30"}},
              {"1.00"}),
         Limit(6),
         {{0, 3, 17, 8, 10, 20, 0}, {2, 3, 14, 5, 6, 60, 0}},
         {{1.3, 10}, {4.3, 6}, {6, 8}},
         10.0,
         9.0,
         {"2 番目の地層「粘土」（下端 8 m）は取込み深さ 6 m で切りました。", "取込み深さ 6 m 以深の地層 1 層",
          "取込み深さ 6 m より深い N 値 2 点"}},
        {"interpolation at the mid-depth of a layer without points; equal depths keep file order",
         Text({{"2.00", "砂"}, {"4.00", "粘土"}, {"6.00", "砂"}},
              {{"5.15", "12", "30"}, {"1.15", "4", "30"}, {"5.15", "20", "30"}}),
         {},
         {{0, 2, 17, 8, 4, 8, 0}, {2, 2, 14, 5, 7.4, 74, 0}, {0, 2, 17, 8, 16, 32, 0}},
         {{1.3, 4}, {5.3, 12}, {5.3, 20}},
         10.0,
         std::nullopt,
         {}},
        {"layers without bottom or not below the one above",
         Text({{"2.00", "砂"}, {"", "粘土"}, {"1.50", "礫"}, {"4.00", "ﾛｰﾑ"}}, {}),
         {},
         {{0, 2, 17, 8, 0, 0, 0}, {2, 2, 14, 5, 0, 0, 0}},
         {},
         10.0,
         std::nullopt,
         {"2 番目の地層「粘土」は下端深度がない",
          "3 番目の地層「礫」は下端深度 1.5 m が上の地層の下端 2 m より深くない",
          "取り込める N 値がありません"}},
    };
}

BoreholeImportPlan Import(const std::string& bytes, const BoreholeImportOptions& options,
                          ProjectDocument& doc) {
    const BoreholeReadResult read = ParseBoreholeFile(bytes);
    if (!read.record) {
        ADD_FAILURE() << read.message;
        return {};
    }
    BoreholeImportPlan plan = PlanBoreholeImport(*read.record, options, doc.InpJyoken.Sekou);
    ApplyBoreholeImport(plan, doc);
    return plan;
}

std::optional<double> Level(const ProjectDocument& doc, int i) {
    const CellValue& cell = doc.JibanLevel(static_cast<std::size_t>(i));
    return cell.isNumber() ? std::optional<double>(cell.number()) : std::nullopt;
}

} // namespace

TEST(BoreholeImport, RulesInEveryLayoutAndEncoding) {
    for (const Case& c : Cases()) {
        for (const BoreholeLayout layout : {BoreholeLayout::V2, BoreholeLayout::V300, BoreholeLayout::V400}) {
            for (const bool cp932 : {false, true}) {
                SCOPED_TRACE(std::string(c.what) + " / " + BoreholeLayoutName(layout) +
                             (cp932 ? " cp932" : " utf-8"));
                ProjectDocument doc;
                const BoreholeImportPlan plan =
                    Import(test::BoreholeFileBytes(c.file, layout, cp932), c.options, doc);
                ASSERT_TRUE(plan.ok()) << plan.message;
                ASSERT_EQ(doc.JibanCount, static_cast<std::int32_t>(c.layers.size()));
                for (std::size_t i = 0; i < c.layers.size(); ++i) {
                    const Layer& e = c.layers[i];
                    const double expected[8] = {double(e.kind), e.h, e.gs, e.gs2, e.n, e.f, e.qd, 1.0};
                    for (std::size_t col = 1; col <= 8; ++col) {
                        ASSERT_TRUE(doc.JibanLayer(col, i + 1).isNumber());
                        EXPECT_DOUBLE_EQ(doc.JibanLayer(col, i + 1).number(), expected[col - 1])
                            << "layer " << i + 1 << " column " << col;
                    }
                }
                ASSERT_EQ(doc.NCount, static_cast<std::int32_t>(c.points.size()));
                for (std::size_t i = 0; i < c.points.size(); ++i) {
                    EXPECT_DOUBLE_EQ(doc.NData(1, i + 1).number(), c.points[i].depth) << "point " << i + 1;
                    EXPECT_DOUBLE_EQ(doc.NData(2, i + 1).number(), c.points[i].n) << "point " << i + 1;
                }
                EXPECT_EQ(Level(doc, 1), c.ground);
                EXPECT_EQ(Level(doc, 2), c.water);
                EXPECT_EQ(Level(doc, 3), c.ground);
                EXPECT_EQ(Level(doc, 4), c.ground);
                for (const std::string& note : c.notes) {
                    bool found = false;
                    for (const std::string& given : plan.notes) {
                        found = found || given.find(note) != std::string::npos;
                    }
                    EXPECT_TRUE(found) << "no note with: " << note;
                }
                EXPECT_TRUE(doc.DataEdited);
                EXPECT_FALSE(doc.RaTableDone);
            }
        }
    }
}

TEST(BoreholeImport, SoilKindOfTheWordEndingFurthestRight) {
    const std::vector<std::pair<const char*, std::optional<int>>> cases = {
        {"シルト質砂", 0},     {"砂質シルト", 2},   {"粘土質砂礫", 1},  {"礫混じり粘土", 2},
        {"砂利", 1},           {"細砂", 0},         {"埋土（砂）", 0},  {"ｼﾙﾄ", 2},
        {"砂 質 シ ル ト", 2}, {"玉石混じり砂", 0}, {"ピート", 2},      {"腐植土", 2},
        {"砂・シルト互層", 2}, {"砂岩", {}},        {"凝灰角礫岩", {}}, {"強風化泥岩", {}},
        {"軟岩", {}},          {"埋土", {}},        {"", {}},           {"岩砕混じり砂", 0},
    };
    for (const auto& [name, kind] : cases) {
        EXPECT_EQ(SoilKindOfName(name), kind) << name;
    }
}

TEST(BoreholeImport, AtMostOneHundredPointsDownTo99999) {
    test::BoreholeText b;
    b.layers = {{"120.00", "砂"}};
    for (int i = 0; i < 210; ++i) {
        b.tests.push_back({std::to_string(i / 2) + (i % 2 == 0 ? ".15" : ".65"), "10", "30"});
    }
    ProjectDocument doc;
    const BoreholeImportPlan plan = Import(test::BoreholeXml(b, BoreholeLayout::V2), {}, doc);
    ASSERT_EQ(doc.NCount, 100);
    EXPECT_DOUBLE_EQ(doc.NData(1, 100).number(), 49.8);
    const std::vector<std::string> expected = {
        "深度が 99.999 m を超える N 値 10 点は取り込みません。",
        "N 値が 200 点あり，100 点を超えるため深い 100 点（深度 50.3 m 以深）は取り込みません。"};
    for (const std::string& note : expected) {
        EXPECT_NE(std::find(plan.notes.begin(), plan.notes.end(), note), plan.notes.end()) << note;
    }
}

TEST(BoreholeImport, UnitWeightByKindAndN) {
    const struct {
        std::int32_t kind;
        double n, gammaAbove;
    } cases[] = {{1, 29.9, 18}, {1, 30, 20}, {0, 29.9, 17}, {0, 30, 19}, {2, 7.9, 14}, {2, 8, 18}};
    for (const auto& c : cases) {
        EXPECT_EQ(StandardUnitWeight(c.kind, c.n), c.gammaAbove) << c.kind << " " << c.n;
    }
}

// Records refused for one reason are named five at a time; the rest are counted in one note.
TEST(BoreholeImport, RepeatedReasonsAreCounted) {
    test::BoreholeText b;
    b.layers = {{"20.00", "砂"}};
    for (int i = 0; i < 8; ++i) {
        b.layers.push_back({"", "粘土"});
    }
    for (int i = 0; i < 12; ++i) {
        b.tests.push_back({std::to_string(i) + ".15", "", "30"});
    }
    b.tests.push_back({"", "3", "30"});
    ProjectDocument doc;
    const BoreholeImportPlan plan = Import(test::BoreholeXml(b, BoreholeLayout::V300), {}, doc);
    const auto count = [&plan](std::string_view part) {
        return std::count_if(plan.notes.begin(), plan.notes.end(), [part](const std::string& note) {
            return note.find(part) != std::string::npos;
        });
    };
    EXPECT_EQ(count("は打撃回数がないため"), 5);
    EXPECT_EQ(count("ほかに標準貫入試験 7 件も打撃回数がないため取り込みません。"), 1);
    EXPECT_EQ(count("は開始深度がないため"), 1);
    EXPECT_EQ(count("は下端深度がないため"), 5);
    EXPECT_EQ(count("ほかに地層 3 件も下端深度がないため取り込みません。"), 1);
}
