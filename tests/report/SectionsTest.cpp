// The conditions report, the results list and the graph report: their structure and paging.
#include "ReportStudies.h"
#include "ReportTestSupport.h"
#include "document/ConstructionMethod.h"
#include "report/SectionSupport.h"
#include "util/NumberFormat.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zul {
namespace {

using test::ReportStudy;
using test::TestFolder;

using SectionFn = bool (*)(ReportRun&, const ReportContext&);

// The printed lines of one section, as pages of lines (a form feed starts a page).
struct Printed {
    bool ok = false;
    std::int32_t lineCount = 0;
    std::vector<std::vector<std::string>> pages{{}};
};

Printed RunSection(SectionFn section, const ReportContext& ctx, const NumberingSettings& numbering = {}) {
    TestFolder folder;
    ReportRun run(folder.path().string());
    run.Numbering().Restart(numbering);
    Printed p;
    p.ok = section(run, ctx);
    p.lineCount = run.Page().LineCount();
    for (std::string line : test::PrintTextLines(run.Page().Text())) {
        while (!line.empty() && line[0] == '\f') {
            p.pages.emplace_back();
            line.erase(0, 1);
        }
        p.pages.back().push_back(line);
    }
    return p;
}

bool Has(const std::string& line, const std::string& part) {
    return line.find(part) != std::string::npos;
}

std::size_t CountLines(const std::vector<std::string>& page, const std::string& part) {
    return static_cast<std::size_t>(
        std::count_if(page.begin(), page.end(), [&](const std::string& l) { return Has(l, part); }));
}

bool AnyLine(const Printed& p, const std::string& part) {
    for (const auto& page : p.pages) {
        if (CountLines(page, part) > 0) {
            return true;
        }
    }
    return false;
}

// Layer rows per page: lines naming a soil kind.
std::vector<std::size_t> LayerRowsPerPage(const Printed& p) {
    std::vector<std::size_t> rows;
    for (const auto& page : p.pages) {
        rows.push_back(CountLines(page, "砂質土層") + CountLines(page, "砂れき層") +
                       CountLines(page, "粘性土層"));
    }
    return rows;
}

ProjectDocument LayeredDocument(std::int32_t layers, std::int32_t method) {
    ProjectDocument doc = testdocs::WorstCaseStudyDocument(false);
    doc.JibanCount = layers;
    doc.InpJyoken.Sekou = method;
    return doc;
}

TEST(ConditionsReport, LayerTablePaging) {
    struct Case {
        std::int32_t layers, method;
        std::vector<std::size_t> rowsPerPage;
    };
    // The table starts with 39 lines on the page (43 with the blade diameters): 23 / 4 = 5.75
    // gives 6 rows, 19 / 4 = 4.75 gives 5; every further page 14.
    const Case cases[] = {
        {15, 0, {6, 9}}, {20, 0, {6, 14}}, {6, 0, {6}}, {7, 0, {6, 1}}, {20, 7, {5, 14, 1}}, {1, 7, {1}},
    };
    for (const Case& c : cases) {
        ReportStudy study(LayeredDocument(c.layers, c.method));
        ASSERT_TRUE(study.calculated);
        const Printed p = RunSection(basResOutJyoken, study.ctx);
        ASSERT_TRUE(p.ok);
        EXPECT_EQ(LayerRowsPerPage(p), c.rowsPerPage) << c.layers << " layers, method " << c.method;
        for (std::size_t i = 0; i < p.pages.size(); ++i) {
            const auto& page = p.pages[i];
            const auto head =
                std::find_if(page.begin(), page.end(), [](const auto& l) { return Has(l, "層番号"); });
            ASSERT_NE(head, page.end()) << "page " << i << " repeats the table head";
            EXPECT_TRUE(Has(page.back(), i + 1 < p.pages.size() ? "──" : "※")) << "page " << i;
        }
        EXPECT_EQ(CountLines(p.pages.back(), "※"), 3u);
    }
}

TEST(ConditionsReport, PileDiameterLinesByMethod) {
    struct Case {
        std::int32_t method;
        bool soilCement, blades;
    };
    for (const Case& c : {Case{1, false, false}, Case{5, true, false}, Case{7, false, true}}) {
        ProjectDocument doc = testdocs::EndBearingDocument();
        doc.InpJyoken.Sekou = c.method;
        doc.InpJyoken.D = 0.8;
        ReportStudy study(doc);
        ASSERT_TRUE(study.calculated);
        const Printed p = RunSection(basResOutJyoken, study.ctx);
        ASSERT_TRUE(p.ok);
        EXPECT_EQ(AnyLine(p, "ソイルセメント柱径"), c.soilCement);
        EXPECT_EQ(AnyLine(p, "杭径　　　　　　　　　　　Ｄ      ：    0.800 m"), !c.soilCement);
        EXPECT_EQ(AnyLine(p, "羽根外径"), c.blades);
        EXPECT_EQ(AnyLine(p, "羽根内径"), c.blades);
        EXPECT_TRUE(AnyLine(p, std::string(MethodReportName(c.method))));
    }
}

TEST(ConditionsReport, ValuesTitleAndNoLayers) {
    ProjectDocument doc = testdocs::EndBearingDocument();
    doc.InpJyoken.Title = "第１検討ケース";
    ReportStudy study(doc);
    ASSERT_TRUE(study.calculated);
    const Printed p = RunSection(basResOutJyoken, study.ctx, {3, 1, {1, 1, 2, 0}, {0, 2, 4, 0}});
    ASSERT_TRUE(p.ok);
    const auto& lines = p.pages.front();
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "?R11. 計算条件");
    EXPECT_EQ(lines[3], "  検討ケース名称：　第１検討ケース"); // body of the chapter level
    EXPECT_EQ(lines[6], "  ?R21.1 設計条件");
    EXPECT_EQ(lines[8], "    1.1.(1) 杭の条件");
    // Layer 2: sandy gravel, 10 m, 20 / 10 kN/m3, N 40, f 100, DE 0.5, from -5 to -15.
    EXPECT_TRUE(AnyLine(p, "     2  砂れき層    10.000    20.0    10.0   40.0   100.0     0.500"));
    EXPECT_TRUE(AnyLine(p, " -15.000"));
    EXPECT_TRUE(AnyLine(p, "地下水位標高　　　　　　　ELWL    ：    -3.000 m"));

    // Without layers the head is followed by the closing lines.
    const ProjectDocument empty;
    const CZul none;
    const ReportContext ctx{empty, none, none, study.ctx.paths};
    const Printed q = RunSection(basResOutJyoken, ctx);
    ASSERT_TRUE(q.ok);
    const auto& page = q.pages.back();
    ASSERT_GE(page.size(), 9u);
    EXPECT_TRUE(Has(page[page.size() - 9], "──"));
    EXPECT_TRUE(Has(page[page.size() - 5], "──")); // line 24, then line 29 directly
    EXPECT_TRUE(Has(page[page.size() - 4], "──"));
}

TEST(ResultsList, CapacitiesInTheirFields) {
    ReportStudy study(test::ExampleDocument("end-bearing-pile.zul"));
    ASSERT_TRUE(study.calculated);
    const Printed p = RunSection(basResOutIchiran, study.ctx);
    ASSERT_TRUE(p.ok);
    ASSERT_EQ(p.pages.size(), 1u);
    ASSERT_EQ(p.pages[0].size(), 9u);
    EXPECT_EQ(p.lineCount, 9);
    const auto capacity = [](double v) {
        const std::string t = FormatNumber(v, "###,##0.0");
        return std::string(9 - std::min<std::size_t>(9, t.size()), ' ') + t;
    };
    EXPECT_TRUE(Has(p.pages[0][5], capacity(study.driver.CalcPair(0).Ra()) + "     " +
                                       capacity(study.driver.CalcPair(1).Ra())));
    EXPECT_TRUE(Has(p.pages[0][7], capacity(study.driver.CalcPair(0).Pa()) + "     " +
                                       capacity(study.driver.CalcPair(1).Pa())));
}

TEST(GraphReport, TwoPagesOfPictureRecords) {
    ReportStudy study(testdocs::EndBearingDocument());
    const Printed p = RunSection(basResOutGraph, study.ctx);
    ASSERT_TRUE(p.ok);
    const std::vector<std::vector<std::string>> expected = {
        {"?R1支持力検討グラフ", "", "?R2杭長と許容押込み支持力の関係", "", "常時",
         "  ?BM;000;000;160;110;/prog/RA01.WMF", "", "", "レベル１地震時",
         "  ?BM;000;000;160;110;/prog/RA02.WMF"},
        {"?R2杭長と許容引抜き力の関係", "", "常時", "  ?BM;000;000;160;110;/prog/PA01.WMF", "", "",
         "レベル１地震時", "  ?BM;000;000;160;110;/prog/PA02.WMF"}};
    EXPECT_EQ(p.pages, expected);
}

TEST(Sections, MissingTemplateBlockOrFileFails) {
    ReportStudy study(testdocs::EndBearingDocument());
    TestFolder folder;
    test::WriteBytes(folder.file("Zul.fmt"), "nothing\r\n");
    for (const std::string& fmt : {folder.file("Zul.fmt"), folder.file("none.fmt")}) {
        ReportContext ctx = study.ctx;
        ctx.paths.fmtFile = fmt;
        for (const SectionFn section : {basResOutJyoken, basResOutIchiran, basResOutGraph}) {
            EXPECT_FALSE(RunSection(section, ctx).ok);
        }
    }
}

TEST(Sections, SupplementWordingStandsInOnlyWhenOnAndPresent) {
    ReportStudy study(testdocs::EndBearingDocument());
    TestFolder folder;
    test::WriteBytes(folder.file("Zul.fmt"),
                     test::Sjis("一覧\r\n  1 1元の文\r\nEnd\r\n一覧_補足\r\n  1 "
                                "1補足の文\r\nEnd\r\nグラフ\r\n  1 0図\r\nEnd\r\n"
                                "壊れた_補足\r\nx\r\nEnd\r\n壊れた\r\n  1 0可\r\nEnd\r\n"));
    struct Case {
        const char* block;
        bool supplement;
        const char* text; // nullptr: the read fails
    };
    const Case cases[] = {
        {"一覧", false, "元の文"},        {"一覧", true, "補足の文"}, {"グラフ", true, "図"},
        {"グラフ", false, "図"},          {"壊れた", false, "可"},    {"壊れた", true, nullptr},
        {"一覧_補足", false, "補足の文"}, {"ない", true, nullptr},
    };
    for (const Case& c : cases) {
        ReportContext ctx = study.ctx;
        ctx.paths.fmtFile = folder.file("Zul.fmt");
        ctx.supplement = c.supplement;
        if (c.text == nullptr) {
            EXPECT_THROW(ReadReportBlock(ctx, c.block), ReportError) << c.block;
        } else {
            EXPECT_EQ(test::Utf8(ReadReportBlock(ctx, c.block).Text(1)), c.text) << c.block << c.supplement;
        }
    }
}

} // namespace
} // namespace zul
