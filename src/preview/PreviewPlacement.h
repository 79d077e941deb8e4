#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zul {

// The smallest window the preview lays out in: a placement stored smaller (a window dragged
// narrow, a damaged Preview.ini) is enlarged to it, for the page view and its toolbar keep
// re-laying themselves out in a sliver of a window.
inline constexpr QSize kPreviewMinimumSize{480, 360};

// Where the preview's frame goes on the available screen area so that it stays whole on the
// area and leaves the print menu's frame (menu; not valid: none) uncovered.  A frame that would
// cover any of the menu goes beside it: on the right when the area has room for it there, else
// on the left when it has room there, else on the side with more room, narrowed to that room
// but not below minimumWidth (it then covers as little of the menu as the area allows).  The
// menu stays where it is.
QRect PreviewFrameOnArea(const QRect& frame, const QRect& menu, const QRect& area, int minimumWidth);

// The frame of a preview opening for the first time beside the menu: right of it, at its top,
// then kept on the area and off the menu as above.
QRect PreviewFrameBeside(const QSize& frame, const QRect& menu, const QRect& area, int minimumWidth);

} // namespace zul
