#include "render/PrintPageLayout.h"

#include "util/Cp932.h"

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
        const auto found = document.figures.find(QString::fromStdString(line.path));
        if (found == document.figures.end() || !found->second.error.isEmpty()) {
            return 1;
        }
        return slotsFor(line.offsetY + found->second.index.AreaHeight);
    }
    }
    return 1;
}

std::vector<PrintPage> LayoutPrintPages(const PrintDocument& document) {
    std::vector<PrintPage> pages(1);
    int slot = 0;
    bool breakPending = false; // a form feed ended the page; the next line starts a new one
    bool full = false;         // the last page the bound allows is full: the rest is left out
    std::size_t lineNumber = 0;
    std::size_t textBytes = 0;
    bool longLineNoted = false;
    std::size_t longLinePage = 0;
    const auto place = [&](PrintLine line) {
        const int need = RecordSlots(document, line);
        if (breakPending || (slot > 0 && slot + need > PrintPageGeometry::kLinesPerPage)) {
            if (pages.size() == static_cast<std::size_t>(kMaxPrintPages)) {
                full = true;
                pages.back().notes.push_back(
                    QStringLiteral("ページが多すぎます（%1 ページまでを表示します）").arg(kMaxPrintPages));
                return;
            }
            pages.emplace_back();
            slot = 0;
            breakPending = false;
        }
        if (line.kind == PrintLine::Kind::Text &&
            textBytes + std::min(line.text.size(), kMaxPrintLineBytes) > kMaxPrintTextBytes) {
            full = true;
            pages.back().notes.push_back(QStringLiteral("印刷する文字が多すぎます（%1 MB までを表示します）")
                                             .arg(kMaxPrintTextBytes / (1024 * 1024)));
            return;
        }
        if (line.kind == PrintLine::Kind::Text && line.text.size() > kMaxPrintLineBytes) {
            line.text.resize(Cp932PrefixLength(line.text, kMaxPrintLineBytes)); // no character split
            longLineNoted = longLineNoted && pages.size() == longLinePage;
            if (!longLineNoted) { // one note a page, for the first long line on it
                longLineNoted = true;
                longLinePage = pages.size();
                pages.back().notes.push_back(
                    QStringLiteral("印刷ファイルの %1 行目が長すぎます（%2 バイトまでを表示します）")
                        .arg(lineNumber)
                        .arg(kMaxPrintLineBytes));
            }
        }
        if (line.kind == PrintLine::Kind::Text) {
            textBytes += line.text.size();
        }
        pages.back().placements.push_back({slot, need, std::move(line)});
        slot += need;
    };
    for (const std::string& raw : document.lines) {
        ++lineNumber;
        std::size_t start = 0;
        bool first = true;
        while (!full && start <= raw.size()) {
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
        if (full) {
            break;
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
