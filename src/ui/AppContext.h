#pragma once

#include "document/ProjectDocument.h"

#include <string>

namespace zul {

class basCalcMain;

// What the main window hands to the screens it opens.
struct AppContext {
    ProjectDocument& doc;
    basCalcMain& calc;
    std::string iniFile;        // settings file
    std::string programFolder;  // folder of the running program
    std::string metafileFolder; // where the graph screen saves its metafiles
};

} // namespace zul
