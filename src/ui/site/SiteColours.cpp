#include "ui/site/SiteColours.h"

#include <algorithm>
#include <array>

namespace zul {

QColor DiameterColour(std::size_t place) {
    static const std::array<QColor, 6> colours = {QColor(0, 90, 200),  QColor(210, 60, 30),
                                                  QColor(0, 140, 60),  QColor(150, 60, 170),
                                                  QColor(200, 130, 0), QColor(0, 150, 160)};
    return colours[place % colours.size()];
}

QColor LengthColour(double t) {
    const double clamped = std::clamp(t, 0.0, 1.0);
    return QColor::fromHsvF(static_cast<float>((1.0 - clamped) * 0.66), 0.85f, 0.9f);
}

} // namespace zul
