#include "io/BoreholeReader.h"

#include "../util/TestFolder.h"
#include "BoreholeXml.h"

#include <clocale>
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
    b.survey = "○○共同溝土質調査(その2)";
    b.latitude[0] = "34", b.latitude[1] = "59", b.latitude[2] = "53.2000";
    b.longitude[0] = "135", b.longitude[1] = "49", b.longitude[2] = " 58.2000 ";
    b.surveyStart = "1999-05-01", b.surveyEnd = "1999-05-20";
    b.waterRecords = {{" 2001-05-21 ", " ４ ", "掘削完了後", "深い", "１３", "清水位、被圧"}};
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
            EXPECT_EQ(r.water[0].depth, -99.99);
            EXPECT_EQ(r.water[1].depth, 3.1);
            EXPECT_EQ(r.surveyName, "○○共同溝土質調査(その2)");
            EXPECT_EQ(r.latitude, "34度59分53.2000秒");
            EXPECT_EQ(r.longitude, "135度49分58.2000秒");
            EXPECT_EQ(r.surveyStart + "/" + r.surveyEnd, "1999-05-01/1999-05-20");
            EXPECT_EQ(r.elevationText, "１２．３４");
            EXPECT_EQ(r.layers[1].bottomText, "");
            EXPECT_EQ(r.tests[0].penetrationText, layout == BoreholeLayout::V400 ? "450" : "45");
            ASSERT_EQ(r.water.size(), 3u);
            const WaterRecord& w = r.water[2];
            EXPECT_EQ(w.date + "|" + w.stateCode + "|" + w.stateName + "|" + w.depthText + "|" + w.kindCode +
                          "|" + w.kindName,
                      std::string("2001-05-21|４|掘削完了後|深い|") +
                          (layout == BoreholeLayout::V400 ? "" : "１３") + "|清水位、被圧");
            EXPECT_FALSE(w.depth.has_value());
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

// A desktop session with a decimal comma reads the same numbers (skipped where no such locale is
// installed).
TEST(BoreholeReader, NumbersDoNotDependOnTheLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    }
    const auto read = ParseBoreholeFile(test::BoreholeXml(SmallBorehole(), BoreholeLayout::V300));
    const auto decimal = ParseDecimalNumber("1.80");
    std::setlocale(LC_ALL, before.c_str());
    ASSERT_TRUE(read.record);
    EXPECT_EQ(read.record->elevation, 12.34);
    EXPECT_EQ(read.record->water[1].depth, 3.1);
    EXPECT_EQ(decimal, 1.8);
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
        for (std::size_t i = 0; i < 3; ++i) {
            b.longitude[i] = c.position.empty() ? "" : c.position[i];
            b.latitude[i] = c.position.empty() ? "" : c.position[3 + i];
        }
        const BoreholeReadResult read = ParseBoreholeFile(test::BoreholeXml(b, BoreholeLayout::V400));
        ASSERT_TRUE(read.record) << read.message;
        EXPECT_EQ(read.record->latitudeDegrees, c.latitude);
        EXPECT_EQ(read.record->longitudeDegrees, c.longitude);
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
    const auto repeated = [](const std::string& element, std::size_t times) {
        std::string text = "<ボーリング情報>";
        for (std::size_t i = 0; i < times; ++i) {
            text += element;
        }
        return text + "</ボーリング情報>";
    };
    const std::string cut = "<ボーリング情報><ボーリング名>あ"; // its last character is cut below
    std::string withNul = good;
    withNul.insert(good.find("<ボーリング名>"), 1, '\0');
    const struct {
        const char* what;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"empty", "", "空"},
        {"not XML", "B-1,1.80,埋土\n", "XML"},
        {"another root", "<?xml version=\"1.0\"?><root><ボーリング名>x</ボーリング名></root>", "「root」"},
        {"truncated", good.substr(0, good.find("<", good.size() / 2)), "途中で終わって"},
        {"binary", binary, "XML のﾃｷｽﾄﾌｧｲﾙにはない文字"},
        {"deeply nested", nested, "入れ子が深すぎ"},
        {"entity expansion", laughs, "実体"},
        {"external entity", external, "実体"},
        {"NUL", withNul, "NUL 文字"},
        {"cut character", cut.substr(0, cut.size() - 1), "文字の途中で終わって"},
        {"bad byte", "<ボーリング情報>\n<a>\xFF\xFE</a></ボーリング情報>", "2 行目（先頭から 28 ﾊﾞｲﾄ目）"},
        {"text over 10 MB",
         "<ボーリング情報><ボーリング名>" + std::string(10'000'001, 'a') + "</ボーリング名>",
         "1 行目から，ﾀｸﾞのない文字が 10 MB を超えて"},
        {"too many elements", repeated("<a/>", 100'001), "要素が 100,000 個を超えて"},
        {"too many water records", repeated("<孔内水位/>", 1'001), "「孔内水位」の記録が 1,000 件を超えて"},
        {"too many tests", repeated("<標準貫入試験/>", 2'001), "「標準貫入試験」の記録が 2,000 件"},
        {"too many layers", repeated("<岩石土区分/>", 1'001), "「岩石土区分」の記録が 1,000 件"},
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
