// zul-cli import-boring: the layers, N values and levels of a borehole exchange file
// (ボーリング交換用データ, XML) into a study file.
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/PositiveNumber.h"
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

Json OptionalNumber(const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json LevelJson(const CellValue& cell) {
    return cell.isNumber() ? Json(cell.number()) : Json(nullptr);
}

Json ImportJson(const BoreholeRecord& record, const BoreholeImportPlan& plan, const ProjectDocument& doc,
                const std::vector<std::string>& notes) {
    Json water = Json::array();
    for (std::size_t i = 0; i < record.water.size(); ++i) {
        const WaterRecord& w = record.water[i];
        water.push_back({{"depth", OptionalNumber(w.depth)},
                         {"date", w.date},
                         {"state", w.state},
                         {"stateCode", w.stateCode},
                         {"kindCode", w.kindCode},
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
        const char* flag = point.flag == NPointFlag::Capped     ? "上限"
                           : point.flag == NPointFlag::SelfSink ? "自沈"
                                                                : "";
        points.push_back({{"depth", point.depth},
                          {"N", point.n},
                          {"blows", OptionalNumber(point.blows)},
                          {"penetrationCm", OptionalNumber(point.penetrationCm)},
                          {"flag", flag}});
    }
    const Json levels = {{"ground", LevelJson(doc.JibanLevel(1))},
                         {"water", LevelJson(doc.JibanLevel(2))},
                         {"designNormal", LevelJson(doc.JibanLevel(3))},
                         {"designEarthquake", LevelJson(doc.JibanLevel(4))},
                         {"pileHead", doc.InpJyoken.ELPU}};
    Json refused = Json::array();
    for (const SourceTest& test : plan.source.refusedTests) {
        refused.push_back({{"depth", OptionalNumber(test.depth)},
                           {"blows", OptionalNumber(test.blows)},
                           {"penetrationCm", OptionalNumber(test.penetrationCm)},
                           {"reason", test.reason}});
    }
    return {{"borehole", borehole}, {"layers", layers},        {"points", points},
            {"levels", levels},     {"refusedTests", refused}, {"title", doc.InpJyoken.Title},
            {"notes", notes}};
}

} // namespace

int RunImport(const ImportOptions& options) {
    // The study written must never replace the borehole file it is made from.
    if (SameFile(options.out, options.file)) {
        PrintMessage("出力するファイル（" + EscapeControls(options.out) +
                     "）はボーリングデータファイルと同じファイルです。別のファイルを指定して下さい。");
        return kFileFailure;
    }
    const BoreholeReadResult read = ReadBoreholeFile(options.file);
    if (!read.record) {
        PrintMessage(EscapeControls(read.message));
        PrintFileProblem("ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀﾌｧｲﾙ", options.file);
        return kFileFailure;
    }
    const BoreholeRecord& record = *read.record;

    ProjectDocument doc; // a new study, as File > New leaves it, named after the borehole
    if (options.into.empty()) {
        doc.InpJyoken.Title = StudyTitleOfBorehole(record);
    } else {
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
        if (!opened.sourceMessage.empty()) {
            PrintMessage("注意：" + EscapeControls(opened.sourceMessage));
        }
    }

    BoreholeImportOptions choices;
    choices.maxDepth = options.maxDepth;
    choices.nDepth = options.nDepth == "start" ? NDepthReference::Start : NDepthReference::Middle;
    choices.nCap = options.nCap;
    choices.waterRecord = options.waterRecord;
    choices.keepDesignLevels = options.keepDesignLevels;
    choices.keepPileHead = options.keepPileHead;
    const BoreholeImportPlan plan = PlanBoreholeImport(record, choices, doc);
    // The notes say why layers and tests were left out: after a refusal too.
    const auto printNotes = [&plan] {
        for (const std::string& note : plan.notes) {
            PrintMessage("注意：" + EscapeControls(note));
        }
    };
    if (!plan.ok() || !ApplyBoreholeImport(plan, doc)) {
        PrintMessage(EscapeControls(plan.message));
        printNotes();
        return plan.failure == ImportFailure::Options ? kFileFailure : kImportRefused;
    }
    // The notes as the study keeps them: those of the import and the move of the pile head.
    const std::vector<std::string> notes = doc.boreholeSource->notes;
    for (const std::string& note : notes) {
        PrintMessage("注意：" + EscapeControls(note));
    }
    int code = 0;
    if (!SaveInputData(doc, options.out, code)) {
        PrintMessage(WriteErrorMessage(code));
        PrintFileProblem("入力ﾃﾞｰﾀﾌｧｲﾙ", options.out, code);
        return kFileFailure;
    }
    if (options.json) {
        StandardOutput()
            << ImportJson(record, plan, doc, notes).dump(2, ' ', false, Json::error_handler_t::replace)
            << '\n';
    } else {
        StandardOutput() << "ﾎﾞｰﾘﾝｸﾞ " << EscapeControls(record.name) << "（"
                         << BoreholeLayoutName(record.layout) << "）：地層 "
                         << std::to_string(plan.layers.size()) << " 層，N 値 "
                         << std::to_string(plan.points.size()) << " 点を取り込みました。\n";
    }
    return kSuccess;
}

} // namespace zul::cli
