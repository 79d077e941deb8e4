// The records the report writes read back as the preview reads them.
#include "printfile/PrintFileLines.h"
#include "util/Cp932.h"

#include <gtest/gtest.h>

namespace zul {
namespace {

TEST(PrintFileLines, RecordsReadBackWithTheirPlaceAndPath) {
    const struct {
        std::string line;
        PrintLine::Kind kind;
        int column;
        double width;
        std::string path;
    } cases[] = {
        {"  " + FigureRecord("/tmp/図 1/~PS1.tmp"), PrintLine::Kind::Figure, 9, 0, "/tmp/図 1/~PS1.tmp"},
        {"    " + PictureRecord("/opt/zul/RA01.WMF "), PrintLine::Kind::Picture, 4, 160, "/opt/zul/RA01.WMF"},
    };
    for (const auto& c : cases) {
        const PrintLine read = ParsePrintLine(c.line);
        EXPECT_EQ(read.kind, c.kind) << c.path;
        EXPECT_EQ(read.column, c.column) << c.path;
        EXPECT_EQ(read.width, c.width) << c.path;
        EXPECT_EQ(read.path, c.path);
    }
    // A number that is not one plain number makes the record a text line.
    EXPECT_EQ(ParsePrintLine("?BM;1;2;+-3;4;/a").kind, PrintLine::Kind::Text);
}

} // namespace
} // namespace zul
