#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zul {

// The layer kind a soil name of a borehole log stands for (NFKC, blanks removed): the soil word
// that ends furthest to the right decides (on a tie the longer word), so "シルト質砂" is sand,
// "砂質シルト" cohesive soil and "粘土質砂礫" gravel.  No value when no soil word is found or
// "岩" follows the word found (rock such as "砂岩", "凝灰角礫岩", "強風化泥岩").
std::optional<std::int32_t> SoilKindOfName(std::string_view name);

} // namespace zul
