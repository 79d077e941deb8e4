#pragma once

// Fill the ground, N-value and study table areas of a project document the way the input
// screens store them.  Needs no Qt.

#include "document/ProjectDocument.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace zul::testdocs {

// A soil layer as the ground screen's row: kind, thickness, unit weights above and below the
// water, N-value, skin friction, tip resistance and earthquake reduction factor.
struct Layer {
    int kind;
    double h, gs1, gs2, n, f, qd, de;
};

// The four ground levels and the layers from the top down.
inline void SetGround(ProjectDocument& doc, double top, double water, double surfaceNormal,
                      double surfaceQuake, const std::vector<Layer>& layers) {
    doc.JibanLevel(1) = CellValue::Number(top);
    doc.JibanLevel(2) = CellValue::Number(water);
    doc.JibanLevel(3) = CellValue::Number(surfaceNormal);
    doc.JibanLevel(4) = CellValue::Number(surfaceQuake);
    doc.JibanCount = static_cast<std::int32_t>(layers.size());
    std::size_t r = 1;
    for (const Layer& l : layers) {
        const double values[8] = {static_cast<double>(l.kind), l.h, l.gs1, l.gs2, l.n, l.f, l.qd, l.de};
        for (std::size_t c = 1; c <= 8; ++c) {
            doc.JibanLayer(c, r) = CellValue::Number(values[c - 1]);
        }
        ++r;
    }
}

// The N-values as (depth, N) pairs.
inline void SetNValues(ProjectDocument& doc, const std::vector<std::pair<double, double>>& points) {
    doc.NCount = static_cast<std::int32_t>(points.size());
    std::size_t r = 1;
    for (const auto& [z, n] : points) {
        doc.NData(1, r) = CellValue::Number(z);
        doc.NData(2, r) = CellValue::Number(n);
        ++r;
    }
}

// The study table's pile lengths from, to and step, marked as entered.
inline void SetTableLengths(ProjectDocument& doc, double from, double to, double step) {
    doc.RaTable(1) = CellValue::Number(from);
    doc.RaTable(2) = CellValue::Number(to);
    doc.RaTable(3) = CellValue::Number(step);
    doc.RaTableInpFlg = true;
}

// The study table with the diameters as numbers.
inline void SetTable(ProjectDocument& doc, double from, double to, double step,
                     std::initializer_list<double> diameters) {
    SetTableLengths(doc, from, to, step);
    std::size_t place = 11;
    for (double d : diameters) {
        doc.RaTable(place++) = CellValue::Number(d);
    }
}

// The study table as the table screen stores it: lengths as numbers, diameters as typed.
inline void SetStudyTable(ProjectDocument& doc, double from, double to, double step,
                          const std::vector<std::string>& diameters) {
    SetTableLengths(doc, from, to, step);
    std::size_t place = 11;
    for (const std::string& d : diameters) {
        doc.RaTable(place++) = CellValue::Text(d);
    }
}

// A driven steel pipe pile, D = 0.4 m and 21 m long, whose tip resistance is computed from the
// N values, which were entered only down to 19 m: the tip lies 2 m below the deepest N value.
// Clay 8 m over sand 17 m; the study table runs from 17 to 21 m.
inline ProjectDocument DrivenPileBelowDeepestN() {
    ProjectDocument doc;
    CInpJyoken& c = doc.InpJyoken;
    c.InpFlg = true;
    c.Title = "打込み鋼管杭（N値は深度19mまで）";
    c.D = 0.4;
    c.Dw = 0.6;
    c.Dwi = 0.2;
    c.L = 21.0;
    c.Sekou = 0;
    c.Siji = 0;
    c.IsWpRa = 1;
    c.IsWpPa = 1;
    c.Gp1 = 78.5;
    c.Gp2 = 68.5;
    c.QdMethod = 1;
    c.QdSiji = 1;
    c.Bottom = 1;
    SetGround(doc, 0.0, -1.0, 0.0, 0.0, {{2, 8.0, 16, 6, 4, 40, 0, 1}, {0, 17.0, 19, 9, 30, 60, 0, 1}});
    std::vector<std::pair<double, double>> points;
    for (int z = 1; z <= 19; ++z) {
        points.emplace_back(z, z <= 8 ? 4.0 : 10.0 + 3.0 * (z - 8));
    }
    SetNValues(doc, points);
    SetTable(doc, 17.0, 21.0, 1.0, {0.4});
    return doc;
}

} // namespace zul::testdocs
