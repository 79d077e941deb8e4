// zul-cli calc and zul-cli table: the single-pile calculation and the study table of a
// study file, as readable text, as CSV or as JSON for other programs.
#include "calc/CalcFailureCauses.h"
#include "calc/CalcMessages.h"
#include "calc/PlausibilityNotes.h"
#include "calc/basCalcMain.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/JsonText.h"
#include "cli/TextColumns.h"
#include "io/FileAccess.h"
#include "io/FileMessages.h"
#include "io/InputDataFile.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

// ---- JSON of the calculation records: each field under its own name, in the order named.  The
// writers fill nlohmann::ordered_json (the library's NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE of Debian
// 12's nlohmann-json 3.11.2 fills only nlohmann::json, whose objects sort their keys), through the
// library's field-list macros.
#define ZUL_JSON_FIELD(field) j[#field] = record.field;
#define ZUL_JSON_GETTER(getter) j[#getter] = c.getter();
#define ZUL_DEFINE_JSON_WRITER(Type, ...)                                                                    \
    void to_json(nlohmann::ordered_json& j, const Type& record) {                                            \
        NLOHMANN_JSON_EXPAND(NLOHMANN_JSON_PASTE(ZUL_JSON_FIELD, __VA_ARGS__))                               \
    }

namespace zul {

ZUL_DEFINE_JSON_WRITER(clsZulJiban, EU, EL, H, Kind, Gs1, Gs2, Fai, N, aEo, f, qd, DE)
ZUL_DEFINE_JSON_WRITER(clsZulN, Z, N)
ZUL_DEFINE_JSON_WRITER(clsZulN2, EU, EL, Li, Lii, NU, NL, Ni, LiNi)
ZUL_DEFINE_JSON_WRITER(clsZulNeire, EU, EL, Li, Lii, NU, NL, DNU, DNL, Ni, LiNi)
ZUL_DEFINE_JSON_WRITER(clsZulLiFi, No, Kind, EU, EL, Li, Lii, Gs, Ws, Fi, LiFi, IsNonF)
ZUL_DEFINE_JSON_WRITER(clsRaTable, L, Ra, Pa, Rae, Pae, Error)

} // namespace zul

namespace zul::cli {

namespace {

using Json = nlohmann::ordered_json;

Json CZulJson(const CZul& c) {
    Json j;
    NLOHMANN_JSON_EXPAND(NLOHMANN_JSON_PASTE(
        ZUL_JSON_GETTER, Error, IsEcoPile, KuiType, Dp, Dw, Dwi, Up, Ap, Aw, Alpha, Gp1, Gp2, ELGL, ELWL,
        ELPU, L, nRa, nPa, IsWpRa, IsWpPa, QdMethod, QdNeireType, QdELNeire, QdAp, ELPL, N1, N2, NN, Neire,
        NeireA, RNeireDp, RQdNN, L1, L2, Wp, Ws, qd, QfRa, QfPa, Ru, Pu, Ra, Pa, Qw, H, Gave, Beta, Fai,
        Jiban, N, N4D, NNeire, N24D, Neires, RaLiFi, PaLiFi))
    return j;
}

// The study table as JSON, written to the output row by row as the table is calculated: the
// rows first, then what is known only at the end (the diameters used, whether the run succeeded).
class JsonTableWriter : public TableRowSink {
public:
    explicit JsonTableWriter(Output& out) : out_(out) { out_ << "{\"ResultTables\": ["; }

    void Diameter(int, double) override {
        out_ << (tables_++ == 0 ? "[" : "], [");
        rows_ = 0;
    }

    void Row(const clsRaTable& r) override {
        line_ = rows_++ == 0 ? "{\"L\": " : ", {\"L\": ";
        const std::pair<const char*, double> values[] = {
            {", \"Ra\": ", r.Ra}, {", \"Pa\": ", r.Pa}, {", \"Rae\": ", r.Rae}, {", \"Pae\": ", r.Pae}};
        AppendJsonNumber(r.L, line_);
        for (const auto& [key, value] : values) {
            line_ += key;
            AppendJsonNumber(value, line_);
        }
        line_ += ", \"Error\": " + std::to_string(r.Error) + "}";
        out_ << line_;
    }

    // Closes the rows and adds the diameters and the outcome.
    void Finish(const basCalcMain& driver, bool ok, const std::vector<std::string>& causes) {
        out_ << (tables_ == 0 ? "]" : "]]");
        Json diameters = Json::array();
        for (int i = 0; i < driver.ResultCount(); ++i) {
            diameters.push_back(driver.ResultDiameters(i));
        }
        Json end = {{"ResultCount", driver.ResultCount()}, {"ResultDiameters", diameters}, {"ok", ok}};
        if (!ok) {
            end["error"] = kCalcErrorMessage;
        }
        if (!causes.empty()) {
            end["causes"] = causes;
        }
        const std::string text = JsonText(end); // "{...}": its members follow the rows
        out_ << ", " << std::string_view(text).substr(1) << '\n';
    }

private:
    Output& out_;
    std::string line_;
    int tables_ = 0;
    std::size_t rows_ = 0;
};

// ---- readable text

void PrintCheck(const ProjectDocument& doc, const basCalcMain& driver, Output& out) {
    const CZul& normal = driver.CalcPair(0);
    const CZul& earthquake = driver.CalcPair(1);
    out << "検討ｹｰｽ名称：" << EscapeControls(doc.InpJyoken.Title) << '\n';
    TextColumns table(30);
    table.Add({"許容値の種類", "常　　時", "地　震　時"});
    table.Add({"許容押込み支持力Ｒａ (kN/本)", FormatCapacity(normal.Ra()), FormatCapacity(earthquake.Ra())});
    table.Add({"許容引抜き力Ｐａ (kN/本)", FormatCapacity(normal.Pa()), FormatCapacity(earthquake.Pa())});
    table.Print(out);
    for (const std::string& note : PlausibilityNotes(doc, normal, earthquake)) {
        out << "注意：" << EscapeControls(note) << '\n';
    }
}

// Per diameter, the lengths from which each plausibility note holds; on stderr, so that the
// table on stdout stays as it is in every format.
void PrintTableNotes(const basCalcMain& driver) {
    for (int i = 0; i < driver.ResultCount(); ++i) {
        for (const TableNote& note : driver.ResultNotes(i)) {
            PrintMessage("注意：" + EscapeControls(TableNoteLine({driver.ResultDiameters(i)}, note)));
        }
    }
}

void PrintTable(const basCalcMain& driver, Output& out) {
    for (int i = 0; i < driver.ResultCount(); ++i) {
        out << (i > 0 ? "\n" : "") << "杭径φ " << FormatNumber(driver.ResultDiameters(i), "0.000")
            << " m (kN/本)\n";
        TextColumns table;
        table.Add({"杭長Ｌ(m)", "Ｒａ常時", "Ｐａ常時", "Ｒａ地震時", "Ｐａ地震時"});
        for (const clsRaTable& r : driver.ResultTables(i)) {
            table.Add({FormatNumber(r.L, "##0.0"), FormatCapacity(r.Ra), FormatCapacity(r.Pa),
                       FormatCapacity(r.Rae), FormatCapacity(r.Pae)});
        }
        table.Print(out);
    }
}

void PrintCsv(const basCalcMain& driver, Output& out) {
    out << "D,L,Ra,Pa,Rae,Pae\n";
    for (int i = 0; i < driver.ResultCount(); ++i) {
        const std::string d = GeneralNumberText(driver.ResultDiameters(i));
        for (const clsRaTable& r : driver.ResultTables(i)) {
            out << d;
            for (const double value : {r.L, r.Ra, r.Pa, r.Rae, r.Pae}) {
                out << ',' << GeneralNumberText(value);
            }
            out << '\n';
        }
    }
}

// ---- the commands

// Reads the study as File > Open does.  On failure reports the file message and returns false.
bool ReadStudy(const CalcOptions& options, ProjectDocument& doc) {
    std::string message;
    int code = 0;
    bool versionNamed = false;
    if (const int openError = CheckReadableFile(options.path); openError != FileError::None) {
        message = ReadErrorMessage(openError);
        code = openError;
    } else {
        const OpenResult opened = OpenInputFile(doc, options.path);
        if (opened.success) {
            return true;
        }
        code = opened.errorCode;
        versionNamed = opened.unsupportedVersion;
        if (options.json) {
            message = opened.unsupportedVersion ? UnsupportedVersionMessage(opened.versionText)
                                                : ReadErrorMessage(opened.errorCode);
        } else {
            message = opened.unsupportedVersion
                          ? UnsupportedVersionMessage(EscapeControls(opened.versionText)) + "\n"
                          : std::string();
            message += ReadErrorMessage(opened.errorCode);
        }
    }
    // The cause in words after the message; an unsupported version is named by the message.
    const std::string cause = versionNamed ? std::string() : StudyFileCause(options.path, code);
    if (options.json) {
        Json failure = {{"ok", false}, {"error", message}, {"code", code}};
        if (!cause.empty()) {
            failure["cause"] = cause;
        }
        StandardOutput() << JsonText(failure) << '\n';
    } else {
        PrintMessage(message);
        if (!cause.empty()) {
            PrintMessage(cause);
        }
    }
    return false;
}
} // namespace

int RunCalc(const CalcOptions& options) {
    ProjectDocument doc;
    if (!ReadStudy(options, doc)) {
        return kFileFailure;
    }
    Output& out = StandardOutput();
    basCalcMain driver;
    const bool ok = driver.CalcRa(doc);
    const std::vector<std::string> causes =
        ok ? std::vector<std::string>() : FindCalcFailureCauses(doc, CalcRun::Single);
    if (options.json) {
        Json result = ok ? Json{{"ok", true},
                                {"normal", CZulJson(driver.CalcPair(0))},
                                {"earthquake", CZulJson(driver.CalcPair(1))},
                                {"notes", PlausibilityNotes(doc, driver.CalcPair(0), driver.CalcPair(1))}}
                         : Json{{"ok", false}, {"error", kCalcErrorMessage}};
        if (!causes.empty()) {
            result["causes"] = causes;
        }
        out << JsonText(result) << '\n';
    } else if (ok) {
        PrintCheck(doc, driver, out);
    } else {
        PrintCalcFailure(kCalcErrorMessage, causes);
    }
    return ok ? kSuccess : kCalcFailure;
}

int RunTable(const CalcOptions& options) {
    ProjectDocument doc;
    if (!ReadStudy(options, doc)) {
        return kFileFailure;
    }
    Output& out = StandardOutput();
    basCalcMain driver;
    if (options.json) {
        // The rows go out as they are calculated: a table of a million rows is never held.
        JsonTableWriter writer(out);
        const bool ok = driver.CalcRaTable(doc, writer);
        writer.Finish(driver, ok,
                      ok ? std::vector<std::string>() : FindCalcFailureCauses(doc, CalcRun::Table));
        if (ok) {
            out.Flush(); // the table before its notes; a failed write is reported at the end
            PrintTableNotes(driver);
        }
        return ok ? kSuccess : kCalcFailure;
    }
    const bool ok = driver.CalcRaTable(doc);
    const std::vector<std::string> causes =
        ok ? std::vector<std::string>() : FindCalcFailureCauses(doc, CalcRun::Table);
    if (options.csv) {
        PrintCsv(driver, out);
    } else {
        PrintTable(driver, out);
    }
    if (!ok) {
        PrintCalcFailure(kCalcErrorMessage, causes);
    }
    if (ok) {
        out.Flush(); // the table before its notes; a failed write is reported at the end
        PrintTableNotes(driver);
        if (const std::string reason = EmptyTableReason(doc); !reason.empty()) {
            PrintMessage("注意：" + reason);
        }
    }
    return ok ? kSuccess : kCalcFailure;
}

} // namespace zul::cli
