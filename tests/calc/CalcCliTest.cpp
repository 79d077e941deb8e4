#include "ExampleStudies.h"
#include "io/InputDataFile.h"

#include "../support/CliRunner.h"
#include "../util/TestFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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
    EXPECT_EQ(Json::parse(run.out), (Json{{"ok", false}, {"error", kCalcError}}));
    run = Cli({"calc", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(kCalcError), std::string::npos);

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

    const std::string ordinary = Save(examples::EndBearingPile().doc, "pile.zul");
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
