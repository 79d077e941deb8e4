#pragma once

// Readers of the figure data file and the figure index file (code page 932, CR LF), for the
// preview: a file of any other origin is read within bounds or refused with a reason.

#include "printfile/FigureModel.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zul {

// Bounds of one figure data file: the report draws figures of up to 600 points and some 1000
// other items; a file beyond these is refused with a note, not drawn for minutes.
inline constexpr std::size_t kMaxFigurePoints = 10000;
inline constexpr std::size_t kMaxFigureItems = 10000; // rectangles, lines ... texts and fill corners
// The work of drawing one figure data file, bounded like that of a metafile: edges of all fills
// an average row of the figure crosses (filling a polygon of a thousand crossing corners takes
// seconds), lines in figure widths plus heights, and characters of all texts.  A figure of the
// report stays far below: fills of a few corners, some 30 lines' worth, some 200 characters.
inline constexpr double kMaxFigureFillCrossings = 64;
inline constexpr double kMaxFigureStrokes = 2000;
inline constexpr std::size_t kMaxFigureTextCharacters = 20000;
// Figure data files of one index file (the report writes one to three).
inline constexpr std::size_t kMaxFigureIndexEntries = 16;

// On a malformed file or one beyond the bounds they return no value and, when error is given,
// say what is wrong (Japanese, UTF-8).  Texts and paths come out as UTF-8 (bytes that are not
// code page 932 are taken as Latin-1).
std::optional<FigureData> ReadFigureDataFile(std::string_view cp932, std::string* error = nullptr);
std::optional<FigureIndex> ReadFigureIndexFile(std::string_view cp932, std::string* error = nullptr);

} // namespace zul
