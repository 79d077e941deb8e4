#pragma once

#include "render/AxisScale.h"
#include "render/GraphData.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <optional>

class QPainter;

namespace zul {

// Size, in logical pixels at 96 dpi, at which the graph is drawn for the metafiles, the
// printout and the clipboard: 160 mm by 110 mm, the size the graph report gives the picture.
QSizeF GraphCanvasSize();

// Where the parts of a graph go inside a bounding rectangle, and how values map onto it.
struct GraphLayout {
    QRectF bounds;
    QRectF plot;   // the plotting area inside the axes
    QRectF legend; // empty when there is no series
    AxisScale x;   // capacity
    AxisScale y;   // pile length

    QPointF map(const QPointF& value) const;
};

GraphLayout LayoutGraph(const QRectF& bounds, const GraphData& data);

// Line and marker colour of the series at index (0-based); ten distinct colours, repeated.
QColor SeriesColor(int index);

// Draws the whole graph (header, grid, axes, titles, series with markers, legend) into bounds.
// The same routine serves the screen, the printer, the clipboard image, SVG and the metafile.
void DrawGraph(QPainter& painter, const QRectF& bounds, const GraphData& data);

struct GraphHit {
    int series = 0;
    int point = 0;
};

// The point nearest to position within radius (in the layout's coordinates), if any.
std::optional<GraphHit> HitTestGraph(const GraphLayout& layout, const GraphData& data,
                                     const QPointF& position, double radius);

} // namespace zul
