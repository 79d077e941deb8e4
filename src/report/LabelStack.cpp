#include "report/LabelStack.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

std::optional<std::vector<double>>
PlaceLabelsBetween(const std::vector<double>& targets, double size, double gap,
                   const std::vector<std::pair<double, double>>& intervals) {
    const std::size_t n = targets.size();
    // The places a label may take, top to bottom: in each interval from its top, one label
    // height and a gap apart.
    struct Slot {
        double y;
        std::size_t interval;
    };
    std::vector<std::pair<double, double>> free = intervals;
    std::sort(free.begin(), free.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<Slot> slots;
    for (std::size_t k = 0; k < free.size(); ++k) {
        for (double y = free[k].second - size / 2; y - size / 2 >= free[k].first - 1e-9; y -= size + gap) {
            slots.push_back({y, k});
        }
    }
    const std::size_t m = slots.size();
    if (m < n) {
        return std::nullopt;
    }
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return targets[a] > targets[b]; });
    // Least total distance with the order kept: cost[i][j] for the first i labels in the first j slots.
    constexpr double kNone = std::numeric_limits<double>::infinity();
    std::vector<std::vector<double>> cost(n + 1, std::vector<double>(m + 1, kNone));
    std::fill(cost[0].begin(), cost[0].end(), 0.0);
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = i; j <= m; ++j) {
            const double take = cost[i - 1][j - 1] + std::fabs(slots[j - 1].y - targets[order[i - 1]]);
            cost[i][j] = std::min(cost[i][j - 1], take);
        }
    }
    // Back from the end: which interval each label went to.
    std::vector<std::size_t> intervalOf(n);
    for (std::size_t i = n, j = m; i > 0; --j) {
        if (cost[i][j] != cost[i][j - 1] || j == i) {
            intervalOf[i - 1] = slots[j - 1].interval;
            --i;
        }
    }
    // Within its interval each label stands as near its target as the others there allow.
    std::vector<double> at(n);
    for (std::size_t k = 0; k < free.size(); ++k) {
        std::vector<std::size_t> here;
        std::vector<double> wanted;
        for (std::size_t i = 0; i < n; ++i) {
            if (intervalOf[i] == k) {
                here.push_back(order[i]);
                wanted.push_back(targets[order[i]]);
            }
        }
        const std::vector<double> placed =
            StackLabels(wanted, size + gap, free[k].first + size / 2, free[k].second - size / 2);
        for (std::size_t i = 0; i < here.size(); ++i) {
            at[here[i]] = placed[i];
        }
    }
    return at;
}

} // namespace zul
