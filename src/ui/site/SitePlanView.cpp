#include "ui/site/SitePlanView.h"

#include "ui/site/SiteColours.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

constexpr double kEarthRadius = 6378137.0; // m
constexpr double kDegree = 3.14159265358979323846 / 180;
constexpr int kMargin = 24, kLegendWidth = 170;
// Below this many points every name is written beside its point.
constexpr std::size_t kNamedPoints = 60;
// How near a click must be to a point to choose its borehole (pixels).
constexpr double kPickRadius = 9;

// A scale bar of 1, 2 or 5 times a power of ten metres, not longer than most metres.
double BarMetres(double most) {
    double bar = 1;
    while (bar * 10 <= most) {
        bar *= 10;
    }
    for (const double m : {5.0, 2.0}) {
        if (bar * m <= most) {
            return bar * m;
        }
    }
    return bar;
}

} // namespace

std::vector<std::optional<PlanPosition>> PlanPositions(const std::vector<site::BoreholeResult>& boreholes) {
    std::vector<std::optional<PlanPosition>> positions;
    const site::BoreholeResult* origin = nullptr;
    for (const site::BoreholeResult& b : boreholes) {
        if (!b.latitude || !b.longitude) {
            positions.emplace_back();
            continue;
        }
        if (!origin) {
            origin = &b;
        }
        positions.push_back(PlanPosition{(*b.longitude - *origin->longitude) * kDegree * kEarthRadius *
                                             std::cos(*origin->latitude * kDegree),
                                         (*b.latitude - *origin->latitude) * kDegree * kEarthRadius});
    }
    return positions;
}

SitePlanView::SitePlanView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SitePlanView"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void SitePlanView::SetBoreholes(const std::vector<site::BoreholeResult>& boreholes,
                                std::size_t diameterPlace) {
    points_.clear();
    unplaced_ = 0;
    range_.reset();
    const std::vector<std::optional<PlanPosition>> positions = PlanPositions(boreholes);
    for (std::size_t i = 0; i < boreholes.size(); ++i) {
        const site::BoreholeResult& b = boreholes[i];
        if (!positions[i]) {
            ++unplaced_;
            continue;
        }
        Point point{*positions[i], QString::fromStdString(b.name), std::nullopt,
                    b.status == site::BoreholeStatus::Ok, i};
        if (point.calculated && diameterPlace < b.required.size() && b.required[diameterPlace].row) {
            const double length = b.required[diameterPlace].row->L;
            point.length = length;
            range_ = range_ ? std::pair{std::min(range_->first, length), std::max(range_->second, length)}
                            : std::pair{length, length};
        }
        points_.push_back(std::move(point));
    }
    update();
}

SitePlanView::Layout SitePlanView::MakeLayout(const QFontMetrics& metrics) const {
    Layout layout;
    if (points_.empty()) {
        return layout;
    }
    double minE = points_[0].at.east, maxE = minE, minN = points_[0].at.north, maxN = minN;
    for (const Point& p : points_) {
        minE = std::min(minE, p.at.east), maxE = std::max(maxE, p.at.east);
        minN = std::min(minN, p.at.north), maxN = std::max(maxN, p.at.north);
    }
    // At least 20 m across, so that a single borehole or a tight group still has a scale.
    const double spanE = std::max(maxE - minE, 20.0), spanN = std::max(maxN - minN, 20.0);
    const int footer = unplaced_ > 0 ? metrics.height() + 6 : 0;
    if (points_.size() <= kNamedPoints) {
        for (const Point& p : points_) {
            layout.labelRoom =
                std::max(layout.labelRoom, metrics.horizontalAdvance(p.name + QStringLiteral(" 000.0")) + 10);
        }
    }
    layout.area =
        QRectF(kMargin, kMargin + metrics.height(), width() - 2 * kMargin - kLegendWidth - layout.labelRoom,
               height() - 2 * kMargin - footer - metrics.height() * 3);
    // One scale for both directions: the plan is to scale.
    layout.pixelsPerMetre = std::min(layout.area.width() / spanE, layout.area.height() / spanN);
    layout.midE = (minE + maxE) / 2;
    layout.midN = (minN + maxN) / 2;
    layout.valid = layout.area.width() >= 40 && layout.area.height() >= 40;
    return layout;
}

QPointF SitePlanView::Where(const Layout& layout, const PlanPosition& p) {
    const QPointF centre = layout.area.center();
    return {centre.x() + (p.east - layout.midE) * layout.pixelsPerMetre,
            centre.y() - (p.north - layout.midN) * layout.pixelsPerMetre};
}

std::optional<QPointF> SitePlanView::PointPosition(std::size_t row) const {
    const Layout layout = MakeLayout(fontMetrics());
    for (const Point& p : points_) {
        if (p.row == row && layout.valid) {
            return Where(layout, p.at);
        }
    }
    return std::nullopt;
}

void SitePlanView::mousePressEvent(QMouseEvent* event) {
    const Layout layout = MakeLayout(fontMetrics());
    const Point* nearest = nullptr;
    double best = kPickRadius * kPickRadius;
    for (const Point& p : points_) {
        const QPointF d = Where(layout, p.at) - event->position();
        if (layout.valid && QPointF::dotProduct(d, d) <= best) {
            best = QPointF::dotProduct(d, d);
            nearest = &p;
        }
    }
    if (nearest) {
        emit boreholeClicked(static_cast<int>(nearest->row));
    }
    QWidget::mousePressEvent(event);
}

void SitePlanView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = painter.fontMetrics();
    const QColor text = palette().color(QPalette::Text);
    if (points_.empty()) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         unplaced_ > 0 ? QStringLiteral("座標のあるﾎﾞｰﾘﾝｸﾞがありません。")
                                       : QStringLiteral("ﾎﾞｰﾘﾝｸﾞがありません。"));
        return;
    }
    const Layout layout = MakeLayout(metrics);
    if (!layout.valid) {
        return;
    }
    const QRectF& area = layout.area;
    const double pixelsPerMetre = layout.pixelsPerMetre;
    const int labelRoom = layout.labelRoom;
    const bool named = points_.size() <= kNamedPoints;
    const auto at = [&](const PlanPosition& p) { return Where(layout, p); };

    painter.setPen(QPen(QColor(200, 200, 200), 1));
    painter.drawRect(area.adjusted(-kMargin / 2.0, -kMargin / 2.0 - metrics.height(),
                                   kMargin / 2.0 + labelRoom, kMargin / 2.0));
    for (const Point& p : points_) {
        const QPointF c = at(p.at);
        if (!p.calculated) {
            painter.setPen(QPen(QColor(120, 120, 120), 2));
            painter.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
            painter.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
        } else if (!p.length) {
            painter.setPen(QPen(QColor(110, 110, 110), 2));
            painter.setBrush(Qt::white);
            painter.drawEllipse(c, 5, 5);
        } else {
            const double t = range_->second > range_->first
                                 ? (*p.length - range_->first) / (range_->second - range_->first)
                                 : 0.0;
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(LengthColour(t));
            painter.drawEllipse(c, 6, 6);
        }
        painter.setBrush(Qt::NoBrush);
        if (named) {
            painter.setPen(text);
            const QString label =
                p.name + (p.length
                              ? QStringLiteral(" ") + QString::fromStdString(FormatNumber(*p.length, "##0.0"))
                              : QString());
            painter.drawText(c + QPointF(8, -4), label);
        }
    }

    // North arrow and scale bar under the plan.
    const double barMetres = BarMetres(area.width() / 3 / pixelsPerMetre);
    const double barPixels = barMetres * pixelsPerMetre;
    const double baseY = area.bottom() + kMargin / 2.0 + metrics.height() + 4;
    painter.setPen(QPen(text, 2));
    painter.drawLine(QPointF(area.left(), baseY), QPointF(area.left() + barPixels, baseY));
    painter.drawLine(QPointF(area.left(), baseY - 4), QPointF(area.left(), baseY + 4));
    painter.drawLine(QPointF(area.left() + barPixels, baseY - 4),
                     QPointF(area.left() + barPixels, baseY + 4));
    painter.setPen(text);
    painter.drawText(QPointF(area.left() + barPixels + 8, baseY + metrics.ascent() / 2.0),
                     QString::fromStdString(GeneralNumberText(barMetres)) + QStringLiteral(" m"));
    if (unplaced_ > 0) {
        painter.drawText(QPointF(kMargin, height() - kMargin / 2.0),
                         QStringLiteral("座標のないﾎﾞｰﾘﾝｸﾞ %1 本は示していません。").arg(unplaced_));
    }

    // Legend: the colours of the lengths, the ring and the cross.
    const double lx = width() - kLegendWidth + 4;
    double ly = kMargin;
    painter.drawText(QPointF(lx, ly + metrics.ascent()), QStringLiteral("必要杭長 (m)"));
    ly += metrics.height() + 6;
    if (range_) {
        const QRectF bar(lx, ly, 18, 120);
        QLinearGradient gradient(bar.bottomLeft(), bar.topLeft());
        for (int i = 0; i <= 10; ++i) {
            gradient.setColorAt(i / 10.0, LengthColour(i / 10.0));
        }
        painter.fillRect(bar, gradient);
        painter.drawRect(bar);
        painter.drawText(QPointF(bar.right() + 6, bar.bottom()),
                         QString::fromStdString(FormatNumber(range_->first, "##0.0")));
        painter.drawText(QPointF(bar.right() + 6, bar.top() + metrics.ascent()),
                         QString::fromStdString(FormatNumber(range_->second, "##0.0")));
        ly = bar.bottom() + 12;
    }
    painter.setPen(QPen(QColor(110, 110, 110), 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(lx + 9, ly + metrics.height() / 2.0), 5, 5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(text);
    painter.drawText(QPointF(lx + 24, ly + metrics.ascent()), QStringLiteral("該当なし"));
    ly += metrics.height() + 6;
    painter.setPen(QPen(QColor(120, 120, 120), 2));
    const QPointF cross(lx + 9, ly + metrics.height() / 2.0);
    painter.drawLine(cross + QPointF(-5, -5), cross + QPointF(5, 5));
    painter.drawLine(cross + QPointF(-5, 5), cross + QPointF(5, -5));
    painter.setPen(text);
    painter.drawText(QPointF(lx + 24, ly + metrics.ascent()), QStringLiteral("取込不可･失敗"));

    // The north arrow under the legend.
    const QPointF north(lx + 9, ly + 2 * metrics.height() + 12);
    painter.setBrush(text);
    painter.drawPolygon(
        QPolygonF({north, north + QPointF(-7, 20), north + QPointF(0, 14), north + QPointF(7, 20)}));
    painter.setBrush(Qt::NoBrush);
    painter.drawText(QPointF(lx + 24, north.y() + 14), QStringLiteral("北"));
}

} // namespace zul

#include "moc_SitePlanView.cpp"
