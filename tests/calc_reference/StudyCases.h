#pragma once

#include "document/ProjectDocument.h"

#include <initializer_list>

namespace zul::reference {

// One ground layer row as entered on the ground layer screen.
struct LayerRow {
    int kind = 0;
    double h = 0.0;
    double gs1 = 18.0;
    double gs2 = 9.0;
    double n = 10.0;
    double f = 0.0;
    double qd = 0.0;
    double de = 1.0;
};

// Study cases written out by hand for the worked examples.
ProjectDocument StudyWithGround(double groundTop, double water, double designGround,
                                std::initializer_list<LayerRow> layers);
void SetNValues(ProjectDocument& doc, std::initializer_list<std::pair<double, double>> points);
void SetLengthTable(ProjectDocument& doc, double from, double to, double step,
                    std::initializer_list<double> diameters);

// The tip-resistance example: a vertical driven pile of 0.8 m, 10 m long, in two layers
// with five N-value points, embedment into the lowest layer reached.
ProjectDocument DrivenPileExample(int openEnded);

// The capacity example: a vertical cast-in-place pile of 1.0 m, 10 m long, in sand over
// gravel with the water at -3.0.
ProjectDocument CastInPlaceExample(bool withWeights);

} // namespace zul::reference
