#include "report/SiteReport.h"

#include "../util/TestFolder.h"
#include "printfile/PrintFileFormat.h"
#include "util/Cp932.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace zul;
using namespace zul::site;

// The smallest of 1, 2, 2.5, 5 times a power of ten (from 1:100) at which the extent fits.
TEST(SiteReport, PlanScale) {
    struct Case {
        double width, height, scale;
    };
    for (const Case& c : std::vector<Case>{{0, 0, 100},
                                           {12, 3, 100},
                                           {12.1, 0, 200},
                                           {0, 25, 250},
                                           {30, 30, 250},
                                           {31, 1, 500},
                                           {120000, 5, 1e6}}) {
        EXPECT_EQ(PlanScale(c.width, c.height, 120, 120), c.scale) << c.width << " x " << c.height;
    }
}

namespace {

BoreholeResult Result(std::size_t index, const std::string& name, double lat, double lon,
                      std::optional<double> required) {
    BoreholeResult b;
    b.index = index;
    b.file = "/x/" + name + ".xml";
    b.name = name;
    b.latitude = lat;
    b.longitude = lon;
    b.tables = {{0.8, {{10, 100, 50, 90, 60, 0}, {12, 140, 60, 150, 80, 0}}}};
    b.required = {{0.8, required ? std::optional<clsRaTable>(clsRaTable{*required, 140, 60, 150, 80, 0})
                                 : std::nullopt}};
    b.notes = {"地層「埋土」は層種を判定できないため砂質土層としました。"};
    return b;
}

} // namespace

// Every borehole gets its line (refused with the reason), the envelope and plan are figures
// whose files exist, no page holds more than 62 lines, and the notes are listed.
TEST(SiteReport, PrintFileOfASite) {
    test::TestFolder folder;
    ProjectDocument base;
    base.InpJyoken.Title = "橋台";
    SiteReport report(base, "/y/base.zul", {DesignLoad{120, 140}, std::nullopt}, {0.8});
    SiteEnvelope envelope;
    std::vector<BoreholeResult> results;
    for (std::size_t i = 0; i < 70; ++i) {
        results.push_back(Result(i, "B" + std::to_string(i), 35 + i * 1e-4, 139 + i * 2e-4, 12));
    }
    BoreholeResult refused;
    refused.index = 70;
    refused.file = "/x/R.xml";
    refused.name = "R";
    refused.status = BoreholeStatus::Refused;
    refused.reason = "地層が 24 層あります。";
    refused.required = {{0.8, std::nullopt}};
    results.push_back(refused);
    for (const BoreholeResult& b : results) {
        report.Add(b);
        envelope.Add(b);
    }
    const std::string printFile = folder.file("SITE.PRN");
    report.Write(envelope, printFile, folder.path().string(), ZUL_SOURCE_DIR "/data");
    const std::string text = DecodeCp932Lenient(test::ReadBytes(printFile));
    for (const char* expected : {"?R1１．基本条件", "設計押込み力：常時 120.0 kN，地震時 140.0 kN",
                                 "   70 B69", "取込不可：地層が 24 層あります。", "?R1３．包絡値",
                                 "?R1４．ﾎﾞｰﾘﾝｸﾞ位置図", "座標のないﾎﾞｰﾘﾝｸﾞ 1 本", "・地層「埋土」"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    std::size_t figures = 0;
    std::size_t pageStart = 0;
    while (pageStart <= text.size()) {
        const std::size_t pageEnd = std::min(text.find('\f', pageStart), text.size());
        std::size_t lines = 0;
        for (std::size_t at = pageStart; at < pageEnd; at = text.find("\r\n", at) + 2) {
            const std::string line = text.substr(at, text.find("\r\n", at) - at);
            ++lines;
            if (const std::size_t marker = line.find(kFigureRecordFields); marker != std::string::npos) {
                ++figures;
                EXPECT_TRUE(std::filesystem::exists(line.substr(marker + kFigureRecordFields.size())))
                    << line;
                lines += line.find("SITEP") != std::string::npos ? 45 : 25;
            }
        }
        EXPECT_LE(lines, 62u);
        pageStart = pageEnd + 1;
    }
    EXPECT_EQ(figures, 2u);
}
