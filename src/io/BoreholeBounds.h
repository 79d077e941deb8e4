#pragma once

// What one borehole exchange file may hold.  A borehole log of a pile study has tens of layers
// and tests and a few water records; the bounds leave ample room above the deepest real logs
// and keep the memory and time of a read small for any file up to kMaxBoreholeFileBytes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zul {

inline constexpr std::size_t kMaxBoreholeElements = 100'000;
inline constexpr std::size_t kMaxBoreholeLayers = 1'000; // of one layout
inline constexpr std::size_t kMaxBoreholeTests = 2'000;
inline constexpr std::size_t kMaxBoreholeWaterRecords = 1'000;
// Longest run of characters without a tag: an element's text, a comment or an attribute value.
inline constexpr std::size_t kMaxBoreholeTextRun = 10'000'000;

// Why the UTF-8 text of a borehole file is refused before it is parsed, in words for the user:
// a NUL character, more elements than kMaxBoreholeElements, a text run longer than
// kMaxBoreholeTextRun, or a declared entity.  No value for a text within the bounds.
std::optional<std::string> BoreholeTextProblem(std::string_view utf8);

// Why bytes that are neither UTF-8 nor code page 932 cannot be read: where the first byte that
// is not UTF-8 lies, and whether the file ends inside a character.
std::string UndecodableBoreholeText(std::string_view bytes);

// The refusal of a record kind that holds more than its bound ("標準貫入試験", 2,000).
std::string TooManyRecords(std::string_view kind, std::size_t bound);

} // namespace zul
