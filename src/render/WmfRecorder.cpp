#include "render/WmfRecorder.h"

#include <uwmf.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace zul {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

std::int16_t clamp16(int value) {
    return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

U_POINT16 point16(const QPoint& p) {
    return point16_set(clamp16(p.x()), clamp16(p.y()));
}

// count points from start in the 16-bit form of the records.
std::vector<U_POINT16> points16(const std::vector<QPoint>& points, std::size_t start, std::size_t count) {
    std::vector<U_POINT16> converted(count);
    const auto first = points.begin() + static_cast<std::ptrdiff_t>(start);
    std::transform(first, first + static_cast<std::ptrdiff_t>(count), converted.begin(), point16);
    return converted;
}

U_COLORREF colorRef(const QColor& c) {
    return colorref3_set(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                         static_cast<std::uint8_t>(c.blue()));
}

constexpr int kMaxPolyPoints = 16000; // well inside one record's 16-bit point count

} // namespace

WmfRecorder::WmfRecorder(int width, int height, int unitsPerInch)
    : width_(std::clamp(width, 1, 32767)), height_(std::clamp(height, 1, 32767)),
      unitsPerInch_(std::clamp(unitsPerInch, 1, 65535)) {
    // Logical coordinates with the origin top left, y downwards, over the bounding box.
    append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
    append(U_WMRSETWINDOWORG_set(point16_set(0, 0)));
    append(U_WMRSETWINDOWEXT_set(point16_set(clamp16(width_), clamp16(height_))));
}

void WmfRecorder::append(char* record) {
    const std::unique_ptr<char, FreeDeleter> owned(record);
    if (!record) {
        return;
    }
    const std::uint32_t bytes = U_wmr_size(reinterpret_cast<const U_METARECORD*>(record));
    body_.append(record, static_cast<qsizetype>(bytes));
    largestWords_ = std::max(largestWords_, bytes / 2);
}

int WmfRecorder::takeSlot() {
    const auto free = std::find(slots_.begin(), slots_.end(), false);
    if (free != slots_.end()) {
        *free = true;
        return static_cast<int>(free - slots_.begin());
    }
    slots_.push_back(true);
    return static_cast<int>(slots_.size() - 1);
}

int WmfRecorder::createPen(int style, int width, const QColor& color) {
    append(U_WMRCREATEPENINDIRECT_set(U_PEN_set(static_cast<std::uint16_t>(style),
                                                static_cast<std::uint16_t>(std::clamp(width, 0, 32767)),
                                                colorRef(color))));
    return takeSlot();
}

int WmfRecorder::createBrush(int style, const QColor& color) {
    append(
        U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(static_cast<std::uint16_t>(style), colorRef(color), 0)));
    return takeSlot();
}

int WmfRecorder::createFont(int height, int weight, bool italic, int charSet, const std::string& faceName) {
    // The face name field holds at most 32 bytes including the terminating zero.
    std::string face = faceName.substr(0, 31);
    const std::unique_ptr<U_FONT, FreeDeleter> font(
        U_FONT_set(clamp16(height), 0, 0, 0, clamp16(weight), italic ? 1 : 0, 0, 0,
                   static_cast<std::uint8_t>(charSet), U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
                   U_DEFAULT_QUALITY, U_DEFAULT_PITCH | U_FF_DONTCARE, face.data()));
    append(U_WMRCREATEFONTINDIRECT_set(font.get()));
    return takeSlot();
}

void WmfRecorder::selectObject(int slot) {
    append(U_WMRSELECTOBJECT_set(static_cast<std::uint16_t>(slot)));
}

void WmfRecorder::deleteObject(int slot) {
    append(U_WMRDELETEOBJECT_set(static_cast<std::uint16_t>(slot)));
    if (slot >= 0 && static_cast<std::size_t>(slot) < slots_.size()) {
        slots_[static_cast<std::size_t>(slot)] = false;
    }
}

void WmfRecorder::setTextColor(const QColor& color) {
    append(U_WMRSETTEXTCOLOR_set(colorRef(color)));
}

void WmfRecorder::setTextAlign(int mode) {
    append(U_WMRSETTEXTALIGN_set(static_cast<std::uint16_t>(mode)));
}

void WmfRecorder::setBkMode(int mode) {
    append(U_WMRSETBKMODE_set(static_cast<std::uint16_t>(mode)));
}

void WmfRecorder::setPolyFillMode(int mode) {
    append(U_WMRSETPOLYFILLMODE_set(static_cast<std::uint16_t>(mode)));
}

void WmfRecorder::polyline(const std::vector<QPoint>& points) {
    // Long lines go out in pieces that share their joining point.
    for (std::size_t start = 0; start + 1 < points.size(); start += kMaxPolyPoints - 1) {
        const std::size_t count = std::min<std::size_t>(kMaxPolyPoints, points.size() - start);
        append(U_WMRPOLYLINE_set(static_cast<std::uint16_t>(count), points16(points, start, count).data()));
    }
}

void WmfRecorder::polygon(const std::vector<QPoint>& points) {
    if (points.size() < 2) {
        return;
    }
    const std::size_t count = std::min<std::size_t>(points.size(), kMaxPolyPoints);
    append(U_WMRPOLYGON_set(static_cast<std::uint16_t>(count), points16(points, 0, count).data()));
}

void WmfRecorder::rectangle(const QRect& rect) {
    // The rectangle record includes its right and bottom edge.
    append(U_WMRRECTANGLE_set(
        U_RECT16_set(point16(rect.topLeft()), point16(rect.bottomRight() + QPoint(1, 1)))));
}

void WmfRecorder::textOut(const QPoint& origin, const std::string& bytes) {
    if (bytes.empty()) {
        return;
    }
    // The record counts the length in 16 bits and is built from a zero-terminated text.
    std::string text = bytes.substr(0, 32000);
    text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
    if (text.empty()) {
        return;
    }
    append(U_WMRTEXTOUT_set(point16(origin), text.data()));
}

QByteArray WmfRecorder::finish() const {
    // Placeable header (key, bounding box 0, 0, width, height, units per inch, checksum) and the
    // metafile header, both from libUEMF; the header's sizes are filled in here.
    U_PAIRF inches{static_cast<float>(width_) / static_cast<float>(unitsPerInch_),
                   static_cast<float>(height_) / static_cast<float>(unitsPerInch_)};
    const std::unique_ptr<char, FreeDeleter> headers(
        U_WMRHEADER_set(&inches, static_cast<unsigned>(unitsPerInch_)));
    const std::unique_ptr<char, FreeDeleter> eof(U_WMREOF_set());
    if (!headers || !eof) {
        return {};
    }
    constexpr int placeableBytes = 22;
    constexpr int headerBytes = 18;
    U_WMRPLACEABLE placeable;
    std::memcpy(&placeable, headers.get(), placeableBytes);
    // The box is rounded from inches in single precision: should it miss a unit, it is set
    // again with its checksum.
    if (placeable.Dst.right != width_ || placeable.Dst.bottom != height_) {
        placeable.Dst.right = static_cast<std::int16_t>(width_);
        placeable.Dst.bottom = static_cast<std::int16_t>(height_);
        placeable.Checksum =
            static_cast<std::uint16_t>(U_16_checksum(reinterpret_cast<std::int16_t*>(&placeable), 10));
    }
    U_WMRHEADER header;
    std::memcpy(&header, headers.get() + placeableBytes, headerBytes);
    const std::uint32_t eofBytes = U_wmr_size(reinterpret_cast<const U_METARECORD*>(eof.get()));
    const std::uint32_t totalWords =
        header.Size16w + static_cast<std::uint32_t>(body_.size() / 2) + eofBytes / 2;
    header.Sizew[0] = static_cast<std::uint16_t>(totalWords & 0xFFFF);
    header.Sizew[1] = static_cast<std::uint16_t>(totalWords >> 16);
    header.nObjects = static_cast<std::uint16_t>(std::max<std::size_t>(slots_.size(), 1));
    header.maxSize = std::max<std::uint32_t>(largestWords_, 3);

    QByteArray out;
    out.append(reinterpret_cast<const char*>(&placeable), placeableBytes);
    out.append(reinterpret_cast<const char*>(&header), headerBytes);
    out.append(body_);
    out.append(eof.get(), static_cast<qsizetype>(eofBytes));
    return out;
}

} // namespace zul
