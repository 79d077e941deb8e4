// The real calculation engine against the independent reference, over generated study
// cases: the same success flag, and on success the same value in every member, list and
// table row, digit for digit.
#include "DocumentGenerator.h"
#include "EngineComparison.h"
#include "StudyCases.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>

namespace zul::reference {
namespace {

constexpr std::uint64_t kCasesPerBlock = 100;
constexpr std::uint64_t kBlocks = 20;

std::string Report(std::uint64_t seed, const char* what, const Differences& d) {
    std::ostringstream text;
    text << "seed " << seed << " (" << what << "), " << d.lines().size() << " differences:";
    std::size_t shown = 0;
    for (const std::string& line : d.lines()) {
        if (++shown > 25) {
            text << "\n  ...";
            break;
        }
        text << "\n  " << line;
    }
    return text.str();
}

void CheckSingle(std::uint64_t seed, const ProjectDocument& doc) {
    basCalcMain engine;
    const bool ok = engine.CalcRa(doc);
    const SingleResult reference = CalculateSingle(doc);
    ASSERT_EQ(ok, reference.ok) << "seed " << seed << ": CalcRa success flag";
    if (!ok) {
        return;
    }
    Differences d;
    CompareCase(engine.CalcPair(0), reference.pair[0], "normal.", d);
    CompareCase(engine.CalcPair(1), reference.pair[1], "earthquake.", d);
    EXPECT_TRUE(d.empty()) << Report(seed, "CalcRa", d);
}

void CheckTable(std::uint64_t seed, const ProjectDocument& doc) {
    basCalcMain engine;
    const bool ok = engine.CalcRaTable(doc);
    const TableResult reference = CalculateTable(doc);
    ASSERT_EQ(ok, reference.ok) << "seed " << seed << ": CalcRaTable success flag";
    // after a failure the rows computed so far stay: they must agree as well
    Differences d;
    CompareTable(engine, reference, d);
    EXPECT_TRUE(d.empty()) << Report(seed, ok ? "CalcRaTable" : "CalcRaTable after its failure", d);
}

class EngineAgreement : public testing::TestWithParam<std::uint64_t> {};

TEST_P(EngineAgreement, SingleAndTableCalculationsMatchTheReferenceExactly) {
    const std::uint64_t first = GetParam() * kCasesPerBlock + 1;
    for (std::uint64_t seed = first; seed < first + kCasesPerBlock; ++seed) {
        const ProjectDocument doc = GenerateDocument(seed);
        CheckSingle(seed, doc);
        CheckTable(seed, doc);
    }
}

INSTANTIATE_TEST_SUITE_P(GeneratedStudies, EngineAgreement, testing::Range<std::uint64_t>(0, kBlocks));

TEST(EngineAgreementExamples, WorkedExamplesAgree) {
    CheckSingle(0, DrivenPileExample(0));
    CheckSingle(0, DrivenPileExample(1));
    CheckSingle(0, CastInPlaceExample(true));
    ProjectDocument table = CastInPlaceExample(false);
    SetLengthTable(table, 10.0, 12.7, 1.0, {0.8, 0.0, 1.0});
    CheckTable(0, table);
}

} // namespace
} // namespace zul::reference
