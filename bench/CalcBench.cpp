// Speed of the calculation: CalcRa on the worked end-bearing pile, one CalcPaRa of a driven
// pile with the area-balance search, and the worst-case study table (20 layers, 100 N-values,
// automatic tip resistance by area balance, ten diameters, lengths 1.0 to 999.9 by 0.1).
#include "TestDocuments.h"
#include "calc/basCalcMain.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

using namespace zul;
using testdocs::WorstCaseStudyDocument;

void ReportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_kB"] = static_cast<double>(usage.ru_maxrss);
}

void BM_CalcRa_WorkedExample(benchmark::State& state) {
    const ProjectDocument doc = testdocs::EndBearingDocument();
    basCalcMain driver;
    for (auto _ : state) {
        benchmark::DoNotOptimize(driver.CalcRa(doc));
    }
    // Two CalcPaRa runs (normal and earthquake case) per CalcRa.
    state.counters["CalcPaRa"] =
        benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CalcRa_WorkedExample);

void BM_CalcPaRa_AreaBalance(benchmark::State& state) {
    ProjectDocument doc = WorstCaseStudyDocument(state.range(1) != 0);
    doc.InpJyoken.L = static_cast<double>(state.range(0));
    basCalcMain driver;
    if (!driver.CalcRa(doc)) {
        state.SkipWithError("calculation failed");
        return;
    }
    CZul pile = driver.CalcPair(0);
    for (auto _ : state) {
        pile.CalcPaRa();
        benchmark::DoNotOptimize(pile.Ra());
    }
}
BENCHMARK(BM_CalcPaRa_AreaBalance)->ArgNames({"L", "deep"})->Args({30, 0})->Args({30, 1})->Args({300, 1});

// The study table over state.range(0) lengths (from 1.0 m by 0.1 m) for ten diameters.
void BM_CalcRaTable_WorstCase(benchmark::State& state) {
    ProjectDocument doc = WorstCaseStudyDocument(state.range(1) != 0);
    doc.RaTable(2) = CellValue::Number(1.0 + static_cast<double>(state.range(0) - 1) / 10.0);
    basCalcMain driver;
    double runs = 0;
    for (auto _ : state) {
        if (!driver.CalcRaTable(doc)) {
            state.SkipWithError("table calculation failed");
            return;
        }
        for (int i = 0; i < driver.ResultCount(); ++i) {
            runs += 2.0 * driver.ResultTables(i).Count();
        }
    }
    state.counters["rows"] = static_cast<double>(driver.ResultTables(0).Count());
    state.counters["CalcPaRa"] =
        benchmark::Counter(runs, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    ReportPeakMemory(state);
}
BENCHMARK(BM_CalcRaTable_WorstCase)
    ->ArgNames({"lengths", "deep"})
    ->Args({999, 0})
    ->Args({9990, 0})
    ->Args({999, 1})
    ->Args({9990, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
