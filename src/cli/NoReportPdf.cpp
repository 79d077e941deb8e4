#include "cli/ReportPdf.h"

// Built without the Qt layers: the report can be written as a print file only.
namespace zul::cli {

namespace {
const char* const kNoPdf = "このzul-cliはPDFを作成できません（画面部分なしで作られています）。";
} // namespace

bool PdfAvailable() {
    return false;
}

struct ReportDrawing::Session {};

ReportDrawing::ReportDrawing() = default;

ReportDrawing::~ReportDrawing() = default;

bool ReportDrawing::SaveStudyGraphs(const ProjectDocument&, const basCalcMain&, const std::string&,
                                    std::string& error) {
    error = kNoPdf;
    return false;
}

bool ReportDrawing::WritePdf(const std::string&, const std::string&, const std::string&, const std::string&,
                             const PdfPageHead&, PendingFile&, std::vector<std::string>&,
                             std::string& error) {
    error = kNoPdf;
    return false;
}

} // namespace zul::cli
