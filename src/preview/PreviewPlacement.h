#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zul {

// The smallest window the preview lays out in: a placement stored smaller (a window dragged
// narrow, a damaged Preview.ini) is enlarged to it, for the page view and its toolbar keep
// re-laying themselves out in a sliver of a window.
inline constexpr QSize kPreviewMinimumSize{480, 360};

// Where a window whose frame has the given size opens beside another window's frame (anchor)
// on the available screen area: to the right of it when the area has room there, else to the
// left, else on the side with more room, pushed back inside the area (overlapping the anchor
// as little as the area allows).  Its top is the anchor's top, kept inside the area.  The
// result is the top-left corner of the frame.
QPoint PlaceBeside(const QRect& anchor, const QSize& frame, const QRect& area);

} // namespace zul
