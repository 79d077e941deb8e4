// Writes generated study cases as .zul files, so that the report of each can be made by zul-cli
// and compared byte for byte between two builds.  Usage: write_generated_studies DIR FIRST COUNT
#include "DocumentGenerator.h"
#include "io/InputDataFile.h"

#include <cstdint>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: write_generated_studies DIR FIRST COUNT\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::uint64_t first = std::stoull(argv[2]);
    const std::uint64_t count = std::stoull(argv[3]);
    for (std::uint64_t seed = first; seed < first + count; ++seed) {
        const std::string path = folder + "/study-" + std::to_string(seed) + ".zul";
        int error = 0;
        if (!zul::SaveInputData(zul::reference::GenerateDocument(seed), path, error)) {
            std::fprintf(stderr, "cannot write %s (error %d)\n", path.c_str(), error);
            return 1;
        }
    }
    return 0;
}
