#pragma once

#include <string>

class QWidget;

namespace zul {

// Window positions are kept in the settings file in twips (1/1440 inch), as they always were:
// 15 twips per pixel at 96 dpi, scaled by the screen's logical dpi.
int PixelsToTwips(const QWidget* widget, int pixels);
int TwipsToPixels(const QWidget* widget, int twips);

// What a stored position that puts a part of the window off the available screen area gets.
enum class OffScreenPosition {
    MoveInside, // moved (and a stored size shrunk) until the whole window is on the screen
    KeepAsStored,
};

// Restores a window from keys "Top", "Left" (and "Width", "Height" when withSize) of section.
// The window is measured with its laid-out size (and its frame), even before its first show.
// A size is applied only when greater than 0; a top below 1 centres the window vertically
// ((available height - window height) div 2, not below 0), a left below 1 horizontally.
void RestoreWindowPlacement(QWidget* window, const std::string& iniFile, const std::string& section,
                            bool withSize, OffScreenPosition offScreen = OffScreenPosition::MoveInside);

// Writes the window's current "Top" and "Left" (and "Width", "Height") as decimal texts.
void SaveWindowPlacement(const QWidget* window, const std::string& iniFile, const std::string& section,
                         bool withSize);

} // namespace zul
