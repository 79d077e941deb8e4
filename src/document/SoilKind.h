#pragma once

#include <cstdint>
#include <string_view>

namespace zul {

// Soil kinds of a ground layer, by the code in the first column of the layer table (0..2).
enum class SoilKind : std::int32_t { Sandy = 0, Gravel = 1, Cohesive = 2 };

inline constexpr std::int32_t kSoilKindCount = 3;

// "砂質土層", "砂れき層", "粘性土層"; empty for a code outside 0..2.
std::string_view SoilKindName(std::int32_t code);

// Sand and gravel are granular soils; cohesive soil is not.
inline bool IsGranular(std::int32_t code) {
    return code == static_cast<std::int32_t>(SoilKind::Sandy) ||
           code == static_cast<std::int32_t>(SoilKind::Gravel);
}

} // namespace zul
