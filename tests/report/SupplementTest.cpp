// The supplements of the report for a checker: the N-value table and the ground figure of the
// conditions report, the notes of the plausibility check after the results list (or before the
// detailed calculation) and under the graph report; and their absence with the switch off.
#include "../calc/TestDocuments.h"
#include "ReportStudies.h"
#include "SectionTestSupport.h"
#include "calc/PlausibilityNotes.h"
#include "printfile/PrintFileFormat.h"
#include "report/ConditionsSupplement.h"
#include "report/FigureLayout.h"
#include "report/GraphValueTables.h"
#include "report/LabelStack.h"
#include "report/PrintFileGenerator.h"
#include "report/ReportNotes.h"
#include "util/NumberFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace zul {
namespace {

using test::SectionRun;

ProjectDocument WithLength(ProjectDocument doc, double length) {
    doc.InpJyoken.L = length;
    return doc;
}

// The lines a section writes with the supplements on or off.
std::vector<std::string> Write(SectionRun& run, bool (*section)(ReportRun&, const ReportContext&),
                               bool supplement) {
    ReportContext ctx = run.Context();
    ctx.supplement = supplement;
    run.Run().Page().Clear();
    EXPECT_TRUE(section(run.Run(), ctx));
    return test::PrintTextLines(run.Run().Page().Text());
}

// A note as the report prints it: "Ｎ値" where the screens write "N値".
std::string ReportSpelled(std::string note) {
    const std::string screen = "N値";
    for (auto at = note.find(screen); at != std::string::npos; at = note.find(screen, at)) {
        note.replace(at, screen.size(), "Ｎ値");
    }
    return note;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) {
        words.push_back(w);
    }
    return words;
}

std::size_t Count(const std::vector<std::string>& lines, const std::string& part) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; }));
}

// The N-value rows of the conditions report, page by page: lines of four numbers after the
// table's head.
std::vector<std::vector<std::vector<std::string>>> NValueRowsByPage(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::vector<std::string>>> pages{{}};
    bool inside = false;
    for (const std::string& line : lines) {
        if (line.find('\f') != std::string::npos) {
            pages.emplace_back();
        }
        inside = inside || line.find("Ｎ値（標準貫入試験）") != std::string::npos;
        if (line.find("地盤と杭の関係図") != std::string::npos) {
            break;
        }
        const auto w = Words(line);
        if (inside && w.size() == 4 && std::all_of(w.begin(), w.end(), [](const std::string& s) {
                return s.find_first_not_of("+-.0123456789") == std::string::npos;
            })) {
            pages.back().push_back(w);
        }
    }
    std::erase_if(pages, [](const auto& page) { return page.empty(); });
    return pages;
}

TEST(ConditionsSupplement, NValueRowsHoldDepthElevationAndN) {
    struct Case {
        const char* name;
        ProjectDocument doc;
        double groundTop;
    };
    ProjectDocument raised = testdocs::EndBearingDocument();
    for (int level = 1; level <= 4; ++level) {
        raised.JibanLevel(level) = CellValue::Number(raised.JibanLevel(level).toNumber().value_or(0) + 2.5);
    }
    raised.InpJyoken.ELPU = 2.5;
    testdocs::SetNValues(raised, {{1.5, 8}, {6.8, 16}, {10.0, 43.3}});
    const Case cases[] = {{"end-bearing example", test::ExampleDocument("end-bearing-pile.zul"), 0.0},
                          {"ground top at +2.5", raised, 2.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SectionRun run(c.doc);
        const auto pages = NValueRowsByPage(Write(run, basResOutJyoken, true));
        std::vector<std::vector<std::string>> rows;
        for (const auto& page : pages) {
            rows.insert(rows.end(), page.begin(), page.end());
        }
        const colZulNs& points = run.Normal().N();
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(points.Count()));
        ASSERT_GT(points.Count(), 2);
        EXPECT_EQ(pages.size(), 1u) << "a short table is never split";
        for (std::int32_t i = 1; i <= points.Count(); ++i) {
            const clsZulN& p = *points.Item(i);
            const std::vector<std::string> expected = {std::to_string(i), FormatNumber(p.Z, "0.000"),
                                                       FormatNumber(c.groundTop - p.Z, "+0.000;-0.000"),
                                                       FormatNumber(p.N, "0.0")};
            EXPECT_EQ(rows[static_cast<std::size_t>(i - 1)], expected);
        }
    }
}

TEST(ConditionsSupplement, OffLeavesTheReportAsItWasOnAddsTableAndFigure) {
    SectionRun run(test::ExampleDocument("driven-pile-auto-tip.zul"));
    const auto off = Write(run, basResOutJyoken, false);
    const std::size_t filesOff = run.Run().TempFiles().FigFiles().size();
    const auto on = Write(run, basResOutJyoken, true);
    EXPECT_EQ(Count(off, "Ｎ値（標準貫入試験）"), 0u);
    EXPECT_EQ(Count(off, "?FG;"), 0u);
    EXPECT_EQ(filesOff, 0u);
    EXPECT_EQ(Count(on, "Ｎ値（標準貫入試験）"), 1u);
    EXPECT_EQ(Count(on, "地盤と杭の関係図"), 1u);
    EXPECT_EQ(Count(on, "?FG;"), 1u);
    // The report without supplements is the beginning of the one with them, but for the note on
    // γs' that the supplement words as the submerged unit weight it is.
    ASSERT_LT(off.size(), on.size());
    const std::string note = test::Utf8(ReadFmtSection(test::kZulFmt, "計算条件").Text(30));
    const std::string worded = test::Utf8(ReadFmtSection(test::kZulFmt, "計算条件_補足").Text(30));
    for (std::size_t i = 0; i + 1 < off.size(); ++i) {
        if (off[i] != on[i]) {
            EXPECT_TRUE(test::Shows(off[i], note) && test::Shows(on[i], worded)) << on[i];
        }
    }
}

TEST(ConditionsSupplement, GroundFigureNamesLayersLevelsPileAndNValues) {
    struct Case {
        const char* name;
        ProjectDocument doc;
        std::vector<std::string> texts; // each must be in the figure
        bool waterShown;
    };
    const Case cases[] = {
        {"end-bearing example",
         test::ExampleDocument("end-bearing-pile.zul"),
         {"1 砂質土層", "2 砂れき層（支持層）", "+0.000m", "-5.000m", "-15.000m", "杭頭標高 ELPU +0.000m",
          "杭先端標高 ELPL -10.000m", "杭径 Ｄ＝1.000m", "地下水位 ELWL -3.000m",
          "設計地盤面（常時） +0.000m", "設計地盤面（レベル１地震時） +0.000m", "Ｎ値", "0", "50"},
         true},
        {"rotary press-in pile: its blades",
         test::ExampleDocument("rotary-press-in-pile.zul"),
         {"羽根外径 Ｄw＝0.600m", "杭径 Ｄ＝0.400m"},
         true},
        {"friction pile: no bearing layer, water far below",
         [] {
             ProjectDocument d = testdocs::EndBearingDocument();
             d.InpJyoken.Siji = 1;
             d.JibanLevel(2) = CellValue::Number(-200.0);
             return d;
         }(),
         {"2 砂れき層", "地下水位 ELWL -200.000m（図の範囲外）"},
         false},
        {"20 layers, 100 N values",
         testdocs::WorstCaseStudyDocument(false),
         {"1 砂れき層", "20 粘性土層", "50"},
         true},
        {"N of 100,000: held at the end of an axis up to 100",
         [] {
             ProjectDocument d = test::ExampleDocument("end-bearing-pile.zul");
             d.NData(2, 1) = CellValue::Number(100000.0);
             return d;
         }(),
         {"100", "80"},
         true},
        {"deep: 1000 m of ground, N up to 60",
         testdocs::WorstCaseStudyDocument(true),
         {"1 砂れき層（支持層）", "60"},
         true},
        {"thin layers between thick ones",
         [] {
             ProjectDocument d = testdocs::EndBearingDocument();
             testdocs::SetGround(d, 0.0, -3.0, 0.0, 0.0,
                                 {{0, 0.3, 18, 9, 10, 20, 3000, 1},
                                  {2, 0.2, 18, 9, 10, 20, 3000, 1},
                                  {0, 0.4, 18, 9, 10, 20, 3000, 1},
                                  {2, 6, 18, 9, 10, 20, 3000, 1},
                                  {0, 0.3, 18, 9, 10, 20, 3000, 1},
                                  {2, 0.3, 18, 9, 10, 20, 3000, 1},
                                  {1, 12, 20, 10, 40, 100, 5000, 0.5}});
             return d;
         }(),
         {"1 砂質土層", "2 粘性土層", "6 粘性土層", "7 砂れき層（支持層）"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SectionRun run(c.doc);
        ReportContext ctx = run.Context();
        ctx.supplement = true;
        basMakeIDXFileSoilProfile(run.Run(), ctx, kSoilProfileWidth, kSoilProfileHeight);
        const FigureBuilder& fig = run.Run().Figure();
        const auto texts = test::TextsOf(fig);
        for (const std::string& t : c.texts) {
            EXPECT_NE(std::find(texts.begin(), texts.end(), t), texts.end()) << t;
        }
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                                [](const std::string& t) { return t.starts_with("地下水位 ELWL"); }),
                  1);
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                                [](const std::string& t) { return t.ends_with("（図の範囲外）"); }),
                  c.waterShown ? 0 : 1);
        // Every layer named once, every N value a marked point of the line.
        const std::int32_t layers = run.Normal().Jiban().Count();
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                                [](const std::string& t) { return t.find("層") != std::string::npos; }),
                  layers);
        EXPECT_EQ(fig.Circles().size(), static_cast<std::size_t>(run.Normal().N().Count()));
        // The diameter's leader leaves the pile side away from every level drawn across the pile
        // (in the end-bearing example a boundary lies at the pile's mid-depth).
        const auto& at = fig.Points();
        std::vector<double> across; // heights of the lines across the pile: head, tip, levels
        std::vector<double> ends;   // the pile's head and tip
        for (const FigLine& l : fig.Lines()) {
            const FigPoint a = at.at(l.A), b = at.at(l.B);
            if (a.Y == b.Y && std::min(a.X, b.X) <= 63 && std::max(a.X, b.X) >= 69) {
                across.push_back(a.Y);
                if (std::min(a.X, b.X) == 63 && std::max(a.X, b.X) == 69) {
                    ends.push_back(a.Y);
                }
            }
        }
        const auto [tip, head] = std::minmax_element(ends.begin(), ends.end());
        for (const FigLine& l : fig.Lines()) {
            const FigPoint from = at.at(l.A);
            if (from.X == 69 && at.at(l.B).X == 82.5 && from.Y > *tip && from.Y < *head) {
                for (const double y : across) {
                    EXPECT_GE(std::fabs(y - from.Y), 1.0) << "the diameter's leader runs along a level";
                }
            }
        }
        // Legible: no two texts overlap, none is crossed by a line, the figure fits its area.
        for (const auto& [text, line] : TextsCrossedByDrawing(fig)) {
            ADD_FAILURE() << "line " << line << " runs through \"" << fig.Texts()[text - 1].Text << "\"";
        }
        FigBox extent{1e9, 1e9, -1e9, -1e9};
        for (std::size_t i = 0; i < fig.Texts().size(); ++i) {
            const FigBox a = BoxOfText(fig, fig.Texts()[i]).Grown(-0.01);
            extent = {std::min(extent.x0, a.x0), std::min(extent.y0, a.y0), std::max(extent.x1, a.x1),
                      std::max(extent.y1, a.y1)};
            for (std::size_t j = i + 1; j < fig.Texts().size(); ++j) {
                EXPECT_FALSE(a.Overlaps(BoxOfText(fig, fig.Texts()[j])))
                    << fig.Texts()[i].Text << " / " << fig.Texts()[j].Text;
            }
        }
        EXPECT_LE(extent.x1 - extent.x0, kSoilProfileWidth);
        EXPECT_LE(extent.y1 - extent.y0, kSoilProfileHeight);
    }
}

// Long N tables split over pages: every page of the table holds at least three rows (the head
// and the closing lines never stand alone), no page runs over, the figure with its heading and
// note stays on one page.
TEST(ConditionsSupplement, TablesAndFigureKeepTogetherAtAPageEnd) {
    for (int count = 1; count <= kMaxNPoints; ++count) {
        SCOPED_TRACE(std::to_string(count) + " N values");
        ProjectDocument doc = testdocs::EndBearingDocument();
        std::vector<std::pair<double, double>> points;
        for (int i = 1; i <= count; ++i) {
            points.emplace_back(0.15 * i, 10 + (i % 7));
        }
        testdocs::SetNValues(doc, points);
        SectionRun run(doc);
        const auto lines = Write(run, basResOutJyoken, true);
        const auto pages = NValueRowsByPage(lines);
        std::size_t rows = 0;
        for (const auto& page : pages) {
            EXPECT_GE(page.size(), std::min<std::size_t>(3, static_cast<std::size_t>(count)));
            rows += page.size();
        }
        EXPECT_EQ(rows, static_cast<std::size_t>(count));
        if (count <= 12) {
            EXPECT_EQ(pages.size(), 1u);
        }
        // Lines per page as the writer counts them, the figure's covered lines included.
        int onPage = 0;
        bool figureHeadingOnPage = false;
        for (const std::string& line : lines) {
            if (line.find('\f') != std::string::npos) {
                onPage = 0;
                figureHeadingOnPage = false;
            }
            ++onPage;
            figureHeadingOnPage = figureHeadingOnPage || line.find("地盤と杭の関係図") != std::string::npos;
            if (line.find("?FG;") != std::string::npos) {
                EXPECT_TRUE(figureHeadingOnPage);
                onPage += kLinesUnderSoilProfile;
            }
            EXPECT_LE(onPage, kLinesPerPage);
        }
        // The note under the figure stands on the figure's page.
        EXPECT_FALSE(test::StartsPage(lines.back())) << lines.back();
    }
}

// Lines of the fullest page as the writer counts them, a figure's covered lines included.
int FullestPage(const std::vector<std::string>& lines) {
    int onPage = 0;
    int fullest = 0;
    for (const std::string& line : lines) {
        onPage = test::StartsPage(line) ? 1 : onPage + 1;
        if (line.find("?FG;") != std::string::npos) {
            onPage += kLinesUnderSoilProfile;
        }
        fullest = std::max(fullest, onPage);
    }
    return fullest;
}

// A layer table over pages: the rows counted as the report always rounded them may run one line
// past a page, and the line that closes the page then stands alone on the next one.  With the
// supplements no page runs over, whatever the number of layers.
TEST(ConditionsSupplement, LayerTableNeverRunsPastAPage) {
    int overrunsOff = 0;
    for (int count = 1; count <= kMaxLayers; ++count) {
        SCOPED_TRACE(std::to_string(count) + " layers");
        for (const double thickness : {0.5, 1.0}) {
            ProjectDocument doc = testdocs::EndBearingDocument();
            std::vector<testdocs::Layer> layers(static_cast<std::size_t>(count),
                                                {0, thickness, 18, 9, 10, 20, 3000, 1});
            layers.back().h = 20;
            testdocs::SetGround(doc, 0.0, -3.0, 0.0, 0.0, layers);
            for (const bool supplement : {false, true}) {
                SectionRun run(doc);
                const int fullest = FullestPage(Write(run, basResOutJyoken, supplement));
                overrunsOff += !supplement && fullest > kLinesPerPage ? 1 : 0;
                EXPECT_TRUE(!supplement || fullest <= kLinesPerPage) << fullest;
            }
        }
    }
    EXPECT_GT(overrunsOff, 0);
}

TEST(ReportNotes, WrappedLinesKeepEveryCharacterAndNoLineStartsWithAClosingMark) {
    const std::string notes[] = {
        "あいうえおかき（くけこ）さしすせそ「たちつ」てとなにぬねのはひふへほ（まみむめも）",
        "杭先端（深度 14.500 m）が入力された最深のN値（深度 12.000 m）より深く、先端支持力度の自動計算にN値が"
        "ないため、先端支持力度 qd が 0 です。N値の入力範囲を確認して下さい。",
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめも、。）",
        "short",
    };
    for (const std::string& note : notes) {
        for (const std::size_t width : {10u, 31u, 76u}) {
            const std::string text = PrintText(note);
            const auto lines = WrapPrintText(text, width);
            std::string joined;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                joined += lines[i];
                EXPECT_LE(lines[i].size(), width + 6) << i; // closing marks may run on
                const std::string head = test::Utf8(lines[i]).substr(0, 3);
                if (i > 0) {
                    EXPECT_NE(head, "、");
                    EXPECT_NE(head, "。");
                    EXPECT_NE(head, "）");
                }
                const std::string line = test::Utf8(lines[i]);
                EXPECT_FALSE(line.ends_with("（") || line.ends_with("「"))
                    << line; // no open bracket at the end
            }
            EXPECT_EQ(joined, text);
            EXPECT_NO_THROW(for (const auto& l : lines) test::Utf8(l)); // no character cut in half
        }
    }
}

TEST(ReportNotes, StackedLabelsStayApartInOrderAndNearTheirTargets) {
    struct Case {
        std::vector<double> targets;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {{50, 10, 30}, {50, 10, 30}}, // far apart: where they are
        {{50, 49, 48}, {50, 47, 44}}, // crowded: pushed down from the top one
        {{2, 1, 0}, {9, 6, 3}},       // at the floor: pushed up
        {{100, 99}, {97, 94}},        // above the top: held under it
        {{10, 10}, {10, 7}},          // equal targets keep their order
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StackLabels(c.targets, 3, 3, 97), c.expected);
    }
}

// The notes on the pile: once in every joined print file that holds the detailed calculation or
// the results list, after the list when it is there; never with the supplements off.
TEST(ReportNotes, StudyNotesJoinOnceAfterTheListOrBeforeTheDetail) {
    const ProjectDocument doc = WithLength(testdocs::DrivenPileBelowDeepestN(), 21.0);
    SectionRun run(doc);
    const std::vector<std::string> notes = PlausibilityNotes(doc, run.Normal(), run.Quake());
    ASSERT_EQ(notes.size(), 1u);
    test::TestFolder folder;
    for (const bool supplement : {true, false}) {
        ReportContext ctx = run.Context();
        ctx.supplement = supplement;
        PrintFileGenerator generator(folder.path().string());
        ASSERT_TRUE(generator.GeneratePrintFiles(ctx, {}));
        EXPECT_EQ(generator.NotesText().empty(), !supplement);
        struct Join {
            const char* items;
            int notes;     // times the notes block is in the joined file
            int afterItem; // the notes follow the results list (2) or precede the detail (1)
        };
        const Join joins[] = {{"1111", 1, 2}, {"0110", 1, 2}, {"0010", 1, 2}, {"0100", 1, 1},
                              {"1100", 1, 1}, {"1001", 0, 0}, {"1000", 0, 0}};
        for (const Join& j : joins) {
            SCOPED_TRACE(std::string(j.items) + (supplement ? " on" : " off"));
            std::array<bool, 4> chosen{};
            for (std::size_t i = 0; i < 4; ++i) {
                chosen[i] = j.items[i] == '1';
            }
            ASSERT_TRUE(generator.JoinPrintFiles(chosen));
            const auto lines = test::PrintLines(generator.JoinedFile());
            const std::size_t title = Count(lines, "【注意事項】");
            EXPECT_EQ(title, supplement ? static_cast<std::size_t>(j.notes) : 0u);
            if (!supplement || j.notes == 0) {
                continue;
            }
            // The note's text whole, over its wrapped lines.
            std::string all;
            for (const std::string& l : lines) {
                all += l;
            }
            std::string compact = all;
            std::erase(compact, ' ');
            std::string note = ReportSpelled(notes[0]);
            std::erase(note, ' ');
            EXPECT_NE(compact.find(note), std::string::npos) << note;
            const auto at = [&](const std::string& part) {
                return std::find_if(lines.begin(), lines.end(),
                                    [&](const std::string& l) { return l.find(part) != std::string::npos; }) -
                       lines.begin();
            };
            const auto notesAt = at("【注意事項】");
            if (j.afterItem == 2) {
                EXPECT_GT(notesAt, at("許容押込み支持力・許容引抜き力一覧"));
            } else {
                // On a page of their own before the detailed calculation.
                const auto detail = at("許容押込み支持力の計算");
                EXPECT_LT(notesAt, detail);
                EXPECT_TRUE(
                    std::any_of(lines.begin() + notesAt, lines.begin() + detail + 1,
                                [](const std::string& l) { return l.find('\f') != std::string::npos; }));
            }
        }
    }
    // A study without notes has no block: the worked example with the standard qd of its tip layer.
    ProjectDocument noNotes = testdocs::EndBearingDocument();
    noNotes.JibanLayer(7, 2) = CellValue::Number(3000);
    SectionRun plain(noNotes);
    ReportContext ctx = plain.Context();
    ctx.supplement = true;
    PrintFileGenerator generator(folder.path().string());
    ASSERT_TRUE(generator.GeneratePrintFiles(ctx, {}));
    EXPECT_TRUE(generator.NotesText().empty());
}

// The graph report lists the study table's notes per diameter, in the words of zul-cli table.
TEST(ReportNotes, GraphReportListsTheTableNotesPerDiameter) {
    for (const auto& [doc, count] : {std::pair{test::ExampleDocument("driven-pile-auto-tip.zul"), 6u},
                                     std::pair{testdocs::EndBearingDocument(), 0u}}) {
        SectionRun run(doc);
        const std::vector<std::string> expected = StudyTableNotes(doc);
        EXPECT_EQ(expected.size(), count);
        const auto off = Write(run, basResOutGraph, false);
        const auto on = Write(run, basResOutGraph, true);
        EXPECT_EQ(Count(off, "支持力検討グラフの注意事項"), 0u);
        EXPECT_EQ(Count(on, "支持力検討グラフの注意事項"), count > 0 ? 1u : 0u);
        EXPECT_EQ(Count(on, "※ 杭径φ"), count);
        // Over their wrapped lines, blanks aside.
        std::string all;
        for (const std::string& l : on) {
            all += l;
        }
        std::erase(all, ' ');
        EXPECT_EQ(all.find("N値"), std::string::npos);
        for (std::string note : expected) {
            note = ReportSpelled(note);
            std::erase(note, ' ');
            EXPECT_NE(all.find("※" + note), std::string::npos) << note;
        }
    }
}

} // namespace
} // namespace zul

namespace zul {
namespace {

// The values behind a graph: the study table's rows diameter by diameter, the design pile's row
// marked where the table holds it, otherwise its own calculated row in order of diameter and length.
TEST(GraphValueTables, TheDesignPileIsMarkedOrAddedInOrder) {
    struct Case {
        const char* what;
        double d, length;
        std::vector<std::pair<double, double>> designAt; // (D, L) of the rows, the design one last
        std::size_t designRow;
    };
    const Case cases[] = {
        {"in the table", 1.0, 11.0, {}, 4},
        {"a length between two of the table", 1.0, 10.5, {}, 4},
        {"a diameter between two of the table", 0.9, 10.0, {}, 3},
        {"a diameter above every one", 1.2, 10.0, {}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProjectDocument doc = testdocs::EndBearingDocument();
        testdocs::SetTable(doc, 10.0, 12.0, 1.0, {0.8, 1.0});
        doc.InpJyoken.D = c.d;
        doc.InpJyoken.L = c.length;
        SectionRun run(doc);
        basCalcMain table;
        ASSERT_TRUE(table.CalcRaTable(doc));
        for (const GraphValue graph : {GraphValue::RaNormal, GraphValue::PaQuake}) {
            const auto rows = GraphValueRows(table, run.Normal(), run.Quake(), graph);
            ASSERT_EQ(rows.size(), c.designRow == 4 && c.length == 11.0 ? 6u : 7u);
            EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const auto& r) { return r.design; }), 1);
            const GraphValueRow& design = rows[c.designRow];
            EXPECT_TRUE(design.design);
            EXPECT_EQ(design.d, c.d);
            EXPECT_EQ(design.length, c.length);
            EXPECT_EQ(design.value, graph == GraphValue::RaNormal ? run.Normal().Ra() : run.Quake().Pa());
            for (std::size_t i = 1; i < rows.size(); ++i) { // in order of diameter, then length
                EXPECT_TRUE(rows[i - 1].d < rows[i].d ||
                            (rows[i - 1].d == rows[i].d && rows[i - 1].length < rows[i].length))
                    << i;
            }
        }
    }
}

// With the supplements on, each pair of graphs is followed by the tables of its values, the
// design pile's row marked; off, the graph report is as before.
TEST(GraphValueTables, FollowTheGraphsWithTheSupplementsOnly) {
    ProjectDocument doc = testdocs::EndBearingDocument();
    testdocs::SetTable(doc, 10.0, 12.0, 1.0, {0.8, 1.0});
    SectionRun run(doc);
    const auto on = Write(run, basResOutGraph, true);
    const auto off = Write(run, basResOutGraph, false);
    EXPECT_EQ(Count(on, "設計杭"), 4u);
    EXPECT_EQ(Count(off, "設計杭"), 0u);
    EXPECT_EQ(Count(on, "グラフの値："), 4u);
    EXPECT_EQ(Count(on, FormatNumber(run.Normal().Ra(), "###,##0.0") + "  設計杭"), 1u);
    // Longer tables run over pages, a caption never left at the foot of one.
    for (double to = 10.0; to <= 40.0; to += 1.0) {
        testdocs::SetTable(doc, 1.0, to, 0.5, {0.6, 0.8});
        SectionRun longer(doc);
        const auto lines = Write(longer, basResOutGraph, true);
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            if (lines[i].find("グラフの値：") != std::string::npos) {
                EXPECT_FALSE(test::StartsPage(lines[i + 1])) << to;
            }
        }
    }
}

} // namespace
} // namespace zul
