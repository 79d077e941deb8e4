#pragma once

#include <QPageLayout>

class QPagedPaintDevice;

namespace zul {

class PrintPageRenderer;

// The two-page view of the preview: the report read as it lies open on the desk, pages 1 and 2
// side by side, then 3 and 4, and so on.  Each pair is drawn on one sheet as wide as two A4
// pages with a narrow grey gap between them; an odd last page stands alone on the left.

// The sheet of one pair: two A4 portrait pages and the gap, landscape.
QPageLayout PagePairLayout();

// Number of sheets for pageCount pages.
int PagePairCount(int pageCount);

// Paints every pair of pages, one sheet each, onto the device (set to PagePairLayout).  False
// when painting cannot start or a new sheet cannot be begun.
bool PaintPagePairs(const PrintPageRenderer& renderer, QPagedPaintDevice& device);

} // namespace zul
