// zul-cli report --pdf, run as a program on every example: the PDF's pages (pdfinfo) and text
// (pdftotext) hold the report with the four allowable values exactly as zul-cli calc prints
// them and, with a study table, the graph report drawn from it.
#include "../report/ReportStudies.h"
#include "../report/ReportTestSupport.h"
#include "../support/CliRunner.h"
#include "calc/basCalcMain.h"
#include "report/ReportNotes.h"
#include "util/NumberFormat.h"
#include "util/ProgramIdentity.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>

namespace zul {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::RunCli;
using test::TestFolder;

// The values of zul-cli calc's two value rows: Ra normal, Ra earthquake, Pa normal, Pa earthquake.
std::vector<std::string> CalcValues(const std::string& example, const TestFolder& folder) {
    const auto run = RunCli(ZUL_CLI_PATH, {"calc", test::ExamplePath(example)}, folder);
    // The table, without the notes under it.
    const std::string table = run.out.substr(0, run.out.find("注意："));
    std::vector<std::string> values;
    const std::regex number(R"(-?[0-9][0-9,]*\.[0-9])");
    for (auto it = std::sregex_iterator(table.begin(), table.end(), number); it != std::sregex_iterator();
         ++it) {
        values.push_back(it->str());
    }
    return values;
}

struct PdfFacts {
    int pages = 0;
    bool a4 = false;
    std::string text;
};

PdfFacts ReadPdf(const std::string& pdf, const TestFolder& folder) {
    PdfFacts facts;
    const auto info = RunCli("pdfinfo", {pdf}, folder);
    std::smatch m;
    if (std::regex_search(info.out, m, std::regex(R"(Pages:\s+([0-9]+))"))) {
        facts.pages = std::stoi(m[1]);
    }
    facts.a4 =
        std::regex_search(info.out, std::regex(R"(Page size:\s+595(\.[0-9]+)? x 84[12](\.[0-9]+)? pts)"));
    facts.text = RunCli("pdftotext", {"-layout", pdf, "-"}, folder).out;
    return facts;
}

std::string TmpDirPrefix(const std::string& folder) {
    return "TMPDIR=" + test::ShellQuoted(folder) + " ";
}

// Files a report run left in the temporary folder (Qt's own runtime folder aside).
std::size_t ReportFilesIn(const fs::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        count += entry.path().filename().string().rfind("runtime-", 0) == 0 ? 0 : 1;
    }
    return count;
}

// The text of each page (pdftotext ends every page with a form feed).
std::vector<std::string> PageTexts(const std::string& text) {
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\f', start)) != std::string::npos; start = end + 1) {
        pages.push_back(text.substr(start, end - start));
    }
    return pages;
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A page image of pdftoppm -gray (binary PGM): width, height and one byte a pixel.
struct GrayPage {
    int width = 0;
    int height = 0;
    std::string pixels;
    bool ink(int x, int y) const { return static_cast<unsigned char>(pixels[y * width + x]) < 128; }
};

std::vector<GrayPage> PageImages(const std::string& pdf, const TestFolder& folder,
                                 const std::string& prefix) {
    RunCli("pdftoppm", {"-r", "50", "-gray", pdf, folder.file(prefix)}, folder);
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix + "-", 0) == 0 && entry.path().extension() == ".pgm") {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<GrayPage> pages;
    for (const std::string& file : files) {
        const std::string bytes = ReadBytes(file);
        std::smatch m;
        if (std::regex_search(bytes, m, std::regex(R"(^P5\s+([0-9]+)\s+([0-9]+)\s+255\s)"))) {
            GrayPage page{std::stoi(m[1]), std::stoi(m[2]), bytes.substr(m.length(0))};
            if (page.pixels.size() == static_cast<std::size_t>(page.width) * page.height) {
                pages.push_back(std::move(page));
            }
        }
        fs::remove(file);
    }
    return pages;
}

// Every page of every example carries the study title and file name above the report lines and
// "- n / N -" below them, drawn where the report puts no ink; turned off, the pages are the
// report alone.  The same study gives the same PDF bytes.
TEST(ReportPdf, EveryPageCarriesTheHeadOutsideTheReportLines) {
    TestFolder folder;
    // The date of printing comes from it, so that two runs on any two days give the same PDF.
    ASSERT_EQ(setenv("SOURCE_DATE_EPOCH", "1000000000", 1), 0);
    for (const char* example : {"end-bearing-pile.zul", "driven-pile-auto-tip.zul",
                                "rotary-press-in-pile.zul", "friction-pile-clay.zul"}) {
        SCOPED_TRACE(example);
        const std::string title = test::ExampleDocument(example).InpJyoken.Title;
        const auto report = [&](const std::string& pdf, std::vector<std::string> extra) {
            std::vector<std::string> args = {
                "report",           test::ExamplePath(example), "--pdf", pdf,
                "--program-folder", test::DataFolder(),         "--fmt", test::DataFolder() + "/Zul.fmt"};
            args.insert(args.end(), extra.begin(), extra.end());
            const auto run = RunCli(ZUL_CLI_PATH, args, folder);
            EXPECT_EQ(run.status, 0) << run.err;
        };
        const std::string headed = folder.file("headed.pdf");
        const std::string again = folder.file("again.pdf");
        const std::string plain = folder.file("plain.pdf");
        report(headed, {});
        report(again, {});
        report(plain, {"--no-page-head"});
        EXPECT_TRUE(ReadBytes(headed) == ReadBytes(again)) << "two PDFs of one study differ";
        if (std::string(example) == "end-bearing-pile.zul") {
            ASSERT_EQ(setenv("SOURCE_DATE_EPOCH", "2000000000", 1), 0);
            report(again, {});
            ASSERT_EQ(setenv("SOURCE_DATE_EPOCH", "1000000000", 1), 0);
            EXPECT_FALSE(ReadBytes(headed) == ReadBytes(again)) << "the date of printing is not on the pages";
        }
        const auto info = RunCli("pdfinfo", {headed}, folder).out;
        EXPECT_NE(info.find("Title:           " + title + "\n"), std::string::npos) << info;
        EXPECT_EQ(info.find("CreationDate"), std::string::npos) << info;

        const auto withHead = PageTexts(ReadPdf(headed, folder).text);
        const auto without = PageTexts(ReadPdf(plain, folder).text);
        ASSERT_EQ(withHead.size(), without.size());
        ASSERT_GE(withHead.size(), 6u);
        const std::size_t pages = withHead.size();
        for (std::size_t i = 0; i < pages; ++i) {
            SCOPED_TRACE("page " + std::to_string(i + 1));
            const std::string number = "- " + std::to_string(i + 1) + " / " + std::to_string(pages) + " -";
            EXPECT_NE(withHead[i].find(number), std::string::npos);
            EXPECT_NE(withHead[i].find(example), std::string::npos);
            EXPECT_NE(withHead[i].find(ProgramNameAndVersion()), std::string::npos);
            EXPECT_NE(withHead[i].find("印刷 2001/09/09"), std::string::npos) << withHead[i].substr(0, 300);
            EXPECT_EQ(Occurrences(withHead[i], title), Occurrences(without[i], title) + 1);
            EXPECT_EQ(without[i].find(" / " + std::to_string(pages) + " -"), std::string::npos);
            EXPECT_EQ(without[i].find(example), std::string::npos);
        }

        // What the head adds lies above the page's first inked row and below its last.
        const auto headImages = PageImages(headed, folder, "headed");
        const auto plainImages = PageImages(plain, folder, "plain");
        ASSERT_EQ(headImages.size(), pages);
        ASSERT_EQ(plainImages.size(), pages);
        for (std::size_t i = 0; i < pages; ++i) {
            SCOPED_TRACE("image of page " + std::to_string(i + 1));
            const GrayPage& head = headImages[i];
            const GrayPage& page = plainImages[i];
            ASSERT_EQ(head.width, page.width);
            ASSERT_EQ(head.height, page.height);
            int firstInk = page.height;
            int lastInk = -1;
            int addedAbove = 0;
            int addedBelow = 0;
            int addedAmid = 0;
            for (int y = 0; y < page.height; ++y) {
                for (int x = 0; x < page.width; ++x) {
                    if (page.ink(x, y)) {
                        firstInk = std::min(firstInk, y);
                        lastInk = y;
                    }
                }
            }
            ASSERT_LT(firstInk, lastInk);
            for (int y = 0; y < page.height; ++y) {
                for (int x = 0; x < page.width; ++x) {
                    if (head.pixels[y * page.width + x] != page.pixels[y * page.width + x]) {
                        (y < firstInk ? addedAbove : y > lastInk ? addedBelow : addedAmid) += 1;
                    }
                }
            }
            EXPECT_GT(addedAbove, 0);
            EXPECT_GT(addedBelow, 0);
            EXPECT_EQ(addedAmid, 0);
        }
    }
}

TEST(ReportPdf, EveryExampleInFullWithItsGraphs) {
    TestFolder folder;
    const std::string ini = folder.file("Zul.ini");
    test::WriteBytes(ini, "[Chapter]\r\nMethod=3\r\nInit=1\r\nStyle1=1\r\nStyle2=1\r\n");
    fs::create_directories(folder.path() / "tmp");
    for (const char* example : {"end-bearing-pile.zul", "driven-pile-auto-tip.zul",
                                "rotary-press-in-pile.zul", "friction-pile-clay.zul"}) {
        SCOPED_TRACE(example);
        const std::string pdf = folder.file(std::string(example) + ".pdf");
        const auto run =
            RunCli(ZUL_CLI_PATH,
                   {"report", test::ExamplePath(example), "--pdf", pdf, "--ini", ini, "--program-folder",
                    test::DataFolder(), "--fmt", test::DataFolder() + "/Zul.fmt"},
                   folder, TmpDirPrefix(folder.file("tmp")));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(ReportFilesIn(folder.path() / "tmp"), 0u) << "the run's scratch files are gone";

        const PdfFacts facts = ReadPdf(pdf, folder);
        EXPECT_TRUE(facts.a4);
        EXPECT_GE(facts.pages, 6); // conditions, detailed push-in and pull-out, list, graphs
        EXPECT_LE(facts.pages, 40);
        const auto values = CalcValues(example, folder);
        ASSERT_EQ(values.size(), 4u);
        for (const std::string& value : values) {
            EXPECT_NE(facts.text.find(value), std::string::npos) << value;
        }
        // Chapters numbered "1." on, and the graph report with the study's pile diameters.
        EXPECT_NE(facts.text.find("1. 計算条件"), std::string::npos);
        EXPECT_NE(facts.text.find("支持力検討グラフ"), std::string::npos);
        EXPECT_NE(facts.text.find("φ"), std::string::npos) << "graph legends drawn";

        // The supplements (on without a setting): every N value with its depth and elevation,
        // and the study table's notes per diameter as zul-cli table gives them.
        const ProjectDocument doc = test::ExampleDocument(example);
        basCalcMain calc;
        ASSERT_TRUE(calc.CalcRa(doc));
        const colZulNs& points = calc.CalcPair(0).N();
        ASSERT_GT(points.Count(), 0);
        const double top = calc.CalcPair(0).Jiban().Item(1)->EU;
        for (std::int32_t i = 1; i <= points.Count(); ++i) {
            const clsZulN& p = *points.Item(i);
            const std::string row =
                std::to_string(i) + R"(\s+)" + FormatNumber(p.Z, "0.000") + R"(\s+)" +
                std::regex_replace(FormatNumber(top - p.Z, "+0.000;-0.000"), std::regex(R"(\+)"), R"(\+)") +
                R"(\s+)" + FormatNumber(p.N, "0.0") + R"(\s*\n)";
            EXPECT_TRUE(std::regex_search(facts.text, std::regex(row))) << row;
        }
        std::string flat = facts.text;
        flat.erase(std::remove_if(flat.begin(), flat.end(), [](char c) { return c == ' ' || c == '\n'; }),
                   flat.end());
        for (std::string note : StudyTableNotes(doc)) {
            std::erase(note, ' ');
            // pdftotext gives the wave dash of "12.5～14.0" as U+301C.
            note = std::regex_replace(note, std::regex("～"), "〜");
            // The printed notes spell the N value with a full-width Ｎ.
            note = std::regex_replace(note, std::regex("N値"), "Ｎ値");
            EXPECT_NE(flat.find(note), std::string::npos) << note;
        }
    }
}

TEST(ReportPdf, WithoutAStudyTableTheGraphIsLeftOutWithANote) {
    TestFolder folder;
    ProjectDocument doc = test::ExampleDocument("end-bearing-pile.zul");
    doc.RaTableInpFlg = false;
    const std::string study = folder.file("no-table.zul");
    int code = 0;
    ASSERT_TRUE(SaveInputData(doc, study, code)) << code;
    const std::string pdf = folder.file("out.pdf");
    const std::vector<std::string> base = {"report",
                                           study,
                                           "--pdf",
                                           pdf,
                                           "--program-folder",
                                           test::DataFolder(),
                                           "--fmt",
                                           test::DataFolder() + "/Zul.fmt"};

    auto run = RunCli(ZUL_CLI_PATH, base, folder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("支持力検討ｸﾞﾗﾌ"), std::string::npos) << run.err;
    const PdfFacts facts = ReadPdf(pdf, folder);
    EXPECT_GE(facts.pages, 4);
    EXPECT_EQ(facts.text.find("φ"), std::string::npos) << "no graph drawn";

    // The graph alone leaves nothing to print.
    fs::remove(pdf);
    std::vector<std::string> graphOnly = base;
    graphOnly.insert(graphOnly.end(), {"--items", "3"});
    run = RunCli(ZUL_CLI_PATH, graphOnly, folder);
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("印刷項目はひとつ以上選択して下さい。"), std::string::npos);
    EXPECT_FALSE(fs::exists(pdf));

    // A study table whose calculation fails (a length step that rounds to 0) leaves the graph
    // out too, with the message and its cause.
    ProjectDocument failing = test::ExampleDocument("end-bearing-pile.zul");
    failing.RaTable(3) = CellValue::Number(0.04);
    const std::string failingStudy = folder.file("failing-table.zul");
    ASSERT_TRUE(SaveInputData(failing, failingStudy, code)) << code;
    std::vector<std::string> failingArgs = base;
    failingArgs[1] = failingStudy;
    run = RunCli(ZUL_CLI_PATH, failingArgs, folder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.rfind("支持力検討ｸﾞﾗﾌ: 計算ｴﾗｰが発生しました。", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("原因："), std::string::npos) << run.err;
    EXPECT_EQ(ReadPdf(pdf, folder).text.find("φ"), std::string::npos);

    // Neither output named.
    run = RunCli(ZUL_CLI_PATH, {"report", study}, folder);
    EXPECT_EQ(run.status, 2);
}

// With a print file too, the drawn graphs stay beside it where its picture records point.
TEST(ReportPdf, PrintFileAndPdfTogether) {
    TestFolder folder;
    const std::string out = folder.file("r.prn");
    const std::string pdf = folder.file("r.pdf");
    const auto run = RunCli(ZUL_CLI_PATH,
                            {"report", test::ExamplePath("driven-pile-auto-tip.zul"), "--print-file", out,
                             "--pdf", pdf, "--program-folder", test::DataFolder(), "--items", "3"},
                            folder);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = ReadBytes(out);
    for (const char* graph : {"RA01.WMF", "PA01.WMF", "RA02.WMF", "PA02.WMF"}) {
        const std::string path = out + ".figures/" + graph;
        EXPECT_NE(text.find("?BM;000;000;160;110;" + path + "\r\n"), std::string::npos) << graph;
        EXPECT_GT(fs::file_size(path), 1000u) << graph;
    }
    EXPECT_GE(ReadPdf(pdf, folder).pages, 2);
}

// --pdf is drawn offscreen whatever the platform says; a PDF path is shown escaped; a temporary
// folder that print files cannot name is not used for the figures.
TEST(ReportPdf, NoDisplayNoRawPathsNoLostFigures) {
    TestFolder folder;
    const std::string pdf = folder.file("x.pdf");
    const std::string odd = folder.file("tmp\tü€😀");
    fs::create_directory(odd);
    const std::string study = folder.file("s.zul");
    fs::copy_file(test::ExamplePath("driven-pile-auto-tip.zul"), study);
    const std::vector<std::string> args = {"report",           study,     "--pdf", pdf, "--program-folder",
                                           test::DataFolder(), "--items", "1"};
    for (const std::string& prefix :
         {std::string("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "), TmpDirPrefix(odd)}) {
        fs::remove(pdf);
        const auto run = RunCli(ZUL_CLI_PATH, args, folder, prefix);
        EXPECT_EQ(run.status, 0) << prefix << run.err;
        EXPECT_EQ(run.err, "") << prefix; // no note of a figure that could not be read
        EXPECT_GE(ReadPdf(pdf, folder).pages, 3) << prefix;
    }
    EXPECT_EQ(ReportFilesIn(odd), 0u);

    const std::string fifo = folder.file("pipe.pdf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string pdf;
        std::string message;
    } refused[] = {
        {folder.file("no\x1B[2J/x.pdf"),
         "PDFファイルを書き込めません（" + folder.file("no\\x1B[2J/x.pdf") + "）：フォルダがありません。"},
        {fifo, "PDFファイルを書き込めません（" + fifo + "）：通常のファイルではありません"},
        {study, "は計算データファイルと同じファイルです。"},
    };
    for (const auto& c : refused) {
        std::vector<std::string> refusedArgs = args;
        refusedArgs[3] = c.pdf;
        const auto run = RunCli(ZUL_CLI_PATH, refusedArgs, folder, "timeout 60 ");
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\x1B'), std::string::npos);
    }
    // The print file and the PDF cannot be one file.
    const auto same = RunCli(ZUL_CLI_PATH,
                             {"report", test::ExamplePath("end-bearing-pile.zul"), "--print-file", pdf,
                              "--pdf", folder.file("./x.pdf")},
                             folder);
    EXPECT_EQ(same.status, 2);
    EXPECT_NE(same.err.find("に同じファイル"), std::string::npos) << same.err;
}

} // namespace
} // namespace zul
