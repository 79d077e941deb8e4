#pragma once

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <string>
#include <vector>

namespace zul {

// Collects the records of a placeable Windows metafile (WMF) in memory and puts the placeable
// header and the metafile header in front when finished.  Only plain, widely read records are
// written: objects (pens, brushes, fonts) with select and delete, polylines, polygons,
// rectangles, text, and the text and mapping modes.  Coordinates are logical units of
// 1/unitsPerInch inch, clamped to the 16-bit range of the format.
class WmfRecorder {
public:
    WmfRecorder(int width, int height, int unitsPerInch);

    // Object slots follow the rule of the format: a new object takes the lowest free slot.
    int createPen(int style, int width, const QColor& color);
    int createBrush(int style, const QColor& color);
    int createFont(int height, int weight, bool italic, int charSet, const std::string& faceName);
    void selectObject(int slot);
    void deleteObject(int slot);

    void setTextColor(const QColor& color);
    void setTextAlign(int mode);
    void setBkMode(int mode);
    void setPolyFillMode(int mode);

    void polyline(const std::vector<QPoint>& points);
    void polygon(const std::vector<QPoint>& points);
    void rectangle(const QRect& rect);
    // Text bytes in the code page of the selected font's charset.
    void textOut(const QPoint& origin, const std::string& bytes);

    // The complete file: placeable header, metafile header, the records and the end record.
    QByteArray finish() const;

private:
    void append(char* record);
    int takeSlot();

    int width_;
    int height_;
    int unitsPerInch_;
    QByteArray body_;
    std::uint32_t largestWords_ = 0;
    std::vector<bool> slots_;
};

} // namespace zul
