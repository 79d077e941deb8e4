#include "io/BoreholeReader.h"

#include "../util/TestFolder.h"
#include "BoreholeXml.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zul;

namespace {

test::BoreholeText SmallBorehole() {
    test::BoreholeText b;
    b.name = "Ｂ－１①㈱№";
    b.elevation = "１２．３４";
    b.layers = {{"2.00", "ｼﾙﾄ質砂"}, {"", "粘土"}, {"5.50", "　砂質シルト"}};
    b.tests = {{"1.15", "3", "45"}, {"2.15", "", ""}};
    b.water = {"-99.99", "3.10"};
    return b;
}

} // namespace

// Every layout in both encodings reads to the same record: names decoded (㈱, ①, №), numbers
// after NFKC, empty elements as no value, penetrations of 4.00 from mm.
TEST(BoreholeReader, EveryLayoutAndEncodingReadsTheSameRecord) {
    for (const BoreholeLayout layout : {BoreholeLayout::V2, BoreholeLayout::V300, BoreholeLayout::V400}) {
        for (const bool cp932 : {false, true}) {
            SCOPED_TRACE(std::string(BoreholeLayoutName(layout)) + (cp932 ? " cp932" : " utf-8"));
            const BoreholeReadResult read =
                ParseBoreholeFile(test::BoreholeFileBytes(SmallBorehole(), layout, cp932));
            ASSERT_TRUE(read.record) << read.message;
            const BoreholeRecord& r = *read.record;
            EXPECT_EQ(r.layout, layout);
            EXPECT_EQ(r.dtdVersion, test::DtdVersion(layout));
            EXPECT_EQ(r.name, "Ｂ－１①㈱№");
            EXPECT_EQ(r.elevation, 12.34);
            EXPECT_EQ(r.totalDepth, 20.0);
            ASSERT_EQ(r.layers.size(), 3u);
            EXPECT_EQ(r.layers[0].bottom, 2.0);
            EXPECT_EQ(r.layers[0].name, "ｼﾙﾄ質砂");
            EXPECT_FALSE(r.layers[1].bottom.has_value());
            EXPECT_EQ(r.layers[2].name, "　砂質シルト");
            ASSERT_EQ(r.tests.size(), 2u);
            EXPECT_EQ(r.tests[0].startDepth, 1.15);
            EXPECT_EQ(r.tests[0].blows, 3.0);
            EXPECT_DOUBLE_EQ(r.tests[0].penetrationCm.value_or(0), 45.0);
            EXPECT_FALSE(r.tests[1].blows.has_value());
            EXPECT_FALSE(r.tests[1].penetrationCm.has_value());
            ASSERT_EQ(r.water.size(), 2u);
            EXPECT_EQ(r.water[0].depth, -99.99);
            EXPECT_EQ(r.water[1].depth, 3.1);
        }
    }
}

TEST(BoreholeReader, NumbersAfterNormalisation) {
    const std::vector<std::pair<std::string, std::optional<double>>> cases = {
        {"1.80", 1.80},
        {" 1.8 ", 1.8},
        {"１．８０", 1.8},
        {"－２", -2.0},
        {"+3", 3.0},
        {".5", 0.5},
        {"1e2", 100.0},
        {"", {}},
        {"1.8m", {}},
        {"abc", {}},
        {"inf", {}},
        {"nan", {}},
        {"0x10", {}},
        {"1e999", {}},
        {"1,000", {}},
        {"-", {}},
        {"\u30001\u3000", 1.0},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseDecimalNumber(text), expected) << text;
    }
}

// The position in decimal degrees from degrees, minutes and seconds; a missing part gives none.
TEST(BoreholeReader, PositionInDecimalDegrees) {
    struct Case {
        std::vector<std::string> position;
        std::optional<double> latitude;
        std::optional<double> longitude;
    };
    const std::vector<Case> cases = {
        {{"135", "49", "58.2000", "34", "59", "53.2000"},
         34 + 59 / 60.0 + 53.2 / 3600,
         135 + 49 / 60.0 + 58.2 / 3600},
        {{"-70", "30", "0", "-33", "15", "36"}, -(33 + 15 / 60.0 + 36 / 3600.0), -70.5},
        {{"135", "", "1", "34", "0", "0"}, 34.0, {}},
        {{}, {}, {}},
    };
    for (const Case& c : cases) {
        test::BoreholeText b = SmallBorehole();
        b.position = c.position;
        const BoreholeReadResult read = ParseBoreholeFile(test::BoreholeXml(b, BoreholeLayout::V400));
        ASSERT_TRUE(read.record) << read.message;
        EXPECT_EQ(read.record->latitude, c.latitude);
        EXPECT_EQ(read.record->longitude, c.longitude);
    }
}

// A UTF-8 byte order mark is skipped; a declaration of Shift_JIS over UTF-8 bytes does not matter.
TEST(BoreholeReader, ByteOrderMarkIsSkipped) {
    const std::string bytes = "\xEF\xBB\xBF" + test::BoreholeXml(SmallBorehole(), BoreholeLayout::V2);
    const BoreholeReadResult read = ParseBoreholeFile(bytes);
    ASSERT_TRUE(read.record) << read.message;
    EXPECT_EQ(read.record->name, "Ｂ－１①㈱№");
}

// Bad files give a message and no record.
TEST(BoreholeReader, BadFilesAreRefusedWithAMessage) {
    const std::string good = test::BoreholeXml(SmallBorehole(), BoreholeLayout::V300);
    std::string nested = "<ボーリング情報>";
    for (int i = 0; i < 5000; ++i) {
        nested += "<a>";
    }
    const std::string laughs =
        "<?xml version=\"1.0\"?><!DOCTYPE ボーリング情報 [<!ENTITY a \"aaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
        "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
        "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">]>"
        "<ボーリング情報><ボーリング名>&g;</ボーリング名></ボーリング情報>";
    const std::string external =
        "<?xml version=\"1.0\"?><!DOCTYPE ボーリング情報 [<!ENTITY x SYSTEM "
        "\"file:///etc/passwd\">]><ボーリング情報><ボーリング名>&x;</ボーリング名></ボーリング情報>";
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 151 + 7) % 256);
    }
    const struct {
        const char* what;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"empty", "", "空"},
        {"not XML", "B-1,1.80,埋土\n", "XML"},
        {"another root", "<?xml version=\"1.0\"?><root><ボーリング名>x</ボーリング名></root>", "「root」"},
        {"truncated", good.substr(0, good.size() / 2), "途中で終わって"},
        {"binary", binary, "UTF-8 でも Shift_JIS"},
        {"deeply nested", nested, "入れ子が深すぎ"},
        {"entity expansion", laughs, "実体"},
        {"external entity", external, "実体"},
    };
    for (const auto& c : cases) {
        const BoreholeReadResult read = ParseBoreholeFile(c.bytes);
        EXPECT_FALSE(read.record) << c.what;
        EXPECT_NE(read.message.find("ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀﾌｧｲﾙを読み込めませんでした。"), std::string::npos) << c.what;
        EXPECT_NE(read.message.find(c.says), std::string::npos) << c.what << ": " << read.message;
    }
}

// The file is read from disk with a bound: a missing file, a folder, a pipe and a file above
// 32 MB are refused at once.
TEST(BoreholeReader, FilesOnDiskAreReadWithABound) {
    test::TestFolder folder;
    const std::string good = folder.file("b.xml");
    test::WriteBytes(good, test::BoreholeFileBytes(SmallBorehole(), BoreholeLayout::V400, true));
    const BoreholeReadResult read = ReadBoreholeFile(good);
    ASSERT_TRUE(read.record) << read.message;
    EXPECT_EQ(read.record->layers.size(), 3u);

    const std::string big = folder.file("big.xml");
    test::WriteBytes(big, "<a/>");
    ASSERT_EQ(::truncate(big.c_str(), 100 * 1024 * 1024), 0);
    const std::string pipe = folder.file("pipe.xml");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const struct {
        std::string path;
        const char* says;
    } cases[] = {
        {folder.file("missing.xml"), "見つかりません"},
        {folder.path().string(), "通常のﾌｧｲﾙではない"},
        {pipe, "通常のﾌｧｲﾙではない"},
        {big, "32 MB まで"},
    };
    for (const auto& c : cases) {
        const BoreholeReadResult refused = ReadBoreholeFile(c.path);
        EXPECT_FALSE(refused.record) << c.path;
        EXPECT_NE(refused.message.find(c.says), std::string::npos) << refused.message;
    }
}
