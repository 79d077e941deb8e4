#include "printfile/PrintFileLines.h"

#include "printfile/PrintFileFormat.h"
#include "util/Cp932.h"
#include "util/NumberText.h"
#include "util/TextLines.h"

#include <algorithm>
#include <cmath>

namespace zul {

namespace {

constexpr std::string_view kFullWidthSpace = "\x81\x40";

// The path of a record in UTF-8; bytes that are no code page 932 are taken as they are.
std::string DecodePath(std::string_view bytes) {
    const auto text = DecodeCp932(bytes);
    return std::string(TrimBlanks(text ? std::string_view(*text) : bytes));
}

// Reads count numbers separated by ";" after the marker; the rest is the path.
bool ReadNumbers(std::string_view& rest, int count, double* out) {
    for (int i = 0; i < count; ++i) {
        const std::size_t end = rest.find(';');
        if (end == std::string_view::npos) {
            return false;
        }
        const auto value = ParseNumber(rest.substr(0, end));
        // Offsets and sizes are millimetres on a sheet: anything beyond a metre is no record.
        if (!value || std::fabs(*value) > 1000.0) {
            return false;
        }
        out[i] = *value;
        rest.remove_prefix(end + 1);
    }
    return true;
}

} // namespace

PrintLine ParsePrintLine(std::string_view cp932) {
    PrintLine line;
    // A record follows blanks only (half-width or full-width).
    std::size_t pos = 0;
    int column = 0;
    while (pos < cp932.size()) {
        if (cp932[pos] == ' ') {
            ++pos;
            ++column;
        } else if (cp932.substr(pos, 2) == kFullWidthSpace) {
            pos += 2;
            column += 2;
        } else {
            break;
        }
    }
    const std::string_view rest = cp932.substr(pos);
    // A line beyond the bound is text (cut when laid out), never a record naming a file.
    const bool withinBound = cp932.size() <= kMaxPrintLineBytes;
    const bool figure = withinBound && rest.starts_with(kFigureMarker);
    const bool picture = withinBound && rest.starts_with(kPictureMarker);
    if (figure || picture) {
        std::string_view after = rest.substr(kFigureMarker.size());
        double values[4] = {};
        if (ReadNumbers(after, figure ? 2 : 4, values)) {
            line.kind = figure ? PrintLine::Kind::Figure : PrintLine::Kind::Picture;
            line.column = column;
            line.offsetX = values[0];
            line.offsetY = values[1];
            line.width = values[2];
            line.height = values[3];
            line.path = DecodePath(after);
            return line;
        }
    }
    // A heading mark stands after the margin's half-width blanks.
    const std::size_t margin = std::min(cp932.find_first_not_of(' '), cp932.size());
    const std::string_view mark = cp932.substr(margin, 3);
    if (mark == kHeading1Marker || mark == kHeading2Marker) {
        line.headingLevel = mark[2] - '0';
        line.text = std::string(cp932.substr(0, margin)) + std::string(cp932.substr(margin + 3));
    } else {
        line.text = std::string(cp932);
    }
    return line;
}

std::vector<std::string> SplitPrintLines(std::string_view cp932, bool* cut) {
    const std::vector<std::string_view> views = SplitLines(cp932, kMaxPrintFileLines, cut);
    return {views.begin(), views.end()};
}

std::string FigureRecord(std::string_view indexPathUtf8) {
    return PrintText(std::string(kFigureRecordLead) + std::string(kFigureRecordFields) +
                     std::string(indexPathUtf8));
}

std::string PictureRecord(std::string_view metafilePathUtf8) {
    return PrintText(std::string(kPictureRecordFields) + std::string(metafilePathUtf8));
}

} // namespace zul
