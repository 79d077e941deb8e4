#include "printfile/PrintFileFormat.h"

#include "util/Cp932.h"
#include "util/NumberText.h"

namespace zul {

namespace {

// Width of a print zone of a text line: a comma between two items moves on to column 15, 29 ...
constexpr std::size_t kPrintZone = 14;

} // namespace

std::string PrintText(std::string_view utf8) {
    std::string out = EncodeCp932Lenient(utf8);
    // Control bytes never occur as the second byte of a two-byte character.
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return out;
}

std::string PrintZonePadding(std::size_t used) {
    const std::size_t next = (used + kPrintZone - 1) / kPrintZone * kPrintZone;
    return std::string(next - used, ' ');
}

std::string PrintNumberPair(double a, double b) {
    std::string line = PrintNumberText(a);
    line += PrintZonePadding(line.size());
    line += PrintNumberText(b);
    return line;
}

} // namespace zul
