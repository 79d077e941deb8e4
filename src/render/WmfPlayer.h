#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSizeF>

#include <optional>

class QPainter;

namespace zul {

// Plays back a Windows metafile (placeable or plain) onto a painter, as the graph screen's
// metafile writer produces them: pens, brushes, fonts (code page 932 text for the Shift_JIS
// charset), lines, polylines, polygons, rectangles, ellipses and text, with the window origin
// and extent.  Other records are skipped.

// The picture's size in millimetres from the placeable header; no value for a plain metafile
// or data that is no metafile.
std::optional<QSizeF> MetafileSizeMm(const QByteArray& data);

// True when the data starts like a metafile (placeable header or metafile header).
bool IsMetafile(const QByteArray& data);

// Draws the picture scaled to fit target with its aspect ratio kept, centred, clipped to
// target.  Data that is not a metafile draws nothing and gives false.  Broken or truncated
// records end the playback; what was drawn before them stays.
bool PlayMetafile(QPainter& painter, const QByteArray& data, const QRectF& target);

} // namespace zul
