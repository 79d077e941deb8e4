// Speed of the borehole import: a file of 100 layers and 100 tests (code page 932, layout 4.00)
// read from disk and imported into a study, the whole of what File > import and zul-cli do
// short of writing the study.  Target: well under 10 ms.
#include "BoreholeXml.h"
#include "document/BoreholeImport.h"
#include "io/BoreholeReader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

using namespace zul;

// 100 layers of 0.9 m in 20 runs of five of a kind (merged to 20 layers), one test per layer.
test::BoreholeText LargeBorehole() {
    static const char* const names[] = {"シルト質砂", "砂質シルト", "粘土質砂礫"};
    test::BoreholeText b;
    b.name = "BENCH-100";
    for (int i = 0; i < 100; ++i) {
        char bottom[32];
        std::snprintf(bottom, sizeof bottom, "%.2f", 0.9 * (i + 1));
        b.layers.push_back({bottom, names[(i / 5) % 3]});
        char start[32];
        std::snprintf(start, sizeof start, "%.2f", 0.9 * i + 0.15);
        b.tests.push_back({start, std::to_string(3 + i % 40), i % 7 == 0 ? "27" : "30"});
    }
    b.water = {"-99.99", "2.35", "2.10"};
    return b;
}

void BM_ImportBorehole_100Layers100Tests(benchmark::State& state) {
    char path[] = "/tmp/zul-borehole-bench-XXXXXX";
    const int fd = ::mkstemp(path);
    if (fd < 0) {
        throw std::runtime_error("no temporary file");
    }
    ::close(fd);
    {
        std::ofstream out(path, std::ios::binary);
        out << test::BoreholeFileBytes(LargeBorehole(), BoreholeLayout::V400, true);
    }
    for (auto _ : state) {
        const BoreholeReadResult read = ReadBoreholeFile(path);
        ProjectDocument doc;
        const BoreholeImportPlan plan = PlanBoreholeImport(*read.record, {}, doc.InpJyoken.Sekou);
        if (!ApplyBoreholeImport(plan, doc) || doc.JibanCount != 20 || doc.NCount != 100) {
            state.SkipWithError("the import did not give 20 layers and 100 N values");
            break;
        }
        benchmark::DoNotOptimize(doc);
    }
    ::unlink(path);
}
BENCHMARK(BM_ImportBorehole_100Layers100Tests)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
