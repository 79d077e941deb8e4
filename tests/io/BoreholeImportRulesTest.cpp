// The import rules of water records, the pile head, refused and flagged tests, layers without
// tests, numbers out of range, and what the study keeps of the borehole.
#include "document/BoreholeImport.h"
#include "document/BoreholeWater.h"
#include "io/BoreholeReader.h"

#include "BoreholeXml.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace zul;

namespace {

bool HasNote(const std::vector<std::string>& notes, const std::string& part) {
    return std::any_of(notes.begin(), notes.end(),
                       [&](const std::string& n) { return n.find(part) != n.npos; });
}

BoreholeRecord Read(const test::BoreholeText& b, BoreholeLayout layout = BoreholeLayout::V300) {
    const BoreholeReadResult read = ParseBoreholeFile(test::BoreholeXml(b, layout));
    EXPECT_TRUE(read.record) << read.message;
    return read.record.value_or(BoreholeRecord{});
}

} // namespace

TEST(BoreholeWaterChoice, KindThenStateThenDateThenFileOrder) {
    // date, 掘削状況コード, depth, 水位種別コード
    using W = std::vector<std::array<const char*, 4>>;
    const struct {
        const char* what;
        W records;
        int chosen;
    } cases[] = {
        {"clear water before mud water",
         {{"2001-05-30", "4", "1.0", "21"}, {"2001-05-01", "2", "2.0", "13"}},
         2},
        {"unknown and empty codes between",
         {{"", "4", "1.0", "21"}, {"", "2", "2.0", "9"}, {"", "2", "3.0", ""}},
         3},
        {"no water, not measured, deeper than the log",
         {{"", "1", "1.0", "11"},
          {"", "1", "2.0", "91"},
          {"", "1", "999.99", "12"},
          {"", "1", "-99.99", "12"},
          {"", "1", "20.5", "12"},
          {"", "1", "2.5", "22"}},
         6},
        {"after drilling, start, end, during, other",
         {{"", "7", "1", "12"},
          {"", "2", "1", "12"},
          {"", "3", "1", "12"},
          {"", "1", "1", "12"},
          {"", "4", "1", "12"},
          {"", "1", "1", "12"}},
         5},
        {"start before end", {{"", "3", "1", "12"}, {"", "1", "1", "12"}, {"", "2", "1", "12"}}, 2},
        {"latest date, no date oldest, last on a tie",
         {{"2001-05-21", "1", "1", "13"},
          {"2001-05-22", "1", "1", "13"},
          {"", "1", "1", "13"},
          {"2001-05-22", "1", "1", "13"}},
         4},
        {"codes after NFKC and trimming",
         {{"", "2", "1", "12"}, {"", " ４ ", "1", "１２"}, {"", "1", "1", "１１"}},
         2},
        {"none counts", {{"", "1", "", "12"}, {"", "1", "x", "12"}}, 0},
    };
    for (const auto& c : cases) {
        BoreholeRecord record;
        record.layers = {{10.0, "砂", "10"}, {20.0, "粘土", "20"}};
        for (const auto& [date, state, depth, kind] : c.records) {
            WaterRecord w;
            w.date = date, w.stateCode = state, w.kindCode = kind;
            w.depthText = depth;
            w.depth = ParseDecimalNumber(depth);
            record.water.push_back(w);
        }
        EXPECT_EQ(ChooseWaterRecord(record), c.chosen) << c.what;
    }
}

TEST(BoreholeWaterChoice, WordsAsTheFileGivesThemOrTheCodes) {
    WaterRecord coded{5.05, "2001-05-21", "", "5.05", "1", "", "13", ""};
    EXPECT_EQ(WaterRecordWords(coded), "2001-05-21，掘削状況 作業開始時，水位種別 清水位、被圧，深度 5.05 m");
    WaterRecord worded{2.0, "", "", "2.0", "4", "完了後", "", "泥水"};
    EXPECT_EQ(WaterRecordWords(worded), "測定日なし，掘削状況 完了後，水位種別 泥水，深度 2 m");
}

// The pile keeps its depth below the ground unless kept; the note says from what to what.
TEST(BoreholeImportPileHead, MovesWithTheGroundSurface) {
    const struct {
        std::optional<double> groundBefore;
        double pileHead;
        const char* elevation;
        bool keep;
        double expected;
        const char* note;
    } cases[] = {
        {5.88, 3.88, "72.23", false, 70.23, "杭頭標高を +3.880 m から +70.230 m に変えました"},
        {{}, -1.5, "72.23", false, 70.73, "現地盤面標高 0.000 m → +72.230 m"},
        {5.88, 3.88, "72.23", true, 3.88, "杭頭標高 +3.880 m は変えていません"},
        {5.88, 3.88, "", false, 3.88, nullptr},
        {5.88, 3.88, "5.88", false, 3.88, nullptr},
        {0.1, 0.0004, "0.2", false, 0.1, "から +0.100 m に"},
    };
    for (const auto& c : cases) {
        test::BoreholeText b;
        b.elevation = c.elevation;
        b.layers = {{"10.00", "砂"}};
        ProjectDocument doc;
        if (c.groundBefore) {
            doc.JibanLevel(1) = CellValue::Number(*c.groundBefore);
        }
        doc.InpJyoken.ELPU = c.pileHead;
        BoreholeImportOptions options;
        options.keepPileHead = c.keep;
        const BoreholeImportPlan plan = PlanBoreholeImport(Read(b), options, doc);
        ASSERT_TRUE(ApplyBoreholeImport(plan, doc)) << plan.message;
        EXPECT_DOUBLE_EQ(doc.InpJyoken.ELPU, c.expected) << c.elevation;
        ASSERT_TRUE(doc.boreholeSource);
        if (c.note != nullptr) {
            EXPECT_TRUE(HasNote(doc.boreholeSource->notes, c.note)) << c.note;
        } else {
            EXPECT_FALSE(HasNote(doc.boreholeSource->notes, "杭頭標高")) << c.elevation;
        }
    }
}

// Refused tests stay in the record, 0 blows and capped values are flagged, layers without a
// test are named, and a test or level present but not a number is named as such.
TEST(BoreholeImportRules, RefusedFlaggedInterpolatedAndNamed) {
    test::BoreholeText b;
    b.elevation = "標高不明";
    b.layers = {{"1.00", "砂"}, {"2.00", "粘土"}, {"4.00", "砂"},   {"4.0004", "礫"}, {"6.00", "粘土"},
                {"8.00", "砂"}, {"abc", "礫"},    {"9.00", "粘土"}, {"10.00", "砂"}};
    b.tests = {{"2.15", "0", "40"},
               {"3.15", "50", "0"},
               {"2.15", "60", "10"},
               {"4.5", "x", "30"},
               {"6.5", "5", "30"}};
    const BoreholeRecord record = Read(b);
    BoreholeImportOptions options;
    options.nCap = 50;
    ProjectDocument doc;
    const BoreholeImportPlan plan = PlanBoreholeImport(record, options, doc);
    ASSERT_TRUE(plan.ok()) << plan.message;
    ASSERT_EQ(plan.layers.size(), 7u); // 4.0004 (0.000 m thick) and "abc" dropped
    EXPECT_DOUBLE_EQ(plan.layers[3].top, 4.0);
    ASSERT_EQ(plan.points.size(), 3u);
    EXPECT_EQ(plan.points[0].flag, NPointFlag::Capped); // 180 → 100 → 50
    EXPECT_EQ(plan.points[1].flag, NPointFlag::SelfSink);
    EXPECT_EQ(plan.points[1].n, 0);
    EXPECT_EQ(plan.points[2].flag, NPointFlag::None);
    ASSERT_EQ(plan.source.refusedTests.size(), 2u);
    EXPECT_EQ(plan.source.refusedTests[0].reason, "貫入不能");
    EXPECT_EQ(plan.source.refusedTests[0].blows, 50.0);
    EXPECT_EQ(plan.source.refusedTests[1].reason, "打撃回数「x」が数値でない");
    for (const char* note :
         {"深度 3.15 m の標準貫入試験（50 回／0 cm）は貫入不能のため", "打撃回数 0（自沈）の N 値 1 点",
          "最浅の N 値（深度 2.2 m）より浅い地層 1～2 には", "試験のない地層 4 の N 値は，上下の N 値から",
          "最深の N 値（深度 6.65 m）より深い地層 6～7 には試験がなく，その N 値 5 をとりました。",
          "4 番目の地層「礫」は下端深度 4.0004 m が上の地層の下端 4 m に近く，層厚が 0.000 m",
          "7 番目の地層「礫」は下端深度「abc」が数値でない", "孔口標高「標高不明」が数値でないため"}) {
        EXPECT_TRUE(HasNote(plan.notes, note)) << note;
    }
}

// A hole top beyond the screens' range becomes the local datum 0.000; a layer thicker than the
// screens take, or a level the study would get outside them, refuses the import naming it.
TEST(BoreholeImportRules, ValuesOutsideTheScreensRange) {
    test::BoreholeText mountain;
    mountain.elevation = "1600.50";
    mountain.layers = {{"10.00", "砂"}};
    mountain.water = {"2.5"};
    ProjectDocument doc;
    BoreholeImportPlan plan = PlanBoreholeImport(Read(mountain), {}, doc);
    ASSERT_TRUE(ApplyBoreholeImport(plan, doc)) << plan.message;
    EXPECT_EQ(doc.JibanLevel(1).number(), 0.0);
    EXPECT_EQ(doc.JibanLevel(2).number(), -2.5);
    EXPECT_EQ(doc.boreholeSource->elevation, 1600.5);
    EXPECT_TRUE(HasNote(plan.notes, "孔口標高 1600.5 m は画面の範囲"));

    test::BoreholeText thick;
    thick.layers = {{"1200.5", "砂"}};
    plan = PlanBoreholeImport(Read(thick), {}, ProjectDocument());
    EXPECT_EQ(plan.failure, ImportFailure::Borehole);
    EXPECT_NE(plan.message.find("層厚 1200.5 m"), std::string::npos) << plan.message;

    test::BoreholeText high;
    high.elevation = "900";
    high.layers = {{"10.00", "砂"}};
    ProjectDocument deepPile;
    deepPile.InpJyoken.ELPU = 500;
    plan = PlanBoreholeImport(Read(high), {}, deepPile);
    EXPECT_EQ(plan.failure, ImportFailure::Borehole);
    EXPECT_NE(plan.message.find("杭頭標高 1400 m"), std::string::npos) << plan.message;
    BoreholeImportOptions keep;
    keep.keepPileHead = true;
    EXPECT_TRUE(PlanBoreholeImport(Read(high), keep, deepPile).ok());
}

// The study keeps the file, the survey, the options, the water record and the layers and tests
// as imported; a new import replaces it.
TEST(BoreholeImportRules, TheSourceTravelsWithTheStudy) {
    setenv("SOURCE_DATE_EPOCH", "1765000000", 1);
    test::BoreholeText b;
    b.name = "B-7";
    b.survey = "調査";
    b.latitude[0] = "34", b.latitude[1] = "59", b.latitude[2] = "53.2";
    b.longitude[0] = "135", b.longitude[1] = "49", b.longitude[2] = "58.2";
    b.surveyStart = "1999-05-01", b.surveyEnd = "1999-05-20";
    b.layers = {{"1.00", "盛土"}, {"3.00", "砂岩"}};
    b.tests = {{"1.15", "10", "30"}};
    b.waterRecords = {{"2001-05-21", "1", "", "0.5", "13", ""}};
    BoreholeRecord record = Read(b, BoreholeLayout::V2);
    record.fileName = "B-7.XML";
    BoreholeImportOptions options;
    options.kindChoices = {std::nullopt, 2};
    ProjectDocument doc;
    ASSERT_TRUE(ApplyBoreholeImport(PlanBoreholeImport(record, options, doc), doc));
    unsetenv("SOURCE_DATE_EPOCH");
    const BoreholeSource& s = *doc.boreholeSource;
    EXPECT_EQ(s.fileName + "|" + s.boreholeName + "|" + s.surveyName + "|" + s.latitude + "|" + s.longitude +
                  "|" + s.surveyStart + "|" + s.surveyEnd + "|" + s.layoutVersion + "|" + s.importDate,
              "B-7.XML|B-7|調査|34度59分53.2秒|135度49分58.2秒|1999-05-01|1999-05-20|2.10|2025-12-06");
    EXPECT_EQ(s.waterRecord,
              "1 番目の記録：2001-05-21，掘削状況 作業開始時，水位種別 清水位、被圧，深度 0.5 m");
    EXPECT_NE(s.importOptions.find("杭頭標高 地盤面に合わせて動かす"), std::string::npos);
    ASSERT_EQ(s.layers.size(), 2u);
    EXPECT_EQ(s.layers[1].originalNames, std::vector<std::string>{"砂岩"});
    EXPECT_EQ(s.layers[1].kind, 2);
    EXPECT_TRUE(s.layers[1].kindChosen);
    EXPECT_FALSE(s.layers[0].kindChosen);
    ASSERT_EQ(s.points.size(), 1u);
    EXPECT_EQ(s.points[0].blows, 10.0);
    EXPECT_EQ(s.notes.back(),
              "杭頭標高を 0.000 m から +10.000 m に変えました（現地盤面標高 0.000 m → +10.000 m，"
              "杭頭の地盤面からの深さを保ちます）。");

    test::BoreholeText other;
    other.name = "B-8";
    other.layers = {{"2.00", "砂"}};
    ASSERT_TRUE(ApplyBoreholeImport(PlanBoreholeImport(Read(other), {}, doc), doc));
    EXPECT_EQ(doc.boreholeSource->boreholeName, "B-8");
    EXPECT_TRUE(doc.boreholeSource->refusedTests.empty());
}

TEST(BoreholeImportRules, TitleOfANewStudy) {
    const struct {
        const char* name;
        const char* file;
        const char* title;
    } cases[] = {
        {"　B-2 ", "x.xml", "B-2"},
        {"", "No.5 孔.XML", "No.5 孔"},
        {"", ".xml", ".xml"},
        {"\"A\" 孔𠮷", "", "＂A＂ 孔?"},
        {"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりる", "",
         "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらり"},
    };
    for (const auto& c : cases) {
        BoreholeRecord record;
        record.name = c.name;
        record.fileName = c.file;
        EXPECT_EQ(StudyTitleOfBorehole(record), c.title) << c.name;
    }
}
