#include "render/WmfPlayer.h"

#include "util/Cp932.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdint>
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
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
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

QColor colorRef(const Reader& r, std::size_t offset) {
    return QColor(r.data[offset], r.data[offset + 1], r.data[offset + 2]);
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

std::optional<Layout> readLayout(const Reader& r) {
    Layout layout;
    std::size_t header = 0;
    if (r.has(0, kPlaceableBytes) && r.u32(0) == kPlaceableKey) {
        const int left = r.i16(6);
        const int top = r.i16(8);
        const int right = r.i16(10);
        const int bottom = r.i16(12);
        layout.placeable = Frame{left, top, right - left, bottom - top};
        layout.unitsPerInch = r.u16(14);
        header = kPlaceableBytes;
    }
    if (!r.has(header, kHeaderBytes)) {
        return std::nullopt;
    }
    const std::uint16_t type = r.u16(header);
    const std::uint16_t headerWords = r.u16(header + 2);
    const std::uint16_t version = r.u16(header + 4);
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300)) {
        return std::nullopt;
    }
    layout.records = header + kHeaderBytes;
    return layout;
}

// The window of a plain metafile: its first origin and extent records.
std::optional<Frame> firstWindow(const Reader& r, std::size_t offset) {
    Frame frame;
    bool extent = false;
    while (r.has(offset, 6)) {
        const std::uint32_t words = r.u32(offset);
        const std::uint16_t function = r.u16(offset + 4);
        if (words < 3 || !r.has(offset, std::size_t{words} * 2) || function == kEof) {
            break;
        }
        if (function == kSetWindowOrg && words >= 5) {
            frame.top = r.i16(offset + 6);
            frame.left = r.i16(offset + 8);
        } else if (function == kSetWindowExt && words >= 5) {
            frame.height = r.i16(offset + 6);
            frame.width = r.i16(offset + 8);
            extent = true;
        }
        offset += std::size_t{words} * 2;
    }
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
        pen_ = PenObject{0, 0, Qt::black};
        brush_ = BrushObject{0, 0, Qt::white};
    }

    void play(std::size_t offset) {
        while (reader_.has(offset, 6)) {
            const std::uint32_t words = reader_.u32(offset);
            const std::uint16_t function = reader_.u16(offset + 4);
            if (words < 3 || !reader_.has(offset, std::size_t{words} * 2) || function == kEof) {
                return;
            }
            params_ = offset + 6;
            paramBytes_ = std::size_t{words} * 2 - 6;
            record(function);
            offset += std::size_t{words} * 2;
        }
    }

private:
    bool need(std::size_t bytes) const { return paramBytes_ >= bytes; }
    std::int16_t word(std::size_t index) const { return reader_.i16(params_ + index * 2); }

    QPointF map(double x, double y) const {
        return {fitted_.left() + (x - window_.left) * scaleX(), fitted_.top() + (y - window_.top) * scaleY()};
    }
    double scaleX() const { return fitted_.width() / window_.width; }
    double scaleY() const { return fitted_.height() / window_.height; }
    double scale() const { return std::sqrt(std::fabs(scaleX() * scaleY())); }

    void record(std::uint16_t function) {
        switch (function) {
        case kSetWindowOrg:
            if (need(4)) {
                window_.top = word(0);
                window_.left = word(1);
            }
            break;
        case kSetWindowExt:
            if (need(4) && word(0) != 0 && word(1) != 0) {
                window_.height = word(0);
                window_.width = word(1);
            }
            break;
        case kSetTextColor:
            if (need(4)) {
                textColor_ = colorRef(reader_, params_);
            }
            break;
        case kSetTextAlign:
            if (need(2)) {
                textAlign_ = reader_.u16(params_);
            }
            break;
        case kSetPolyFillMode:
            if (need(2)) {
                fillRule_ = reader_.u16(params_) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            }
            break;
        case kCreatePen:
            if (need(10)) {
                create(PenObject{reader_.u16(params_), static_cast<double>(word(1)),
                                 colorRef(reader_, params_ + 6)});
            } else {
                create(PenObject{});
            }
            break;
        case kCreateBrush:
            if (need(8)) {
                create(BrushObject{reader_.u16(params_), reader_.u16(params_ + 6),
                                   colorRef(reader_, params_ + 2)});
            } else {
                create(BrushObject{});
            }
            break;
        case kCreateFont:
            create(readFont());
            break;
        case kSelectObject:
            if (need(2)) {
                select(reader_.u16(params_));
            }
            break;
        case kDeleteObject:
            if (need(2) && reader_.u16(params_) < objects_.size()) {
                objects_[reader_.u16(params_)].reset();
            }
            break;
        case kMoveTo:
            if (need(4)) {
                position_ = QPointF(word(1), word(0));
            }
            break;
        case kLineTo:
            if (need(4)) {
                const QPointF to(word(1), word(0));
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
            if (need(8)) {
                const QRectF rect = QRectF(map(word(3), word(2)), map(word(1), word(0))).normalized();
                applyPen();
                applyBrush();
                if (function == kRectangle) {
                    painter_.drawRect(rect);
                } else {
                    painter_.drawEllipse(rect);
                }
            }
            break;
        case kTextOut:
            if (need(2)) {
                const std::size_t count = reader_.u16(params_);
                const std::size_t padded = (count + 1) / 2 * 2;
                if (need(2 + padded + 4)) {
                    const std::string bytes(reinterpret_cast<const char*>(reader_.data + params_ + 2), count);
                    const double y = reader_.i16(params_ + 2 + padded);
                    const double x = reader_.i16(params_ + 2 + padded + 2);
                    drawText(x, y, bytes);
                }
            }
            break;
        case kExtTextOut:
            if (need(8)) {
                const double y = word(0);
                const double x = word(1);
                const std::size_t count = reader_.u16(params_ + 4);
                const std::uint16_t options = reader_.u16(params_ + 6);
                const std::size_t textAt = 8 + ((options & 0x0006) ? 8 : 0);
                if (need(textAt + count)) {
                    drawText(
                        x, y,
                        std::string(reinterpret_cast<const char*>(reader_.data + params_ + textAt), count));
                }
            }
            break;
        default:
            break; // records the graph never writes
        }
    }

    FontObject readFont() const {
        FontObject font;
        if (!need(18)) {
            return font;
        }
        font.height = word(0);
        font.escapement = word(2);
        font.weight = word(4);
        font.italic = reader_.data[params_ + 10] != 0;
        font.underline = reader_.data[params_ + 11] != 0;
        font.charset = reader_.data[params_ + 13];
        std::string face;
        for (std::size_t i = 18; i < paramBytes_ && i < 18 + 32 && reader_.data[params_ + i] != 0; ++i) {
            face += static_cast<char>(reader_.data[params_ + i]);
        }
        font.face = decodeText(face, font.charset);
        return font;
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
        if (style == 5) {
            painter_.setPen(Qt::NoPen);
            return;
        }
        QPen pen(pen_.color);
        pen.setWidthF(pen_.width > 0 ? pen_.width * scale() : 0.0);
        switch (style) {
        case 1:
            pen.setStyle(Qt::DashLine);
            break;
        case 2:
            pen.setStyle(Qt::DotLine);
            break;
        case 3:
            pen.setStyle(Qt::DashDotLine);
            break;
        case 4:
            pen.setStyle(Qt::DashDotDotLine);
            break;
        default:
            pen.setStyle(Qt::SolidLine);
            break;
        }
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
        const std::size_t count = reader_.u16(params_);
        if (!need(2 + count * 4) || count == 0) {
            return;
        }
        QPolygonF polygon;
        polygon.reserve(static_cast<qsizetype>(count));
        for (std::size_t i = 0; i < count; ++i) {
            polygon.append(map(reader_.i16(params_ + 2 + i * 4), reader_.i16(params_ + 4 + i * 4)));
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
    std::size_t params_ = 0;
    std::size_t paramBytes_ = 0;
    std::vector<std::optional<GdiObject>> objects_;
    PenObject pen_;
    BrushObject brush_;
    FontObject font_;
    QColor textColor_ = Qt::black;
    int textAlign_ = 0;
    Qt::FillRule fillRule_ = Qt::OddEvenFill;
    QPointF position_;
};

} // namespace

bool IsMetafile(const QByteArray& data) {
    const Reader reader{reinterpret_cast<const unsigned char*>(data.constData()),
                        static_cast<std::size_t>(data.size())};
    return readLayout(reader).has_value();
}

std::optional<QSizeF> MetafileSizeMm(const QByteArray& data) {
    const Reader reader{reinterpret_cast<const unsigned char*>(data.constData()),
                        static_cast<std::size_t>(data.size())};
    const auto layout = readLayout(reader);
    if (!layout || !layout->placeable || layout->unitsPerInch == 0) {
        return std::nullopt;
    }
    return QSizeF(std::abs(layout->placeable->width) * 25.4 / layout->unitsPerInch,
                  std::abs(layout->placeable->height) * 25.4 / layout->unitsPerInch);
}

bool PlayMetafile(QPainter& painter, const QByteArray& data, const QRectF& target) {
    const Reader reader{reinterpret_cast<const unsigned char*>(data.constData()),
                        static_cast<std::size_t>(data.size())};
    const auto layout = readLayout(reader);
    if (!layout || target.isEmpty()) {
        return false;
    }
    std::optional<Frame> box = layout->placeable;
    if (!box || box->width == 0 || box->height == 0) {
        box = firstWindow(reader, layout->records);
    }
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
