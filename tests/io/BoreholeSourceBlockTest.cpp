// The borehole source in the study file: written after the study table, read back exactly, and
// dropped with a message, never stopping the study from opening, when damaged.
#include "io/BoreholeSourceBlock.h"
#include "io/InputDataFile.h"
#include "util/Cp932.h"

#include "../util/TestFolder.h"

#include <gtest/gtest.h>

using namespace zul;

namespace {

BoreholeSource Awkward() {
    BoreholeSource s;
    s.fileName = "表\\ソ\t孔.XML"; // 表 and ソ end in the byte of "\" in code page 932
    s.boreholeName = "B-1 𠮷";     // no code page 932 form
    s.surveyName = "行\r\n末";
    s.latitude = "34度59分53.2秒";
    s.elevation = 1600.123456789;
    s.importDate = "2025-12-06";
    s.waterRecord = "\\u{41}";
    s.layers = {{{"盛土・玉石互層", "砂岩"}, 2, true, 0.1 + 0.2, 17.8}, {{}, 0, false, 3, 0}};
    s.points = {{1.3, 100, 1800, 30, NPointFlag::Capped},
                {2.3, 0, 0, 34, NPointFlag::SelfSink},
                {3.3, 5, std::nullopt, std::nullopt, NPointFlag::None}};
    s.refusedTests = {{4.15, 50, 0, "貫入不能"}, {std::nullopt, 5, 30, "開始深度がない"}};
    s.notes = {"注意\t一", ""};
    return s;
}

std::string StudyWith(const std::optional<BoreholeSource>& source, test::TestFolder& folder) {
    ProjectDocument doc;
    doc.InpJyoken.Title = "検討";
    doc.boreholeSource = source;
    const std::string path = folder.file("s.zul");
    int code = 0;
    EXPECT_TRUE(SaveInputData(doc, path, code)) << code;
    return path;
}

} // namespace

TEST(BoreholeSourceBlock, ReadsBackWhatWasWritten) {
    const BoreholeSource source = Awkward();
    const std::string block = BoreholeSourceBlock(source);
    EXPECT_TRUE(DecodeCp932(block).has_value());
    EXPECT_NE(block.find("B-1 \\u{20bb7}"), std::string::npos);
    EXPECT_TRUE(block.ends_with("#END-BOREHOLE-SOURCE 22\r\n"));
    const SourceBlockRead read = ReadBoreholeSourceBlock("other lines\r\n" + block + "more\r\n");
    ASSERT_TRUE(read.source) << read.message;
    EXPECT_EQ(*read.source, source);
    EXPECT_TRUE(ReadBoreholeSourceBlock("").message.empty());
}

// Save keeps it, the next save writes the same bytes; a study without one is written as before.
TEST(BoreholeSourceBlock, TravelsInTheStudyFile) {
    test::TestFolder folder;
    const std::string path = StudyWith(Awkward(), folder);
    const std::string bytes = test::ReadBytes(path);
    ProjectDocument doc;
    const OpenResult opened = OpenInputFile(doc, path);
    ASSERT_TRUE(opened.success);
    EXPECT_TRUE(opened.sourceMessage.empty());
    EXPECT_EQ(doc.boreholeSource, Awkward());
    int code = 0;
    ASSERT_TRUE(SaveInputData(doc, path, code));
    EXPECT_EQ(test::ReadBytes(path), bytes);

    const std::string plain = test::ReadBytes(StudyWith(std::nullopt, folder));
    EXPECT_EQ(bytes.substr(0, plain.size()), plain);
    EXPECT_EQ(bytes.find("#BOREHOLE-SOURCE 1\r\n"), plain.size());
    InitInputData(doc);
    EXPECT_FALSE(doc.boreholeSource);
}

// Every kind of damage drops the block with a message; the study itself opens.
TEST(BoreholeSourceBlock, DamagedBlocksAreDroppedAndTheStudyOpens) {
    const std::string block = BoreholeSourceBlock(Awkward());
    const auto replaced = [&block](const std::string& from, const std::string& to) {
        std::string damaged = block;
        damaged.replace(damaged.find(from), from.size(), to);
        return damaged;
    };
    const struct {
        const char* what;
        std::string block;
        const char* says;
    } cases[] = {
        {"cut short", block.substr(0, block.find("point")), "途中で終わって"},
        {"a line lost", replaced("note\t\r\n", ""), "記録の数が合いません"},
        {"newer version", replaced("#BOREHOLE-SOURCE 1", "#BOREHOLE-SOURCE 2"), "読めない形式"},
        {"unknown record", replaced("importDate", "importDay"), "不明な記録「importDay」"},
        {"no number", replaced("elevation\t1600", "elevation\tx1600"), "数値でない"},
        {"bad escape", replaced("\\u{20bb7}", "\\u{d800}"), "正しくない「\\u」"},
        {"bad kind", replaced("layer\t2", "layer\t7"), "層種"},
        {"bad flag", replaced("capped", "high"), "不明な印"},
        {"twice", replaced("importDate", "borehole"), "二つある"},
        {"field count", replaced("refused\t4.15", "refused\t4.15\t1"), "値の数"},
        {"not code page 932", replaced(*EncodeCp932("貫入不能"), "\x85\x40"), "Shift_JIS"},
        {"too large", replaced("note\t\r\n", "note\t" + std::string(kMaxSourceBlockBytes, 'x') + "\r\n"),
         "大きすぎ"},
    };
    test::TestFolder folder;
    const std::string plain = test::ReadBytes(StudyWith(std::nullopt, folder));
    for (const auto& c : cases) {
        const std::string path = folder.file("d.zul");
        test::WriteBytes(path, plain + c.block);
        ProjectDocument doc;
        const OpenResult opened = OpenInputFile(doc, path);
        ASSERT_TRUE(opened.success) << c.what;
        EXPECT_EQ(doc.InpJyoken.Title, "検討") << c.what;
        EXPECT_FALSE(doc.boreholeSource) << c.what;
        EXPECT_NE(opened.sourceMessage.find(c.says), std::string::npos)
            << c.what << ": " << opened.sourceMessage;
    }
}
