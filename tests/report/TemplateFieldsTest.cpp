// Every block of the report templates shipped in data/Zul.fmt: each template line has exactly the
// numeric and text fields that its report step fills; every other line has none (it is printed
// as it stands, so a field would show its picture).
#include "ReportStudies.h"
#include "ReportTestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace zul {
namespace {

struct Fields {
    std::size_t numbers = 0, texts = 0;
};

using LineFields = std::map<std::int32_t, Fields>; // template number -> fields the step fills

struct BlockFields {
    std::int32_t limit;
    LineFields lines;
};

LineFields Joined(std::initializer_list<LineFields> parts) {
    LineFields all;
    for (const LineFields& part : parts) {
        all.insert(part.begin(), part.end());
    }
    return all;
}

// The design case's name in the heading of a case block.
const LineFields kCaseTitle = {{1, {0, 1}}};

// Pa from Pu with the pile's own weight (5, 6) and without it (8, 9).
const LineFields kPullOutResult = {{5, {3, 0}}, {6, {1, 0}}, {8, {2, 0}}, {9, {1, 0}}};

// The skin friction table that starts at line first: both row lines with rowNumbers values and
// the soil kind, and the totals line.
LineFields FrictionTable(std::int32_t first, std::size_t rowNumbers, std::size_t totals) {
    return {{first + 5, {rowNumbers, 1}}, {first + 6, {rowNumbers, 1}}, {first + 9, {totals, 0}}};
}

// The ultimate push-in capacity blocks; the one with the pile's own weight has three more lines
// after line 3 and one more value in Ra and in the totals.
LineFields UltimatePushIn(bool ownWeight) {
    const std::int32_t s = ownWeight ? 3 : 0;
    const std::size_t w = ownWeight ? 1 : 0;
    return Joined(
        {kCaseTitle,
         {{4 + s, {1, 0}}, {5 + s, {2 + 3 * w, 0}}, {6 + s, {1, 0}}, {10 + s, {5, 0}}, {12 + s, {3, 0}}},
         FrictionTable(13 + s, 5, 2 + w)});
}

// Block name -> the lines its section fills with values (the blocks of the report without its
// supplements).
const std::map<std::string, BlockFields>& ReportFields() {
    static const std::map<std::string, BlockFields> table = {
        {"計算条件",
         {50,
          {{5, {0, 1}},
           {6, {0, 1}},
           {7, {1, 0}},
           {8, {1, 0}},
           {9, {1, 0}},
           {10, {1, 0}},
           {11, {1, 0}},
           {12, {1, 0}},
           {13, {1, 0}},
           {14, {1, 0}},
           {16, {1, 0}},
           {17, {1, 0}},
           {18, {1, 0}},
           {19, {1, 0}},
           {25, {1, 0}},
           {26, {7, 1}},
           {27, {1, 0}}}}},
        {"計算条件_Ｎ値と地盤図", {50, {{6, {4, 0}}}}},
        {"計算条件_ボーリングデータ", {50, {{16, {3, 1}}, {24, {4, 1}}, {25, {2, 1}}}}},
        {"一覧", {50, {{5, {2, 0}}, {7, {2, 0}}}}},
        {"注意事項", {50, {}}},
        {"支持力検討グラフ", {50, {}}},
        {"支持力検討グラフ_補足", {50, {{13, {3, 0}}, {14, {3, 0}}, {16, {1, 0}}}}},
        {"許容押込み支持力の計算",
         {50, {{14, {2, 0}}, {20, {6, 0}}, {26, {1, 0}}, {29, {2, 0}}, {33, {3, 0}}, {35, {2, 0}}}}},
        {"打込杭・中堀杭の場合_1",
         {50,
          {{8, {2, 0}},
           {9, {1, 0}},
           {21, {2, 0}},
           {22, {3, 0}},
           {23, {2, 0}},
           {27, {2, 0}},
           {31, {1, 0}},
           {32, {1, 0}},
           {33, {1, 0}}}}},
        {"打込杭・中堀杭の場合_2",
         {50,
          {{2, {1, 0}},
           {3, {3, 0}},
           {11, {3, 0}},
           {12, {3, 0}},
           {13, {3, 0}},
           {17, {2, 0}},
           {20, {1, 0}},
           {22, {1, 0}},
           {23, {2, 0}},
           {24, {1, 0}},
           {27, {3, 0}}}}},
        {"杭の自重を無視する場合", {50, UltimatePushIn(false)}},
        {"杭の自重を考慮する場合", {50, UltimatePushIn(true)}},
        {"許容引抜き力の計算_羽根杭(1)", {80, {{14, {2, 0}}, {18, {6, 0}}, {23, {2, 0}}, {58, {2, 0}}}}},
        {"許容引抜き力の計算_羽根杭(2)", {80, {}}},
        {"許容引抜き力の計算_羽根杭(3)",
         {50, Joined({kCaseTitle,
                      kPullOutResult,
                      {{14, {1, 0}}, {15, {8, 0}}, {17, {1, 0}}},
                      FrictionTable(18, 7, 3)})}},
        {"許容引抜き力の計算(1)", {50, {{11, {2, 0}}, {15, {6, 0}}, {22, {2, 0}}, {24, {2, 0}}}}},
        {"許容引抜き力の計算(2)",
         {50, Joined({kCaseTitle, kPullOutResult, {{11, {3, 0}}}, FrictionTable(12, 5, 2)})}},
    };
    return table;
}

// The supplement wording for a checker: the earthquake case's friction table from line 30 with
// f and DE, γi with Ws or γi・Li, the source of qd and the embedment in words.  The conditions of
// the push-in report fill the lines of their block as that block does, besides their own.
const std::map<std::string, BlockFields>& ExpectedFields() {
    static const std::map<std::string, BlockFields> table = [] {
        std::map<std::string, BlockFields> t = ReportFields();
        const auto base = [&](const char* name, LineFields own) {
            own.insert(t.at(name).lines.begin(), t.at(name).lines.end());
            return BlockFields{t.at(name).limit, own};
        };
        t.emplace("許容押込み支持力の計算_補足", base("許容押込み支持力の計算", {{39, {2, 1}}}));
        t.emplace("打込杭・中堀杭の場合_2_補足", BlockFields{50,
                                                             {{11, {3, 0}},
                                                              {12, {3, 0}},
                                                              {13, {3, 0}},
                                                              {17, {2, 0}},
                                                              {20, {1, 0}},
                                                              {22, {1, 0}},
                                                              {23, {1, 0}},
                                                              {24, {1, 0}},
                                                              {27, {3, 0}},
                                                              {33, {1, 0}},
                                                              {34, {2, 0}},
                                                              {35, {1, 0}},
                                                              {42, {1, 0}},
                                                              {44, {2, 0}},
                                                              {46, {2, 0}}}});
        t.emplace(
            "杭の自重を無視する場合_補足",
            BlockFields{
                50,
                Joined({{{22, {1, 0}}}, UltimatePushIn(false), FrictionTable(30, 7, 1), {{42, {1, 0}}}})});
        t.emplace("杭の自重を考慮する場合_補足",
                  BlockFields{50, Joined({kCaseTitle,
                                          {{7, {1, 0}}, {8, {5, 0}}, {9, {1, 0}}, {13, {5, 0}}, {15, {3, 0}}},
                                          FrictionTable(16, 7, 2),
                                          {{27, {2, 0}}, {28, {1, 0}}},
                                          FrictionTable(30, 9, 2)})});
        t.emplace(
            "許容引抜き力の計算_羽根杭(3)_補足",
            BlockFields{50, Joined({kCaseTitle,
                                    kPullOutResult,
                                    {{14, {1, 0}}, {15, {7, 0}}, {17, {1, 0}}, {29, {2, 0}}},
                                    {{42, {1, 0}}, {43, {3, 0}}, {44, {3, 0}}, {46, {1, 0}}, {47, {2, 0}}},
                                    FrictionTable(18, 7, 2),
                                    FrictionTable(30, 9, 2)})});
        t.emplace("許容引抜き力の計算(2)_補足", BlockFields{50, Joined({kCaseTitle,
                                                                        kPullOutResult,
                                                                        {{11, {3, 0}}, {42, {1, 0}}},
                                                                        FrictionTable(12, 5, 1),
                                                                        FrictionTable(30, 7, 1)})});
        return t;
    }();
    return table;
}

// The block names of the template file: a line outside a block that is neither empty nor a
// comment opens the block of that name.
std::vector<std::string> BlockNames(const std::string& fmtFile) {
    std::vector<std::string> names;
    const std::string text = test::Utf8(test::ReadBytes(fmtFile));
    bool inside = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        end = end == std::string::npos ? text.size() : end;
        const std::string line = text.substr(pos, end - pos);
        pos = end + 2;
        if (inside) {
            inside = line != "End";
        } else if (!line.empty() && line[0] != '\'') {
            names.push_back(line);
            inside = true;
        }
    }
    return names;
}

std::string ShippedFmt() {
    return test::DataFolder() + "/Zul.fmt";
}

// A block of the shipped template file, read up to the limit of its field table.
struct ShippedBlock {
    std::string name;
    TemplateBlock block;
    const LineFields& expected;
};

// Every block of the shipped template file; a block without a field table fails the test.
std::vector<ShippedBlock> ShippedBlocks() {
    std::vector<ShippedBlock> blocks;
    for (const std::string& name : BlockNames(ShippedFmt())) {
        // The supplement wording of a block fills the same lines as the block itself, unless it
        // has a field table of its own.
        const std::string suffix = "_補足";
        const bool wording = name.size() > suffix.size() && name.ends_with(suffix);
        auto found = ExpectedFields().find(name);
        if (found == ExpectedFields().end() && wording) {
            found = ExpectedFields().find(name.substr(0, name.size() - suffix.size()));
        }
        if (found == ExpectedFields().end()) {
            ADD_FAILURE() << "block " << name << " has no field table";
            continue;
        }
        blocks.push_back(
            {name, ReadFmtSection(ShippedFmt(), name, found->second.limit), found->second.lines});
    }
    return blocks;
}

TEST(TemplateFile, EveryLineHasTheFieldsItsStepFills) {
    const auto names = BlockNames(ShippedFmt());
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << "a block name twice";
    for (const auto& [name, expected] : ExpectedFields()) {
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name << " missing";
    }
    for (const ShippedBlock& b : ShippedBlocks()) {
        for (std::int32_t k = 1; k <= b.block.limit(); ++k) {
            const auto line = b.expected.find(k);
            const Fields want = line == b.expected.end() ? Fields{} : line->second;
            EXPECT_EQ(FindNumFields(b.block.Text(k)).size(), want.numbers) << b.name << " line " << k;
            EXPECT_EQ(FindStrFields(b.block.Text(k)).size(), want.texts) << b.name << " line " << k;
            EXPECT_TRUE(b.block.Level(k) >= 0 && b.block.Level(k) <= 4);
        }
    }
}

TEST(TemplateFile, NoLineWiderThanTheReportPage) {
    // The preview sizes the print to the widest line of the report: one template line wider than
    // the others would make every page of the report smaller.  84 columns leave room for the
    // margin of the body lines.
    for (const ShippedBlock& b : ShippedBlocks()) {
        for (std::int32_t k = 1; k <= b.block.limit(); ++k) {
            EXPECT_LE(b.block.Text(k).size(), 84u)
                << b.name << " line " << k << ": " << test::Utf8(b.block.Text(k));
        }
    }
}

TEST(TemplateFile, FieldsHoldTheLargestPlausibleValues) {
    // Capacities up to 99,999.9 kN, weights of long large piles above 10,000 kN, elevations
    // below -100 m, N-values up to 300, negative allowable capacities: each field shows its
    // value whole (a field too narrow cuts it).
    const struct {
        const char* block;
        std::int32_t line;
        std::vector<double> numbers;
        std::vector<std::string> shown;
    } cases[] = {
        {"一覧", 5, {99999.9, -1234.5}, {"99,999.9", "-1,234.5"}},
        {"許容押込み支持力の計算", 20, {78.5, 60.0, 68.5, 40.0, 7.0686, 23456.78}, {"7.0686", "23,456.78"}},
        {"杭の自重を無視する場合",
         10,
         {99999.9, 7.0686, 9.425, 12345.6, 99999.99},
         {"99,999.9", "12,345.6", "99,999.99"}},
        {"杭の自重を考慮する場合",
         8,
         {99999.99, 12345.67, 12345.67, 23456.78, -1234.5},
         {"99,999.99", "12,345.67", "23,456.78", "-1,234.5"}},
        {"杭の自重を考慮する場合", 25, {12345.6, 12345.67, 12345.6}, {"12,345.6", "12,345.67"}},
        {"許容引抜き力の計算(2)", 5, {99999.99, 12345.67, 99999.9}, {"99,999.99", "12,345.67", "99,999.9"}},
        {"許容引抜き力の計算_羽根杭(3)",
         5,
         {99999.99, 12345.67, 99999.9},
         {"99,999.99", "12,345.67", "99,999.9"}},
        {"打込杭・中堀杭の場合_1", 21, {-123.456, 300.0}, {"-123.456", "300.0"}},
        {"打込杭・中堀杭の場合_2", 3, {-123.456, -150.0, 26.544}, {"-123.456", "-150.000", "26.544"}},
        {"打込杭・中堀杭の場合_2", 11, {-123.456, 300.0, 260.0}, {"-123.456", "300.0", "+260.0"}},
        {"打込杭・中堀杭の場合_2", 27, {300.0, 40.0, 12000.0}, {"300.0", "40.0", "12,000"}},
        {"打込杭・中堀杭の場合_2_補足", 27, {300.0, 40.0, 12000.0}, {"300.0", "40.0", "12,000.0"}},
        {"打込杭・中堀杭の場合_2_補足", 34, {-123.456, -150.0}, {"-123.456", "-150.000"}},
        {"杭の自重を考慮する場合_補足", 25, {12345.67, 12345.6}, {"12,345.67", "12,345.6"}},
        {"杭の自重を考慮する場合_補足",
         36,
         {20, 300, 99.999, 99.99, 1234.56, 999.9, 1.0, 999.9, 12345.6},
         {"20", "300.0", "99.999", "99.99", "1,234.56", "999.9", "1.000", "12,345.6"}},
        {"許容引抜き力の計算_羽根杭(3)_補足", 29, {1234.56, 12345.6}, {"1234.56", "12,345.6"}},
    };
    for (const auto& c : cases) {
        const TemplateBlock block = ReadFmtSection(ShippedFmt(), c.block, ExpectedFields().at(c.block).limit);
        const std::string line = test::Utf8(FillTemplate(block.Text(c.line), c.numbers, {}));
        for (const std::string& value : c.shown) {
            EXPECT_NE(line.find(value), std::string::npos) << c.block << " line " << c.line << ": " << line;
        }
    }
}

TEST(TemplateFile, StoredAsCodePage932WithCrLf) {
    for (const char* file : {"Zul.fmt", "LINE_PRN.DEF", "STR_PRN.DEF"}) {
        const std::string bytes = test::ReadBytes(test::DataFolder() + "/" + file);
        ASSERT_FALSE(bytes.empty()) << file;
        EXPECT_TRUE(DecodeCp932(bytes).has_value()) << file;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << file << " byte " << i;
            }
        }
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << file;
    }
    FigureBuilder fig;
    fig.ReadLineDef(test::DataFolder() + "/LINE_PRN.DEF");
    fig.ReadStrDef(test::DataFolder() + "/STR_PRN.DEF");
    EXPECT_EQ(fig.LineDefs().size(), 5u);
    EXPECT_EQ(fig.StrDefs().size(), 2u);
}

} // namespace
} // namespace zul
