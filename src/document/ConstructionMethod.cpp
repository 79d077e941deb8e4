#include "document/ConstructionMethod.h"

#include <array>

namespace zul {

namespace {

struct MethodNames {
    std::string_view report;
    std::string_view graph;
    std::string_view screen;
};

constexpr std::array<MethodNames, kConstructionMethodCount> kMethodNames{{
    {"打込み杭工法", "打込み杭工法", "打込み杭工法"},
    {"場所打ち杭工法", "場所打ち杭工法", "場所打ち杭工法"},
    {"中堀杭工法(最終打撃方式)", "中堀杭工法(最終打撃方式)", "中掘杭工法（最終打撃方式）"},
    {"中堀杭工法(セメントミルク噴出撹拌方式)", "中堀杭工法(セメントミルク噴出撹拌方式)",
     "中掘杭工法（セメントミルク噴出撹拌方式）"},
    {"中堀杭工法(コンクリート打設方式)", "中堀杭工法(コンクリート打設方式)",
     "中掘杭工法（コンクリート打設方式）"},
    {"鋼管ソイルセメント杭工法", "鋼管ソイルセメント杭工法", "鋼管ソイルセメント杭工法"},
    {"プレボーリング杭工法", "プレボーリング杭工法", "プレボーリング杭工法"},
    {"VAzavozod(回転圧入鋼管杭工法)", "VAzavozod", "VAzavozod(回転圧入鋼管杭工法)"},
}};

const MethodNames* namesOf(std::int32_t code) {
    if (code < 0 || code >= kConstructionMethodCount) {
        return nullptr;
    }
    return &kMethodNames[static_cast<std::size_t>(code)];
}

} // namespace

std::optional<ConstructionMethod> MethodOfCode(std::int32_t code) {
    if (code < 0 || code >= kConstructionMethodCount) {
        return std::nullopt;
    }
    return static_cast<ConstructionMethod>(code);
}

bool AllowsAutomaticTip(std::int32_t code) {
    return code == static_cast<std::int32_t>(ConstructionMethod::Driven) ||
           code == static_cast<std::int32_t>(ConstructionMethod::InnerExcavationFinalDriving);
}

bool IsRotaryPressIn(std::int32_t code) {
    return code == static_cast<std::int32_t>(ConstructionMethod::RotaryPressIn);
}

bool IsInnerExcavation(std::int32_t code) {
    return code >= static_cast<std::int32_t>(ConstructionMethod::InnerExcavationFinalDriving) &&
           code <= static_cast<std::int32_t>(ConstructionMethod::InnerExcavationConcrete);
}

bool IsSteelPipeSoilCement(std::int32_t code) {
    return code == static_cast<std::int32_t>(ConstructionMethod::SteelPipeSoilCement);
}

std::string_view MethodReportName(std::int32_t code) {
    const auto* names = namesOf(code);
    return names ? names->report : std::string_view{};
}

std::string_view MethodGraphName(std::int32_t code) {
    const auto* names = namesOf(code);
    return names ? names->graph : std::string_view{};
}

std::string_view MethodScreenName(std::int32_t code) {
    const auto* names = namesOf(code);
    return names ? names->screen : std::string_view{};
}

std::string_view PileKindName(std::int32_t code) {
    return code == static_cast<std::int32_t>(PileKind::EndBearing) ? "支持杭" : "摩擦杭";
}

} // namespace zul
