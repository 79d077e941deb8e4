#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zul {

// Construction methods of the pile, by the code stored in the conditions (Sekou, 0..7).
enum class ConstructionMethod : std::int32_t {
    Driven = 0,                      // 打込み杭工法
    CastInPlace = 1,                 // 場所打ち杭工法
    InnerExcavationFinalDriving = 2, // 中堀杭工法(最終打撃方式)
    InnerExcavationCementMilk = 3,   // 中堀杭工法(セメントミルク噴出撹拌方式)
    InnerExcavationConcrete = 4,     // 中堀杭工法(コンクリート打設方式)
    SteelPipeSoilCement = 5,         // 鋼管ソイルセメント杭工法
    PreBoring = 6,                   // プレボーリング杭工法
    RotaryPressIn = 7,               // 回転圧入鋼管杭工法 (steel pipe pile with blades at the tip)
};

inline constexpr std::int32_t kConstructionMethodCount = 8;

// The method of a stored code; a broken file may carry a code outside 0..7.
std::optional<ConstructionMethod> MethodOfCode(std::int32_t code);

// Driven piles and inner-excavation piles set by final driving: the two methods whose tip
// resistance may be computed automatically from the N values.
bool AllowsAutomaticTip(std::int32_t code);
// The rotary press-in steel pipe pile: blade area at the tip, no-friction zone, blade pull-out.
bool IsRotaryPressIn(std::int32_t code);
// The three inner-excavation methods (2, 3, 4).
bool IsInnerExcavation(std::int32_t code);
// The steel pipe soil-cement pile, whose report states its diameter as the soil-cement column.
bool IsSteelPipeSoilCement(std::int32_t code);

// Method names in the spelling of the conditions report ("中堀杭工法(最終打撃方式)" …); empty for
// an unknown code.
std::string_view MethodReportName(std::int32_t code);
// Method names in the spelling of the study graph header (the rotary press-in pile by its trade
// name alone); empty for an unknown code.
std::string_view MethodGraphName(std::int32_t code);
// Method names as the conditions screen captions its option buttons ("中掘杭工法（最終打撃方式）" …);
// empty for an unknown code.
std::string_view MethodScreenName(std::int32_t code);

// Pile kinds by the code stored in the conditions (Siji) and used by the calculation (KuiType).
enum class PileKind : std::int32_t { EndBearing = 0, Friction = 1 };
inline constexpr std::int32_t kPileKindCount = 2;
// "支持杭" for 0, "摩擦杭" for any other code.
std::string_view PileKindName(std::int32_t code);

} // namespace zul
