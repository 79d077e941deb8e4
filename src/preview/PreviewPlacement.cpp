#include "preview/PreviewPlacement.h"

#include <algorithm>

namespace zul {

namespace {

// The offset of an extent along one side of the area, moved inside it (to its start when the
// extent is larger).
int inside(int offset, int extent, int areaStart, int areaExtent) {
    return std::max(areaStart, std::min(offset, areaStart + areaExtent - extent));
}

} // namespace

QRect PreviewFrameOnArea(const QRect& frame, const QRect& menu, const QRect& area, int minimumWidth) {
    QRect placed(frame.topLeft(), frame.size().boundedTo(area.size()));
    placed.moveTo(inside(placed.x(), placed.width(), area.x(), area.width()),
                  inside(placed.y(), placed.height(), area.y(), area.height()));
    if (!menu.isValid() || !placed.intersects(menu)) {
        return placed;
    }
    const int roomRight = area.x() + area.width() - (menu.x() + menu.width());
    const int roomLeft = menu.x() - area.x();
    const bool right = roomRight >= placed.width() || (roomLeft < placed.width() && roomRight >= roomLeft);
    const int room = std::max(right ? roomRight : roomLeft, 0);
    placed.setWidth(std::min(placed.width(), std::max(room, minimumWidth)));
    const int x = right ? menu.x() + menu.width() : menu.x() - placed.width();
    placed.moveLeft(inside(x, placed.width(), area.x(), area.width()));
    return placed;
}

QRect PreviewFrameBeside(const QSize& frame, const QRect& menu, const QRect& area, int minimumWidth) {
    return PreviewFrameOnArea(QRect(QPoint(menu.x() + menu.width(), menu.y()), frame), menu, area,
                              minimumWidth);
}

} // namespace zul
