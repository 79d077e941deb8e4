#include "io/InputDataFile.h"

#include "../io/BoreholeXml.h"
#include "../support/CliRunner.h"
#include "../util/TestFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace zul;
using zul::test::CliRun;

namespace {

// A borehole of `count` layers whose kinds alternate in pairs (sand, sand, clay, clay, ...),
// 1 m each, with one test per metre.
test::BoreholeText PairedLayers(int count) {
    test::BoreholeText b;
    for (int i = 0; i < count; ++i) {
        b.layers.push_back({std::to_string(i + 1) + ".00", (i / 2) % 2 == 0 ? "砂" : "粘土"});
        b.tests.push_back({std::to_string(i) + ".15", std::to_string(i + 1), "30"});
    }
    b.water = {"0.50", "-99.99"};
    return b;
}

} // namespace

class ZulCliImportBoring : public ::testing::Test {
protected:
    test::TestFolder folder;

    CliRun Cli(const std::vector<std::string>& args) { return test::RunCli(ZUL_CLI_PATH, args, folder); }

    std::string Borehole(const test::BoreholeText& b, BoreholeLayout layout = BoreholeLayout::V400) {
        const std::string path = folder.file("b.xml");
        test::WriteBytes(path, test::BoreholeFileBytes(b, layout, true));
        return path;
    }

    ProjectDocument Study(const std::string& path) {
        ProjectDocument doc;
        int code = 0;
        EXPECT_TRUE(LoadInputData(doc, path, code)) << code;
        return doc;
    }
};

// A new study: layers merged by kind (24 → 12), notes on stderr, JSON on stdout.
TEST_F(ZulCliImportBoring, WritesANewStudyAndPrintsJson) {
    const std::string out = folder.file("out.zul");
    const CliRun run = Cli({"import-boring", Borehole(PairedLayers(24)), "--out", out, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(
        run.err.find(
            "注意：地層が 24 層あり 20 層を超えるため，同じ層種の隣り合う地層をまとめて 12 層にしました。"),
        std::string::npos)
        << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["borehole"]["layout"], "4.00");
    EXPECT_EQ(json["layers"].size(), 12u);
    EXPECT_EQ(json["layers"][0]["names"], nlohmann::json::array({"砂", "砂"}));
    EXPECT_EQ(json["points"].size(), 24u);
    EXPECT_EQ(json["levels"]["water"], 9.5);
    EXPECT_EQ(json["borehole"]["water"][0]["used"], true);
    const ProjectDocument doc = Study(out);
    EXPECT_EQ(doc.JibanCount, 12);
    EXPECT_EQ(doc.NCount, 24);
    EXPECT_DOUBLE_EQ(doc.JibanLayer(2, 1).number(), 2.0);
    EXPECT_DOUBLE_EQ(doc.JibanLayer(5, 1).number(), 1.5); // mean of the N values 1 and 2
    EXPECT_EQ(doc.JibanLevel(1).number(), 10.0);
}

// More than 20 layers after merging: refused with 5 and a suggested depth; --max-depth imports.
TEST_F(ZulCliImportBoring, TooManyLayersNeedADepthLimit) {
    test::BoreholeText b = PairedLayers(24);
    for (std::size_t i = 0; i < b.layers.size(); ++i) {
        b.layers[i].name = i % 2 == 0 ? "砂" : "粘土";
    }
    const std::string file = Borehole(b, BoreholeLayout::V2);
    const std::string out = folder.file("out.zul");
    const CliRun refused = Cli({"import-boring", file, "--out", out});
    EXPECT_EQ(refused.status, 5);
    EXPECT_NE(refused.err.find("地層が 24 層あり，同じ層種の隣り合う地層をまとめても 24 層で，20 "
                               "層を超えるため取り込めません。"),
              std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("20 m までなら"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(out));
    const CliRun limited = Cli({"import-boring", file, "--out", out, "--max-depth", "20"});
    ASSERT_EQ(limited.status, 0) << limited.err;
    EXPECT_EQ(Study(out).JibanCount, 20);

    // No layer to import: the refusal is followed by why each layer was left out.
    test::BoreholeText noBottom;
    noBottom.layers = {{"", "砂"}};
    const CliRun none = Cli({"import-boring", Borehole(noBottom), "--out", out});
    EXPECT_EQ(none.status, 5);
    EXPECT_NE(
        none.err.find("取り込める地層がありません（地層 1 件）。\n注意：1 番目の地層「砂」は下端深度がない"),
        std::string::npos)
        << none.err;
}

// --into keeps everything but the ground: conditions, the design levels when asked; the
// construction method of the study chooses the standard values.
TEST_F(ZulCliImportBoring, ReplacesTheGroundOfAStudy) {
    ProjectDocument base;
    base.InpJyoken.Title = "既存の検討";
    base.InpJyoken.Sekou = 1; // cast-in-place
    base.JibanLevel(3) = CellValue::Number(7.5);
    base.JibanLevel(4) = CellValue::Number(7.0);
    base.JibanCount = 3;
    base.NCount = 50;
    const std::string into = folder.file("base.zul");
    int code = 0;
    ASSERT_TRUE(SaveInputData(base, into, code));
    test::BoreholeText b;
    b.layers = {{"5.00", "礫"}};
    b.tests = {{"1.00", "45", "30"}};
    b.water = {"1.00", "2.00"};
    const std::string out = folder.file("out.zul");
    const CliRun run = Cli({"import-boring", Borehole(b), "--out", out, "--into", into,
                            "--keep-design-levels", "--water-record", "1", "--n-depth", "start"});
    ASSERT_EQ(run.status, 0) << run.err;
    const ProjectDocument doc = Study(out);
    EXPECT_EQ(doc.InpJyoken.Title, "既存の検討");
    EXPECT_EQ(doc.JibanCount, 1);
    EXPECT_EQ(doc.NCount, 1);
    EXPECT_EQ(doc.NData(1, 1).number(), 1.0);
    const double layer[8] = {1, 5, 20, 11, 45, 200, 3000, 1}; // 5 × 45 capped at 200, 3000 for N 30..50
    for (std::size_t c = 1; c <= 8; ++c) {
        EXPECT_DOUBLE_EQ(doc.JibanLayer(c, 1).number(), layer[c - 1]) << c;
    }
    EXPECT_EQ(doc.JibanLevel(2).number(), 9.0);
    EXPECT_EQ(doc.JibanLevel(3).number(), 7.5);
    EXPECT_EQ(doc.JibanLevel(4).number(), 7.0);
}

TEST_F(ZulCliImportBoring, FileAndCommandLineErrorsExitWith2) {
    test::BoreholeText b;
    b.layers = {{"5.00", "砂"}};
    b.water = {"1.00"};
    const std::string good = Borehole(b);
    const std::string notXml = folder.file("x.xml");
    test::WriteBytes(notXml, "\x1b]0;title\x07 no xml");
    const std::string out = folder.file("out.zul");
    const struct {
        std::vector<std::string> args;
        std::string says;
    } cases[] = {
        {{"import-boring", notXml, "--out", out}, "XML"},
        {{"import-boring", folder.file("none.xml"), "--out", out},
         "見つかりません。（ｴﾗｰｺｰﾄﾞ ： 53）\nﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀﾌｧｲﾙ（" + folder.file("none.xml") + "）"},
        {{"import-boring", good, "--out", out, "--water-record", "2"}, "孔内水位の記録は 1 件です。"},
        {{"import-boring", good, "--out", out, "--n-depth", "bottom"}, "bottom"},
        {{"import-boring", good, "--out", out, "--n-cap", "120"}, "120"},
        {{"import-boring", good, "--out", out, "--max-depth", "-1"}, "0 より大きい数を指定して下さい（-1）"},
        {{"import-boring", good, "--out", out, "--into", folder.file("none.zul")},
         "入力ﾃﾞｰﾀﾌｧｲﾙ（" + folder.file("none.zul") + "）：ファイルが"},
        {{"import-boring", good, "--out", folder.file("no/such/folder.zul")},
         "入力ﾃﾞｰﾀﾌｧｲﾙ（" + folder.file("no/such/folder.zul") + "）：フォルダが"},
        {{"import-boring", good, "--out", good}, "ボーリングデータファイルと同じファイル"},
        {{"import-boring", good, "--out", folder.file("link.xml")}, "ボーリングデータファイルと同じファイル"},
    };
    std::filesystem::create_symlink(good, folder.file("link.xml"));
    const std::string goodBytes = test::ReadBytes(good);
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, 2) << c.args.back() << ": " << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
        EXPECT_EQ(run.err.find("17976931348623157"), std::string::npos) << "no number in all its digits";
    }
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(test::ReadBytes(good), goodBytes);
}

// The pile moves with the ground unless kept; a new study is named after the borehole; the
// source and its notes go with the study, and convert keeps them byte for byte.
TEST_F(ZulCliImportBoring, PileHeadTitleAndSourceTravel) {
    ProjectDocument base;
    base.JibanLevel(1) = CellValue::Number(5.88);
    base.InpJyoken.ELPU = 3.88;
    const std::string into = folder.file("base.zul");
    int code = 0;
    ASSERT_TRUE(SaveInputData(base, into, code));
    test::BoreholeText b;
    b.name = "No.\"7\"";
    b.elevation = "72.23";
    b.layers = {{"5.00", "砂"}};
    b.tests = {{"1.00", "50", "0"}, {"2.00", "10", "30"}};
    const std::string file = Borehole(b);
    const std::string moved = folder.file("moved.zul");
    const CliRun run = Cli({"import-boring", file, "--out", moved, "--into", into});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("注意：杭頭標高を +3.880 m から +70.230 m に変えました"), std::string::npos)
        << run.err;
    const ProjectDocument doc = Study(moved);
    EXPECT_DOUBLE_EQ(doc.InpJyoken.ELPU, 70.23);
    ASSERT_TRUE(doc.boreholeSource);
    EXPECT_EQ(doc.boreholeSource->fileName, "b.xml");
    ASSERT_EQ(doc.boreholeSource->refusedTests.size(), 1u);
    EXPECT_EQ(doc.boreholeSource->refusedTests[0].reason, "貫入不能");
    EXPECT_NE(run.err.find("注意：" + doc.boreholeSource->notes.front()), std::string::npos);

    const std::string kept = folder.file("kept.zul");
    ASSERT_EQ(Cli({"import-boring", file, "--out", kept, "--into", into, "--keep-pile-head"}).status, 0);
    EXPECT_DOUBLE_EQ(Study(kept).InpJyoken.ELPU, 3.88);

    const std::string fresh = folder.file("new.zul");
    ASSERT_EQ(Cli({"import-boring", file, "--out", fresh}).status, 0);
    EXPECT_EQ(Study(fresh).InpJyoken.Title, "No.＂7＂");

    const std::string converted = folder.file("converted.zul");
    ASSERT_EQ(Cli({"convert", moved, converted}).status, 0);
    EXPECT_EQ(test::ReadBytes(converted), test::ReadBytes(moved));
}

TEST_F(ZulCliImportBoring, HelpNamesEveryOption) {
    const CliRun run = Cli({"import-boring", "--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* option : {"--out", "--into", "--max-depth", "--n-depth", "--n-cap", "--water-record",
                               "--keep-design-levels", "--keep-pile-head", "--json"}) {
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
}
