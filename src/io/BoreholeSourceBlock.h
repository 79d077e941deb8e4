#pragma once

#include "document/BoreholeSource.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zul {

// The borehole source of a study in its study file: a block of lines after the last line of the
// study table, which the readers of the study file format ignore.  Code page 932, CR LF:
//   #BOREHOLE-SOURCE 1
//   file<TAB>B-2.XML
//   layer<TAB>0<TAB>0<TAB>1.8<TAB>4<TAB>埋土（砂）<TAB>シルト質砂
//   point<TAB>1.3<TAB>4<TAB>4<TAB>30<TAB>
//   ...
//   #END-BOREHOLE-SOURCE 25
// One record a line, its fields apart by tabs; the end line counts the records.  In texts a
// backslash, a tab and the line ends are written "\\", "\t", "\r", "\n", and a character that
// code page 932 cannot hold as "\u{XXXX}" (its code point in hexadecimals), so nothing is lost.
// Numbers in their shortest exact decimal form with ".", empty where there is none.

// Most bytes a block may take; a block that runs past them counts as damaged.
inline constexpr std::size_t kMaxSourceBlockBytes = 4u * 1024u * 1024u;

// The block's lines (code page 932, every line ended by CR LF).
std::string BoreholeSourceBlock(const BoreholeSource& source);

// What reading the lines after the study table gives: no block (no source, no message), a
// block that was read, or a damaged one (no source, and a message for the user).
struct SourceBlockRead {
    std::optional<BoreholeSource> source;
    std::string message; // UTF-8; empty unless a block was found and dropped
};

// Reads the block from the bytes that follow the study table.  Lines before the block's first
// line and after its last are ignored; a block of another version is dropped with a message.
// cut: the bytes were cut at kMaxSourceBlockBytes, so a block that does not end in them is too
// large.
SourceBlockRead ReadBoreholeSourceBlock(std::string_view bytes, bool cut = false);

} // namespace zul
