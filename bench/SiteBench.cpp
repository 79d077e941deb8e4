// Speed of the site study.  `site_bench --generate DIR COUNT` writes a base study with a table of
// three diameters and twenty lengths (DIR/base.zul) and COUNT borehole files of 25 to 35 m with
// 10 to 16 layers and a test per metre (DIR/bores/); scripts/bench.sh then times `zul-cli site`
// over them.  Without --generate it times one borehole of such a site: read, import, study
// written and read back, table and required lengths (target: under 10 ms).
#include "BoreholeXml.h"
#include "io/InputDataFile.h"
#include "site/SiteBorehole.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

using namespace zul;

test::BoreholeText SiteBorehole(int k) {
    static const char* const names[] = {"砂", "粘土", "シルト質砂", "砂礫", "シルト", "砂質シルト"};
    test::BoreholeText b;
    b.name = "BENCH-" + std::to_string(k);
    b.elevation = std::to_string(2 + k % 9) + ".25";
    const int layers = 10 + k % 7;
    const double depth = 25 + k % 11;
    char text[32];
    for (int i = 0; i < layers; ++i) {
        std::snprintf(text, sizeof text, "%.2f", depth * (i + 1) / layers);
        b.layers.push_back({text, names[(i + k) % 6]});
    }
    for (int m = 0; m + 1 < static_cast<int>(depth); ++m) {
        std::snprintf(text, sizeof text, "%d.15", m + 1);
        b.tests.push_back({text, std::to_string(2 + (m * 3 + k) % 45), m % 9 == 0 ? "27" : "30"});
    }
    b.water = {"-99.99", std::to_string(1 + k % 4) + ".30"};
    b.latitude[0] = "35";
    b.latitude[1] = std::to_string(40 + (k / 10) % 10);
    b.latitude[2] = std::to_string((k * 7) % 60);
    b.longitude[0] = "139";
    b.longitude[1] = std::to_string(40 + k % 10);
    b.longitude[2] = std::to_string(k % 60);
    return b;
}

// The friction pile example with a table of 3 diameters and 20 lengths (10 to 29 m).
ProjectDocument BaseStudy() {
    ProjectDocument doc;
    if (!OpenInputFile(doc, ZUL_SOURCE_DIR "/examples/friction-pile-clay.zul").success) {
        throw std::runtime_error("example study not read");
    }
    doc.RaTable(1) = CellValue::Number(10);
    doc.RaTable(2) = CellValue::Number(29);
    doc.RaTable(3) = CellValue::Number(1);
    return doc;
}

void Generate(const std::string& dir, int count) {
    std::filesystem::create_directories(dir + "/bores");
    int code = 0;
    if (!SaveInputData(BaseStudy(), dir + "/base.zul", code)) {
        throw std::runtime_error("base study not written");
    }
    for (int k = 0; k < count; ++k) {
        char name[32];
        std::snprintf(name, sizeof name, "/bores/B%05d.xml", k);
        std::ofstream out(dir + name, std::ios::binary);
        out << test::BoreholeFileBytes(SiteBorehole(k), k % 2 ? BoreholeLayout::V400 : BoreholeLayout::V300, true);
    }
}

void BM_SiteBorehole_3Diameters20Lengths(benchmark::State& state) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zul-site-bench";
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "b.xml").string();
    {
        std::ofstream out(file, std::ios::binary);
        out << test::BoreholeFileBytes(SiteBorehole(7), BoreholeLayout::V400, true);
    }
    const ProjectDocument base = BaseStudy();
    site::SiteOptions options;
    options.loads.pushIn = site::DesignLoad{400, 600};
    const std::vector<double> diameters = site::StudyTableDiameters(base);
    for (auto _ : state) {
        const site::BoreholeResult result = site::RunBorehole(base, file, (dir / "b.zul").string(), options, diameters);
        if (result.status != site::BoreholeStatus::Ok || result.tables.size() != 3 ||
            result.tables[0].rows.size() != 20) {
            state.SkipWithError("the borehole did not give a table of 3 diameters and 20 lengths");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SiteBorehole_3Diameters20Lengths)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--generate") {
        Generate(argv[2], std::stoi(argv[3]));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
