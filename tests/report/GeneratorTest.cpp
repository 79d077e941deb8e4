// The generation run and the join: item order, heading numbers across items, error lines,
// joins rebuilt from the item files, temporary files deleted with the generator.
#include "ReportStudies.h"
#include "ReportTestSupport.h"
#include "report/PrintFileGenerator.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zul {
namespace {

using test::ReadBytes;
using test::ReportStudy;
using test::TestFolder;

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) {
        ++n;
    }
    return n;
}

TEST(PrintFileGenerator, JoinsChosenItemsInOrderWithRunningChapterNumbers) {
    ReportStudy study(test::ExampleDocument("driven-pile-auto-tip.zul"));
    ASSERT_TRUE(study.calculated);
    TestFolder folder;
    PrintFileGenerator gen(folder.path().string());
    ASSERT_TRUE(gen.GeneratePrintFiles(study.ctx, {1, 1, {1, 1, 1, 1}, {0, 0, 0, 0}}));
    EXPECT_EQ(gen.ErrorText(), "");
    EXPECT_EQ(gen.State().PrnTempFiles.size(), 5u);
    EXPECT_EQ(gen.State().FigTempFiles.size(), 6u); // three figures: data and index file each

    std::array<std::string, 4> items;
    for (std::size_t i = 0; i < 4; ++i) {
        items[i] = ReadBytes(gen.ItemFile(i));
        ASSERT_FALSE(items[i].empty()) << "item " << i;
    }
    // The chapters of item 2 count on from those of items 0 and 1.
    const std::size_t before = Count(items[0] + items[1], "?R1");
    EXPECT_EQ(items[2].rfind("?R1" + std::to_string(before + 1) + " ", 0), 0u);
    // The detailed item: push-in part, a page break, the pull-out part.
    EXPECT_NE(items[1].find("\f?R1" + std::to_string(before) + " "), std::string::npos);

    ASSERT_TRUE(gen.JoinPrintFiles({true, false, true, false}));
    EXPECT_EQ(ReadBytes(gen.JoinedFile()), items[0] + "\f" + items[2]);
    ASSERT_TRUE(gen.JoinPrintFiles({false, false, false, true})); // rebuilt, not appended
    EXPECT_EQ(ReadBytes(gen.JoinedFile()), items[3]);
    ASSERT_TRUE(gen.JoinPrintFiles({true, true, true, true}));
    EXPECT_EQ(ReadBytes(gen.JoinedFile()), items[0] + "\f" + items[1] + "\f" + items[2] + "\f" + items[3]);

    EXPECT_FALSE(gen.JoinPrintFiles({false, false, false, false}));
    EXPECT_EQ(gen.JoinError(), "印刷項目はひとつ以上選択して下さい。");
}

TEST(PrintFileGenerator, FailedItemsGiveTheirLinesAndTheRunGoesOn) {
    ReportStudy study(test::ExampleDocument("end-bearing-pile.zul"));
    ASSERT_TRUE(study.calculated);
    TestFolder folder;
    // Templates with the conditions block only.
    const std::string fmt = folder.file("Zul.fmt");
    const std::string all = ReadBytes(study.ctx.fmtFile);
    test::WriteBytes(fmt, all.substr(0, all.find("\r\nEnd\r\n") + 7));
    study.ctx.fmtFile = fmt;
    PrintFileGenerator gen(folder.path().string());
    EXPECT_FALSE(gen.GeneratePrintFiles(study.ctx, {}));
    EXPECT_EQ(gen.ErrorText(),
              "\n･『計算結果（詳細）』の印刷ﾌｧｲﾙ生成ｴﾗｰ\n･『計算結果（支持力一覧表）』の印刷ﾌｧｲﾙ生成ｴﾗｰ"
              "\n･『支持力検討ｸﾞﾗﾌ』の印刷ﾌｧｲﾙ生成ｴﾗｰ");
    EXPECT_FALSE(gen.ItemFailed(0));
    EXPECT_TRUE(gen.ItemFailed(1));
    EXPECT_TRUE(gen.JoinPrintFiles({true, true, true, true}));
    EXPECT_EQ(ReadBytes(gen.JoinedFile()).substr(0, ReadBytes(gen.ItemFile(0)).size()),
              ReadBytes(gen.ItemFile(0)));
}

TEST(PrintFileGenerator, TemporaryFilesGoWithTheGenerator) {
    ReportStudy study(test::ExampleDocument("driven-pile-auto-tip.zul"));
    TestFolder folder;
    {
        PrintFileGenerator gen(folder.path().string());
        ASSERT_TRUE(gen.GeneratePrintFiles(study.ctx, {}));
        ASSERT_TRUE(gen.GeneratePrintFiles(study.ctx, {})); // a second run replaces the first
        ASSERT_TRUE(gen.JoinPrintFiles({true, true, true, true}));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 11);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

} // namespace
} // namespace zul
