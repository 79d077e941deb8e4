#include "calc/PlausibilityNotes.h"
#include "TestDocuments.h"
#include "calc/basCalcMain.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zul {
namespace {

using testdocs::DrivenPileBelowDeepestN;
using testdocs::EndBearingDocument;

// One study, changed from a base, with the notes it must give.
struct NoteCase {
    const char* name;
    std::function<ProjectDocument()> study;
    std::vector<NoteKind> kinds;
    std::vector<std::string> words; // texts each note of the study must contain, in order
};

ProjectDocument Changed(ProjectDocument doc, const std::function<void(ProjectDocument&)>& change) {
    change(doc);
    return doc;
}

// A friction pile in the worked example's ground, so that a pile above the ground still
// calculates (an end-bearing pile with the entered tip resistance needs a segment at its tip).
ProjectDocument FrictionPile(double head, double length, double quakeSurface) {
    return Changed(EndBearingDocument(), [&](ProjectDocument& d) {
        d.InpJyoken.Siji = 1;
        d.InpJyoken.ELPU = head;
        d.InpJyoken.L = length;
        d.JibanLevel(4) = CellValue::Number(quakeSurface);
    });
}

const std::vector<NoteCase>& Cases() {
    static const std::vector<NoteCase> cases = {
        // No finding; the entered qd of the tip layer is above the standard value (a layer note).
        {"worked end-bearing example",
         [] { return EndBearingDocument(); },
         {},
         {"第 2 層（砂れき層、N値 40.0）に入力された先端支持力度 qd = 5000 kN/m2 が"}},
        {"tip on the deepest N value",
         [] { return Changed(DrivenPileBelowDeepestN(), [](ProjectDocument& d) { d.InpJyoken.L = 19.0; }); },
         {},
         {}},
        {"tip 1 m below the deepest N value: the evaluation reads N values down to 19 m",
         [] { return Changed(DrivenPileBelowDeepestN(), [](ProjectDocument& d) { d.InpJyoken.L = 20.0; }); },
         {NoteKind::TipBelowDeepestN},
         {"杭先端（深度 20.000 m）が入力された最深のN値（深度 19.000 "
          "m）より深く、先端支持力度の自動計算は深度 "
          "19.000 m までのN値で行われています。"}},
        // Depths stay depths below the top of the first layer when that lies above 0.
        {"ground top at +2.0: the tip at elevation -19.0 is at depth 21.0",
         [] {
             return Changed(DrivenPileBelowDeepestN(), [](ProjectDocument& d) {
                 d.InpJyoken.ELPU = 2.0;
                 for (int level = 1; level <= 4; ++level) {
                     d.JibanLevel(level) =
                         CellValue::Number(d.JibanLevel(level).toNumber().value_or(0) + 2.0);
                 }
             });
         },
         {NoteKind::NoNValueAtTip},
         {"杭先端（深度 21.000 m）が入力された最深のN値（深度 19.000 m）より深く"}},
        {"one N value only",
         [] {
             return Changed(DrivenPileBelowDeepestN(), [](ProjectDocument& d) {
                 testdocs::SetNValues(d, {{5, 20}});
             });
         },
         {NoteKind::TooFewNValues},
         {"N値が 2 点以上必要ですが、入力は 1 点のため、先端支持力度 qd が 0 です。"}},
        {"no N value",
         [] {
             return Changed(DrivenPileBelowDeepestN(),
                            [](ProjectDocument& d) { testdocs::SetNValues(d, {}); });
         },
         {NoteKind::TooFewNValues},
         {"N値が入力されていないため、先端支持力度 qd が 0 です。"}},
        {"N values of 0: the automatic value is 0",
         [] {
             return Changed(DrivenPileBelowDeepestN(), [](ProjectDocument& d) {
                 d.InpJyoken.L = 15.0;
                 testdocs::SetNValues(d, {{1, 0}, {10, 0}, {20, 0}});
             });
         },
         {NoteKind::NoTipResistance},
         {"支持杭ですが、先端支持力度の自動計算の結果 qd が 0 です（設計N値 NN = 0.0、qd/N = "}},
        // The automatic value is not used for a friction pile nor for a cast-in-place pile.
        {"friction pile below the deepest N value",
         [] { return Changed(DrivenPileBelowDeepestN(), [](ProjectDocument& d) { d.InpJyoken.Siji = 1; }); },
         {},
         {}},
        {"cast-in-place pile whose tip layer has no tip resistance entered",
         [] { return Changed(DrivenPileBelowDeepestN(), [](ProjectDocument& d) { d.InpJyoken.Sekou = 1; }); },
         {NoteKind::NoTipResistance},
         {"支持杭ですが、杭先端（標高 -21.000 m）のある第 2 層の先端支持力度 qd が 0 のため"}},
        {"tip 5 m below the deepest layer",
         [] { return Changed(EndBearingDocument(), [](ProjectDocument& d) { d.InpJyoken.L = 20.0; }); },
         {NoteKind::TipBelowLayers},
         {"杭先端（標高 -20.000 m）が最下層の下端（標高 -15.000 m）より深く"}},
        {"pile wholly above the ground",
         [] { return FrictionPile(12.0, 10.0, 0.0); },
         {NoteKind::TipAboveGround},
         {"杭先端（標高 2.000 m）が常時・地震時の設計地盤面（標高 0.000 m）以上の高さにあり"}},
        {"tip on the design ground surface",
         [] { return FrictionPile(10.0, 10.0, -1.0); },
         {NoteKind::TipAboveGround},
         {"常時・地震時の設計地盤面（標高 0.000 m・-1.000 m）"}},
        {"tip above the earthquake-case design ground surface only",
         [] { return FrictionPile(0.0, 2.0, -3.0); },
         {NoteKind::TipAboveGround},
         {"杭先端（標高 -2.000 m）が地震時の設計地盤面（標高 -3.000 m）以上"}},
        {"friction pile in the ground", [] { return FrictionPile(0.0, 4.0, -3.0); }, {}, {}},
    };
    return cases;
}

TEST(PlausibilityNotes, EachConditionOnASmallStudy) {
    for (const NoteCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const ProjectDocument doc = c.study();
        basCalcMain driver;
        ASSERT_TRUE(driver.CalcRa(doc));
        const CZul& normal = driver.CalcPair(0);
        const CZul& quake = driver.CalcPair(1);
        std::vector<PlausibilityFinding> findings;
        PlausibilityCheck(doc, normal).Find(normal, quake, findings);
        std::vector<NoteKind> kinds;
        for (const PlausibilityFinding& f : findings) {
            kinds.push_back(f.kind);
        }
        EXPECT_EQ(kinds, c.kinds);
        const std::vector<std::string> notes = PlausibilityNotes(doc, normal, quake);
        ASSERT_EQ(notes.size(), c.words.size());
        for (std::size_t i = 0; i < notes.size(); ++i) {
            EXPECT_NE(notes[i].find(c.words[i]), std::string::npos) << notes[i];
            // A sentence that says what to check.
            EXPECT_TRUE(notes[i].ends_with("確認して下さい。") || notes[i].ends_with("入力して下さい。"))
                << notes[i];
        }
    }
}

// A self-weight taken into account (in Ra or in Pa) that the unit weights make 0, as a new study
// has them, gets a note after the others; a weight of its own or none taken gets none.
TEST(PlausibilityNotes, PileWeightOfZeroTakenIntoAccount) {
    struct Case {
        int inRa, inPa;
        double gp1, gp2;
        bool noted;
    };
    for (const Case& c : {Case{0, 1, 0, 0, true}, Case{1, 0, 0, 0, true}, Case{0, 0, 0, 0, false},
                          Case{1, 1, 24.5, 0, false}, Case{1, 1, 0, 14.5, false}}) {
        const ProjectDocument doc = Changed(EndBearingDocument(), [&](ProjectDocument& d) {
            d.InpJyoken.IsWpRa = c.inRa;
            d.InpJyoken.IsWpPa = c.inPa;
            d.InpJyoken.Gp1 = c.gp1;
            d.InpJyoken.Gp2 = c.gp2;
        });
        basCalcMain driver;
        ASSERT_TRUE(driver.CalcRa(doc));
        const std::vector<std::string> notes = PlausibilityNotes(doc, driver.CalcPair(0), driver.CalcPair(1));
        // The study's other notes (its entered qd) stand beside this one.
        const auto weight = std::find_if(notes.begin(), notes.end(), [](const std::string& n) {
            return n.starts_with("杭の自重を考慮する");
        });
        if (c.noted) {
            ASSERT_NE(weight, notes.end()) << c.inRa << c.inPa;
            EXPECT_EQ(*weight,
                      "杭の自重を考慮する設定ですが、杭の単位体積重量が γp1 = 0.00、γp2 = 0.00 kN/m3 "
                      "のため、杭の自重 W が 0 です。計算条件の γp1・γp2 を確認して下さい。");
        } else {
            EXPECT_EQ(weight, notes.end()) << c.inRa << c.inPa << " " << c.gp1 << " " << c.gp2;
        }
    }
}

// The study of the report: N values to 19 m, the tip at 21 m, no N value left for the tip.
TEST(PlausibilityNotes, TipBelowTheDeepestNValueLeavesNoTipResistance) {
    const ProjectDocument doc = DrivenPileBelowDeepestN();
    basCalcMain driver;
    ASSERT_TRUE(driver.CalcRa(doc));
    EXPECT_EQ(driver.CalcPair(0).qd(), 0);
    EXPECT_EQ(
        PlausibilityNotes(doc, driver.CalcPair(0), driver.CalcPair(1)),
        std::vector<std::string>{"杭先端（深度 21.000 m）が入力された最深のN値（深度 19.000 m）より深く、"
                                 "先端支持力度の自動計算にN値がないため、先端支持力度 qd が 0 です。"
                                 "N値の入力範囲を確認して下さい。"});
}

// Table notes: per diameter the lengths at which each note holds, worded at the first.
struct TableCase {
    const char* name;
    std::function<ProjectDocument()> study;
    std::vector<std::string> lines; // every line of the first diameter, up to the note's first words
};

ProjectDocument AlternatingTipLayers() {
    // Layers of 1 m whose tip resistance is entered only for every second one: a tip on a
    // boundary belongs to the layer above, so the lengths 1, 3 and 5 m end in a layer without.
    ProjectDocument doc = EndBearingDocument();
    std::vector<testdocs::Layer> layers;
    for (int k = 1; k <= 8; ++k) {
        layers.push_back({0, 1.0, 18, 9, 10, 20, k % 2 == 0 ? 3000.0 : 0.0, 1});
    }
    testdocs::SetGround(doc, 0.0, -3.0, 0.0, 0.0, layers);
    testdocs::SetTable(doc, 1.0, 6.0, 1.0, {0.8});
    return doc;
}

TEST(PlausibilityNotes, TableNotesTellTheLengthsPerDiameter) {
    const std::vector<TableCase> cases = {
        {"N values to 19 m, lengths 17 to 21 m",
         [] { return DrivenPileBelowDeepestN(); },
         {"杭径φ 0.400 m、杭長 20.0 m：杭先端（深度 20.000 m）が入力された最深のN値（深度 19.000 "
          "m）より深く、"
          "先端支持力度の自動計算は",
          "杭径φ 0.400 m、杭長 21.0 m：杭先端（深度 21.000 m）が入力された最深のN値（深度 19.000 "
          "m）より深く、"
          "先端支持力度の自動計算にN値がない"}},
        {"N values to 19 m, lengths 17 to 23 m",
         [] {
             return Changed(DrivenPileBelowDeepestN(),
                            [](ProjectDocument& d) { testdocs::SetTable(d, 17.0, 23.0, 1.0, {0.4}); });
         },
         {"杭径φ 0.400 m、杭長 20.0 m：", "杭径φ 0.400 m、杭長 21.0 m 以上：杭先端（深度 21.000 m）"}},
        {"pile head 3 m above the ground",
         [] {
             return Changed(FrictionPile(3.0, 1.0, 0.0),
                            [](ProjectDocument& d) { testdocs::SetTable(d, 1.0, 6.0, 1.0, {0.8}); });
         },
         {"杭径φ 0.800 m、杭長 1.0～3.0 m：杭先端（標高 2.000 m）が常時・地震時の設計地盤面"}},
        {"tip resistance entered for every second layer",
         AlternatingTipLayers,
         {"杭径φ 0.800 m、杭長 1.0～5.0 m の一部：支持杭ですが、杭先端（標高 -1.000 m）のある第 1 層の"}},
        {"ordinary end-bearing pile",
         [] {
             return Changed(EndBearingDocument(), [](ProjectDocument& d) {
                 testdocs::SetTable(d, 6.0, 15.0, 0.5, {0.8, 1.2});
             });
         },
         {}},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.name);
        basCalcMain driver;
        ASSERT_TRUE(driver.CalcRaTable(c.study()));
        ASSERT_GE(driver.ResultCount(), 1);
        const std::vector<TableNote>& notes = driver.ResultNotes(0);
        ASSERT_EQ(notes.size(), c.lines.size());
        for (std::size_t i = 0; i < notes.size(); ++i) {
            const std::string line = TableNoteLine({driver.ResultDiameters(0)}, notes[i]);
            EXPECT_EQ(line.rfind(c.lines[i], 0), 0u) << line;
        }
    }
}

TEST(PlausibilityNotes, TableNotesAreThoseOfTheSingleCalculationAtTheirFirstLength) {
    const ProjectDocument table = Changed(DrivenPileBelowDeepestN(), [](ProjectDocument& d) {
        testdocs::SetTable(d, 12.0, 24.0, 0.5, {0.4, 0.0, 0.8});
        d.InpJyoken.ELPU = 1.0;
    });
    basCalcMain driver;
    ASSERT_TRUE(driver.CalcRaTable(table));
    ASSERT_EQ(driver.ResultCount(), 2);
    EXPECT_TRUE(driver.ResultNotes(2).empty());
    for (int place = 0; place < 2; ++place) {
        ASSERT_FALSE(driver.ResultNotes(place).empty());
        for (const TableNote& note : driver.ResultNotes(place)) {
            ProjectDocument single = table;
            single.InpJyoken.D = driver.ResultDiameters(place);
            single.InpJyoken.L = note.firstLength;
            basCalcMain one;
            ASSERT_TRUE(one.CalcRa(single));
            const std::vector<std::string> notes =
                PlausibilityNotes(single, one.CalcPair(0), one.CalcPair(1));
            EXPECT_NE(std::find(notes.begin(), notes.end(), note.text), notes.end()) << note.text;
            // The table rows keep the values of the single calculation.
            const clsRaTable* row = nullptr;
            for (const clsRaTable& r : driver.ResultTables(place)) {
                row = r.L == note.firstLength ? &r : row;
            }
            ASSERT_NE(row, nullptr);
            EXPECT_EQ(row->Ra, one.CalcPair(0).Ra());
            EXPECT_EQ(row->Pae, one.CalcPair(1).Pa());
        }
    }
}

// A safety factor below 1 or below 0, a layer of thickness 0 and rows left at the values of a
// row added on the screen, and values beyond a screen's range that still calculate are taken
// as entered, with a note each.
TEST(PlausibilityNotes, EnteredValuesSeldomMeant) {
    const struct {
        const char* name;
        std::function<void(ProjectDocument&)> change;
        std::string says; // empty: no such note
    } cases[] = {
        {"standard factors", [](ProjectDocument&) {}, ""},
        {"normal push-in", [](ProjectDocument& d) { d.Anzen(1) = CellValue::Number(0.5); },
         "常時の押込みの安全率 n = 0.50 が 1 より小さい"},
        {"earthquake pull-out", [](ProjectDocument& d) { d.Anzen(6) = CellValue::Number(0.8); },
         "地震時の引抜きの安全率 n = 0.80 が 1 より小さい"},
        {"factor of 1", [](ProjectDocument& d) { d.Anzen(1) = CellValue::Number(1.0); }, ""},
        {"negative factor", [](ProjectDocument& d) { d.Anzen(3) = CellValue::Number(-3); },
         "常時の引抜きの安全率 n = -3.00 が負のため"},
        {"layer without unit weights",
         [](ProjectDocument& d) {
             d.JibanLayer(3, 2) = CellValue::Number(0);
             d.JibanLayer(4, 2) = CellValue::Number(0);
         },
         "第 2 層の単位体積重量 γs、γs' が 0 のまま"},
        {"N row at its start values",
         [](ProjectDocument& d) {
             testdocs::SetNValues(d, {{1, 10}, {2, 20}, {0, 0}});
         },
         "Ｎ値の 3 行目が深度 0 m、Ｎ値 0 のまま"},
        {"design length a file held beyond the screen's range",
         [](ProjectDocument& d) { d.InpJyoken.L = 1e300; },
         "設計杭長　Ｌ(m)（1E+300）が入力範囲（0～999.999）を超えています。入力値を確認して下さい。"},
        {"N depth a file held beyond the screen's range",
         [](ProjectDocument& d) {
             testdocs::SetNValues(d, {{1, 10}, {1e300, 20}});
         },
         "Ｎ値の2行目の「深度」（1E+300）が入力範囲（0～99.999）を超えています。"},
        {"layer of no thickness",
         [](ProjectDocument& d) {
             testdocs::SetGround(d, 0.0, -3.0, 0.0, 0.0,
                                 {{0, 5, 18, 9, 10, 20, 3000, 1},
                                  {1, 0, 18, 8, 5, 10, 0, 1},
                                  {1, 10, 20, 10, 40, 100, 5000, 0.5}});
         },
         "第 2 層の層厚が 0 m"},
    };
    for (const auto& c : cases) {
        const ProjectDocument doc = Changed(EndBearingDocument(), c.change);
        basCalcMain driver;
        ASSERT_TRUE(driver.CalcRa(doc)) << c.name;
        const std::vector<std::string> notes = PlausibilityNotes(doc, driver.CalcPair(0), driver.CalcPair(1));
        const auto entered = std::count_if(notes.begin(), notes.end(), [](const std::string& n) {
            return n.find("安全率 n =") != std::string::npos || n.find("層厚が 0 m") != std::string::npos ||
                   n.find("のままです") != std::string::npos || n.find("入力範囲") != std::string::npos;
        });
        EXPECT_EQ(entered, c.says.empty() ? 0 : 1) << c.name;
        if (!c.says.empty()) {
            EXPECT_TRUE(std::any_of(notes.begin(), notes.end(), [&](const std::string& n) {
                return n.find(c.says) != std::string::npos;
            })) << c.name;
        }
    }
}

} // namespace
} // namespace zul
