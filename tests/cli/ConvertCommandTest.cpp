#include "io/InputDataFile.h"
#include "util/NumberText.h"

#include "../support/CliRunner.h"
#include "../support/CrlfLines.h"
#include "../util/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

using namespace zul;
using zul::test::CliRun;
using zul::test::ReadBytes;
using zul::test::RunCli;
using zul::test::WriteBytes;

class ZulCliConvert : public ::testing::Test {
protected:
    test::TestFolder folder;

    // shellPrefix runs before the program in the same shell (for example a memory limit).
    CliRun Cli(const std::vector<std::string>& args, const std::string& shellPrefix = "") {
        return RunCli(ZUL_CLI_PATH, args, folder, shellPrefix);
    }
};

TEST_F(ZulCliConvert, RewritesVersion130ByteForByte) {
    ProjectDocument doc;
    doc.InpJyoken.Title = "convert 杭";
    doc.JibanCount = 1;
    doc.JibanLayer(2, 1) = CellValue::Number(4.5);
    int code = 0;
    const std::string in = folder.file("in.zul");
    ASSERT_TRUE(SaveInputData(doc, in, code));
    const CliRun run = Cli({"convert", in, folder.file("out.zul")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes(folder.file("out.zul")), ReadBytes(in));
}

TEST_F(ZulCliConvert, UpgradesVersion100) {
    std::string text = ReadBytes(std::string(ZUL_SOURCE_DIR) + "/examples/new-study.zul");
    // Turn the fresh 1.30 file into a 1.00 one: drop Dw, Dwi and IsWpPa, add six trailing fields.
    std::vector<std::string> lines = test::CrlfLines(text);
    lines[2] = "INPUT FILE VERSION             [1.00]";
    lines[6] = " 2 ";                                           // D
    lines.erase(lines.begin() + 15);                            // IsWpPa
    lines.erase(lines.begin() + 7, lines.begin() + 9);          // Dw, Dwi
    lines.insert(lines.begin() + 20, {"", "", "", "", "", ""}); // six ignored fields
    const std::string in = folder.file("old.zul");
    WriteBytes(in, test::JoinCrlfLines(lines));
    const std::string out = folder.file("new.zul");
    const CliRun run = Cli({"convert", in, out});
    ASSERT_EQ(run.status, 0) << run.err;
    ProjectDocument doc;
    int code = 0;
    ASSERT_TRUE(LoadInputData(doc, out, code));
    EXPECT_EQ(doc.InpJyoken.Dw, 3.0);
    EXPECT_EQ(doc.InpJyoken.Dwi, 1.0);
    EXPECT_EQ(doc.InpJyoken.IsWpPa, 0);
    EXPECT_EQ(GetInputFileVersion(out), "1.30");
}

// The largest number a file can hold is written as a 15-digit value that reads back.
TEST_F(ZulCliConvert, LargestNumberStaysReadable) {
    std::vector<std::string> lines =
        test::CrlfLines(ReadBytes(std::string(ZUL_SOURCE_DIR) + "/examples/new-study.zul"));
    lines[6] = " 1.7976931348623157E+308 "; // D
    const std::string in = folder.file("big.zul");
    WriteBytes(in, test::JoinCrlfLines(lines));
    const CliRun run = Cli({"convert", in, folder.file("out.zul")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::CrlfLines(ReadBytes(folder.file("out.zul")))[6], " 1.79769313486231E+308 ");
    EXPECT_EQ(Cli({"convert", folder.file("out.zul"), folder.file("again.zul")}).status, 0);
}

TEST_F(ZulCliConvert, FailuresPrintTheFileMessagesAndExitTwo) {
    CliRun run = Cli({"convert", folder.file("missing.zul"), folder.file("out.zul")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "指定された入力ﾃﾞｰﾀﾌｧｲﾙの読み込みができませんでした。（ｴﾗｰｺｰﾄﾞ ： 53）\n\n"
                       "お問い合わせの際は，上記ｴﾗｰﾒｯｾｰｼﾞおよびｴﾗｰｺｰﾄﾞをお知らせください。\n"
                       "原因：入力ﾃﾞｰﾀﾌｧｲﾙ（" +
                           folder.file("missing.zul") + "）：ファイルがありません。\n");

    // After the code, the cause in words with the file, for convert and calc alike.
    const std::string fresh = std::string(ZUL_SOURCE_DIR) + "/examples/new-study.zul";
    WriteBytes(folder.file("study.txt"), ReadBytes(fresh));
    WriteBytes(folder.file("cut.zul"), ReadBytes(fresh).substr(0, 200));
    const struct {
        std::vector<std::string> args;
        std::string cause;
    } causes[] = {
        {{"convert", folder.file("study.txt"), folder.file("out.zul")},
         "（ｴﾗｰｺｰﾄﾞ ： "
         "0）\n\nお問い合わせの際は，上記ｴﾗｰﾒｯｾｰｼﾞおよびｴﾗｰｺｰﾄﾞをお知らせください。\n原因：入力ﾃﾞｰﾀﾌｧｲﾙ（" +
             folder.file("study.txt") + "）：名前が .zul で終わっていないため、読み込みません。\n"},
        {{"calc", folder.file("study.txt")}, "：名前が .zul で終わっていないため、読み込みません。\n"},
        {{"calc", folder.file("cut.zul")}, "：ファイルが途中で終わっています。\n"},
        {{"convert", fresh, folder.file("none/out.zul")},
         "原因：入力ﾃﾞｰﾀﾌｧｲﾙ（" + folder.file("none/out.zul") + "）：フォルダがありません。\n"},
    };
    for (const auto& c : causes) {
        run = Cli(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.ends_with(c.cause)) << run.err;
    }

    const std::string odd = folder.file("odd.zul");
    WriteBytes(odd, "a\r\nb\r\nINPUT FILE VERSION             [2.00]\r\n");
    run = Cli({"convert", odd, folder.file("out.zul")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.2.00）には現在対応しておりません。\n指定された", 0), 0u)
        << run.err;
    EXPECT_NE(run.err.find("（ｴﾗｰｺｰﾄﾞ ： 0）"), std::string::npos);

    run = Cli({"convert", fresh, folder.file("no/such/folder/out.zul")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("入力ﾃﾞｰﾀﾌｧｲﾙを作成することができませんでした。（ｴﾗｰｺｰﾄﾞ ： 76）\n", 0), 0u)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.zul")));
}

TEST_F(ZulCliConvert, PipeOrDeviceAsTargetEndsAtOnceWithSeventyFive) {
    const std::string fresh = std::string(ZUL_SOURCE_DIR) + "/examples/new-study.zul";
    const std::string pipe = folder.file("x.zul");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& target : {pipe, std::string("/dev/null")}) {
        // no reader ever opens the pipe: a program that waited for one would be stopped after 20 s
        const CliRun run = Cli({"convert", fresh, target}, "timeout 20 ");
        EXPECT_EQ(run.status, 2) << target;
        EXPECT_EQ(run.err.rfind("入力ﾃﾞｰﾀﾌｧｲﾙを作成することができませんでした。（ｴﾗｰｺｰﾄﾞ ： 75）\n", 0), 0u)
            << run.err;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

TEST_F(ZulCliConvert, VersionTextWithControlCharactersIsShownEscaped) {
    const std::string odd = folder.file("odd.zul");
    WriteBytes(odd, "a\r\nb\r\nINPUT FILE VERSION             [\x1b[2J\x1b]0;x\x07]\r\n");
    const CliRun run = Cli({"convert", odd, folder.file("out.zul")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
    EXPECT_NE(run.err.find("（Ver.\\x1B[2J\\x1B]0;x\\x07）"), std::string::npos) << run.err;
}

TEST_F(ZulCliConvert, HugeFileIsCheckedWithoutBeingLoadedIntoMemory) {
    // Three header lines of an unknown version, then 8 GB that take no disk space.
    const std::string huge = folder.file("huge.zul");
    WriteBytes(huge, "a\r\nb\r\nINPUT FILE VERSION             [9.99]\r\n");
    std::filesystem::resize_file(huge, std::uintmax_t{8} << 30);
    const std::string limit = "ulimit -v 1000000; "; // 1 GB of address space
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"convert", huge, folder.file("out.zul")},
          std::vector<std::string>{"calc", "--json", huge}, std::vector<std::string>{"table", huge}}) {
        const CliRun run = Cli(args, limit);
        EXPECT_EQ(run.status, 2) << args[0] << run.err;
        EXPECT_NE((run.out + run.err).find("（Ver.9.99）"), std::string::npos) << args[0];
    }

    // A study whose title never ends: refused at the reader's line bound, in little memory.
    WriteBytes(huge, ReadBytes(std::string(ZUL_SOURCE_DIR) + "/examples/new-study.zul").substr(0, 200));
    std::string bytes = ReadBytes(huge);
    bytes.resize(bytes.find("\r\n\"") + 3); // up to the opening quote of the title
    WriteBytes(huge, bytes);
    std::filesystem::resize_file(huge, std::uintmax_t{1} << 30);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"convert", huge, folder.file("out.zul")},
          std::vector<std::string>{"calc", huge}}) {
        const CliRun run = Cli(args, "ulimit -v 200000; "); // 200 MB of address space
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_NE(run.err.find("（ｴﾗｰｺｰﾄﾞ ： 13）"), std::string::npos) << args[0] << run.err;
    }
}

TEST_F(ZulCliConvert, HelpVersionAndUsageErrors) {
    CliRun run = Cli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("convert"), std::string::npos);
    run = Cli({"convert", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("IN"), std::string::npos);
    run = Cli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("zul-cli ", 0), 0u);
    EXPECT_EQ(Cli({"convert", "only-one.zul"}).status, 2);
    EXPECT_EQ(Cli({}).status, 2);
}

// table --json writes its rows as they are calculated: the same rows as --csv, then the
// diameters and the outcome; a failed table says so after its (empty) rows.
TEST_F(ZulCliConvert, TableJsonHoldsTheRowsOfTheCsv) {
    const std::string study = std::string(ZUL_SOURCE_DIR) + "/examples/friction-pile-clay.zul";
    const CliRun json = Cli({"table", "--json", study});
    const CliRun csv = Cli({"table", "--csv", study});
    ASSERT_EQ(json.status, 0) << json.err;
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_TRUE(parsed["ok"].get<bool>());
    std::string fromJson = "D,L,Ra,Pa,Rae,Pae\n";
    for (std::size_t i = 0; i < parsed["ResultTables"].size(); ++i) {
        for (const auto& row : parsed["ResultTables"][i]) {
            fromJson += GeneralNumberText(parsed["ResultDiameters"][i].get<double>());
            for (const char* key : {"L", "Ra", "Pa", "Rae", "Pae"}) {
                fromJson += "," + GeneralNumberText(row[key].get<double>());
            }
            fromJson += "\n";
        }
    }
    EXPECT_EQ(fromJson, csv.out);
    EXPECT_GT(parsed["ResultCount"].get<int>(), 0);

    ProjectDocument doc;
    int code = 0;
    ASSERT_TRUE(LoadInputData(doc, study, code));
    doc.RaTable(3) = CellValue::Number(0.0001); // a step far too small: too many lengths
    const std::string bad = folder.file("bad.zul");
    ASSERT_TRUE(SaveInputData(doc, bad, code));
    const CliRun failed = Cli({"table", "--json", bad});
    EXPECT_EQ(failed.status, 1);
    const auto refused = nlohmann::json::parse(failed.out);
    EXPECT_FALSE(refused["ok"].get<bool>());
    EXPECT_EQ(refused["ResultTables"], nlohmann::json::array());
    EXPECT_EQ(refused["error"], "計算ｴﾗｰが発生しました。入力ﾃﾞｰﾀ等を確認して下さい。");
}
