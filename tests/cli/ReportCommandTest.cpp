// zul-cli report, run as a program: exit statuses, the joined print file written safely, and the
// figure files kept beside it.
#include "../report/ReportStudies.h"
#include "../report/ReportTestSupport.h"
#include "../support/CliRunner.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zul {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::RunCli;
using test::TestFolder;
const auto& Example = test::ExamplePath;

std::vector<std::string> FigureRecordPaths(const std::string& printText) {
    std::vector<std::string> paths;
    const std::string marker = "?FG;000;000;";
    for (std::size_t pos = printText.find(marker); pos != std::string::npos;
         pos = printText.find(marker, pos + 1)) {
        const std::size_t start = pos + marker.size();
        paths.push_back(printText.substr(start, printText.find("\r\n", start) - start));
    }
    return paths;
}

std::size_t FilesIn(const fs::path& folder) {
    return fs::exists(folder) ? static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}))
                              : 0;
}

TEST(ReportCommand, WritesEveryItemWithItsFiguresBesideIt) {
    TestFolder folder;
    const std::string out = folder.file("report.prn");
    test::WriteBytes(out, "old");
    for (int run = 0; run < 2; ++run) { // a second run replaces the first, figures included
        const auto r = RunCli(ZUL_CLI_PATH,
                              {"report", Example("driven-pile-auto-tip.zul"), "--print-file", out,
                               "--program-folder", test::DataFolder()},
                              folder);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
    }
    const std::string text = ReadBytes(out);
    const auto figures = FigureRecordPaths(text);
    ASSERT_EQ(figures.size(), 3u);
    for (const std::string& path : figures) {
        EXPECT_EQ(fs::path(path).parent_path(), fs::path(out + ".figures")) << path;
        const std::string index = ReadBytes(path);
        const std::string dataFile = index.substr(index.find("\r\n", index.find("\r\n") + 2) + 2);
        EXPECT_TRUE(fs::exists(dataFile.substr(0, dataFile.find("\r\n"))));
    }
    EXPECT_EQ(FilesIn(out + ".figures"), 6u); // index and data file of each figure, no print files
    EXPECT_NE(text.find("?BM;000;000;160;110;" + test::DataFolder() + "/RA01.WMF\r\n"), std::string::npos);
}

TEST(ReportCommand, ItemsNumberingAndExitStatuses) {
    TestFolder folder;
    const std::string out = folder.file("r.prn");
    const std::string ini = folder.file("Zul.ini");
    test::WriteBytes(ini, "[Chapter]\r\nMethod=2\r\nInit=3\r\nStyle1=1\r\nStyle2=1\r\n");
    struct Case {
        std::vector<std::string> args;
        int status;
        bool written;
        std::string errStart;
    };
    const Case cases[] = {
        {{"--items", "2,0", "--ini", ini}, 0, true, ""},
        {{"--items", ""}, 4, false, "印刷項目はひとつ以上選択して下さい。"},
        {{"--items", "5"}, 2, false, "--items"},
        {{"--fmt", folder.file("none.fmt")},
         3,
         true,
         "･『計算条件』の印刷ﾌｧｲﾙ生成ｴﾗｰ\n･『計算結果（詳細）』"},
    };
    for (const Case& c : cases) {
        fs::remove_all(out + ".figures");
        fs::remove(out);
        std::vector<std::string> args = {"report", Example("end-bearing-pile.zul"), "--print-file", out};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = RunCli(ZUL_CLI_PATH, args, folder);
        EXPECT_EQ(r.status, c.status) << c.args[1];
        EXPECT_EQ(fs::exists(out), c.written) << c.args[1];
        EXPECT_EQ(r.err.rfind(c.errStart, 0), 0u) << r.err;
        EXPECT_FALSE(fs::exists(out + ".figures")) << "no figures in this study";
        // A missing template file is named as the cause.
        EXPECT_EQ(r.err.find("原因：帳票書式ファイル") != std::string::npos, c.args[0] == "--fmt") << r.err;
    }
    fs::remove(out);
    ASSERT_EQ(RunCli(ZUL_CLI_PATH,
                     {"report", Example("end-bearing-pile.zul"), "--print-file", out, "--items", "2,0",
                      "--ini", ini},
                     folder)
                  .status,
              0);
    const std::string text = test::Utf8(ReadBytes(out));
    EXPECT_EQ(text.rfind("?R13. 計算条件\r\n", 0), 0u);
    // Item 1 holds chapters 4 and 5 (push-in and pull-out).
    EXPECT_NE(text.find("\r\n\f?R16. 許容押込み支持力・許容引抜き力一覧"), std::string::npos);

    const auto noFolder =
        RunCli(ZUL_CLI_PATH,
               {"report", Example("end-bearing-pile.zul"), "--print-file", folder.file("no/r.prn")}, folder);
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_FALSE(fs::exists(folder.file("no")));
    const auto missing =
        RunCli(ZUL_CLI_PATH, {"report", folder.file("none.zul"), "--print-file", out}, folder);
    EXPECT_EQ(missing.status, 2);
    const auto failing =
        RunCli(ZUL_CLI_PATH, {"report", Example("new-study.zul"), "--print-file", folder.file("x")}, folder);
    EXPECT_EQ(failing.status, 1);
    EXPECT_EQ(failing.err,
              "計算ｴﾗｰが発生しました。入力ﾃﾞｰﾀ等を確認して下さい。\n"
              "原因：地盤条件の層がありません。層を1つ以上入力して下さい。\n"); // a new study has no layers
    EXPECT_FALSE(fs::exists(folder.file("x")));
}

} // namespace
} // namespace zul
