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

} // namespace zul::testdocs
