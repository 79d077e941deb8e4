#pragma once

#include "render/GraphData.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace zul {

// Draws the graph at its canvas size (GraphCanvasSize), scaled to fit area with its aspect
// ratio kept and centred: the page of a printer or PDF file, or any other target.
void PaintGraphFitted(QPainter& painter, const QRectF& area, const GraphData& data);

// The graph as a picture of the canvas size times scale (the clipboard image).
QImage RenderGraphImage(const GraphData& data, double scale = 2.0);

// The graph as an SVG document of the canvas size (the clipboard's vector form).
QByteArray RenderGraphSvg(const GraphData& data);

// The graph as a placeable Windows metafile of the canvas size (160 mm by 110 mm).
QByteArray RenderGraphMetafile(const GraphData& data);

// Writes the metafile to path, replacing an existing file only when the new one is complete.
// On failure returns false and, when error is given, the reason.
bool SaveGraphMetafile(const QString& path, const GraphData& data, QString* error = nullptr);

} // namespace zul
