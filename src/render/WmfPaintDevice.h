#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>

#include <memory>

namespace zul {

class WmfPaintEngine;

// A paint device whose painting becomes a placeable Windows metafile.  It is as large as
// size in logical pixels at 96 dpi; the records use 1/1440 inch (15 units per pixel), so the
// picture keeps its physical size.  Pens, brushes, fonts (charset 128, text in code page 932),
// polylines, polygons, rectangles and text are recorded; pictures and clipping are not.
class WmfPaintDevice : public QPaintDevice {
public:
    explicit WmfPaintDevice(const QSize& size);
    ~WmfPaintDevice() override;
    WmfPaintDevice(const WmfPaintDevice&) = delete;
    WmfPaintDevice& operator=(const WmfPaintDevice&) = delete;

    QPaintEngine* paintEngine() const override;

    // The metafile of the last finished painting; empty before the first one.
    QByteArray data() const;

    static constexpr int kUnitsPerInch = 1440;
    static constexpr int kUnitsPerPixel = 15;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    std::unique_ptr<WmfPaintEngine> engine_;
};

} // namespace zul
