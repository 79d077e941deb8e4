#include "site/SiteBorehole.h"

#include "calc/CalcFailureCauses.h"
#include "calc/CalcMessages.h"
#include "calc/PlausibilityNotes.h"
#include "calc/basCalcMain.h"
#include "io/BoreholeReader.h"
#include "io/FileMessages.h"
#include "io/InputDataFile.h"

#include <exception>

namespace zul::site {

namespace {

// The table calculation leaves out diameters of 0.09 m and less (empty columns).
constexpr double kLeastTableDiameter = 0.09;

std::optional<double> Level(const CellValue& cell) {
    return cell.isNumber() ? std::optional<double>(cell.number()) : std::nullopt;
}

void Fail(BoreholeResult& result, BoreholeStatus status, std::string reason) {
    result.status = status;
    result.reason = std::move(reason);
}

// The notes of the table of one diameter that hold at its required length.
void AddTableNotes(const basCalcMain& driver, const std::vector<RequiredLength>& required,
                   std::vector<std::string>& notes) {
    for (int place = 0; place < driver.ResultCount(); ++place) {
        const auto index = static_cast<std::size_t>(place);
        if (index >= required.size() || !required[index].row) {
            continue;
        }
        const double length = required[index].row->L;
        for (const TableNote& note : driver.ResultNotes(place)) {
            if (note.firstLength <= length && length <= note.lastLength) {
                notes.push_back(TableNoteLine({driver.ResultDiameters(place)}, note));
            }
        }
    }
}

void Calculate(const ProjectDocument& study, const SiteOptions& options, const std::vector<double>& diameters,
               BoreholeResult& result) {
    basCalcMain driver;
    const bool ok = driver.CalcRaTable(study);
    for (int place = 0; place < driver.ResultCount(); ++place) {
        DiameterTable table{driver.ResultDiameters(place), {}};
        for (const clsRaTable& row : driver.ResultTables(place)) {
            table.rows.push_back(row);
        }
        result.tables.push_back(std::move(table));
    }
    result.required = RequiredLengths(result.tables, diameters, options.loads);
    if (!ok) {
        std::string reason = kCalcErrorMessage;
        for (const std::string& cause : FindCalcFailureCauses(study, CalcRun::Table)) {
            reason += "（原因：" + cause + "）";
        }
        Fail(result, BoreholeStatus::Failed, std::move(reason));
        return;
    }
    AddTableNotes(driver, result.required, result.notes);
}

void Run(const ProjectDocument& base, const std::string& studyPath, const SiteOptions& options,
         const std::vector<double>& diameters, BoreholeResult& result) {
    const BoreholeReadResult read = ReadBoreholeFile(result.file);
    if (!read.record) {
        Fail(result, BoreholeStatus::Failed, read.message);
        return;
    }
    const BoreholeRecord& record = *read.record;
    result.name = record.name;
    result.latitude = record.latitudeDegrees;
    result.longitude = record.longitudeDegrees;

    ProjectDocument study = base;
    const BoreholeImportPlan plan = PlanBoreholeImport(record, options.import, study);
    if (!plan.ok() || !ApplyBoreholeImport(plan, study)) {
        Fail(result, BoreholeStatus::Refused, plan.message);
        return;
    }
    // The notes as the study keeps them: those of the import and the move of the pile head.
    result.notes = study.boreholeSource->notes;
    result.layers = plan.layers.size();
    result.points = plan.points.size();
    result.ground = Level(study.JibanLevel(1));
    result.water = Level(study.JibanLevel(2));

    int code = 0;
    if (!SaveInputData(study, studyPath, code)) {
        Fail(result, BoreholeStatus::Failed, WriteErrorMessage(code));
        return;
    }
    result.study = studyPath;
    // The table of the study as written, so that it is the table of the file a checker opens.
    ProjectDocument written;
    const OpenResult opened = OpenInputFile(written, studyPath);
    if (!opened.success) {
        Fail(result, BoreholeStatus::Failed, ReadErrorMessage(opened.errorCode));
        return;
    }
    Calculate(written, options, diameters, result);
}

} // namespace

std::vector<double> StudyTableDiameters(const ProjectDocument& doc) {
    std::vector<double> diameters;
    for (std::size_t column = 1; column <= 10; ++column) {
        const std::optional<double> d = doc.RaTable(10 + column).toNumber();
        if (d && *d > kLeastTableDiameter) {
            diameters.push_back(*d);
        }
    }
    return diameters;
}

bool CarriesLoads(const clsRaTable& row, const SiteLoads& loads) {
    if (loads.pushIn && (row.Ra < loads.pushIn->normal || row.Rae < loads.pushIn->earthquake)) {
        return false;
    }
    if (loads.pullOut && (row.Pa < loads.pullOut->normal || row.Pae < loads.pullOut->earthquake)) {
        return false;
    }
    return true;
}

std::vector<RequiredLength> RequiredLengths(const std::vector<DiameterTable>& tables,
                                            const std::vector<double>& diameters, const SiteLoads& loads) {
    std::vector<RequiredLength> required;
    for (std::size_t place = 0; place < diameters.size(); ++place) {
        RequiredLength length{diameters[place], std::nullopt};
        if (place < tables.size()) {
            for (const clsRaTable& row : tables[place].rows) {
                if (CarriesLoads(row, loads) && (!length.row || row.L < length.row->L)) {
                    length.row = row;
                }
            }
        }
        required.push_back(length);
    }
    return required;
}

BoreholeResult RunBorehole(const ProjectDocument& base, const std::string& file, const std::string& studyPath,
                           const SiteOptions& options, const std::vector<double>& diameters) {
    BoreholeResult result;
    result.file = file;
    try {
        Run(base, studyPath, options, diameters, result);
    } catch (const std::exception&) {
        Fail(result, BoreholeStatus::Failed, "ﾒﾓﾘ不足などのため，このﾎﾞｰﾘﾝｸﾞを検討できませんでした。");
    }
    if (result.required.empty()) {
        for (const double d : diameters) {
            result.required.push_back({d, std::nullopt});
        }
    }
    return result;
}

const char* StatusName(BoreholeStatus status) {
    switch (status) {
    case BoreholeStatus::Refused:
        return "refused";
    case BoreholeStatus::Failed:
        return "failed";
    default:
        return "ok";
    }
}

} // namespace zul::site
