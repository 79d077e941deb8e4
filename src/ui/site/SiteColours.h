#pragma once

#include <QColor>

#include <cstddef>

namespace zul {

// The colour of a diameter's lines in the site charts, by its place in the study table.
QColor DiameterColour(std::size_t place);

// The colour of a required length on the plan: blue for the shortest, through green and yellow,
// to red for the longest (t from 0 to 1).
QColor LengthColour(double t);

} // namespace zul
