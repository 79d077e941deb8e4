// zul-cli site: many borehole files imported into one base study, the pile length each
// borehole needs for the design loads, and the envelope of the site.
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/JsonText.h"
#include "cli/ReportFolders.h"
#include "cli/ReportPdf.h"
#include "cli/SiteJson.h"
#include "io/FileAccess.h"
#include "io/FileMessages.h"
#include "io/InputDataFile.h"
#include "report/ReportError.h"
#include "report/SiteReport.h"
#include "site/SiteBorehole.h"
#include "site/SiteCsv.h"
#include "site/SiteFiles.h"
#include "site/SiteRun.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"
#include "util/ProgramIdentity.h"
#include "util/ProgramPaths.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zul::cli {

namespace {

// "P,Pe": the load of the normal and of the earthquake case, kN, 0 or more.
std::optional<site::DesignLoad> ParseLoad(const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    const auto normal = ParseNumber(std::string_view(text).substr(0, comma));
    const auto earthquake = ParseNumber(std::string_view(text).substr(comma + 1));
    if (!normal || !earthquake || *normal < 0 || *earthquake < 0) {
        return std::nullopt;
    }
    return site::DesignLoad{*normal, *earthquake};
}

bool ReadBase(const std::string& path, ProjectDocument& doc) {
    if (const int openError = CheckReadableFile(path); openError != FileError::None) {
        PrintMessage(ReadErrorMessage(openError));
        return false;
    }
    const OpenResult opened = OpenInputFile(doc, path);
    if (!opened.success) {
        if (opened.unsupportedVersion) {
            PrintMessage(UnsupportedVersionMessage(EscapeControls(opened.versionText)));
        }
        PrintMessage(ReadErrorMessage(opened.errorCode));
        return false;
    }
    return true;
}

// One line per borehole: status, name and the required length of each diameter.
void PrintBoreholeLine(const site::BoreholeResult& b, Output& out) {
    out << EscapeControls(b.file) << "  " << EscapeControls(b.name) << "  ";
    if (b.status == site::BoreholeStatus::Refused ||
        (b.status == site::BoreholeStatus::Failed && b.study.empty())) {
        out << (b.status == site::BoreholeStatus::Refused ? "取込不可：" : "失敗：")
            << EscapeControls(b.reason) << '\n';
        return;
    }
    for (const site::RequiredLength& r : b.required) {
        out << "φ" << FormatNumber(r.diameter, "0.000") << " ";
        if (r.row) {
            out << "L=" << FormatNumber(r.row->L, "##0.0") << " m (Ra " << FormatCapacity(r.row->Ra) << "/"
                << FormatCapacity(r.row->Rae) << ", Pa " << FormatCapacity(r.row->Pa) << "/"
                << FormatCapacity(r.row->Pae) << ")  ";
        } else {
            out << "該当なし  ";
        }
    }
    if (b.status == site::BoreholeStatus::Failed) {
        out << "失敗：" << EscapeControls(b.reason);
    }
    out << '\n';
}

// The site report as PDF: the print file and its figures in a work folder of their own, drawn
// to the PDF, which replaces the target only when complete.
bool WriteSiteReportPdf(const SiteReport& report, const site::SiteSummary& summary,
                        const ProjectDocument& base, const SiteCommandOptions& o) {
    ScratchFolder work(TemporaryFolder());
    if (work.path().empty()) {
        PrintMessage(WriteErrorMessage(work.error()));
        return false;
    }
    const std::string definitionFolder = ProgramFolder();
    const std::string printFile = work.path() + "/SITE.PRN";
    try {
        report.Write(summary.envelope, printFile, work.path(), definitionFolder);
    } catch (const ReportError& e) {
        PrintMessage("ｻｲﾄ報告書を作れませんでした。" + EscapeControls(e.what()));
        return false;
    }
    ReportDrawing drawing;
    PendingFile pending;
    std::vector<std::string> notes;
    std::string error;
    const std::string title = "複数ﾎﾞｰﾘﾝｸﾞの一括検討　" + base.InpJyoken.Title;
    const PdfPageHead head{true, title, std::filesystem::path(o.base).filename().string(),
                           ProgramNameAndVersion(), PrintDateToday()};
    if (!drawing.WritePdf(printFile, definitionFolder, o.pdf, title, head, pending, notes, error)) {
        PrintMessage(EscapeControls(error));
        return false;
    }
    for (const std::string& note : notes) {
        PrintMessage("注意：" + EscapeControls(note));
    }
    if (const int code = pending.Commit(); code != FileError::None) {
        PrintMessage(EscapeControls(o.pdf) + "：" + WriteErrorMessage(code));
        return false;
    }
    return true;
}
} // namespace

int RunSiteCommand(const SiteCommandOptions& o) {
    site::SiteOptions options;
    if (!o.loadRa.empty() && !(options.loads.pushIn = ParseLoad(o.loadRa))) {
        PrintMessage("--load-ra には常時と地震時の押込み力（kN，0 以上）を「P,Pe」の形で指定して下さい。");
        return kFileFailure;
    }
    if (!o.loadPa.empty() && !(options.loads.pullOut = ParseLoad(o.loadPa))) {
        PrintMessage("--load-pa には常時と地震時の引抜き力（kN，0 以上）を「T,Te」の形で指定して下さい。");
        return kFileFailure;
    }
    options.import.maxDepth = o.maxDepth;
    options.import.nDepth = o.nDepth == "start" ? NDepthReference::Start : NDepthReference::Middle;
    options.import.nCap = o.nCap;
    options.import.keepDesignLevels = o.keepDesignLevels;
    options.import.keepPileHead = o.keepPileHead;
    options.outDir = o.outDir;
    options.baseFile = o.base;
    options.jobs = o.jobs > 0 ? o.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));

    ProjectDocument base;
    if (!ReadBase(o.base, base)) {
        return kFileFailure;
    }
    const site::BoreholeFiles files = site::CollectBoreholeFiles(o.paths);
    if (!files.error.empty()) {
        PrintMessage(EscapeControls(files.error));
        return kFileFailure;
    }
    std::error_code error;
    std::filesystem::create_directories(o.outDir, error);
    if (!std::filesystem::is_directory(o.outDir, error)) {
        PrintMessage(EscapeControls(o.outDir) + "：出力先のﾌｫﾙﾀﾞを作れません。");
        return kFileFailure;
    }
    for (const std::string& target : {o.csv, o.pdf}) {
        if (const int code = target.empty() ? 0 : CheckWritableTarget(target); code != FileError::None) {
            PrintMessage(EscapeControls(target) + "：" + WriteErrorMessage(code));
            return kFileFailure;
        }
    }

    std::size_t planPlace = 0;
    const std::vector<double> diameters = site::StudyTableDiameters(base);
    if (o.planDiameter) {
        const auto at = std::find(diameters.begin(), diameters.end(), *o.planDiameter);
        if (at == diameters.end()) {
            PrintMessage("--plan-diameter の杭径は基本ｹｰｽの検討杭径のどれかにして下さい。");
            return kFileFailure;
        }
        planPlace = static_cast<std::size_t>(at - diameters.begin());
    }
    if (!o.pdf.empty() && !PdfAvailable()) {
        PrintMessage("この zul-cli は PDF を作れません（画面表示のﾗｲﾌﾞﾗﾘなしで作られています）。");
        return kFileFailure;
    }
    std::optional<SiteReport> report;
    if (!o.pdf.empty()) {
        report.emplace(base, o.base, options.loads, diameters, planPlace);
    }

    Output& out = StandardOutput();
    const bool progress = ::isatty(STDERR_FILENO) != 0;
    site::SiteCsv csv(diameters);
    bool first = true;
    if (o.json) {
        out << "{\"boreholes\": [";
    }
    const site::SiteSummary summary =
        site::RunSite(base, files.files, options, [&](const site::BoreholeResult& b) {
            if (o.json) {
                out << (first ? "" : ", ") << JsonText(SiteBoreholeJson(b));
                first = false;
            } else {
                PrintBoreholeLine(b, out);
            }
            if (!o.csv.empty()) {
                csv.Add(b);
            }
            if (report) {
                report->Add(b);
            }
            if (progress) {
                std::cerr << "\r" << b.index + 1 << "/" << files.files.size() << std::flush;
            }
        });
    if (progress) {
        std::cerr << '\n';
    }
    if (o.json) {
        out << "], \"envelope\": " << JsonText(SiteEnvelopeJson(summary.envelope)) << "}\n";
    } else {
        out << "ﾎﾞｰﾘﾝｸﾞ " << std::to_string(summary.done) << " 本：検討済 "
            << std::to_string(summary.done - summary.refused - summary.failed) << "，取込不可 "
            << std::to_string(summary.refused) << "，失敗 " << std::to_string(summary.failed) << '\n';
    }
    int status = summary.refused + summary.failed == 0 ? kSuccess : kImportRefused;
    if (!o.csv.empty()) {
        if (const int code = ReplaceFileContents(o.csv, csv.Text()); code != FileError::None) {
            PrintMessage(EscapeControls(o.csv) + "：" + WriteErrorMessage(code));
            status = kFileFailure;
        }
    }
    if (report && !WriteSiteReportPdf(*report, summary, base, o)) {
        status = kFileFailure;
    }
    return status;
}

} // namespace zul::cli
