#include "calc/CalcFailureCauses.h"
#include "calc/basCalcMain.h"

#include "TestDocuments.h"

#include <functional>
#include <gtest/gtest.h>

namespace zul {
namespace {

// The worked example with a study table of 6.0 to 20.0 m by 0.5 for two diameters.
ProjectDocument Study() {
    ProjectDocument doc = testdocs::EndBearingDocument();
    testdocs::SetTable(doc, 6.0, 20.0, 0.5, {0.8, 1.0});
    return doc;
}

bool Calculates(const ProjectDocument& doc, CalcRun run) {
    basCalcMain driver;
    return run == CalcRun::Single ? driver.CalcRa(doc) : driver.CalcRaTable(doc);
}

struct Case {
    const char* what;
    CalcRun run;
    std::function<void(ProjectDocument&)> change;
    std::vector<std::string> causes;
};

TEST(CalcFailureCauses, EachKnownCauseIsNamedAndReallyFailsTheCalculation) {
    const Case cases[] = {
        {"step rounds to 0",
         CalcRun::Table,
         [](ProjectDocument& d) { d.RaTable(3) = CellValue::Number(0.04); },
         {"杭長の増分ﾋﾟｯﾁ　ΔＬ(m)（0.04）は 0.1 m 単位に丸めると 0 になり，杭長を刻めません。0.1 "
          "以上にして下さい。"}},
        {"more lengths than the limit",
         CalcRun::Table,
         [](ProjectDocument& d) { testdocs::SetTable(d, 0.1, 20000, 0.1, {0.8}); },
         {"最小杭長から最大杭長までの杭長が 200,000 本になり，上限の 100,000 本を超えます。"
          "杭長の範囲か増分ﾋﾟｯﾁを見直して下さい。"}},
        {"length beyond counting",
         CalcRun::Table,
         [](ProjectDocument& d) { d.RaTable(2) = CellValue::Number(1e12); },
         {"最大杭長　Ｌmax(m)（1000000000000）が大きすぎます。"}},
        {"start length 0",
         CalcRun::Table,
         [](ProjectDocument& d) { d.RaTable(1) = CellValue::Number(0); },
         {"最小杭長　Ｌmin(m)（0）では最初の杭長が 0.0 m になり，計算できません。0.1 以上にして下さい。"}},
        {"start length rounds to 0",
         CalcRun::Table,
         [](ProjectDocument& d) { d.RaTable(1) = CellValue::Number(0.04); },
         {"最小杭長　Ｌmin(m)（0.04）では最初の杭長が 0.0 m になり，計算できません。0.1 以上にして下さい。"}},
        {"text as a layer thickness",
         CalcRun::Single,
         [](ProjectDocument& d) { d.JibanLayer(2, 2) = CellValue::Text("abc"); },
         {"地盤条件の第2層の「層厚ｈ(m)」が数値ではありません（「abc」）。"}},
        {"text as the water level, and a diameter",
         CalcRun::Table,
         [](ProjectDocument& d) {
             d.JibanLevel(2) = CellValue::Text("水位");
             d.RaTable(12) = CellValue::Text("x");
         },
         {"地下水位面標高(m)が数値ではありません（「水位」）。",
          "杭径φ(m)の2行目が数値ではありません（「x」）。"}},
        {"text with a start length 0: the trial at the first length proves nothing",
         CalcRun::Table,
         [](ProjectDocument& d) {
             d.RaTable(1) = CellValue::Number(0);
             d.JibanLayer(8, 1) = CellValue::Text("-");
         },
         {"地盤条件の第1層の「係数ＤE」が数値ではありません（「-」）。"}},
        {"safety factor 0",
         CalcRun::Single,
         [](ProjectDocument& d) { d.Anzen(4) = CellValue::Number(0); },
         {"安全率（ﾚﾍﾞﾙ1地震時・支 持 杭）が 0 です。支持力は安全率で割るため，0 以外にして下さい。"}},
        {"no ground layers",
         CalcRun::Table,
         [](ProjectDocument& d) { d.JibanCount = 0; },
         {"地盤条件の層がありません。層を1つ以上入力して下さい。"}},
        {"design length 0 of an end-bearing pile",
         CalcRun::Single,
         [](ProjectDocument& d) { d.InpJyoken.L = 0; },
         {"設計杭長　Ｌ(m)（0）では杭先端が杭頭と同じ高さかそれより上になり，計算できません。0.1 "
          "以上にして下さい。"}},
        {"inclination of 90 degrees",
         CalcRun::Single,
         [](ProjectDocument& d) { d.InpJyoken.Theta = 90; },
         {"打込み角 θ(°)（90）が 90 以上です。杭が水平か上向きになり，計算できません。90 "
          "未満にして下さい。"}},
        {"pile diameter 0",
         CalcRun::Single,
         [](ProjectDocument& d) { d.InpJyoken.D = 0; },
         {"杭径　Ｄ(m)（0）が 0 以下です。0 より大きい値にして下さい。"}},
        {"pile diameter below 0",
         CalcRun::Single,
         [](ProjectDocument& d) { d.InpJyoken.D = -0.8; },
         {"杭径　Ｄ(m)（-0.8）が 0 以下です。0 より大きい値にして下さい。"}},
        {"pile head of 1e300",
         CalcRun::Single,
         [](ProjectDocument& d) { d.InpJyoken.ELPU = 1e300; },
         {"杭頭標高　  (m)（1E+300）が入力範囲（-999.999～999.999）を超えています。"}},
        {"ground level of 1e300",
         CalcRun::Single,
         [](ProjectDocument& d) { d.JibanLevel(1) = CellValue::Number(1e300); },
         {"現地盤面標高(m)（1E+300）が入力範囲（-999.999～999.999）を超えています。"}},
        {"a safety factor so small the capacity runs beyond the numbers",
         CalcRun::Single,
         [](ProjectDocument& d) { d.Anzen(1) = CellValue::Number(1e-308); },
         {"安全率（常時・支 持 杭）（1E-308）が 1 "
          "未満です。安全率で割った支持力が扱える数値を超えることがあります。"}},
    };
    for (const Case& c : cases) {
        ProjectDocument doc = Study();
        ASSERT_TRUE(Calculates(doc, c.run)) << c.what;
        c.change(doc);
        EXPECT_FALSE(Calculates(doc, c.run)) << c.what;
        EXPECT_EQ(FindCalcFailureCauses(doc, c.run), c.causes) << c.what;
    }
}

TEST(CalcFailureCauses, InputsTheCalculationDoesNotUseAreNoCause) {
    ProjectDocument doc = Study();
    doc.Anzen(2) = CellValue::Number(0);         // friction pile factor of an end-bearing pile
    doc.JibanLayer(2, 3) = CellValue::Text("x"); // a layer below the count
    doc.RaTable(2) = CellValue::Number(1);       // the table ends before it starts: no pile is calculated
    doc.JibanCount = 0;
    EXPECT_TRUE(FindCalcFailureCauses(doc, CalcRun::Table).empty());
    doc.RaTable(2) = CellValue::Number(20);
    doc.RaTable(11) = CellValue::Number(0.05); // no diameter used either
    doc.RaTable(12) = CellValue::Number(0);
    EXPECT_TRUE(FindCalcFailureCauses(doc, CalcRun::Table).empty());
}

} // namespace
} // namespace zul
