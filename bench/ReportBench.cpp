// Speed of the calculation report: the generation run of all four items and the join for the
// worst-case study (20 layers, 100 N-values, driven pile with automatic tip resistance, so the
// detailed report carries its three figures), with and without the calculation before it.
#include "TestDocuments.h"
#include "calc/basCalcMain.h"
#include "report/PrintFileGenerator.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zul;

const std::string kData = std::string(ZUL_SOURCE_DIR) + "/data";

void RunReport(benchmark::State& state, const ProjectDocument& doc, basCalcMain& driver) {
    const ReportContext ctx{doc, driver.CalcPair(0), driver.CalcPair(1),
                            ReportFiles(kData + "/Zul.fmt", kData, kData)};
    PrintFileGenerator generator;
    if (!generator.GeneratePrintFiles(ctx, {3, 1, {1, 1, 2, 8}, {0, 2, 4, 6}}) ||
        !generator.JoinPrintFiles({true, true, true, true})) {
        state.SkipWithError("report failed");
    }
}

void BM_Report_WorstCase(benchmark::State& state) {
    const ProjectDocument doc = testdocs::WorstCaseStudyDocument(false);
    basCalcMain driver;
    if (!driver.CalcRa(doc)) {
        state.SkipWithError("calculation failed");
        return;
    }
    for (auto _ : state) {
        RunReport(state, doc, driver);
    }
}
BENCHMARK(BM_Report_WorstCase)->Unit(benchmark::kMillisecond);

void BM_CalcAndReport_WorstCase(benchmark::State& state) {
    const ProjectDocument doc = testdocs::WorstCaseStudyDocument(false);
    for (auto _ : state) {
        basCalcMain driver;
        if (!driver.CalcRa(doc)) {
            state.SkipWithError("calculation failed");
            return;
        }
        RunReport(state, doc, driver);
    }
}
BENCHMARK(BM_CalcAndReport_WorstCase)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
