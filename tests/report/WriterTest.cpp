#include "ReportTestSupport.h"
#include "report/FigureBuilder.h"
#include "report/HeadingNumbering.h"
#include "report/PageWriter.h"
#include "report/ReportRun.h"
#include "report/ReportTempFiles.h"
#include "report/SectionSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zul {
namespace {

using test::PrintLines;
using test::Sjis;
using test::TestFolder;
using test::Utf8;

TEST(FormatNumField, PicturesSignsAndWidths) {
    struct Case {
        double value;
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {3.14159, "##0.00", "  3.14"},
        {12345.6, "##0.00", "12345.60"}, // longer than the field: cut when written over it
        {2, "+#0.0", " +2.0"},
        {-2, "+#0.0", " -2.0"},
        {0, "+#0.0", " +0.0"},
        {1234567.89, "###,##0.0", "1,234,567.9"},
        {999, "###,##0.0", "    999.0"},
        {1234.5, "##0,.0", "1,234.5"}, // a comma only groups, it never divides
        {1234.5, "#,", "1,235"},
        {-0.0004, "##0.00", " -0.00"},   // a negative value keeps its sign
        {-1234, "\\##,##0", "-\\1,234"}, // the minus sign before the "\"
        {56, "\\##,##0", "    \\56"},
        {0, "##0", "  0"},
        {0, "###", "   "},
        {2.5, "#0", " 3"},
        {-2.5, "#0", "-3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatNumField(c.value, c.format), c.expected) << c.value << " in " << c.format;
    }
}

TEST(FindFields, CharacterWiseScanAndFieldKinds) {
    // "表" and "ソ" end with the byte of "\": never the start of a numeric field.
    const std::string tmpl = Sjis("表#,##0.0 ソ#0 +#0.0 \\##0 Ｌ＝##0.000m");
    const auto nums = FindNumFields(tmpl);
    ASSERT_EQ(nums.size(), 5u);
    EXPECT_EQ(nums[0], (TemplateField{2, 7, "#,##0.0"}));
    EXPECT_EQ(nums[1].format, "#0");
    EXPECT_EQ(nums[2].format, "+#0.0");
    EXPECT_EQ(nums[3].format, "\\##0");
    EXPECT_EQ(nums[4].format, "##0.000");

    const std::string texts = Sjis("!&>    &・&   &");
    const auto strs = FindStrFields(texts);
    ASSERT_EQ(strs.size(), 2u); // "!" counts only when no "&" follows
    EXPECT_EQ(strs[0], (TemplateField{1, 7, "@@@@@@@"}));
    EXPECT_EQ(strs[1], (TemplateField{10, 5, "!@@@@@"}));
    EXPECT_EQ(FindStrFields("a ! b").size(), 1u);
    EXPECT_EQ(FindStrFields("a &open to end").at(0).width, 12u);

    std::string many;
    for (int i = 0; i < 21; ++i) {
        many += "# ";
    }
    EXPECT_THROW(FindNumFields(many), ReportError);
}

TEST(FillTemplate, OverwriteRuleKeepsTheLineLength) {
    struct Case {
        const char* tmpl;
        std::vector<double> numbers;
        std::vector<std::string> texts;
        const char* expected;
    };
    const Case cases[] = {
        {"[##0.00]", {3.14159}, {}, "[  3.14]"},
        {"[##0.00]", {12345.6}, {}, "[12345.]"},
        {"[&>    &]", {}, {"表"}, "[     表]"},
        {"[&     &]", {}, {"表"}, "[表     ]"},
        {"[&  &]", {}, {"地盤条件"}, "[地盤]"},
        {"[&   &]", {}, {"地盤条件"}, "[地盤 ]"}, // a cut two-byte character leaves a space
        {"[&   &]", {}, {""}, "[     ]"},
        {"[##0][&  &]", {}, {}, "[  0][    ]"}, // missing values: 0 and the empty text
        {"[#0.0][!]", {1.25, 9}, {"AB"}, "[ 1.3][A]"},
        {"[&   &]", {}, {"Ω☃"}, "[Ω?  ]"},        // not in code page 932: "?"
        {"[&   &]", {}, {"a\r\n\fb"}, "[a   b]"}, // control characters: spaces
    };
    for (const Case& c : cases) {
        const std::string line = FillTemplate(Sjis(c.tmpl), c.numbers, c.texts);
        EXPECT_EQ(Utf8(line), c.expected) << c.tmpl;
        EXPECT_EQ(line.size(), Sjis(c.tmpl).size());
    }
}

TEST(NumberText, StylesAndSetBack) {
    struct Case {
        std::int32_t style, counter;
        const char* expected;
        std::int32_t counterAfter;
    };
    const Case cases[] = {
        {1, 12, "12", 12}, {2, 3, "(3)", 3},  {3, 2, "2)", 2},   {4, 2, "(b)", 2}, {4, 27, "(a)", 1},
        {5, 26, "z)", 26}, {6, 4, "(iv)", 4}, {6, 11, "(i)", 1}, {7, 9, "ix)", 9}, {8, 20, "⑳", 20},
        {8, 21, "①", 1},   {9, 5, "･", 5},    {0, 5, "", 5},     {1, 0, "", 0},    {10, 1, "", 1},
    };
    for (const Case& c : cases) {
        std::int32_t counter = c.counter;
        EXPECT_EQ(NumberText(c.style, counter), c.expected) << c.style << "/" << c.counter;
        EXPECT_EQ(counter, c.counterAfter);
    }
}

// A page writer with its heading numbering.
struct Writer {
    HeadingNumbering numbering;
    PageWriter state{numbering};
    std::vector<std::string> lines() const { return test::PrintTextLines(state.Text()); }
};

TEST(LineHead, NumberingMethodsMarginsAndCounters) {
    struct Case {
        NumberingSettings settings;
        std::vector<std::int32_t> levels;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{0, 1, {1, 1, 1, 1}, {0, 2, 4, 6}}, {1, 2, 0, 3, 0}, {"?R1T", "  ?R2T", "  T", "    T", "  T"}},
        {{2, 1, {1, 1, 0, 0}, {0, 0, 0, 0}}, {1, 2, 0, 2}, {"?R11. T", "?R21-1 T", "  T", "?R21-2 T"}},
        {{3, 2, {1, 1, 2, 8}, {0, 2, 4, 8}},
         {1, 2, 3, 0, 4, 4, 0},
         {"?R12. T", "  ?R22.1 T", "    2.1.(1) T", "      T", "        ① T", "        ② T", "          T"}},
        {{1, 0, {1, 3, 5, 0}, {1, 1, 1, 1}}, {1, 2, 3, 1}, {" ?R1 T", " ?R21) T", " a) T", " ?R11 T"}},
    };
    for (const Case& c : cases) {
        Writer w;
        w.numbering.Restart(c.settings);
        for (const std::int32_t level : c.levels) {
            w.state.PrintFmtLine(level, "T");
        }
        EXPECT_EQ(w.state.LineCount(), static_cast<std::int32_t>(c.levels.size()));
        EXPECT_EQ(w.lines(), c.expected) << "method " << c.settings.Method;
    }
}

// With the supplements a level without a number style prints no number, separator or dot;
// without them the same settings print ". T" as they always did.
TEST(LineHead, SupplementLeavesOutLevelsWithoutStyle) {
    struct Case {
        NumberingSettings settings;
        std::vector<std::int32_t> levels;
        std::vector<std::string> base, supplement;
    };
    const Case cases[] = {
        {{3, 1, {0, 0, 0, 0}, {0, 0, 0, 0}}, {1, 2, 4}, {"?R1. T", "?R2. T", " T"}, {"?R1T", "?R2T", "T"}},
        {{2, 1, {0, 1, 0, 1}, {0, 0, 0, 0}},
         {1, 2, 3, 4},
         {"?R1. T", "?R2-1 T", "-1- T", "1 T"},
         {"?R1T", "?R21 T", "T", "1 T"}},
        {{3, 1, {1, 0, 2, 0}, {0, 0, 0, 0}},
         {1, 2, 3},
         {"?R11. T", "?R21. T", "1..(1) T"},
         {"?R11. T", "?R2T", "1.(1) T"}},
        {{1, 1, {1, 0, 0, 0}, {0, 0, 0, 0}}, {1, 2}, {"?R11 T", "?R2 T"}, {"?R11 T", "?R2T"}},
    };
    for (const Case& c : cases) {
        for (const bool supplement : {false, true}) {
            Writer w;
            w.numbering.Restart(c.settings, supplement);
            for (const std::int32_t level : c.levels) {
                w.state.PrintFmtLine(level, "T");
            }
            EXPECT_EQ(w.lines(), supplement ? c.supplement : c.base)
                << "method " << c.settings.Method << (supplement ? " with" : " without") << " supplements";
        }
    }
}

TEST(PageControl, PageCheckBlankAndFormFeed) {
    Writer w;
    w.state.CoverLines(50);
    w.state.PageCheck(10, 1);
    EXPECT_EQ(w.state.LineCount(), 51);
    w.state.CoverLines(4);
    w.state.PageCheck(10, 1);
    EXPECT_EQ(w.state.LineCount(), 0);
    w.state.PrintFmtLine(0, "x");
    w.state.PrintBlank(2);
    EXPECT_EQ(w.state.LineCount(), 3);
    w.state.AppendFormFeed(); // between two parts: the count stays
    EXPECT_EQ(w.state.LineCount(), 3);
    EXPECT_EQ(w.lines(), (std::vector<std::string>{"", "\f  x", "", "", "\f"}));

    // Rows per page: lines left / lines per row, halves to even.
    struct Rows {
        std::int32_t used, perRow, expected;
    };
    for (const Rows& r : {Rows{20, 4, 10}, Rows{18, 4, 11}, Rows{22, 4, 10}, Rows{5, 4, 14}, Rows{5, 2, 28},
                          Rows{55, 2, 4}, Rows{57, 2, 2}, Rows{61, 4, 0}}) {
        EXPECT_EQ(RowsPerPage(kLinesPerPage - r.used, r.perRow), r.expected) << r.used << "/" << r.perRow;
    }
}

TEST(Templates, BlocksCommentsLimitsAndMissingBlocks) {
    TestFolder folder;
    const std::string fmt = folder.file("Zul.fmt");
    test::WriteBytes(fmt, Sjis("一覧\r\n  1 0before\r\nEnd\r\n計算条件\r\n'comment\r\n  1 1表題\r\n"
                               " 12 0  ##0.00\r\n  3 0\r\n 51 0over\r\nEnd\r\nEnd\r\n短い\r\n2   "
                               "2x\r\nEnd\r\n零\r\n  0 0\r\nEnd\r\n"));
    const TemplateBlock block = ReadFmtSection(fmt, "短い");
    EXPECT_EQ(block.count(), 1);
    EXPECT_EQ(block.Level(2), 2);
    EXPECT_EQ(block.Text(1), ""); // undefined: an empty body line
    EXPECT_EQ(block.Level(1), 0);
    EXPECT_THROW(block.Text(51), ReportError);
    EXPECT_THROW(ReadFmtSection(fmt, "計算条件"), ReportError); // number 51 above the limit
    const TemplateBlock wide = ReadFmtSection(fmt, "計算条件", 80);
    EXPECT_EQ(wide.count(), 4);
    EXPECT_EQ(Utf8(wide.Text(1)), "表題");
    EXPECT_EQ(wide.Level(1), 1);
    EXPECT_EQ(wide.Text(12), "  ##0.00");
    EXPECT_THROW(ReadFmtSection(fmt, "ない"), ReportError);
    EXPECT_THROW(ReadFmtSection(fmt, "零"), ReportError); // template number 0
    EXPECT_THROW(ReadFmtSection(folder.file("none.fmt"), "一覧"), ReportError);
}

TEST(Templates, ABrokenTemplateNamesTheFileLineAndReason) {
    TestFolder folder;
    const std::string fmt = folder.file("my.fmt");
    std::string manyFields;
    for (int i = 0; i < 21; ++i) {
        manyFields += " #";
    }
    const struct {
        std::string contents;
        std::string reason;
    } cases[] = {
        {"他\r\nEnd\r\n", "にブロック「一覧」がありません。"},
        {"一覧\r\n  1 0x\r\n", "のブロック「一覧」が End で終わっていません。"},
        {"一覧\r\n  x 0x\r\nEnd\r\n",
         "の2行目（ブロック「一覧」）：行の番号（1～3桁目）が正しくありません。"},
        {"一覧\r\n 51 0x\r\nEnd\r\n",
         "の2行目（ブロック「一覧」）：行の番号 51 がこのブロックの上限 50 を超えています。"},
        {"'c\r\n一覧\r\n  1 0" + manyFields + "\r\nEnd\r\n",
         "の3行目（ブロック「一覧」）：数値の欄が20を超えています。"},
    };
    for (const auto& c : cases) {
        test::WriteBytes(fmt, Sjis(c.contents));
        try {
            ReadFmtSection(fmt, "一覧");
            ADD_FAILURE() << c.reason;
        } catch (const ReportError& e) {
            EXPECT_EQ(std::string(e.what()), "帳票書式ファイル（" + fmt + "）" + c.reason);
        }
    }
    // A folder or a pipe is refused at once, with the reason.
    const std::string fifo = folder.file("pipe.fmt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {folder.path().string(), fifo}) {
        try {
            ReadFmtSection(path, "一覧");
            ADD_FAILURE() << path;
        } catch (const ReportError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "帳票書式ファイル（" + path +
                          "）を読み込めません：通常のファイルではありません（フォルダ、"
                          "パイプ、デバイスなど）。");
        }
    }
}

TEST(ReportRun, AFailedFigureWriteIsNamedAndKeptAsTheRunsWriteError) {
    TestFolder folder;
    ReportRun run(folder.path().string());
    const std::string target = folder.file("missing/figure");
    EXPECT_FALSE(RunReportPart(run, [&] { run.Figure().WriteFigFile(target, "題", "副"); }));
    EXPECT_EQ(run.FailureReason().rfind("図のファイル（" + target + "）を書き込めません：", 0), 0u)
        << run.FailureReason();
    EXPECT_EQ(run.WriteError(), 76); // path not found
    EXPECT_FALSE(RunReportPart(run, [] { throw ReportError("other", 61); }));
    EXPECT_EQ(run.FailureReason(), "other");
    EXPECT_EQ(run.WriteError(), 76); // the first lost write stays
    run.ForgetFailures();
    EXPECT_EQ(run.WriteError(), 0);
}

TEST(ReportTempFiles, LimitedMadeInTheFolderAndDeletedWithTheirOwner) {
    TestFolder folder;
    std::vector<std::string> made;
    {
        ReportTempFiles files(folder.path().string());
        for (std::size_t i = 0; i < kMaxPrnTempFiles; ++i) {
            made.push_back(files.NewPrnFile());
        }
        EXPECT_THROW(files.NewPrnFile(), ReportError);
        made.push_back(files.NewFigFile());
        EXPECT_EQ(made.front().rfind(folder.path().string() + "/~PS", 0), 0u);
        EXPECT_EQ(files.FigFiles().size(), 1u);
    }
    for (const std::string& path : made) {
        EXPECT_FALSE(std::filesystem::exists(path)) << path;
    }
    ReportTempFiles missing(folder.file("missing"));
    try {
        missing.NewPrnFile();
        ADD_FAILURE() << "a file in a missing folder";
    } catch (const ReportError& e) {
        EXPECT_NE(e.FileErrorCode(), 0);
    }
}

} // namespace
} // namespace zul
