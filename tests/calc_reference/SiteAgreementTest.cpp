// The site run against the second calculation: each borehole's study, as the run wrote it, is
// calculated again by the reference, and the required length and the envelope are found anew
// from the reference's rows.

#include "ReferenceDriver.h"

#include "../io/BoreholeXml.h"
#include "../util/TestFolder.h"
#include "io/InputDataFile.h"
#include "site/SiteEnvelope.h"
#include "site/SiteRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace zul {
namespace {

// Boreholes of two to five metres per layer, sand and clay in turn, N rising and falling.
std::vector<std::string> WriteSite(const test::TestFolder& folder, int count) {
    std::vector<std::string> files;
    for (int k = 0; k < count; ++k) {
        test::BoreholeText b;
        b.name = "S" + std::to_string(k);
        b.elevation = std::to_string(5 + k % 4) + ".50";
        const int step = 2 + k % 4;
        for (int i = 1; i <= 5; ++i) {
            b.layers.push_back({std::to_string(i * step), (i + k) % 2 ? "砂" : "粘土"});
        }
        for (int m = 1; m < 5 * step; ++m) {
            b.tests.push_back({std::to_string(m) + ".15", std::to_string(2 + (m * (k + 3)) % 48), "30"});
        }
        b.water = {std::to_string(1 + k % 3) + ".20"};
        files.push_back(folder.file("s" + std::to_string(k) + ".xml"));
        test::WriteBytes(files.back(), test::BoreholeXml(b, BoreholeLayout::V300));
    }
    return files;
}

bool Carries(const reference::TableRow& row, const site::SiteLoads& loads) {
    const bool push =
        !loads.pushIn || (row.Ra >= loads.pushIn->normal && row.Rae >= loads.pushIn->earthquake);
    const bool pull =
        !loads.pullOut || (row.Pa >= loads.pullOut->normal && row.Pae >= loads.pullOut->earthquake);
    return push && pull;
}

TEST(SiteAgreement, RequiredLengthsAndEnvelopeEqualTheSecondCalculation) {
    const struct {
        const char* base;
        site::SiteLoads loads;
    } cases[] = {
        {"friction-pile-clay.zul", {site::DesignLoad{450, 640}, site::DesignLoad{40, 60}}},
        {"driven-pile-auto-tip.zul", {site::DesignLoad{1100, 1700}, std::nullopt}},
        {"rotary-press-in-pile.zul", {std::nullopt, site::DesignLoad{300, 400}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base);
        test::TestFolder folder;
        const std::vector<std::string> files = WriteSite(folder, 8);
        ProjectDocument base;
        ASSERT_TRUE(OpenInputFile(base, std::string(ZUL_SOURCE_DIR "/examples/") + c.base).success);
        site::SiteOptions options;
        options.outDir = folder.path().string();
        options.jobs = 2;
        options.loads = c.loads;
        site::SiteEnvelope envelope;
        // least Ra per diameter and length over the boreholes, from the reference's rows
        std::map<std::pair<double, double>, double> leastRa;
        std::size_t requiredFound = 0;
        site::RunSite(base, files, options, [&](const site::BoreholeResult& b) {
            envelope.Add(b);
            ASSERT_EQ(b.status, site::BoreholeStatus::Ok) << b.file << ": " << b.reason;
            ProjectDocument study;
            ASSERT_TRUE(OpenInputFile(study, b.study).success);
            const reference::TableResult ref = reference::CalculateTable(study);
            ASSERT_TRUE(ref.ok) << b.file;
            ASSERT_EQ(static_cast<std::size_t>(ref.count), b.required.size()) << b.file;
            for (int d = 0; d < ref.count; ++d) {
                const auto& rows = ref.rows[static_cast<std::size_t>(d)];
                const site::RequiredLength& got = b.required[static_cast<std::size_t>(d)];
                EXPECT_EQ(got.diameter, ref.diameters[static_cast<std::size_t>(d)]);
                const auto wanted = std::find_if(rows.begin(), rows.end(),
                                                 [&](const auto& r) { return Carries(r, c.loads); });
                ASSERT_EQ(got.row.has_value(), wanted != rows.end()) << b.file << " D " << got.diameter;
                if (got.row) {
                    ++requiredFound;
                    EXPECT_EQ(got.row->L, wanted->L) << b.file;
                    EXPECT_EQ(got.row->Ra, wanted->Ra) << b.file;
                    EXPECT_EQ(got.row->Rae, wanted->Rae) << b.file;
                    EXPECT_EQ(got.row->Pa, wanted->Pa) << b.file;
                    EXPECT_EQ(got.row->Pae, wanted->Pae) << b.file;
                }
                for (const auto& r : rows) {
                    const auto key = std::make_pair(got.diameter, r.L);
                    const auto it = leastRa.find(key);
                    leastRa[key] = it == leastRa.end() ? r.Ra : std::min(it->second, r.Ra);
                }
            }
        });
        EXPECT_GT(requiredFound, 0u) << "no borehole carries the loads: the case proves little";
        std::size_t envelopeRows = 0;
        for (const site::EnvelopeDiameter& d : envelope.Diameters()) {
            for (const site::EnvelopeRow& row : d.rows) {
                ++envelopeRows;
                EXPECT_EQ(row.least[static_cast<std::size_t>(site::Capacity::Ra)].value,
                          leastRa.at({d.diameter, row.length}))
                    << d.diameter << " " << row.length;
            }
        }
        EXPECT_EQ(envelopeRows, leastRa.size());
    }
}

} // namespace
} // namespace zul
