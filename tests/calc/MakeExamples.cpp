// Writes the bundled sample studies into a folder (default: the examples folder of the source
// tree) with the program's own writer.  Usage: zul_make_examples [FOLDER]
#include "ExampleStudies.h"
#include "io/InputDataFile.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : std::string(ZUL_SOURCE_DIR) + "/examples";
    int failures = 0;
    for (const auto& example : zul::examples::AllExamples()) {
        const std::string path = folder + "/" + example.fileName;
        int code = 0;
        if (!zul::SaveInputData(example.doc, path, code)) {
            std::cerr << path << ": error " << code << '\n';
            ++failures;
        } else {
            std::cout << path << '\n';
        }
    }
    return failures == 0 ? 0 : 1;
}
