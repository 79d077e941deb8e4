#include "ui/WindowPlacement.h"

#include "io/CPrivateProfile.h"

#include <QGuiApplication>
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

QRect availableArea(const QWidget* widget) {
    const QScreen* screen = widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

} // namespace

int PixelsToTwips(const QWidget* widget, int pixels) {
    return static_cast<int>(std::lround(pixels * twipsPerPixel(widget)));
}

int TwipsToPixels(const QWidget* widget, int twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel(widget)));
}

void RestoreWindowPlacement(QWidget* window, const std::string& iniFile, const std::string& section,
                            bool withSize) {
    const int top = CPrivateProfile::GetValueLong(iniFile, section, "Top");
    const int left = CPrivateProfile::GetValueLong(iniFile, section, "Left");
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
        window->resize(size);
    }
    const QRect screen = availableArea(window);
    const QSize frame = window->frameGeometry().size().expandedTo(window->size());
    int y = TwipsToPixels(window, top);
    int x = TwipsToPixels(window, left);
    if (top < 1) {
        y = std::max(0, (screen.height() - frame.height()) / 2);
    }
    if (left < 1) {
        x = std::max(0, (screen.width() - frame.width()) / 2);
    }
    window->move(screen.x() + x, screen.y() + y);
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
