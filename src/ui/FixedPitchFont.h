#pragma once

#include <QFont>

namespace zul {

// A font in which every half-width character takes one column and every full-width character
// exactly two, so that texts indented by half-width spaces line up: the first installed
// Japanese family that measures so (IPAGothic where installed), else the system's fixed font.
// Fontconfig marks such Japanese fonts "dual" width, so QFontInfo::fixedPitch() is false for
// them; the choice is made by measuring.
QFont FixedPitchJapaneseFont(const QFont& base);

// True when the font lays out half-width and full-width characters on one column grid.
bool HasJapaneseColumns(const QFont& font);

} // namespace zul
