#include "report/LabelStack.h"

#include <algorithm>
#include <numeric>

namespace zul {

std::vector<double> StackLabels(const std::vector<double>& targets, double gap, double lowest,
                                double highest) {
    const std::size_t n = targets.size();
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Top to bottom; equal heights keep their given order.
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return targets[a] > targets[b]; });
    std::vector<double> at(n);
    // Downward: each below the one above it, then upward from the floor, then down again from
    // the top so that the top one never leaves the range.
    for (std::size_t k = 0; k < n; ++k) {
        const double wanted = std::min(targets[order[k]], highest);
        at[order[k]] = k == 0 ? wanted : std::min(wanted, at[order[k - 1]] - gap);
    }
    for (std::size_t k = n; k-- > 0;) {
        const double floor = k + 1 == n ? lowest : at[order[k + 1]] + gap;
        at[order[k]] = std::max(at[order[k]], floor);
    }
    for (std::size_t k = 0; k < n; ++k) {
        const double ceiling = k == 0 ? highest : at[order[k - 1]] - gap;
        at[order[k]] = std::min(at[order[k]], ceiling);
    }
    return at;
}

} // namespace zul
