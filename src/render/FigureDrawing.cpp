#include "render/FigureDrawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zul {

namespace {

constexpr double kArrowLength = 2.5; // mm
constexpr double kArrowHalfWidth = 0.8;
constexpr double kLargestMm = 1000.0; // coordinates, radii and sizes beyond a metre are not drawn

bool withinSheet(double mm) {
    return std::isfinite(mm) && std::fabs(mm) <= kLargestMm;
}

class FigurePainter {
public:
    FigurePainter(QPainter& painter, const FigureDefinitions& definitions, const QRectF& area, double pxPerMm)
        : painter_(painter), definitions_(definitions), area_(area), pxPerMm_(pxPerMm) {}

    void draw(const FigureData& figure, double offsetX, double offsetY) {
        figure_ = &figure;
        offsetX_ = offsetX;
        offsetY_ = offsetY;
        for (const FigRect& r : figure.Rects) {
            if (const auto a = point(r.A), b = point(r.B); a && b) {
                setPen(r.C > 0 ? r.C : 1);
                painter_.setBrush(Qt::NoBrush);
                painter_.drawRect(QRectF(*a, *b).normalized());
            }
        }
        for (const FigFill& f : figure.Fills) {
            QPolygonF polygon;
            for (const std::int32_t number : FillPointNumbers(f)) {
                if (const auto p = point(number)) {
                    polygon << *p;
                }
            }
            if (polygon.size() >= 3) {
                painter_.setPen(Qt::NoPen);
                painter_.setBrush(Qt::black);
                painter_.drawPolygon(polygon);
            }
        }
        for (const FigLine& l : figure.Lines) {
            if (const auto a = point(l.A), b = point(l.B); a && b) {
                setPen(l.Kind);
                painter_.drawLine(*a, *b);
            }
        }
        for (const FigCircle& c : figure.Circles) {
            if (const auto centre = point(c.Center); centre && c.Radius > 0 && withinSheet(c.Radius)) {
                setPen(c.Kind);
                painter_.setBrush(Qt::NoBrush);
                painter_.drawEllipse(*centre, c.Radius * pxPerMm_, c.Radius * pxPerMm_);
            }
        }
        for (const FigArc& a : figure.Arcs) {
            drawArc(a);
        }
        for (const FigArrow& a : figure.Arrows) {
            if (const auto from = point(a.A), to = point(a.B); from && to) {
                drawArrow(*from, *to, a.Kind);
            }
        }
        for (const FigText& t : figure.Texts) {
            drawText(t);
        }
    }

private:
    QPointF map(double x, double y) const {
        return {area_.left() + (x + offsetX_) * pxPerMm_, area_.bottom() - (y + offsetY_) * pxPerMm_};
    }

    std::optional<QPointF> point(std::int32_t number) const {
        const auto found = figure_->Points.find(number);
        if (found == figure_->Points.end() || !withinSheet(found->second.X) ||
            !withinSheet(found->second.Y)) {
            return std::nullopt;
        }
        return map(found->second.X, found->second.Y);
    }

    QColor setPen(int kind) {
        const LineDefinition definition = definitions_.line(kind);
        QPen pen(Qt::black);
        pen.setWidthF(std::clamp(definition.widthHundredths / 100.0, 0.05, 10.0) * pxPerMm_);
        pen.setStyle(LinePenStyle(definition.style));
        pen.setCapStyle(Qt::FlatCap);
        painter_.setPen(pen);
        return pen.color();
    }

    void drawArc(const FigArc& arc) {
        const auto& v = arc.Values;
        if (!(v[2] > 0) || !withinSheet(v[0]) || !withinSheet(v[1]) || !withinSheet(v[2]) ||
            !std::isfinite(v[3]) || !std::isfinite(v[4])) {
            return;
        }
        const QPointF centre = map(v[0], v[1]);
        const double r = v[2] * pxPerMm_;
        double span = std::fmod(v[4] - v[3], 360.0);
        if (span <= 0) {
            span += 360.0;
        }
        setPen(arc.Kind);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r),
                         static_cast<int>(std::lround(v[3] * 16)), static_cast<int>(std::lround(span * 16)));
    }

    void drawArrow(const QPointF& from, const QPointF& to, int kind) {
        const QColor colour = setPen(kind);
        painter_.drawLine(from, to);
        const QPointF d = to - from;
        const double length = std::hypot(d.x(), d.y());
        if (length <= 0) {
            return;
        }
        const QPointF unit = d / length;
        const QPointF normal(-unit.y(), unit.x());
        const QPointF base = to - unit * (kArrowLength * pxPerMm_);
        const QPolygonF head{to, base + normal * (kArrowHalfWidth * pxPerMm_),
                             base - normal * (kArrowHalfWidth * pxPerMm_)};
        painter_.save();
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(colour);
        painter_.drawPolygon(head);
        painter_.restore();
    }

    void drawText(const FigText& t) {
        if (t.Text.empty() || !withinSheet(t.X) || !withinSheet(t.Y)) {
            return;
        }
        const TextDefinition definition = definitions_.text(t.Kind);
        const double sizeMm = definition.sizeTwips / 1440.0 * 25.4;
        if (!(sizeMm > 0) || sizeMm > 100.0) {
            return;
        }
        const double size = sizeMm * pxPerMm_;
        QFont base;
        base.setFamilies({definition.family, QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")});
        base.setWeight(definition.weight >= 600 ? QFont::Bold : QFont::Normal);
        QFont font = FontOfPixelHeight(base, size, painter_);
        if (definition.spacingTwips != 0 && std::abs(definition.spacingTwips) <= 1440) {
            font.setLetterSpacing(QFont::AbsoluteSpacing, definition.spacingTwips / 1440.0 * 25.4 * pxPerMm_);
        }
        const QFontMetricsF metrics(font, painter_.device());
        const double cell = metrics.ascent() + metrics.descent();
        const double baseline = cell > 0 ? size * metrics.descent() / cell : 0;
        painter_.save();
        painter_.setFont(font);
        painter_.setPen(ColourOfBgr(definition.colour));
        painter_.translate(map(t.X, t.Y));
        if (t.Direction == 1) {
            painter_.rotate(-90);
        }
        painter_.drawText(QPointF(0, -baseline), QString::fromStdString(t.Text));
        painter_.restore();
    }

    QPainter& painter_;
    const FigureDefinitions& definitions_;
    QRectF area_;
    double pxPerMm_;
    const FigureData* figure_ = nullptr;
    double offsetX_ = 0;
    double offsetY_ = 0;
};

} // namespace

QFont FontOfPixelHeight(QFont font, double pixels, const QPainter& painter) {
    const double dpi = painter.device() ? painter.device()->logicalDpiY() : 96.0;
    font.setPointSizeF(std::max(0.1, pixels * 72.0 / dpi));
    return font;
}

void DrawFigure(QPainter& painter, const FigureAsset& figure, const FigureDefinitions& definitions,
                const QRectF& area, double pixelsPerMm) {
    painter.save();
    FigurePainter figurePainter(painter, definitions, area, pixelsPerMm);
    for (std::size_t i = 0; i < figure.parts.size() && i < figure.index.Entries.size(); ++i) {
        figurePainter.draw(figure.parts[i], figure.index.Entries[i].OffsetX, figure.index.Entries[i].OffsetY);
    }
    painter.restore();
}

} // namespace zul
