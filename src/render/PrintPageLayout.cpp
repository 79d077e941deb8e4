#include "render/PrintPageLayout.h"

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

constexpr double kStandardPictureWidth = 160.0;
constexpr double kStandardPictureHeight = 110.0;

int slotsFor(double heightMm) {
    const double lines = std::ceil(heightMm / PrintPageGeometry::lineHeight() - 1e-9);
    if (!(lines >= 1)) {
        return 1;
    }
    return static_cast<int>(std::min(lines, static_cast<double>(PrintPageGeometry::kLinesPerPage)));
}

} // namespace

double PictureWidth(const PrintLine& line) {
    return line.width > 0 && line.width <= PrintPageGeometry::kPageWidth ? line.width : kStandardPictureWidth;
}

double PictureHeight(const PrintLine& line) {
    return line.height > 0 && line.height <= PrintPageGeometry::kPageHeight ? line.height
                                                                            : kStandardPictureHeight;
}

int RecordSlots(const PrintDocument& document, const PrintLine& line) {
    switch (line.kind) {
    case PrintLine::Kind::Text:
        return 1;
    case PrintLine::Kind::Picture:
        return slotsFor(line.offsetY + PictureHeight(line));
    case PrintLine::Kind::Figure: {
        const auto found = document.figures.find(line.path);
        if (found == document.figures.end() || !found->second.error.isEmpty()) {
            return 1;
        }
        return slotsFor(line.offsetY + found->second.index.areaHeight);
    }
    }
    return 1;
}

std::vector<PrintPage> LayoutPrintPages(const PrintDocument& document) {
    std::vector<PrintPage> pages(1);
    int slot = 0;
    bool breakPending = false; // a form feed ended the page; the next line starts a new one
    const auto place = [&](PrintLine line) {
        const int need = RecordSlots(document, line);
        if (breakPending || (slot > 0 && slot + need > PrintPageGeometry::kLinesPerPage)) {
            pages.emplace_back();
            slot = 0;
            breakPending = false;
        }
        pages.back().placements.push_back({slot, need, std::move(line)});
        slot += need;
    };
    for (const std::string& raw : document.lines) {
        std::size_t start = 0;
        bool first = true;
        while (start <= raw.size()) {
            std::size_t end = raw.find('\f', start);
            const bool formFeedFollows = end != std::string::npos;
            if (!formFeedFollows) {
                end = raw.size();
            }
            // A form feed is followed directly by the next line's text: the empty rest after a
            // form feed is no line (a line end there would otherwise start the page with a
            // blank line, or make a blank page of a form feed at the end of a joined item).
            if (end > start || (first && !formFeedFollows)) {
                place(ParsePrintLine(std::string_view(raw).substr(start, end - start)));
            }
            if (formFeedFollows && slot > 0) {
                breakPending = true;
            }
            first = false;
            start = end + 1;
        }
    }
    return pages;
}

int WidestLineColumns(const std::vector<PrintPage>& pages) {
    int widest = 0;
    for (const PrintPage& page : pages) {
        for (const PagePlacement& placement : page.placements) {
            if (placement.line.kind != PrintLine::Kind::Text) {
                continue;
            }
            std::size_t length = placement.line.text.find_last_not_of(' ');
            length = length == std::string::npos ? 0 : length + 1;
            widest = std::max(widest, static_cast<int>(length));
        }
    }
    return widest;
}

} // namespace zul
