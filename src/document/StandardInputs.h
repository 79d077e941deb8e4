#pragma once

#include <array>

namespace zul {

// Safety factors of a new study, in the order of the document's Anzen cells 1..6: push-in of an
// end-bearing pile, push-in of a friction pile and pull-out in the normal case, then the same
// three for the level-1 earthquake case.
inline constexpr std::array<double, 6> kStandardSafetyFactors{3.0, 4.0, 6.0, 2.0, 3.0, 3.0};

// The study table a never-entered table screen proposes: lengths from 5 and to 20 pile diameters
// of the conditions, in steps of 0.5 m.
inline constexpr double kStudyTableStartPerDiameter = 5.0;
inline constexpr double kStudyTableEndPerDiameter = 20.0;
inline constexpr double kStudyTableStep = 0.5;

} // namespace zul
