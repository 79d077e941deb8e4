// The numbering ("Chapter") and print-item ("Print") records through a real settings file:
// what is written comes back, the keys land in the order and form the settings file has
// always held, and a missing key reads as 0.
#include "io/ReportSettings.h"
#include "io/CPrivateProfile.h"

#include "../util/TestFolder.h"

#include <gtest/gtest.h>

using namespace zul;
using zul::test::ReadBytes;
using zul::test::WriteBytes;

class ReportSettings : public ::testing::Test {
protected:
    zul::test::TestFolder folder;
    std::string ini = folder.file("Zul.ini");
};

TEST_F(ReportSettings, NumberingIsWrittenInKeyOrderAsWholeNumbers) {
    const NumberingSettings settings{3, 12, {8, 0, 2, 9}, {0, 2, 4, 10}};
    ASSERT_TRUE(WriteNumberingSettings(ini, settings));
    EXPECT_EQ(ReadBytes(ini), "[Chapter]\r\nMethod=3\r\nInit=12\r\nStyle1=8\r\nStyle2=0\r\nStyle3=2\r\n"
                              "Style4=9\r\nMargin1=0\r\nMargin2=2\r\nMargin3=4\r\nMargin4=10\r\n");
    EXPECT_EQ(ReadNumberingSettings(ini), settings);
}

TEST_F(ReportSettings, NumberingRoundTripsBesideOtherSectionsAndMissingKeysReadZero) {
    EXPECT_EQ(ReadNumberingSettings(folder.file("absent.ini")), NumberingSettings{});
    WriteBytes(ini, "[MenuMain]\r\nTop=100\r\n[Chapter]\r\nInit=7.9\r\nStyle3=x\r\nMargin2=5\r\n");
    const NumberingSettings read = ReadNumberingSettings(ini);
    EXPECT_EQ(read, (NumberingSettings{0, 7, {0, 0, 0, 0}, {0, 5, 0, 0}}));

    const NumberingSettings changed{1, 99, {1, 2, 3, 4}, {10, 9, 8, 7}};
    ASSERT_TRUE(WriteNumberingSettings(ini, changed));
    EXPECT_EQ(ReadNumberingSettings(ini), changed);
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "MenuMain", "Top"), 100);
}

TEST_F(ReportSettings, PrintChoicesRoundTripAndMissingKeysAreNotChosen) {
    EXPECT_EQ(ReadPrintItemChoices(ini), PrintItemChoices{});
    const PrintItemChoices choices{{true, false, true, true}};
    ASSERT_TRUE(WritePrintItemChoices(ini, choices));
    EXPECT_EQ(ReadBytes(ini), "[Print]\r\n0=1\r\n1=0\r\n2=1\r\n3=1\r\n");
    EXPECT_EQ(ReadPrintItemChoices(ini), choices);
    WriteBytes(ini, "[Print]\r\n2=1\r\n");
    EXPECT_EQ(ReadPrintItemChoices(ini), (PrintItemChoices{{false, false, true, false}}));
}

TEST_F(ReportSettings, SupplementIsOnUnlessTheKeyStartsWithZero) {
    EXPECT_TRUE(ReadSupplementSetting(folder.file("absent.ini")));
    const std::pair<const char*, bool> cases[] = {
        {"", true},
        {"[Print]\r\n0=1\r\n", true},
        {"[Print]\r\nSupplement=\r\n", true},
        {"[Print]\r\nSupplement=x\r\n", true},
        {"[Print]\r\nSupplement=1\r\n", true},
        {"[Print]\r\nSupplement=0\r\n", false},
        {"[print]\r\nsupplement= 0 \r\n", false},
        {"[Print]\r\nSupplement=00x\r\n", false},
        {"[Print]\r\nSupplement=-1\r\n", true},
    };
    for (const auto& [text, on] : cases) {
        WriteBytes(ini, text);
        EXPECT_EQ(ReadSupplementSetting(ini), on) << text;
    }
    // Beside the item keys, which keep their places.
    WriteBytes(ini, "[Print]\r\n0=1\r\n1=0\r\n");
    ASSERT_TRUE(WriteSupplementSetting(ini, false));
    EXPECT_EQ(ReadBytes(ini), "[Print]\r\n0=1\r\n1=0\r\nSupplement=0\r\n");
    EXPECT_FALSE(ReadSupplementSetting(ini));
    ASSERT_TRUE(WriteSupplementSetting(ini, true));
    EXPECT_TRUE(ReadSupplementSetting(ini));
}

TEST_F(ReportSettings, AFailedWriteIsReported) {
    const std::string unwritable = folder.file("no-such-folder/Zul.ini");
    EXPECT_FALSE(WriteNumberingSettings(unwritable, NumberingSettings{}));
    EXPECT_FALSE(WritePrintItemChoices(unwritable, PrintItemChoices{}));
    EXPECT_FALSE(WriteSupplementSetting(unwritable, true));
}

// A settings file edited by hand: every numbering value comes back inside the numbering
// screen's ranges (method 0-3, first chapter 0-99, styles 0-9, margins 0-10), so the heading
// counters (first chapter - 1, then counted up) cannot overflow.
TEST_F(ReportSettings, NumberingIsClampedToTheScreensRangesOnReading) {
    struct Case {
        const char* text;
        NumberingSettings expected;
    };
    const Case cases[] = {
        {"Method=2147483647\r\nInit=2147483647\r\nStyle1=2147483647\r\nMargin4=2147483647\r\n",
         {3, 99, {9, 0, 0, 0}, {0, 0, 0, 10}}},
        {"Method=-2147483648\r\nInit=-2147483648\r\nStyle2=-1\r\nMargin1=-5\r\n",
         {0, 0, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {"Method=4\r\nInit=100\r\nStyle3=10\r\nMargin2=11\r\n", {3, 99, {0, 0, 9, 0}, {0, 10, 0, 0}}},
        {"Method=3\r\nInit=99\r\nStyle4=9\r\nMargin3=10\r\n", {3, 99, {0, 0, 0, 9}, {0, 0, 10, 0}}},
        {"Init=99999999999999999999\r\n", {0, 99, {}, {}}},
    };
    for (const Case& c : cases) {
        WriteBytes(ini, std::string("[Chapter]\r\n") + c.text);
        EXPECT_EQ(ReadNumberingSettings(ini), c.expected) << c.text;
    }
    EXPECT_EQ(ClampedNumberingSettings({1, 7, {1, 2, 3, 4}, {5, 6, 7, 8}}),
              (NumberingSettings{1, 7, {1, 2, 3, 4}, {5, 6, 7, 8}}));
}
