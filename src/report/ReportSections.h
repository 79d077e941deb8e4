#pragma once

// The report sections: each writes one part of the calculation report to the print file named
// by the print state, returns true on success and false on any error (the file is closed then).

#include "calc/CZul.h"
#include "document/ProjectDocument.h"
#include "report/ReportRun.h"
#include "report/TemplateBlock.h"
#include "util/ProgramPaths.h"

#include <memory>
#include <string>

namespace zul {

// What the sections report on.
struct ReportContext {
    const ProjectDocument& doc; // the study
    const CZul& normal;         // normal-case calculation object after CalcRa
    const CZul& quake;          // level-1 earthquake-case calculation object
    ProgramPaths paths;         // Zul.fmt, the definition files, the graph metafiles
    // The supplements for a checker: the N-value table and the soil profile, the notes of the
    // plausibility check and the supplement wording of the template blocks.  Off, the report is
    // the one printed before the supplements existed, byte for byte.
    bool supplement = false;
    // The template file as read once for the run; without it every block reads paths.fmtFile.
    std::shared_ptr<const TemplateFile> templates = nullptr;
};

// The paths of a report run: templates, definition files and graph metafiles (the others empty).
inline ProgramPaths ReportFiles(std::string fmtFile, std::string definitionFolder,
                                std::string metafileFolder) {
    ProgramPaths paths;
    paths.fmtFile = std::move(fmtFile);
    paths.definitionFolder = std::move(definitionFolder);
    paths.metafileFolder = std::move(metafileFolder);
    return paths;
}

bool basResOutJyoken(ReportRun&, const ReportContext&);    // conditions report
bool basResOutIchiran(ReportRun&, const ReportContext&);   // results list
bool basResOutGraph(ReportRun&, const ReportContext&);     // graph report
bool basResOutRa(ReportRun&, const ReportContext&);        // detailed push-in report, all three parts
bool basResOutPa(ReportRun&, const ReportContext&);        // pull-out report
bool basResOutPaEcoPile(ReportRun&, const ReportContext&); // rotary press-in pull-out report

} // namespace zul
