// Speed of the report as a user gets it from the terminal: `zul-cli report STUDY --pdf OUT.pdf`
// as a whole process (start, reading, calculation, the study table and its four graphs, the
// generation and join of every item with the figures, and the PDF of every page) for the
// worst-case study: 20 layers, 100 N-values, driven pile with automatic tip resistance and the
// longest study table.
#include "TestDocuments.h"
#include "io/InputDataFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace zul;

// A folder of its own for the study and the PDF, removed at the end.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (fs::temp_directory_path() / "zul-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    bool ok() const { return !path_.empty(); }

private:
    fs::path path_;
};

int RunProcess(const std::vector<std::string>& args) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv;
        for (const auto& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void RunReportPdf(benchmark::State& state, bool deep) {
    BenchFolder folder;
    const std::string study = folder.file("worst-case.zul");
    int code = 0;
    if (!folder.ok() || !SaveInputData(testdocs::WorstCaseStudyDocument(deep), study, code)) {
        state.SkipWithError("cannot write the study");
        return;
    }
    const std::string data = std::string(ZUL_SOURCE_DIR) + "/data";
    const std::string pdf = folder.file("report.pdf");
    const std::vector<std::string> args = {
        ZUL_CLI_PATH,          "report", study,   "--pdf",           pdf,
        "--program-folder",    data,     "--fmt", data + "/Zul.fmt", "--ini",
        folder.file("Zul.ini")};
    for (auto _ : state) {
        if (RunProcess(args) != 0) {
            state.SkipWithError("zul-cli report failed");
            return;
        }
    }
    std::error_code error;
    state.counters["pdf_kB"] = static_cast<double>(fs::file_size(pdf, error)) / 1024.0;
}

void BM_ReportPdf_WorstCase(benchmark::State& state) {
    RunReportPdf(state, state.range(0) != 0);
}
BENCHMARK(BM_ReportPdf_WorstCase)
    ->ArgName("deep")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
