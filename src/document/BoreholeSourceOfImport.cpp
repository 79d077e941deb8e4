#include "document/BoreholeSourceOfImport.h"

#include "document/BoreholeWater.h"
#include "util/NumberText.h"
#include "util/ProgramIdentity.h"
#include "util/TextLines.h"

#include <algorithm>

namespace zul {

std::string ImportOptionsWords(const BoreholeImportOptions& options) {
    std::string words = options.maxDepth ? "取込み深さ " + GeneralNumberText(*options.maxDepth) + " m"
                                         : std::string("取込み深さ 指定なし");
    words += options.nDepth == NDepthReference::Middle ? "，N 値の深度 試験区間の中央"
                                                       : "，N 値の深度 試験の開始深度";
    words +=
        options.nCap ? "，N 値の上限 " + GeneralNumberText(*options.nCap) : std::string("，N 値の上限 100");
    words += options.waterRecord ? "，孔内水位 " + std::to_string(*options.waterRecord) + " 番目の記録を指定"
                                 : std::string("，孔内水位 自動選択");
    words += options.keepDesignLevels ? "，設計地盤面標高 変えない" : "，設計地盤面標高 現地盤面に合わせる";
    words += options.keepPileHead ? "，杭頭標高 変えない" : "，杭頭標高 地盤面に合わせて動かす";
    return words;
}

BoreholeSource SourceOfImport(const BoreholeRecord& record, const BoreholeImportOptions& options,
                              const BoreholeImportPlan& plan, std::vector<SourceTest> dropped) {
    BoreholeSource source;
    source.fileName = record.fileName;
    source.boreholeName = TrimBlanks(record.name);
    source.surveyName = record.surveyName;
    source.latitude = record.latitude;
    source.longitude = record.longitude;
    source.elevation = record.elevation;
    source.totalDepth = record.totalDepth;
    source.surveyStart = record.surveyStart;
    source.surveyEnd = record.surveyEnd;
    source.layoutVersion = record.dtdVersion.empty() ? BoreholeLayoutName(record.layout) : record.dtdVersion;
    // The date as the files write theirs, YYYY-MM-DD; fixed by SOURCE_DATE_EPOCH as the printed date is.
    source.importDate = PrintDateToday();
    std::replace(source.importDate.begin(), source.importDate.end(), '/', '-');
    source.importOptions = ImportOptionsWords(options);
    if (plan.waterRecord > 0) {
        source.waterRecord = std::to_string(plan.waterRecord) + " 番目の記録：" +
                             WaterRecordWords(record.water[static_cast<std::size_t>(plan.waterRecord - 1)]);
    }
    for (const ImportedLayer& layer : plan.layers) {
        source.layers.push_back({layer.names, layer.kind, layer.kindChosen, layer.thickness, layer.n});
    }
    for (const ImportedPoint& point : plan.points) {
        source.points.push_back({point.depth, point.n, point.blows, point.penetrationCm, point.flag});
    }
    source.refusedTests = std::move(dropped);
    return source;
}

} // namespace zul
