#include "document/ProjectDocument.h"

#include <gtest/gtest.h>

using namespace zul;

TEST(ProjectDocument, ResetGivesStandardSafetyFactorsAndNothingElseEntered) {
    ProjectDocument doc;
    EXPECT_TRUE(doc.safetyFactorsEntered());
    EXPECT_FALSE(doc.conditionsEntered());
    EXPECT_FALSE(doc.groundEntered());
    EXPECT_FALSE(doc.nValuesEntered());
    EXPECT_FALSE(doc.tableEntered());
    const double expected[6] = {3, 4, 6, 2, 3, 3};
    for (int i = 1; i <= 6; ++i) {
        ASSERT_TRUE(doc.Anzen(i).isNumber());
        EXPECT_EQ(doc.Anzen(i).number(), expected[i - 1]);
    }
    for (int i = 7; i <= 10; ++i) {
        EXPECT_TRUE(doc.Anzen(i).isEmpty());
    }
    EXPECT_EQ(doc.InpJyoken.Title, "（未定義）");
    EXPECT_EQ(doc.InpJyoken.Dwi, 0.5);
    EXPECT_EQ(doc.InpJyoken.QdSiji, 2);
    EXPECT_EQ(doc.InpJyoken.IsWpPa, 1);
}

TEST(ProjectDocument, ResetKeepsRunStateAndGroundFlag) {
    ProjectDocument doc;
    doc.JibanInpFlg = true;
    doc.DataEdited = true;
    doc.DataFileName = "/tmp/a.zul";
    doc.JibanCount = 3;
    doc.NCount = 4;
    doc.RaTableDone = true;
    doc.RaTableInpFlg = true;
    doc.AnzenInpFlg = false;
    doc.DataKind = 7;
    doc.IniFileName = "/opt/zul/Zul.ini";
    doc.JibanLevel(1) = CellValue::Number(5);
    doc.InpJyoken.D = 2;
    InitInputData(doc);
    EXPECT_TRUE(doc.JibanInpFlg);
    EXPECT_TRUE(doc.DataEdited);
    EXPECT_EQ(doc.DataFileName, "/tmp/a.zul");
    EXPECT_EQ(doc.JibanCount, 0);
    EXPECT_EQ(doc.NCount, 0);
    EXPECT_FALSE(doc.RaTableDone);
    EXPECT_FALSE(doc.RaTableInpFlg);
    EXPECT_TRUE(doc.AnzenInpFlg);
    EXPECT_EQ(doc.DataKind, 7);
    EXPECT_EQ(doc.IniFileName, "/opt/zul/Zul.ini");
    EXPECT_TRUE(doc.JibanLevel(1).isEmpty());
    EXPECT_EQ(doc.InpJyoken.D, 1.0);
}

TEST(CellValue, CalculationReadsTextOnlyWhenWhollyNumeric) {
    EXPECT_EQ(CellValue().toNumber(), 0.0);
    EXPECT_EQ(CellValue::Text("0.8").toNumber(), 0.8);
    EXPECT_FALSE(CellValue::Text("0.8m").toNumber().has_value());
    EXPECT_EQ(CellValue::Text("0.8m").numberOrZero(), 0.8);
    EXPECT_EQ(CellValue::Truth(true).toNumber(), -1.0);
    EXPECT_EQ(CellValue::Number(2.5).displayText(), "2.5");
}

TEST(ProjectDocument, ArraysRefuseIndicesOutsideTheirBounds) {
    ProjectDocument doc;
    EXPECT_THROW(doc.Anzen(0), std::out_of_range);
    EXPECT_THROW(doc.Anzen(11), std::out_of_range);
    EXPECT_THROW(doc.JibanLayer(9, 1), std::out_of_range);
    EXPECT_NO_THROW(doc.NData(2, 100));
}
