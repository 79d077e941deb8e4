#include "render/GraphExport.h"

#include "render/GraphPainter.h"
#include "render/WmfPaintDevice.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

QSize canvasPixels() {
    const QSizeF size = GraphCanvasSize();
    return {static_cast<int>(std::lround(size.width())), static_cast<int>(std::lround(size.height()))};
}

} // namespace

void PaintGraphFitted(QPainter& painter, const QRectF& area, const GraphData& data) {
    const QSizeF canvas = GraphCanvasSize();
    if (area.width() <= 0 || area.height() <= 0) {
        return;
    }
    const double scale = std::min(area.width() / canvas.width(), area.height() / canvas.height());
    const QSizeF drawn = canvas * scale;
    painter.save();
    painter.translate(area.left() + (area.width() - drawn.width()) / 2,
                      area.top() + (area.height() - drawn.height()) / 2);
    painter.scale(scale, scale);
    DrawGraph(painter, QRectF(QPointF(0, 0), canvas), data);
    painter.restore();
}

QImage RenderGraphImage(const GraphData& data, double scale) {
    scale = std::clamp(scale, 0.1, 10.0);
    const QSize size = canvasPixels() * scale;
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintGraphFitted(painter, QRectF(QPointF(0, 0), QSizeF(image.size())), data);
    painter.end();
    return image;
}

QByteArray RenderGraphSvg(const GraphData& data) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = canvasPixels();
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);
    generator.setTitle(data.xTitle);
    QPainter painter(&generator);
    DrawGraph(painter, QRectF(QPointF(0, 0), QSizeF(size)), data);
    painter.end();
    return bytes;
}

QByteArray RenderGraphMetafile(const GraphData& data) {
    const QSize size = canvasPixels();
    WmfPaintDevice device(size);
    QPainter painter(&device);
    DrawGraph(painter, QRectF(QPointF(0, 0), QSizeF(size)), data);
    painter.end();
    return device.data();
}

bool SaveGraphMetafile(const QString& path, const GraphData& data, QString* error) {
    const QByteArray bytes = RenderGraphMetafile(data);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

} // namespace zul
