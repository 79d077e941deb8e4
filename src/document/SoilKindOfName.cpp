#include "document/SoilKindOfName.h"

#include "document/SoilKind.h"
#include "util/TextNormalize.h"

#include <array>
#include <string>

namespace zul {

namespace {

struct SoilWord {
    std::string_view word;
    SoilKind kind;
};

constexpr std::array<SoilWord, 19> kSoilWords{{
    {"礫", SoilKind::Gravel},         {"砂礫", SoilKind::Gravel},     {"礫質土", SoilKind::Gravel},
    {"玉石", SoilKind::Gravel},       {"転石", SoilKind::Gravel},     {"砂利", SoilKind::Gravel},
    {"砂", SoilKind::Sandy},          {"砂質土", SoilKind::Sandy},    {"細砂", SoilKind::Sandy},
    {"中砂", SoilKind::Sandy},        {"粗砂", SoilKind::Sandy},      {"シルト", SoilKind::Cohesive},
    {"粘土", SoilKind::Cohesive},     {"粘性土", SoilKind::Cohesive}, {"ローム", SoilKind::Cohesive},
    {"有機質土", SoilKind::Cohesive}, {"腐植土", SoilKind::Cohesive}, {"泥炭", SoilKind::Cohesive},
    {"ピート", SoilKind::Cohesive},
}};

} // namespace

std::optional<std::int32_t> SoilKindOfName(std::string_view name) {
    const std::string text = WithoutBlanks(NormalizeNfkc(name));
    // Positions are byte offsets of the UTF-8 text: they order characters as code points do.
    const SoilWord* found = nullptr;
    std::size_t foundEnd = 0;
    for (const SoilWord& candidate : kSoilWords) {
        for (std::size_t at = text.find(candidate.word); at != std::string::npos;
             at = text.find(candidate.word, at + 1)) {
            const std::size_t end = at + candidate.word.size();
            if (found == nullptr || end > foundEnd ||
                (end == foundEnd && candidate.word.size() > found->word.size())) {
                found = &candidate;
                foundEnd = end;
            }
        }
    }
    if (found == nullptr || text.find("岩", foundEnd) != std::string::npos) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(found->kind);
}

} // namespace zul
