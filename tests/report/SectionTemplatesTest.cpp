// The template blocks of the detailed report and the pull-out reports in the shipped Zul.fmt:
// every line a section fills has exactly as many fields as the values it passes, and every line
// a section writes as it stands has none.
#include "SectionTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace zul {
namespace {

struct BlockFields {
    const char* name;
    std::int32_t limit;
    // template number -> (numeric fields, text fields) of the lines filled with values
    std::map<std::int32_t, std::pair<std::size_t, std::size_t>> filled;
    std::int32_t lastLine; // the highest template number the sections write
};

// Lines 1, 4-6 (7-9) of the ultimate part, and the rows and sums of the friction tables.
std::map<std::int32_t, std::pair<std::size_t, std::size_t>> UltimateLines(std::int32_t s, std::size_t sumValues) {
    return {{1, {0, 1}},          {4 + s, {1, 0}},  {5 + s, {s ? 5u : 2u, 0}}, {6 + s, {1, 0}},
            {10 + s, {5, 0}},     {12 + s, {3, 0}}, {18 + s, {5, 1}},          {19 + s, {5, 1}},
            {22 + s, {sumValues, 0}}};
}

const std::vector<BlockFields> kBlocks = {
    {"許容押込み支持力の計算", 50, {{14, {2, 0}}, {20, {6, 0}}, {26, {1, 0}}, {29, {2, 0}}, {33, {3, 0}}, {35, {2, 0}}}, 37},
    {"打込杭・中堀杭の場合_1",
     50,
     {{8, {2, 0}}, {9, {1, 0}}, {21, {2, 0}}, {22, {3, 0}}, {23, {2, 0}}, {27, {2, 0}}, {31, {1, 0}}, {32, {1, 0}}, {33, {1, 0}}},
     33},
    {"打込杭・中堀杭の場合_2",
     50,
     {{2, {1, 0}}, {3, {3, 0}}, {11, {3, 0}}, {12, {3, 0}}, {13, {3, 0}}, {17, {2, 0}}, {20, {1, 0}}, {22, {1, 0}},
      {23, {2, 0}}, {24, {1, 0}}, {27, {3, 0}}},
     27},
    {"杭の自重を無視する場合", 50, UltimateLines(0, 2), 23},
    {"杭の自重を考慮する場合", 50, UltimateLines(3, 3), 26},
    {"許容引抜き力の計算_羽根杭(1)", 80, {{14, {2, 0}}, {18, {6, 0}}, {23, {2, 0}}, {58, {2, 0}}}, 58},
    {"許容引抜き力の計算_羽根杭(2)", 80, {}, 8},
    {"許容引抜き力の計算_羽根杭(3)",
     50,
     {{1, {0, 1}}, {5, {3, 0}}, {6, {1, 0}}, {8, {2, 0}}, {9, {1, 0}}, {14, {1, 0}}, {15, {8, 0}}, {17, {1, 0}},
      {23, {7, 1}}, {24, {7, 1}}, {27, {3, 0}}},
     28},
    {"許容引抜き力の計算(1)", 50, {{11, {2, 0}}, {15, {6, 0}}, {22, {2, 0}}, {24, {2, 0}}}, 24},
    {"許容引抜き力の計算(2)",
     50,
     {{1, {0, 1}}, {5, {3, 0}}, {6, {1, 0}}, {8, {2, 0}}, {9, {1, 0}}, {11, {3, 0}}, {17, {5, 1}}, {18, {5, 1}}, {21, {2, 0}}},
     22},
};

TEST(SectionTemplates, FieldsMatchTheValuesOfEachStep) {
    for (const BlockFields& spec : kBlocks) {
        SCOPED_TRACE(spec.name);
        const TemplateBlock b = ReadFmtSection(test::kZulFmt, spec.name, spec.limit);
        for (std::int32_t k = 1; k <= spec.limit; ++k) {
            SCOPED_TRACE(k);
            const auto it = spec.filled.find(k);
            const auto expected = it == spec.filled.end() ? std::pair<std::size_t, std::size_t>{0, 0} : it->second;
            EXPECT_EQ(FindNumFields(b.Text(k)).size(), expected.first);
            EXPECT_EQ(FindStrFields(b.Text(k)).size(), expected.second);
            if (k > spec.lastLine) {
                EXPECT_TRUE(b.Text(k).empty()) << "a line the sections never write";
            }
        }
        // A line with values is never left undefined.
        for (const auto& [k, fields] : spec.filled) {
            EXPECT_FALSE(b.Text(k).empty()) << k;
        }
    }
}

TEST(SectionTemplates, HeadingsOfTheReportHaveTheirLevels) {
    // Each report opens a chapter; the case headings are sections of it.
    EXPECT_EQ(ReadFmtSection(test::kZulFmt, "許容押込み支持力の計算").Level(1), 1);
    EXPECT_EQ(ReadFmtSection(test::kZulFmt, "許容引抜き力の計算(1)").Level(1), 1);
    EXPECT_EQ(ReadFmtSection(test::kZulFmt, "許容引抜き力の計算_羽根杭(1)", 80).Level(1), 1);
    for (const char* block : {"杭の自重を無視する場合", "杭の自重を考慮する場合", "許容引抜き力の計算(2)",
                              "許容引抜き力の計算_羽根杭(3)", "打込杭・中堀杭の場合_1"}) {
        EXPECT_EQ(ReadFmtSection(test::kZulFmt, block).Level(1), 2) << block;
    }
}

} // namespace
} // namespace zul
