#pragma once

#include "../support/StudyBuilders.h"
#include "document/ProjectDocument.h"

#include <cmath>
#include <utility>
#include <vector>

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
