// Any study that reads must calculate without crash, hang, leak or undefined behaviour: the
// single-pile calculation and the study table either succeed with finite capacities or fail
// as a calculation error, and a failure's known causes can be named.
// The first byte of the input chooses its use: a whole study file, or changed lines of one of
// the bundled studies (so that most inputs read and reach the calculation with odd values).
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "calc/CalcFailureCauses.h"
#include "calc/basCalcMain.h"
#include "io/InputDataFile.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

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

// The lines of the bundled studies, read once.
const std::vector<std::vector<std::string>>& Examples() {
    static const std::vector<std::vector<std::string>> examples = [] {
        std::vector<std::vector<std::string>> all;
        for (const char* name :
             {"end-bearing-pile", "driven-pile-auto-tip", "rotary-press-in-pile", "friction-pile-clay"}) {
            const std::string text = ReadFuzzFile(std::string(ZUL_SOURCE_DIR) + "/examples/" + name + ".zul");
            std::vector<std::string> lines;
            for (std::size_t start = 0; start < text.size();) {
                const std::size_t end = text.find("\r\n", start);
                lines.push_back(text.substr(start, end - start));
                start = end == std::string::npos ? text.size() : end + 2;
            }
            Check(lines.size() > 60);
            all.push_back(lines);
        }
        return all;
    }();
    return examples;
}

// A bundled study with changed lines: each record of data is a line number (one byte, counted
// from the conditions block on) and the new text of that line up to a line feed.
std::string ChangedExample(const std::vector<std::string>& example, const std::uint8_t* data,
                           std::size_t size) {
    std::vector<std::string> lines = example;
    constexpr std::size_t kFixedLines = 3; // the header lines are not read
    for (std::size_t i = 0; i < size;) {
        const std::size_t line = kFixedLines + data[i] % (lines.size() - kFixedLines);
        std::size_t end = i + 1;
        while (end < size && data[end] != '\n') {
            ++end;
        }
        lines[line].assign(reinterpret_cast<const char*>(data) + i + 1, end - i - 1);
        i = end + 1;
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

void CheckFinite(const zul::CZul& c) {
    Check(std::isfinite(c.Ra()) && std::isfinite(c.Pa()) && std::isfinite(c.Ru()) && std::isfinite(c.Pu()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string path = FuzzFolder() + "/study.zul";
    const std::size_t use = data[0] % (Examples().size() + 1);
    if (use == Examples().size()) {
        WriteFuzzFile(path, reinterpret_cast<const char*>(data) + 1, size - 1);
    } else {
        const std::string text = ChangedExample(Examples()[use], data + 1, size - 1);
        WriteFuzzFile(path, text.data(), text.size());
    }
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
