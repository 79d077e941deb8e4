// Speed of the calculation: CalcRa on the worked end-bearing pile, one CalcPaRa of a driven
// pile with the area-balance search, and the worst-case study table (20 layers, 100 N-values,
// automatic tip resistance by area balance, ten diameters, lengths 1.0 to 999.9 by 0.1).
#include "calc/basCalcMain.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>

namespace {

using namespace zul;

ProjectDocument EndBearingExample() {
    ProjectDocument doc;
    CInpJyoken& c = doc.InpJyoken;
    c.D = 1.0;
    c.L = 10.0;
    c.Sekou = 1;
    c.IsWpRa = 1;
    c.IsWpPa = 1;
    c.Gp1 = 24.5;
    c.Gp2 = 14.5;
    doc.JibanLevel(1) = CellValue::Number(0.0);
    doc.JibanLevel(2) = CellValue::Number(-3.0);
    doc.JibanLevel(3) = CellValue::Number(0.0);
    doc.JibanLevel(4) = CellValue::Number(0.0);
    const double layers[2][8] = {{0, 5, 18, 9, 10, 20, 3000, 1}, {1, 10, 20, 10, 40, 100, 5000, 1}};
    doc.JibanCount = 2;
    for (std::size_t r = 1; r <= 2; ++r) {
        for (std::size_t col = 1; col <= 8; ++col) {
            doc.JibanLayer(col, r) = CellValue::Number(layers[r - 1][col - 1]);
        }
    }
    return doc;
}

// A driven pile in 20 layers with 100 N-values that rise and fall, so the area-balance search
// has work wherever the tip meets them.  Deep: 20 layers of 50 m (1000 m of ground) and
// N-values every 10 m, so every pile length of the table reaches them (a study only a file can
// hold).  Otherwise as the screens allow: 20 layers of 5 m and N-values every metre to 99 m.
ProjectDocument WorstCaseStudy(bool deep) {
    ProjectDocument doc;
    CInpJyoken& c = doc.InpJyoken;
    c.D = 1.0;
    c.L = 30.0;
    c.Sekou = 0;
    c.QdMethod = 1;
    c.QdSiji = 2;
    c.IsWpRa = 1;
    c.IsWpPa = 1;
    c.Gp1 = 24.5;
    c.Gp2 = 14.5;
    doc.JibanLevel(1) = CellValue::Number(0.0);
    doc.JibanLevel(2) = CellValue::Number(-2.5);
    doc.JibanLevel(3) = CellValue::Number(0.0);
    doc.JibanLevel(4) = CellValue::Number(-1.0);
    doc.JibanCount = 20;
    for (std::size_t r = 1; r <= 20; ++r) {
        const double kind = static_cast<double>(r % 3);
        const double values[8] = {kind,     deep ? 50.0 : 5.0, 18,   9,
                                  10.0 + r, 20.0 + 2 * r,      3000, 0.5 + 0.025 * r};
        for (std::size_t col = 1; col <= 8; ++col) {
            doc.JibanLayer(col, r) = CellValue::Number(values[col - 1]);
        }
    }
    doc.NCount = 100;
    for (std::size_t r = 1; r <= 100; ++r) {
        const double z = deep ? 10.0 * static_cast<double>(r) - 9.0 : static_cast<double>(r) - 0.9;
        const double n = std::round(10 * (25 + 15 * std::sin(z / (deep ? 23.0 : 2.3)) + 0.02 * z)) / 10;
        doc.NData(1, r) = CellValue::Number(z);
        doc.NData(2, r) = CellValue::Number(n);
    }
    doc.RaTable(1) = CellValue::Number(1.0);
    doc.RaTable(2) = CellValue::Number(999.9);
    doc.RaTable(3) = CellValue::Number(0.1);
    for (std::size_t i = 0; i < 10; ++i) {
        doc.RaTable(11 + i) = CellValue::Number(0.4 + 0.2 * static_cast<double>(i));
    }
    doc.RaTableInpFlg = true;
    return doc;
}

void ReportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_kB"] = static_cast<double>(usage.ru_maxrss);
}

void BM_CalcRa_WorkedExample(benchmark::State& state) {
    const ProjectDocument doc = EndBearingExample();
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
    ProjectDocument doc = WorstCaseStudy(state.range(1) != 0);
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
    ProjectDocument doc = WorstCaseStudy(state.range(1) != 0);
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
