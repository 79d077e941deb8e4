#include "ExampleStudies.h"
#include "io/InputDataFile.h"

#include "../support/CliRunner.h"
#include "../util/TestFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace zul {
namespace {

using Json = nlohmann::json;

const char* const kCalcError = "計算ｴﾗｰが発生しました。入力ﾃﾞｰﾀ等を確認して下さい。";

class ZulCliCalc : public ::testing::Test {
protected:
    test::TestFolder folder;

    test::CliRun Cli(const std::vector<std::string>& args) {
        return test::RunCli(ZUL_CLI_PATH, args, folder);
    }

    // Runs the program with its standard output on target (a device, or "closed pipe" for a pipe
    // whose reading end is already closed); standard error is captured.
    test::CliRun RunInto(const std::vector<std::string>& args, const std::string& target) {
        int pipeEnds[2] = {-1, -1};
        if (target == "closed pipe") {
            EXPECT_EQ(::pipe(pipeEnds), 0);
            ::close(pipeEnds[0]);
        }
        const std::string err = folder.file("stderr.txt");
        std::vector<std::string> words = {ZUL_CLI_PATH};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& w : words) {
            argv.push_back(w.data());
        }
        argv.push_back(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            const int out = pipeEnds[1] >= 0 ? pipeEnds[1] : ::open(target.c_str(), O_WRONLY);
            const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (out < 0 || errFd < 0 || ::dup2(out, 1) < 0 || ::dup2(errFd, 2) < 0) {
                ::_exit(126);
            }
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        if (pipeEnds[1] >= 0) {
            ::close(pipeEnds[1]);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        test::CliRun run;
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = test::ReadBytes(err);
        return run;
    }

    std::string Save(const ProjectDocument& doc, const std::string& name) {
        const std::string path = folder.file(name);
        int code = 0;
        EXPECT_TRUE(SaveInputData(doc, path, code)) << code;
        return path;
    }
};

TEST_F(ZulCliCalc, JsonHoldsEveryMemberOfBothCalculations) {
    const std::string path = Save(examples::EndBearingPile().doc, "pile.zul");
    const test::CliRun run = Cli({"calc", "--json", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json j = Json::parse(run.out);
    EXPECT_EQ(j["ok"], true);
    const Json& normal = j["normal"];
    EXPECT_EQ(normal.size(), 56u);
    EXPECT_EQ(normal["Ra"].get<double>(), 1863.8);
    EXPECT_EQ(normal["Pa"].get<double>(), 451.7);
    EXPECT_EQ(normal["Ws"].get<double>(), 95.82);
    EXPECT_TRUE(normal["Error"].is_number_integer());
    EXPECT_TRUE(normal["IsEcoPile"].is_boolean());
    EXPECT_TRUE(normal["IsWpRa"].get<bool>());
    ASSERT_EQ(normal["RaLiFi"].size(), 3u);
    EXPECT_EQ(normal["RaLiFi"][2]["Ws"].get<double>(), 39.27);
    EXPECT_EQ(normal["RaLiFi"][2]["No"], 2);
    EXPECT_EQ(normal["RaLiFi"][2]["IsNonF"], false);
    EXPECT_EQ(normal["Jiban"][1]["qd"].get<double>(), 5000);
    EXPECT_EQ(normal["N"].size(), 9u);
    EXPECT_EQ(j["earthquake"]["Ra"].get<double>(), 2816.6);
    // 17 significant digits: every double reads back to itself.
    EXPECT_NE(run.out.find("\"Dp\": 1,"), std::string::npos);
    EXPECT_NE(run.out.find("\"Pa\": 451.69999999999999"), std::string::npos);
}

TEST_F(ZulCliCalc, ReadableCheckUsesTheScreenLabels) {
    const std::string path = Save(examples::EndBearingPile().doc, "pile.zul");
    const test::CliRun run = Cli({"calc", path});
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("許容押込み支持力Ｒａ (kN/本)"), std::string::npos);
    EXPECT_NE(run.out.find("許容引抜き力Ｐａ (kN/本)"), std::string::npos);
    EXPECT_NE(run.out.find("1,863.8"), std::string::npos);
    EXPECT_NE(run.out.find("地　震　時"), std::string::npos);
}

TEST_F(ZulCliCalc, CalculationFailureAndFileFailure) {
    ProjectDocument doc = examples::EndBearingPile().doc;
    doc.Anzen(1) = CellValue::Number(0);
    const std::string path = Save(doc, "zero.zul");
    test::CliRun run = Cli({"calc", "--json", path});
    EXPECT_EQ(run.status, 1);
    const std::string cause =
        "安全率（常時・支 持 杭）が 0 です。支持力は安全率で割るため，0 以外にして下さい。";
    EXPECT_EQ(Json::parse(run.out), (Json{{"ok", false}, {"error", kCalcError}, {"causes", {cause}}}));
    run = Cli({"calc", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, std::string(kCalcError) + "\n原因：" + cause + "\n");

    run = Cli({"calc", "--json", folder.file("missing.zul")});
    EXPECT_EQ(run.status, 2);
    Json j = Json::parse(run.out);
    EXPECT_EQ(j["ok"], false);
    EXPECT_EQ(j["code"], 53);
    EXPECT_EQ(j["error"].get<std::string>().rfind(
                  "指定された入力ﾃﾞｰﾀﾌｧｲﾙの読み込みができませんでした。（ｴﾗｰｺｰﾄﾞ ： 53）", 0),
              0u);

    std::string bytes = test::ReadBytes(Save(examples::EndBearingPile().doc, "v.zul"));
    const auto at = bytes.find("[1.30]");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 6, "[1.10]");
    test::WriteBytes(folder.file("v.zul"), bytes);
    run = Cli({"table", "--json", folder.file("v.zul")});
    EXPECT_EQ(run.status, 2);
    j = Json::parse(run.out);
    EXPECT_EQ(j["error"], "入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.1.10）には現在対応しておりません。");
    EXPECT_EQ(j["code"], 0);
}

TEST_F(ZulCliCalc, TableAsJsonCsvAndText) {
    const std::string path = Save(examples::EndBearingPile().doc, "pile.zul");
    test::CliRun run = Cli({"table", "--json", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json j = Json::parse(run.out);
    EXPECT_EQ(j["ok"], true);
    EXPECT_EQ(j["ResultCount"], 3);
    EXPECT_EQ(j["ResultDiameters"], (Json{0.8, 1.0, 1.2}));
    ASSERT_EQ(j["ResultTables"].size(), 3u);
    const Json& row = j["ResultTables"][1][8];
    EXPECT_EQ(row["L"].get<double>(), 10);
    EXPECT_EQ(row["Ra"].get<double>(), 1863.8);
    EXPECT_EQ(row["Pae"].get<double>(), 765.9);
    EXPECT_EQ(row["Error"], 0);

    run = Cli({"table", "--csv", path});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("D,L,Ra,Pa,Rae,Pae\n0.8,6,", 0), 0u);
    EXPECT_NE(run.out.find("\n1,10,1863.8,451.7,2816.6,765.9\n"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1 + 3 * 19);

    run = Cli({"table", path});
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("1,863.8"), std::string::npos);

    EXPECT_NE(Cli({"table", "--json", "--csv", path}).status, 0);
}

TEST_F(ZulCliCalc, FailedTableListsTheRowsStoredSoFar) {
    ProjectDocument doc = examples::EndBearingPile().doc;
    doc.RaTable(12) = CellValue::Text("x"); // the second diameter is not a number
    const std::string path = Save(doc, "bad.zul");
    const test::CliRun run = Cli({"table", "--json", path});
    EXPECT_EQ(run.status, 1);
    const Json j = Json::parse(run.out);
    EXPECT_EQ(j["ok"], false);
    EXPECT_EQ(j["error"], kCalcError);
    EXPECT_EQ(j["ResultCount"], 1);
    EXPECT_EQ(j["ResultTables"][0].size(), 19u);
}

TEST_F(ZulCliCalc, OutputThatCannotBeWrittenEndsWithStatusTwo) {
    const std::string path = Save(examples::EndBearingPile().doc, "pile.zul");
    const std::vector<std::vector<std::string>> commands = {{"table", path, "--csv"},  {"table", path},
                                                            {"table", "--json", path}, {"calc", path},
                                                            {"calc", "--json", path},  {"--help"}};
    for (const std::string target : {"/dev/full", "closed pipe"}) {
        for (const auto& args : commands) {
            const test::CliRun run = RunInto(args, target);
            EXPECT_EQ(run.status, 2) << target << " " << args[0];
            EXPECT_EQ(run.err.rfind("結果を標準出力に書き込むことができませんでした。", 0), 0u) << run.err;
        }
    }
    const test::CliRun full = RunInto({"calc", path}, "/dev/full");
    EXPECT_NE(full.err.find("空き容量がありません。（ｴﾗｰｺｰﾄﾞ ： 61）"), std::string::npos) << full.err;
    EXPECT_EQ(RunInto({"calc", path}, "/dev/null").status, 0);
}

TEST_F(ZulCliCalc, ControlCharactersOfTheFileAreShownEscaped) {
    ProjectDocument doc = examples::EndBearingPile().doc;
    doc.InpJyoken.Title = "\x1b[2J\x1b]0;杭\x07";
    const std::string path = Save(doc, "esc.zul");
    test::CliRun run = Cli({"calc", path});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("検討ｹｰｽ名称：\\x1B[2J\\x1B]0;杭\\x07\n", 0), 0u) << run.out;
    run = Cli({"calc", "--json", path}); // JSON has escapes of its own
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);

    doc.JibanLayer(5, 1) = CellValue::Text("\x1b[31m");
    run = Cli({"table", Save(doc, "cause.zul")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
    EXPECT_NE(run.err.find("原因：地盤条件の第1層の「Ｎ値」が数値ではありません（「\\x1B[31m」）。"),
              std::string::npos)
        << run.err;
}

TEST_F(ZulCliCalc, TableCausesFollowTheCalculationMessage) {
    ProjectDocument doc = examples::EndBearingPile().doc;
    doc.RaTable(3) = CellValue::Number(0.04);
    const std::string path = Save(doc, "step.zul");
    const std::string cause = "杭長の増分ﾋﾟｯﾁ　ΔＬ(m)（0.04）は 0.1 m 単位に丸めると 0 "
                              "になり，杭長を刻めません。0.1 以上にして下さい。";
    test::CliRun run = Cli({"table", "--csv", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, std::string(kCalcError) + "\n原因：" + cause + "\n");
    run = Cli({"table", "--json", path});
    EXPECT_EQ(Json::parse(run.out)["causes"], Json{cause});

    doc.RaTable(3) = CellValue::Number(0.5);
    doc.InpJyoken.Theta = 90;
    run = Cli({"table", Save(doc, "theta.zul")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              std::string(kCalcError) +
                  "\n原因：打込み角 θ(°)（90）が 90 以上です。杭が水平か上向きになり，計算できません。90 "
                  "未満にして下さい。\n");
}

// A table that calculates no row succeeds, and says why on stderr.
TEST_F(ZulCliCalc, EmptyTableSaysWhyNoRow) {
    const struct {
        double start, end, step;
        std::string note;
    } cases[] = {
        {20, 6, 0.5,
         "注意：最小杭長　Ｌmin(m)（20）が最大杭長　Ｌmax(m)"
         "（6）より大きいため，計算する杭長がありません。\n"},
        {6, 20, -0.5,
         "注意：杭長の増分ﾋﾟｯﾁ　ΔＬ(m)（-0.5）が 0 以下のため，最小杭長から最大杭長まで杭長を刻めません。0.1 "
         "以上にして下さい。\n"},
        {6, 20, 0.5, ""},
    };
    for (const auto& c : cases) {
        ProjectDocument doc = examples::EndBearingPile().doc;
        doc.RaTable(1) = CellValue::Number(c.start);
        doc.RaTable(2) = CellValue::Number(c.end);
        doc.RaTable(3) = CellValue::Number(c.step);
        const test::CliRun run = Cli({"table", "--csv", Save(doc, "t.zul")});
        EXPECT_EQ(run.status, 0);
        if (c.note.empty()) {
            EXPECT_EQ(run.err.find("杭長がありません"), std::string::npos) << "rows were calculated";
        } else {
            EXPECT_EQ(run.err, c.note);
        }
    }
}

TEST_F(ZulCliCalc, TextTableColumnsWidenToTheWidestValue) {
    ProjectDocument doc = examples::EndBearingPile().doc;
    for (std::size_t r = 1; r <= static_cast<std::size_t>(doc.JibanCount); ++r) {
        doc.JibanLayer(6, r) = CellValue::Number(1e9); // skin friction far beyond any real ground
    }
    const test::CliRun run = Cli({"table", Save(doc, "wide.zul")});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    std::size_t rows = 0;
    std::size_t width = 0;
    while (std::getline(lines, line)) {
        if (line.empty() || line.find_first_not_of(" 0123456789.,") != std::string::npos) {
            continue; // headings
        }
        std::istringstream words(line);
        std::vector<std::string> values{std::istream_iterator<std::string>(words), {}};
        EXPECT_EQ(values.size(), 5u) << line; // every value stands apart
        EXPECT_GT(values[1].size(), 12u);
        if (width == 0) {
            width = line.size();
        }
        EXPECT_EQ(line.size(), width) << line; // right-aligned in columns of one width
        ++rows;
    }
    EXPECT_GT(rows, 10u);
}

// The study of N values to 19 m with the tip at 21 m: the note follows the values in the text,
// stands under "notes" in the JSON (empty for an ordinary study), and the table lists on
// stderr the lengths from which each note holds, leaving stdout as it was.
TEST_F(ZulCliCalc, PlausibilityNotesFollowTheValues) {
    const std::string note = "杭先端（深度 21.000 m）が入力された最深のN値（深度 19.000 m）より深く、"
                             "先端支持力度の自動計算にN値がないため、先端支持力度 qd が 0 です。"
                             "N値の入力範囲を確認して下さい。";
    const std::string path = Save(testdocs::DrivenPileBelowDeepestN(), "deep.zul");
    test::CliRun run = Cli({"calc", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto values = run.out.find("許容引抜き力Ｐａ (kN/本)");
    ASSERT_NE(values, std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.find('\n', values) + 1), "注意：" + note + "\n");

    run = Cli({"calc", "--json", path});
    ASSERT_EQ(run.status, 0) << run.err;
    Json j = Json::parse(run.out);
    EXPECT_EQ(j["notes"], Json::array({note}));
    std::vector<std::string> keys;
    for (const auto& [key, value] : j.items()) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"earthquake", "normal", "notes", "ok"}));
    EXPECT_EQ(j["normal"].size(), 56u);
    EXPECT_EQ(j["normal"]["qd"].get<double>(), 0);

    // The end-bearing example with the standard tip resistance of its tip layer has no note.
    ProjectDocument standardTip = examples::EndBearingPile().doc;
    standardTip.JibanLayer(7, 2) = CellValue::Number(3000);
    const std::string ordinary = Save(standardTip, "pile.zul");
    run = Cli({"calc", "--json", ordinary});
    EXPECT_EQ(Json::parse(run.out)["notes"], Json::array());
    run = Cli({"calc", ordinary});
    EXPECT_EQ(run.out.find("注意："), std::string::npos);

    const test::CliRun csv = Cli({"table", "--csv", path});
    ASSERT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out.rfind("D,L,Ra,Pa,Rae,Pae\n0.4,17,", 0), 0u);
    EXPECT_EQ(csv.err, "注意：杭径φ 0.400 m、杭長 20.0 m：杭先端（深度 20.000 m）が入力された最深のN値（深度 "
                       "19.000 m）より深く、先端支持力度の自動計算は深度 19.000 m までのN値で行われています。"
                       "N値の入力範囲を確認して下さい。\n"
                       "注意：杭径φ 0.400 m、杭長 21.0 m：" +
                           note + "\n");
    for (const char* format : {"--json", ""}) {
        const test::CliRun other =
            Cli(std::string(format).empty() ? std::vector<std::string>{"table", path}
                                            : std::vector<std::string>{"table", format, path});
        EXPECT_EQ(other.err, csv.err) << format;
    }
    EXPECT_EQ(Cli({"table", ordinary}).err, "");
}

} // namespace
} // namespace zul
