#include "ui/site/SiteEnvelopeChart.h"

#include "render/AxisScale.h"
#include "ui/site/SiteColours.h"
#include "util/NumberFormat.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <limits>

namespace zul {

namespace {

constexpr int kLeft = 78, kRight = 170, kTop = 34, kBottom = 52;

struct LoadLine {
    double value;
    QString label;
    Qt::PenStyle style;
};

} // namespace

SiteEnvelopeChart::SiteEnvelopeChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SiteEnvelopeChart"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void SiteEnvelopeChart::SetEnvelope(const site::SiteEnvelope& envelope, const site::SiteLoads& loads) {
    envelope_ = envelope;
    loads_ = loads;
    update();
}

void SiteEnvelopeChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(QRect(0, 4, width(), kTop - 8), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("包絡値（全ﾎﾞｰﾘﾝｸﾞの最小値）"));

    double lowL = std::numeric_limits<double>::max(), highL = std::numeric_limits<double>::lowest();
    double top = 0;
    for (const site::EnvelopeDiameter& d : envelope_.Diameters()) {
        for (const site::EnvelopeRow& row : d.rows) {
            lowL = std::min(lowL, row.length);
            highL = std::max(highL, row.length);
            top = std::max({top, row.least[0].value, row.least[2].value});
        }
    }
    std::vector<LoadLine> loads;
    if (loads_.pushIn) {
        loads.push_back({loads_.pushIn->normal, QStringLiteral("設計押込み力(常時)"), Qt::SolidLine});
    }
    if (loads_.pullOut) {
        loads.push_back({loads_.pullOut->normal, QStringLiteral("設計引抜き力(常時)"), Qt::DashLine});
    }
    const QRect plot(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
    if (lowL > highL || plot.width() < 40 || plot.height() < 40) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("包絡値はありません（支持力表を計算できたﾎﾞｰﾘﾝｸﾞがありません）。"));
        return;
    }
    for (const LoadLine& load : loads) {
        top = std::max(top, load.value);
    }
    const AxisScale xAxis = ComputeAxisScale(lowL, highL, false, 8);
    const AxisScale yAxis = ComputeAxisScale(0, top, true, 6);
    const auto px = [&](double l) {
        return plot.left() + (l - xAxis.min) / (xAxis.max - xAxis.min) * plot.width();
    };
    const auto py = [&](double v) {
        return plot.bottom() - (std::max(v, yAxis.min) - yAxis.min) / (yAxis.max - yAxis.min) * plot.height();
    };

    painter.setPen(QPen(QColor(220, 220, 220), 1));
    for (const double t : xAxis.ticks()) {
        painter.drawLine(QPointF(px(t), plot.top()), QPointF(px(t), plot.bottom()));
    }
    for (const double t : yAxis.ticks()) {
        painter.drawLine(QPointF(plot.left(), py(t)), QPointF(plot.right(), py(t)));
    }
    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(plot);
    for (const double t : xAxis.ticks()) {
        painter.drawText(QRectF(px(t) - 30, plot.bottom() + 4, 60, metrics.height()), Qt::AlignHCenter,
                         xAxis.label(t));
    }
    for (const double t : yAxis.ticks()) {
        painter.drawText(QRectF(0, py(t) - metrics.height() / 2.0, kLeft - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, yAxis.label(t));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 6 + metrics.height(), plot.width(), metrics.height()),
                     Qt::AlignHCenter, QStringLiteral("杭長 L (m)"));
    painter.save();
    painter.translate(14, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, -metrics.height() / 2, plot.height(), metrics.height() + 2),
                     Qt::AlignCenter, QStringLiteral("許容支持力 (kN/本)"));
    painter.restore();

    painter.save();
    painter.setClipRect(plot);
    for (const LoadLine& load : loads) {
        painter.setPen(QPen(QColor(90, 90, 90), 1, load.style));
        painter.drawLine(QPointF(plot.left(), py(load.value)), QPointF(plot.right(), py(load.value)));
    }
    std::size_t place = 0;
    for (const site::EnvelopeDiameter& d : envelope_.Diameters()) {
        for (const std::size_t capacity : {std::size_t{0}, std::size_t{2}}) {
            QPainterPath path;
            for (const site::EnvelopeRow& row : d.rows) {
                const QPointF at(px(row.length), py(row.least[capacity].value));
                path.elementCount() == 0 ? path.moveTo(at) : path.lineTo(at);
            }
            painter.setPen(QPen(DiameterColour(place), 2, capacity == 0 ? Qt::SolidLine : Qt::DashLine));
            painter.drawPath(path);
            painter.setBrush(DiameterColour(place));
            for (const site::EnvelopeRow& row : d.rows) {
                painter.drawEllipse(QPointF(px(row.length), py(row.least[capacity].value)), 2.5, 2.5);
            }
            painter.setBrush(Qt::NoBrush);
        }
        ++place;
    }
    painter.restore();

    // The legend right of the chart.
    int y = plot.top() + 4;
    const int x = plot.right() + 12;
    const auto legend = [&](const QPen& pen, const QString& text) {
        painter.setPen(pen);
        painter.drawLine(x, y + metrics.height() / 2, x + 26, y + metrics.height() / 2);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(x + 32, y + metrics.ascent(), text);
        y += metrics.height() + 4;
    };
    place = 0;
    for (const site::EnvelopeDiameter& d : envelope_.Diameters()) {
        const QString diameter =
            QStringLiteral("φ") + QString::fromStdString(FormatNumber(d.diameter, "0.000"));
        legend(QPen(DiameterColour(place), 2, Qt::SolidLine), diameter + QStringLiteral(" Ra常時"));
        legend(QPen(DiameterColour(place), 2, Qt::DashLine), diameter + QStringLiteral(" Pa常時"));
        ++place;
    }
    for (const LoadLine& load : loads) {
        legend(QPen(QColor(90, 90, 90), 1, load.style), load.label);
    }
}

} // namespace zul

#include "moc_SiteEnvelopeChart.cpp"
