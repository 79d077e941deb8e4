#pragma once

#include <QIcon>
#include <QString>

namespace zul {

// A toolbar picture: the desktop theme's icon of that name when the theme has one, else the
// command's character (glyph) drawn on a button face, so that no toolbar button is left
// without a picture.
QIcon CommandIcon(const QString& themeName, const QString& glyph);

} // namespace zul
