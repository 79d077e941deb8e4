// zul-cli import-boring: the layers, N values and levels of a borehole exchange file
// (ボーリング交換用データ, XML) into a study file.
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "document/BoreholeImport.h"
#include "document/SoilKind.h"
#include "io/BoreholeReader.h"
#include "io/FileAccess.h"
#include "io/FileMessages.h"
#include "io/InputDataFile.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <optional>
#include <string>

namespace zul::cli {

namespace {

using Json = nlohmann::ordered_json;

struct ImportOptions {
    std::string file;
    std::string out;
    std::string into;
    std::optional<double> maxDepth;
    std::string nDepth = "middle";
    std::optional<double> nCap;
    std::optional<int> waterRecord;
    bool keepDesignLevels = false;
    bool json = false;
};

Json OptionalNumber(const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json LevelJson(const CellValue& cell) {
    return cell.isNumber() ? Json(cell.number()) : Json(nullptr);
}

Json ImportJson(const BoreholeRecord& record, const BoreholeImportPlan& plan, const ProjectDocument& doc) {
    Json water = Json::array();
    for (std::size_t i = 0; i < record.water.size(); ++i) {
        const WaterRecord& w = record.water[i];
        water.push_back({{"depth", OptionalNumber(w.depth)},
                         {"date", w.date},
                         {"state", w.state},
                         {"usable", IsUsableWaterDepth(w.depth)},
                         {"used", plan.waterRecord == static_cast<int>(i + 1)}});
    }
    Json borehole = {{"name", record.name},
                     {"dtdVersion", record.dtdVersion},
                     {"layout", BoreholeLayoutName(record.layout)},
                     {"elevation", OptionalNumber(record.elevation)},
                     {"totalDepth", OptionalNumber(record.totalDepth)},
                     {"layerCount", record.layers.size()},
                     {"testCount", record.tests.size()},
                     {"water", water}};
    Json layers = Json::array();
    for (const ImportedLayer& layer : plan.layers) {
        layers.push_back({{"top", layer.top},
                          {"bottom", layer.bottom},
                          {"thickness", layer.thickness},
                          {"kind", layer.kind},
                          {"kindName", std::string(SoilKindName(layer.kind))},
                          {"names", layer.names},
                          {"unclassified", layer.unclassified},
                          {"gammaAbove", layer.gammaAbove},
                          {"gammaBelow", layer.gammaBelow},
                          {"N", layer.n},
                          {"f", layer.f},
                          {"qd", layer.qd},
                          {"DE", layer.de}});
    }
    Json points = Json::array();
    for (const ImportedPoint& point : plan.points) {
        points.push_back({{"depth", point.depth}, {"N", point.n}});
    }
    const Json levels = {{"ground", LevelJson(doc.JibanLevel(1))},
                         {"water", LevelJson(doc.JibanLevel(2))},
                         {"designNormal", LevelJson(doc.JibanLevel(3))},
                         {"designEarthquake", LevelJson(doc.JibanLevel(4))}};
    return {{"borehole", borehole},
            {"layers", layers},
            {"points", points},
            {"levels", levels},
            {"notes", plan.notes}};
}

// The file a failure is about and, for a file error, what the code means.
void PrintFileProblem(const std::string& what, const std::string& path, int fileError = 0) {
    PrintMessage(what + "（" + EscapeControls(path) + "）" +
                 (fileError == 0 ? "" : "：" + FileErrorCause(fileError)));
}

int RunImport(const ImportOptions& options) {
    const BoreholeReadResult read = ReadBoreholeFile(options.file);
    if (!read.record) {
        PrintMessage(EscapeControls(read.message));
        PrintFileProblem("ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀﾌｧｲﾙ", options.file);
        return kFileFailure;
    }
    const BoreholeRecord& record = *read.record;

    ProjectDocument doc; // a new study, as File > New leaves it
    if (!options.into.empty()) {
        if (const int openError = CheckReadableFile(options.into); openError != FileError::None) {
            PrintMessage(ReadErrorMessage(openError));
            PrintFileProblem("入力ﾃﾞｰﾀﾌｧｲﾙ", options.into, openError);
            return kFileFailure;
        }
        const OpenResult opened = OpenInputFile(doc, options.into);
        if (!opened.success) {
            if (opened.unsupportedVersion) {
                PrintMessage(UnsupportedVersionMessage(EscapeControls(opened.versionText)));
            }
            PrintMessage(ReadErrorMessage(opened.errorCode));
            PrintFileProblem("入力ﾃﾞｰﾀﾌｧｲﾙ", options.into, opened.errorCode);
            return kFileFailure;
        }
    }

    BoreholeImportOptions choices;
    choices.maxDepth = options.maxDepth;
    choices.nDepth = options.nDepth == "start" ? NDepthReference::Start : NDepthReference::Middle;
    choices.nCap = options.nCap;
    choices.waterRecord = options.waterRecord;
    choices.keepDesignLevels = options.keepDesignLevels;
    const BoreholeImportPlan plan = PlanBoreholeImport(record, choices, doc.InpJyoken.Sekou);
    // The notes say why layers and tests were left out: after a refusal too.
    const auto printNotes = [&plan] {
        for (const std::string& note : plan.notes) {
            PrintMessage("注意：" + EscapeControls(note));
        }
    };
    if (!plan.ok()) {
        PrintMessage(EscapeControls(plan.message));
        printNotes();
        return plan.failure == ImportFailure::Options ? kFileFailure : kImportRefused;
    }
    ApplyBoreholeImport(plan, doc);
    printNotes();
    int code = 0;
    if (!SaveInputData(doc, options.out, code)) {
        PrintMessage(WriteErrorMessage(code));
        PrintFileProblem("入力ﾃﾞｰﾀﾌｧｲﾙ", options.out, code);
        return kFileFailure;
    }
    if (options.json) {
        StandardOutput() << ImportJson(record, plan, doc).dump(2, ' ', false, Json::error_handler_t::replace)
                         << '\n';
    } else {
        StandardOutput() << "ﾎﾞｰﾘﾝｸﾞ " << EscapeControls(record.name) << "（"
                         << BoreholeLayoutName(record.layout) << "）：地層 "
                         << std::to_string(plan.layers.size()) << " 層，N 値 "
                         << std::to_string(plan.points.size()) << " 点を取り込みました。\n";
    }
    return kSuccess;
}

} // namespace

void AddImportBoringCommand(CLI::App& app, int& exitCode) {
    auto* command = app.add_subcommand(
        "import-boring", "Import the layers, N values and levels of a borehole exchange file (XML, "
                         "layouts 2.x, 3.00, 4.00; Shift_JIS or UTF-8, at most 32 MB) into a study file");
    auto options = std::make_shared<ImportOptions>();
    command->add_option("FILE", options->file, "Borehole exchange file (.xml)")->required();
    command->add_option("--out", options->out, "Study file to write (replaced only when complete)")
        ->required();
    command->add_option("--into", options->into,
                        "Study file (.zul) whose layers and N values are replaced; without it a new study");
    command
        ->add_option(
            "--max-depth", options->maxDepth,
            "Import depth limit in m: deeper layers and N values are left out, the last layer is cut")
        ->check(CLI::PositiveNumber);
    command
        ->add_option("--n-depth", options->nDepth,
                     "Depth of an N value: middle (start depth + half the penetration, default) or start")
        ->check(CLI::IsMember({"middle", "start"}));
    command
        ->add_option("--n-cap", options->nCap,
                     "Upper bound of the N values (0 to 100; above 100 is always 100)")
        ->check(CLI::Range(0.0, 100.0));
    command
        ->add_option("--water-record", options->waterRecord,
                     "Use the K-th water record (1-based, file order) instead of the last one with a level")
        ->check(CLI::PositiveNumber);
    command->add_flag("--keep-design-levels", options->keepDesignLevels,
                      "Keep the design ground levels of the study (otherwise set to the ground surface)");
    command->add_flag(
        "--json", options->json,
        "Print the borehole, the layers and N values as imported, the levels and the notes as JSON");
    command->footer(
        "Notes go to stderr, one line each starting \"注意：\".  Exit status: 0 imported, 2 a file "
        "or command-line error, 5 the borehole cannot be imported (such as more than 20 layers "
        "after merging; give --max-depth).");
    command->callback([options, &exitCode] { exitCode = RunImport(*options); });
}

} // namespace zul::cli
