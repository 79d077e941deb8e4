#include "document/SoilKind.h"

#include <array>

namespace zul {

std::string_view SoilKindName(std::int32_t code) {
    static constexpr std::array<std::string_view, kSoilKindCount> names{"砂質土層", "砂れき層", "粘性土層"};
    if (code < 0 || code >= kSoilKindCount) {
        return {};
    }
    return names[static_cast<std::size_t>(code)];
}

} // namespace zul
