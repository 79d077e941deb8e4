// Placement of figure texts clear of the lines and of each other.
#include "report/FigureLayout.h"

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

// The head of an arrow as the preview program draws it.
constexpr double kArrowHeadLength = 2.5;
constexpr double kArrowHeadHalfWidth = 0.8;

const FigPoint& PointOf(const FigureBuilder& fig, std::int32_t number) {
    return fig.Points().at(number);
}

// Liang-Barsky clipping of the segment against the box: true when a piece of positive length
// (more than a hair) lies inside.
bool Clips(double x0, double y0, double x1, double y1, const FigBox& b) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - b.x0, b.x1 - x0, y0 - b.y0, b.y1 - y0};
    for (int i = 0; i < 4; ++i) {
        if (std::fabs(p[i]) < 1e-12) {
            if (q[i] <= 0) {
                return false;
            }
        } else {
            const double t = q[i] / p[i];
            if (p[i] < 0) {
                t0 = std::max(t0, t);
            } else {
                t1 = std::min(t1, t);
            }
        }
    }
    return t1 - t0 > 1e-9;
}

// The box around an arrow's head at point b, coming from a.
FigBox ArrowHeadBox(const FigPoint& a, const FigPoint& b) {
    const double length = std::hypot(b.X - a.X, b.Y - a.Y);
    if (length <= 0) {
        return {b.X, b.Y, b.X, b.Y};
    }
    const double ux = (b.X - a.X) / length;
    const double uy = (b.Y - a.Y) / length;
    const double bx = b.X - ux * kArrowHeadLength;
    const double by = b.Y - uy * kArrowHeadLength;
    const double nx = -uy * kArrowHeadHalfWidth;
    const double ny = ux * kArrowHeadHalfWidth;
    const double xs[3] = {b.X, bx + nx, bx - nx};
    const double ys[3] = {b.Y, by + ny, by - ny};
    return {*std::min_element(xs, xs + 3), *std::min_element(ys, ys + 3), *std::max_element(xs, xs + 3),
            *std::max_element(ys, ys + 3)};
}

} // namespace

bool FigBox::Overlaps(const FigBox& other) const {
    return x0 < other.x1 && other.x0 < x1 && y0 < other.y1 && other.y0 < y1;
}

FigBox BoxOfText(const FigureBuilder& fig, const FigText& text) {
    const double s = fig.TextSize(text.Kind);
    const double w = fig.FigTextWidth(text.Kind, text.Text);
    if (text.Direction == 1) {
        return {text.X - s, text.Y, text.X, text.Y + w};
    }
    return {text.X, text.Y, text.X + w, text.Y + s};
}

bool SegmentCrossesBox(const FigPoint& a, const FigPoint& b, const FigBox& box) {
    return Clips(a.X, a.Y, b.X, b.Y, box);
}

bool BoxIsClear(const FigureBuilder& fig, const FigBox& box, double margin) {
    const FigBox wide = box.Grown(margin);
    for (const FigLine& l : fig.Lines()) {
        if (SegmentCrossesBox(PointOf(fig, l.A), PointOf(fig, l.B), wide)) {
            return false;
        }
    }
    for (const FigArrow& a : fig.Arrows()) {
        const FigPoint& from = PointOf(fig, a.A);
        const FigPoint& to = PointOf(fig, a.B);
        if (SegmentCrossesBox(from, to, wide) || ArrowHeadBox(from, to).Overlaps(wide)) {
            return false;
        }
    }
    for (const FigCircle& c : fig.Circles()) {
        const FigPoint& m = PointOf(fig, c.Center);
        if (FigBox{m.X - c.Radius, m.Y - c.Radius, m.X + c.Radius, m.Y + c.Radius}.Overlaps(wide)) {
            return false;
        }
    }
    for (const FigText& t : fig.Texts()) {
        if (BoxOfText(fig, t).Overlaps(wide)) {
            return false;
        }
    }
    return true;
}

bool AddClearText(FigureBuilder& fig, const std::string& text,
                  const std::vector<std::pair<double, double>>& at, std::int32_t kind,
                  std::int32_t direction) {
    for (const auto& [x, y] : at) {
        const FigText candidate{text, x, y, kind, direction};
        if (BoxIsClear(fig, BoxOfText(fig, candidate))) {
            fig.AddText(text, x, y, kind, direction);
            return true;
        }
    }
    return false;
}

std::vector<std::pair<std::size_t, std::size_t>> TextsCrossedByDrawing(const FigureBuilder& fig) {
    std::vector<std::pair<std::size_t, std::size_t>> crossings;
    const auto& texts = fig.Texts();
    for (std::size_t t = 0; t < texts.size(); ++t) {
        // Lines have a width: a text closer than a fifth of a millimetre is touched.
        const FigBox box = BoxOfText(fig, texts[t]).Grown(0.2);
        for (std::size_t l = 0; l < fig.Lines().size(); ++l) {
            const FigLine& line = fig.Lines()[l];
            if (SegmentCrossesBox(PointOf(fig, line.A), PointOf(fig, line.B), box)) {
                crossings.emplace_back(t + 1, l + 1);
            }
        }
        for (std::size_t a = 0; a < fig.Arrows().size(); ++a) {
            const FigPoint& from = PointOf(fig, fig.Arrows()[a].A);
            const FigPoint& to = PointOf(fig, fig.Arrows()[a].B);
            if (SegmentCrossesBox(from, to, box) || ArrowHeadBox(from, to).Overlaps(box)) {
                crossings.emplace_back(t + 1, fig.Lines().size() + a + 1);
            }
        }
        for (std::size_t c = 0; c < fig.Circles().size(); ++c) {
            const FigCircle& circle = fig.Circles()[c];
            const FigPoint& m = PointOf(fig, circle.Center);
            if (FigBox{m.X - circle.Radius, m.Y - circle.Radius, m.X + circle.Radius, m.Y + circle.Radius}
                    .Overlaps(box)) {
                crossings.emplace_back(t + 1, fig.Lines().size() + fig.Arrows().size() + c + 1);
            }
        }
    }
    return crossings;
}

} // namespace zul
