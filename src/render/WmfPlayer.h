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

// Bounds of one metafile played back.  A graph holds a few hundred records: curves of a few
// thousand points, grid lines, small markers and some hundred characters.  The cost of drawing
// is bounded in pictures, whatever size it is drawn at: filling a polygon whose edges cross the
// picture a thousand times took 15 s at screen size, one of 65,535 points minutes.
inline constexpr std::size_t kMaxMetafilePolygonPoints = 4096;
inline constexpr std::size_t kMaxMetafilePolylinePoints = 16000; // the writer's longest piece
inline constexpr std::size_t kMaxMetafileRecords = 100000;
inline constexpr std::size_t kMaxMetafilePoints = 400000; // of all polylines and polygons together
// Edges an average row of pixels crosses, of all filled polygons together (a graph: under 5).
inline constexpr double kMaxMetafileFillCrossings = 64;
// Outlines in picture widths plus heights (a graph: some 50).
inline constexpr double kMaxMetafileStrokes = 2000;
// Filled rectangles and ellipses in picture areas (a graph: under 5).
inline constexpr double kMaxMetafileAreas = 256;
inline constexpr std::size_t kMaxMetafileTextBytes = 65536; // a graph: under 1000

// Why a metafile goes beyond the bounds (Japanese), or no value when it stays within them.
// PlayMetafile draws nothing of a metafile beyond them.
std::optional<QString> MetafileBeyondBounds(const QByteArray& data);

// The picture's size in millimetres from the placeable header; no value for a plain metafile
// or data that is no metafile.
std::optional<QSizeF> MetafileSizeMm(const QByteArray& data);

// True when the data starts like a metafile (placeable header or metafile header).
bool IsMetafile(const QByteArray& data);

// True when the records of a metafile run whole to its end record (or past the record bound,
// which MetafileBeyondBounds tells): false for a metafile cut short, as a write that stopped
// leaves it, and for data that is no metafile.
bool MetafileEndsWhole(const QByteArray& data);

// Draws the picture scaled to fit target with its aspect ratio kept, centred, clipped to
// target.  Data that is not a metafile draws nothing and gives false.  Broken or truncated
// records end the playback; what was drawn before them stays.
bool PlayMetafile(QPainter& painter, const QByteArray& data, const QRectF& target);

} // namespace zul
