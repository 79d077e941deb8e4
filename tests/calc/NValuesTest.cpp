#include "CZulTestAccess.h"
#include "TestPiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace zul {
namespace {

colZulNs Points(std::initializer_list<std::pair<double, double>> pts) {
    colZulNs list;
    for (const auto& [z, n] : pts) {
        list.Add(z, n);
    }
    return list;
}

std::vector<std::pair<double, double>> Flat(const colZulNs& list) {
    std::vector<std::pair<double, double>> out;
    for (const clsZulN& p : list) {
        out.emplace_back(p.Z, p.N);
    }
    return out;
}

using Pairs = std::vector<std::pair<double, double>>;

TEST(InsertN, InterpolatesBetweenNeighboursAndRoundsToOneDecimal) {
    colZulNs list = Points({{1, 10}, {2, 20}, {3, 40}});
    CZulTestAccess::InsertN(2.5, list);
    EXPECT_EQ(Flat(list), (Pairs{{1, 10}, {2, 20}, {2.5, 30}, {3, 40}}));

    colZulNs third = Points({{0, 0}, {3, 10}});
    CZulTestAccess::InsertN(1, third); // 3.333.. rounds to 3.3
    EXPECT_EQ(Flat(third), (Pairs{{0, 0}, {1, 3.3}, {3, 10}}));

    colZulNs up = Points({{0, 0}, {3, 5}});
    CZulTestAccess::InsertN(1.5, up); // 2.5 rounds away from zero
    EXPECT_EQ(up.Item(2)->N, 2.5);
    colZulNs down = Points({{0, 0}, {2, -1.5}});
    CZulTestAccess::InsertN(1, down); // -0.75 -> -0.8
    EXPECT_EQ(down.Item(2)->N, -0.8);
}

TEST(InsertN, LeavesTheListAloneNearOrOutsideItsPoints) {
    const Pairs original{{1, 10}, {2, 20}, {3, 40}};
    for (double z : {2.0005, 1.9995, 2.001, 3.5, 0.5, 3.0, 1.0, 2.9995}) {
        colZulNs list = Points({{1, 10}, {2, 20}, {3, 40}});
        CZulTestAccess::InsertN(z, list);
        EXPECT_EQ(Flat(list), original) << "z = " << z;
    }
    colZulNs single = Points({{1, 10}});
    CZulTestAccess::InsertN(1, single);
    EXPECT_EQ(single.Count(), 1);
    colZulNs lastInterval = Points({{1, 10}, {2, 20}, {3, 40}});
    CZulTestAccess::InsertN(2.9, lastInterval);
    EXPECT_EQ(lastInterval.Item(3)->Z, 2.9);
    EXPECT_EQ(lastInterval.Item(3)->N, 38);
}

TEST(NValuesAtTip, WorkedExampleOverFourDiameters) {
    CZul c = testpiles::DrivenExample();
    c.CalcPaRa();
    EXPECT_EQ(Flat(c.N4D()), (Pairs{{6.8, 16.0}, {8, 20}, {9, 40}, {10.0, 43.3}}));
    ASSERT_EQ(c.N24D().Count(), 3);
    const double ni[] = {18, 30, 41.65};
    const double lini[] = {21.6, 30, 41.65};
    const double eu[] = {-6.8, -8, -9};
    for (int k = 0; k < 3; ++k) {
        const clsZulN2& r = *c.N24D().Item(k + 1);
        EXPECT_EQ(r.Ni, ni[k]);
        EXPECT_EQ(r.LiNi, lini[k]);
        EXPECT_EQ(r.EU, eu[k]);
        EXPECT_EQ(r.Lii, k == 0 ? 1.2 : 1.0);
    }
    EXPECT_EQ(c.N1(), 43.3);
    EXPECT_EQ(c.N2(), 29.1);
    EXPECT_EQ(c.NN(), 36.2);
}

TEST(NValuesAtTip, FourDiametersLimitedToThePileLength) {
    CZul c = testpiles::DrivenExample();
    c.setL(1.5);
    c.setDp(0.5);
    c.N().Clear();
    for (auto [z, n] : {std::pair{0.0, 2.0}, {1.0, 4.0}, {2.0, 8.0}}) {
        c.N().Add(z, n);
    }
    c.CalcPaRa();
    EXPECT_EQ(Flat(c.N4D()), (Pairs{{0, 2}, {1, 4}, {1.5, 6}}));
    EXPECT_EQ(c.N1(), 6);
    EXPECT_EQ(c.N2(), 3.7); // (3 x 1 + 5 x 0.5) / 1.5 = 3.67
}

TEST(NValuesAtTip, DesignValueLimitsAndMeanOfZero) {
    CZul c = testpiles::DrivenExample();
    c.N().Clear();
    c.N().Add(6, -30);
    c.N().Add(10, 30);
    c.setDp(1.0);
    c.CalcPaRa();
    EXPECT_EQ(c.N2(), 0);
    EXPECT_EQ(c.N1(), 30);
    EXPECT_EQ(c.NN(), 15);

    c.N().Clear();
    c.N().Add(0, 60);
    c.N().Add(20, 60);
    c.CalcPaRa();
    EXPECT_EQ(c.N1(), 60);
    EXPECT_EQ(c.NN(), 40);

    c.N().Clear();
    c.N().Add(0, -10);
    c.N().Add(20, -10);
    c.CalcPaRa();
    EXPECT_EQ(c.NN(), 0);
}

TEST(NValuesAtTip, SinglePointKeepsThePreviousRun) {
    CZul c = testpiles::DrivenExample();
    c.CalcPaRa();
    c.N().Clear();
    c.N().Add(5, 99);
    c.CalcPaRa();
    EXPECT_EQ(c.N1(), 43.3);
    EXPECT_EQ(c.N2(), 29.1);
    EXPECT_EQ(c.NN(), 36.2);
    EXPECT_EQ(c.N4D().Count(), 4);
}

TEST(NValuesAtTip, InclinedPileDividesByTheAxialLength) {
    CZul c = testpiles::DrivenExample();
    c.N().Clear();
    c.N().Add(0, 20);
    c.N().Add(30, 20);
    c.setAlpha(30);
    c.CalcPaRa();
    // The mean of a constant N is reduced by cos 30 degrees: 20 x 0.866 = 17.3.
    EXPECT_EQ(c.N1(), 20);
    EXPECT_EQ(c.N2(), 17.3);
    EXPECT_EQ(c.ELPL(), -8.66);
}

TEST(CalcNeire, BalanceAreaAgainstTheDesignValue) {
    CZul c = testpiles::DrivenExample();
    c.CalcPaRa();
    CZulTestAccess::SetNN(c, 36.2);
    CZulTestAccess::CalcNeire(c, -8.5);
    // Points from depth 8.5 (interpolated 30.0) over 9 (40) to the tip 10.0 (43.3).
    EXPECT_EQ(Flat(c.NNeire()), (Pairs{{8.5, 30}, {9, 40}, {10, 43.3}}));
    ASSERT_EQ(c.Neires().Count(), 2);
    EXPECT_EQ(c.Neires().Item(1)->DNU, 30 - 36.2);
    EXPECT_EQ(c.Neires().Item(1)->Ni, -1.2);
    EXPECT_EQ(c.Neires().Item(1)->LiNi, -0.6);
    EXPECT_EQ(c.Neires().Item(2)->Ni, 5.45);
    EXPECT_EQ(c.Neires().Item(2)->LiNi, 5.45);
    EXPECT_EQ(c.Neire(), 1.5);
    EXPECT_DOUBLE_EQ(c.NeireA(), 4.85);

    CZulTestAccess::CalcNeire(c, -10.0004);
    EXPECT_EQ(c.Neires().Count(), 0);
    EXPECT_EQ(c.Neire(), 0);
    EXPECT_EQ(c.NeireA(), 0);
}

} // namespace
} // namespace zul
