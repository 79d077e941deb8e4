#include "render/GraphPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zul {

namespace {

constexpr double kMargin = 10;
constexpr double kTickLength = 4;
constexpr double kMarkerRadius = 3.5;
constexpr double kCurveStep = 0.5;   // canvas units between two curve points at least
constexpr double kLegendSample = 28; // length of the line sample in the legend
constexpr double kLegendPadding = 6;

enum class FontRole { Header, Title, Tick, Legend };

QFont graphFont(FontRole role) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setStyleHint(QFont::SansSerif);
    static constexpr std::array<int, 4> pixels{15, 12, 11, 12}; // in the order of the roles
    font.setPixelSize(pixels[static_cast<std::size_t>(role)]);
    if (role == FontRole::Header) {
        font.setBold(true);
    }
    return font;
}

bool finitePoint(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

struct DataRange {
    double xMin = std::numeric_limits<double>::infinity();
    double xMax = -std::numeric_limits<double>::infinity();
    double yMin = std::numeric_limits<double>::infinity();
    double yMax = -std::numeric_limits<double>::infinity();
};

DataRange rangeOf(const GraphData& data) {
    DataRange range;
    for (const GraphSeries& series : data.series) {
        for (const QPointF& p : series.points) {
            if (!finitePoint(p)) {
                continue;
            }
            range.xMin = std::min(range.xMin, p.x());
            range.xMax = std::max(range.xMax, p.x());
            range.yMin = std::min(range.yMin, p.y());
            range.yMax = std::max(range.yMax, p.y());
        }
    }
    return range;
}

// The markers of the series in turn: circle, square, triangle, diamond, inverted triangle,
// cross, plus, pentagon, hexagon, star.  A filled outline has its corners on a circle of size
// marker radii (a star's inner corners on one of inner radii), the first at start degrees.
enum class Shape { Outline, Square, Cross, Plus };
struct Marker {
    Shape shape;
    double size = 1;
    int corners = 0;
    double start = 0;
    double inner = 0; // 0: as size
};
constexpr std::array<Marker, 10> kMarkers{{{Shape::Outline, 1, 16, 0},
                                           {Shape::Square},
                                           {Shape::Outline, 1.2, 3, 90},
                                           {Shape::Outline, 1.25, 4, 90},
                                           {Shape::Outline, 1.2, 3, 270},
                                           {Shape::Cross},
                                           {Shape::Plus},
                                           {Shape::Outline, 1.15, 5, 90},
                                           {Shape::Outline, 1.15, 6, 0},
                                           {Shape::Outline, 1.4, 10, 90, 0.6}}};

QPolygonF outline(const QPointF& c, const Marker& marker) {
    const double outer = kMarkerRadius * marker.size;
    const double inner = marker.inner > 0 ? kMarkerRadius * marker.inner : outer;
    QPolygonF polygon;
    for (int i = 0; i < marker.corners; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = (marker.start + 360.0 * i / marker.corners) * M_PI / 180.0;
        polygon << QPointF(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
    }
    return polygon;
}

void drawMarker(QPainter& painter, int index, const QPointF& c, const QColor& color) {
    const Marker& marker = kMarkers[static_cast<std::size_t>(index) % kMarkers.size()];
    const double r = kMarkerRadius;
    painter.setPen(QPen(color, marker.shape == Shape::Cross || marker.shape == Shape::Plus ? 2 : 1));
    painter.setBrush(color);
    switch (marker.shape) {
    case Shape::Outline:
        painter.drawPolygon(outline(c, marker));
        return;
    case Shape::Square:
        painter.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
        return;
    case Shape::Cross:
        painter.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
        painter.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
        return;
    case Shape::Plus:
        painter.drawLine(QPointF(c.x() - r * 1.2, c.y()), QPointF(c.x() + r * 1.2, c.y()));
        painter.drawLine(QPointF(c.x(), c.y() - r * 1.2), QPointF(c.x(), c.y() + r * 1.2));
        return;
    }
}

enum class Align { Left, Center, Right };

// Draws one line of text with its baseline at baselineY, anchored at x.
void drawTextLine(QPainter& painter, const QFont& font, const QString& text, double x, double baselineY,
                  Align align) {
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    double left = x;
    if (align == Align::Center) {
        left = x - width / 2;
    } else if (align == Align::Right) {
        left = x - width;
    }
    painter.setFont(font);
    painter.drawText(QPointF(left, baselineY), text);
}

double legendWidth(const GraphData& data) {
    if (data.series.empty()) {
        return 0;
    }
    const QFontMetricsF metrics(graphFont(FontRole::Legend));
    double widest = 0;
    for (const GraphSeries& series : data.series) {
        widest = std::max(widest, metrics.horizontalAdvance(series.label));
    }
    return kLegendPadding * 3 + kLegendSample + widest;
}

double legendRowHeight() {
    return QFontMetricsF(graphFont(FontRole::Legend)).height() + 4;
}

} // namespace

QSizeF GraphCanvasSize() {
    return {160.0 / 25.4 * 96.0, 110.0 / 25.4 * 96.0};
}

QPointF GraphLayout::map(const QPointF& value) const {
    const double fx = (value.x() - x.min) / (x.max - x.min);
    const double fy = (value.y() - y.min) / (y.max - y.min);
    return {plot.left() + fx * plot.width(), plot.bottom() - fy * plot.height()};
}

GraphLayout LayoutGraph(const QRectF& bounds, const GraphData& data) {
    GraphLayout layout;
    layout.bounds = bounds;
    const QFontMetricsF header(graphFont(FontRole::Header));
    const QFontMetricsF title(graphFont(FontRole::Title));
    const QFontMetricsF tick(graphFont(FontRole::Tick));

    const DataRange range = rangeOf(data);
    const bool any = range.xMin <= range.xMax;
    const double top = bounds.top() + kMargin + header.height() + 6 + title.height() + 4;
    const double bottom = bounds.bottom() - kMargin - title.height() - tick.height() - kTickLength - 4;
    const double plotHeight = std::max(1.0, bottom - top);
    const int yTicks = std::clamp(static_cast<int>(plotHeight / 45), 2, 10);
    layout.y =
        any ? ComputeAxisScale(range.yMin, range.yMax, false, yTicks) : ComputeAxisScale(0, 1, false, yTicks);

    double labelWidth = 0;
    for (const double value : layout.y.ticks()) {
        labelWidth = std::max(labelWidth, tick.horizontalAdvance(layout.y.label(value)));
    }
    const double lw = legendWidth(data);
    const double left = bounds.left() + kMargin +
                        std::max(labelWidth + kTickLength + 4, title.horizontalAdvance(data.yTitle) / 2);
    const double right = bounds.right() - kMargin - (lw > 0 ? lw + 10 : 0);
    layout.plot = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), top + plotHeight));

    const int xTicks = std::clamp(static_cast<int>(layout.plot.width() / 80), 2, 10);
    layout.x =
        any ? ComputeAxisScale(range.xMin, range.xMax, true, xTicks) : ComputeAxisScale(0, 1, true, xTicks);

    if (lw > 0) {
        const double height =
            legendRowHeight() * static_cast<double>(data.series.size()) + kLegendPadding * 2;
        layout.legend = QRectF(layout.plot.right() + 10, layout.plot.top(), lw, height);
    }
    return layout;
}

QColor SeriesColor(int index) {
    static constexpr std::array<QRgb, 10> colours{0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd,
                                                  0x8c564b, 0xe377c2, 0x17becf, 0xbcbd22, 0x7f7f7f};
    return QColor::fromRgb(colours[static_cast<std::size_t>(std::abs(index)) % colours.size()]);
}

void DrawGraph(QPainter& painter, const QRectF& bounds, const GraphData& data) {
    const GraphLayout layout = LayoutGraph(bounds, data);
    const QRectF& plot = layout.plot;
    painter.save();

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(bounds);

    // Grid and ticks
    const QFont tickFont = graphFont(FontRole::Tick);
    const QFontMetricsF tickMetrics(tickFont);
    const QPen gridPen(QColor(0xd0, 0xd0, 0xd0), 1);
    const QPen axisPen(Qt::black, 1);
    painter.setBrush(Qt::NoBrush);
    for (const double value : layout.x.ticks()) {
        const double px = layout.map({value, layout.y.min}).x();
        painter.setPen(gridPen);
        painter.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
        painter.setPen(axisPen);
        painter.drawLine(QPointF(px, plot.bottom()), QPointF(px, plot.bottom() + kTickLength));
        drawTextLine(painter, tickFont, layout.x.label(value), px,
                     plot.bottom() + kTickLength + 2 + tickMetrics.ascent(), Align::Center);
    }
    for (const double value : layout.y.ticks()) {
        const double py = layout.map({layout.x.min, value}).y();
        painter.setPen(gridPen);
        painter.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
        painter.setPen(axisPen);
        painter.drawLine(QPointF(plot.left() - kTickLength, py), QPointF(plot.left(), py));
        drawTextLine(painter, tickFont, layout.y.label(value), plot.left() - kTickLength - 3,
                     py + (tickMetrics.ascent() - tickMetrics.descent()) / 2, Align::Right);
    }
    painter.setPen(axisPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    // Header and axis titles
    const QFont headerFont = graphFont(FontRole::Header);
    const QFont titleFont = graphFont(FontRole::Title);
    const QFontMetricsF headerMetrics(headerFont);
    const QFontMetricsF titleMetrics(titleFont);
    painter.setPen(Qt::black);
    drawTextLine(painter, headerFont, data.header, bounds.center().x(),
                 bounds.top() + kMargin + headerMetrics.ascent(), Align::Center);
    drawTextLine(painter, titleFont, data.xTitle, plot.center().x(),
                 bounds.bottom() - kMargin - titleMetrics.descent(), Align::Center);
    drawTextLine(painter, titleFont, data.yTitle, plot.left(), plot.top() - 4 - titleMetrics.descent(),
                 Align::Center);

    // Series: the curve first, the markers on top
    for (std::size_t s = 0; s < data.series.size(); ++s) {
        const int index = static_cast<int>(s);
        const QColor color = SeriesColor(index);
        // Points closer than half a unit of the canvas to the last one kept draw nothing new
        // (a study of thousands of lengths); the last point is always kept.
        QPolygonF curve;
        const auto& points = data.series[s].points;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (!finitePoint(points[i])) {
                continue;
            }
            const QPointF p = layout.map(points[i]);
            const bool last = i + 1 == points.size();
            if (curve.isEmpty() || last || QLineF(curve.constLast(), p).length() >= kCurveStep) {
                curve << p;
            }
        }
        if (curve.size() > 1) {
            painter.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(curve);
        }
        // A marker that would lie almost on the last one drawn adds nothing to read but costs
        // time and file size (a study of thousands of lengths); the last point keeps its marker.
        QPointF lastMarker;
        for (qsizetype i = 0; i < curve.size(); ++i) {
            const QPointF& p = curve[i];
            const bool last = i + 1 == curve.size();
            if (i == 0 || last || QLineF(lastMarker, p).length() >= kMarkerRadius) {
                drawMarker(painter, index, p, color);
                lastMarker = p;
            }
        }
    }

    // Legend
    if (!layout.legend.isEmpty()) {
        painter.setPen(axisPen);
        painter.setBrush(Qt::white);
        painter.drawRect(layout.legend);
        const QFont legendFont = graphFont(FontRole::Legend);
        const QFontMetricsF legendMetrics(legendFont);
        const double row = legendRowHeight();
        for (std::size_t s = 0; s < data.series.size(); ++s) {
            const int index = static_cast<int>(s);
            const QColor color = SeriesColor(index);
            const double cy = layout.legend.top() + kLegendPadding + row * (static_cast<double>(s) + 0.5);
            const double x0 = layout.legend.left() + kLegendPadding;
            painter.setPen(QPen(color, 2));
            painter.drawLine(QPointF(x0, cy), QPointF(x0 + kLegendSample, cy));
            drawMarker(painter, index, QPointF(x0 + kLegendSample / 2, cy), color);
            painter.setPen(Qt::black);
            drawTextLine(painter, legendFont, data.series[s].label, x0 + kLegendSample + kLegendPadding,
                         cy + (legendMetrics.ascent() - legendMetrics.descent()) / 2, Align::Left);
        }
    }
    painter.restore();
}

std::optional<GraphHit> HitTestGraph(const GraphLayout& layout, const GraphData& data,
                                     const QPointF& position, double radius) {
    std::optional<GraphHit> best;
    double bestDistance = radius * radius;
    for (std::size_t s = 0; s < data.series.size(); ++s) {
        const auto& points = data.series[s].points;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (!finitePoint(points[i])) {
                continue;
            }
            const QPointF d = layout.map(points[i]) - position;
            const double distance = d.x() * d.x() + d.y() * d.y();
            if (distance <= bestDistance) {
                bestDistance = distance;
                best = GraphHit{static_cast<int>(s), static_cast<int>(i)};
            }
        }
    }
    return best;
}

} // namespace zul
