// Any LINE_PRN.DEF or STR_PRN.DEF must read without crash, hang or leak, the report's reader
// and the preview's alike; neither gives more rows than it may hold.  The first input byte
// chooses the file kind and the row limit; the rest is the file's contents.
#include "FuzzCheck.h"
#include "printfile/FigureDefinitions.h"
#include "printfile/PrintFileFormatError.h"
#include "render/PrintDefinitions.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t most = 1 + data[0] % 12;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        if (data[0] & 0x80) {
            Check(zul::ParseStrDefs(text, most).size() <= most);
        } else {
            Check(zul::ParseLineDefs(text, most).size() <= most);
        }
    } catch (const zul::PrintFileFormatError&) {
        // the report section stops and reports the failure
    }
    Check(zul::ParseLineDefinitions(text).size() <= 9);
    Check(zul::ParseTextDefinitions(text).size() <= 9);
    for (const zul::LineDefinition& row : zul::ParseLineDefinitions(text)) {
        static_cast<void>(zul::LinePenStyle(row.style));
    }
    return 0;
}
