// Edge cases of the calculation steps, run through the reference pieces.
#include "ReferenceArithmetic.h"
#include "ReferenceDriver.h"
#include "ReferenceNValues.h"
#include "ReferencePile.h"
#include "ReferenceShaft.h"
#include "StudyCases.h"

#include <gtest/gtest.h>

namespace zul::reference {
namespace {

TEST(ReferenceInterpolation, InsertsBetweenNeighboursOnlyWhereNoPointStands) {
    std::vector<NPoint> p = {{1, 10}, {2, 20}, {3, 40}};
    InterpolateAt(p, 2.5);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[2].Z, 2.5);
    EXPECT_EQ(p[2].N, 30.0);
    InterpolateAt(p, 2.0005);
    InterpolateAt(p, 3.5);
    InterpolateAt(p, 0.5);
    EXPECT_EQ(p.size(), 4u);
    std::vector<NPoint> duplicate = {{1, 10}, {2, 20}, {2, 30}, {4, 50}};
    InterpolateAt(duplicate, 3.0);
    ASSERT_EQ(duplicate.size(), 5u);
    EXPECT_EQ(duplicate[3].N, 40.0); // between the second point at depth 2 and depth 4
}

TEST(ReferenceShaftSegments, WaterLevelSplitsALayerAndTheRangeCutsTheTop) {
    PileCase pile;
    pile.Jiban = {Layer{0.0, -10.0, 10.0, 0, 18, 9, 0, 10, 0, 20, 0, 1}};
    pile.ELWL = -4.0;
    auto s = BuildShaft(pile, 0.0, -10.0, ShaftUse::PushIn);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].Li, 4.0);
    EXPECT_EQ(s[0].Gs, 18.0);
    EXPECT_EQ(s[1].Li, 6.0);
    EXPECT_EQ(s[1].Gs, 9.0);
    EXPECT_EQ(s[1].No, 1);

    pile.ELWL = -2.0;
    s = BuildShaft(pile, -5.0, -10.0, ShaftUse::PushIn);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].EU, -5.0);
    EXPECT_EQ(s[0].Li, 5.0);
    EXPECT_EQ(s[0].Gs, 9.0);
}

TEST(ReferenceShaftSegments, RangeOnLayerBoundariesKeepsTheInnerLayers) {
    PileCase pile;
    pile.Jiban = {Layer{0, -3, 3, 0, 18, 9, 0, 10, 0, 10, 0, 1},
                  Layer{-3, -6, 3, 1, 18, 9, 0, 10, 0, 25, 0, 0.5},
                  Layer{-6, -9, 3, 2, 18, 9, 0, 10, 0, 30, 0, 1}};
    pile.ELWL = -20.0;
    const auto s = BuildShaft(pile, -3.0, -6.0, ShaftUse::PushIn);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].No, 2);
    EXPECT_EQ(s[0].Fi, 12.5);
    EXPECT_EQ(s[0].Gs, 18.0); // the water below the tip: every segment dry
}

TEST(ReferenceShaftSegments, InclinedPileGetsAxialLengthsExceptInTheOverburdenList) {
    PileCase pile;
    pile.Jiban = {Layer{0, -10, 10, 0, 18, 9, 0, 10, 0, 10, 0, 1}};
    pile.ELWL = 5.0; // above the ground: every segment wet
    pile.Alpha = 10.0;
    const auto inclined = BuildShaft(pile, 0.0, -7.0, ShaftUse::PullOut);
    ASSERT_EQ(inclined.size(), 1u);
    EXPECT_EQ(inclined[0].Gs, 9.0);
    EXPECT_EQ(inclined[0].Lii, 7.108); // 7 / cos 10 degrees
    const auto vertical = BuildShaft(pile, 0.0, -7.0, ShaftUse::Overburden);
    EXPECT_EQ(vertical[0].Lii, 7.0);
}

TEST(ReferenceShaftSegments, RotaryPileZonesAboveTheBlades) {
    PileCase pile;
    pile.Jiban = {Layer{0, -7, 7, 0, 18, 9, 0, 20, 0, 50, 0, 1},
                  Layer{-7, -20, 13, 0, 18, 9, 0, 20, 0, 80, 0, 1}};
    pile.ELWL = -30.0;
    pile.IsEcoPile = true;
    pile.Dw = 0.6;
    pile.ELPL = -10.0;
    auto push = BuildShaft(pile, 0.0, -10.0, ShaftUse::PushIn);
    ASSERT_EQ(push.size(), 3u);
    EXPECT_DOUBLE_EQ(push[2].EU, -9.4);
    EXPECT_TRUE(push[2].IsNonF);
    EXPECT_EQ(push[2].Fi, 0.0);
    EXPECT_FALSE(push[1].IsNonF);
    auto pull = BuildShaft(pile, 0.0, -10.0, ShaftUse::PullOut);
    ASSERT_EQ(pull.size(), 3u);
    EXPECT_DOUBLE_EQ(pull[2].EU, -8.5);

    pile.ELPL = -8.0; // only 1.0 m into the second layer: the zone is that whole piece
    pull = BuildShaft(pile, 0.0, -8.0, ShaftUse::PullOut);
    ASSERT_EQ(pull.size(), 2u);
    EXPECT_TRUE(pull[1].IsNonF);
    EXPECT_FALSE(pull[0].IsNonF);
    EXPECT_DOUBLE_EQ(pull[1].Li, 1.0);
}

TEST(ReferenceBladeResistance, SandAtShallowDepthUsesTheMinimumOverburden) {
    ProjectDocument doc = StudyWithGround(0.0, -30.0, 0.0, {{0, 10.0, 18, 9, 20, 30, 0, 1}});
    doc.InpJyoken.Sekou = 7;
    doc.InpJyoken.D = 0.4;
    doc.InpJyoken.Dw = 0.6;
    doc.InpJyoken.Dwi = 0.2;
    doc.InpJyoken.L = 2.0;
    const SingleResult r = CalculateSingle(doc);
    ASSERT_TRUE(r.ok);
    const PileCase& p = r.pair[0];
    EXPECT_EQ(p.H, 1.5);
    EXPECT_EQ(p.Gave, 18.0);
    EXPECT_EQ(p.Qw, 9.0);
    EXPECT_EQ(p.Fai, 37.0); // Nc = 170 x 20 / 120 = 28.33
    EXPECT_EQ(p.Beta, 2.65);
    EXPECT_GT(p.Pu, p.Up * p.QfPa);

    doc.JibanLayer(1, 1) = CellValue::Number(2); // cohesive: no blade resistance
    const SingleResult clay = CalculateSingle(doc);
    ASSERT_TRUE(clay.ok);
    EXPECT_EQ(clay.pair[0].Fai, 0.0);
    EXPECT_EQ(clay.pair[0].Beta, 0.0);
    EXPECT_EQ(clay.pair[0].Pu, Round(clay.pair[0].Up * clay.pair[0].QfPa, 2));
}

TEST(ReferenceBladeResistance, CoefficientTableByWholeDegrees) {
    EXPECT_EQ(BladeCoefficient(29.0), 0.0);
    EXPECT_EQ(BladeCoefficient(30.0), 1.48);
    EXPECT_EQ(BladeCoefficient(36.0), 2.40);
    EXPECT_EQ(BladeCoefficient(44.0), 4.93);
    EXPECT_EQ(BladeCoefficient(45.0), 5.3);
    EXPECT_EQ(BladeCoefficient(51.0), 5.3);
}

TEST(ReferenceTipResistance, EmbedmentTypesAtTheEdges) {
    ProjectDocument doc = DrivenPileExample(0);
    doc.InpJyoken.QdSiji = 0;
    doc.InpJyoken.ELSL = -12.0; // the given surface lies below the tip
    SingleResult r = CalculateSingle(doc);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pair[0].Neire, 0.0);
    EXPECT_EQ(r.pair[0].RQdNN, 100.0);
    EXPECT_EQ(r.pair[0].qd, 3620.0);

    doc.InpJyoken.QdSiji = 1;
    doc.InpJyoken.L = 8.0; // tip on the boundary: belongs to the lower layer
    r = CalculateSingle(doc);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pair[0].QdELNeire, -8.0);
    EXPECT_EQ(r.pair[0].Neire, 0.0);

    doc.InpJyoken.Siji = 1;
    r = CalculateSingle(doc);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pair[0].qd, 0.0);
}

TEST(ReferenceTipResistance, AreaBalanceStopsAtOnceWhenNFallsTowardsTheTip) {
    ProjectDocument doc = DrivenPileExample(0);
    SetNValues(doc, {{1, 40}, {5, 35}, {8, 30}, {9, 20}, {12, 10}});
    doc.InpJyoken.QdSiji = 2;
    const SingleResult r = CalculateSingle(doc);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pair[0].Neire, 0.0);
    EXPECT_EQ(r.pair[0].NeireA, 0.0);
}

TEST(ReferenceTipResistance, AreaBalanceClimbingAboveEveryLimitStopsAtThePileHead) {
    ProjectDocument doc = DrivenPileExample(0);
    SetNValues(doc, {{0, 50}, {5, 55}, {12, 60}});
    doc.InpJyoken.QdSiji = 2;
    doc.InpJyoken.ELPU = -1.0;
    doc.InpJyoken.L = 9.0;
    const SingleResult r = CalculateSingle(doc);
    ASSERT_TRUE(r.ok);
    const PileCase& p = r.pair[0];
    EXPECT_EQ(p.NN, 40.0);
    ASSERT_FALSE(p.NNeire.empty());
    EXPECT_EQ(p.NNeire.front().Z, 1.0);
    EXPECT_DOUBLE_EQ(p.Neire, 9.0);
    EXPECT_GT(p.NeireA, 0.0);
    EXPECT_EQ(p.qd, 12000.0);
}

TEST(ReferenceTipResistance, LayerTipResistanceOnABoundaryBelongsToTheUpperLayer) {
    ProjectDocument doc = StudyWithGround(0.0, -20.0, 0.0,
                                          {{0, 3, 18, 9, 10, 10, 1000, 1},
                                           {0, 3, 18, 9, 10, 10, 2000, 1},
                                           {1, 3, 18, 9, 10, 10, 3000, 1},
                                           {1, 3, 18, 9, 10, 10, 4000, 1}});
    doc.InpJyoken.Sekou = 1;
    doc.InpJyoken.L = 9.0;
    const SingleResult r = CalculateSingle(doc);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pair[0].RaLiFi.back().No, 3);
    EXPECT_EQ(r.pair[0].qd, 3000.0);
}

TEST(ReferenceFailures, ImpossibleInputsFailTheCalculation) {
    ProjectDocument doc = CastInPlaceExample(true);
    doc.Anzen(1) = CellValue::Number(0.0);
    EXPECT_FALSE(CalculateSingle(doc).ok);
    doc.Anzen(1) = CellValue::Text("abc");
    EXPECT_FALSE(CalculateSingle(doc).ok);
    doc.Anzen(1) = CellValue::Number(3.0);
    doc.Anzen(2) = CellValue::Text("abc"); // not read for an end-bearing pile
    EXPECT_TRUE(CalculateSingle(doc).ok);

    ProjectDocument steep = CastInPlaceExample(true);
    steep.InpJyoken.Theta = 90.0;
    EXPECT_FALSE(CalculateSingle(steep).ok);
    steep.InpJyoken.Theta = 89.0;
    EXPECT_TRUE(CalculateSingle(steep).ok);

    ProjectDocument noGround = CastInPlaceExample(true);
    noGround.JibanCount = 0;
    EXPECT_FALSE(CalculateSingle(noGround).ok);

    ProjectDocument thin = DrivenPileExample(0);
    thin.InpJyoken.D = 0.0; // the embedment ratio divides by the diameter
    EXPECT_FALSE(CalculateSingle(thin).ok);
    thin.InpJyoken.Siji = 1; // a pile of no diameter fails as a friction pile too
    EXPECT_FALSE(CalculateSingle(thin).ok);

    ProjectDocument above = CastInPlaceExample(true);
    above.InpJyoken.ELPU = 20.0; // the pile ends above the ground: no segment at the tip
    EXPECT_FALSE(CalculateSingle(above).ok);

    ProjectDocument table = CastInPlaceExample(true);
    SetLengthTable(table, 10.0, 12.0, 0.04, {1.0}); // a step below 0.05 m is 0 in tenths
    EXPECT_FALSE(CalculateTable(table).ok);
}

} // namespace
} // namespace zul::reference
