#include "CZulTestAccess.h"
#include "TestPiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zul {
namespace {

// Layers given as (top, thickness, kind, f), stacked from the first top.
CZul Ground(std::initializer_list<double> thicknesses, double top = 0.0) {
    CZul c;
    double eu = top;
    int kind = 0;
    for (double h : thicknesses) {
        c.Jiban().Add(eu, h, kind % 3, 18, 9, 0, 20, 0, 30, 3000, 1);
        eu -= h;
        ++kind;
    }
    return c;
}

struct Seg {
    int No;
    double EU, EL, Li, Gs;
};

void ExpectSegments(const colZulLiFis& list, const std::vector<Seg>& expected) {
    ASSERT_EQ(list.Count(), static_cast<int>(expected.size()));
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const clsZulLiFi& s = *list.Item(static_cast<int>(k) + 1);
        SCOPED_TRACE("segment " + std::to_string(k + 1));
        EXPECT_EQ(s.No, expected[k].No);
        EXPECT_DOUBLE_EQ(s.EU, expected[k].EU);
        EXPECT_DOUBLE_EQ(s.EL, expected[k].EL);
        EXPECT_DOUBLE_EQ(s.Li, expected[k].Li);
        EXPECT_EQ(s.Gs, expected[k].Gs);
    }
}

TEST(MakeLiFi, WaterLevelSplitsALayer) {
    CZul c = Ground({10});
    c.setELWL(-4);
    colZulLiFis list;
    CZulTestAccess::MakeLiFi(c, 0, -10, 0, list);
    ExpectSegments(list, {{1, 0, -4, 4, 18}, {1, -4, -10, 6, 9}});
    EXPECT_EQ(list.Item(1)->Lii, 4);
    EXPECT_EQ(list.Item(2)->Lii, 6);
}

TEST(MakeLiFi, RangeBelowTheWaterLevelKeepsOnlyTheLowerPiece) {
    CZul c = Ground({10});
    c.setELWL(-2);
    colZulLiFis list;
    CZulTestAccess::MakeLiFi(c, -5, -10, 0, list);
    ExpectSegments(list, {{1, -5, -10, 5, 9}});
}

TEST(MakeLiFi, RangeEndsOnLayerBoundaries) {
    CZul c = Ground({5, 5, 10});
    c.setELWL(-50);
    colZulLiFis list;
    CZulTestAccess::MakeLiFi(c, -5, -10, 0, list);
    ExpectSegments(list, {{2, -5, -10, 5, 18}});
    // Within a millimetre of a boundary counts as on it.
    CZulTestAccess::MakeLiFi(c, -4.9995, -10.0005, 0, list);
    ExpectSegments(list, {{2, -4.9995, -10.0005, 5.001, 18}});
    CZulTestAccess::MakeLiFi(c, -3, -12, 0, list);
    ExpectSegments(list, {{1, -3, -5, 2, 18}, {2, -5, -10, 5, 18}, {3, -10, -12, 2, 18}});
}

TEST(MakeLiFi, RangeIsLimitedToTheGround) {
    CZul c = Ground({5, 5});
    c.setELWL(-50);
    colZulLiFis list;
    CZulTestAccess::MakeLiFi(c, 3, -30, 0, list);
    ExpectSegments(list, {{1, 0, -5, 5, 18}, {2, -5, -10, 5, 18}});
    CZulTestAccess::MakeLiFi(c, -12, -14, 0, list); // wholly below the ground
    EXPECT_EQ(list.Count(), 0);
    CZulTestAccess::MakeLiFi(c, -3, -3, 0, list);
    EXPECT_EQ(list.Count(), 0);
    CZul none;
    EXPECT_THROW(CZulTestAccess::MakeLiFi(none, 0, -5, 0, list), CalcError);
}

TEST(MakeLiFi, WaterAboveTheGroundOrBelowTheTip) {
    CZul c = Ground({5, 5});
    c.setELWL(2);
    colZulLiFis list;
    CZulTestAccess::MakeLiFi(c, 0, -8, 0, list);
    ExpectSegments(list, {{1, 0, -5, 5, 9}, {2, -5, -8, 3, 9}});
    c.setELWL(-9);
    CZulTestAccess::MakeLiFi(c, 0, -8, 0, list);
    ExpectSegments(list, {{1, 0, -5, 5, 18}, {2, -5, -8, 3, 18}});
}

TEST(MakeLiFi, FrictionIsReducedByTheLayerFactor) {
    CZul c;
    c.Jiban().Add(0, 10, 0, 18, 9, 0, 10, 0, 25, 3000, 0.5);
    c.Jiban().Add(-10, 10, 0, 18, 9, 0, 10, 0, 33.3, 3000, 0.75); // 24.975 -> 25.0
    c.setELWL(-20);
    colZulLiFis list;
    CZulTestAccess::MakeLiFi(c, 0, -15, 0, list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(1)->Fi, 12.5);
    EXPECT_EQ(list.Item(2)->Fi, 25.0);
}

TEST(MakeLiFi, InclinedPileUsesTheAxialLengthExceptForOverburden) {
    CZul c = Ground({4, 6});
    c.setELWL(-50);
    c.setAlpha(10);
    colZulLiFis list;
    CZulTestAccess::MakeLiFi(c, 0, -9, 1, list);
    const double cos10 = std::cos(10 * 3.141592654 / 180);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(1)->Lii, 4.062); // 4 / 0.98481 = 4.0617
    EXPECT_EQ(list.Item(2)->Lii, std::round(5 / cos10 * 1000) / 1000);
    CZulTestAccess::MakeLiFi(c, 0, -9, 2, list);
    EXPECT_EQ(list.Item(1)->Lii, 4);
    EXPECT_EQ(list.Item(2)->Lii, 5);
}

// A vertical rotary press-in pile with 0.6 m blades in sand: layer 2 from -5.0 to -20.0.
CZul EcoGround(double tip) {
    CZul c = Ground({5, 15});
    c.setELWL(-50);
    c.setIsEcoPile(true);
    c.setDw(0.6);
    CZulTestAccess::SetELPL(c, tip);
    return c;
}

TEST(MakeLiFi, NoFrictionZoneAboveTheBlades) {
    CZul c = EcoGround(-8);
    colZulLiFis push;
    CZulTestAccess::MakeLiFi(c, 0, -8, 0, push);
    ExpectSegments(push, {{1, 0, -5, 5, 18}, {2, -5, -7.4, 2.4, 18}, {2, -7.4, -8, 0.6, 18}});
    EXPECT_FALSE(push.Item(2)->IsNonF);
    EXPECT_EQ(push.Item(2)->Fi, 30);
    EXPECT_TRUE(push.Item(3)->IsNonF);
    EXPECT_EQ(push.Item(3)->Fi, 0);
    EXPECT_EQ(push.Item(3)->Lii, 0.6);

    colZulLiFis pull;
    CZulTestAccess::MakeLiFi(c, 0, -8, 1, pull);
    ExpectSegments(pull, {{1, 0, -5, 5, 18}, {2, -5, -6.5, 1.5, 18}, {2, -6.5, -8, 1.5, 18}});
    EXPECT_TRUE(pull.Item(3)->IsNonF);
    EXPECT_FALSE(pull.Item(2)->IsNonF);
}

TEST(MakeLiFi, ShortTipPieceIsWhollyTheZone) {
    CZul c = EcoGround(-6);
    colZulLiFis pull;
    CZulTestAccess::MakeLiFi(c, 0, -6, 1, pull);
    ExpectSegments(pull, {{1, 0, -5, 5, 18}, {2, -5, -6, 1, 18}});
    EXPECT_FALSE(pull.Item(1)->IsNonF);
    EXPECT_TRUE(pull.Item(2)->IsNonF);

    // The pull-out zone needs a segment to measure: none when the pile misses the ground.
    CZul above = EcoGround(5);
    EXPECT_THROW(CZulTestAccess::MakeLiFi(above, 9, 5, 1, pull), CalcError);
    colZulLiFis push;
    CZulTestAccess::MakeLiFi(above, 9, 5, 0, push);
    EXPECT_EQ(push.Count(), 0);
}

TEST(SplitLiFi, CutsOnlyInsideASegment) {
    colZulLiFis list;
    list.Add(1, 0, 0, 0, 5, 18, 1.5, 20, 2.5);
    list.Add(2, 1, -5, 0, 5, 19, 0, 30, 0);
    CZulTestAccess::SplitLiFi(-5.0005, list);
    EXPECT_EQ(list.Count(), 2);
    CZulTestAccess::SplitLiFi(0.5, list);
    CZulTestAccess::SplitLiFi(-10.5, list);
    EXPECT_EQ(list.Count(), 2);
    CZulTestAccess::SplitLiFi(-2, list);
    ASSERT_EQ(list.Count(), 3);
    const clsZulLiFi& upper = *list.Item(1);
    const clsZulLiFi& lower = *list.Item(2);
    EXPECT_EQ(upper.EL, -2);
    EXPECT_EQ(upper.Li, 2);
    EXPECT_EQ(lower.EU, -2);
    EXPECT_EQ(lower.EL, -5);
    EXPECT_EQ(lower.Li, 3);
    EXPECT_EQ(lower.Lii, 3);
    EXPECT_EQ(lower.No, 1);
    EXPECT_EQ(lower.Gs, 18);
    EXPECT_EQ(lower.Ws, 1.5);
    EXPECT_EQ(lower.Fi, 20);
    EXPECT_EQ(lower.LiFi, 2.5);
    EXPECT_EQ(list.Item(3)->No, 2);
}

} // namespace
} // namespace zul
