// Structure and paging of the detailed push-in report and the two pull-out reports on whole
// studies: which parts and blocks are written, the values in their fields, the figures, and the
// tables split over pages.
#include "../calc/ExampleStudies.h"
#include "SectionTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

namespace zul {
namespace {

using test::CountShowing;
using test::Filled;
using test::SectionRun;
using test::Shows;
using test::Utf8;

TEST(SectionPaging, RowsPerPageRoundHalvesToEven) {
    const struct {
        std::int32_t lines, perRow, rows;
    } cases[] = {{42, 4, 10}, {57, 2, 28}, {58, 4, 14}, {43, 4, 11}, {2, 4, 0},
                 {6, 4, 2},   {1, 2, 0},   {3, 2, 2},   {-5, 2, -2}};
    for (const auto& c : cases) {
        EXPECT_EQ(RowsPerPage(c.lines, c.perRow), c.rows) << c.lines << " / " << c.perRow;
    }
}

// A table of a small block: head "H1" "H2", row "R", between rows "B", page end "E".
TEST(SectionPaging, TablesSplitOverPagesAndNeverLeaveAHeadAlone) {
    TemplateBlock block;
    block.Set(1, 0, "H1");
    block.Set(2, 0, "H2");
    block.Set(3, 0, "R");
    block.Set(4, 0, "B");
    block.Set(5, 0, "E");
    const struct {
        std::int32_t lineCount, rows;
        const char* expected; // the lines written, "|" for a form feed
    } cases[] = {
        {0, 3, "H1 H2 R B R B R"},
        {40, 12, "H1 H2 R B R B R B R B R B R B R B R B R B R E | H1 H2 R B R"}, // 20 lines left: 10 rows
        {58, 3, "H1 H2 R E | H1 H2 R B R"}, // 2 lines left under the head: 1 row
        {59, 3, "| H1 H2 R B R B R"},       // 1 line left: 0.5 rows, a new page first
        {61, 0, "H1 H2"},                   // no rows: the head alone stays
    };
    for (const auto& c : cases) {
        HeadingNumbering numbering;
        PageWriter ps(numbering);
        ps.CoverLines(c.lineCount);
        WritePagedTable(ps, block, TableLines{1, 2, 4, 5, 2}, c.rows,
                        [&](std::int32_t) { ps.PrintAsIs(block, 3); });
        std::string written;
        for (std::string line : test::PrintTextLines(ps.Text())) {
            if (test::StartsPage(line)) {
                written += "| ";
                line.erase(0, 1);
            }
            written += line.substr(line.find_first_not_of(' ')) + " ";
        }
        EXPECT_EQ(written, std::string(c.expected) + " ")
            << c.lineCount << " lines used, " << c.rows << " rows";
    }
}

// The detailed report and the pull-out report of every bundled example.
TEST(DetailSections, EveryExampleWritesItsPartsWithTheirValues) {
    for (const examples::ExampleStudy& e : examples::AllExamples()) {
        SCOPED_TRACE(e.fileName);
        SectionRun run(e.doc);
        const CZul& z = run.Normal();
        const std::vector<std::string> lines = run.Write(basResOutRa);
        ASSERT_TRUE(run.ok());

        // Three figures exactly for the driven pile with the automatic tip resistance.
        const bool tipPart = e.fileName == "driven-pile-auto-tip.zul";
        EXPECT_EQ(test::FigureIndexFiles(lines).size(), tipPart ? 3u : 0u);
        EXPECT_EQ(CountShowing(lines, Filled("打込杭・中堀杭の場合_2", 27, {z.RQdNN(), z.NN(), z.qd()})),
                  tipPart ? 1 : 0);

        // Ra of both cases in the block of the own-weight choice.
        const std::string block = z.IsWpRa() ? "杭の自重を考慮する場合" : "杭の自重を無視する場合";
        for (const CZul* c : {&run.Normal(), &run.Quake()}) {
            const std::vector<double> ra =
                z.IsWpRa() ? std::vector<double>{c->Ru(), c->Ws(), c->Ws(), c->Wp(), c->Ra()}
                           : std::vector<double>{c->Ru(), c->Ra()};
            EXPECT_EQ(CountShowing(lines, Filled(block, z.IsWpRa() ? 8 : 5, ra)), 1) << c->Ra();
        }
        EXPECT_EQ(CountShowing(lines, Filled(block, 1, {}, {"［常時］"})), 1);
        EXPECT_EQ(CountShowing(lines, Filled(block, 1, {}, {"［レベル１地震時］"})), 1);
        EXPECT_EQ(CountShowing(lines, Filled("許容押込み支持力の計算", 14, {z.nRa(), run.Quake().nRa()})), 1);

        // The pull-out report of its kind, with Pa of both cases.
        SectionRun pull(e.doc);
        const bool eco = z.IsEcoPile();
        const std::vector<std::string> out = pull.Write(eco ? basResOutPaEcoPile : basResOutPa);
        ASSERT_TRUE(pull.ok());
        const std::string cases = eco ? "許容引抜き力の計算_羽根杭(3)" : "許容引抜き力の計算(2)";
        for (const CZul* c : {&pull.Normal(), &pull.Quake()}) {
            const std::vector<double> pa = z.IsWpPa() ? std::vector<double>{c->Pu(), c->Wp(), c->Pa()}
                                                      : std::vector<double>{c->Pu(), c->Pa()};
            EXPECT_EQ(CountShowing(out, Filled(cases, z.IsWpPa() ? 5 : 8, pa)), 1) << c->Pa();
        }
    }
}

// The skin friction tables of the examples: a head always has rows under it, and a table that
// goes on over a page break ends the page with its page-end line.
TEST(DetailSections, FrictionTablesSplitOverPagesWithTheirHeads) {
    const struct {
        bool (*section)(ReportRun&, const ReportContext&);
        const char* block;
        std::int32_t headLast, pageEnd;
    } tables[] = {{basResOutRa, "杭の自重を無視する場合", 17, 23},
                  {basResOutRa, "杭の自重を考慮する場合", 20, 26},
                  {basResOutPa, "許容引抜き力の計算(2)", 16, 22},
                  {basResOutPaEcoPile, "許容引抜き力の計算_羽根杭(3)", 22, 28}};
    const auto isRow = [](const std::string& l) {
        return l.find("砂質土層") != std::string::npos || l.find("砂れき層") != std::string::npos ||
               l.find("粘性土層") != std::string::npos;
    };
    int heads = 0;
    int splits = 0;
    for (const examples::ExampleStudy& e : examples::AllExamples()) {
        for (const auto& t : tables) {
            SectionRun run(e.doc);
            const std::vector<std::string> lines = run.Write(t.section);
            ASSERT_TRUE(run.ok());
            const TemplateBlock b = ReadFmtSection(test::kZulFmt, t.block);
            // The units line just above the head's closing rule (the rules all look alike).
            const std::string units = Utf8(b.Text(t.headLast - 1));
            for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
                if (Shows(lines[i], units)) {
                    ++heads;
                    EXPECT_TRUE(isRow(lines[i + 2])) << e.fileName << " " << t.block;
                }
                if (i > 0 && test::StartsPage(lines[i + 1]) && isRow(lines[i - 1])) {
                    ++splits;
                    EXPECT_TRUE(Shows(lines[i], Utf8(b.Text(t.pageEnd)))) << e.fileName << " " << t.block;
                }
            }
        }
    }
    EXPECT_GE(heads, 8); // both cases of every example's push-in and pull-out report
    EXPECT_GT(splits, 0);
}

TEST(DetailSections, MeanNValueAbove40IsLimitedInWords) {
    for (double n : {30.0, 50.0}) {
        examples::ExampleStudy e = examples::DrivenPileAutoTip();
        testdocs::SetNValues(e.doc, {{1, n}, {5, n}, {9, n}, {12, n}});
        SectionRun run(e.doc);
        const std::vector<std::string> lines = run.Write(basResOutRa);
        ASSERT_TRUE(run.ok());
        EXPECT_EQ(CountShowing(lines, Filled("打込杭・中堀杭の場合_1", 9, {n})), 1);
        EXPECT_EQ(CountShowing(lines, Filled("打込杭・中堀杭の場合_1", 11)), n > 40 ? 1 : 0) << n;
        EXPECT_EQ(run.Normal().NN(), std::min(n, 40.0));
    }
}

TEST(DetailSections, FrictionPileHasNoTipResistancePart) {
    examples::ExampleStudy e = examples::DrivenPileAutoTip();
    e.doc.InpJyoken.Siji = 1;
    SectionRun run(e.doc);
    const std::vector<std::string> lines = run.Write(basResOutRa);
    ASSERT_TRUE(run.ok());
    EXPECT_TRUE(test::FigureIndexFiles(lines).empty());
    EXPECT_EQ(CountShowing(lines, Utf8(ReadFmtSection(test::kZulFmt, "打込杭・中堀杭の場合_1").Text(1))), 0);
    // The ultimate capacity is the friction alone.
    const CZul& z = run.Normal();
    EXPECT_EQ(CountShowing(lines, Filled("杭の自重を無視する場合", 12, {z.Up(), z.QfRa(), z.Ru()})), 1);
}

// A driven pile of 2 m in ground whose N-value rises steadily with depth: its four diameters hold
// 80 N-value intervals and the area balance of the embedment some 40; both interval tables run
// over several pages.
ProjectDocument LongIntervalStudy() {
    ProjectDocument doc = examples::DrivenPileAutoTip().doc;
    doc.InpJyoken.D = 2.0;
    doc.InpJyoken.QdSiji = 2;
    std::vector<std::pair<double, double>> points;
    for (int i = 1; i <= kMaxNPoints; ++i) {
        points.emplace_back(0.1 * i, 2 + 0.45 * i);
    }
    testdocs::SetNValues(doc, points);
    return doc;
}

// Page of each line (form feeds before it) and the lines used on a page up to a line, counting
// the lines the N-value figures on it cover.
std::vector<std::int32_t> PageOfLines(const std::vector<std::string>& lines) {
    std::vector<std::int32_t> page;
    std::int32_t p = 0;
    for (const std::string& l : lines) {
        p += test::StartsPage(l) ? 1 : 0;
        page.push_back(p);
    }
    return page;
}

std::int32_t LinesUsedUpTo(const std::vector<std::string>& lines, std::size_t last) {
    std::int32_t used = 0;
    for (std::size_t i = last + 1; i-- > 0;) {
        used += 1 + (lines[i].find("?FG;000;000;") != std::string::npos ? kLinesUnderNValueFigure : 0);
        if (test::StartsPage(lines[i])) {
            break;
        }
    }
    return used;
}

TEST(DetailSections, IntervalTablesRunOverPagesWithTheirHeads) {
    SectionRun run(LongIntervalStudy());
    const CZul& z = run.Normal();
    ASSERT_GT(z.N24D().Count(), 60);
    ASSERT_GT(z.Neires().Count(), 14);
    const std::vector<std::string> lines = run.Write(basResOutRa);
    ASSERT_TRUE(run.ok());
    const std::vector<std::int32_t> page = PageOfLines(lines);

    // The middle line of each interval's row, in order.
    std::vector<std::string> n24d;
    for (const clsZulN2& iv : z.N24D()) {
        n24d.push_back(Filled("打込杭・中堀杭の場合_1", 22, {iv.Lii, iv.Ni, iv.LiNi}));
    }
    std::vector<std::string> neires;
    for (const clsZulNeire& iv : z.Neires()) {
        neires.push_back(Filled("打込杭・中堀杭の場合_2", 12, {iv.Lii, iv.Ni, iv.LiNi}));
    }
    const struct {
        const char* block;
        std::int32_t headFirst, columns, pageEnd;
        const std::vector<std::string>& rows;
    } tables[] = {{"打込杭・中堀杭の場合_1", 17, 18, 25, n24d}, {"打込杭・中堀杭の場合_2", 7, 8, 15, neires}};
    for (const auto& t : tables) {
        SCOPED_TRACE(t.block);
        const TemplateBlock b = ReadFmtSection(test::kZulFmt, t.block);
        const std::string columns = Utf8(b.Text(t.columns));
        const auto firstHead =
            std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return Shows(l, columns); });
        ASSERT_NE(firstHead, lines.end());
        const std::size_t headEnd = static_cast<std::size_t>(firstHead - lines.begin()) + 2;

        std::map<std::int32_t, std::int32_t> rowsOnPage;
        std::size_t from = headEnd;
        for (const std::string& row : t.rows) {
            while (from < lines.size() && !Shows(lines[from], row)) {
                ++from;
            }
            ASSERT_LT(from, lines.size()) << "row missing: " << row;
            ++rowsOnPage[page[from]];
        }
        ASSERT_GT(rowsOnPage.size(), 1u) << "the table fits one page";
        const std::int32_t firstPage = page[headEnd];
        EXPECT_EQ(rowsOnPage.begin()->first, firstPage);
        EXPECT_EQ(rowsOnPage[firstPage], RowsPerPage(kLinesPerPage - LinesUsedUpTo(lines, headEnd), 4));
        for (auto it = std::next(rowsOnPage.begin()); it != rowsOnPage.end(); ++it) {
            if (std::next(it) != rowsOnPage.end()) {
                EXPECT_EQ(it->second, 14) << "page " << it->first; // (62 - 4) / 4 = 14.5
            }
            // The page before ends with the page-end line; this one starts with the head.
            const auto start = std::find(page.begin(), page.end(), it->first) - page.begin();
            EXPECT_TRUE(Shows(lines[start - 1], Utf8(b.Text(t.pageEnd))));
            EXPECT_TRUE(Shows(lines[start], Utf8(b.Text(t.headFirst))));
            EXPECT_TRUE(Shows(lines[start + 1], columns));
        }
    }
}

// The tip resistance heading with its chart needs ten lines: on studies whose embedment table
// ends at different places of a page it starts a new page exactly when fewer are left, counting
// the 26 lines under each N-value figure.
TEST(DetailSections, TipChartStartsANewPageWhenTooFewLinesAreLeft) {
    const std::string heading = Utf8(ReadFmtSection(test::kZulFmt, "打込杭・中堀杭の場合_2").Text(21));
    int newPages = 0;
    int samePages = 0;
    for (int tenths = 5; tenths <= 20; ++tenths) {
        ProjectDocument doc = LongIntervalStudy();
        doc.InpJyoken.D = tenths / 10.0;
        SectionRun run(doc);
        const std::vector<std::string> lines = run.Write(basResOutRa);
        ASSERT_TRUE(run.ok());
        const auto at =
            std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return Shows(l, heading); });
        ASSERT_NE(at, lines.end());
        const std::size_t i = static_cast<std::size_t>(at - lines.begin());
        if (test::StartsPage(*at)) {
            ++newPages;
            EXPECT_LT(kLinesPerPage - LinesUsedUpTo(lines, i - 1), 10) << "D " << doc.InpJyoken.D;
        } else {
            ++samePages;
            EXPECT_GE(kLinesPerPage - LinesUsedUpTo(lines, i - 2), 10) << "D " << doc.InpJyoken.D;
            EXPECT_TRUE(lines[i - 1].empty());
        }
    }
    EXPECT_GT(newPages, 0);
    EXPECT_GT(samePages, 0);
}

TEST(DetailSections, FiguresFitTheirAreasAndCarryTheirTexts) {
    SectionRun run(LongIntervalStudy());
    const std::vector<std::string> lines = run.Write(basResOutRa);
    ASSERT_TRUE(run.ok());
    const std::vector<std::string> index = test::FigureIndexFiles(lines);
    ASSERT_EQ(index.size(), 3u);
    const struct {
        double width, height;
        std::vector<std::string> texts;
    } figures[] = {{100, 90, {"Ｎ値", "D", "4･D", "50"}},
                   {100, 90, {"Ｎ値", "D", "換算根入れ長深さ", "Ｎ", "＿"}},
                   {80,
                    55,
                    {"qd", "Ｎ", "──", "＿", "支持層への換算根入れ深さ", "杭  径", "(─────────────)",
                     "開端鋼管杭の場合", "300", "5"}}};
    for (std::size_t f = 0; f < 3; ++f) {
        SCOPED_TRACE(f);
        const std::vector<std::string> idx = test::PrintLines(index[f]);
        ASSERT_GE(idx.size(), 5u);
        double areaW = 0, areaH = 0;
        std::sscanf(idx[1].c_str(), "%lf %lf", &areaW, &areaH);
        EXPECT_EQ(areaW, figures[f].width);
        EXPECT_EQ(areaH, figures[f].height);
        const std::vector<std::string> data = test::PrintLines(idx[2]);
        ASSERT_GE(data.size(), 3u);
        EXPECT_EQ(data[0], "ｺﾝｸﾘｰﾄの応力～ひずみ関係図");
        double w = 0, h = 0;
        ASSERT_EQ(std::sscanf(data[2].c_str(), "%lf, %lf", &w, &h), 2);
        EXPECT_GT(w, 0.5 * figures[f].width) << "readable: the figure fills its area";
        EXPECT_LE(w, figures[f].width);
        EXPECT_LE(h, figures[f].height);
        for (const std::string& text : figures[f].texts) {
            EXPECT_NE(std::find(data.begin(), data.end(), text), data.end()) << text;
        }
    }
}

TEST(DetailSections, RotaryPressInPullOutStartsEachCaseOnANewPage) {
    // With the supplements the case headings follow the pile values on their page instead of
    // standing nearly alone on one.
    for (const bool supplement : {true, false}) {
        SCOPED_TRACE(supplement);
        SectionRun run(examples::RotaryPressInPile().doc);
        run.SetSupplement(supplement);
        const std::vector<std::string> lines = run.Write(basResOutPaEcoPile);
        ASSERT_TRUE(run.ok());
        const TemplateBlock b = ReadFmtSection(test::kZulFmt, "許容引抜き力の計算_羽根杭(2)", 80);
        const auto first = std::find_if(lines.begin(), lines.end(),
                                        [&](const std::string& l) { return Shows(l, Utf8(b.Text(1))); });
        ASSERT_NE(first, lines.end());
        EXPECT_EQ(test::StartsPage(*first), !supplement);
        for (const char* name : {"［常時］", "［レベル１地震時］"}) {
            const std::string heading = Filled("許容引抜き力の計算_羽根杭(3)", 1, {}, {name});
            const auto at = std::find_if(lines.begin(), lines.end(),
                                         [&](const std::string& l) { return Shows(l, heading); });
            ASSERT_NE(at, lines.end()) << name;
            EXPECT_TRUE(test::StartsPage(*at)) << name;
        }
        if (supplement) {
            continue;
        }
        // The case headings page: a blank line before each heading but the first.
        std::size_t i = static_cast<std::size_t>(first - lines.begin());
        for (std::int32_t k = 2; k <= 8; ++k) {
            ++i;
            if (b.Level(k) != 0) {
                EXPECT_TRUE(lines[i].empty()) << k;
                ++i;
            }
            EXPECT_TRUE(Shows(lines[i], Utf8(b.Text(k)))) << k;
        }
        // Blade resistance with its factors.
        const CZul& z = run.Normal();
        EXPECT_EQ(CountShowing(
                      lines, Filled("許容引抜き力の計算_羽根杭(3)", 15,
                                    {z.Dw(), z.Qw(), z.Gave(), z.H(), z.Beta(), z.Fai(), z.Up(), z.QfPa()})),
                  1);
    }
}

// The blade pull-out with the supplements: H put into the formula of Pu, and φ with the values
// it was found from (the overburden after its lower bound, the corrected N), or why it is 0.
TEST(DetailSections, RotaryPressInPullOutShowsHowPhiWasFound) {
    const std::string block = "許容引抜き力の計算_羽根杭(3)_補足";
    const ProjectDocument base = examples::RotaryPressInPile().doc;
    const std::size_t tip = static_cast<std::size_t>(
        SectionRun(base).Normal().PaLiFi().Item(SectionRun(base).Normal().PaLiFi().Count())->No);
    const struct {
        const char* what;
        std::optional<double> kind, n;
        std::int32_t line; // of the angle
    } cases[] = {{"sand", {}, {}, 44}, {"clay at the tip", 2.0, {}, 45}, {"N 3 at the tip", {}, 3.0, 46}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProjectDocument doc = base;
        if (c.kind) {
            doc.JibanLayer(1, tip) = CellValue::Number(*c.kind);
        }
        if (c.n) {
            doc.JibanLayer(5, tip) = CellValue::Number(*c.n);
        }
        SectionRun run(doc);
        run.SetSupplement(true);
        const std::vector<std::string> lines = run.Write(basResOutPaEcoPile);
        ASSERT_TRUE(run.ok());
        for (const CZul* z : {&run.Normal(), &run.Quake()}) {
            const CZul::FaiBasis& basis = z->FaiFrom();
            EXPECT_GE(CountShowing(
                          lines, Filled(block, 15,
                                        {z->H(), z->Dw(), z->Qw(), z->Gave(), z->H(), z->Beta(), z->Fai()})),
                      1);
            EXPECT_GE(CountShowing(lines, Filled(block, 47, {z->Up(), z->QfPa()})), 1);
            const std::vector<double> values = c.line == 44
                                                   ? std::vector<double>{basis.nc, z->Fai(), z->Beta()}
                                                   : std::vector<double>{basis.tipN};
            EXPECT_GE(CountShowing(lines, Filled(block, c.line, values)), 1);
            if (c.line == 44) {
                EXPECT_GE(basis.sv, 50.0);
                EXPECT_NEAR(basis.nc, 170 * basis.n / (basis.sv + 70), 1e-12);
                EXPECT_GE(CountShowing(lines, Filled(block, 42, {basis.sv})), 1);
                EXPECT_GE(CountShowing(lines, Filled(block, 43, {basis.n, basis.sv, basis.nc})), 1);
            } else {
                EXPECT_EQ(z->Fai(), 0);
            }
        }
    }
}

TEST(DetailSections, PullOutWithoutOwnWeightLeavesThePileWeightOut) {
    for (int ownWeight : {0, 1}) {
        examples::ExampleStudy e = examples::EndBearingPile();
        e.doc.InpJyoken.IsWpPa = ownWeight;
        SectionRun run(e.doc);
        const std::vector<std::string> lines = run.Write(basResOutPa);
        ASSERT_TRUE(run.ok());
        const CZul& z = run.Normal();
        EXPECT_EQ(CountShowing(lines, Filled("許容引抜き力の計算(1)", 15,
                                             {z.Gp1(), z.L1(), z.Gp2(), z.L2(), z.Ap(), z.Wp()})),
                  ownWeight);
        EXPECT_EQ(CountShowing(lines, Filled("許容引抜き力の計算(1)", 24, {z.Dp(), z.Up()})), 1);
    }
}

TEST(DetailSections, AMissingBlockFailsTheSection) {
    SectionRun run(examples::DrivenPileAutoTip().doc);
    test::TestFolder folder;
    const std::string fmt = folder.file("Zul.fmt");
    test::WriteBytes(fmt, test::Sjis("許容押込み支持力の計算\r\n  1 1見出し\r\nEnd\r\n"));
    ReportContext ctx = run.Context();
    ctx.paths.fmtFile = fmt;
    EXPECT_FALSE(basResOutRa(run.Run(), ctx));
    EXPECT_FALSE(basResOutPa(run.Run(), ctx));
    EXPECT_FALSE(basResOutPaEcoPile(run.Run(), ctx));
}

TEST(SectionTemplates, HeadingsOfTheReportHaveTheirLevels) {
    // Each report opens a chapter; the case headings are sections of it.
    EXPECT_EQ(ReadFmtSection(test::kZulFmt, "許容押込み支持力の計算").Level(1), 1);
    EXPECT_EQ(ReadFmtSection(test::kZulFmt, "許容引抜き力の計算(1)").Level(1), 1);
    EXPECT_EQ(ReadFmtSection(test::kZulFmt, "許容引抜き力の計算_羽根杭(1)", 80).Level(1), 1);
    for (const char* block : {"杭の自重を無視する場合", "杭の自重を考慮する場合", "許容引抜き力の計算(2)",
                              "許容引抜き力の計算_羽根杭(3)", "打込杭・中堀杭の場合_1"}) {
        EXPECT_EQ(ReadFmtSection(test::kZulFmt, block).Level(1), 2) << block;
    }
}

} // namespace
} // namespace zul
