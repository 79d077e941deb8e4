#pragma once

// Studies for the report tests: a document, its calculation pair and the report context that
// reads the templates and definitions of the data folder.

#include "../calc/TestDocuments.h"
#include "calc/basCalcMain.h"
#include "io/InputDataFile.h"
#include "report/ReportSections.h"

#include <stdexcept>
#include <string>

namespace zul::test {

inline std::string DataFolder() {
    return ZUL_SOURCE_DIR "/data";
}

// The path of a bundled example study.
inline std::string ExamplePath(const std::string& name) {
    return std::string(ZUL_SOURCE_DIR) + "/examples/" + name;
}

inline ProjectDocument ExampleDocument(const std::string& name) {
    ProjectDocument doc;
    if (!OpenInputFile(doc, ExamplePath(name)).success) {
        throw std::runtime_error("cannot read the example " + name);
    }
    return doc;
}

// A calculated study with its report context.
struct ReportStudy {
    ProjectDocument doc;
    basCalcMain driver;
    bool calculated = false;
    ReportContext ctx;

    explicit ReportStudy(ProjectDocument d)
        : doc(std::move(d)),
          calculated(driver.CalcRa(doc)), ctx{doc, driver.CalcPair(0), driver.CalcPair(1),
                                              ReportFiles(DataFolder() + "/Zul.fmt", DataFolder(), "/prog")} {
    }
};

} // namespace zul::test
