// zul-cli report, run as a program: exit statuses, the joined print file written safely, and the
// figure files kept beside it.
#include "../report/ReportStudies.h"
#include "../report/ReportTestSupport.h"
#include "../support/CliRunner.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zul {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::RunCli;
using test::TestFolder;

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

bool FiguresComplete(const std::string& printFile);

TEST(ReportCommand, WritesEveryItemWithItsFiguresBesideIt) {
    TestFolder folder;
    const std::string out = folder.file("report.prn");
    test::WriteBytes(out, "old");
    for (int run = 0; run < 2; ++run) { // a second run replaces the first, figures included
        const auto r = RunCli(ZUL_CLI_PATH,
                              {"report", test::ExamplePath("driven-pile-auto-tip.zul"), "--print-file", out,
                               "--program-folder", test::DataFolder(), "--supplement", "on"},
                              folder);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
    }
    const std::string text = ReadBytes(out);
    const auto figures = FigureRecordPaths(text);
    ASSERT_EQ(figures.size(), 4u); // the ground figure and the three of the detailed report
    for (const std::string& path : figures) {
        EXPECT_EQ(fs::path(path).parent_path(), fs::path(out + ".figures")) << path;
        const std::string index = ReadBytes(path);
        const std::string dataFile = index.substr(index.find("\r\n", index.find("\r\n") + 2) + 2);
        EXPECT_TRUE(fs::exists(dataFile.substr(0, dataFile.find("\r\n"))));
    }
    // Index and data file of each figure, the four graphs of this study and the mark.
    EXPECT_EQ(FilesIn(out + ".figures"), 13u);
    for (const char* graph : {"RA01.WMF", "PA01.WMF", "RA02.WMF", "PA02.WMF"}) {
        const std::string path = out + ".figures/" + graph;
        EXPECT_NE(text.find("?BM;000;000;160;110;" + path + "\r\n"), std::string::npos) << graph;
        EXPECT_GT(fs::file_size(path), 1000u);
    }
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
         2,
         false,
         "印刷ﾌｧｲﾙを作成することができませんでした。\n･『計算条件』の印刷ﾌｧｲﾙ生成ｴﾗｰ\n･『計算結果（詳細）』"},
    };
    for (const Case& c : cases) {
        fs::remove_all(out + ".figures");
        fs::remove(out);
        std::vector<std::string> args = {
            "report", test::ExamplePath("end-bearing-pile.zul"), "--print-file", out, "--supplement", "off"};
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
                     {"report", test::ExamplePath("end-bearing-pile.zul"), "--print-file", out, "--items",
                      "2,0", "--ini", ini},
                     folder)
                  .status,
              0);
    const std::string text = test::Utf8(ReadBytes(out));
    EXPECT_EQ(text.rfind("?R13. 計算条件\r\n", 0), 0u);
    // Item 1 holds chapters 4 and 5 (push-in and pull-out).
    EXPECT_NE(text.find("\r\n\f?R16. 許容押込み支持力・許容引抜き力一覧"), std::string::npos);

    const auto noFolder =
        RunCli(ZUL_CLI_PATH,
               {"report", test::ExamplePath("end-bearing-pile.zul"), "--print-file", folder.file("no/r.prn")},
               folder);
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_FALSE(fs::exists(folder.file("no")));
    const auto missing =
        RunCli(ZUL_CLI_PATH, {"report", folder.file("none.zul"), "--print-file", out}, folder);
    EXPECT_EQ(missing.status, 2);
    const auto failing =
        RunCli(ZUL_CLI_PATH, {"report", test::ExamplePath("new-study.zul"), "--print-file", folder.file("x")},
               folder);
    EXPECT_EQ(failing.status, 1);
    EXPECT_EQ(failing.err,
              "計算ｴﾗｰが発生しました。入力ﾃﾞｰﾀ等を確認して下さい。\n"
              "原因：地盤条件の層がありません。層を1つ以上入力して下さい。\n"); // a new study has no layers
    EXPECT_FALSE(fs::exists(folder.file("x")));
}

// The supplements follow --supplement, else [Print] Supplement of the settings file (on when
// missing); a value other than on and off is refused.
TEST(ReportCommand, SupplementSwitchFollowsTheOptionElseTheSettings) {
    TestFolder folder;
    const std::string out = folder.file("r.prn");
    struct Case {
        const char* ini;
        std::vector<std::string> option;
        int status;
        bool supplement;
    };
    const Case cases[] = {
        {"[Print]\r\n0=1\r\n", {}, 0, true},
        {"[Print]\r\nSupplement=0\r\n", {}, 0, false},
        {"[Print]\r\nSupplement=1\r\n", {}, 0, true},
        {"[Print]\r\nSupplement=0\r\n", {"--supplement", "on"}, 0, true},
        {"[Print]\r\nSupplement=1\r\n", {"--supplement", "off"}, 0, false},
        {"", {"--supplement", "yes"}, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ini) + (c.option.empty() ? "" : c.option[1]));
        fs::remove_all(out + ".figures");
        fs::remove(out);
        test::WriteBytes(folder.file("Zul.ini"), c.ini);
        std::vector<std::string> args = {"report",
                                         test::ExamplePath("end-bearing-pile.zul"),
                                         "--print-file",
                                         out,
                                         "--ini",
                                         folder.file("Zul.ini"),
                                         "--program-folder",
                                         test::DataFolder(),
                                         "--items",
                                         "0,2"};
        args.insert(args.end(), c.option.begin(), c.option.end());
        const auto r = RunCli(ZUL_CLI_PATH, args, folder);
        if (c.status < 0) {
            EXPECT_NE(r.status, 0);
            EXPECT_FALSE(fs::exists(out));
            continue;
        }
        ASSERT_EQ(r.status, c.status) << r.err;
        const std::string text = test::Utf8(ReadBytes(out));
        EXPECT_EQ(text.find("Ｎ値（標準貫入試験）") != std::string::npos, c.supplement);
        EXPECT_EQ(FigureRecordPaths(text).size(), c.supplement ? 1u : 0u);
    }
}

// Every run here is bounded: a run that waits on a pipe ends with status 124.
const std::string kBounded = "timeout 60 ";

TEST(ReportCommand, RefusedAtOnceWithTheFileAndTheReason) {
    TestFolder folder;
    const std::string fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string study = folder.file("s.zul");
    fs::copy_file(test::ExamplePath("driven-pile-auto-tip.zul"), study);
    const std::string studyBytes = ReadBytes(study);
    const std::string fmt = folder.file("my.fmt");
    fs::copy_file(test::DataFolder() + "/Zul.fmt", fmt);
    const std::string odd = folder.file("a\tü€😀\x1B");
    fs::create_directory(odd);
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--print-file", fifo},
         "印刷ファイルを書き込めません（" + fifo + "）：通常のファイルではありません"},
        {{"--print-file", folder.file("no/r.prn")}, "：フォルダがありません。"},
        {{"--print-file", folder.file(std::string(250, 'r'))}, "図のフォルダを作成できません"},
        {{"--print-file", folder.file("r.prn"), "--ini", folder.file("none.ini")},
         "設定ファイルを読み込めません（" + folder.file("none.ini") + "）：ファイルがありません。"},
        {{"--print-file", study}, "は計算データファイルと同じファイルです。"},
        {{"--print-file", folder.file("./s.zul")}, "は計算データファイルと同じファイルです。"},
        {{"--print-file", fmt, "--fmt", fmt}, "は帳票書式ファイルと同じファイルです。"},
        // Figure records could not name the figure files in this folder.
        {{"--print-file", odd + "/r.prn"},
         "a\\x09ü€😀\\x1B/r.prn.figures）の名前には印刷ファイルに書けない文字"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"report", study, "--program-folder", test::DataFolder()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = RunCli(ZUL_CLI_PATH, args, folder, kBounded);
        EXPECT_EQ(r.status, 2) << c.message << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\x1B'), std::string::npos) << "shown escaped";
    }
    EXPECT_EQ(ReadBytes(study), studyBytes);
    EXPECT_EQ(ReadBytes(fmt), ReadBytes(test::DataFolder() + "/Zul.fmt"));
    EXPECT_TRUE(fs::is_empty(odd));
    EXPECT_FALSE(fs::exists(folder.file("r.prn")));

    // A pipe as the template file: every item fails at once, the reason named.
    const auto piped = RunCli(ZUL_CLI_PATH,
                              {"report", study, "--print-file", folder.file("r.prn"), "--fmt", fifo,
                               "--program-folder", test::DataFolder()},
                              folder, kBounded);
    EXPECT_EQ(piped.status, 2);
    EXPECT_NE(piped.err.find(
                  "原因：帳票書式ファイル（" + fifo +
                  "）を読み込めません：通常のファイルではありません（フォルダ、パイプ、デバイスなど）。"),
              std::string::npos)
        << piped.err;
}

// A run that yields no usable report fails with the cause and leaves the earlier outputs (print
// file, figures, PDF) as they were.
TEST(ReportCommand, BrokenTemplatesAndDefinitionsNameTheirFileAndKeepEarlierOutputs) {
    TestFolder folder;
    const std::string out = folder.file("r.prn");
    const std::string pdf = folder.file("r.pdf");
    const std::string fmt = folder.file("bad.fmt");
    std::string broken = ReadBytes(test::DataFolder() + "/Zul.fmt");
    broken.erase(broken.rfind("End")); // the last block loses its end
    test::WriteBytes(fmt, broken);
    test::WriteBytes(folder.file("empty.fmt"), "");
    test::WriteBytes(folder.file("blank.fmt"), "\r\n");
    const std::vector<std::string> good = {"report",           test::ExamplePath("driven-pile-auto-tip.zul"),
                                           "--print-file",     out,
                                           "--program-folder", test::DataFolder()};
    ASSERT_EQ(RunCli(ZUL_CLI_PATH, good, folder).status, 0);
    test::WriteBytes(pdf, "earlier pdf");
    const std::string printBytes = ReadBytes(out);
    const auto figures = FigureRecordPaths(printBytes);
    const struct {
        std::vector<std::string> args;
        std::string cause;
    } cases[] = {
        {{"--fmt", fmt, "--program-folder", test::DataFolder()}, "が End で終わっていません。"},
        {{"--fmt", folder.file("empty.fmt"), "--program-folder", test::DataFolder()},
         "原因：帳票書式ファイル"},
        {{"--fmt", folder.file("blank.fmt"), "--program-folder", test::DataFolder()},
         "原因：帳票書式ファイル"},
        {{"--fmt", folder.file("none.fmt"), "--program-folder", test::DataFolder()},
         "ファイルがありません。"},
        {{"--program-folder", folder.path().string()},
         "原因：線種定義ファイル（" + folder.file("LINE_PRN.DEF") +
             "）を読み込めません：ファイルがありません。"},
    };
    for (const auto& c : cases) {
        for (const bool withPdf : {false, true}) {
            std::vector<std::string> args = {"report", test::ExamplePath("driven-pile-auto-tip.zul"),
                                             "--print-file", out};
            args.insert(args.end(), c.args.begin(), c.args.end());
            if (withPdf) {
                args.insert(args.end(), {"--pdf", pdf});
            }
            const auto r = RunCli(ZUL_CLI_PATH, args, folder);
            EXPECT_EQ(r.status, 2) << r.err;
            EXPECT_NE(r.err.find(c.cause), std::string::npos) << r.err;
            EXPECT_NE(r.err.find("以前の出力ファイルは変更していません。"), std::string::npos) << r.err;
            EXPECT_EQ(ReadBytes(out), printBytes);
            EXPECT_EQ(ReadBytes(pdf), "earlier pdf");
            EXPECT_TRUE(FiguresComplete(out));
        }
    }
}

// The figure files of a print file as they are on disk: every record's index file and every
// data file it names.
bool FiguresComplete(const std::string& printFile) {
    for (const std::string& index : FigureRecordPaths(ReadBytes(printFile))) {
        const std::string bytes = ReadBytes(index);
        const std::size_t start = bytes.find("\r\n", bytes.find("\r\n") + 2) + 2;
        if (bytes.empty() || !fs::exists(bytes.substr(start, bytes.find("\r\n", start) - start))) {
            return false;
        }
    }
    return !FigureRecordPaths(ReadBytes(printFile)).empty();
}

TEST(ReportCommand, FiguresFolderIsReplacedWholeNeverFollowedAndRunsKeepApart) {
    TestFolder folder;
    const std::string out = folder.file("r.prn");
    const std::string elsewhere = folder.file("elsewhere");
    fs::create_directory(elsewhere);
    test::WriteBytes(elsewhere + "/~PSmine", "not the report's");
    const std::vector<std::string> args = {"report",           test::ExamplePath("driven-pile-auto-tip.zul"),
                                           "--print-file",     out,
                                           "--program-folder", test::DataFolder(),
                                           "--supplement",     "off"};
    // Only a folder of a report run is replaced: a link, a file or a folder of the user at
    // OUT.figures is refused and stays as it was, and no print file is written.
    const std::string figures = out + ".figures";
    const std::function<void()> foreign[] = {
        [&] { fs::create_directory_symlink(elsewhere, figures); },
        [&] { fs::create_symlink(elsewhere + "/~PSmine", figures); },
        [&] { test::WriteBytes(figures, "mine"); },
        [&] {
            fs::create_directory(figures);
            test::WriteBytes(figures + "/notes.txt", "mine");
        },
    };
    for (const auto& place : foreign) {
        place();
        const auto refused = RunCli(ZUL_CLI_PATH, args, folder);
        EXPECT_EQ(refused.status, 2) << refused.err;
        EXPECT_NE(refused.err.find("このプログラムが作ったものではない"), std::string::npos) << refused.err;
        EXPECT_FALSE(fs::exists(out));
        EXPECT_TRUE(fs::exists(fs::symlink_status(figures)));
        EXPECT_EQ(ReadBytes(elsewhere + "/~PSmine"), "not the report's");
        fs::remove_all(figures);
    }
    const auto r = RunCli(ZUL_CLI_PATH, args, folder);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(FiguresComplete(out));
    EXPECT_EQ(RunCli(ZUL_CLI_PATH, args, folder).status, 0) << "its own folder is replaced";

    // Four runs at once on the same print file: the one that finishes last leaves its print
    // file with all its figures, and nothing else is left behind.
    std::string command = "cd " + test::ShellQuoted(folder.path().string()) + " && (";
    for (int i = 0; i < 4; ++i) {
        command += test::ShellQuoted(ZUL_CLI_PATH);
        for (const std::string& arg : args) {
            command += " " + test::ShellQuoted(arg);
        }
        command += " 2>>errors.txt & ";
    }
    command += "wait)";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadBytes(folder.file("errors.txt")), "");
    EXPECT_TRUE(FiguresComplete(out));
    EXPECT_EQ(FilesIn(out + ".figures"), 11u); // three figures, four graphs and the folder's mark
    EXPECT_EQ(FilesIn(folder.path()), 6u); // r.prn, its figures, elsewhere and the three outputs of the runs
}

TEST(ReportCommand, AFullDiskChangesNoEarlierOutput) {
    TestFolder folder;
    const std::string disk = folder.file("disk");
    fs::create_directory(disk);
    if (std::system(
            ("mount -t tmpfs -o size=96k tmpfs " + test::ShellQuoted(disk) + " 2>/dev/null").c_str()) != 0) {
        GTEST_SKIP() << "cannot mount a small file system here (needs the administrator)";
    }
    const std::string out = disk + "/good.prn";
    const std::string pdf = disk + "/good.pdf";
    test::WriteBytes(out, "old print file");
    fs::create_directory(out + ".figures");
    test::WriteBytes(out + ".figures/~PSold", "old figure");
    test::WriteBytes(out + ".figures/.zul-report-figures", "");
    test::WriteBytes(pdf, "old pdf");
    struct Case {
        std::vector<std::string> outputs;
        std::size_t freeKb;
    };
    std::vector<Case> cases = {
        {{"--print-file", out, "--pdf", pdf}, 28},
        {{"--pdf", pdf, "--print-file", out}, 60},
    };
    // The disk fills at every step in turn: the work files, the joined file, the print file
    // prepared beside its target, the figures.
    for (std::size_t freeKb = 8; freeKb <= 80; freeKb += 8) {
        cases.push_back({{"--print-file", out}, freeKb});
    }
    std::vector<test::CliRun> runs;
    for (const Case& c : cases) {
        fs::remove(disk + "/filler");
        const std::size_t used = 96 - c.freeKb - 12; // the earlier outputs take about 12 KB
        test::WriteBytes(disk + "/filler", std::string(used * 1024, 'f'));
        std::vector<std::string> args = {"report", test::ExamplePath("driven-pile-auto-tip.zul"),
                                         "--program-folder", test::DataFolder()};
        args.insert(args.end(), c.outputs.begin(), c.outputs.end());
        runs.push_back(RunCli(ZUL_CLI_PATH, args, folder, kBounded));
    }
    const std::string printBytes = ReadBytes(out);
    const std::string figure = ReadBytes(out + ".figures/~PSold");
    const std::string pdfBytes = ReadBytes(pdf);
    const std::size_t entries = FilesIn(disk);
    const std::size_t figureEntries = FilesIn(out + ".figures");
    std::system(("umount " + test::ShellQuoted(disk)).c_str());
    for (const auto& run : runs) {
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find("書き込み先の空き容量がありません。"), std::string::npos) << run.err;
    }
    EXPECT_EQ(printBytes, "old print file");
    EXPECT_EQ(figure, "old figure");
    EXPECT_EQ(pdfBytes, "old pdf");
    EXPECT_EQ(entries, 4u) << "no work files left";
    EXPECT_EQ(figureEntries, 2u);
}

} // namespace
} // namespace zul
