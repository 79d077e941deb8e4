#include "document/RepeatedNotes.h"

#include <algorithm>

namespace zul {

void RepeatedNotes::Add(std::vector<std::string>& notes, const std::string& reason, std::string note) {
    auto place = std::find_if(counts_.begin(), counts_.end(),
                              [&reason](const auto& entry) { return entry.first == reason; });
    if (place == counts_.end()) {
        place = counts_.insert(counts_.end(), {reason, 0});
    }
    if (++place->second <= kShownPerReason) {
        notes.push_back(std::move(note));
    }
}

} // namespace zul
