// The generation run and the join: item order, heading numbers across items, error lines,
// joins rebuilt from the item files, temporary files deleted with the generator.
#include "DocumentGenerator.h"
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
    EXPECT_EQ(gen.Run().TempFiles().PrnFiles().size(), 5u);
    EXPECT_EQ(gen.Run().TempFiles().FigFiles().size(), 6u); // three figures: data and index file each

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
    const std::string all = ReadBytes(study.ctx.paths.fmtFile);
    test::WriteBytes(fmt, all.substr(0, all.find("\r\nEnd\r\n") + 7));
    study.ctx.paths.fmtFile = fmt;
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

// A template line that lost a field (the pile length of the conditions) fails its item with
// the block and the line named, instead of printing the page without the value.
TEST(PrintFileGenerator, ATemplateLineWithoutItsFieldFailsNamingBlockAndLine) {
    ReportStudy study(test::ExampleDocument("end-bearing-pile.zul"));
    ASSERT_TRUE(study.calculated);
    TestFolder folder;
    std::string all = ReadBytes(study.ctx.paths.fmtFile);
    const std::string field = test::Sjis("##0.000 m");
    const std::size_t line = all.find(test::Sjis(" 11 0杭長"));
    ASSERT_NE(line, std::string::npos);
    all.replace(all.find(field, line), field.size(), std::string(field.size(), ' '));
    study.ctx.paths.fmtFile = folder.file("Zul.fmt");
    test::WriteBytes(study.ctx.paths.fmtFile, all);
    PrintFileGenerator gen(folder.path().string());
    EXPECT_FALSE(gen.GeneratePrintFiles(study.ctx, {}));
    EXPECT_TRUE(gen.ItemFailed(0));
    EXPECT_NE(gen.ItemReason(0).find("ブロック「計算条件」の 11 番の行は数値の欄が 0"), std::string::npos)
        << gen.ItemReason(0);
}

// The template file is read once for a run, with a bound of 1 MB: a file just inside it writes
// every item, one just above it fails every item with the reason.  Blocks come from the file as
// read for the run, whatever lies at its path afterwards.
TEST(PrintFileGenerator, TheTemplateFileIsReadOnceWithABound) {
    ReportStudy study(test::ExampleDocument("driven-pile-auto-tip.zul"));
    ASSERT_TRUE(study.calculated);
    TestFolder folder;
    const std::string fmt = folder.file("Zul.fmt");
    const std::string all = ReadBytes(study.ctx.paths.fmtFile);
    for (const std::size_t size : {kMaxTemplateFileBytes, kMaxTemplateFileBytes + 1}) {
        test::WriteBytes(fmt, "'" + std::string(size - all.size() - 3, 'x') + "\r\n" + all);
        ReportContext ctx = study.ctx;
        ctx.paths.fmtFile = fmt;
        PrintFileGenerator gen(folder.path().string());
        const bool inside = size == kMaxTemplateFileBytes;
        EXPECT_EQ(gen.GeneratePrintFiles(ctx, {}), inside) << size;
        EXPECT_EQ(gen.ItemReason(0), inside
                                         ? ""
                                         : "帳票書式ファイル（" + fmt +
                                               "）を読み込めません：ファイルが大きすぎます（1 MB まで）。");
    }
    ReportContext ctx = study.ctx;
    ctx.templates = std::make_shared<const TemplateFile>(study.ctx.paths.fmtFile);
    ctx.paths.fmtFile = folder.file("gone.fmt");
    PrintFileGenerator gen(folder.path().string());
    EXPECT_TRUE(gen.GeneratePrintFiles(ctx, {})) << gen.ItemReason(0);
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

namespace zul {
namespace {

// Every example study: the results list holds the four allowable values in their fields, and
// the friction pile and the rotary press-in pile reach their own parts of the report.
TEST(PrintFileGenerator, ExampleStudiesCarryTheirValuesAndBranches) {
    struct Case {
        const char* file;
        std::vector<std::string> present, absent;
    };
    const Case cases[] = {
        {"end-bearing-pile.zul", {"支持杭", "Ru ＝ qd・A ＋ U・ΣLi・fi"}, {"羽根外径", "Pub"}},
        {"friction-pile-clay.zul", {"摩擦杭", "Ru ＝ U・ΣLi・fi"}, {"Ru ＝ qd・A", "羽根外径"}},
        {"driven-pile-auto-tip.zul", {"?FG;000;000;", "杭先端の設計Ｎ値"}, {"羽根外径"}},
        {"rotary-press-in-pile.zul", {"羽根外径", "羽根内径", "Pub ＝ H・π・Dw"}, {"?FG;000;000;"}},
    };
    for (const Case& c : cases) {
        ReportStudy study(test::ExampleDocument(c.file));
        ASSERT_TRUE(study.calculated) << c.file;
        TestFolder folder;
        PrintFileGenerator gen(folder.path().string());
        ASSERT_TRUE(gen.GeneratePrintFiles(study.ctx, {})) << c.file << gen.ErrorText();
        ASSERT_TRUE(gen.JoinPrintFiles({true, true, true, true}));
        const std::string text = test::Utf8(ReadBytes(gen.JoinedFile()));
        const CZul& normal = study.driver.CalcPair(0);
        const CZul& quake = study.driver.CalcPair(1);
        const TemplateBlock list = ReadFmtSection(study.ctx.paths.fmtFile, "一覧");
        for (const auto& [line, values] : {std::pair{5, std::vector<double>{normal.Ra(), quake.Ra()}},
                                           std::pair{7, std::vector<double>{normal.Pa(), quake.Pa()}}}) {
            const std::string filled = test::Utf8(FillTemplate(list.Text(line), values, {}));
            EXPECT_NE(text.find("  " + filled + "\r\n"), std::string::npos) << c.file << filled;
        }
        for (const std::string& part : c.present) {
            EXPECT_NE(text.find(part), std::string::npos) << c.file << ": " << part;
        }
        for (const std::string& part : c.absent) {
            EXPECT_EQ(text.find(part), std::string::npos) << c.file << ": " << part;
        }
    }
}

} // namespace
} // namespace zul

namespace zul {
namespace {

// Generated studies, plain and nasty: every one that calculates gets all four items written.
TEST(PrintFileGenerator, EveryCalculatedGeneratedStudyIsWrittenWhole) {
    TestFolder folder;
    const std::string data = test::DataFolder();
    int calculated = 0;
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        const ProjectDocument doc = reference::GenerateDocument(seed);
        basCalcMain driver;
        if (!driver.CalcRa(doc)) {
            continue;
        }
        ++calculated;
        const ReportContext ctx{doc, driver.CalcPair(0), driver.CalcPair(1),
                                ReportFiles(data + "/Zul.fmt", data, data)};
        PrintFileGenerator gen(folder.path().string());
        EXPECT_TRUE(gen.GeneratePrintFiles(ctx, {3, 1, {1, 2, 4, 8}, {0, 2, 4, 6}}))
            << seed << gen.ErrorText();
        EXPECT_TRUE(gen.JoinPrintFiles({true, true, true, true})) << seed;
    }
    EXPECT_GT(calculated, 100);
}

} // namespace
} // namespace zul
