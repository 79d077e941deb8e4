#include "calc/colRaTabls.h"
#include "calc/colZulJiban.h"
#include "calc/colZulLiFis.h"
#include "calc/colZulN2s.h"
#include "calc/colZulNs.h"

#include <gtest/gtest.h>

#include <vector>

namespace zul {
namespace {

std::vector<double> Depths(const colZulNs& list) {
    std::vector<double> z;
    for (const clsZulN& p : list) {
        z.push_back(p.Z);
    }
    return z;
}

colZulNs FourPoints() {
    colZulNs list;
    for (double z : {1.0, 2.0, 3.0, 4.0}) {
        list.Add(z, z * 10);
    }
    return list;
}

TEST(Collections, PositionsOutsideTheListAreEmptyPlaces) {
    colZulNs list = FourPoints();
    EXPECT_EQ(list.Item(0), nullptr);
    EXPECT_EQ(list.Item(5), nullptr);
    EXPECT_EQ(list.Item(-1), nullptr);
    EXPECT_FALSE(list.Remove(0));
    EXPECT_FALSE(list.Remove(5));
    EXPECT_EQ(Depths(list), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_TRUE(list.Remove(2));
    EXPECT_EQ(Depths(list), (std::vector<double>{1, 3, 4}));
    colZulNs empty;
    empty.Clear();
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.Item(1), nullptr);
}

TEST(Collections, InsertionBeforeAndAfterAPosition) {
    colZulNs before = FourPoints();
    before.Add(2.5, 25, 3, true);
    EXPECT_EQ(Depths(before), (std::vector<double>{1, 2, 2.5, 3, 4}));
    colZulNs after = FourPoints();
    after.Add(3.5, 35, 3, false);
    EXPECT_EQ(Depths(after), (std::vector<double>{1, 2, 3, 3.5, 4}));
    colZulNs last = FourPoints();
    last.Add(4.5, 45, 4, false);
    EXPECT_EQ(Depths(last), (std::vector<double>{1, 2, 3, 4, 4.5}));
    EXPECT_THROW(last.Add(9, 9, 7, false), CalcError);
    EXPECT_THROW(last.Add(9, 9, -1, true), CalcError);
}

TEST(Collections, ItemHandsOutTheStoredRecord) {
    colZulLiFis list;
    list.Add(1, 0, 0.0, -1, 1.0, 18, 0, 20, 0);
    list.Item(1)->IsNonF = true;
    list.Item(1)->Fi = 0;
    EXPECT_TRUE(list.Item(1)->IsNonF);
    EXPECT_EQ(list.Item(1)->Fi, 0);
    for (clsZulLiFi& s : list) {
        s.Lii = 7;
    }
    EXPECT_EQ(list.Item(1)->Lii, 7);
}

TEST(Collections, AddBuildsRecordsFromTheirArguments) {
    colZulLiFis segments;
    const clsZulLiFi& s = segments.Add(3, 2, 5.0, 0.0, 2.0, 9, 1, 20, 40);
    EXPECT_EQ(s.EL, 3.0); // the bottom follows from top and length, not from dblEL
    EXPECT_EQ(s.Li, 2.0);
    EXPECT_EQ(s.Lii, 2.0);
    EXPECT_EQ(s.No, 3);
    EXPECT_EQ(s.Kind, 2);
    EXPECT_FALSE(s.IsNonF);

    colZulJiban layers;
    const clsZulJiban& j = layers.Add(-1.5, 4.0, 1, 19, 9, 0, 25, 0, 50, 4000, 0.5);
    EXPECT_EQ(j.EL, -5.5);
    EXPECT_EQ(j.H, 4.0);
    EXPECT_EQ(j.qd, 4000);
    EXPECT_EQ(j.DE, 0.5);

    colZulN2s intervals;
    const clsZulN2& n2 = intervals.Add(-6.5, -8.0, 16, 20);
    EXPECT_EQ(n2.Li, 1.5);
    EXPECT_EQ(n2.Lii, 1.5);
    EXPECT_EQ(n2.Ni, 0);

    colRaTabls rows;
    rows.Add(10, 1, 2, 3, 4, 0);
    rows.Add(11, 5, 6, 7, 8, 0);
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Item(2)->Rae, 7);
    rows.Clear();
    EXPECT_EQ(rows.Count(), 0);
}

} // namespace
} // namespace zul
