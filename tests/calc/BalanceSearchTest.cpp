// The area-balance search skips the evaluations whose outcome is certain; its results must be
// those of the search that evaluates every step.
#include "CZulTestAccess.h"
#include "SameBits.h"
#include "TestPiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace zul {
namespace {

void ExpectSameEvaluation(const CZul& fast, const CZul& naive, const std::string& what) {
    ASSERT_TRUE(SameBits(fast.Neire(), naive.Neire()))
        << what << " Neire " << fast.Neire() << " " << naive.Neire();
    ASSERT_TRUE(SameBits(fast.NeireA(), naive.NeireA())) << what << " NeireA";
    ASSERT_EQ(fast.NNeire(), naive.NNeire()) << what;
    ASSERT_EQ(fast.Neires(), naive.Neires()) << what;
}

// A driven pile in random ground: N-values rising and falling (now and then on whole metres,
// close together or unsorted), any head level, sometimes inclined.
CZul RandomBalancePile(std::mt19937& rng) {
    std::uniform_real_distribution<double> unit(0, 1);
    CZul c = testpiles::DrivenExample();
    c.setQdNeireType(2);
    c.Jiban().Clear();
    const double top = unit(rng) < 0.5 ? 0.0 : std::round(unit(rng) * 200 - 100) / 10;
    double eu = top;
    const int layers = 1 + static_cast<int>(unit(rng) * 6);
    for (int k = 0; k < layers; ++k) {
        const double h = std::round(1 + unit(rng) * 300) / 10;
        c.Jiban().Add(eu, h, k % 3, 18, 9, 0, 20, 0, 30, 3000, 1);
        eu -= h;
    }
    c.N().Clear();
    const int points = 2 + static_cast<int>(unit(rng) * 60);
    const double spacing = unit(rng) < 0.3 ? 1.0 : 0.05 + unit(rng) * 4;
    double z = unit(rng) < 0.5 ? 0.0 : unit(rng) * 3;
    const double wave = 1 + unit(rng) * 10;
    const double base = 5 + unit(rng) * 40;
    for (int k = 0; k < points; ++k) {
        double n = std::round(10 * (base + 20 * std::sin(z / wave) + unit(rng) * 8)) / 10;
        if (unit(rng) < 0.05) {
            n = 60; // an outlier
        }
        c.N().Add(std::round(z * 1000) / 1000, n);
        z += unit(rng) < 0.05 ? 0.001 + unit(rng) * 0.004 : spacing * (0.5 + unit(rng));
        if (unit(rng) < 0.01) {
            z -= 3; // out of order
        }
    }
    c.setELPU(unit(rng) < 0.6 ? top : top + std::round(unit(rng) * 60 - 30) / 10);
    c.setELGL(c.ELPU());
    c.setL(std::round(10 + unit(rng) * 10 * (z - top + 10)) / 10);
    c.setAlpha(unit(rng) < 0.2 ? std::round(unit(rng) * 300) / 10 : 0);
    c.setDp(std::round(3 + unit(rng) * 12) / 10);
    return c;
}

TEST(BalanceSearch, SkippingGivesTheResultOfEveryStep) {
    std::mt19937 rng(4242);
    int climbed = 0;
    for (int run = 0; run < 3000; ++run) {
        CZul fast = RandomBalancePile(rng);
        try {
            fast.CalcPaRa();
        } catch (const CalcError&) {
            continue;
        }
        CZul naive = fast;
        CZulTestAccess::NaiveBalanceSearch(naive);
        ExpectSameEvaluation(fast, naive, "run " + std::to_string(run));
        if (fast.Neire() > 1) {
            ++climbed;
        }
    }
    EXPECT_GT(climbed, 300); // many searches climbed far, through skipped evaluations
}

TEST(BalanceSearch, LongClimbsOverWholeMetres) {
    // N-values on whole metres and a climb by 0.1 m steps that lands on every point.
    for (double length : {25.0, 37.3, 58.9, 80.0}) {
        CZul fast = testpiles::DrivenExample();
        fast.setQdNeireType(2);
        fast.Jiban().Clear();
        fast.Jiban().Add(0, 200, 0, 18, 9, 0, 20, 0, 30, 3000, 1);
        fast.N().Clear();
        for (int z = 0; z <= 100; ++z) {
            fast.N().Add(z, std::round(10 * (30 + 12 * std::sin(z / 7.0) + 0.2 * z)) / 10);
        }
        fast.setL(length);
        fast.CalcPaRa();
        CZul naive = fast;
        CZulTestAccess::NaiveBalanceSearch(naive);
        ExpectSameEvaluation(fast, naive, "L " + std::to_string(length));
    }
}

} // namespace
} // namespace zul
