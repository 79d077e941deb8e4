#include "ExampleStudies.h"
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

} // namespace
} // namespace zul
