#include "render/WmfPaintDevice.h"

#include "render/MetafileText.h"
#include "render/PenStyles.h"
#include "render/WmfRecorder.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextItem>

#include <algorithm>
#include <cmath>
#include <optional>

namespace zul {

namespace {

// Values of the metafile format.
constexpr int kBrushSolid = 0;
constexpr int kBrushNull = 1;
constexpr int kShiftJisCharset = 128;
constexpr int kTextAlignBaselineLeft = 0x18;
constexpr int kTransparent = 1;
constexpr int kFillAlternate = 1;
constexpr int kFillWinding = 2;

} // namespace

class WmfPaintEngine final : public QPaintEngine {
    // The pen, brush and font as last selected into the metafile: a change is written once.
    struct PenKey {
        int style;
        int width;
        QRgb color;
        bool operator==(const PenKey&) const = default;
    };

    struct BrushKey {
        int style;
        QRgb color;
        bool operator==(const BrushKey&) const = default;
    };

    struct FontKey {
        int height;
        int weight;
        bool italic;
        QString family;
        bool operator==(const FontKey&) const = default;
    };

    // Text waiting to be written, so that the pieces a text layout hands over one script run at
    // a time go out as one text record.
    struct PendingText {
        QString text;
        QPointF start; // baseline start, metafile units
        QPointF end;   // baseline end
        FontKey font;
        QRgb color;
    };

public:
    explicit WmfPaintEngine(const QSize& size)
        : QPaintEngine(QPaintEngine::PaintEngineFeatures(QPaintEngine::AllFeatures) &
                       ~QPaintEngine::PerspectiveTransform),
          size_(size) {}

    QByteArray data() const { return data_; }

    bool begin(QPaintDevice*) override {
        recorder_.emplace(size_.width() * WmfPaintDevice::kUnitsPerPixel,
                          size_.height() * WmfPaintDevice::kUnitsPerPixel, WmfPaintDevice::kUnitsPerInch);
        recorder_->setBkMode(kTransparent);
        recorder_->setTextAlign(kTextAlignBaselineLeft);
        pen_.reset();
        brush_.reset();
        font_.reset();
        textColor_.reset();
        fillMode_ = 0;
        pending_.reset();
        transform_ = QTransform();
        return true;
    }

    bool end() override {
        if (!recorder_) {
            return false;
        }
        flushText();
        // Leave no object behind: a reader may keep them otherwise.
        for (int* slot : {&penSlot_, &brushSlot_, &fontSlot_}) {
            if (*slot >= 0) {
                recorder_->deleteObject(*slot);
                *slot = -1;
            }
        }
        data_ = recorder_->finish();
        recorder_.reset();
        return true;
    }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags flags = state.state();
        if (flags & DirtyPen) {
            qpen_ = state.pen();
        }
        if (flags & DirtyBrush) {
            qbrush_ = state.brush();
        }
        if (flags & DirtyFont) {
            qfont_ = state.font();
        }
        if (flags & DirtyTransform) {
            transform_ = state.transform();
        }
    }

    void drawLines(const QLineF* lines, int lineCount) override {
        flushText();
        selectPen();
        for (int i = 0; i < lineCount; ++i) {
            recorder_->polyline({toUnits(lines[i].p1()), toUnits(lines[i].p2())});
        }
    }

    void drawRects(const QRectF* rects, int rectCount) override {
        flushText();
        selectPen();
        selectBrush();
        for (int i = 0; i < rectCount; ++i) {
            if (transform_.type() <= QTransform::TxScale) {
                const QPoint a = toUnits(rects[i].topLeft());
                const QPoint b = toUnits(rects[i].bottomRight());
                recorder_->rectangle(QRect(a, b - QPoint(1, 1)).normalized());
            } else {
                const QPolygonF polygon(rects[i]);
                drawPolygon(polygon.constData(), static_cast<int>(polygon.size()), WindingMode);
            }
        }
    }

    void drawEllipse(const QRectF& rect) override {
        QPainterPath path;
        path.addEllipse(rect);
        drawPath(path);
    }

    void drawPath(const QPainterPath& path) override {
        for (const QPolygonF& polygon : path.toSubpathPolygons()) {
            const bool closed = polygon.size() > 2 && polygon.isClosed();
            drawPolygon(polygon.constData(), static_cast<int>(polygon.size()),
                        closed ? (path.fillRule() == Qt::WindingFill ? WindingMode : OddEvenMode)
                               : PolylineMode);
        }
    }

    void drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode) override {
        flushText();
        std::vector<QPoint> converted(static_cast<std::size_t>(std::max(pointCount, 0)));
        std::transform(points, points + converted.size(), converted.begin(),
                       [this](const QPointF& p) { return toUnits(p); });
        selectPen();
        if (mode == PolylineMode) {
            recorder_->polyline(converted);
            return;
        }
        selectBrush();
        const int fill = mode == WindingMode ? kFillWinding : kFillAlternate;
        if (fill != fillMode_) {
            recorder_->setPolyFillMode(fill);
            fillMode_ = fill;
        }
        recorder_->polygon(converted);
    }

    void drawPoints(const QPointF* points, int pointCount) override {
        flushText();
        selectPen();
        for (int i = 0; i < pointCount; ++i) {
            const QPoint p = toUnits(points[i]);
            recorder_->polyline({p, p + QPoint(1, 0)});
        }
    }

    void drawTextItem(const QPointF& p, const QTextItem& textItem) override {
        const QString text = textItem.text();
        if (text.isEmpty()) {
            return;
        }
        const QPointF start = toUnitsF(p);
        const QPointF end = toUnitsF(p + QPointF(textItem.width(), 0));
        const FontKey font = fontKey(textItem.font());
        const QRgb color = qpen_.color().rgb();
        if (pending_ && pending_->font == font && pending_->color == color &&
            std::fabs(pending_->end.y() - start.y()) < 1.0 &&
            std::fabs(pending_->end.x() - start.x()) < 2.0) {
            pending_->text += text;
            pending_->end = end;
            return;
        }
        flushText();
        pending_ = PendingText{text, start, end, font, color};
    }

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {
        // Pictures are not part of the graph; the metafile keeps to vector records.
    }

    Type type() const override { return static_cast<Type>(QPaintEngine::User + 17); }

private:
    double scale() const {
        return std::sqrt(std::fabs(transform_.determinant())) * WmfPaintDevice::kUnitsPerPixel;
    }

    static QPoint rounded(const QPointF& p) {
        return {static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))};
    }

    // A point of the painter in metafile units, exact and rounded to whole units.
    QPointF toUnitsF(const QPointF& p) const { return transform_.map(p) * WmfPaintDevice::kUnitsPerPixel; }
    QPoint toUnits(const QPointF& p) const { return rounded(toUnitsF(p)); }

    FontKey fontKey(const QFont& font) const {
        const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
        return {-static_cast<int>(std::lround(pixels * scale())), font.weight(), font.italic(),
                font.family()};
    }

    void selectPen() {
        PenKey key{kMetafilePenNull, 0, 0};
        if (qpen_.style() != Qt::NoPen) {
            const int style = MetafilePenStyle(qpen_.style());
            const double width = qpen_.isCosmetic() || qpen_.widthF() <= 0
                                     ? std::max(1.0, qpen_.widthF()) * WmfPaintDevice::kUnitsPerPixel
                                     : qpen_.widthF() * scale();
            key = {style, std::max(1, static_cast<int>(std::lround(width))), qpen_.color().rgb()};
        }
        select(key, pen_, penSlot_,
               [&] { return recorder_->createPen(key.style, key.width, QColor::fromRgb(key.color)); });
    }

    void selectBrush() {
        BrushKey key{kBrushNull, 0};
        if (qbrush_.style() != Qt::NoBrush) {
            key = {kBrushSolid, qbrush_.color().rgb()};
        }
        select(key, brush_, brushSlot_,
               [&] { return recorder_->createBrush(key.style, QColor::fromRgb(key.color)); });
    }

    void selectFont(const FontKey& key) {
        select(key, font_, fontSlot_, [&] {
            return recorder_->createFont(key.height, key.weight, key.italic, kShiftJisCharset,
                                         MetafileText(key.family));
        });
    }

    // Unless the object of key is in use, creates it and selects it in place of the one of its kind
    // in use, and deletes that one.
    template <typename Key, typename Create>
    void select(const Key& key, std::optional<Key>& current, int& currentSlot, Create create) {
        if (current == key) {
            return;
        }
        const int slot = create();
        recorder_->selectObject(slot);
        if (currentSlot >= 0) {
            recorder_->deleteObject(currentSlot);
        }
        currentSlot = slot;
        current = key;
    }

    void flushText() {
        if (!pending_ || !recorder_) {
            return;
        }
        const PendingText text = *pending_;
        pending_.reset();
        selectFont(text.font);
        if (textColor_ != text.color) {
            recorder_->setTextColor(QColor::fromRgb(text.color));
            textColor_ = text.color;
        }
        recorder_->textOut(rounded(text.start), MetafileText(text.text));
    }

    QSize size_;
    std::optional<WmfRecorder> recorder_;
    QByteArray data_;
    QPen qpen_;
    QBrush qbrush_;
    QFont qfont_;
    QTransform transform_;
    std::optional<PenKey> pen_;
    std::optional<BrushKey> brush_;
    std::optional<FontKey> font_;
    std::optional<QRgb> textColor_;
    std::optional<PendingText> pending_;
    int penSlot_ = -1;
    int brushSlot_ = -1;
    int fontSlot_ = -1;
    int fillMode_ = 0;
};

WmfPaintDevice::WmfPaintDevice(const QSize& size)
    : size_(size.expandedTo(QSize(1, 1)).boundedTo(QSize(2184, 2184))),
      engine_(std::make_unique<WmfPaintEngine>(size_)) {}

WmfPaintDevice::~WmfPaintDevice() = default;

QPaintEngine* WmfPaintDevice::paintEngine() const {
    return engine_.get();
}

QByteArray WmfPaintDevice::data() const {
    return engine_->data();
}

int WmfPaintDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmWidthMM:
        return static_cast<int>(std::lround(size_.width() * 25.4 / 96.0));
    case PdmHeightMM:
        return static_cast<int>(std::lround(size_.height() * 25.4 / 96.0));
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 24;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace zul
