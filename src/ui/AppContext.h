#pragma once

#include "document/ProjectDocument.h"
#include "util/ProgramPaths.h"

namespace zul {

class basCalcMain;

// What the main window hands to the screens it opens: its document, its calculation and its
// paths (the settings file, the program folder, where the graph screen saves its metafiles),
// all owned by the main window for its whole life.
struct AppContext {
    ProjectDocument& doc;
    basCalcMain& calc;
    const ProgramPaths& paths;
};

} // namespace zul
