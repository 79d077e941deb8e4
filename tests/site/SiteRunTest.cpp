#include "site/SiteRun.h"

#include "../io/BoreholeXml.h"
#include "../util/TestFolder.h"
#include "io/InputDataFile.h"

#include <gtest/gtest.h>

using namespace zul;
using namespace zul::site;

namespace {

std::vector<std::string> WriteBoreholes(const test::TestFolder& folder, int count) {
    std::vector<std::string> files;
    for (int k = 0; k < count; ++k) {
        test::BoreholeText b;
        b.name = "B" + std::to_string(k);
        for (int i = 1; i <= 4; ++i) {
            b.layers.push_back({std::to_string(i * (3 + k % 3)), i % 2 ? "砂" : "粘土"});
        }
        for (int m = 1; m < 4 * (3 + k % 3); ++m) {
            b.tests.push_back({std::to_string(m) + ".15", std::to_string(3 + (m * (k + 1)) % 30), "30"});
        }
        files.push_back(folder.file("b" + std::to_string(k) + ".xml"));
        test::WriteBytes(files.back(), test::BoreholeXml(b, BoreholeLayout::V300));
    }
    return files;
}

ProjectDocument Base() {
    ProjectDocument doc;
    EXPECT_TRUE(OpenInputFile(doc, ZUL_SOURCE_DIR "/examples/friction-pile-clay.zul").success);
    return doc;
}

} // namespace

// Results come in file order whatever the number of workers, and are the same.
TEST(SiteRun, FileOrderAndSameResultsForAnyNumberOfJobs) {
    test::TestFolder folder;
    const std::vector<std::string> files = WriteBoreholes(folder, 12);
    const ProjectDocument base = Base();
    std::vector<std::vector<BoreholeResult>> runs;
    for (const int jobs : {1, 3}) {
        SiteOptions options;
        options.outDir = folder.path().string();
        options.jobs = jobs;
        options.loads.pushIn = DesignLoad{200, 300};
        std::vector<BoreholeResult> results;
        const SiteSummary summary =
            RunSite(base, files, options, [&](const BoreholeResult& b) { results.push_back(b); });
        EXPECT_EQ(summary.done, files.size());
        EXPECT_EQ(summary.refused + summary.failed, 0u);
        for (std::size_t i = 0; i < results.size(); ++i) {
            EXPECT_EQ(results[i].index, i);
            EXPECT_EQ(results[i].file, files[i]);
            EXPECT_EQ(results[i].study, folder.file("b" + std::to_string(i) + ".zul"));
            ASSERT_EQ(results[i].required.size(), 3u);
        }
        runs.push_back(std::move(results));
    }
    for (std::size_t i = 0; i < runs[0].size(); ++i) {
        EXPECT_EQ(runs[0][i].notes, runs[1][i].notes);
        for (std::size_t d = 0; d < 3; ++d) {
            EXPECT_EQ(runs[0][i].required[d].row, runs[1][i].required[d].row);
            EXPECT_EQ(runs[0][i].tables[d].rows, runs[1][i].tables[d].rows);
        }
    }
}

// A cancelled run starts no further borehole and ends with those finished in order.
TEST(SiteRun, CancelStopsTheRun) {
    test::TestFolder folder;
    const std::vector<std::string> files = WriteBoreholes(folder, 40);
    SiteOptions options;
    options.outDir = folder.path().string();
    options.jobs = 2;
    std::atomic<bool> cancel = false;
    std::size_t seen = 0;
    const SiteSummary summary = RunSite(
        Base(), files, options,
        [&](const BoreholeResult& b) {
            EXPECT_EQ(b.index, seen++);
            if (seen == 3) {
                cancel = true;
            }
        },
        &cancel);
    EXPECT_TRUE(summary.cancelled);
    EXPECT_EQ(summary.done, seen);
    EXPECT_LT(seen, 3 + 2 * 4 + 1u); // at most the boreholes already taken by the workers
    EXPECT_EQ(summary.envelope.Boreholes(), seen);
}
