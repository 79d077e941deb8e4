#pragma once

// The bytes of the figure data file and the figure index file (code page 932, CR LF).

#include "printfile/FigureModel.h"

#include <string>

namespace zul {

// The figure data file: title, subtitle, the extent line and one block per kind of entity that
// the figure has (points always).
std::string FigureDataFileText(const FigureData& figure, const FigureExtent& extent);

// The extent as the figure data file states it: each value to two decimals.
FigureExtent ExtentAsWritten(const FigureExtent& extent);

// The entry of a figure data file centred in an area (mm), from its extent as written.
FigureIndexEntry CentredIndexEntry(std::string path, const FigureExtent& extent, double areaWidth,
                                   double areaHeight);

// The figure index file: title, area, path and offset of each figure data file, "END".
std::string FigureIndexFileText(const FigureIndex& index);

} // namespace zul
