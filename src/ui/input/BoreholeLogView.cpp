#include "ui/input/BoreholeLogView.h"

#include "document/SoilKind.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

// A tick step of 1, 2 or 5 times a power of ten that gives about `count` ticks over the range.
double TickStep(double range, int count) {
    const double raw = range / std::max(count, 1);
    const double power = std::pow(10.0, std::floor(std::log10(std::max(raw, 1e-9))));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw) {
            return factor * power;
        }
    }
    return 10 * power;
}

} // namespace

QColor SoilKindColour(std::int32_t kind) {
    switch (kind) {
    case static_cast<std::int32_t>(SoilKind::Gravel):
        return {214, 182, 140};
    case static_cast<std::int32_t>(SoilKind::Cohesive):
        return {170, 190, 215};
    default:
        return {246, 226, 160};
    }
}

BoreholeLogView::BoreholeLogView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void BoreholeLogView::showPlan(const BoreholeImportPlan& plan, std::optional<double> waterDepth) {
    layers_ = plan.layers;
    points_ = plan.points;
    waterDepth_ = waterDepth;
    update();
}

void BoreholeLogView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const int top = metrics.height() * 2 + 8;
    const int bottom = height() - metrics.height() - 6;
    const int scaleX = metrics.horizontalAdvance(QStringLiteral("100.0")) + 10;
    const int logLeft = scaleX + 6;
    const int logWidth = std::max(90, (width() - logLeft) * 45 / 100);
    const int chartLeft = logLeft + logWidth + 16;
    const int chartRight = width() - 12;

    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 2, scaleX + 6, metrics.height()), Qt::AlignCenter, QStringLiteral("深度(m)"));
    painter.drawText(QRect(logLeft, 2, logWidth, metrics.height()), Qt::AlignCenter, QStringLiteral("土質"));
    painter.drawText(QRect(chartLeft, 2, chartRight - chartLeft, metrics.height()), Qt::AlignCenter,
                     QStringLiteral("Ｎ値"));
    if (layers_.empty() || bottom - top < 40) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("取り込む地層がありません"));
        return;
    }

    double deepest = layers_.back().bottom;
    for (const ImportedPoint& p : points_) {
        deepest = std::max(deepest, p.depth);
    }
    deepest = std::max(deepest, 1.0);
    const auto y = [&](double depth) { return top + (bottom - top) * depth / deepest; };

    // Depth scale.
    const double step = TickStep(deepest, std::max(2, (bottom - top) / (metrics.height() * 2)));
    painter.setPen(Qt::black);
    painter.drawLine(scaleX, top, scaleX, bottom);
    for (double d = 0; d <= deepest + 1e-9; d += step) {
        const int yy = static_cast<int>(std::lround(y(d)));
        painter.drawLine(scaleX - 4, yy, scaleX, yy);
        painter.drawText(QRect(0, yy - metrics.height() / 2, scaleX - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(d, 'g', 6));
    }

    // Layers by kind, with their names.
    for (const ImportedLayer& layer : layers_) {
        const QRectF box(logLeft, y(layer.top), logWidth, y(layer.bottom) - y(layer.top));
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(SoilKindColour(layer.kind));
        painter.drawRect(box);
        if (layer.unclassified && !layer.kindChosen) {
            painter.setBrush(QBrush(QColor(200, 60, 40), Qt::BDiagPattern));
            painter.drawRect(box);
        }
        if (box.height() >= metrics.height()) {
            QString name;
            for (const std::string& part : layer.names) {
                name += (name.isEmpty() ? QString() : QStringLiteral("・")) + QString::fromStdString(part);
            }
            painter.setPen(Qt::black);
            painter.drawText(box.adjusted(4, 0, -4, 0), Qt::AlignCenter,
                             metrics.elidedText(name, Qt::ElideRight, static_cast<int>(box.width()) - 8));
        }
    }

    // Water level.
    if (waterDepth_ && *waterDepth_ >= 0 && *waterDepth_ <= deepest) {
        const double wy = y(*waterDepth_);
        painter.setPen(QPen(QColor(0, 80, 220), 2));
        painter.drawLine(QPointF(logLeft - 4, wy), QPointF(logLeft + logWidth + 4, wy));
        QPainterPath triangle;
        const double tx = logLeft + logWidth - 14;
        triangle.moveTo(tx - 6, wy - 10);
        triangle.lineTo(tx + 6, wy - 10);
        triangle.lineTo(tx, wy);
        triangle.closeSubpath();
        painter.fillPath(triangle, QColor(0, 80, 220));
        painter.drawText(QRectF(logLeft + 2, wy - metrics.height() - 1, logWidth, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("W.L."));
    }

    // N values.
    double nMax = 50;
    for (const ImportedPoint& p : points_) {
        nMax = std::max(nMax, p.n);
    }
    nMax = nMax > 50 ? 100 : 50;
    const auto x = [&](double n) { return chartLeft + (chartRight - chartLeft) * n / nMax; };
    painter.setPen(QPen(QColor(200, 200, 200), 1));
    for (int n = 0; n <= static_cast<int>(nMax); n += 10) {
        painter.drawLine(QPointF(x(n), top), QPointF(x(n), bottom));
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(chartLeft, top, chartRight - chartLeft, bottom - top));
    for (int n = 0; n <= static_cast<int>(nMax); n += nMax > 50 ? 20 : 10) {
        painter.drawText(QRectF(x(n) - 20, bottom + 2, 40, metrics.height()), Qt::AlignCenter,
                         QString::number(n));
    }
    if (!points_.empty()) {
        QPolygonF line;
        for (const ImportedPoint& p : points_) {
            line << QPointF(x(p.n), y(p.depth));
        }
        painter.setPen(QPen(QColor(200, 30, 30), 2));
        painter.drawPolyline(line);
        painter.setBrush(QColor(200, 30, 30));
        for (const QPointF& point : line) {
            painter.drawEllipse(point, 3, 3);
        }
    }
}

} // namespace zul
