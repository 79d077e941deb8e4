// The calculation's rounding decides on the decimal text of the scaled value; the shared
// rounding reaches the same decision without writing the text.  Both must agree everywhere.
#include "SameBits.h"
#include "calc/CalcError.h"
#include "calc/RoundingMemo.h"
#include "util/NumberText.h"
#include "util/RoundHalfUp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

namespace zul {
namespace {

// The rounding written out plainly: the first digit after the point of the general text
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

TEST(RememberedRounding, AnswersAsTheRoundingDoes) {
    // Far more values than places, asked in changing order and again, so that answers are
    // found, replaced and found again; each must be the rounding of the value asked.
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> unit(-1, 1);
    std::vector<double> values;
    for (int i = 0; i < 6000; ++i) {
        values.push_back(std::round(unit(rng) * 1e6) / 1000); // many share their last bits
        values.push_back(unit(rng) * std::pow(10.0, static_cast<int>(unit(rng) * 8)));
    }
    values.insert(values.end(), {0.0, -0.0, 2.345, -2.345, 0.0004, 1e15, -1e17, 0.05, 0.5});
    for (int pass = 0; pass < 3; ++pass) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            const double x = values[pass == 1 ? values.size() - 1 - i : i];
            for (int d = -1; d <= 4; ++d) {
                ASSERT_TRUE(SameBits(calcmath::RememberedRound(x, d), RoundHalfUp(x, d)))
                    << std::hexfloat << x << " d=" << d;
            }
        }
        std::shuffle(values.begin(), values.end(), rng);
    }
}

TEST(RememberedRounding, FailsWithoutAFiniteResult) {
    EXPECT_THROW(calcmath::RememberedRound(std::nan(""), 1), CalcError);
    EXPECT_THROW(calcmath::RememberedRound(HUGE_VAL, 0), CalcError);
    EXPECT_THROW(calcmath::RememberedRound(-HUGE_VAL, 3), CalcError);
    EXPECT_THROW(calcmath::RememberedRound(1e308, 3), CalcError); // x 1000 overflows
    EXPECT_EQ(calcmath::RememberedRound(2.345, 2), 2.35);         // still answering after that
}

TEST(RememberedRounding, EachThreadAnswersRight) {
    std::vector<std::thread> threads;
    std::vector<int> wrong(4, 0);
    for (std::size_t t = 0; t < wrong.size(); ++t) {
        threads.emplace_back([t, &wrong] {
            std::mt19937_64 rng(100 + t);
            std::uniform_real_distribution<double> unit(0, 100);
            for (int i = 0; i < 50000; ++i) {
                const double x = std::round(unit(rng) * 1000) / 1000;
                const int d = i % 4;
                if (!SameBits(calcmath::RememberedRound(x, d), RoundHalfUp(x, d))) {
                    ++wrong[t];
                }
            }
        });
    }
    for (std::thread& th : threads) {
        th.join();
    }
    EXPECT_EQ(wrong, std::vector<int>(wrong.size(), 0));
}

} // namespace
} // namespace zul
