// Any study that reads must calculate without crash, hang, leak or undefined behaviour: the
// single-pile calculation and the study table either succeed with finite capacities or fail
// as a calculation error, and a failure's known causes can be named.
#include "FuzzFolder.h"
#include "calc/CalcFailureCauses.h"
#include "calc/basCalcMain.h"
#include "io/InputDataFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Most lengths per diameter the fuzzer lets a table have, so that one input runs in
// milliseconds; the driver's own limit is checked by the tests.
constexpr double kLengths = 20;

// Brings the end length of the study table to at most kLengths steps from the start, counted
// in tenths of a metre as the driver counts them.
void BoundTable(zul::ProjectDocument& doc) {
    const auto start = doc.RaTable(1).toNumber();
    const auto end = doc.RaTable(2).toNumber();
    const auto step = doc.RaTable(3).toNumber();
    if (!start || !end || !step) {
        return; // the driver fails on these before any length is calculated
    }
    const double s = std::nearbyint(*start * 10);
    const double e = std::nearbyint(*end * 10);
    const double st = std::nearbyint(*step * 10);
    if (st != 0 && std::isfinite(s) && std::fabs((e - s) / st) > kLengths) {
        doc.RaTable(2) = zul::CellValue::Number((s + kLengths * st) / 10);
    }
}

void CheckFinite(const zul::CZul& c) {
    Check(std::isfinite(c.Ra()) && std::isfinite(c.Pa()) && std::isfinite(c.Ru()) && std::isfinite(c.Pu()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzFolder() + "/study.zul";
    WriteFuzzFile(path, reinterpret_cast<const char*>(data), size);
    zul::ProjectDocument doc;
    int code = 0;
    if (!zul::LoadInputData(doc, path, code) && !zul::LoadInputData100(doc, path, code)) {
        return 0;
    }
    zul::basCalcMain driver;
    if (driver.CalcRa(doc)) {
        CheckFinite(driver.CalcPair(0));
        CheckFinite(driver.CalcPair(1));
    } else {
        zul::FindCalcFailureCauses(doc, zul::CalcRun::Single);
    }
    BoundTable(doc);
    const bool tableOk = driver.CalcRaTable(doc);
    Check(driver.ResultCount() >= 0 && driver.ResultCount() <= 10);
    for (int i = 0; i < driver.ResultCount(); ++i) {
        Check(driver.ResultTables(i).Count() <= static_cast<std::int32_t>(kLengths) + 1);
        for (const zul::clsRaTable& row : driver.ResultTables(i)) {
            Check(std::isfinite(row.L) && std::isfinite(row.Ra) && std::isfinite(row.Pa) &&
                  std::isfinite(row.Rae) && std::isfinite(row.Pae));
        }
    }
    if (!tableOk) {
        zul::FindCalcFailureCauses(doc, zul::CalcRun::Table);
    }
    return 0;
}
