#include "ui/results/GraphChartView.h"

#include "render/GraphPainter.h"
#include "util/NumberText.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace zul {

namespace {

constexpr double kHitRadius = 6.0;

QString numberText(double value) {
    return QString::fromStdString(GeneralNumberText(value));
}

} // namespace

GraphChartView::GraphChartView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
}

void GraphChartView::setGraph(GraphData data) {
    data_ = std::move(data);
    hovered_.clear();
    update();
}

QString GraphChartView::pointTextAt(const QPoint& position) const {
    const GraphLayout layout = LayoutGraph(QRectF(rect()), data_);
    const auto hit = HitTestGraph(layout, data_, QPointF(position), kHitRadius);
    if (!hit) {
        return {};
    }
    const GraphSeries& series = data_.series[static_cast<std::size_t>(hit->series)];
    const QPointF& point = series.points[static_cast<std::size_t>(hit->point)];
    return series.label + QLatin1Char('\n') + data_.yTitle + QStringLiteral(" : ") + numberText(point.y()) +
           QLatin1Char('\n') + data_.xTitle + QStringLiteral(" : ") + numberText(point.x());
}

void GraphChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawGraph(painter, QRectF(rect()), data_);
}

void GraphChartView::mouseMoveEvent(QMouseEvent* event) {
    const QString text = pointTextAt(event->position().toPoint());
    if (text != hovered_) {
        hovered_ = text;
        emit pointHovered(text);
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(event->globalPosition().toPoint(), text, this);
        }
    }
    QWidget::mouseMoveEvent(event);
}

void GraphChartView::leaveEvent(QEvent* event) {
    if (!hovered_.isEmpty()) {
        hovered_.clear();
        emit pointHovered(QString());
    }
    QWidget::leaveEvent(event);
}

bool GraphChartView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = pointTextAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

} // namespace zul

#include "moc_GraphChartView.cpp"
