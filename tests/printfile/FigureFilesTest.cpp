// The figure data and figure index files: what the report writes the preview reads back, and a
// broken file or one beyond the bounds is refused with the reason.
#include "printfile/FigureFileReader.h"
#include "printfile/FigureFileWriter.h"
#include "util/Cp932.h"

#include <gtest/gtest.h>

namespace zul {
namespace {

std::string Sjis(std::string_view utf8) {
    return EncodeCp932(utf8).value();
}

FigureData SampleFigure() {
    FigureData f;
    f.Title = "ｺﾝｸﾘｰﾄの応力～ひずみ関係図";
    f.Subtitle = "杭の支持力計算図";
    f.Points = {{1, {0, 0}}, {2, {60, 0}}, {3, {60, 40}}, {4, {-0.5, 40.125}}, {5, {30, 20}}};
    f.Rects = {{1, 3, 2, 0}};
    f.Lines = {{1, 2, 2}, {1, 3, 3}};
    f.Circles = {{5, 8, 1}};
    f.Arcs = {{{30, 20, 12, 0, 90}, 5}};
    f.Fills = {{1, 2, " 1 2 3"}};
    f.Arrows = {{4, 5, 1}};
    f.Texts = {{"Ｎ値", 2, 2, 1, 3}, {"杭長", -1, 10, 2, 1}};
    return f;
}

TEST(FigureFiles, WhatTheWriterWritesTheReaderReads) {
    const FigureData written = SampleFigure();
    std::string error;
    const auto read =
        ReadFigureDataFile(FigureDataFileText(written, {60.5, 40.125, -0.5, 0, 60, 40.125}), &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->Title, written.Title);
    EXPECT_EQ(read->Subtitle, written.Subtitle);
    ASSERT_EQ(read->Points.size(), 5u);
    EXPECT_DOUBLE_EQ(read->Points.at(4).X, -0.5);
    EXPECT_DOUBLE_EQ(read->Points.at(4).Y, 40.125);
    ASSERT_EQ(read->Rects.size(), 1u);
    EXPECT_EQ(read->Rects[0].C, 2);
    ASSERT_EQ(read->Lines.size(), 2u);
    EXPECT_EQ(read->Lines[1].Kind, 3);
    EXPECT_DOUBLE_EQ(read->Circles.at(0).Radius, 8);
    EXPECT_DOUBLE_EQ(read->Arcs.at(0).Values[4], 90);
    EXPECT_EQ(read->Arcs.at(0).Kind, 5);
    ASSERT_EQ(read->Fills.size(), 1u);
    EXPECT_EQ(FillPointNumbers(read->Fills[0]), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(read->Arrows.at(0).B, 5);
    ASSERT_EQ(read->Texts.size(), 2u);
    EXPECT_EQ(read->Texts[1].Text, "杭長");
    EXPECT_EQ(read->Texts[1].Direction, 1);
    EXPECT_EQ(read->Texts[1].Kind, 2);

    // The index file centres each figure by its extent as the data file states it (two decimals).
    const FigureExtent extent{56.004, 47.536, -5.996, 0, 50, 47.536};
    const FigureIndex index{"題", 100, 90, {CentredIndexEntry("/tmp/図.fig", extent, 100, 90)}};
    EXPECT_DOUBLE_EQ(index.Entries[0].OffsetX, 28);    // (100 - 56.00) / 2 + 6.00
    EXPECT_DOUBLE_EQ(index.Entries[0].OffsetY, 21.23); // (90 - 47.54) / 2
    const std::string text = FigureIndexFileText(index);
    EXPECT_EQ(text, Sjis("題\r\n 100 " + std::string(9, ' ') + " 90 \r\n/tmp/図.fig\r\n 28 " +
                         std::string(10, ' ') + " 21.23 \r\nEND\r\n"));
    const auto back = ReadFigureIndexFile(text, &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->Title, "題");
    ASSERT_EQ(back->Entries.size(), 1u);
    EXPECT_EQ(back->Entries[0].Path, "/tmp/図.fig");
    EXPECT_DOUBLE_EQ(back->Entries[0].OffsetY, 21.23);
}

TEST(FigureFiles, BrokenFilesAreRefusedWithAReason) {
    std::string error;
    for (const char* broken :
         {"", "a\nb\n", "t\ns\nextent\n座標情報\n 1, x, 2\nEND\n", "t\ns\ne\n謎情報\nEND\n",
          "t\ns\ne\n文字情報\nテキスト\n", "t\ns\ne\n塗潰情報\n1, 2\nEND\n"}) {
        error.clear();
        EXPECT_FALSE(ReadFigureDataFile(Sjis(broken), &error)) << broken;
        EXPECT_FALSE(error.empty()) << broken;
    }
    for (const char* broken :
         {"", "t\n 0  90\nEND\n", "t\n 100 90\n/a\n", "t\n 100 90\n/a\n x y\nEND\n", "t\n 1001 90\nEND\n"}) {
        error.clear();
        EXPECT_FALSE(ReadFigureIndexFile(Sjis(broken), &error)) << broken;
        EXPECT_FALSE(error.empty()) << broken;
    }
    // Line ends of either world; blanks and full-width spaces around a path or a block name.
    const auto index = ReadFigureIndexFile(Sjis("t\r 100, 90\r\n　/a b \n 1 2\rEND"), &error);
    ASSERT_TRUE(index) << error;
    EXPECT_EQ(index->Entries.at(0).Path, "/a b");
}

TEST(FigureFiles, FilesBeyondTheBoundsAreRefused) {
    const std::string head = "題\n副題\n0,0,0,0,0,0\n";
    std::string error;
    std::string points = head + "座標情報\n";
    for (std::size_t i = 1; i <= kMaxFigurePoints + 1; ++i) {
        points += std::to_string(i) + ", 1.0, 2.0\n";
    }
    EXPECT_FALSE(ReadFigureDataFile(Sjis(points + "END\n"), &error));
    EXPECT_EQ(error, "図形の点が多すぎます（10000 まで）");
    std::string lines = head + "線分情報\n";
    for (std::size_t i = 1; i <= kMaxFigureItems + 1; ++i) {
        lines += std::to_string(i) + ", 1, 2, 1\n";
    }
    EXPECT_FALSE(ReadFigureDataFile(Sjis(lines + "END\n"), &error));
    EXPECT_EQ(error, "図形の要素が多すぎます（10000 まで）");
    // Fills of many crossing corners, lines across the figure many times over.
    std::string crossing = head + "座標情報\n";
    std::string corners;
    for (int i = 1; i <= 1000; ++i) {
        crossing +=
            std::to_string(i) + ", " + std::to_string(i % 7) + ", " + std::to_string((i % 2) * 100) + "\n";
        corners += "," + std::to_string(i);
    }
    crossing += "END\n";
    EXPECT_FALSE(ReadFigureDataFile(Sjis(crossing + "塗潰情報\n1, 1, 1" + corners + "\nEND\n"), &error));
    EXPECT_EQ(error, "塗潰しが複雑すぎます");
    EXPECT_TRUE(ReadFigureDataFile(Sjis(crossing + "塗潰情報\n1, 1, 1, 1,2,3,4\nEND\n"), &error));
    std::string across = crossing + "線分情報\n";
    for (int i = 1; i <= 3000; ++i) {
        across += std::to_string(i) + ", 1, 2, 1\n";
    }
    EXPECT_FALSE(ReadFigureDataFile(Sjis(across + "END\n"), &error));
    EXPECT_EQ(error, "線が長すぎます");
    std::string texts = head + "文字情報\n";
    for (int i = 0; i < 4; ++i) {
        texts += std::string(kMaxFigureTextCharacters / 4 + 1, 'x') + "\n1, 1, 1, 3\n";
    }
    EXPECT_FALSE(ReadFigureDataFile(Sjis(texts + "END\n"), &error));
    EXPECT_EQ(error, "文字が 20000 字を超えます");

    std::string index = "題\n 100 90\n";
    for (std::size_t i = 0; i <= kMaxFigureIndexEntries; ++i) {
        index += "/tmp/a.fig\n 0 0\n";
    }
    EXPECT_FALSE(ReadFigureIndexFile(Sjis(index + "END\n"), &error));
    EXPECT_EQ(error, "図形データファイルが多すぎます（16 まで）");
}

} // namespace
} // namespace zul
