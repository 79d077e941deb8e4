// The construction methods, pile kinds and soil kinds every layer reads: each code's checks and
// its names in the spelling of the conditions screen, the report and the graph header.
#include "document/ConstructionMethod.h"
#include "document/SoilKind.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace zul;

namespace {

struct MethodRow {
    std::int32_t code;
    bool automaticTip;
    bool rotaryPressIn;
    bool innerExcavation;
    bool steelPipeSoilCement;
    std::string_view screen;
    std::string_view report;
    std::string_view graph;
};

// Codes outside 0..7 (a broken file) have no check and no name.
const MethodRow kMethods[] = {
    {-1, false, false, false, false, "", "", ""},
    {0, true, false, false, false, "打込み杭工法", "打込み杭工法", "打込み杭工法"},
    {1, false, false, false, false, "場所打ち杭工法", "場所打ち杭工法", "場所打ち杭工法"},
    {2, true, false, true, false, "中掘杭工法（最終打撃方式）", "中堀杭工法(最終打撃方式)",
     "中堀杭工法(最終打撃方式)"},
    {3, false, false, true, false, "中掘杭工法（セメントミルク噴出撹拌方式）",
     "中堀杭工法(セメントミルク噴出撹拌方式)", "中堀杭工法(セメントミルク噴出撹拌方式)"},
    {4, false, false, true, false, "中掘杭工法（コンクリート打設方式）", "中堀杭工法(コンクリート打設方式)",
     "中堀杭工法(コンクリート打設方式)"},
    {5, false, false, false, true, "鋼管ソイルセメント杭工法", "鋼管ソイルセメント杭工法",
     "鋼管ソイルセメント杭工法"},
    {6, false, false, false, false, "プレボーリング杭工法", "プレボーリング杭工法", "プレボーリング杭工法"},
    {7, false, true, false, false, "VAzavozod(回転圧入鋼管杭工法)", "VAzavozod(回転圧入鋼管杭工法)",
     "VAzavozod"},
    {8, false, false, false, false, "", "", ""},
};

} // namespace

TEST(Vocabulary, EachMethodCodeHasItsChecksAndThreeSpellings) {
    for (const MethodRow& row : kMethods) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(AllowsAutomaticTip(row.code), row.automaticTip);
        EXPECT_EQ(IsRotaryPressIn(row.code), row.rotaryPressIn);
        EXPECT_EQ(IsInnerExcavation(row.code), row.innerExcavation);
        EXPECT_EQ(IsSteelPipeSoilCement(row.code), row.steelPipeSoilCement);
        EXPECT_EQ(MethodScreenName(row.code), row.screen);
        EXPECT_EQ(MethodReportName(row.code), row.report);
        EXPECT_EQ(MethodGraphName(row.code), row.graph);
        EXPECT_EQ(MethodOfCode(row.code).has_value(), !row.report.empty());
    }
}

TEST(Vocabulary, PileKindAndSoilKindNamesByCode) {
    EXPECT_EQ(PileKindName(0), "支持杭");
    // Any code but 0 is a friction pile, as the calculation treats it.
    for (const std::int32_t code : {1, 2, -1}) {
        EXPECT_EQ(PileKindName(code), "摩擦杭") << code;
    }
    const struct {
        std::int32_t code;
        std::string_view name;
        bool granular;
    } soils[] = {{-1, "", false},
                 {0, "砂質土層", true},
                 {1, "砂れき層", true},
                 {2, "粘性土層", false},
                 {3, "", false}};
    for (const auto& soil : soils) {
        EXPECT_EQ(SoilKindName(soil.code), soil.name) << soil.code;
        EXPECT_EQ(IsGranular(soil.code), soil.granular) << soil.code;
    }
}
