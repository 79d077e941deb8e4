// Dimension marks of the report figures.
#include "report/FigDimensions.h"

#include <string>

namespace zul {

namespace {

// Extension lines run this far past the dimension line; the label keeps this gap from it.
constexpr double kOvershoot = 1.0;
constexpr double kLabelGap = 1.2; // clear of the arrow heads (0.8 mm either side of the line)

bool On(std::string_view flags, std::size_t i) {
    return i < flags.size() && flags[i] == '1';
}

bool LabelOnPositiveSide(std::string_view flags) {
    return flags.size() > 5 && flags[5] == 'U';
}

} // namespace

void DrawDimensionH(FigureBuilder& fig, double x1, double x2, double y, DimensionSide side,
                    std::string_view label, std::string_view flags) {
    const double sign = side == DimensionSide::Positive ? 1.0 : -1.0;
    const double yd = y + sign * fig.Layout[1];
    const double yx = yd + sign * kOvershoot;
    if (On(flags, 0)) {
        fig.AddLine(fig.AddPoint(x1, y), fig.AddPoint(x1, yx), fig.LineKind);
    }
    if (On(flags, 1)) {
        fig.AddLine(fig.AddPoint(x2, y), fig.AddPoint(x2, yx), fig.LineKind);
    }
    const std::int32_t d1 = fig.AddPoint(x1, yd);
    const std::int32_t d2 = fig.AddPoint(x2, yd);
    if (On(flags, 2)) {
        fig.AddLine(d1, d2, fig.LineKind);
    }
    const std::int32_t mid = fig.AddPoint((x1 + x2) / 2, yd);
    if (On(flags, 3)) {
        fig.AddArrow(mid, d1, fig.LineKind);
    }
    if (On(flags, 4)) {
        fig.AddArrow(mid, d2, fig.LineKind);
    }
    if (!label.empty()) {
        const double s = fig.TextSize(fig.TextKind);
        const double w = fig.FigTextWidth(fig.TextKind, label);
        const double ty = LabelOnPositiveSide(flags) ? yd + kLabelGap : yd - kLabelGap - s;
        fig.AddText(std::string(label), (x1 + x2) / 2 - w / 2, ty, fig.TextKind, 3);
    }
}

void DrawDimensionV(FigureBuilder& fig, double y1, double y2, double x, DimensionSide side,
                    std::string_view label, std::string_view flags) {
    const double sign = side == DimensionSide::Positive ? 1.0 : -1.0;
    const double xd = x + sign * fig.Layout[1];
    const double xx = xd + sign * kOvershoot;
    if (On(flags, 0)) {
        fig.AddLine(fig.AddPoint(x, y1), fig.AddPoint(xx, y1), fig.LineKind);
    }
    if (On(flags, 1)) {
        fig.AddLine(fig.AddPoint(x, y2), fig.AddPoint(xx, y2), fig.LineKind);
    }
    const std::int32_t d1 = fig.AddPoint(xd, y1);
    const std::int32_t d2 = fig.AddPoint(xd, y2);
    if (On(flags, 2)) {
        fig.AddLine(d1, d2, fig.LineKind);
    }
    const std::int32_t mid = fig.AddPoint(xd, (y1 + y2) / 2);
    if (On(flags, 3)) {
        fig.AddArrow(mid, d1, fig.LineKind);
    }
    if (On(flags, 4)) {
        fig.AddArrow(mid, d2, fig.LineKind);
    }
    if (!label.empty()) {
        const double s = fig.TextSize(fig.TextKind);
        const double w = fig.FigTextWidth(fig.TextKind, label);
        const double tx = LabelOnPositiveSide(flags) ? xd + kLabelGap : xd - kLabelGap - w;
        fig.AddText(std::string(label), tx, (y1 + y2) / 2 - s / 2, fig.TextKind, 3);
    }
}

} // namespace zul
