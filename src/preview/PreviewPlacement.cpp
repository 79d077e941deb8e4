#include "preview/PreviewPlacement.h"

#include <algorithm>

namespace zul {

QPoint PlaceBeside(const QRect& anchor, const QSize& frame, const QRect& area) {
    const int roomRight = area.x() + area.width() - (anchor.x() + anchor.width());
    const int roomLeft = anchor.x() - area.x();
    int x = 0;
    if (roomRight >= frame.width()) {
        x = anchor.x() + anchor.width();
    } else if (roomLeft >= frame.width()) {
        x = anchor.x() - frame.width();
    } else if (roomRight >= roomLeft) {
        x = area.x() + area.width() - frame.width();
    } else {
        x = area.x();
    }
    // A window wider than the area starts at its left edge.
    x = std::max(area.x(), std::min(x, area.x() + area.width() - frame.width()));
    const int y = std::max(area.y(), std::min(anchor.y(), area.y() + area.height() - frame.height()));
    return {x, y};
}

} // namespace zul
