#pragma once

// Labels beside a vertical scale: each wants to stand at the height of what it names, and no two
// may overlap.

#include <vector>

namespace zul {

// The heights (label centres) for labels that want to stand at targets, in the same order: each
// as near its target as the others allow, at least gap apart, keeping the top-to-bottom order of
// the targets, and within lowest..highest as far as they fit there.
std::vector<double> StackLabels(const std::vector<double>& targets, double gap, double lowest,
                                double highest);

} // namespace zul
