#include "calc/basCalcMain.h"

#include "TestDocuments.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace zul {
namespace {

using testdocs::EndBearingDocument;
using testdocs::SetTable;

// The worked example with a study table of the given lengths and diameters.
ProjectDocument EndBearingTable(double from, double to, double step,
                                std::initializer_list<double> diameters) {
    ProjectDocument doc = EndBearingDocument();
    SetTable(doc, from, to, step, diameters);
    return doc;
}

std::vector<double> Lengths(const colRaTabls& rows) {
    std::vector<double> out;
    for (const clsRaTable& r : rows) {
        out.push_back(r.L);
    }
    return out;
}

TEST(CalcRa, BothCasesOfTheWorkedExample) {
    basCalcMain driver;
    ASSERT_TRUE(driver.CalcRa(EndBearingDocument()));
    const CZul& normal = driver.CalcPair(0);
    const CZul& quake = driver.CalcPair(1);
    EXPECT_EQ(normal.Up(), 3.142);
    EXPECT_EQ(normal.Ap(), 0.7854);
    EXPECT_EQ(normal.Ra(), 1863.8);
    EXPECT_EQ(normal.Pa(), 451.7);
    EXPECT_EQ(normal.nRa(), 3);
    EXPECT_EQ(normal.nPa(), 6);
    EXPECT_EQ(normal.Jiban().Item(2)->DE, 1);
    EXPECT_EQ(normal.Jiban().Item(2)->EU, -5);
    EXPECT_EQ(normal.Jiban().Item(2)->EL, -15);
    // Earthquake case: factors 2 and 3, friction of layer 2 halved.
    EXPECT_EQ(quake.nRa(), 2);
    EXPECT_EQ(quake.nPa(), 3);
    EXPECT_EQ(quake.QfRa(), 350);
    EXPECT_EQ(quake.Ru(), 5026.7);
    EXPECT_EQ(quake.Ra(), 2423.8);
    EXPECT_EQ(quake.Pu(), 1099.7);
    EXPECT_EQ(quake.Pa(), 504.0);
}

TEST(CalcRa, InputsTakenFromTheDocument) {
    ProjectDocument doc = EndBearingDocument();
    doc.InpJyoken.D = 0.8;
    doc.InpJyoken.Dw = 1.2;
    doc.InpJyoken.Dwi = 0.4;
    doc.InpJyoken.Siji = 1;
    doc.JibanLevel(3) = CellValue::Number(-1.0);
    doc.JibanLevel(4) = CellValue::Text("-2.0");
    doc.Anzen(2) = CellValue::Number(4.5);
    basCalcMain driver;
    ASSERT_TRUE(driver.CalcRa(doc));
    const CZul& normal = driver.CalcPair(0);
    EXPECT_EQ(normal.Up(), 2.513);
    EXPECT_EQ(normal.Ap(), 0.5027);
    EXPECT_EQ(normal.Aw(), 1.0053);
    EXPECT_EQ(normal.KuiType(), 1);
    EXPECT_EQ(normal.nRa(), 4.5);
    EXPECT_EQ(driver.CalcPair(1).nRa(), 3);
    EXPECT_EQ(normal.ELGL(), -1.0);
    EXPECT_EQ(driver.CalcPair(1).ELGL(), -2.0);
    EXPECT_FALSE(normal.IsEcoPile());
}

TEST(CalcRa, AutomaticTipOnlyForDrivenPiles) {
    ProjectDocument doc = EndBearingDocument();
    doc.InpJyoken.QdMethod = 1;
    doc.InpJyoken.QdSiji = 1;
    doc.InpJyoken.ELSL = -4.5;
    doc.InpJyoken.Bottom = 1;
    basCalcMain driver;
    for (int sekou = 0; sekou <= 7; ++sekou) {
        doc.InpJyoken.Sekou = sekou;
        ASSERT_TRUE(driver.CalcRa(doc)) << sekou;
        const CZul& c = driver.CalcPair(0);
        const bool automatic = sekou == 0 || sekou == 2;
        EXPECT_EQ(c.QdMethod(), automatic ? 1 : 0) << sekou;
        EXPECT_EQ(c.QdNeireType(), automatic ? 1 : 0);
        EXPECT_EQ(c.QdAp(), automatic ? 1 : 0);
        EXPECT_EQ(c.IsEcoPile(), sekou == 7);
    }
    doc.InpJyoken.Sekou = 0;
    doc.InpJyoken.QdSiji = 0;
    ASSERT_TRUE(driver.CalcRa(doc));
    EXPECT_EQ(driver.CalcPair(0).QdELNeire(), -4.5);
    doc.InpJyoken.QdMethod = 0;
    ASSERT_TRUE(driver.CalcRa(doc));
    EXPECT_EQ(driver.CalcPair(0).QdMethod(), 0);
    EXPECT_EQ(driver.CalcPair(0).qd(), 5000);
}

TEST(CalcRa, FailuresReturnFalse) {
    basCalcMain driver;
    ProjectDocument zeroFactor = EndBearingDocument();
    zeroFactor.Anzen(3) = CellValue::Number(0);
    EXPECT_FALSE(driver.CalcRa(zeroFactor));
    ProjectDocument noLayers = EndBearingDocument();
    noLayers.JibanCount = 0;
    EXPECT_FALSE(driver.CalcRa(noLayers));
    ProjectDocument zeroDiameter = EndBearingDocument();
    zeroDiameter.InpJyoken.D = 0;
    zeroDiameter.InpJyoken.Sekou = 0;
    zeroDiameter.InpJyoken.QdMethod = 1;
    zeroDiameter.NCount = 2;
    zeroDiameter.NData(1, 1) = CellValue::Number(1);
    zeroDiameter.NData(1, 2) = CellValue::Number(12);
    EXPECT_FALSE(driver.CalcRa(zeroDiameter));
    ProjectDocument textCell = EndBearingDocument();
    textCell.JibanLayer(6, 2) = CellValue::Text("abc");
    EXPECT_FALSE(driver.CalcRa(textCell));
    ProjectDocument kindOutOfRange = EndBearingDocument();
    kindOutOfRange.JibanLayer(1, 1) = CellValue::Number(3e9);
    EXPECT_FALSE(driver.CalcRa(kindOutOfRange));
    ProjectDocument tooManyLayers = EndBearingDocument();
    tooManyLayers.JibanCount = 21;
    EXPECT_FALSE(driver.CalcRa(tooManyLayers));
    ProjectDocument steep = EndBearingDocument();
    steep.InpJyoken.Theta = 90;
    EXPECT_FALSE(driver.CalcRa(steep));
    // The pair of a failed run is a new one; a later good run replaces it again.
    EXPECT_TRUE(driver.CalcRa(EndBearingDocument()));
    EXPECT_EQ(driver.CalcPair(0).Ra(), 1863.8);
}

TEST(CalcRaTable, LengthSteps) {
    basCalcMain driver;
    ProjectDocument doc = EndBearingTable(10.0, 20.0, 2.5, {1.0});
    ASSERT_TRUE(driver.CalcRaTable(doc));
    ASSERT_EQ(driver.ResultCount(), 1);
    EXPECT_EQ(Lengths(driver.ResultTables(0)), (std::vector<double>{10, 12.5, 15, 17.5, 20}));

    SetTable(doc, 10.0, 12.7, 1.0, {1.0});
    ASSERT_TRUE(driver.CalcRaTable(doc));
    EXPECT_EQ(Lengths(driver.ResultTables(0)), (std::vector<double>{10, 11, 12, 12.7}));

    SetTable(doc, 1.0, 999.9, 0.1, {1.0});
    ASSERT_TRUE(driver.CalcRaTable(doc));
    EXPECT_EQ(driver.ResultTables(0).Count(), 9990);
    EXPECT_EQ(driver.ResultTables(0).Item(9990)->L, 999.9);
    EXPECT_EQ(driver.ResultTables(0).Item(5)->L, 1.4);

    SetTable(doc, 20.0, 10.0, 1.0, {1.0});
    EXPECT_TRUE(driver.CalcRaTable(doc));
    EXPECT_EQ(driver.ResultCount(), 1);
    EXPECT_EQ(driver.ResultTables(0).Count(), 0);
}

TEST(CalcRaTable, RowsMatchTheSinglePileCalculation) {
    basCalcMain driver;
    ProjectDocument doc = EndBearingTable(8.0, 10.0, 1.0, {1.0});
    ASSERT_TRUE(driver.CalcRaTable(doc));
    const clsRaTable& row = *driver.ResultTables(0).Item(3);
    EXPECT_EQ(row.L, 10);
    EXPECT_EQ(row.Ra, 1863.8);
    EXPECT_EQ(row.Pa, 451.7);
    EXPECT_EQ(row.Rae, 2423.8);
    EXPECT_EQ(row.Pae, 504.0);
    EXPECT_EQ(row.Error, 0);
}

TEST(CalcRaTable, UsedDiametersSkipEmptyColumns) {
    basCalcMain driver;
    ProjectDocument doc = EndBearingTable(10.0, 11.0, 1.0, {0.8, 0, 1.0, 0.09, 0.0901});
    doc.RaTable(20) = CellValue::Text("1.2");
    ASSERT_TRUE(driver.CalcRaTable(doc));
    ASSERT_EQ(driver.ResultCount(), 4);
    EXPECT_EQ(driver.ResultDiameters(0), 0.8);
    EXPECT_EQ(driver.ResultDiameters(1), 1.0);
    EXPECT_EQ(driver.ResultDiameters(2), 0.0901);
    EXPECT_EQ(driver.ResultDiameters(3), 1.2);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(driver.ResultTables(i).Count(), 2);
    }
    EXPECT_EQ(driver.ResultTables(10).Count(), 0);
    EXPECT_EQ(driver.ResultDiameters(-1), 0);

    // A later run with fewer diameters keeps the old rows beyond the count.
    SetTable(doc, 10.0, 11.0, 1.0, {1.0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_TRUE(driver.CalcRaTable(doc));
    EXPECT_EQ(driver.ResultCount(), 1);
    EXPECT_EQ(driver.ResultTables(1).Count(), 2);
}

// Rows handed to a sink as they are calculated are the rows a kept table holds, and none is kept.
TEST(CalcRaTable, ASinkReceivesTheRowsInsteadOfTheTable) {
    struct Collect : TableRowSink {
        std::vector<std::pair<int, double>> diameters;
        std::vector<clsRaTable> rows;
        void Diameter(int place, double d) override { diameters.emplace_back(place, d); }
        void Row(const clsRaTable& row) override { rows.push_back(row); }
    };
    const ProjectDocument doc = EndBearingTable(10.0, 12.0, 1.0, {0.8, 0, 1.0});
    basCalcMain kept;
    ASSERT_TRUE(kept.CalcRaTable(doc));
    basCalcMain streamed;
    Collect sink;
    ASSERT_TRUE(streamed.CalcRaTable(doc, sink));
    EXPECT_EQ(sink.diameters, (std::vector<std::pair<int, double>>{{0, 0.8}, {1, 1.0}}));
    std::vector<clsRaTable> expected(kept.ResultTables(0).begin(), kept.ResultTables(0).end());
    expected.insert(expected.end(), kept.ResultTables(1).begin(), kept.ResultTables(1).end());
    EXPECT_EQ(sink.rows, expected);
    EXPECT_EQ(streamed.ResultCount(), 2);
    EXPECT_EQ(streamed.ResultDiameters(1), 1.0);
    EXPECT_EQ(streamed.ResultTables(0).Count(), 0);
}

TEST(CalcRaTable, RotaryPressInPileUsesStandardBladeProportions) {
    ProjectDocument doc = EndBearingDocument();
    doc.InpJyoken.Sekou = 7;
    doc.InpJyoken.D = 0.8;
    doc.InpJyoken.Dw = 1.2;
    doc.InpJyoken.Dwi = 0.4;
    SetTable(doc, 10.0, 10.0, 1.0, {0.8});
    basCalcMain driver;
    ASSERT_TRUE(driver.CalcRaTable(doc));
    ASSERT_TRUE(driver.CalcRa(doc));
    EXPECT_EQ(driver.ResultTables(0).Item(1)->Ra, driver.CalcPair(0).Ra());
    EXPECT_EQ(driver.ResultTables(0).Item(1)->Pae, driver.CalcPair(1).Pa());

    doc.InpJyoken.Dw = 2.0; // the single pile uses the conditions' blades, the table does not
    ASSERT_TRUE(driver.CalcRa(doc));
    EXPECT_NE(driver.ResultTables(0).Item(1)->Ra, driver.CalcPair(0).Ra());
    ASSERT_TRUE(driver.CalcRaTable(doc));
    EXPECT_NE(driver.ResultTables(0).Item(1)->Ra, driver.CalcPair(0).Ra());
    EXPECT_EQ(driver.CalcPair(0).Dw(), 2.0);
}

TEST(CalcRaTable, FailuresKeepTheRowsStoredSoFar) {
    basCalcMain driver;
    ProjectDocument doc = EndBearingTable(10.0, 12.0, 1.0, {0.8, 1.0});
    doc.RaTable(13) = CellValue::Text("abc");
    EXPECT_FALSE(driver.CalcRaTable(doc));
    EXPECT_EQ(driver.ResultCount(), 2);
    EXPECT_EQ(driver.ResultTables(1).Count(), 3);

    EXPECT_FALSE(driver.CalcRaTable(EndBearingTable(10.0, 12.0, 0.0, {1.0}))); // zero step
    ProjectDocument zeroFactor = EndBearingTable(10.0, 12.0, 1.0, {1.0});
    zeroFactor.Anzen(1) = CellValue::Number(0);
    EXPECT_FALSE(driver.CalcRaTable(zeroFactor));
    EXPECT_EQ(driver.ResultCount(), 1);
    EXPECT_EQ(driver.ResultTables(0).Count(), 0);
    // A table of millions of lengths is refused instead of running for hours.
    EXPECT_FALSE(driver.CalcRaTable(EndBearingTable(0.0, 1e7, 0.1, {1.0})));
    EXPECT_FALSE(driver.CalcRaTable(EndBearingTable(0.0, 1e300, 1.0, {1.0})));
}

} // namespace
} // namespace zul
