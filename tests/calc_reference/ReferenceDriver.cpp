#include "ReferenceDriver.h"

#include "ReferenceArithmetic.h"
#include "ReferencePile.h"
#include "document/ConstructionMethod.h"

#include <cmath>
#include <string>

namespace zul::reference {

namespace {

double ValueOf(const CellValue& cell, const char* what) {
    const std::optional<double> v = cell.toNumber();
    if (!v) {
        throw CalcFailure(std::string("cell without a number: ") + what);
    }
    return *v;
}

// Perimeter, tip area and blade area of a pile section.
struct Section {
    double Up = 0.0;
    double Ap = 0.0;
    double Aw = 0.0;
};

Section SectionOf(double d, double dw, double dwi) {
    return {Round(d * kPi, 3), Round(d * d * kQuarterPi, 4), Round((dw * dw - dwi * dwi) * kQuarterPi, 4)};
}

std::int32_t CodeOf(double v) {
    return static_cast<std::int32_t>(std::nearbyint(v));
}

void StackLayers(const ProjectDocument& doc, DesignCase designCase, PileCase& pile) {
    double top = ValueOf(doc.JibanLevel(1), "ground top");
    for (std::int32_t r = 1; r <= doc.JibanCount; ++r) {
        const auto row = static_cast<std::size_t>(r);
        Layer layer;
        layer.Kind = CodeOf(ValueOf(doc.JibanLayer(1, row), "layer kind"));
        const double h = ValueOf(doc.JibanLayer(2, row), "thickness");
        layer.EU = top;
        layer.EL = top - h;
        layer.H = h;
        layer.Gs1 = ValueOf(doc.JibanLayer(3, row), "unit weight above water");
        layer.Gs2 = ValueOf(doc.JibanLayer(4, row), "unit weight below water");
        layer.Fai = 0.0;
        layer.N = ValueOf(doc.JibanLayer(5, row), "layer N");
        layer.aEo = 0.0;
        layer.f = ValueOf(doc.JibanLayer(6, row), "skin friction");
        layer.qd = ValueOf(doc.JibanLayer(7, row), "tip resistance");
        layer.DE =
            designCase == DesignCase::Normal ? 1.0 : ValueOf(doc.JibanLayer(8, row), "reduction factor");
        pile.Jiban.push_back(layer);
        top = top - h;
    }
}

} // namespace

PileCase CaseFromDocument(const ProjectDocument& doc, DesignCase designCase) {
    const CInpJyoken& c = doc.InpJyoken;
    PileCase pile;
    const Section section = SectionOf(c.D, c.Dw, c.Dwi);
    pile.KuiType = c.Siji;
    pile.Dp = c.D;
    pile.Dw = c.Dw;
    pile.Dwi = c.Dwi;
    pile.Ap = section.Ap;
    pile.Aw = section.Aw;
    pile.Up = section.Up;
    pile.L = c.L;
    pile.Alpha = c.Theta;
    pile.ELPU = c.ELPU;
    pile.ELWL = ValueOf(doc.JibanLevel(2), "water level");
    pile.ELGL = designCase == DesignCase::Normal ? ValueOf(doc.JibanLevel(3), "design ground normal")
                                                 : ValueOf(doc.JibanLevel(4), "design ground earthquake");
    StackLayers(doc, designCase, pile);
    for (std::int32_t r = 1; r <= doc.NCount; ++r) {
        const auto row = static_cast<std::size_t>(r);
        pile.N.push_back({ValueOf(doc.NData(1, row), "depth"), ValueOf(doc.NData(2, row), "N value")});
    }
    pile.IsWpRa = c.IsWpRa != 0;
    pile.IsWpPa = c.IsWpPa != 0;
    pile.Gp1 = c.Gp1;
    pile.Gp2 = c.Gp2;
    const std::size_t base = designCase == DesignCase::Normal ? 0 : 3;
    pile.nRa = ValueOf(doc.Anzen(base + (c.Siji == 0 ? 1 : 2)), "push-in safety factor");
    pile.nPa = ValueOf(doc.Anzen(base + 3), "pull-out safety factor");
    if ((c.Sekou == 0 || c.Sekou == 2) && c.QdMethod != 0) {
        pile.QdMethod = 1;
        pile.QdNeireType = c.QdSiji;
        pile.QdELNeire = c.ELSL;
        pile.QdAp = c.Bottom;
    } else {
        pile.QdMethod = 0;
    }
    pile.IsEcoPile = c.Sekou == 7;
    return pile;
}

SingleResult CalculateSingle(const ProjectDocument& doc) {
    SingleResult result;
    // A pile or blade without a width is refused, as is a capacity that is no finite number.
    const bool rotary = IsRotaryPressIn(doc.InpJyoken.Sekou);
    if (!(doc.InpJyoken.D > 0) || (rotary && !(doc.InpJyoken.Dw > 0))) {
        return result;
    }
    try {
        bool ok = true;
        for (int i = 0; i < 2; ++i) {
            result.pair[i] = CaseFromDocument(doc, i == 0 ? DesignCase::Normal : DesignCase::Earthquake);
            RunPileCase(result.pair[i]);
            const auto& z = result.pair[i];
            if (z.Error != 0 || !std::isfinite(z.Ra) || !std::isfinite(z.Pa) || !std::isfinite(z.Ru) ||
                !std::isfinite(z.Pu)) {
                ok = false;
            }
        }
        result.ok = ok;
    } catch (const CalcFailure&) {
        result.ok = false;
    }
    return result;
}

TableResult CalculateTable(const ProjectDocument& doc) {
    TableResult result;
    try {
        PileCase normal = CaseFromDocument(doc, DesignCase::Normal);
        PileCase quake = CaseFromDocument(doc, DesignCase::Earthquake);
        const double start = ValueOf(doc.RaTable(1), "length from");
        const double end = ValueOf(doc.RaTable(2), "length to");
        const double stepValue = ValueOf(doc.RaTable(3), "length step");
        const double s = std::nearbyint(Finite(start * 10.0, "length from"));
        const double e = std::nearbyint(Finite(end * 10.0, "length to"));
        const double st = std::nearbyint(Finite(stepValue * 10.0, "length step"));
        const double steps = std::ceil(Quotient(e - s, st, "length steps"));

        for (std::size_t column = 1; column <= 10; ++column) {
            const double d = ValueOf(doc.RaTable(10 + column), "table diameter");
            const double dw = Round(1.5 * d, 3);
            const double dwi = Round(0.5 * d, 3);
            const Section section = SectionOf(d, dw, dwi);
            if (d <= 0.09) {
                continue;
            }
            const int place = result.count++;
            result.diameters[place] = d;
            result.rows[place].clear();
            for (PileCase* pile : {&normal, &quake}) {
                pile->Dp = d;
                pile->Dw = dw;
                pile->Dwi = dwi;
                pile->Ap = section.Ap;
                pile->Aw = section.Aw;
                pile->Up = section.Up;
            }
            for (double k = 0.0; k <= steps; k += 1.0) {
                double length = (k * st + s) / 10.0;
                if (length > end) {
                    length = end;
                }
                normal.L = length;
                quake.L = length;
                RunPileCase(normal);
                RunPileCase(quake);
                if (normal.Error == 0) {
                    result.rows[place].push_back({length, normal.Ra, normal.Pa, quake.Ra, quake.Pa, 0});
                }
            }
        }
        result.ok = true;
    } catch (const CalcFailure&) {
        result.ok = false;
    }
    return result;
}

} // namespace zul::reference
