#include "ExampleStudies.h"
#include "calc/PlausibilityNotes.h"
#include "calc/basCalcMain.h"
#include "io/InputDataFile.h"

#include "../util/TestFolder.h"

#include <gtest/gtest.h>

namespace zul {
namespace {

std::string ExamplePath(const std::string& name) {
    return std::string(ZUL_SOURCE_DIR) + "/examples/" + name;
}

// Each bundled example is exactly what the writer makes of its study.
TEST(Examples, FilesAreTheWrittenStudies) {
    test::TestFolder folder;
    for (const auto& example : examples::AllExamples()) {
        int code = 0;
        const std::string written = folder.file(example.fileName);
        ASSERT_TRUE(SaveInputData(example.doc, written, code)) << code;
        EXPECT_EQ(test::ReadBytes(written), test::ReadBytes(ExamplePath(example.fileName)))
            << example.fileName;
    }
}

basCalcMain Calculated(const std::string& name) {
    ProjectDocument doc;
    const OpenResult opened = OpenInputFile(doc, ExamplePath(name));
    EXPECT_TRUE(opened.success) << name;
    basCalcMain driver;
    EXPECT_TRUE(driver.CalcRa(doc)) << name;
    EXPECT_TRUE(driver.CalcRaTable(doc)) << name;
    EXPECT_EQ(driver.ResultCount(), 3) << name;
    return driver;
}

TEST(Examples, EndBearingPileGivesTheWorkedValues) {
    const basCalcMain driver = Calculated("end-bearing-pile.zul");
    const CZul& c = driver.CalcPair(0);
    EXPECT_EQ(c.Ru(), 5812.2);
    EXPECT_EQ(c.Ra(), 1863.8);
    EXPECT_EQ(c.Pu(), 1885.2);
    EXPECT_EQ(c.Pa(), 451.7);
    // Earthquake: (5812.2 - 95.82) / 2 + 95.82 - 137.45 and 1885.2 / 3 + 137.45.
    EXPECT_EQ(driver.CalcPair(1).Ra(), 2816.6);
    EXPECT_EQ(driver.CalcPair(1).Pa(), 765.9);
    EXPECT_EQ(driver.ResultTables(1).Count(), 19);
    EXPECT_EQ(driver.ResultTables(1).Item(9)->Ra, 1863.8); // L = 10.0, D = 1.0
}

TEST(Examples, DrivenPileFindsTheAutomaticTipResistance) {
    const basCalcMain driver = Calculated("driven-pile-auto-tip.zul");
    const CZul& c = driver.CalcPair(0);
    EXPECT_EQ(c.QdMethod(), 1);
    EXPECT_EQ(c.NN(), 36.2);
    EXPECT_EQ(c.qd(), 7240);
    EXPECT_EQ(c.QfRa(), 8 * 80 + 2 * 80);
    EXPECT_EQ(c.Ru(), 5649.95); // 7240 x 0.5027 + 2.513 x 800 = 5649.948
    EXPECT_EQ(driver.ResultTables(0).Count(), 17);
}

TEST(Examples, RotaryPressInPileResistsPullOutWithItsBlades) {
    const basCalcMain driver = Calculated("rotary-press-in-pile.zul");
    const CZul& c = driver.CalcPair(0);
    EXPECT_TRUE(c.IsEcoPile());
    EXPECT_EQ(c.H(), 1.5);
    EXPECT_EQ(c.Fai(), 38);
    EXPECT_EQ(c.Beta(), 2.89);
    EXPECT_GT(c.Pu(), c.Up() * c.QfPa());
    EXPECT_EQ(c.qd(), 9000);
    EXPECT_EQ(c.Aw(), 0.2513); // (0.36 - 0.04) x pi / 4
}

TEST(Examples, FrictionPileHasNoTipResistance) {
    const basCalcMain driver = Calculated("friction-pile-clay.zul");
    const CZul& normal = driver.CalcPair(0);
    const CZul& quake = driver.CalcPair(1);
    EXPECT_EQ(normal.qd(), 0);
    EXPECT_EQ(normal.nRa(), 4);
    EXPECT_EQ(quake.nRa(), 3);
    // 20 x 6 + 50 x 10 + 80 x 4 normally; the earthquake case starts at -1.5 with half of 20.
    EXPECT_EQ(normal.QfRa(), 940);
    EXPECT_EQ(quake.QfRa(), 10 * 4.5 + 500 + 320);
    EXPECT_EQ(driver.ResultTables(2).Count(), 19);
}

// The bundled studies are ordinary: their pile gets no note.  Only the study table of the
// driven pile reaches below its deepest N value (12 m): from 12.5 m the tip evaluation reads N
// values down to 12 m only, and once the four diameters above the tip lie wholly below 12 m
// (a length above 12 m + 4 D) none are left for it.
TEST(Examples, PlausibilityNotesOnlyWhereDue) {
    struct Held {
        NoteKind kind;
        double first;
        double last;
    };
    const std::vector<std::vector<Held>> driven = {
        {{NoteKind::TipBelowDeepestN, 12.5, 14.0}, {NoteKind::NoNValueAtTip, 14.5, 16.0}},
        {{NoteKind::TipBelowDeepestN, 12.5, 15.0}, {NoteKind::NoNValueAtTip, 15.5, 16.0}},
        {{NoteKind::TipBelowDeepestN, 12.5, 15.5}, {NoteKind::NoNValueAtTip, 16.0, 16.0}}};
    for (const char* name : {"end-bearing-pile.zul", "driven-pile-auto-tip.zul", "rotary-press-in-pile.zul",
                             "friction-pile-clay.zul", "new-study.zul"}) {
        SCOPED_TRACE(name);
        ProjectDocument doc;
        ASSERT_TRUE(OpenInputFile(doc, ExamplePath(name)).success);
        basCalcMain driver;
        if (driver.CalcRa(doc)) {
            // The end-bearing and the rotary press-in example enter a tip resistance above the
            // standard value of their tip layer.
            const std::vector<std::string> notes =
                PlausibilityNotes(doc, driver.CalcPair(0), driver.CalcPair(1));
            const bool enteredQd = std::string(name) == "end-bearing-pile.zul" ||
                                   std::string(name) == "rotary-press-in-pile.zul";
            ASSERT_EQ(notes.size(), enteredQd ? 1u : 0u);
            EXPECT_TRUE(!enteredQd || notes[0].find("に入力された先端支持力度 qd = ") != std::string::npos)
                << notes[0];
        }
        if (!driver.CalcRaTable(doc)) {
            continue; // a new study has no ground to calculate
        }
        const bool isDriven = std::string(name) == "driven-pile-auto-tip.zul";
        for (int place = 0; place < driver.ResultCount(); ++place) {
            const std::vector<TableNote>& notes = driver.ResultNotes(place);
            const std::vector<Held> expected =
                isDriven ? driven.at(static_cast<std::size_t>(place)) : std::vector<Held>{};
            ASSERT_EQ(notes.size(), expected.size()) << place;
            for (std::size_t i = 0; i < notes.size(); ++i) {
                EXPECT_EQ(notes[i].kind, expected[i].kind);
                EXPECT_EQ(notes[i].firstLength, expected[i].first);
                EXPECT_EQ(notes[i].lastLength, expected[i].last);
                EXPECT_TRUE(notes[i].everyLengthBetween);
            }
        }
    }
}

} // namespace
} // namespace zul
