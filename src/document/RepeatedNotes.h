#pragma once

// Notes on many records that fail for the same reason (a borehole file with thousands of empty
// tests): the first few are given one by one, the rest are counted in one note per reason.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace zul {

class RepeatedNotes {
public:
    // How many notes of one reason are given one by one.
    static constexpr std::size_t kShownPerReason = 5;

    // Adds note to notes while its reason has been given fewer than kShownPerReason times;
    // otherwise only counts it.
    void Add(std::vector<std::string>& notes, const std::string& reason, std::string note);

    // One note per reason with records beyond those shown, in the order the reasons first came:
    // summary(reason, how many were not given one by one).
    template <typename Summary> void Summarise(std::vector<std::string>& notes, Summary summary) const {
        for (const auto& [reason, count] : counts_) {
            if (count > kShownPerReason) {
                notes.push_back(summary(reason, count - kShownPerReason));
            }
        }
    }

private:
    std::vector<std::pair<std::string, std::size_t>> counts_;
};

} // namespace zul
