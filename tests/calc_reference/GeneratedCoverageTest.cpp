// The generated study cases must reach every branch of the calculation often enough for
// the agreement with the engine to mean something, and must include the failures.
#include "DocumentGenerator.h"
#include "ReferenceDriver.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zul::reference {
namespace {

TEST(GeneratedCoverage, SameSeedSameDocument) {
    EXPECT_TRUE(SameStudy(GenerateDocument(42), GenerateDocument(42)));
    EXPECT_FALSE(SameStudy(GenerateDocument(42), GenerateDocument(43)));
}

TEST(GeneratedCoverage, CasesReachEveryBranchAndSomeFail) {
    std::map<std::string, int> seen;
    for (std::uint64_t seed = 1; seed <= 600; ++seed) {
        const ProjectDocument doc = GenerateDocument(seed);
        const SingleResult single = CalculateSingle(doc);
        const TableResult table = CalculateTable(doc);
        ++seen[single.ok ? "single ok" : "single failed"];
        ++seen[table.ok ? "table ok" : "table failed"];
        if (table.ok && table.count > 0 && !table.rows[0].empty()) {
            ++seen["table rows"];
        }
        if (!single.ok) {
            continue;
        }
        const PileCase& p = single.pair[0];
        ++seen["method " + std::to_string(doc.InpJyoken.Sekou)];
        if (p.QdMethod == 1 && p.N.size() >= 2 && p.KuiType == 0) {
            ++seen["automatic qd type " + std::to_string(p.QdNeireType)];
        }
        if (p.IsEcoPile && p.Fai > 0.0) {
            ++seen["blade resistance"];
        }
        if (p.IsEcoPile && p.Beta > 0.0 && p.Fai < 45.0) {
            ++seen["blade coefficient from the table"];
        }
        if (p.Alpha != 0.0) {
            ++seen["inclined"];
        }
        if (p.KuiType == 1) {
            ++seen["friction pile"];
        }
        if (p.RaLiFi.size() >= 3) {
            ++seen["three or more push-in segments"];
        }
        if (p.QdNeireType == 2 && p.QdMethod == 1 && p.Neire > 0.0) {
            ++seen["area balance with embedment"];
        }
        if (p.ELWL > p.Jiban.front().EU) {
            ++seen["water above the ground"];
        }
    }
    const std::map<std::string, int> minimum = {
        {"single ok", 300},
        {"single failed", 30},
        {"table ok", 300},
        {"table failed", 30},
        {"table rows", 150},
        {"automatic qd type 0", 15},
        {"automatic qd type 1", 15},
        {"automatic qd type 2", 15},
        {"area balance with embedment", 5},
        {"blade resistance", 25},
        {"blade coefficient from the table", 20},
        {"inclined", 50},
        {"friction pile", 50},
        {"three or more push-in segments", 100},
        {"water above the ground", 20},
    };
    for (const auto& [what, least] : minimum) {
        EXPECT_GE(seen[what], least) << what;
    }
    for (int method = 0; method < 8; ++method) {
        EXPECT_GE(seen["method " + std::to_string(method)], 10) << "method " << method;
    }
    for (const auto& [what, count] : seen) {
        std::printf("%-40s %d\n", what.c_str(), count);
    }
}

} // namespace
} // namespace zul::reference
