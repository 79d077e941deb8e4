#include "ReportTestSupport.h"
#include "report/FigureBuilder.h"
#include "report/ReportError.h"

#include <gtest/gtest.h>

namespace zul {
namespace {

using test::Sjis;
using test::TestFolder;

struct Figure {
    TestFolder folder;
    FigureBuilder fig;
    Figure() {
        test::WriteBytes(folder.file("LINE_PRN.DEF"),
                         Sjis("線種定義,線種,線幅(1/100mm)\r\n実線(細),0,18\r\n破線,1,18\r\nEND\r\n"));
        test::WriteBytes(
            folder.file("STR_PRN.DEF"),
            Sjis("文字種定義,太さ,書体,文字高(twip),字間(twip),色,予備\r\n"
                 "標準,400,IPAGothic,170,0,0,0\r\n\"小\", 400, \"IPAGothic\", 144, 0, 0, 0\r\nEND\r\n"));
        fig.Reset();
        fig.ReadLineDef(folder.file("LINE_PRN.DEF"));
        fig.ReadStrDef(folder.file("STR_PRN.DEF"));
    }
};

TEST(FigureWriter, DefinitionsAndTextWidth) {
    Figure f;
    ASSERT_EQ(f.fig.LineDefs().size(), 2u);
    EXPECT_EQ(f.fig.LineDefs()[1].Name, "破線");
    EXPECT_EQ(f.fig.LineDefs()[1].Style, 1);
    ASSERT_EQ(f.fig.StrDefs().size(), 2u);
    EXPECT_EQ(f.fig.StrDefs()[1].Name, "小");
    EXPECT_EQ(f.fig.StrDefs()[1].Font, "IPAGothic");
    EXPECT_DOUBLE_EQ(f.fig.TextSize(2), 2.54);                          // 144 twips = 0.1 inch
    EXPECT_DOUBLE_EQ(f.fig.FigTextWidth(2, "Ｎ値10"), 2 * 2.54 + 2.54); // two full, two half
    EXPECT_THROW(f.fig.TextSize(3), ReportError);

    test::WriteBytes(f.folder.file("bad.DEF"), "h\r\na,0,1\r\nb,0,1\r\nc,0,1\r\n");
    EXPECT_THROW(f.fig.ReadStrDef(f.folder.file("bad.DEF")), ReportError); // ends before END
    std::string many = "h\r\n";
    for (int i = 0; i < 10; ++i) {
        many += "l,0,18\r\n";
    }
    test::WriteBytes(f.folder.file("many.DEF"), many + "END\r\n");
    EXPECT_THROW(f.fig.ReadLineDef(f.folder.file("many.DEF")), ReportError);
    EXPECT_THROW(f.fig.ReadLineDef(f.folder.file("none.DEF")), ReportError);
}

TEST(FigureWriter, TablesHaveFixedCapacities) {
    FigureBuilder fig;
    fig.AddRect(1, 2, 0, 0);
    EXPECT_EQ(fig.AddRect(1, 2, 0, 0), 2);
    // A full table is a cause for the user: in words, without English.
    const auto cause = [](const auto& add) {
        try {
            add();
        } catch (const ReportError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(cause([&] { fig.AddRect(1, 2, 0, 0); }),
              "図の四角形が上限（2）を超えたため、図を作成できません。");
    for (std::size_t i = 0; i < kMaxFigPoints; ++i) {
        fig.AddPoint(0, 0);
    }
    EXPECT_EQ(cause([&] { fig.AddPoint(0, 0); }), "図の点が上限（600）を超えたため、図を作成できません。");
    EXPECT_EQ(cause([&] { fig.TextSize(9); }), "文字種 9 が文字種定義ファイルにありません。");
    fig.Reset();
    EXPECT_EQ(fig.AddPoint(0, 0), 1);
}

TEST(FigureWriter, DataAndIndexFilesByteExact) {
    Figure f;
    const std::int32_t a = f.fig.AddPoint(0, 0);
    const std::int32_t b = f.fig.AddPoint(50, 40);
    f.fig.AddPoint(-0.0000001, 12.3456789);
    f.fig.AddLine(a, b, 1);
    f.fig.AddText("Ｎ値", 10, 45, 2, 3); // box up to (15.08, 47.54)
    f.fig.AddText("D", -3, 5, 1, 1);     // vertical: box from x - 3 mm (170 twips)
    const std::string data = f.folder.file("fig");
    f.fig.WriteFigFile(data, "題", "副");
    EXPECT_EQ(test::ReadBytes(data), Sjis("題\r\n副\r\n"
                                          "56.00, 47.54, -6.00,        0.00, 50.00, 47.54\r\n"
                                          "座標情報\r\n1, 0.000000, 0.000000\r\n2, 50.000000, 40.000000\r\n"
                                          "3, -0.000000, 12.345679\r\nEND\r\n"
                                          "線分情報\r\n1, 1, 2, 1\r\nEND\r\n"
                                          "文字情報\r\nＮ値\r\n10.000000, 45.000000, 2, 3\r\n"
                                          "D\r\n-3.000000, 5.000000, 1, 1\r\nEND\r\n"));

    const std::string index = f.folder.file("idx");
    f.fig.WriteIdxFile(index, "題", 100, 90);
    // Offsets from the extent as written: (100 - 56) / 2 + 6, (90 - 47.54) / 2 - 0.
    const std::string zone2 = std::string(9, ' ');
    EXPECT_EQ(test::ReadBytes(index), Sjis("題\r\n 100 " + zone2 + " 90 \r\n" + data + "\r\n 28 " +
                                           std::string(10, ' ') + " 21.23 \r\nEND\r\n"));
}

} // namespace
} // namespace zul
