// The calculation's rounding decides on the decimal text of the scaled value; the shared
// rounding reaches the same decision without writing the text.  Both must agree everywhere.
#include "util/NumberText.h"
#include "util/RoundHalfUp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace zul {
namespace {

// The rounding exactly as described: the first digit after the point of the general text
// form (15 significant digits) of the biased, scaled value decides.
double RoundByText(double x, int d) {
    const double a = std::fabs(x);
    if (a < 1.0 / std::pow(10.0, d + 1)) {
        return 0.0;
    }
    const double p = std::pow(10.0, d);
    const double t = a * p + 0.00001;
    const std::string text = GeneralNumberText(t);
    const auto dot = text.find('.');
    double r = 0;
    if (dot == std::string::npos) {
        r = t / p;
    } else if (dot + 1 < text.size() && text[dot + 1] >= '5' && text[dot + 1] <= '9') {
        r = std::trunc(t + 1.0) / p;
    } else {
        r = std::trunc(t) / p;
    }
    return x >= 0 ? r : -r;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void ExpectAgrees(double x, int d) {
    const double fast = RoundHalfUp(x, d);
    const double text = RoundByText(x, d);
    ASSERT_TRUE(SameBits(fast, text))
        << std::hexfloat << x << " d=" << d << " fast " << fast << " text " << text;
}

TEST(Rounding, DescribedExamples) {
    EXPECT_EQ(RoundHalfUp(2.345, 2), 2.35);
    EXPECT_EQ(RoundHalfUp(-2.345, 2), -2.35);
    EXPECT_EQ(RoundHalfUp(0.0004, 3), 0);
    EXPECT_EQ(RoundHalfUp(0.004, 2), 0);
    EXPECT_EQ(RoundHalfUp(1.04999, 1), 1.0);
    EXPECT_EQ(RoundHalfUp(2.0049999, 2), 2.01);
    EXPECT_EQ(RoundHalfUp(12.5, 0), 13);
    EXPECT_EQ(RoundHalfUp(37.05, 0), 37);
}

TEST(Rounding, FastDecisionEqualsTheTextDecision) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-5, 16);
    std::uniform_int_distribution<int> decimals(0, 3);
    for (int i = 0; i < 400000; ++i) {
        const double x = mantissa(rng) * std::pow(10.0, exponent(rng)) * (i % 2 ? 1 : -1);
        ExpectAgrees(x, decimals(rng));
    }
}

TEST(Rounding, FastDecisionAtHalvesAndWholeNumbers) {
    // Values whose scaled form sits on or next to a half or a whole number, where the 15th
    // significant digit and the bias decide.
    std::mt19937_64 rng(11);
    for (int d = 0; d <= 3; ++d) {
        const double p = std::pow(10.0, d);
        for (double magnitude : {1.0, 1e3, 1e6, 1e9, 1e11, 1e12, 1e13, 1e14}) {
            for (int i = 0; i < 2000; ++i) {
                const double whole = std::floor(std::uniform_real_distribution<double>(0, magnitude)(rng));
                for (double offset : {0.0, 0.5, 0.49999, 0.49999999999, -0.00001, 0.99999}) {
                    double x = (whole + offset) / p;
                    for (int ulps = 0; ulps < 4; ++ulps) {
                        ExpectAgrees(x, d);
                        x = std::nextafter(x, HUGE_VAL);
                    }
                }
            }
        }
    }
    for (double x : {0.1, 0.05, 0.0100001, 0.999999999999999, 99999999999999.9, 1e15, 1.5e15, 123.456e20}) {
        for (int d = 0; d <= 3; ++d) {
            ExpectAgrees(x, d);
        }
    }
}

} // namespace
} // namespace zul
