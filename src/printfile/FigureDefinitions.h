#pragma once

// The figure definition files LINE_PRN.DEF (line kinds) and STR_PRN.DEF (text kinds): the report
// takes character sizes from them, the preview draws with them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

// A row of LINE_PRN.DEF: name, line style (0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot)
// and width in 1/100 mm.
struct LineDef {
    std::string Name;
    std::int32_t Style = 0;
    std::int32_t Width = 0;
};
// A row of STR_PRN.DEF: name, weight, font family, character size and spacing (twips), colour
// (0xBBGGRR), reserved.
struct StrDef {
    std::string Name;
    std::int32_t Weight = 400;
    std::string Font;
    std::int32_t Size = 0;
    std::int32_t Spacing = 0;
    std::int32_t Colour = 0;
    std::int32_t Reserved = 0;
};

// Rows the report's figures use: line kinds up to 9, text kinds 1 and 2.
inline constexpr std::size_t kMaxLineDefs = 9;
inline constexpr std::size_t kMaxStrDefs = 2;

// The rows of a definition file's contents (code page 932): after the header line, the name of
// each row followed by its further fields, separated by commas or line ends, up to the name
// "END".  More than most rows, no END or a field that is not a number is a PrintFileFormatError.
// Names are UTF-8 in memory.
std::vector<LineDef> ParseLineDefs(std::string_view cp932, std::size_t most = kMaxLineDefs);
std::vector<StrDef> ParseStrDefs(std::string_view cp932, std::size_t most = kMaxStrDefs);

} // namespace zul
