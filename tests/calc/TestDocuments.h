#pragma once

#include "document/ProjectDocument.h"

namespace zul::testdocs {

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
    doc.JibanLevel(1) = CellValue::Number(0.0);
    doc.JibanLevel(2) = CellValue::Number(-3.0);
    doc.JibanLevel(3) = CellValue::Number(0.0);
    doc.JibanLevel(4) = CellValue::Number(0.0);
    const double layers[2][8] = {{0, 5, 18, 9, 10, 20, 3000, 1}, {1, 10, 20, 10, 40, 100, 5000, 0.5}};
    doc.JibanCount = 2;
    for (std::size_t r = 1; r <= 2; ++r) {
        for (std::size_t col = 1; col <= 8; ++col) {
            doc.JibanLayer(col, r) = CellValue::Number(layers[r - 1][col - 1]);
        }
    }
    return doc;
}

inline void SetTable(ProjectDocument& doc, double from, double to, double step,
                     std::initializer_list<double> diameters) {
    doc.RaTable(1) = CellValue::Number(from);
    doc.RaTable(2) = CellValue::Number(to);
    doc.RaTable(3) = CellValue::Number(step);
    std::size_t place = 11;
    for (double d : diameters) {
        doc.RaTable(place++) = CellValue::Number(d);
    }
    doc.RaTableInpFlg = true;
}

} // namespace zul::testdocs
