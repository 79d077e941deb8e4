#pragma once

#include "render/PrintDocument.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace zul {

// Draws a figure of a figure record into its area.  area is the figure area on the painter
// (its width and height are the index file's area width and height); pixelsPerMm the scale.
// Figure coordinates are millimetres with the origin at the bottom left of the area and Y
// upwards, as on an engineering drawing; each figure data file is moved by its offset of the
// index file first.  A text's anchor (X, Y) is the bottom left of its character box
// (horizontal texts, direction 3); a vertical text (direction 1) is turned a quarter anticlockwise
// about its anchor and reads upwards.  Arcs: centre X, centre Y, radius, start and end angle
// in degrees anticlockwise from +X.  Rectangles take their line kind from value C.
void DrawFigure(QPainter& painter, const FigureAsset& figure, const FigureDefinitions& definitions,
                const QRectF& area, double pixelsPerMm);

// A font of the given character height in pixels of the painter's device.
QFont FontOfPixelHeight(QFont font, double pixels, const QPainter& painter);

} // namespace zul
