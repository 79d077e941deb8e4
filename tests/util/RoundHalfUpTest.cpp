#include "util/RoundHalfUp.h"
#include "util/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using zul::RoundHalfUp;

TEST(RoundHalfUp, RoundsHalfAwayFromZeroOnTheBiasedDecimalText) {
    EXPECT_DOUBLE_EQ(RoundHalfUp(2.345, 2), 2.35);
    EXPECT_DOUBLE_EQ(RoundHalfUp(-2.345, 2), -2.35);
    EXPECT_DOUBLE_EQ(RoundHalfUp(1.04999, 1), 1.0);
    EXPECT_DOUBLE_EQ(RoundHalfUp(2.0049999, 2), 2.01);
    EXPECT_DOUBLE_EQ(RoundHalfUp(12.5, 0), 13.0);
    EXPECT_DOUBLE_EQ(RoundHalfUp(37.05, 0), 37.0);
    EXPECT_DOUBLE_EQ(RoundHalfUp(93.25 / 3.2, 1), 29.1);
}

TEST(RoundHalfUp, TinyMagnitudesBecomeZero) {
    EXPECT_EQ(RoundHalfUp(0.0004, 3), 0.0);
    EXPECT_EQ(RoundHalfUp(0.00004, 3), 0.0);
    EXPECT_EQ(RoundHalfUp(0.004, 2), 0.0);
    EXPECT_EQ(RoundHalfUp(-0.00009999, 3), 0.0);
    EXPECT_DOUBLE_EQ(RoundHalfUp(-0.0009999, 3), -0.001);
    // just at the threshold the value is rounded normally: 0.0001 scaled is 0.1 -> 0
    EXPECT_EQ(RoundHalfUp(0.0001, 3), 0.0);
    EXPECT_DOUBLE_EQ(RoundHalfUp(0.0005, 3), 0.001);
}

TEST(RoundHalfUp, ScaledTextWithoutPointReturnsTheBiasedValue) {
    // 15 integer digits: the text has no decimal point, so t / p comes back unrounded.
    const double x = 123456789012345.0;
    EXPECT_DOUBLE_EQ(RoundHalfUp(x, 0), x + 0.00001);
    // exponent form without a point: 1E+20 scaled
    EXPECT_DOUBLE_EQ(RoundHalfUp(1e20, 0), 1e20);
}

TEST(NumberText, GeneralFormHasFifteenSignificantDigits) {
    EXPECT_EQ(zul::GeneralNumberText(1.0), "1");
    EXPECT_EQ(zul::GeneralNumberText(-2.5), "-2.5");
    EXPECT_EQ(zul::GeneralNumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(zul::GeneralNumberText(1e20), "1E+20");
    EXPECT_EQ(zul::GeneralNumberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(zul::GeneralNumberText(0.5), "0.5");
    EXPECT_EQ(zul::GeneralNumberText(-0.0), "0");
}

// A 15-digit text that would round beyond the largest number takes the one below it, toward zero.
TEST(NumberText, GeneralFormAlwaysReadsBack) {
    const double most = std::numeric_limits<double>::max();
    const struct {
        double value;
        const char* text;
    } cases[] = {{most, "1.79769313486231E+308"},
                 {-most, "-1.79769313486231E+308"},
                 {std::nextafter(most, 0.0), "1.79769313486231E+308"},
                 {1.7976931348623E+308, "1.7976931348623E+308"},
                 {1.79769313486231E+308, "1.79769313486231E+308"},
                 {4.9406564584124654E-324, "4.94065645841247E-324"}};
    for (const auto& c : cases) {
        const std::string text = zul::GeneralNumberText(c.value);
        EXPECT_EQ(text, c.text);
        EXPECT_TRUE(zul::ParseNumber(text).has_value()) << text;
    }
}

TEST(NumberText, PrintFormCarriesSignPlaceAndTrailingBlank) {
    EXPECT_EQ(zul::PrintNumberText(1), " 1 ");
    EXPECT_EQ(zul::PrintNumberText(-2.5), "-2.5 ");
    EXPECT_EQ(zul::PrintNumberText(0), " 0 ");
}

TEST(NumberText, NumberOfTextTakesTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(zul::NumberOfText("  12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(zul::NumberOfText("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(zul::NumberOfText("1E3"), 1000.0);
    EXPECT_DOUBLE_EQ(zul::NumberOfText("abc"), 0.0);
    EXPECT_DOUBLE_EQ(zul::NumberOfText(""), 0.0);
    // blanks inside the number count for nothing, as before it
    EXPECT_DOUBLE_EQ(zul::NumberOfText("1 000"), 1000.0);
    EXPECT_DOUBLE_EQ(zul::NumberOfText(" - 2. 5 E\t1x7"), -25.0);
    EXPECT_DOUBLE_EQ(zul::NumberOfText("12\n5 kN"), 125.0);
    EXPECT_FALSE(zul::ParseNumber("1 000").has_value());
    EXPECT_FALSE(zul::ParseNumber("1.5abc").has_value());
    EXPECT_FALSE(zul::ParseNumber("nan").has_value());
    EXPECT_FALSE(zul::ParseNumber("inf").has_value());
    EXPECT_FALSE(zul::ParseNumber("1E999").has_value());
    EXPECT_DOUBLE_EQ(*zul::ParseNumber(" 0.8 "), 0.8);
}
