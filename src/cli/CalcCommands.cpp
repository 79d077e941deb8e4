// zul-cli calc and zul-cli table: the single-pile calculation and the study table of a
// study file, as readable text, as CSV or as JSON for other programs.
#include "calc/CalcFailureCauses.h"
#include "calc/CalcMessages.h"
#include "calc/PlausibilityNotes.h"
#include "calc/basCalcMain.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/TextColumns.h"
#include "io/FileAccess.h"
#include "io/FileMessages.h"
#include "io/InputDataFile.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace zul::cli {

namespace {

using Json = nlohmann::ordered_json;

// ---- JSON output: the structure through nlohmann-json, every double with 17 significant digits.

void WriteJson(const Json& value, std::string& out) {
    switch (value.type()) {
    case Json::value_t::object: {
        out += '{';
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            out += first ? "" : ", ";
            first = false;
            out += Json(key).dump(-1, ' ', false, Json::error_handler_t::replace);
            out += ": ";
            WriteJson(item, out);
        }
        out += '}';
        break;
    }
    case Json::value_t::array: {
        out += '[';
        bool first = true;
        for (const Json& item : value) {
            out += first ? "" : ", ";
            first = false;
            WriteJson(item, out);
        }
        out += ']';
        break;
    }
    case Json::value_t::number_float: {
        const double v = value.get<double>();
        if (!std::isfinite(v)) {
            out += "null";
            break;
        }
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", v);
        out += buffer;
        break;
    }
    default:
        out += value.dump(-1, ' ', false, Json::error_handler_t::replace);
        break;
    }
}

std::string JsonText(const Json& value) {
    std::string out;
    WriteJson(value, out);
    return out;
}

Json LiFisJson(const colZulLiFis& list) {
    Json rows = Json::array();
    for (const clsZulLiFi& s : list) {
        rows.push_back({{"No", s.No},
                        {"Kind", s.Kind},
                        {"EU", s.EU},
                        {"EL", s.EL},
                        {"Li", s.Li},
                        {"Lii", s.Lii},
                        {"Gs", s.Gs},
                        {"Ws", s.Ws},
                        {"Fi", s.Fi},
                        {"LiFi", s.LiFi},
                        {"IsNonF", s.IsNonF}});
    }
    return rows;
}

Json NsJson(const colZulNs& list) {
    Json rows = Json::array();
    for (const clsZulN& p : list) {
        rows.push_back({{"Z", p.Z}, {"N", p.N}});
    }
    return rows;
}

Json CZulJson(const CZul& c) {
    Json j = {
        {"Error", c.Error()},
        {"IsEcoPile", c.IsEcoPile()},
        {"KuiType", c.KuiType()},
        {"Dp", c.Dp()},
        {"Dw", c.Dw()},
        {"Dwi", c.Dwi()},
        {"Up", c.Up()},
        {"Ap", c.Ap()},
        {"Aw", c.Aw()},
        {"Alpha", c.Alpha()},
        {"Gp1", c.Gp1()},
        {"Gp2", c.Gp2()},
        {"ELGL", c.ELGL()},
        {"ELWL", c.ELWL()},
        {"ELPU", c.ELPU()},
        {"L", c.L()},
        {"nRa", c.nRa()},
        {"nPa", c.nPa()},
        {"IsWpRa", c.IsWpRa()},
        {"IsWpPa", c.IsWpPa()},
        {"QdMethod", c.QdMethod()},
        {"QdNeireType", c.QdNeireType()},
        {"QdELNeire", c.QdELNeire()},
        {"QdAp", c.QdAp()},
        {"ELPL", c.ELPL()},
        {"N1", c.N1()},
        {"N2", c.N2()},
        {"NN", c.NN()},
        {"Neire", c.Neire()},
        {"NeireA", c.NeireA()},
        {"RNeireDp", c.RNeireDp()},
        {"RQdNN", c.RQdNN()},
        {"L1", c.L1()},
        {"L2", c.L2()},
        {"Wp", c.Wp()},
        {"Ws", c.Ws()},
        {"qd", c.qd()},
        {"QfRa", c.QfRa()},
        {"QfPa", c.QfPa()},
        {"Ru", c.Ru()},
        {"Pu", c.Pu()},
        {"Ra", c.Ra()},
        {"Pa", c.Pa()},
        {"Qw", c.Qw()},
        {"H", c.H()},
        {"Gave", c.Gave()},
        {"Beta", c.Beta()},
        {"Fai", c.Fai()},
    };
    Json jiban = Json::array();
    for (const clsZulJiban& l : c.Jiban()) {
        jiban.push_back({{"EU", l.EU},
                         {"EL", l.EL},
                         {"H", l.H},
                         {"Kind", l.Kind},
                         {"Gs1", l.Gs1},
                         {"Gs2", l.Gs2},
                         {"Fai", l.Fai},
                         {"N", l.N},
                         {"aEo", l.aEo},
                         {"f", l.f},
                         {"qd", l.qd},
                         {"DE", l.DE}});
    }
    j["Jiban"] = jiban;
    j["N"] = NsJson(c.N());
    j["N4D"] = NsJson(c.N4D());
    j["NNeire"] = NsJson(c.NNeire());
    Json n24d = Json::array();
    for (const clsZulN2& r : c.N24D()) {
        n24d.push_back({{"EU", r.EU},
                        {"EL", r.EL},
                        {"Li", r.Li},
                        {"Lii", r.Lii},
                        {"NU", r.NU},
                        {"NL", r.NL},
                        {"Ni", r.Ni},
                        {"LiNi", r.LiNi}});
    }
    j["N24D"] = n24d;
    Json neires = Json::array();
    for (const clsZulNeire& r : c.Neires()) {
        neires.push_back({{"EU", r.EU},
                          {"EL", r.EL},
                          {"Li", r.Li},
                          {"Lii", r.Lii},
                          {"NU", r.NU},
                          {"NL", r.NL},
                          {"DNU", r.DNU},
                          {"DNL", r.DNL},
                          {"Ni", r.Ni},
                          {"LiNi", r.LiNi}});
    }
    j["Neires"] = neires;
    j["RaLiFi"] = LiFisJson(c.RaLiFi());
    j["PaLiFi"] = LiFisJson(c.PaLiFi());
    return j;
}

Json TablesJson(const basCalcMain& driver) {
    Json diameters = Json::array();
    Json tables = Json::array();
    for (int i = 0; i < driver.ResultCount(); ++i) {
        diameters.push_back(driver.ResultDiameters(i));
        Json rows = Json::array();
        for (const clsRaTable& r : driver.ResultTables(i)) {
            rows.push_back(
                {{"L", r.L}, {"Ra", r.Ra}, {"Pa", r.Pa}, {"Rae", r.Rae}, {"Pae", r.Pae}, {"Error", r.Error}});
        }
        tables.push_back(rows);
    }
    return {{"ResultCount", driver.ResultCount()}, {"ResultDiameters", diameters}, {"ResultTables", tables}};
}

// ---- readable text

std::string Capacity(double value) {
    return FormatNumber(value, "###,##0.0");
}

void PrintCheck(const ProjectDocument& doc, const basCalcMain& driver, Output& out) {
    const CZul& normal = driver.CalcPair(0);
    const CZul& earthquake = driver.CalcPair(1);
    out << "検討ｹｰｽ名称：" << EscapeControls(doc.InpJyoken.Title) << '\n';
    TextColumns table(30);
    table.Add({"許容値の種類", "常　　時", "地　震　時"});
    table.Add({"許容押込み支持力Ｒａ (kN/本)", Capacity(normal.Ra()), Capacity(earthquake.Ra())});
    table.Add({"許容引抜き力Ｐａ (kN/本)", Capacity(normal.Pa()), Capacity(earthquake.Pa())});
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
            table.Add({FormatNumber(r.L, "##0.0"), Capacity(r.Ra), Capacity(r.Pa), Capacity(r.Rae),
                       Capacity(r.Pae)});
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

struct Options {
    std::string path;
    bool json = false;
    bool csv = false;
};

// Reads the study as File > Open does.  On failure reports the file message and returns false.
bool ReadStudy(const Options& options, ProjectDocument& doc) {
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

int RunCalc(const Options& options) {
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

int RunTable(const Options& options) {
    ProjectDocument doc;
    if (!ReadStudy(options, doc)) {
        return kFileFailure;
    }
    Output& out = StandardOutput();
    basCalcMain driver;
    const bool ok = driver.CalcRaTable(doc);
    const std::vector<std::string> causes =
        ok ? std::vector<std::string>() : FindCalcFailureCauses(doc, CalcRun::Table);
    if (options.json) {
        Json result = {{"ok", ok}};
        if (!ok) {
            result["error"] = kCalcErrorMessage;
        }
        if (!causes.empty()) {
            result["causes"] = causes;
        }
        const Json tables = TablesJson(driver);
        for (const auto& [key, value] : tables.items()) {
            result[key] = value;
        }
        out << JsonText(result) << '\n';
    } else {
        if (options.csv) {
            PrintCsv(driver, out);
        } else {
            PrintTable(driver, out);
        }
        if (!ok) {
            PrintCalcFailure(kCalcErrorMessage, causes);
        }
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

} // namespace

void AddCalcCommands(CLI::App& app, int& exitCode) {
    auto calcOptions = std::make_shared<Options>();
    auto* calc = app.add_subcommand(
        "calc", "Allowable push-in (Ra) and pull-out (Pa) capacity of the pile of a study, normal and "
                "level-1 earthquake case");
    calc->add_option("FILE", calcOptions->path, "Study file (.zul, version 1.30 or 1.00)")->required();
    calc->add_flag("--json", calcOptions->json, "Every value of both calculations as JSON");
    calc->callback([calcOptions, &exitCode] { exitCode = RunCalc(*calcOptions); });

    auto tableOptions = std::make_shared<Options>();
    auto* table = app.add_subcommand("table", "Ra and Pa over the study table of pile lengths and diameters");
    table->add_option("FILE", tableOptions->path, "Study file (.zul, version 1.30 or 1.00)")->required();
    auto* json = table->add_flag("--json", tableOptions->json, "The table as JSON");
    auto* csv = table->add_flag("--csv", tableOptions->csv, "The table as CSV: D,L,Ra,Pa,Rae,Pae");
    json->excludes(csv);
    table->callback([tableOptions, &exitCode] { exitCode = RunTable(*tableOptions); });
}

} // namespace zul::cli
