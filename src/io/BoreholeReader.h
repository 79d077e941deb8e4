#pragma once

#include "document/BoreholeRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zul {

// Largest borehole exchange file read (a log of hundreds of layers and tests stays far below).
inline constexpr std::size_t kMaxBoreholeFileBytes = 32u * 1024u * 1024u;

// A borehole read from its exchange file, or why it could not be read.
struct BoreholeReadResult {
    std::optional<BoreholeRecord> record;
    std::string message; // when no record: a sentence for the user (UTF-8)
};

// Reads a borehole exchange file (ボーリング交換用データ, XML of the layouts 2.x, 3.00 and 4.00):
// a plain file of at most kMaxBoreholeFileBytes, read as UTF-8 when its bytes are valid UTF-8,
// otherwise as code page 932; the parser loads no external DTD or entity, and a file that
// declares entities is refused.
BoreholeReadResult ReadBoreholeFile(const std::string& path);

// The same for the bytes of a file.
BoreholeReadResult ParseBoreholeFile(std::string_view bytes);

} // namespace zul
