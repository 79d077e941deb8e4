#include "render/WmfPlayer.h"

#include "render/PenStyles.h"
#include "util/Cp932.h"

#include <uwmf.h>

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zul {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableBytes = 22;
constexpr int kHeaderBytes = 18;
constexpr std::size_t kMaxObjects = 4096;

// Record functions read here.
enum Function : std::uint16_t {
    kEof = 0x0000,
    kSetPolyFillMode = 0x0106,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDeleteObject = 0x01F0,
    kCreatePen = 0x02FA,
    kCreateFont = 0x02FB,
    kCreateBrush = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kTextOut = 0x0521,
    kExtTextOut = 0x0A32,
};

struct Reader {
    const unsigned char* data;
    std::size_t size;

    bool has(std::size_t offset, std::size_t bytes) const { return offset <= size && bytes <= size - offset; }
    std::uint16_t u16(std::size_t offset) const {
        return static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
    }
    std::int16_t i16(std::size_t offset) const { return static_cast<std::int16_t>(u16(offset)); }
    std::uint32_t u32(std::size_t offset) const {
        return static_cast<std::uint32_t>(u16(offset)) | (static_cast<std::uint32_t>(u16(offset + 2)) << 16);
    }
};

Reader readerOf(const QByteArray& data) {
    return {reinterpret_cast<const unsigned char*>(data.constData()), static_cast<std::size_t>(data.size())};
}

QColor colorOf(const U_COLORREF& c) {
    return QColor(c.Red, c.Green, c.Blue);
}

// A structure of libUEMF read from the unaligned bytes of a record.
template <typename T> T copied(const char* bytes) {
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

struct PenObject {
    int style = 0;
    double width = 0; // logical units
    QColor color;
};
struct BrushObject {
    int style = 0;
    int hatch = 0;
    QColor color;
};
struct FontObject {
    int height = 0;
    int escapement = 0; // tenths of a degree
    int weight = 400;
    bool italic = false;
    bool underline = false;
    int charset = 0;
    QString face;
};
using GdiObject = std::variant<PenObject, BrushObject, FontObject>;

struct Frame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Start of the records and the picture's bounding box, if the data is a metafile.
struct Layout {
    std::size_t records = 0;
    std::optional<Frame> placeable;
    std::uint16_t unitsPerInch = 0;
};

// The header is decoded here into libUEMF's structures rather than by wmfheader_get: that one
// refuses a placeable metafile whose declared size runs past the bytes present, and the player
// plays a truncated metafile up to its last whole record.
std::optional<Layout> readLayout(const Reader& r) {
    Layout layout;
    std::size_t header = 0;
    const char* bytes = reinterpret_cast<const char*>(r.data);
    if (r.has(0, kPlaceableBytes) && r.u32(0) == kPlaceableKey) {
        U_WMRPLACEABLE placeable;
        std::memcpy(&placeable, bytes, kPlaceableBytes);
        layout.placeable =
            Frame{placeable.Dst.left, placeable.Dst.top, placeable.Dst.right - placeable.Dst.left,
                  placeable.Dst.bottom - placeable.Dst.top};
        layout.unitsPerInch = placeable.Inch;
        header = kPlaceableBytes;
    }
    if (!r.has(header, kHeaderBytes)) {
        return std::nullopt;
    }
    U_WMRHEADER head{};
    std::memcpy(&head, bytes + header, kHeaderBytes);
    const int type = head.iType | (head.xb << 8);
    if ((type != 1 && type != 2) || head.Size16w != 9 || (head.version != 0x0100 && head.version != 0x0300)) {
        return std::nullopt;
    }
    layout.records = header + kHeaderBytes;
    return layout;
}

// The size of the whole record at offset, or 0 when it is no record (shorter than its size and
// function, or running past the data).
std::size_t recordAt(const Reader& r, std::size_t offset) {
    if (!r.has(offset, 6)) {
        return 0;
    }
    const std::uint32_t words = r.u32(offset);
    if (words < 3 || !r.has(offset, std::size_t{words} * 2)) {
        return 0;
    }
    const char* record = reinterpret_cast<const char*>(r.data + offset);
    return U_WMRRECSAFE_get(record, reinterpret_cast<const char*>(r.data + r.size));
}

// One whole record: its function, its bytes, and where its parameters (after the size and the
// function) start in the data and how many bytes they take.
struct Record {
    std::uint16_t function = kEof;
    const char* bytes = nullptr;
    std::size_t params = 0;
    std::size_t paramBytes = 0;
};

// Calls visit(record) for each whole record from offset up to the end record or the first broken
// one, at most kMaxMetafileRecords of them, while visit returns true.  True when the walk stopped
// at that bound with a further record before the end.
template <typename Visit> bool walkRecords(const Reader& r, std::size_t offset, Visit visit) {
    for (std::size_t records = 0;; ++records) {
        const std::size_t size = recordAt(r, offset);
        const std::uint16_t function = size == 0 ? std::uint16_t{kEof} : r.u16(offset + 4);
        if (function == kEof) {
            return false;
        }
        if (records == kMaxMetafileRecords) {
            return true;
        }
        if (!visit(Record{function, reinterpret_cast<const char*>(r.data + offset), offset + 6, size - 6})) {
            return false;
        }
        offset += size;
    }
}

// The window of a plain metafile: its origin and extent records (the last of each counts).
std::optional<Frame> firstWindow(const Reader& r, std::size_t offset) {
    Frame frame;
    bool extent = false;
    walkRecords(r, offset, [&](const Record& record) {
        U_POINT16 point;
        if (record.function == kSetWindowOrg && U_WMRSETWINDOWORG_get(record.bytes, &point)) {
            frame.top = point.y;
            frame.left = point.x;
        } else if (record.function == kSetWindowExt && U_WMRSETWINDOWEXT_get(record.bytes, &point)) {
            frame.height = point.y;
            frame.width = point.x;
            extent = true;
        }
        return true;
    });
    if (!extent || frame.width == 0 || frame.height == 0) {
        return std::nullopt;
    }
    return frame;
}

QString decodeText(const std::string& bytes, int charset) {
    if (charset == 128) {
        return QString::fromStdString(DecodeCp932Lenient(bytes));
    }
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

class Player {
public:
    Player(QPainter& painter, const Reader& reader, const Frame& window, const QRectF& fitted)
        : painter_(painter), reader_(reader), window_(window), fitted_(fitted) {
        painter_.setBrush(Qt::NoBrush);
    }

    void play(std::size_t offset) {
        walkRecords(reader_, offset, [this](const Record& record) {
            record_ = record;
            playRecord(record.function);
            return true;
        });
    }

private:
    // Bytes of parameters the record holds: checked before a getter of libUEMF reads a part
    // whose length the record itself gives (texts, point lists, font names, clip rectangles).
    bool need(std::size_t bytes) const { return record_.paramBytes >= bytes; }

    QPointF map(double x, double y) const {
        return {fitted_.left() + (x - window_.left) * scaleX(), fitted_.top() + (y - window_.top) * scaleY()};
    }
    double scaleX() const { return fitted_.width() / window_.width; }
    double scaleY() const { return fitted_.height() / window_.height; }
    double scale() const { return std::sqrt(std::fabs(scaleX() * scaleY())); }

    void playRecord(std::uint16_t function) {
        U_POINT16 point;
        U_RECT16 rect;
        U_COLORREF color;
        std::uint16_t value = 0;
        switch (function) {
        case kSetWindowOrg:
            if (U_WMRSETWINDOWORG_get(record_.bytes, &point)) {
                window_.top = point.y;
                window_.left = point.x;
            }
            break;
        case kSetWindowExt:
            if (U_WMRSETWINDOWEXT_get(record_.bytes, &point) && point.x != 0 && point.y != 0) {
                window_.height = point.y;
                window_.width = point.x;
            }
            break;
        case kSetTextColor:
            if (U_WMRSETTEXTCOLOR_get(record_.bytes, &color)) {
                textColor_ = colorOf(color);
            }
            break;
        case kSetTextAlign:
            if (U_WMRSETTEXTALIGN_get(record_.bytes, &value)) {
                textAlign_ = value;
            }
            break;
        case kSetPolyFillMode:
            if (U_WMRSETPOLYFILLMODE_get(record_.bytes, &value)) {
                fillRule_ = value == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            }
            break;
        case kCreatePen: {
            U_PEN pen;
            if (U_WMRCREATEPENINDIRECT_get(record_.bytes, &pen)) {
                create(PenObject{pen.Style, static_cast<double>(static_cast<std::int16_t>(pen.Widthw[0])),
                                 colorOf(pen.Color)});
            } else {
                create(PenObject{});
            }
            break;
        }
        case kCreateBrush: {
            const char* brush = nullptr;
            if (U_WMRCREATEBRUSHINDIRECT_get(record_.bytes, &brush) && brush) {
                const auto logBrush = copied<U_WLOGBRUSH>(brush);
                create(BrushObject{logBrush.Style, logBrush.Hatch, colorOf(logBrush.Color)});
            } else {
                create(BrushObject{});
            }
            break;
        }
        case kCreateFont:
            create(readFont());
            break;
        case kSelectObject:
            if (U_WMRSELECTOBJECT_get(record_.bytes, &value)) {
                select(value);
            }
            break;
        case kDeleteObject:
            if (U_WMRDELETEOBJECT_get(record_.bytes, &value) && value < objects_.size()) {
                objects_[value].reset();
            }
            break;
        case kMoveTo:
            if (U_WMRMOVETO_get(record_.bytes, &point)) {
                position_ = QPointF(point.x, point.y);
            }
            break;
        case kLineTo:
            if (U_WMRLINETO_get(record_.bytes, &point)) {
                const QPointF to(point.x, point.y);
                applyPen();
                painter_.drawLine(map(position_.x(), position_.y()), map(to.x(), to.y()));
                position_ = to;
            }
            break;
        case kPolyline:
        case kPolygon:
            drawPoly(function == kPolygon);
            break;
        case kRectangle:
        case kEllipse:
            if (function == kRectangle ? U_WMRRECTANGLE_get(record_.bytes, &rect)
                                       : U_WMRELLIPSE_get(record_.bytes, &rect)) {
                const QRectF area =
                    QRectF(map(rect.left, rect.top), map(rect.right, rect.bottom)).normalized();
                applyPen();
                applyBrush();
                if (function == kRectangle) {
                    painter_.drawRect(area);
                } else {
                    painter_.drawEllipse(area);
                }
            }
            break;
        case kTextOut:
            // The length comes first; the text and then the position follow it.
            if (need(2)) {
                const std::size_t count = reader_.u16(record_.params);
                const std::size_t padded = (count + 1) / 2 * 2;
                std::int16_t length = 0;
                const char* text = nullptr;
                if (need(2 + padded + 4) && U_WMRTEXTOUT_get(record_.bytes, &point, &length, &text) && text) {
                    drawText(point.x, point.y, std::string(text, count));
                }
            }
            break;
        case kExtTextOut:
            // The clip rectangle stands before the text when the options say so.
            if (need(8)) {
                const std::size_t count = reader_.u16(record_.params + 4);
                const std::uint16_t options = reader_.u16(record_.params + 6);
                const std::size_t textAt = 8 + ((options & 0x0006) ? 8 : 0);
                std::int16_t length = 0;
                std::uint16_t opts = 0;
                const char* text = nullptr;
                const std::int16_t* dx = nullptr;
                if (need(textAt + count) &&
                    U_WMREXTTEXTOUT_get(record_.bytes, &point, &length, &opts, &text, &dx, &rect) && text) {
                    drawText(point.x, point.y, std::string(text, count));
                }
            }
            break;
        default:
            break; // records the graph never writes
        }
    }

    FontObject readFont() const {
        const char* bytes = nullptr;
        constexpr std::size_t fixed = offsetof(U_FONT, FaceName);
        if (!need(fixed) || !U_WMRCREATEFONTINDIRECT_get(record_.bytes, &bytes) || !bytes) {
            return {};
        }
        U_FONT fields;
        std::memcpy(&fields, bytes, fixed);
        // The face name runs to its zero, at most 32 bytes, never past the record.
        const std::size_t room = std::min<std::size_t>(record_.paramBytes - fixed, 32);
        const char* face = bytes + fixed;
        const QString faceName = decodeText(std::string(face, strnlen(face, room)), fields.CharSet);
        return {fields.Height,         fields.Escapement, fields.Weight, fields.Italic != 0,
                fields.Underline != 0, fields.CharSet,    faceName};
    }

    // A new object takes the lowest free slot.
    void create(GdiObject object) {
        for (auto& slot : objects_) {
            if (!slot) {
                slot = std::move(object);
                return;
            }
        }
        if (objects_.size() < kMaxObjects) {
            objects_.emplace_back(std::move(object));
        }
    }

    void select(std::size_t slot) {
        if (slot >= objects_.size() || !objects_[slot]) {
            return;
        }
        if (const auto* pen = std::get_if<PenObject>(&*objects_[slot])) {
            pen_ = *pen;
        } else if (const auto* brush = std::get_if<BrushObject>(&*objects_[slot])) {
            brush_ = *brush;
        } else if (const auto* font = std::get_if<FontObject>(&*objects_[slot])) {
            font_ = *font;
        }
    }

    void applyPen() {
        const int style = pen_.style & 0x0F;
        if (style == kMetafilePenNull) {
            painter_.setPen(Qt::NoPen);
            return;
        }
        QPen pen(pen_.color);
        // No pen is wider than the picture (a wider one costs time and draws nothing more).
        const double widest = std::max(std::fabs(fitted_.width()), std::fabs(fitted_.height()));
        pen.setWidthF(pen_.width > 0 ? std::min(pen_.width * scale(), widest) : 0.0);
        pen.setStyle(QtPenStyle(style));
        const int cap = pen_.style & 0x0F00;
        pen.setCapStyle(cap == 0x0100 ? Qt::SquareCap : cap == 0x0200 ? Qt::FlatCap : Qt::RoundCap);
        const int join = pen_.style & 0xF000;
        pen.setJoinStyle(join == 0x1000 ? Qt::BevelJoin : join == 0x2000 ? Qt::MiterJoin : Qt::RoundJoin);
        painter_.setPen(pen);
    }

    void applyBrush() {
        switch (brush_.style) {
        case 1: // null
            painter_.setBrush(Qt::NoBrush);
            break;
        case 2: { // hatched
            static constexpr Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                         Qt::FDiagPattern, Qt::BDiagPattern,
                                                         Qt::CrossPattern, Qt::DiagCrossPattern};
            painter_.setBrush(QBrush(brush_.color, brush_.hatch >= 0 && brush_.hatch < 6
                                                       ? hatches[brush_.hatch]
                                                       : Qt::SolidPattern));
            break;
        }
        default:
            painter_.setBrush(brush_.color);
            break;
        }
    }

    void drawPoly(bool closed) {
        if (!need(2)) {
            return;
        }
        const std::size_t count = reader_.u16(record_.params);
        if (!need(2 + count * 4) || count == 0) {
            return;
        }
        std::uint16_t length = 0;
        const char* data = nullptr;
        if (!(closed ? U_WMRPOLYGON_get(record_.bytes, &length, &data)
                     : U_WMRPOLYLINE_get(record_.bytes, &length, &data)) ||
            !data || length != count) {
            return;
        }
        QPolygonF polygon;
        polygon.reserve(static_cast<qsizetype>(count));
        for (std::size_t i = 0; i < count; ++i) {
            const auto p = copied<U_POINT16>(data + i * sizeof(U_POINT16));
            polygon.append(map(p.x, p.y));
        }
        applyPen();
        if (closed) {
            applyBrush();
            painter_.drawPolygon(polygon, fillRule_);
        } else {
            painter_.drawPolyline(polygon);
        }
    }

    QFont qfont() const {
        QFont font;
        QStringList families;
        if (!font_.face.isEmpty()) {
            families << font_.face;
        }
        families << QStringLiteral("IPAGothic") << QStringLiteral("IPAPGothic");
        font.setFamilies(families);
        font.setWeight(
            static_cast<QFont::Weight>(std::clamp(font_.weight <= 0 ? 400 : font_.weight, 1, 1000)));
        font.setItalic(font_.italic);
        font.setUnderline(font_.underline);
        const double logical = std::abs(font_.height) == 0 ? 12.0 * 15 : std::abs(font_.height);
        // No character is taller than the whole picture.
        double pixels = std::min(logical * std::fabs(scaleY()), std::fabs(fitted_.height()));
        const double dpi = painter_.device() ? painter_.device()->logicalDpiY() : 96.0;
        font.setPointSizeF(std::max(0.1, pixels * 72.0 / dpi));
        if (font_.height > 0) {
            // A positive height is the character cell; the character itself is smaller.
            const QFontMetricsF metrics(font, painter_.device());
            if (metrics.height() > 0) {
                pixels *= pixels / metrics.height();
                font.setPointSizeF(std::max(0.1, pixels * 72.0 / dpi));
            }
        }
        return font;
    }

    void drawText(double x, double y, const std::string& bytes) {
        std::string text = bytes;
        text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
        if (text.empty()) {
            return;
        }
        const QString string = decodeText(text, font_.charset);
        const QFont font = qfont();
        const QFontMetricsF metrics(font, painter_.device());
        double dx = 0;
        const int horizontal = textAlign_ & 0x0006;
        if (horizontal == 0x0006) {
            dx = -metrics.horizontalAdvance(string) / 2;
        } else if (horizontal == 0x0002) {
            dx = -metrics.horizontalAdvance(string);
        }
        double dy = 0;
        const int vertical = textAlign_ & 0x0018;
        if (vertical == 0) { // top
            dy = metrics.ascent();
        } else if (vertical == 0x0008) { // bottom
            dy = -metrics.descent();
        }
        painter_.save();
        painter_.setFont(font);
        painter_.setPen(textColor_);
        painter_.translate(map(x, y));
        if (font_.escapement != 0) {
            painter_.rotate(-font_.escapement / 10.0);
        }
        painter_.drawText(QPointF(dx, dy), string);
        painter_.restore();
    }

    QPainter& painter_;
    const Reader& reader_;
    Frame window_;
    QRectF fitted_;
    Record record_;
    std::vector<std::optional<GdiObject>> objects_;
    PenObject pen_{0, 0, Qt::black};
    BrushObject brush_{0, 0, Qt::white};
    FontObject font_;
    QColor textColor_ = Qt::black;
    int textAlign_ = 0;
    Qt::FillRule fillRule_ = Qt::OddEvenFill;
    QPointF position_;
};

} // namespace

namespace {

// The frame the records are drawn in: the placeable box, or the window of a plain metafile.
std::optional<Frame> pictureBox(const Reader& reader, const Layout& layout) {
    std::optional<Frame> box = layout.placeable;
    if (!box || box->width == 0 || box->height == 0) {
        box = firstWindow(reader, layout.records);
    }
    return box;
}

// The work of drawing a metafile, in pictures: edges an average row of pixels crosses when the
// polygons are filled, outlines stroked and areas filled, each as a multiple of the picture's.
// It does not depend on the size the picture is drawn at.
class DrawingWork {
public:
    explicit DrawingWork(const Frame& window) { setWindow(window.width, window.height); }

    void setWindow(int width, int height) {
        width_ = std::max(1.0, std::fabs(static_cast<double>(width)));
        height_ = std::max(1.0, std::fabs(static_cast<double>(height)));
    }

    void poly(const Reader& r, std::size_t points, std::size_t count, bool closed) {
        double rise = 0;
        double length = 0;
        for (std::size_t i = 0; i + 1 < count || (closed && i < count && count > 1); ++i) {
            const std::size_t j = (i + 1) % count;
            const double dx = r.i16(points + j * 4) - r.i16(points + i * 4);
            const double dy = r.i16(points + j * 4 + 2) - r.i16(points + i * 4 + 2);
            rise += std::fabs(dy);
            length += std::fabs(dx) + std::fabs(dy);
        }
        crossings_ += closed ? rise / height_ : 0;
        strokes_ += length / (width_ + height_);
    }

    void segment(double dx, double dy) { strokes_ += (std::fabs(dx) + std::fabs(dy)) / (width_ + height_); }

    void area(double width, double height) {
        areas_ += std::fabs(width * height) / (width_ * height_);
        strokes_ += 2 * (std::fabs(width) + std::fabs(height)) / (width_ + height_);
    }

    void text(std::size_t bytes) { textBytes_ += bytes; }

    std::optional<QString> beyond() const {
        if (crossings_ > kMaxMetafileFillCrossings) {
            return QStringLiteral("塗りつぶす図形が複雑すぎます");
        }
        if (strokes_ > kMaxMetafileStrokes) {
            return QStringLiteral("線が長すぎます");
        }
        if (areas_ > kMaxMetafileAreas) {
            return QStringLiteral("塗りつぶす面積が大きすぎます");
        }
        if (textBytes_ > kMaxMetafileTextBytes) {
            return QStringLiteral("文字が %1 バイトを超えます").arg(kMaxMetafileTextBytes);
        }
        return std::nullopt;
    }

private:
    double width_ = 1;
    double height_ = 1;
    double crossings_ = 0;
    double strokes_ = 0;
    double areas_ = 0;
    std::size_t textBytes_ = 0;
};

} // namespace

std::optional<QString> MetafileBeyondBounds(const QByteArray& data) {
    const Reader reader = readerOf(data);
    const auto layout = readLayout(reader);
    const auto box = layout ? pictureBox(reader, *layout) : std::nullopt;
    if (!box) {
        return std::nullopt; // nothing is drawn
    }
    DrawingWork work(firstWindow(reader, layout->records).value_or(*box));
    std::size_t points = 0;
    QPointF position;
    std::optional<QString> beyond;
    const bool moreRecords = walkRecords(reader, layout->records, [&](const Record& record) {
        const std::uint16_t function = record.function;
        const std::size_t params = record.params;
        const std::size_t paramBytes = record.paramBytes;
        if ((function == kPolygon || function == kPolyline) && paramBytes >= 2) {
            const std::size_t count = reader.u16(params);
            const std::size_t most =
                function == kPolygon ? kMaxMetafilePolygonPoints : kMaxMetafilePolylinePoints;
            points += count;
            if (count > most) {
                beyond = QStringLiteral("%1 点を超える図形があります").arg(most);
            } else if (points > kMaxMetafilePoints) {
                beyond = QStringLiteral("図形の点が合わせて %1 を超えます").arg(kMaxMetafilePoints);
            } else if (paramBytes >= 2 + count * 4) {
                work.poly(reader, params + 2, count, function == kPolygon);
            }
        } else if (function == kSetWindowExt && paramBytes >= 4 && reader.i16(params) != 0 &&
                   reader.i16(params + 2) != 0) {
            work.setWindow(reader.i16(params + 2), reader.i16(params));
        } else if ((function == kMoveTo || function == kLineTo) && paramBytes >= 4) {
            const QPointF to(reader.i16(params + 2), reader.i16(params));
            if (function == kLineTo) {
                work.segment(to.x() - position.x(), to.y() - position.y());
            }
            position = to;
        } else if ((function == kRectangle || function == kEllipse) && paramBytes >= 8) {
            work.area(reader.i16(params + 2) - reader.i16(params + 6),
                      reader.i16(params) - reader.i16(params + 4));
        } else if (function == kTextOut && paramBytes >= 2) {
            work.text(reader.u16(params));
        } else if (function == kExtTextOut && paramBytes >= 6) {
            work.text(reader.u16(params + 4));
        }
        if (!beyond) {
            beyond = work.beyond();
        }
        return !beyond;
    });
    if (!beyond && moreRecords) {
        return QStringLiteral("記録が %1 を超えます").arg(kMaxMetafileRecords);
    }
    return beyond;
}

bool IsMetafile(const QByteArray& data) {
    const Reader reader = readerOf(data);
    return readLayout(reader).has_value();
}

bool MetafileEndsWhole(const QByteArray& data) {
    const Reader reader = readerOf(data);
    const auto layout = readLayout(reader);
    if (!layout) {
        return false;
    }
    std::size_t offset = layout->records;
    for (std::size_t records = 0; records <= kMaxMetafileRecords; ++records) {
        const std::size_t size = recordAt(reader, offset);
        if (size == 0) {
            return false; // a broken record, or the data ends before the end record
        }
        if (reader.u16(offset + 4) == kEof) {
            return true;
        }
        offset += size;
    }
    return true;
}

std::optional<QSizeF> MetafileSizeMm(const QByteArray& data) {
    const Reader reader = readerOf(data);
    const auto layout = readLayout(reader);
    if (!layout || !layout->placeable || layout->unitsPerInch == 0) {
        return std::nullopt;
    }
    return QSizeF(std::abs(layout->placeable->width) * 25.4 / layout->unitsPerInch,
                  std::abs(layout->placeable->height) * 25.4 / layout->unitsPerInch);
}

bool PlayMetafile(QPainter& painter, const QByteArray& data, const QRectF& target) {
    const Reader reader = readerOf(data);
    const auto layout = readLayout(reader);
    if (!layout || target.isEmpty() || MetafileBeyondBounds(data)) {
        return false;
    }
    const std::optional<Frame> box = pictureBox(reader, *layout);
    if (!box) {
        return false;
    }
    // Fit the bounding box into the target, aspect ratio kept, centred.
    const double width = std::abs(box->width);
    const double height = std::abs(box->height);
    const double fit = std::min(target.width() / width, target.height() / height);
    QRectF fitted(0, 0, width * fit, height * fit);
    fitted.moveCenter(target.center());
    // The window maps onto the box; with no window record the box is the window.
    const Frame window = firstWindow(reader, layout->records).value_or(*box);
    const double sx = fitted.width() / box->width;
    const double sy = fitted.height() / box->height;
    const QRectF windowRect(fitted.left() + (window.left - box->left) * sx,
                            fitted.top() + (window.top - box->top) * sy, window.width * sx,
                            window.height * sy);

    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    Player player(painter, reader, window, windowRect);
    player.play(layout->records);
    painter.restore();
    return true;
}

} // namespace zul
