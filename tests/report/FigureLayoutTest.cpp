// The figures of the tip resistance derivation as a checker reads them: each shows its contents
// (the N-value profile over its range, the elevations, the design N-value), every text stands
// clear of the lines and arrows and of the other texts, and the whole figure fits its area.
#include "report/FigureLayout.h"
#include "../calc/ExampleStudies.h"
#include "SectionTestSupport.h"
#include "report/DetailReport.h"
#include "report/FigureFrame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace zul {
namespace {

using test::SectionRun;

TEST(FigureLayout, SegmentsCrossingATextBox) {
    const FigBox box{10, 10, 20, 12};
    const struct {
        FigPoint a, b;
        bool crosses;
    } cases[] = {
        {{0, 11}, {30, 11}, true},  // straight through
        {{15, 0}, {15, 30}, true},  // across the short side
        {{12, 11}, {13, 11}, true}, // wholly inside
        {{0, 12}, {30, 12}, false}, // along the top edge
        {{0, 13}, {30, 13}, false}, // above
        {{0, 0}, {9.9, 30}, false}, // left of it
        {{0, 0}, {30, 8}, false},   // diagonal passing under the lower right corner
        {{0, 10}, {30, 13}, true},  // diagonal through
        {{20, 5}, {20, 15}, false}, // touching the right edge
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SegmentCrossesBox(c.a, c.b, box), c.crosses)
            << "(" << c.a.X << "," << c.a.Y << ")-(" << c.b.X << "," << c.b.Y << ")";
    }
}

TEST(FigureLayout, ClearTextTakesTheFirstFreePosition) {
    FigureBuilder fig;
    fig.ReadLineDef(test::kDataFolder + "/LINE_PRN.DEF");
    fig.ReadStrDef(test::kDataFolder + "/STR_PRN.DEF");
    fig.AddLine(fig.AddPoint(0, 5), fig.AddPoint(50, 5), 1);
    // The first position lies on the line, the second is free.
    ASSERT_TRUE(AddClearText(fig, "40.0", {{1, 4}, {1, 6}}, 2, 3));
    EXPECT_EQ(fig.Texts().back().Y, 6);
    // Every position on the line or on the text already there: nothing is added.
    EXPECT_FALSE(AddClearText(fig, "50.0", {{1, 4}, {2, 6.5}}, 2, 3));
    EXPECT_EQ(fig.Texts().size(), 1u);
    EXPECT_TRUE(TextsCrossedByDrawing(fig).empty());
}

// Studies whose figures differ in kind: each way of finding the embedment, zero embedment, an
// open-ended pipe, N-values beyond the axis and ending above the tip, an inclined pile, many
// intervals.
struct FigureStudy {
    const char* name;
    std::function<void(ProjectDocument&)> change;
};

std::vector<FigureStudy> FigureStudies() {
    return {
        {"bearing layer from the layers", [](ProjectDocument&) {}},
        {"bearing layer given",
         [](ProjectDocument& d) {
             d.InpJyoken.QdSiji = 0;
             d.InpJyoken.ELSL = -7.0;
         }},
        {"bearing layer below the tip, open-ended pipe",
         [](ProjectDocument& d) {
             d.InpJyoken.QdSiji = 0;
             d.InpJyoken.ELSL = -12.0;
             d.InpJyoken.Bottom = 1;
         }},
        {"area balance", [](ProjectDocument& d) { d.InpJyoken.QdSiji = 2; }},
        {"area balance without embedment",
         [](ProjectDocument& d) {
             d.InpJyoken.QdSiji = 2;
             testdocs::SetNValues(d, {{1, 5}, {5, 10}, {8, 30}, {9, 45}, {10, 20}, {11, 35}, {12, 50}});
         }},
        {"N-values beyond the axis ending above the tip",
         [](ProjectDocument& d) {
             d.InpJyoken.D = 2.5;
             d.InpJyoken.L = 11.5;
             testdocs::SetNValues(d, {{1, 250}, {5, 280}, {8, 300}, {10, 300}});
         }},
        {"inclined pile",
         [](ProjectDocument& d) {
             d.InpJyoken.Theta = 10;
             d.InpJyoken.QdSiji = 0;
             d.InpJyoken.ELSL = -7.5;
         }},
        {"many intervals",
         [](ProjectDocument& d) {
             d.InpJyoken.D = 2.0;
             d.InpJyoken.QdSiji = 2;
             std::vector<std::pair<double, double>> points;
             for (int i = 1; i <= 100; ++i) {
                 points.emplace_back(0.1 * i, 2 + 0.45 * i);
             }
             testdocs::SetNValues(d, points);
         }},
    };
}

bool HasText(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(FigureLayout, EveryTextStandsClearAndEveryFigureFitsItsArea) {
    using Module = std::string (*)(ReportRun&, const ReportContext&, double, double);
    const struct {
        Module module;
        double width, height;
    } figures[] = {
        {basMakeIDXFileZu4DN, 100, 90}, {basMakeIDXFileZuAveN, 100, 90}, {basMakeIDXFileZu001, 80, 55}};
    for (const FigureStudy& study : FigureStudies()) {
        examples::ExampleStudy e = examples::DrivenPileAutoTip();
        study.change(e.doc);
        SectionRun run(e.doc);
        for (std::size_t f = 0; f < 3; ++f) {
            SCOPED_TRACE(std::string(study.name) + ", figure " + std::to_string(f + 1));
            figures[f].module(run.Run(), run.Context(), figures[f].width, figures[f].height);
            const FigureBuilder& fig = run.Run().Figure();
            for (const auto& [text, line] : TextsCrossedByDrawing(fig)) {
                ADD_FAILURE() << "line, arrow or circle " << line << " runs through \""
                              << fig.Texts()[text - 1].Text << "\"";
            }
            // Texts apart from each other, but for the bar drawn over "Ｎ".
            FigBox extent{1e9, 1e9, -1e9, -1e9};
            for (std::size_t i = 0; i < fig.Texts().size(); ++i) {
                const FigBox a = BoxOfText(fig, fig.Texts()[i]).Grown(-0.01); // texts may touch
                extent = {std::min(extent.x0, a.x0), std::min(extent.y0, a.y0), std::max(extent.x1, a.x1),
                          std::max(extent.y1, a.y1)};
                for (std::size_t j = i + 1; j < fig.Texts().size(); ++j) {
                    if (fig.Texts()[i].Text != "＿" && fig.Texts()[j].Text != "＿") {
                        EXPECT_FALSE(a.Overlaps(BoxOfText(fig, fig.Texts()[j])))
                            << fig.Texts()[i].Text << " / " << fig.Texts()[j].Text;
                    }
                }
            }
            for (const auto& [number, p] : fig.Points()) {
                extent = {std::min(extent.x0, p.X), std::min(extent.y0, p.Y), std::max(extent.x1, p.X),
                          std::max(extent.y1, p.Y)};
            }
            EXPECT_LE(extent.x1 - extent.x0, figures[f].width);
            EXPECT_LE(extent.y1 - extent.y0, figures[f].height);
            EXPECT_GT(extent.x1 - extent.x0, 0.6 * figures[f].width) << "readable: the figure fills its area";
        }
    }
}

// Every figure names its parts.
TEST(FigureLayout, FiguresShowTheirContents) {
    const auto figureTexts = [](const ProjectDocument& doc, auto module, double w, double h) {
        SectionRun run(doc);
        module(run.Run(), run.Context(), w, h);
        return test::TextsOf(run.Run().Figure());
    };
    // Embedment from the top of the bearing layer at -8.0 m to the tip at -10.0 m: the study's
    // N-values over it (measured at -8.0 and -9.0, interpolated at the tip), the design N-value.
    const ProjectDocument driven = examples::DrivenPileAutoTip().doc;
    const std::vector<std::string> aveN = figureTexts(driven, basMakeIDXFileZuAveN, 100, 90);
    for (const char* text : {"-8.000m", "-9.000m", "-10.000m", "20.0", "40.0", "43.3", "＝36.2", "Ｎ", "＿",
                             "換算根入れ長深さ", "D", "Ｎ値"}) {
        EXPECT_TRUE(HasText(aveN, text)) << text;
    }
    // Four diameters of 2.5 m above the tip at -11.5 m, N-values ending 1.5 m above it: the range
    // and the tip are still marked.
    ProjectDocument big = driven;
    big.InpJyoken.D = 2.5;
    big.InpJyoken.L = 11.5;
    testdocs::SetNValues(big, {{1, 25}, {5, 28}, {8, 30}, {10, 30}});
    const std::vector<std::string> fourD = figureTexts(big, basMakeIDXFileZu4DN, 100, 90);
    for (const char* text : {"-1.500m", "-11.500m", "-10.000m", "4･D", "D"}) {
        EXPECT_TRUE(HasText(fourD, text)) << text;
    }
    const std::vector<std::string> chart = figureTexts(driven, basMakeIDXFileZu001, 80, 55);
    EXPECT_TRUE(HasText(chart, "開端鋼管杭の場合"));
}

TEST(FigureLayout, NValuesOverARangeInterpolateItsEnds) {
    colZulNs measured;
    for (const auto& [z, n] : {std::pair{1.0, 5.0}, {5.0, 10.0}, {8.0, 20.0}, {9.0, 40.0}, {12.0, 50.0}}) {
        measured.Add(z, n);
    }
    const struct {
        double zTop, zTip;
        std::vector<clsZulN> expected;
    } cases[] = {
        {8.0, 10.0, {{8, 20}, {9, 40}, {10, 43.3}}},
        {6.8, 10.0, {{6.8, 16}, {8, 20}, {9, 40}, {10, 43.3}}},
        {9.0, 9.0, {{9, 40}}},
        {10.0, 14.0, {{10, 43.3}, {12, 50}}}, // nothing invented below the last point
        {0.0, 0.5, {}},
    };
    for (const auto& c : cases) {
        const colZulNs got = NValuesBetween(measured, c.zTop, c.zTip);
        std::vector<clsZulN> points(got.begin(), got.end());
        ASSERT_EQ(points.size(), c.expected.size()) << c.zTop << ".." << c.zTip;
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i].Z, c.expected[i].Z, 1e-9);
            EXPECT_NEAR(points[i].N, c.expected[i].N, 1e-9);
        }
    }
}

} // namespace
} // namespace zul
