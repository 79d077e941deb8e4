#include "ui/WindowPlacement.h"

#include "io/CPrivateProfile.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

double twipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

QScreen* screenOf(const QWidget* widget) {
    return widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
}

// The screen area windows may use: without the desktop's panels and task bars.
QRect availableArea(const QWidget* widget) {
    const QScreen* screen = screenOf(widget);
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins marginsOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// The window frame around the client area.  Before the first show the window system does not
// know it yet; the frame of the owner window (or of the active one) stands in for it then.  No
// native window is made here: one made before its frame is known would take the position given
// to it as that of its client area.
QMargins frameMargins(const QWidget* window) {
    const QMargins own = marginsOf(window);
    if (!own.isNull()) {
        return own;
    }
    const QWidget* other =
        window->parentWidget() ? window->parentWidget()->window() : QApplication::activeWindow();
    return other && other != window && other->isVisible() ? marginsOf(other) : QMargins();
}

// Moves a window so that its frame's top-left corner lies at `corner`.  Qt does that itself for
// a window without a native window yet (the window manager is asked to put the frame there) and
// for one whose frame it knows; a native window made earlier whose frame is not known yet takes
// the position as that of its client area, so the stand-in frame is added.
void moveFrameTo(QWidget* window, const QPoint& corner, const QMargins& frame) {
    const bool frameUnknown = window->testAttribute(Qt::WA_WState_Created) && marginsOf(window).isNull();
    window->move(frameUnknown ? corner + QPoint(frame.left(), frame.top()) : corner);
}

// Gives a window that was never shown its laid-out size, as showing it would: a window of
// fixed size takes the size its layout fixes, one that was not resized its size hint.
void settleSize(QWidget* window) {
    window->ensurePolished();
    if (QLayout* layout = window->layout()) {
        layout->activate();
    }
    if (!window->testAttribute(Qt::WA_Resized)) {
        window->adjustSize();
        window->setAttribute(Qt::WA_Resized, false);
    }
}

// The offset of a window of the given extent along one side of the area: centred when nothing
// is stored, else the stored offset, moved inside the area when asked.
int placeAlong(int stored, int storedPixels, int area, int extent, OffScreenPosition offScreen) {
    const int room = std::max(0, area - extent);
    if (stored < 1) {
        return room / 2;
    }
    return offScreen == OffScreenPosition::MoveInside ? std::clamp(storedPixels, 0, room) : storedPixels;
}

} // namespace

int PixelsToTwips(const QWidget* widget, int pixels) {
    return static_cast<int>(std::lround(pixels * twipsPerPixel(widget)));
}

int TwipsToPixels(const QWidget* widget, int twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel(widget)));
}

void RestoreWindowPlacement(QWidget* window, const std::string& iniFile, const std::string& section,
                            bool withSize, OffScreenPosition offScreen) {
    settleSize(window);
    const int top = CPrivateProfile::GetValueLong(iniFile, section, "Top");
    const int left = CPrivateProfile::GetValueLong(iniFile, section, "Left");
    const QRect area = availableArea(window);
    const QMargins frame = frameMargins(window);
    if (withSize) {
        const int width = CPrivateProfile::GetValueLong(iniFile, section, "Width");
        const int height = CPrivateProfile::GetValueLong(iniFile, section, "Height");
        QSize size = window->size();
        if (width > 0) {
            size.setWidth(TwipsToPixels(window, width));
        }
        if (height > 0) {
            size.setHeight(TwipsToPixels(window, height));
        }
        if (offScreen == OffScreenPosition::MoveInside) {
            // A size kept on a larger monitor shrinks to this one, not below the window's minimum.
            size = size.boundedTo(area.size().shrunkBy(frame)).expandedTo(window->minimumSize());
        }
        window->resize(size);
    }
    const QSize extent = window->size().grownBy(frame);
    const int y = placeAlong(top, TwipsToPixels(window, top), area.height(), extent.height(), offScreen);
    const int x = placeAlong(left, TwipsToPixels(window, left), area.width(), extent.width(), offScreen);
    moveFrameTo(window, area.topLeft() + QPoint(x, y), frame);
}

void SaveWindowPlacement(const QWidget* window, const std::string& iniFile, const std::string& section,
                         bool withSize) {
    const QRect screen = availableArea(window);
    const QPoint pos = window->pos() - screen.topLeft();
    CPrivateProfile::SetValueString(iniFile, section, "Top", std::to_string(PixelsToTwips(window, pos.y())));
    CPrivateProfile::SetValueString(iniFile, section, "Left", std::to_string(PixelsToTwips(window, pos.x())));
    if (withSize) {
        CPrivateProfile::SetValueString(iniFile, section, "Width",
                                        std::to_string(PixelsToTwips(window, window->width())));
        CPrivateProfile::SetValueString(iniFile, section, "Height",
                                        std::to_string(PixelsToTwips(window, window->height())));
    }
}

} // namespace zul
