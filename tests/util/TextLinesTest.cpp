#include "util/TextLines.h"
#include "util/Cp932.h"
#include "util/NumberFormat.h"

#include <gtest/gtest.h>

namespace zul {
namespace {

using Lines = std::vector<std::string_view>;

TEST(SplitLines, EveryLineEndAndTheBound) {
    const struct {
        std::string_view text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc\r\n\r\n", {"a", "b", "c", ""}},
        {"a\r\r\n", {"a", ""}},
        {"\f\r\n", {"\f"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
    }
    bool cut = true;
    EXPECT_EQ(SplitLines("a\nb\n", 2, &cut), (Lines{"a", "b"}));
    EXPECT_FALSE(cut);
    EXPECT_EQ(SplitLines("a\nb\n\n", 2, &cut), (Lines{"a", "b"}));
    EXPECT_TRUE(cut);
}

TEST(TrimBlanks, AsciiBlanksAndIdeographicSpacesAtBothEnds) {
    const struct {
        std::string_view text;
        std::string_view trimmed;
    } cases[] = {
        {" \t\r\n\f\va b\v", "a b"},
        {"\u3000 杭\u3000長\t\u3000", "杭\u3000長"},
        {"\x81\x40x\x81\x40", "\x81\x40x\x81\x40"}, // the code page 932 ideographic space stays
        {" \u3000 ", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimBlanks(c.text), c.trimmed) << c.text;
        EXPECT_EQ(IsBlankText(c.text), c.trimmed.empty()) << c.text;
    }
}

TEST(Cp932Lenient, EncodesWhatItCanAndCountsColumns) {
    EXPECT_EQ(EncodeCp932Lenient("杭①"), EncodeCp932("杭①").value());
    EXPECT_EQ(EncodeCp932Lenient("a☃b😀"), "a?b?");
    EXPECT_EQ(EncodeCp932Lenient("\xE6\x9D"), "?"); // a character cut short
    const Cp932Columns columns = CountCp932Columns(EncodeCp932("Ｎ値10ｱ").value());
    EXPECT_EQ(columns.full, 2u);
    EXPECT_EQ(columns.half, 3u);
    EXPECT_EQ(CountCp932Columns("\x82").half, 1u); // a lead byte at the end counts as one column
}

TEST(FormatSignedNumber, NegativeValuesKeepTheirSign) {
    EXPECT_EQ(FormatSignedNumber(-0.001, "###0.00"), "-0.00");
    EXPECT_EQ(FormatNumber(-0.001, "###0.00"), "0.00");
    EXPECT_EQ(FormatSignedNumber(12.345, "###0.00\\, "), "12.35, ");
    EXPECT_EQ(FormatSignedNumber(-3, "####0"), "-3");
}

} // namespace
} // namespace zul
