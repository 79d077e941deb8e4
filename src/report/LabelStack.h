#pragma once

// Labels beside a vertical scale: each wants to stand at the height of what it names, and no two
// may overlap.

#include <optional>
#include <utility>
#include <vector>

namespace zul {

// The heights (label centres) for labels that want to stand at targets, in the same order: each
// as near its target as the others allow, at least gap apart, keeping the top-to-bottom order of
// the targets, and within lowest..highest as far as they fit there.
std::vector<double> StackLabels(const std::vector<double>& targets, double gap, double lowest,
                                double highest);

// Heights (label centres) for labels of height size that want to stand at targets, each wholly
// inside one of the free intervals (low, high) so that no line between them touches a label:
// in the top-to-bottom order of the targets, at least gap apart, each interval holding the
// labels nearest to it.  No value when the intervals cannot hold them all.
std::optional<std::vector<double>>
PlaceLabelsBetween(const std::vector<double>& targets, double size, double gap,
                   const std::vector<std::pair<double, double>>& intervals);

} // namespace zul
