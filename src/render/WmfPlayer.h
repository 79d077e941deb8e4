#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <cstddef>
#include <optional>

class QPainter;

namespace zul {

// Plays back a Windows metafile (placeable or plain) onto a painter, as the graph screen's
// metafile writer produces them: pens, brushes, fonts (code page 932 text for the Shift_JIS
// charset), lines, polylines, polygons, rectangles, ellipses and text, with the window origin
// and extent.  Other records are skipped.

// Bounds of one metafile played back.  A graph holds a few hundred records and curves of a few
// thousand points; a polygon is a marker or a filled band of a few dozen.  Filling a polygon of
// tens of thousands of crossing edges takes minutes, so larger ones are refused.
inline constexpr std::size_t kMaxMetafilePolygonPoints = 4096;
inline constexpr std::size_t kMaxMetafilePolylinePoints = 16000; // the writer's longest piece
inline constexpr std::size_t kMaxMetafileRecords = 100000;
inline constexpr std::size_t kMaxMetafilePoints = 400000; // of all polylines and polygons together

// Why a metafile goes beyond the bounds (Japanese), or no value when it stays within them.
// PlayMetafile itself stops at the bounds too.
std::optional<QString> MetafileBeyondBounds(const QByteArray& data);

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
