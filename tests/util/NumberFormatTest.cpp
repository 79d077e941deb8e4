#include "util/NumberFormat.h"

#include <gtest/gtest.h>
#include <limits>

using zul::FormatNumber;

TEST(NumberFormat, GroupsThousandsAndKeepsLiteralTails) {
    EXPECT_EQ(FormatNumber(0, "##,##0"), "0");
    EXPECT_EQ(FormatNumber(999, "##,##0"), "999");
    EXPECT_EQ(FormatNumber(1234567, "##,##0"), "1,234,567");
    EXPECT_EQ(FormatNumber(53, "##,##0）"), "53）");
    EXPECT_EQ(FormatNumber(12345, "##,##0）"), "12,345）");
    EXPECT_EQ(FormatNumber(1234.56, "###,##0.0"), "1,234.6");
    EXPECT_EQ(FormatNumber(-1234.56, "###,##0.0"), "-1,234.6");
    EXPECT_EQ(FormatNumber(-999999.94, "#####0.0"), "-999999.9");
    EXPECT_EQ(FormatNumber(0.8 * 1000, "###0mm"), "800mm");
    EXPECT_EQ(FormatNumber(1234567, "#,##0,"), "1,235"); // trailing comma divides by 1000
}

TEST(NumberFormat, RoundsHalfAwayFromZeroAtTheLastShownDigit) {
    EXPECT_EQ(FormatNumber(2.345, "###0.00"), "2.35"); // binary 2.34499.. taken at 15 digits
    EXPECT_EQ(FormatNumber(2.675, "##0.00"), "2.68");
    EXPECT_EQ(FormatNumber(-2.345, "###0.00"), "-2.35");
    EXPECT_EQ(FormatNumber(9.95, "0.0"), "10.0");
    EXPECT_EQ(FormatNumber(0.05, "0.0"), "0.1");
    EXPECT_EQ(FormatNumber(0.5, "#0"), "1");
    EXPECT_EQ(FormatNumber(-0.5, "#0"), "-1");
    EXPECT_EQ(FormatNumber(999.9996, "##0.000"), "1000.000");
    EXPECT_EQ(FormatNumber(1.23456789, "###0.000000"), "1.234568");
    EXPECT_EQ(FormatNumber(12345.6, "##0.00"), "12345.60"); // digits beyond the picture stay
    EXPECT_EQ(FormatNumber(3.14159, "##0.00"), "3.14");
    EXPECT_EQ(FormatNumber(1e20, "##0.0"), "100000000000000000000.0");
    EXPECT_EQ(FormatNumber(1.5e-7, "0.000000"), "0.000000");
}

TEST(NumberFormat, SignedTwoPartFormatKeepsPositiveSectionForRoundedZero) {
    const char* signedPicture = "+##0.000;-##0.000";
    EXPECT_EQ(FormatNumber(12.3456, signedPicture), "+12.346");
    EXPECT_EQ(FormatNumber(0, signedPicture), "+0.000");
    EXPECT_EQ(FormatNumber(-999.999, signedPicture), "-999.999");
    EXPECT_EQ(FormatNumber(-0.0005, signedPicture), "-0.001");
    EXPECT_EQ(FormatNumber(-0.0004, signedPicture), "+0.000");
    EXPECT_EQ(FormatNumber(-0.04, "0.0"), "0.0"); // one section: no "-0.0"
    EXPECT_EQ(FormatNumber(-0.0, "#0"), "0");
    EXPECT_EQ(FormatNumber(-1.25, "0.0;(0.0);\"zero\""), "(1.3)");
    EXPECT_EQ(FormatNumber(0.01, "0.0;(0.0);\"zero\""), "zero");
    EXPECT_EQ(FormatNumber(-3, "0;;"), "-3"); // an empty negative section uses the positive one
}

TEST(NumberFormat, EscapedAndOptionalPlaces) {
    EXPECT_EQ(FormatNumber(1.5, "###0.00\\, "), "1.50, ");
    EXPECT_EQ(FormatNumber(17, "###0\\, "), "17, ");
    EXPECT_EQ(FormatNumber(2, "\\\\##0"), "\\2");
    EXPECT_EQ(FormatNumber(0, "#"), "");
    EXPECT_EQ(FormatNumber(0.5, "#.00"), ".50");
    EXPECT_EQ(FormatNumber(1.5, "0.##"), "1.5");
    EXPECT_EQ(FormatNumber(1, "0.##"), "1.");
    EXPECT_EQ(FormatNumber(7, "000"), "007");
    EXPECT_EQ(FormatNumber(0.125, "0.0%"), "12.5%");
    EXPECT_EQ(FormatNumber(12345, "##-###"), "12-345");
    EXPECT_EQ(FormatNumber(5, "0;;;extra;sections"), "5");
}

TEST(NumberFormat, NonFiniteValuesAreShownNotHidden) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "0.0"), "NaN");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), "0.0"), "-Infinity");
    EXPECT_EQ(FormatNumber(1.25, ""), "1.25"); // no picture: the general form
}
