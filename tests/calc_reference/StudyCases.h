#pragma once

#include "../support/StudyBuilders.h"
#include "document/ProjectDocument.h"

#include <initializer_list>
#include <vector>

namespace zul::reference {

// One ground layer row as entered on the ground layer screen.
using LayerRow = testdocs::Layer;
using testdocs::SetNValues;

// Study cases written out by hand for the worked examples: the ground levels with one design
// ground level for both cases, and the layers.
ProjectDocument StudyWithGround(double groundTop, double water, double designGround,
                                const std::vector<LayerRow>& layers);
// The study table; diameter places not given are emptied.
void SetLengthTable(ProjectDocument& doc, double from, double to, double step,
                    std::initializer_list<double> diameters);

// The tip-resistance example: a vertical driven pile of 0.8 m, 10 m long, in two layers
// with five N-value points, embedment into the lowest layer reached.
ProjectDocument DrivenPileExample(int openEnded);

// The capacity example: a vertical cast-in-place pile of 1.0 m, 10 m long, in sand over
// gravel with the water at -3.0.
ProjectDocument CastInPlaceExample(bool withWeights);

} // namespace zul::reference
