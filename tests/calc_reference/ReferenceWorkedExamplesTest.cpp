// The worked examples of the calculation, checked by hand, run through the reference.
#include "ReferenceDriver.h"
#include "StudyCases.h"

#include <gtest/gtest.h>

namespace zul::reference {
namespace {

TEST(ReferenceWorkedExample, DrivenPileTipResistanceFromDesignNAndEmbedment) {
    const SingleResult result = CalculateSingle(DrivenPileExample(0));
    ASSERT_TRUE(result.ok);
    const PileCase& p = result.pair[0];
    EXPECT_EQ(p.ELPL, -10.0);
    ASSERT_EQ(p.N4D.size(), 4u);
    const double z[] = {6.8, 8.0, 9.0, 10.0};
    const double n[] = {16.0, 20.0, 40.0, 43.3};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(p.N4D[i].Z, z[i]) << i;
        EXPECT_EQ(p.N4D[i].N, n[i]) << i;
    }
    ASSERT_EQ(p.N24D.size(), 3u);
    EXPECT_EQ(p.N24D[0].Ni, 18.0);
    EXPECT_EQ(p.N24D[1].Ni, 30.0);
    EXPECT_EQ(p.N24D[2].Ni, 41.65);
    EXPECT_EQ(p.N24D[0].LiNi, 21.6);
    EXPECT_EQ(p.N24D[1].LiNi, 30.0);
    EXPECT_EQ(p.N24D[2].LiNi, 41.65);
    EXPECT_EQ(p.N1, 43.3);
    EXPECT_EQ(p.N2, 29.1);
    EXPECT_EQ(p.NN, 36.2);
    EXPECT_EQ(p.QdELNeire, -8.0);
    EXPECT_EQ(p.Neire, 2.0);
    EXPECT_EQ(p.RNeireDp, 2.5);
    EXPECT_EQ(p.RQdNN, 200.0);
    EXPECT_EQ(p.qd, 7240.0);
}

TEST(ReferenceWorkedExample, OpenEndedSteelPipeUsesTheLowerLine) {
    const SingleResult result = CalculateSingle(DrivenPileExample(1));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.pair[0].RQdNN, 150.0);
    EXPECT_EQ(result.pair[0].qd, 5430.0);
    EXPECT_EQ(result.pair[1].qd, 5430.0);
}

TEST(ReferenceWorkedExample, CastInPlacePileCapacitiesWithWeights) {
    const SingleResult result = CalculateSingle(CastInPlaceExample(true));
    ASSERT_TRUE(result.ok);
    const PileCase& p = result.pair[0];
    EXPECT_EQ(p.Up, 3.142);
    EXPECT_EQ(p.Ap, 0.7854);
    EXPECT_EQ(p.QdMethod, 0);
    EXPECT_EQ(p.ELPL, -10.0);
    EXPECT_EQ(p.L1, 3.0);
    EXPECT_EQ(p.L2, 7.0);
    EXPECT_EQ(p.Wp, 137.45);
    ASSERT_EQ(p.RaLiFi.size(), 3u);
    const double eu[] = {0.0, -3.0, -5.0};
    const double el[] = {-3.0, -5.0, -10.0};
    const double gs[] = {18, 9, 10};
    const double fi[] = {20, 20, 100};
    const double ws[] = {42.41, 14.14, 39.27};
    const double lifi[] = {60.0, 40.0, 500.0};
    const int no[] = {1, 1, 2};
    for (std::size_t i = 0; i < 3; ++i) {
        const Segment& s = p.RaLiFi[i];
        EXPECT_EQ(s.No, no[i]) << i;
        EXPECT_DOUBLE_EQ(s.EU, eu[i]) << i;
        EXPECT_DOUBLE_EQ(s.EL, el[i]) << i;
        EXPECT_EQ(s.Gs, gs[i]) << i;
        EXPECT_EQ(s.Fi, fi[i]) << i;
        EXPECT_EQ(s.Ws, ws[i]) << i;
        EXPECT_EQ(s.LiFi, lifi[i]) << i;
    }
    EXPECT_DOUBLE_EQ(p.Ws, 95.82);
    EXPECT_EQ(p.QfRa, 600.0);
    EXPECT_EQ(p.qd, 5000.0);
    EXPECT_EQ(p.Ru, 5812.2);
    EXPECT_EQ(p.Ra, 1863.8);
    EXPECT_EQ(p.QfPa, 600.0);
    EXPECT_EQ(p.Pu, 1885.2);
    EXPECT_EQ(p.Pa, 451.7);
}

TEST(ReferenceWorkedExample, CastInPlacePileCapacitiesWithoutWeights) {
    const SingleResult result = CalculateSingle(CastInPlaceExample(false));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.pair[0].Ra, 1937.4);
    EXPECT_EQ(result.pair[0].Pa, 314.2);
    // the earthquake case uses factors 2 and 3
    EXPECT_EQ(result.pair[1].Ra, 2906.1);
    EXPECT_EQ(result.pair[1].Pa, 628.4);
}

TEST(ReferenceWorkedExample, TableLengthsStepUpToTheEndLength) {
    ProjectDocument doc = CastInPlaceExample(true);
    SetLengthTable(doc, 10.0, 20.0, 2.5, {0.8, 0.0, 1.0});
    TableResult t = CalculateTable(doc);
    ASSERT_TRUE(t.ok);
    ASSERT_EQ(t.count, 2);
    EXPECT_EQ(t.diameters[0], 0.8);
    EXPECT_EQ(t.diameters[1], 1.0);
    ASSERT_EQ(t.rows[0].size(), 5u);
    const double lengths[] = {10.0, 12.5, 15.0, 17.5, 20.0};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(t.rows[0][i].L, lengths[i]);
    }
    // the row of 1.0 m and 10 m is the single-pile example
    EXPECT_EQ(t.rows[1][0].Ra, 1863.8);
    EXPECT_EQ(t.rows[1][0].Pa, 451.7);

    SetLengthTable(doc, 10.0, 12.7, 1.0, {0.8});
    t = CalculateTable(doc);
    ASSERT_TRUE(t.ok);
    ASSERT_EQ(t.rows[0].size(), 4u);
    EXPECT_EQ(t.rows[0][3].L, 12.7);
    EXPECT_EQ(t.rows[0][2].L, 12.0);

    SetLengthTable(doc, 10.0, 8.0, 1.0, {0.8});
    t = CalculateTable(doc);
    EXPECT_TRUE(t.ok);
    EXPECT_EQ(t.count, 1);
    EXPECT_TRUE(t.rows[0].empty());
}

TEST(ReferenceWorkedExample, TableUsesStandardBladeProportionsForRotaryPiles) {
    ProjectDocument doc = CastInPlaceExample(true);
    doc.InpJyoken.Sekou = 7;
    doc.InpJyoken.Dw = 2.0;
    doc.InpJyoken.Dwi = 1.0;
    SetLengthTable(doc, 10.0, 10.0, 1.0, {1.0});
    const TableResult t = CalculateTable(doc);
    const SingleResult single = CalculateSingle(doc);
    ASSERT_TRUE(t.ok);
    ASSERT_TRUE(single.ok);
    EXPECT_EQ(single.pair[0].Aw, 2.3562); // (4 - 1) x pi/4
    // blades of 1.5 and 0.5 m in the table: Aw = 1.5708, tip resistance 5000 x 1.5708
    doc.InpJyoken.Dw = 1.5;
    doc.InpJyoken.Dwi = 0.5;
    const SingleResult standard = CalculateSingle(doc);
    ASSERT_TRUE(standard.ok);
    EXPECT_EQ(standard.pair[0].Aw, 1.5708);
    EXPECT_EQ(t.rows[0][0].Ra, standard.pair[0].Ra);
    EXPECT_NE(t.rows[0][0].Ra, single.pair[0].Ra);
}

} // namespace
} // namespace zul::reference
