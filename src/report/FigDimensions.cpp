// Dimension marks of the report figures.
#include "report/FigDimensions.h"

#include <string>

namespace zul {

namespace {

// Extension lines run this far past the dimension line; the label keeps this gap from it.
constexpr double kOvershoot = 1.0;
constexpr double kDimensionLabelGap = 1.2; // clear of the arrow heads (0.8 mm either side of the line)

bool On(std::string_view flags, std::size_t i) {
    return i < flags.size() && flags[i] == '1';
}

bool LabelOnPositiveSide(std::string_view flags) {
    return flags.size() > 5 && flags[5] == 'U';
}

// The dimension of the distance from a1 to a2 along one axis (x when horizontal, else y) at base
// on the other axis.
void DrawDimension(FigureBuilder& fig, bool horizontal, double a1, double a2, double base, DimensionSide side,
                   std::string_view label, std::string_view flags) {
    // The figure point at a place along the measured axis and across it.
    const auto point = [&](double along, double across) {
        return horizontal ? fig.AddPoint(along, across) : fig.AddPoint(across, along);
    };
    const double sign = side == DimensionSide::Positive ? 1.0 : -1.0;
    const double line = base + sign * fig.Layout()[1];
    const double extensionEnd = line + sign * kOvershoot;
    if (On(flags, 0)) {
        fig.AddLine(point(a1, base), point(a1, extensionEnd), fig.LineKind());
    }
    if (On(flags, 1)) {
        fig.AddLine(point(a2, base), point(a2, extensionEnd), fig.LineKind());
    }
    const std::int32_t d1 = point(a1, line);
    const std::int32_t d2 = point(a2, line);
    if (On(flags, 2)) {
        fig.AddLine(d1, d2, fig.LineKind());
    }
    const std::int32_t mid = point((a1 + a2) / 2, line);
    if (On(flags, 3)) {
        fig.AddArrow(mid, d1, fig.LineKind());
    }
    if (On(flags, 4)) {
        fig.AddArrow(mid, d2, fig.LineKind());
    }
    if (!label.empty()) {
        const double s = fig.TextSize(fig.TextKind());
        const double w = fig.FigTextWidth(fig.TextKind(), label);
        // The label's extent along the dimension line and across it.
        const double extentAlong = horizontal ? w : s;
        const double extentAcross = horizontal ? s : w;
        const double across =
            LabelOnPositiveSide(flags) ? line + kDimensionLabelGap : line - kDimensionLabelGap - extentAcross;
        const double along = (a1 + a2) / 2 - extentAlong / 2;
        fig.AddText(std::string(label), horizontal ? along : across, horizontal ? across : along,
                    fig.TextKind(), 3);
    }
}

} // namespace

void DrawDimensionH(FigureBuilder& fig, double x1, double x2, double y, DimensionSide side,
                    std::string_view label, std::string_view flags) {
    DrawDimension(fig, true, x1, x2, y, side, label, flags);
}

void DrawDimensionV(FigureBuilder& fig, double y1, double y2, double x, DimensionSide side,
                    std::string_view label, std::string_view flags) {
    DrawDimension(fig, false, y1, y2, x, side, label, flags);
}

} // namespace zul
