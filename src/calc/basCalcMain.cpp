#include "calc/basCalcMain.h"

#include "calc/CalcError.h"
#include "calc/CalcMath.h"
#include "document/ConstructionMethod.h"

#include <cmath>
#include <cstdint>
#include <exception>

namespace zul {

using calcmath::Finite;
using calcmath::kPi;
using calcmath::kQuarterPi;
using calcmath::Round;
using calcmath::ToLong;

namespace {

// The value a calculation reads from a document cell; a text that is not a number fails
// like a type mismatch.
double Cell(const CellValue& cell) {
    const std::optional<double> value = cell.toNumber();
    if (!value) {
        throw CalcError("type mismatch");
    }
    return *value;
}

// Perimeter, tip area and blade area of a pile section.
struct Section {
    double Up = 0;
    double Ap = 0;
    double Aw = 0;
};

Section SectionOf(double d, double dw, double dwi) {
    Section s;
    s.Up = Round(d * kPi, 3);
    s.Ap = Round(Finite(d * d) * kQuarterPi, 4);
    s.Aw = Round(Finite(Finite(dw * dw) - Finite(dwi * dwi)) * kQuarterPi, 4);
    return s;
}

const colRaTabls& EmptyTable() {
    static const colRaTabls empty;
    return empty;
}

const std::vector<TableNote>& NoNotes() {
    static const std::vector<TableNote> none;
    return none;
}

} // namespace

basCalcMain::basCalcMain() {
    pair_[0] = std::make_unique<CZul>();
    pair_[1] = std::make_unique<CZul>();
}

const CZul& basCalcMain::CalcPair(int index) const {
    return *pair_.at(static_cast<std::size_t>(index));
}

double basCalcMain::ResultDiameters(int index) const {
    return index < 0 || index >= 10 ? 0.0 : diameters_[static_cast<std::size_t>(index)];
}

const colRaTabls& basCalcMain::ResultTables(int index) const {
    if (index < 0 || index >= 10 || !tables_[static_cast<std::size_t>(index)]) {
        return EmptyTable();
    }
    return *tables_[static_cast<std::size_t>(index)];
}

const std::vector<TableNote>& basCalcMain::ResultNotes(int index) const {
    return index < 0 || index >= 10 ? NoNotes() : notes_[static_cast<std::size_t>(index)];
}

void basCalcMain::SetCalcInput(const ProjectDocument& doc, int calcCase, CZul& obj) {
    const CInpJyoken& c = doc.InpJyoken;
    const Section section = SectionOf(c.D, c.Dw, c.Dwi);

    obj.setKuiType(c.Siji);
    obj.setDp(c.D);
    obj.setDw(c.Dw);
    obj.setDwi(c.Dwi);
    obj.setAp(section.Ap);
    obj.setAw(section.Aw);
    obj.setUp(section.Up);
    obj.setL(c.L);
    obj.setAlpha(c.Theta);
    obj.setELPU(c.ELPU);
    obj.setELWL(Cell(doc.JibanLevel(2)));
    obj.setELGL(Cell(doc.JibanLevel(calcCase == 1 ? 3 : 4)));

    // Layers stacked without gaps from the top of the first layer.
    if (doc.JibanCount > kMaxLayers || doc.NCount > kMaxNPoints) {
        throw CalcError("table count out of range");
    }
    obj.Jiban().Clear();
    double eu = Cell(doc.JibanLevel(1));
    for (std::int32_t r = 1; r <= doc.JibanCount; ++r) {
        const auto row = static_cast<std::size_t>(r);
        const double h = Cell(doc.JibanLayer(2, row));
        const double de = calcCase == 1 ? 1.0 : Cell(doc.JibanLayer(8, row));
        obj.Jiban().Add(eu, h, ToLong(Cell(doc.JibanLayer(1, row))), Cell(doc.JibanLayer(3, row)),
                        Cell(doc.JibanLayer(4, row)), 0, Cell(doc.JibanLayer(5, row)), 0,
                        Cell(doc.JibanLayer(6, row)), Cell(doc.JibanLayer(7, row)), de);
        eu = Finite(eu - h);
    }
    obj.N().Clear();
    for (std::int32_t r = 1; r <= doc.NCount; ++r) {
        const auto row = static_cast<std::size_t>(r);
        obj.N().Add(Cell(doc.NData(1, row)), Cell(doc.NData(2, row)));
    }

    obj.setIsWpRa(c.IsWpRa != 0);
    obj.setIsWpPa(c.IsWpPa != 0);
    obj.setGp1(c.Gp1);
    obj.setGp2(c.Gp2);

    if (calcCase == 1) {
        obj.setnRa(Cell(doc.Anzen(c.Siji == 0 ? 1 : 2)));
        obj.setnPa(Cell(doc.Anzen(3)));
    } else {
        obj.setnRa(Cell(doc.Anzen(c.Siji == 0 ? 4 : 5)));
        obj.setnPa(Cell(doc.Anzen(6)));
    }

    // The automatic tip resistance applies to driven piles and to inner excavation with
    // final driving only.
    if (AllowsAutomaticTip(c.Sekou) && c.QdMethod != 0) {
        obj.setQdMethod(1);
        obj.setQdNeireType(c.QdSiji);
        obj.setQdELNeire(c.ELSL);
        obj.setQdAp(c.Bottom);
    } else {
        obj.setQdMethod(0);
    }
    obj.setIsEcoPile(IsRotaryPressIn(c.Sekou));
}

namespace {

// Whether the capacities of a calculated pile are numbers: one beyond what a number holds is a
// failure, never a result.
bool FiniteResults(const CZul& obj) {
    return std::isfinite(obj.Ru()) && std::isfinite(obj.Ra()) && std::isfinite(obj.Pu()) &&
           std::isfinite(obj.Pa());
}

} // namespace

bool basCalcMain::CalcRa(const ProjectDocument& doc) {
    bool result = true;
    pair_[0] = std::make_unique<CZul>();
    pair_[1] = std::make_unique<CZul>();
    // A pile (or its blades) without a width has no section to carry it.
    if (!(doc.InpJyoken.D > 0) || (IsRotaryPressIn(doc.InpJyoken.Sekou) && !(doc.InpJyoken.Dw > 0))) {
        return false;
    }
    try {
        for (int calcCase = 1; calcCase <= 2; ++calcCase) {
            CZul& obj = *pair_[static_cast<std::size_t>(calcCase - 1)];
            SetCalcInput(doc, calcCase, obj);
            obj.CalcPaRa();
            if (obj.Error() != 0 || !FiniteResults(obj)) {
                result = false;
            }
        }
    } catch (const std::exception&) {
        return false;
    }
    return result;
}

bool basCalcMain::CalcRaTable(const ProjectDocument& doc) {
    try {
        RunTable(doc, nullptr);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool basCalcMain::CalcRaTable(const ProjectDocument& doc, TableRowSink& sink) {
    try {
        RunTable(doc, &sink);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void basCalcMain::RunTable(const ProjectDocument& doc, TableRowSink* sink) {
    CZul normal;
    CZul quake;
    SetCalcInput(doc, 1, normal);
    SetCalcInput(doc, 2, quake);
    // The notes only read the objects after each row; they change no number of the table.
    TableNoteCollector notes(doc, normal);

    // Lengths in tenths of a metre.
    const double endLength = Cell(doc.RaTable(2));
    const std::int64_t s = ToLong(Cell(doc.RaTable(1)) * 10);
    const std::int64_t e = ToLong(endLength * 10);
    const std::int64_t st = ToLong(Cell(doc.RaTable(3)) * 10);
    const double steps = std::ceil(
        calcmath::Div(static_cast<double>(ToLong(static_cast<double>(e - s))), static_cast<double>(st)));
    if (steps + 1 > kMaxTableLengths) {
        throw CalcError("too many pile lengths");
    }
    const auto n = static_cast<std::int64_t>(steps);

    resultCount_ = 0;
    for (std::size_t column = 1; column <= 10; ++column) {
        const double d = Cell(doc.RaTable(10 + column));
        // Blade diameters by the standard proportions of the rotary press-in pile.
        const double dw = Round(1.5 * d, 3);
        const double dwi = Round(0.5 * d, 3);
        const Section section = SectionOf(d, dw, dwi);
        if (d <= 0.09) {
            continue;
        }
        const auto place = static_cast<std::size_t>(resultCount_);
        ++resultCount_;
        diameters_[place] = d;
        if (!tables_[place]) {
            tables_[place] = std::make_unique<colRaTabls>();
        }
        colRaTabls& rows = *tables_[place];
        rows.Clear();
        notes_[place].clear();
        notes.Begin();
        if (sink != nullptr) {
            sink->Diameter(static_cast<int>(place), d);
        }
        for (CZul* obj : {&normal, &quake}) {
            obj->setDp(d);
            obj->setDw(dw);
            obj->setDwi(dwi);
            obj->setAp(section.Ap);
            obj->setAw(section.Aw);
            obj->setUp(section.Up);
        }
        for (std::int64_t k = 0; k <= n; ++k) {
            double length = ToLong(static_cast<double>(k * st + s)) / 10.0;
            if (length > endLength) {
                length = endLength;
            }
            normal.setL(length);
            quake.setL(length);
            normal.CalcPaRa();
            quake.CalcPaRa();
            if (normal.Error() == 0 && !(FiniteResults(normal) && FiniteResults(quake))) {
                throw CalcError("result beyond the numbers");
            }
            if (normal.Error() == 0) {
                const clsRaTable row{length, normal.Ra(), normal.Pa(), quake.Ra(), quake.Pa(), 0};
                if (sink != nullptr) {
                    sink->Row(row);
                } else {
                    rows.Add(row.L, row.Ra, row.Pa, row.Rae, row.Pae, row.Error);
                }
                notes.Row(length, normal, quake);
            }
        }
        notes_[place] = notes.End();
    }
}

} // namespace zul
