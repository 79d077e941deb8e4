#include "util/Cp932.h"

#include <gtest/gtest.h>

using namespace zul;

TEST(Cp932, UsesMicrosoftTableForWaveDashCircledDigitsAndNumero) {
    EXPECT_EQ(EncodeCp932("～"), "\x81\x60");
    EXPECT_EQ(EncodeCp932("①"), "\x87\x40");
    EXPECT_EQ(EncodeCp932("№"), "\x87\x82");
    EXPECT_EQ(EncodeCp932("＂"), "\xFA\x57");
    EXPECT_EQ(DecodeCp932("\x81\x60"), "～"); // U+FF5E, not the wave dash U+301C
    EXPECT_EQ(DecodeCp932("\x87\x40"), "①");
}

TEST(Cp932, RoundTripsJapaneseHalfWidthKatakanaAndAscii) {
    const std::string texts[] = {"VELMAROK INPUT FILE FORMAT V1：",
                                 "ﾃﾞｰﾀﾌｧｲﾙ読み込みｴﾗｰ",
                                 "（未定義）",
                                 "C:\\杭\\表.zul",
                                 "",
                                 "～①№ｱ"};
    for (const auto& text : texts) {
        const auto encoded = EncodeCp932(text);
        ASSERT_TRUE(encoded.has_value()) << text;
        EXPECT_EQ(DecodeCp932(*encoded), text);
    }
    EXPECT_EQ(EncodeCp932("ｱ")->size(), 1u); // half-width katakana is one byte
    EXPECT_EQ(EncodeCp932("ア")->size(), 2u);
}

TEST(Cp932, CharacterWithoutCodePageFormIsAnErrorNotAReplacement) {
    EXPECT_FALSE(EncodeCp932("müller").has_value());
    EXPECT_FALSE(EncodeCp932("pile \xF0\x9F\x98\x80").has_value()); // emoji
    EXPECT_FALSE(EncodeCp932("\xC3").has_value());                  // broken UTF-8
    EXPECT_FALSE(DecodeCp932("\x81").has_value());                  // lead byte without trail
    EXPECT_FALSE(DecodeCp932("\xA0\xFF").has_value());
}

TEST(Cp932, PrefixNeverEndsInsideTwoByteCharacter) {
    const std::string text = *EncodeCp932("ab杭c"); // 'a' 'b' lead trail 'c'
    EXPECT_EQ(Cp932PrefixLength(text, 3), 2u);
    EXPECT_EQ(Cp932PrefixLength(text, 4), 4u);
    EXPECT_EQ(Cp932PrefixLength(text, 100), text.size());
    EXPECT_EQ(Cp932PrefixLength("\x81", 5), 1u); // a lone lead byte at the end stays
}

TEST(Cp932, IgnoresCaseOfLatinLettersOnly) {
    EXPECT_TRUE(Cp932EqualsIgnoreCase("MenuMain", "MENUmain"));
    EXPECT_FALSE(Cp932EqualsIgnoreCase("MenuMain", "MenuMai"));
    // 0x83 0x41 ("ア") and 0x83 0x61 ("ャ") differ only in a trail byte that looks like a letter.
    EXPECT_FALSE(Cp932EqualsIgnoreCase("\x83\x41", "\x83\x61"));
    EXPECT_TRUE(Cp932EqualsIgnoreCase("\x83\x41x", "\x83\x41X"));
}

TEST(Cp932, LenientDecodingKeepsTheWidthOfWhatDoesNotDecode) {
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"\x8c\x76\x8e\x5a", "計算"},      // decodes whole
        {"a\x85\x40z", "a??z"},            // an unassigned two-byte code: two columns of "?"
        {"\x8c\x76\xa0\x8e\x5a", "計?算"}, // a byte no character starts with
        {"ab\x8c", "ab?"},                 // a lead byte at the end
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeCp932Lenient(c.bytes), c.text) << c.text;
    }
}
