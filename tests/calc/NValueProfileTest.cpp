// The N-value evaluations near the tip select their points on the kept profile by bisection and
// reuse interval values from earlier runs; every result must be the one of the plain way.
#include "CZulTestAccess.h"
#include "SameBits.h"
#include "TestPiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace zul {
namespace {

void ExpectSamePoints(const colZulNs& a, const colZulNs& b, const std::string& what) {
    ASSERT_EQ(a.Count(), b.Count()) << what;
    for (std::int32_t k = 1; k <= a.Count(); ++k) {
        ASSERT_TRUE(SameBits(a.Item(k)->Z, b.Item(k)->Z) && SameBits(a.Item(k)->N, b.Item(k)->N))
            << what << " point " << k;
    }
}

template <typename Intervals>
void ExpectSameIntervals(const Intervals& a, const Intervals& b, const std::string& what) {
    ASSERT_EQ(a.Count(), b.Count()) << what;
    for (std::int32_t k = 1; k <= a.Count(); ++k) {
        // Records of plain doubles: equal bytes means equal bits in every field.
        ASSERT_EQ(std::memcmp(a.Item(k), b.Item(k), sizeof *a.Item(k)), 0) << what << " interval " << k;
    }
}

// Runs step on the kept profile and the plain way; both must fail, or agree bit for bit.
template <typename Step, typename Plain, typename Compare>
void ExpectPlainResult(const CZul& setup, Step step, Plain plain, Compare compare, const std::string& what) {
    CZul quick = setup;
    CZul reference = setup;
    bool quickFailed = false;
    bool plainFailed = false;
    try {
        step(quick);
    } catch (const CalcError&) {
        quickFailed = true;
    }
    try {
        plain(reference);
    } catch (const CalcError&) {
        plainFailed = true;
    }
    ASSERT_EQ(quickFailed, plainFailed) << what;
    if (!quickFailed) {
        compare(quick, reference, what);
    }
}

void CompareNeire(const CZul& a, const CZul& b, const std::string& what) {
    ExpectSamePoints(a.NNeire(), b.NNeire(), what);
    ExpectSameIntervals(a.Neires(), b.Neires(), what);
    ASSERT_TRUE(SameBits(a.Neire(), b.Neire()) && SameBits(a.NeireA(), b.NeireA())) << what;
}

void CompareN4D(const CZul& a, const CZul& b, const std::string& what) {
    ExpectSamePoints(a.N4D(), b.N4D(), what);
    ExpectSameIntervals(a.N24D(), b.N24D(), what);
    ASSERT_TRUE(SameBits(a.N1(), b.N1()) && SameBits(a.N2(), b.N2()) && SameBits(a.NN(), b.NN())) << what;
}

// Points in depth order with the awkward spacings: closer than, exactly at and just beyond the
// 0.001 m of the insertion, on and beside half millimetres, repeated depths; now and then out of
// order (the plain way then decides alone).
void RandomPoints(std::mt19937& rng, CZul& c) {
    std::uniform_real_distribution<double> unit(0, 1);
    c.N().Clear();
    const int count = 1 + static_cast<int>(unit(rng) * 40);
    double z = unit(rng) < 0.3 ? 0.0 : std::round((unit(rng) * 6 - 2) * 1000) / 1000;
    for (int k = 0; k < count; ++k) {
        c.N().Add(z, std::round((unit(rng) * 70 - 5) * 10) / 10);
        const double pick = unit(rng);
        if (pick < 0.05) {
            z += 0; // the same depth again
        } else if (pick < 0.15) {
            static constexpr double kClose[] = {0.0004, 0.0005, 0.001, 0.0011, 0.0015, 0.002, 0.0025};
            z += kClose[static_cast<int>(unit(rng) * 7)];
        } else {
            z += std::round((0.1 + unit(rng) * 4) * 2000) / 2000;
        }
        if (unit(rng) < 0.01) {
            z -= 2; // out of order
        }
    }
}

// Depths the evaluations start from: on the points, a hair beside them, between them, outside.
double RandomElevation(std::mt19937& rng, const CZul& c, double top) {
    std::uniform_real_distribution<double> unit(0, 1);
    static constexpr double kOffsets[] = {0,     0.0004, -0.0004, 0.0005, -0.0005,
                                          0.001, -0.001, 0.0011,  -0.0011};
    const colZulNs& n = c.N();
    const clsZulN& p = *n.Item(1 + static_cast<std::int32_t>(unit(rng) * n.Count()));
    if (unit(rng) < 0.6) {
        return top - (p.Z + kOffsets[static_cast<int>(unit(rng) * 9)]);
    }
    return top - (p.Z + (unit(rng) * 8 - 4));
}

CZul RandomProfilePile(std::mt19937& rng) {
    std::uniform_real_distribution<double> unit(0, 1);
    CZul c = testpiles::DrivenExample();
    c.Jiban().Clear();
    const double top = unit(rng) < 0.5 ? 0.0 : std::round(unit(rng) * 100 - 50) / 10;
    c.Jiban().Add(top, 500, 0, 18, 9, 0, 20, 0, 30, 3000, 1);
    RandomPoints(rng, c);
    c.setELPU(top + std::round(unit(rng) * 40 - 20) / 10);
    c.setL(std::round(unit(rng) * 1500) / 100 + 0.5);
    c.setAlpha(unit(rng) < 0.3 ? std::round(unit(rng) * 300) / 10 : 0);
    c.setDp(std::round(3 + unit(rng) * 12) / 10);
    const double cosA = std::cos(c.Alpha() * 3.141592654 / 180);
    CZulTestAccess::SetELPL(c, std::round((c.ELPU() - cosA * c.L()) * 1000) / 1000);
    CZulTestAccess::SetNN(c, std::round(unit(rng) * 400) / 10);
    return c;
}

TEST(NValueProfile, EvaluationsEqualThePlainWay) {
    std::mt19937 rng(2024);
    for (int run = 0; run < 3000; ++run) {
        const CZul pile = RandomProfilePile(rng);
        const std::string what = "run " + std::to_string(run);
        ExpectPlainResult(pile, CZulTestAccess::CalcN4D, CZulTestAccess::PlainCalcN4D, CompareN4D,
                          what + " N4D");
        const double top = pile.Jiban().Item(1)->EU;
        for (int e = 0; e < 12; ++e) {
            const double el = RandomElevation(rng, pile, top);
            ExpectPlainResult(
                pile, [el](CZul& c) { CZulTestAccess::CalcNeire(c, el); },
                [el](CZul& c) { CZulTestAccess::PlainCalcNeire(c, el); }, CompareNeire,
                what + " el " + std::to_string(el));
        }
    }
}

TEST(NValueProfile, PointsExactlyAMillimetreAway) {
    // A point exactly 0.001 m (in floating point) beside the inserted depth counts as standing
    // on it, above as well as below, while the point beyond decides where the insertion goes.
    int exact = 0;
    for (int k = -20; k <= 20; ++k) {
        const double z = k / 1000.0;
        for (int side : {1, -1}) {
            const double p = (k + side) / 1000.0;
            if (side * (p - z) != 0.001) {
                continue;
            }
            ++exact;
            CZul c = testpiles::DrivenExample();
            c.Jiban().Clear();
            c.Jiban().Add(0, 50, 0, 18, 9, 0, 20, 0, 30, 3000, 1);
            c.N().Clear();
            c.N().Add(z - 1, 10);
            if (side < 0) {
                c.N().Add(p, 15);
            }
            c.N().Add(z < p ? p : z + 0.5, 20);
            c.N().Add(z + 5, 40);
            c.setL(z + 4);
            CZulTestAccess::SetNN(c, 12);
            const std::string what = "z " + std::to_string(z) + " side " + std::to_string(side);
            ExpectPlainResult(
                c, [z](CZul& q) { CZulTestAccess::CalcNeire(q, -z); },
                [z](CZul& q) { CZulTestAccess::PlainCalcNeire(q, -z); }, CompareNeire, what);
        }
    }
    EXPECT_GE(exact, 20); // such depths exist near the ground top
}

TEST(NValueProfile, KeptValuesFollowChangedInputs) {
    // One object through many evaluations while its points, design N-value, ground top and
    // inclination change: nothing kept from before may leak into a later result.
    std::mt19937 rng(77);
    std::uniform_real_distribution<double> unit(0, 1);
    CZul c = RandomProfilePile(rng);
    for (int step = 0; step < 2000; ++step) {
        const double pick = unit(rng);
        if (pick < 0.1) {
            RandomPoints(rng, c);
        } else if (pick < 0.2 && c.N().Count() > 0) {
            clsZulN& p = *c.N().Item(1 + static_cast<std::int32_t>(unit(rng) * c.N().Count()));
            p.N = std::nextafter(p.N, 100.0); // one bit of one N-value
        } else if (pick < 0.3) {
            CZulTestAccess::SetNN(c, std::round(unit(rng) * 400) / 10);
        } else if (pick < 0.35) {
            c.Jiban().Item(1)->EU = std::round(unit(rng) * 40 - 20) / 10;
        } else if (pick < 0.4) {
            c.setAlpha(unit(rng) < 0.5 ? 0 : std::round(unit(rng) * 300) / 10);
        }
        const double el = RandomElevation(rng, c, c.Jiban().Item(1)->EU);
        CZul plain = c;
        CZulTestAccess::CalcNeire(c, el);
        CZulTestAccess::PlainCalcNeire(plain, el);
        CompareNeire(c, plain, "step " + std::to_string(step));
        if (HasFatalFailure()) {
            return;
        }
        if (c.N().Count() >= 2) {
            CZul plainN4D = c;
            CZulTestAccess::CalcN4D(c);
            CZulTestAccess::PlainCalcN4D(plainN4D);
            CompareN4D(c, plainN4D, "step " + std::to_string(step) + " N4D");
        }
    }
}

TEST(NValueProfile, HugeDepthsAreLeftToThePlainWay) {
    // Depths beyond the range of whole millimetres in 32 bits: the plain way fails, and so
    // must the evaluation on the profile.
    CZul c = testpiles::DrivenExample();
    c.N().Clear();
    c.N().Add(0, 10);
    c.N().Add(3e6, 20);
    CZulTestAccess::SetNN(c, 15);
    EXPECT_THROW(CZulTestAccess::CalcNeire(c, -5), CalcError);
    CZul plain = c;
    EXPECT_THROW(CZulTestAccess::PlainCalcNeire(plain, -5), CalcError);
}

} // namespace
} // namespace zul
