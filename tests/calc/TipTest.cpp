#include "CZulTestAccess.h"
#include "TestPiles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zul {
namespace {

TEST(TipResistance, WorkedExampleOfTheAutomaticValue) {
    CZul c = testpiles::DrivenExample();
    c.CalcPaRa();
    EXPECT_EQ(c.ELPL(), -10.0);
    EXPECT_EQ(c.QdELNeire(), -8.0);
    EXPECT_EQ(c.Neire(), 2.0);
    EXPECT_EQ(c.RNeireDp(), 2.5);
    EXPECT_EQ(c.RQdNN(), 200);
    EXPECT_EQ(c.qd(), 7240);

    c.setQdAp(1);
    c.CalcPaRa();
    EXPECT_EQ(c.RQdNN(), 150);
    EXPECT_EQ(c.qd(), 5430);
}

TEST(TipResistance, FrictionPileHasNoTipResistance) {
    for (int method : {0, 1}) {
        CZul c = testpiles::DrivenExample();
        c.setKuiType(1);
        c.setQdMethod(method);
        c.CalcPaRa();
        EXPECT_EQ(c.qd(), 0);
        EXPECT_EQ(c.Ru(), std::round(c.Up() * c.QfRa() * 100) / 100);
    }
}

TEST(TipResistance, GivenBearingSurfaceBelowTheTip) {
    CZul c = testpiles::DrivenExample();
    c.setQdNeireType(0);
    c.setQdELNeire(-12.0);
    c.CalcPaRa();
    EXPECT_EQ(c.Neire(), 0);
    EXPECT_EQ(c.RQdNN(), 100);
    EXPECT_EQ(c.qd(), 3620); // 100 x 36.2
    EXPECT_EQ(c.QdELNeire(), -12.0);
    c.setQdAp(1);
    c.CalcPaRa();
    EXPECT_EQ(c.RQdNN(), 0);
    EXPECT_EQ(c.qd(), 0);

    // A surface 6 diameters above the tip caps the ratio at 300 on both lines.
    c.setQdELNeire(-10.0 + 6 * 0.8);
    c.CalcPaRa();
    EXPECT_EQ(c.RNeireDp(), 6);
    EXPECT_EQ(c.RQdNN(), 300);
    c.setQdAp(0);
    c.CalcPaRa();
    EXPECT_EQ(c.RQdNN(), 300);
    EXPECT_EQ(c.qd(), 10860);
}

TEST(TipResistance, TipOnALayerBoundaryBelongsToTheLowerLayer) {
    CZul c = testpiles::DrivenExample();
    c.setL(8.0);
    c.CalcPaRa();
    EXPECT_EQ(c.QdELNeire(), -8.0);
    EXPECT_EQ(c.Neire(), 0);
    EXPECT_EQ(c.RQdNN(), 100);
    // A tip above the whole ground finds no bearing layer.
    c.setL(9.0);
    c.setELPU(12.0);
    c.setELGL(12.0);
    c.CalcPaRa();
    EXPECT_EQ(c.QdELNeire(), 0);
    EXPECT_EQ(c.Neire(), 0);
}

TEST(TipResistance, InclinedEmbedmentIsMeasuredAlongTheAxis) {
    CZul c = testpiles::DrivenExample();
    c.setAlpha(20);
    c.CalcPaRa();
    // Tip at R3(-10 cos 20) = -9.397; 1.397 m into layer 2, 1.487 m along the axis.
    EXPECT_EQ(c.ELPL(), -9.397);
    EXPECT_EQ(c.Neire(), 1.487);
    EXPECT_EQ(c.RNeireDp(), 1.9);
}

TEST(TipResistance, EnteredValueOfTheTipLayer) {
    CZul c = testpiles::EndBearingExample();
    c.Jiban().Add(-15.0, 5.0, 2, 17, 7, 0, 3, 0, 10, 7000, 1);
    c.setL(15.0); // tip exactly on the boundary between layers 2 and 3
    c.CalcPaRa();
    EXPECT_EQ(c.qd(), 5000);
    c.setL(15.5);
    c.CalcPaRa();
    EXPECT_EQ(c.qd(), 7000);
    // A pile wholly above the ground has no tip segment.
    c.setELPU(30);
    c.setELGL(30);
    c.setL(10);
    EXPECT_THROW(c.CalcPaRa(), CalcError);
}

CZul BalanceExample(std::initializer_list<std::pair<double, double>> points) {
    CZul c = testpiles::DrivenExample();
    c.setQdNeireType(2);
    c.N().Clear();
    for (const auto& [z, n] : points) {
        c.N().Add(z, n);
    }
    return c;
}

TEST(AreaBalance, DecreasingNValuesEndAtOnce) {
    CZul c = BalanceExample({{0, 50}, {5, 40}, {8, 30}, {12, 10}});
    c.CalcPaRa();
    EXPECT_LT(c.N1(), c.N2());
    EXPECT_EQ(c.Neire(), 0);
    EXPECT_EQ(c.RQdNN(), 100);
    EXPECT_EQ(c.qd(), std::round(100 * c.NN()));
}

TEST(AreaBalance, SearchFindsTheBalancedRange) {
    // N = 45 from depth 6 down past the tip over N = 2 above depth 5: the area 4 x (45 - 40)
    // below depth 6 balances 16.5 from depth 5 to 6 plus 38 x 0.092 above depth 5.
    CZul c = BalanceExample({{0, 2}, {5, 2}, {6, 45}, {14, 45}});
    c.CalcPaRa();
    EXPECT_EQ(c.NN(), 40);
    EXPECT_NEAR(c.Neire(), 5.092, 0.002);
    EXPECT_LT(std::fabs(c.NeireA()), 1.0);
    EXPECT_EQ(c.RNeireDp(), std::round(c.Neire() / 0.8 * 10) / 10);
    EXPECT_GT(c.Neires().Count(), 0);
}

TEST(AreaBalance, ClimbStopsAtTheGroundTopOrPileHead) {
    // Every N-value is above the design value limit of 40: the balance stays positive.
    CZul c = BalanceExample({{0, 50}, {20, 50}});
    c.setELPU(1.0); // head above the ground: the search stops at the ground top 0.0
    c.setL(11.0);
    c.CalcPaRa();
    EXPECT_GT(c.NeireA(), 0);
    ASSERT_GE(c.NNeire().Count(), 2);
    EXPECT_EQ(c.NNeire().Item(1)->Z, 0);
    EXPECT_EQ(c.Neire(), 10);

    c.setELPU(-1.0); // head below the ground top: the search stops at the head
    c.setL(9.0);
    c.setELGL(-1.0);
    c.CalcPaRa();
    EXPECT_GT(c.NeireA(), 0);
    EXPECT_EQ(c.NNeire().Item(1)->Z, 1);
    EXPECT_EQ(c.Neire(), 9);
}

TEST(TipResistance, ZeroDiameterFailsInTheEmbedmentRatio) {
    CZul c = testpiles::DrivenExample();
    c.setDp(0);
    EXPECT_THROW(c.CalcPaRa(), CalcError);
}

} // namespace
} // namespace zul
