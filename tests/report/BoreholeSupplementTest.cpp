// The borehole of an imported study on paper: the source block after the layer table, the
// N-value table with blows, penetration and flags, the import notes among the report's notes;
// nothing of it without a source or with the supplements off.
#include "report/BoreholeSupplement.h"
#include "../calc/TestDocuments.h"
#include "SectionTestSupport.h"
#include "report/ConditionsSupplement.h"
#include "report/ReportNotes.h"
#include "util/Cp932.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zul {
namespace {

using test::SectionRun;

// The worked end-bearing example as imported from a borehole: its two layers and N values, a
// capped N value, a test of 0 blows and a refused test.
ProjectDocument Imported() {
    ProjectDocument doc = testdocs::EndBearingDocument();
    testdocs::SetNValues(doc, {{1.15, 0}, {3.15, 10}, {6.3, 40}, {9.3, 100}});
    BoreholeSource s;
    s.fileName = "BED0001.XML";
    s.boreholeName = "No.1";
    s.surveyName = "○○地区地質調査";
    s.latitude = "35 40 12.3";
    s.longitude = "139 45 0.5";
    s.elevation = 72.23;
    s.totalDepth = 15.45;
    s.surveyStart = "2010-01-05";
    s.surveyEnd = "2010-01-08";
    s.layoutVersion = "4.00";
    s.importDate = "2026-12-07";
    s.waterRecord = "2010-01-06 作業開始時 清水位 深度 3.00 m";
    s.layers = {{{"盛土", "玉石混り砂"}, 0, false, 5, 10}, {{"砂岩"}, 1, true, 10, 40}};
    s.points = {{1.15, 0, 0.0, 45.0, NPointFlag::SelfSink},
                {3.15, 10, 10.0, 30.0, NPointFlag::None},
                {6.3, 40, 40.0, 30.0, NPointFlag::None},
                {9.3, 100, 50.0, 10.0, NPointFlag::Capped}};
    s.refusedTests = {{7.3, 50.0, 0.0, ""}};
    s.notes = {"地層 2 の土質名「砂岩」を砂れき層としました。"};
    doc.boreholeSource = s;
    return doc;
}

std::vector<std::string> Conditions(const ProjectDocument& doc, bool supplement) {
    SectionRun run(doc);
    run.SetSupplement(supplement);
    return run.Write(basResOutJyoken);
}

bool Has(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(part) != l.npos; });
}

const std::string* LineWith(const std::vector<std::string>& lines, const std::string& part) {
    const auto at = std::find_if(lines.begin(), lines.end(),
                                 [&](const std::string& l) { return l.find(part) != l.npos; });
    return at == lines.end() ? nullptr : &*at;
}

TEST(BoreholeSupplement, RowsPairTheNValuesWithTheirTests) {
    ProjectDocument doc = Imported();
    testdocs::SetNValues(doc, {{1.15, 0}, {3.15, 12}, {6.3, 40}, {8.0, 20}, {9.3, 100}});
    doc.boreholeSource->refusedTests.push_back({std::nullopt, 30.0, 0.0, "深度不明"});
    SectionRun run(doc);
    const std::vector<BoreholeNRow> rows = BoreholeNRows(*doc.boreholeSource, run.Normal().N());
    struct Expected {
        int number;
        std::string blows, remark;
    };
    const std::vector<Expected> expected = {{1, "0/45", "自沈"},       {2, "10/30", "取込み後に変更"},
                                            {3, "40/30", ""},          {0, "50/0", "貫入不能"},
                                            {4, "", "取込み後に追加"}, {5, "50/10", "上限"},
                                            {0, "30/0", "深度不明"}};
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].number, expected[i].number);
        EXPECT_EQ(rows[i].blows, expected[i].blows);
        EXPECT_EQ(rows[i].remark, expected[i].remark);
    }
    EXPECT_EQ(BlowsText(50.0, std::nullopt), "50/－");
    EXPECT_EQ(BlowsText(std::nullopt, 30.0), "");
}

TEST(BoreholeSupplement, ConditionsReportShowsTheSourceWithTheSupplementsOnly) {
    const ProjectDocument imported = Imported();
    ProjectDocument plain = imported;
    plain.boreholeSource.reset();
    // Off, the source changes nothing; on, a study without one keeps its N-value table.
    EXPECT_EQ(Conditions(imported, false), Conditions(plain, false));
    EXPECT_FALSE(Has(Conditions(plain, true), "ボーリングデータ"));
    EXPECT_FALSE(Has(Conditions(plain, true), "打撃回数"));

    const std::vector<std::string> on = Conditions(imported, true);
    for (const char* part :
         {"ボーリングデータ", "BED0001.XML", "No.1", "○○地区地質調査", "緯度 35 40 12.3　経度 139 45 0.5",
          "+72.230 m", "15.45 m", "2010-01-05～2010-01-08", "清水位 深度 3.00 m", "盛土・玉石混り砂",
          "砂れき層＊", "取込み後の変更　：　なし"}) {
        EXPECT_TRUE(Has(on, part)) << part;
    }
    // The source block stands between the layer table and the N values.
    const auto at = [&](const std::string& part) { return LineWith(on, part) - on.data(); };
    EXPECT_LT(at("※ 標高は上段が層上端"), at("ボーリングデータ"));
    EXPECT_LT(at("ボーリングデータ"), at("Ｎ値（標準貫入試験）"));
    const std::string* capped = LineWith(on, "50/10");
    ASSERT_NE(capped, nullptr);
    EXPECT_NE(capped->find("100.0"), std::string::npos);
    EXPECT_NE(capped->find("上限"), std::string::npos);
    const std::string* refused = LineWith(on, "貫入不能");
    ASSERT_NE(refused, nullptr);
    EXPECT_NE(refused->find("7.300"), std::string::npos);
    EXPECT_NE(refused->find("50/0"), std::string::npos);
    EXPECT_TRUE(Has(on, "自沈"));
    // No line of the block and the table is wider than the layer table.
    for (auto line = on.begin() + at("ボーリングデータ"); line != on.begin() + at("地盤と杭の関係図");
         ++line) {
        EXPECT_LE(EncodeCp932Lenient(*line).size(), 2 + 76u) << *line;
    }
}

TEST(BoreholeSupplement, EditsAfterTheImportAreNamed) {
    ProjectDocument doc = Imported();
    doc.JibanLayer(1, 1) = CellValue::Number(2);
    testdocs::SetNValues(doc, {{1.15, 0}, {3.15, 12}, {6.3, 40}, {9.3, 100}});
    const std::vector<std::string> on = Conditions(doc, true);
    EXPECT_TRUE(Has(on, "取込み後の変更　：　地層 1 の層種，N 値 1 点（変更 1）")) << on.size();
    SectionRun run(doc);
    run.SetSupplement(true);
    const std::string notes = test::Utf8(StudyNotesText(run.Run(), run.Context()));
    EXPECT_NE(notes.find("取込み後に変更：地層 1 の層種，N 値 1 点"), std::string::npos) << notes;
    EXPECT_NE(notes.find(std::string(kImportNotePrefix) + "地層 2 の土質名「砂岩」"), std::string::npos)
        << notes;
}

// Long names and many layers: rows never split, each page's table closes and the next repeats
// its head, no page runs over.
TEST(BoreholeSupplement, LayerTableKeepsRowsWholeOverPages) {
    ProjectDocument doc = Imported();
    std::vector<testdocs::Layer> layers(kMaxLayers, {2, 0.5, 18, 9, 10, 20, 0, 1});
    testdocs::SetGround(doc, 0.0, -3.0, 0.0, 0.0, layers);
    doc.boreholeSource->layers.assign(
        kMaxLayers, {{"シルト混り細砂", "礫混り粘土", "腐植土", "盛土・玉石互層"}, 2, false, 0.5, 10});
    const std::vector<std::string> lines = Conditions(doc, true);
    int onPage = 0;
    int heads = 0;
    int closes = 0;
    bool rowOpen = false;
    for (const std::string& line : lines) {
        if (test::StartsPage(line)) {
            EXPECT_FALSE(rowOpen) << "a row runs over a page";
            onPage = 0;
        }
        onPage += 1 + (line.find("?FG;") != line.npos ? kLinesUnderSoilProfile : 0);
        EXPECT_LE(onPage, kLinesPerPage);
        heads += line.find("元の土質名") != line.npos ? 1 : 0;
        rowOpen = rowOpen || line.find("シルト混り細砂") != line.npos;
        if (line.find("玉石互層") != line.npos) {
            rowOpen = false;
            ++closes;
        }
    }
    EXPECT_GE(heads, 2);
    EXPECT_EQ(closes, kMaxLayers);
}

} // namespace
} // namespace zul
