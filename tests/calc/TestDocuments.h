#pragma once

#include "document/ProjectDocument.h"

#include <cmath>
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

// The worked end-bearing example as a project document: cast-in-place pile D = 1.0 m,
// length 10.0, water at -3.0; sandy soil 5 m over sandy gravel 10 m whose earthquake
// reduction factor is 0.5.
inline ProjectDocument EndBearingDocument() {
    ProjectDocument doc;
    CInpJyoken& c = doc.InpJyoken;
    c.D = 1.0;
    c.L = 10.0;
    c.Sekou = 1;
    c.Siji = 0;
    c.IsWpRa = 1;
    c.IsWpPa = 1;
    c.Gp1 = 24.5;
    c.Gp2 = 14.5;
    SetGround(doc, 0.0, -3.0, 0.0, 0.0,
              {{0, 5, 18, 9, 10, 20, 3000, 1}, {1, 10, 20, 10, 40, 100, 5000, 0.5}});
    return doc;
}

// A driven pile in 20 layers with 100 N-values that rise and fall, automatic tip resistance by
// the area balance, and the longest table: lengths 1.0 to 999.9 by 0.1 for ten diameters 0.4 to
// 2.2.  As the screens allow: layers of 5 m and N-values every metre down to 99.1 m.  Deep: layers
// of 50 m (1000 m of ground) and N-values every 10 m down to 991 m, so that every pile length of
// the table meets them (a study only a file can hold).
inline ProjectDocument WorstCaseStudyDocument(bool deep) {
    ProjectDocument doc;
    CInpJyoken& c = doc.InpJyoken;
    c.D = 1.0;
    c.L = 30.0;
    c.Sekou = 0;
    c.QdMethod = 1;
    c.QdSiji = 2;
    c.IsWpRa = 1;
    c.IsWpPa = 1;
    c.Gp1 = 24.5;
    c.Gp2 = 14.5;
    std::vector<Layer> layers;
    for (std::size_t r = 1; r <= 20; ++r) {
        layers.push_back({static_cast<int>(r % 3), deep ? 50.0 : 5.0, 18, 9, 10.0 + r, 20.0 + 2 * r, 3000,
                          0.5 + 0.025 * r});
    }
    SetGround(doc, 0.0, -2.5, 0.0, -1.0, layers);
    std::vector<std::pair<double, double>> points;
    for (std::size_t r = 1; r <= 100; ++r) {
        const double z = deep ? 10.0 * static_cast<double>(r) - 9.0 : static_cast<double>(r) - 0.9;
        points.emplace_back(z,
                            std::round(10 * (25 + 15 * std::sin(z / (deep ? 23.0 : 2.3)) + 0.02 * z)) / 10);
    }
    SetNValues(doc, points);
    SetTable(doc, 1.0, 999.9, 0.1, {0.4, 0.6, 0.8, 1.0, 1.2, 1.4, 1.6, 1.8, 2.0, 2.2});
    return doc;
}

} // namespace zul::testdocs
