// The detailed report and the pull-out reports with the supplements for a checker: the friction
// tables show γi, Ws and f, DE behind fi, the tip resistance says where qd comes from, how the
// embedment was found and which pile end was assumed, and every page holds enough to read.
#include "../calc/ExampleStudies.h"
#include "SectionTestSupport.h"
#include "calc/CalcMath.h"
#include "document/SoilKind.h"
#include "report/DetailReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace zul {
namespace {

using test::CountShowing;
using test::Filled;
using test::SectionRun;
using test::Shows;
using test::Utf8;

using Section = bool (*)(ReportRun&, const ReportContext&);

// The lines a section writes on a study with the supplements.
std::vector<std::string> WriteChecked(SectionRun& run, Section section) {
    run.SetSupplement(true);
    std::vector<std::string> lines = run.Write(section);
    EXPECT_TRUE(run.ok());
    return lines;
}

// Every friction row of both cases with its values in the supplement block: γi and Ws with the
// pile's own weight (push-in) or γi・Li (rotary pull-out), f and DE of the earthquake case with
// fi ＝ f・DE as rounded to 0.1.
TEST(SupplementDetail, FrictionRowsShowUnitWeightsAndTheReductionOfTheEarthquakeCase) {
    int rows = 0;
    for (const examples::ExampleStudy& e : examples::AllExamples()) {
        SCOPED_TRACE(e.fileName);
        for (const bool pushIn : {true, false}) {
            SectionRun run(e.doc);
            const CZul& z = run.Normal();
            const bool eco = z.IsEcoPile();
            const std::vector<std::string> lines =
                WriteChecked(run, pushIn ? basResOutRa : (eco ? basResOutPaEcoPile : basResOutPa));
            const std::string block =
                pushIn ? (z.IsWpRa() ? "杭の自重を考慮する場合_補足" : "杭の自重を無視する場合_補足")
                       : (eco ? "許容引抜き力の計算_羽根杭(3)_補足" : "許容引抜き力の計算(2)_補足");
            const bool weights = pushIn ? z.IsWpRa() : eco;
            for (const int c : {0, 1}) {
                const CZul& obj = c == 0 ? run.Normal() : run.Quake();
                const std::int32_t first = c == 1 ? 30 : (pushIn ? (z.IsWpRa() ? 16 : 13) : (eco ? 18 : 12));
                for (const clsZulLiFi& s : pushIn ? obj.RaLiFi() : obj.PaLiFi()) {
                    std::vector<double> v{static_cast<double>(s.No), LayerNValue(e.doc, s.No), s.Lii};
                    if (weights) {
                        v.insert(v.end(), {s.Gs, s.Ws});
                    }
                    if (c == 1) {
                        const clsZulJiban& layer = *obj.Jiban().Item(s.No);
                        v.insert(v.end(), {layer.f, layer.DE});
                        if (!s.IsNonF) {
                            EXPECT_DOUBLE_EQ(calcmath::Round(layer.f * layer.DE, 1), s.Fi);
                        }
                    }
                    v.insert(v.end(), {s.Fi, s.LiFi});
                    const std::string row =
                        Filled(block, first + (s.IsNonF ? 5 : 6), v, {std::string(SoilKindName(s.Kind))});
                    EXPECT_GE(CountShowing(lines, row), 1) << block << " case " << c << ": " << row;
                    ++rows;
                }
            }
        }
    }
    EXPECT_GE(rows, 30);
}

// A study of the driven example with its embedment mode and pile end changed.
ProjectDocument DrivenWith(std::int32_t embedment, std::int32_t openEnd) {
    ProjectDocument doc = examples::DrivenPileAutoTip().doc;
    doc.InpJyoken.QdSiji = embedment;
    doc.InpJyoken.ELSL = -8.5;
    doc.InpJyoken.Bottom = openEnd;
    return doc;
}

// The total row of every friction table stands on its own line, its conclusion "∴ ΣLi・fi" on
// a line after the table, with the pile's own weight and without it.
TEST(SupplementDetail, TotalRowsStandOnTheirOwnLines) {
    for (const examples::ExampleStudy& e : examples::AllExamples()) {
        for (const int ownWeight : {0, 1}) {
            SCOPED_TRACE(e.fileName + (ownWeight ? " with" : " without") + " own weight");
            ProjectDocument doc = e.doc;
            doc.InpJyoken.IsWpRa = ownWeight;
            doc.InpJyoken.IsWpPa = ownWeight;
            SectionRun run(doc);
            const Section pullOut = run.Normal().IsEcoPile() ? basResOutPaEcoPile : basResOutPa;
            for (const Section section : {Section{basResOutRaRu}, pullOut}) {
                std::size_t totals = 0;
                for (const std::string& line : WriteChecked(run, section)) {
                    const bool total =
                        line.find("合　計") != std::string::npos || line.find("合計") != std::string::npos;
                    totals += total ? 1 : 0;
                    EXPECT_FALSE(total && line.find("∴") != std::string::npos) << line;
                }
                EXPECT_GT(totals, 0u);
            }
        }
    }
}

TEST(SupplementDetail, TipResistanceSaysWhereQdComesFromAndHowTheEmbedmentWasFound) {
    const std::string tip = "打込杭・中堀杭の場合_2_補足";
    const std::string conditions = "許容押込み支持力の計算_補足";
    // The entered qd of a cast-in-place pile names its layer: layer 2, sandy gravel, N 40.
    {
        SectionRun run(examples::EndBearingPile().doc);
        const std::vector<std::string> lines = WriteChecked(run, basResOutRa);
        EXPECT_EQ(CountShowing(lines, Filled(conditions, 39, {2, 40}, {"砂れき層"})), 1);
        EXPECT_EQ(CountShowing(lines, Filled(conditions, 40)), 0);
    }
    const struct {
        std::int32_t embedment, openEnd;
        std::vector<std::int32_t> shown, absent; // template lines of the tip block
    } cases[] = {
        {0, 0, {30, 36, 37, 45}, {31, 40, 17, 43}},
        {1, 1, {31, 32, 36, 37, 43}, {30, 40, 17, 45}},
        {2, 0, {40, 41, 6, 16, 45}, {30, 31, 36, 37, 43}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.embedment);
        SectionRun run(DrivenWith(c.embedment, c.openEnd));
        const CZul& z = run.Normal();
        const std::vector<std::string> lines = WriteChecked(run, basResOutRa);
        EXPECT_EQ(CountShowing(lines, Filled(conditions, 40)), 1);
        EXPECT_EQ(CountShowing(lines, Filled(conditions, 39, {}, {""})), 0);
        for (std::int32_t k : c.shown) {
            EXPECT_EQ(CountShowing(lines, Utf8(ReadFmtSection(test::kZulFmt, tip).Text(k))), 1) << k;
        }
        for (std::int32_t k : c.absent) {
            EXPECT_EQ(CountShowing(lines, Utf8(ReadFmtSection(test::kZulFmt, tip).Text(k))), 0) << k;
        }
        // The area balance leaves the surface elevation out; the given surface shows its values.
        int els = 0;
        for (const std::string& l : lines) {
            els += l.find("ELs") != std::string::npos ? 1 : 0;
        }
        if (c.embedment == 2) {
            EXPECT_EQ(els, 0);
            EXPECT_EQ(CountShowing(lines, Filled(tip, 17, {z.Neire(), z.NeireA()})), 1);
        } else {
            EXPECT_EQ(CountShowing(lines, Filled(tip, 34, {z.QdELNeire(), z.ELPL()})), 1);
            EXPECT_EQ(CountShowing(lines, Filled(tip, 33, {z.Neire()})), 1);
        }
        const double ratio = c.openEnd != 0 ? 60 * z.RNeireDp() : 40 * z.RNeireDp() + 100;
        EXPECT_EQ(CountShowing(lines, Filled(tip, c.openEnd != 0 ? 44 : 46, {z.RNeireDp(), ratio})), 1);
        EXPECT_EQ(CountShowing(lines, Filled(tip, 47)), ratio > 300 ? 1 : 0);
        EXPECT_EQ(CountShowing(lines, Filled(tip, 27, {z.RQdNN(), z.NN(), z.qd()})), 1);
    }
}

// Every page of the supplemented reports: more than three lines of text, no more lines than the
// page holds (so the preview breaks only where the report does), and no heading as the last
// line of a page or with fewer than two lines under it there.
TEST(SupplementDetail, PagesHoldMoreThanThreeLinesAndKeepHeadingsWithTheirText) {
    std::vector<ProjectDocument> studies;
    for (const examples::ExampleStudy& e : examples::AllExamples()) {
        studies.push_back(e.doc);
    }
    for (std::int32_t embedment : {0, 1, 2}) {
        studies.push_back(DrivenWith(embedment, embedment == 1 ? 1 : 0));
    }
    ProjectDocument deep = DrivenWith(2, 1);
    deep.InpJyoken.D = 2.0;
    std::vector<std::pair<double, double>> points;
    for (int i = 1; i <= kMaxNPoints; ++i) {
        points.emplace_back(0.1 * i, 2 + 0.45 * i);
    }
    testdocs::SetNValues(deep, points);
    studies.push_back(deep);

    // Heading texts of the blocks: the template text of every heading line up to its first field.
    std::set<std::pair<std::string, bool>> headings; // text before the first field, has a field
    for (const char* name :
         {"許容押込み支持力の計算_補足", "打込杭・中堀杭の場合_1", "打込杭・中堀杭の場合_2_補足",
          "杭の自重を無視する場合_補足", "杭の自重を考慮する場合_補足", "許容引抜き力の計算(1)",
          "許容引抜き力の計算(2)_補足", "許容引抜き力の計算_羽根杭(1)", "許容引抜き力の計算_羽根杭(2)_補足",
          "許容引抜き力の計算_羽根杭(3)_補足"}) {
        const TemplateBlock b = ReadFmtSection(test::kZulFmt, name, 80);
        for (std::int32_t k = 1; k <= 80; ++k) {
            const std::string text = Utf8(b.Text(k));
            if (b.Level(k) != 0 && !text.empty()) {
                const std::size_t field = text.find_first_of("&#");
                headings.insert({text.substr(0, field), field != std::string::npos});
            }
        }
    }
    const auto isHeading = [&](const std::string& line) {
        const std::size_t at = line.find_first_not_of(" \f?R123456789.()-");
        if (at == std::string::npos) {
            return false;
        }
        const std::string text = line.substr(at);
        return std::any_of(headings.begin(), headings.end(), [&](const auto& h) {
            return h.second ? text.rfind(h.first, 0) == 0 : text == h.first;
        });
    };
    int pages = 0;
    for (std::size_t s = 0; s < studies.size(); ++s) {
        for (const Section section : {basResOutRa, basResOutPa, basResOutPaEcoPile}) {
            SectionRun run(studies[s]);
            if ((section == basResOutPaEcoPile) != run.Normal().IsEcoPile()) {
                continue;
            }
            const std::vector<std::string> lines = WriteChecked(run, section);
            // Pages split at form feeds: non-blank lines, lines counted with the figures' cover,
            // and the headings with the lines after them on the same page.
            std::vector<std::vector<std::string>> page(1);
            std::vector<int> used{0};
            int figures = 0;
            for (const std::string& l : lines) {
                if (test::StartsPage(l)) {
                    page.emplace_back();
                    used.push_back(0);
                }
                used.back() += 1;
                if (l.find("?FG;") != std::string::npos) {
                    used.back() += figures++ % 3 == 2 ? kLinesUnderTipChart : kLinesUnderNValueFigure;
                }
                if (l.find_first_not_of(" \f") != std::string::npos) {
                    page.back().push_back(l);
                }
            }
            // A heading keeps two of the lines it heads on its page, or all of them when it heads
            // fewer (the lines up to the next heading).
            std::vector<std::string> all;
            for (const auto& pg : page) {
                all.insert(all.end(), pg.begin(), pg.end());
            }
            std::size_t at = 0;
            for (std::size_t p = 0; p < page.size(); ++p) {
                SCOPED_TRACE("study " + std::to_string(s) + " page " + std::to_string(p + 1));
                ++pages;
                EXPECT_GT(page[p].size(), 3u) << (page[p].empty() ? "" : page[p].front());
                EXPECT_LE(used[p], kLinesPerPage);
                for (std::size_t i = 0; i < page[p].size(); ++i, ++at) {
                    if (!isHeading(page[p][i])) {
                        continue;
                    }
                    std::size_t headed = 0;
                    while (at + headed + 1 < all.size() && !isHeading(all[at + headed + 1])) {
                        ++headed;
                    }
                    EXPECT_GE(page[p].size() - i - 1, std::min<std::size_t>(2, headed)) << page[p][i];
                }
            }
        }
    }
    EXPECT_GE(pages, 40);
}

// A table that keeps its closing lines: rows move to the next page rather than leave the totals
// alone, and a table that fits a page as a whole starts on the next one instead of splitting.
TEST(SupplementDetail, TablesKeepTheirClosingLinesWithTheLastRow) {
    TemplateBlock block;
    block.Set(1, 0, "H1");
    block.Set(2, 0, "H2");
    block.Set(3, 0, "R");
    block.Set(4, 0, "B");
    block.Set(5, 0, "E");
    // n rows with the line between them.
    const auto rows = [](int n) {
        std::string t = "R";
        for (int i = 1; i < n; ++i) {
            t += " B R";
        }
        return t;
    };
    const struct {
        std::int32_t lineCount, rows, keep;
        std::string expected; // lines written, "|" for a form feed
    } cases[] = {
        {0, 3, 4, "H1 H2 " + rows(3)},
        {52, 3, 4, "| H1 H2 " + rows(3)}, // 10 lines left, 11 needed: all on the next page
        {0, 30, 4,
         "H1 H2 " + rows(28) + " E | H1 H2 " + rows(2)}, // 30 rows fit, not with the 4 closing lines
        {0, 30, 0, "H1 H2 " + rows(30)},                 // without closing lines all 30 stay
        {58, 1, 2, "| H1 H2 R"},                         // 4 lines left, 5 needed
        {0, 0, 4, "H1 H2"},
    };
    for (const auto& c : cases) {
        HeadingNumbering numbering;
        PageWriter ps(numbering);
        ps.CoverLines(c.lineCount);
        TableLines lines{1, 2, 4, 5, 2};
        lines.keepAfterLast = c.keep;
        WritePagedTable(ps, block, lines, c.rows, [&](std::int32_t) { ps.PrintAsIs(block, 3); });
        std::string written;
        for (std::string line : test::PrintTextLines(ps.Text())) {
            if (test::StartsPage(line)) {
                written += "| ";
                line.erase(0, 1);
            }
            written += line.substr(line.find_first_not_of(' ')) + " ";
        }
        EXPECT_EQ(written, c.expected + " ") << c.lineCount << " lines used, " << c.rows << " rows";
    }
}

// With the supplements the page writer breaks a full page itself and opens no page with a blank
// line; without them it only counts.
TEST(SupplementDetail, AFullPageBreaksByItselfOnlyWhenAsked) {
    for (const bool on : {false, true}) {
        HeadingNumbering numbering;
        PageWriter ps(numbering);
        ps.SetBreakWhenFull(on);
        TemplateBlock block;
        block.Set(1, 0, "L");
        ps.PrintBlank(1);
        for (int i = 0; i < kLinesPerPage; ++i) {
            ps.PrintAsIs(block, 1);
        }
        ps.PrintBlank(2);
        ps.PrintAsIs(block, 1);
        const std::string& t = ps.Text();
        EXPECT_EQ(std::count(t.begin(), t.end(), '\f'), on ? 1 : 0);
        EXPECT_EQ(ps.LineCount(), on ? 1 : kLinesPerPage + 4);
        EXPECT_EQ(t.front() == '\r', !on); // no blank line opens the first page when on
        // The next item starts counting only.
        ps.Clear();
        for (int i = 0; i <= kLinesPerPage; ++i) {
            ps.PrintAsIs(block, 1);
        }
        EXPECT_EQ(ps.Text().find('\f'), std::string::npos);
    }
}

} // namespace
} // namespace zul
