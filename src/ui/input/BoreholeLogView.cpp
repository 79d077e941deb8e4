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

// Pile depths far beyond any borehole (values the screens refuse) are drawn at this bound.
constexpr double kFarthestDepth = 3000;

double Bounded(double depth) {
    return std::clamp(depth, -kFarthestDepth, kFarthestDepth);
}

QString JoinedNames(const ImportedLayer& layer) {
    QString name;
    for (const std::string& part : layer.names) {
        name += (name.isEmpty() ? QString() : QStringLiteral("・")) + QString::fromStdString(part);
    }
    return name;
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

QColor LogWaterColour() {
    return {0, 80, 220};
}

QColor LogPileColour() {
    return {90, 90, 90};
}

BoreholeLogView::BoreholeLogView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void BoreholeLogView::showLog(std::vector<ImportedLayer> layers, std::vector<ImportedPoint> points,
                              std::optional<double> waterDepth, std::optional<LogPile> pile) {
    layers_ = std::move(layers);
    points_ = std::move(points);
    waterDepth_ = waterDepth;
    if (pile) {
        pile = LogPile{Bounded(pile->headDepth), Bounded(pile->tipDepth)};
    }
    pile_ = pile;
    update();
}

BoreholeLogView::Frame BoreholeLogView::frame() const {
    const QFontMetrics metrics(font());
    Frame f;
    f.top = metrics.height() * 2 + 8;
    f.bottom = height() - metrics.height() * 2 - 10;
    f.scaleX = metrics.horizontalAdvance(QStringLiteral("-100.0")) + 10;
    const double colourLeft = f.scaleX + 6;
    f.colour = QRectF(colourLeft, f.top, 40, f.bottom - f.top);
    f.pile = QRectF(f.colour.right() + 2, f.top, metrics.horizontalAdvance(QStringLiteral("杭頭")) + 12,
                    f.bottom - f.top);
    const double namesLeft = f.pile.right() + 2;
    const double namesWidth = std::max(80.0, (width() - namesLeft) * 0.42);
    f.names = QRectF(namesLeft, f.top, namesWidth, f.bottom - f.top);
    f.chart = QRectF(f.names.right() + 16, f.top, std::max(40.0, width() - 12 - (f.names.right() + 16)),
                     f.bottom - f.top);

    double shallowest = 0;
    double deepest = layers_.empty() ? 0 : layers_.back().bottom;
    for (const ImportedPoint& p : points_) {
        deepest = std::max(deepest, p.depth);
    }
    if (pile_) {
        shallowest = std::min({shallowest, pile_->headDepth, pile_->tipDepth});
        deepest = std::max({deepest, pile_->headDepth, pile_->tipDepth});
    }
    f.shallowest = shallowest;
    f.deepest = std::max(deepest, shallowest + 1.0);
    return f;
}

double BoreholeLogView::yOfDepth(double depth) const {
    const Frame f = frame();
    return f.top + (f.bottom - f.top) * (depth - f.shallowest) / (f.deepest - f.shallowest);
}

QRectF BoreholeLogView::nameRect(std::size_t layer) const {
    if (layer >= layers_.size()) {
        return {};
    }
    const Frame f = frame();
    const double top = yOfDepth(layers_[layer].top);
    const double bottom = yOfDepth(layers_[layer].bottom);
    if (bottom - top < QFontMetrics(font()).height()) {
        return {};
    }
    return QRectF(f.names.left() + 4, top, f.names.width() - 8, bottom - top);
}

QRectF BoreholeLogView::pileColumn() const {
    return frame().pile;
}

void BoreholeLogView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const Frame f = frame();

    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 2, f.scaleX + 6, metrics.height()), Qt::AlignCenter, QStringLiteral("深度(m)"));
    painter.drawText(QRectF(f.colour.left(), 2, f.names.right() - f.colour.left(), metrics.height()),
                     Qt::AlignCenter, QStringLiteral("土質"));
    painter.drawText(QRectF(f.chart.left(), 2, f.chart.width(), metrics.height()), Qt::AlignCenter,
                     QStringLiteral("Ｎ値"));
    if (layers_.empty() || f.bottom - f.top < 40) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("取り込む地層がありません"));
        return;
    }
    drawScale(painter, f);
    drawLayers(painter, f);
    drawWater(painter, f);
    drawPile(painter, f);
    drawChart(painter, f);
    painter.setPen(Qt::black);
    painter.drawText(QRect(4, height() - metrics.height() - 4, width() - 8, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("▼ 孔内水位（W.L.）　") +
                         (pile_ ? QStringLiteral("▮ 杭（杭頭～先端）") : QString()));
}

void BoreholeLogView::drawScale(QPainter& painter, const Frame& f) const {
    const QFontMetrics metrics(font());
    const double range = f.deepest - f.shallowest;
    const double step = TickStep(range, std::max(2, (f.bottom - f.top) / (metrics.height() * 2)));
    painter.setPen(Qt::black);
    painter.drawLine(f.scaleX, f.top, f.scaleX, f.bottom);
    for (double d = std::ceil(f.shallowest / step - 1e-9) * step; d <= f.deepest + 1e-9; d += step) {
        const int y = static_cast<int>(std::lround(yOfDepth(d)));
        painter.drawLine(f.scaleX - 4, y, f.scaleX, y);
        painter.drawText(QRect(0, y - metrics.height() / 2, f.scaleX - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(std::abs(d) < 1e-9 ? 0.0 : d, 'g', 6));
    }
}

void BoreholeLogView::drawLayers(QPainter& painter, const Frame& f) const {
    const QFontMetrics metrics(font());
    for (std::size_t i = 0; i < layers_.size(); ++i) {
        const ImportedLayer& layer = layers_[i];
        const double top = yOfDepth(layer.top);
        const double bottom = yOfDepth(layer.bottom);
        const QRectF colour(f.colour.left(), top, f.colour.width(), bottom - top);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(SoilKindColour(layer.kind));
        painter.drawRect(colour);
        if (layer.unclassified && !layer.kindChosen) {
            painter.setBrush(QBrush(QColor(200, 60, 40), Qt::BDiagPattern));
            painter.drawRect(colour);
        }
        painter.setBrush(SoilKindColour(layer.kind).lighter(112));
        painter.drawRect(QRectF(f.names.left(), top, f.names.width(), bottom - top));
        if (const QRectF name = nameRect(i); !name.isEmpty()) {
            painter.drawText(
                name, Qt::AlignCenter,
                metrics.elidedText(JoinedNames(layer), Qt::ElideRight, static_cast<int>(name.width())));
        }
    }
}

// The water level: a line across the colour column with a marker above it; the names beside the
// column stay clear of it.
void BoreholeLogView::drawWater(QPainter& painter, const Frame& f) const {
    if (!waterDepth_ || *waterDepth_ < f.shallowest || *waterDepth_ > f.deepest) {
        return;
    }
    const double y = yOfDepth(*waterDepth_);
    painter.setPen(QPen(LogWaterColour(), 2));
    painter.drawLine(QPointF(f.colour.left() - 4, y), QPointF(f.colour.right(), y));
    QPainterPath marker;
    const double x = f.colour.center().x();
    marker.moveTo(x - 6, y - 10);
    marker.lineTo(x + 6, y - 10);
    marker.lineTo(x, y - 1);
    marker.closeSubpath();
    painter.fillPath(marker, LogWaterColour());
}

// The pile from head to tip in its column, named at both ends.
void BoreholeLogView::drawPile(QPainter& painter, const Frame& f) const {
    if (!pile_) {
        return;
    }
    const QFontMetrics metrics(font());
    const double head = yOfDepth(pile_->headDepth);
    const double tip = yOfDepth(pile_->tipDepth);
    const QRectF bar(f.pile.center().x() - 6, std::min(head, tip), 12, std::max(1.0, std::abs(tip - head)));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(LogPileColour());
    painter.drawRect(bar);
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(f.pile.left(), bar.top() - metrics.height() - 1, f.pile.width(), metrics.height()),
        Qt::AlignCenter, QStringLiteral("杭頭"));
    painter.drawText(QRectF(f.pile.left(), bar.bottom() + 1, f.pile.width(), metrics.height()),
                     Qt::AlignCenter, QStringLiteral("先端"));
}

void BoreholeLogView::drawChart(QPainter& painter, const Frame& f) const {
    const QFontMetrics metrics(font());
    double nMax = 50;
    for (const ImportedPoint& p : points_) {
        nMax = std::max(nMax, p.n);
    }
    nMax = nMax > 50 ? 100 : 50;
    const auto x = [&](double n) { return f.chart.left() + f.chart.width() * n / nMax; };
    painter.setPen(QPen(QColor(200, 200, 200), 1));
    for (int n = 0; n <= static_cast<int>(nMax); n += 10) {
        painter.drawLine(QPointF(x(n), f.top), QPointF(x(n), f.bottom));
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(f.chart);
    for (int n = 0; n <= static_cast<int>(nMax); n += nMax > 50 ? 20 : 10) {
        painter.drawText(QRectF(x(n) - 20, f.bottom + 2, 40, metrics.height()), Qt::AlignCenter,
                         QString::number(n));
    }
    if (points_.empty()) {
        return;
    }
    QPolygonF line;
    for (const ImportedPoint& p : points_) {
        line << QPointF(x(p.n), yOfDepth(p.depth));
    }
    painter.setPen(QPen(QColor(200, 30, 30), 2));
    painter.drawPolyline(line);
    painter.setBrush(QColor(200, 30, 30));
    for (const QPointF& point : line) {
        painter.drawEllipse(point, 3, 3);
    }
}

} // namespace zul

#include "moc_BoreholeLogView.cpp"
