// Any report template file and any definition file must read without crash, hang or leak:
// a broken template is a ReportError naming the file, a broken definition file a
// PrintFileFormatError, never anything else.  The input is written as
// the template file and read for a few blocks; the same bytes are read as both definition files.
#include "FuzzFolder.h"
#include "printfile/FigureDefinitions.h"
#include "printfile/PrintFileFormatError.h"
#include "report/TemplateBlock.h"

#include <cstdint>
#include <cstdlib>

namespace {
void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fmt = FuzzFolder() + "/Zul.fmt";
    WriteFuzzFile(fmt, reinterpret_cast<const char*>(data), size);
    for (const char* block : {"一覧", "計算条件", "A", ""}) {
        try {
            const zul::TemplateBlock read = zul::ReadFmtSection(fmt, block);
            Check(read.count() >= 0 && read.limit() == 50);
            for (std::int32_t k = 1; k <= read.limit(); ++k) {
                zul::FillTemplate(read.Text(k), std::vector<double>{-1.5, 2e300},
                                  std::vector<std::string>{"杭"});
            }
        } catch (const zul::ReportError& e) {
            Check(std::string(e.what()).find(fmt) != std::string::npos);
        }
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        Check(zul::ParseLineDefs(bytes).size() <= zul::kMaxLineDefs);
    } catch (const zul::PrintFileFormatError&) {
    }
    try {
        Check(zul::ParseStrDefs(bytes).size() <= zul::kMaxStrDefs);
    } catch (const zul::PrintFileFormatError&) {
    }
    return 0;
}
