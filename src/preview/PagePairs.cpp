#include "preview/PagePairs.h"

#include "render/PrintPageLayout.h"
#include "render/PrintPageRenderer.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace zul {

namespace {

constexpr double kGapMm = 6.0;

} // namespace

QPageLayout PagePairLayout() {
    const QPageSize size(QSizeF(PrintPageGeometry::kPageHeight, 2 * PrintPageGeometry::kPageWidth + kGapMm),
                         QPageSize::Millimeter, QStringLiteral("A4 x 2"), QPageSize::ExactMatch);
    return QPageLayout(size, QPageLayout::Landscape, QMarginsF(0, 0, 0, 0));
}

int PagePairCount(int pageCount) {
    return (std::max(0, pageCount) + 1) / 2;
}

bool PaintPagePairs(const PrintPageRenderer& renderer, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The two pages and the gap fitted into the sheet, centred.
    const QRectF sheet(0, 0, device.width(), device.height());
    const double widthMm = 2 * PrintPageGeometry::kPageWidth + kGapMm;
    const double scale = std::min(sheet.width() / widthMm, sheet.height() / PrintPageGeometry::kPageHeight);
    QRectF both(0, 0, widthMm * scale, PrintPageGeometry::kPageHeight * scale);
    both.moveCenter(sheet.center());
    const QRectF left(both.left(), both.top(), PrintPageGeometry::kPageWidth * scale, both.height());
    const QRectF right(both.right() - PrintPageGeometry::kPageWidth * scale, both.top(),
                       PrintPageGeometry::kPageWidth * scale, both.height());
    const QRectF gap(left.right(), both.top(), right.left() - left.right(), both.height());
    const int pages = renderer.pageCount();
    for (int pair = 0; pair < PagePairCount(pages); ++pair) {
        if (pair > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.fillRect(gap, QColor(0x80, 0x80, 0x80));
        renderer.paintPage(painter, 2 * pair, left);
        if (2 * pair + 1 < pages) {
            renderer.paintPage(painter, 2 * pair + 1, right);
        } else {
            painter.fillRect(right, QColor(0x80, 0x80, 0x80));
        }
    }
    return painter.end();
}

} // namespace zul
