// Texts, number pairs and definition rows as the print and figure files hold them.
#include "printfile/PrintFileFormat.h"
#include "printfile/FigureDefinitions.h"
#include "printfile/PrintFileFormatError.h"
#include "util/Cp932.h"

#include <gtest/gtest.h>

namespace zul {
namespace {

TEST(PrintFileFormat, TextsKeepTheirLinesAndCharacters) {
    EXPECT_EQ(PrintText("杭 D=1.0"), EncodeCp932("杭 D=1.0").value());
    EXPECT_EQ(PrintText("Ω☃杭"), "\x83\xB6?" + EncodeCp932("杭").value()); // "☃" has no code
    EXPECT_EQ(PrintText("a\r\n\fb\x7F"), "a   b ");
}

TEST(PrintFileFormat, NumberPairsStartTheSecondNumberInTheNextZone) {
    EXPECT_EQ(PrintNumberPair(1, -2), " 1 " + std::string(11, ' ') + "-2 ");
    EXPECT_EQ(PrintNumberPair(-12345678901.25, 0.5), "-12345678901.25 " + std::string(12, ' ') + " 0.5 ");
    EXPECT_EQ(PrintZonePadding(14), "");
    EXPECT_EQ(PrintZonePadding(15), std::string(13, ' '));
}

TEST(FigureDefinitions, RowsUpToEndWithQuotesAndBlanks) {
    const std::string lines =
        EncodeCp932("線種定義,線種,線幅\r\n実線(細),0,18\r\n破線, 1 ,18\r\nEND\r\n").value();
    const auto rows = ParseLineDefs(lines);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].Name, "破線");
    EXPECT_EQ(rows[1].Style, 1);
    const std::string texts =
        EncodeCp932("h\r\n\"小\", 700, \"IPAGothic\", 144, 20, 255, 0\r\nEND\r\n").value();
    const auto text = ParseStrDefs(texts);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].Name, "小");
    EXPECT_EQ(text[0].Weight, 700);
    EXPECT_EQ(text[0].Font, "IPAGothic");
    EXPECT_EQ(text[0].Size, 144);
    EXPECT_EQ(text[0].Colour, 255);
    EXPECT_THROW(ParseLineDefs("h\r\na,0,1\r\n"), PrintFileFormatError);        // no END
    EXPECT_THROW(ParseLineDefs("h\r\na,x,1\r\nEND\r\n"), PrintFileFormatError); // not a number
    EXPECT_THROW(ParseLineDefs("h\r\na,0,1\r\nb,0,1\r\nEND\r\n", 1), PrintFileFormatError);
}

} // namespace
} // namespace zul
