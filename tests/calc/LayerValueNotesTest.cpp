// Notes on the bearing layer and on entered ground values above the ground screen's standard
// values, on small studies.
#include "calc/LayerValueNotes.h"
#include "TestDocuments.h"
#include "calc/PlausibilityNotes.h"
#include "calc/basCalcMain.h"

#include <gtest/gtest.h>

#include <functional>

namespace zul {
namespace {

// The worked end-bearing example (cast-in-place, tip at -10 m in the gravel of N 40) with the
// standard values entered: no note.
ProjectDocument Standard(const std::function<void(ProjectDocument&)>& change) {
    ProjectDocument doc = testdocs::EndBearingDocument();
    testdocs::SetGround(doc, 0.0, -3.0, 0.0, 0.0,
                        {{0, 5, 18, 9, 10, 50, 0, 1}, {1, 10, 20, 10, 40, 200, 3000, 0.5}});
    change(doc);
    return doc;
}

void Cell(ProjectDocument& doc, std::size_t column, std::size_t row, double value) {
    doc.JibanLayer(column, row) = CellValue::Number(value);
}

TEST(LayerValueNotes, BearingLayerAndEnteredValuesThatTheCalculationUses) {
    struct Case {
        const char* name;
        std::function<void(ProjectDocument&)> change;
        std::vector<std::string> notes; // the start of each note, in order
    };
    const Case cases[] = {
        {"standard values", [](ProjectDocument&) {}, {}},
        {"gravel of N 29.9 at the tip",
         [](ProjectDocument& d) {
             Cell(d, 5, 2, 29.9);
             Cell(d, 7, 2, 0);
             Cell(d, 6, 2, 149.5);
         },
         {"支持杭の先端がある第 2 層（砂れき層、N値 29.9）は、砂れき層の支持層の目安のN値 30 未満です。"}},
        {"cohesive soil of N 18 at the tip; 20 is enough",
         [](ProjectDocument& d) {
             Cell(d, 1, 2, 2);
             Cell(d, 5, 2, 18);
             Cell(d, 7, 2, 0);
             Cell(d, 6, 2, 150);
         },
         {"支持杭の先端がある第 2 層（粘性土層、N値 18.0）は、粘性土層の支持層の目安のN値 20 未満です。"}},
        {"cohesive soil of N 20",
         [](ProjectDocument& d) {
             Cell(d, 1, 2, 2);
             Cell(d, 5, 2, 20);
             Cell(d, 7, 2, 0);
             Cell(d, 6, 2, 150);
         },
         {}},
        {"a friction pile has no bearing layer and uses no qd",
         [](ProjectDocument& d) {
             d.InpJyoken.Siji = 1;
             Cell(d, 5, 2, 10);
             Cell(d, 6, 2, 50);
         },
         {}},
        {"qd above the standard at the tip",
         [](ProjectDocument& d) { Cell(d, 7, 2, 5000); },
         {"第 2 層（砂れき層、N値 40.0）に入力された先端支持力度 qd = 5000 kN/m2 "
          "が、施工方法・層種・N値による"
          "標準値（ﾃﾞﾌｫﾙﾄ値）3000 kN/m2 を超えています。"}},
        {"qd of a layer away from the tip", [](ProjectDocument& d) { Cell(d, 7, 1, 5000); }, {}},
        {"a standard qd of 0 is no standard (driven pile: the automatic methods have none)",
         [](ProjectDocument& d) {
             d.InpJyoken.Sekou = 0;
             Cell(d, 6, 2, 80);
             Cell(d, 6, 1, 20);
         },
         {}},
        {"f above the standard along the pile, none below its tip",
         [](ProjectDocument& d) {
             Cell(d, 6, 1, 50.1);
             d.InpJyoken.L = 4.0;
             Cell(d, 6, 2, 500);
         },
         {"支持杭の先端がある第 1 層（砂質土層、N値 10.0）は",
          "第 1 層（砂質土層、N値 10.0）に入力された最大周面摩擦力度 f = 50.1 kN/m2 が、"
          "施工方法・層種・N値による標準値（ﾃﾞﾌｫﾙﾄ値）50.0 kN/m2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProjectDocument doc = Standard(c.change);
        basCalcMain driver;
        ASSERT_TRUE(driver.CalcRa(doc));
        const std::vector<std::string> notes = LayerValueNotes(doc, driver.CalcPair(0));
        ASSERT_EQ(notes.size(), c.notes.size());
        for (std::size_t i = 0; i < notes.size(); ++i) {
            EXPECT_EQ(notes[i].rfind(c.notes[i], 0), 0u) << notes[i];
            EXPECT_TRUE(notes[i].ends_with("確認して下さい。")) << notes[i];
        }
        // The check screen, zul-cli and the report show them with the other notes.
        const std::vector<std::string> all = PlausibilityNotes(doc, driver.CalcPair(0), driver.CalcPair(1));
        for (const std::string& note : notes) {
            EXPECT_NE(std::find(all.begin(), all.end(), note), all.end());
        }
    }
}

TEST(LayerValueNotes, TipOnABoundaryBelongsToTheLayerAbove) {
    for (const auto& [length, layer] :
         {std::pair{5.0, 1}, std::pair{5.001, 2}, std::pair{15.0, 2}, std::pair{15.5, 0}}) {
        SCOPED_TRACE(length);
        const ProjectDocument doc = Standard([&](ProjectDocument& d) { d.InpJyoken.L = length; });
        basCalcMain driver;
        ASSERT_TRUE(driver.CalcRa(doc));
        EXPECT_EQ(TipLayerNumber(driver.CalcPair(0)), layer);
    }
}

} // namespace
} // namespace zul
