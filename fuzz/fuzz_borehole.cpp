// Any byte sequence given to the borehole exchange file reader must neither crash, hang nor
// leak; a file that reads imports into a study within the document's bounds, and one that does
// not read gives a message.  The first byte chooses the import options.
#include "FuzzCheck.h"
#include "document/BoreholeImport.h"
#include "io/BoreholeReader.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const zul::BoreholeReadResult read = zul::ParseBoreholeFile(bytes);
    if (!read.record) {
        Check(!read.message.empty());
        return 0;
    }
    zul::BoreholeImportOptions options;
    if (choice & 1) {
        options.maxDepth = 1.0 + (choice >> 4);
    }
    options.nDepth = (choice & 2) ? zul::NDepthReference::Start : zul::NDepthReference::Middle;
    if (choice & 4) {
        options.nCap = 50;
    }
    if (choice & 8) {
        options.waterRecord = 1;
    }
    zul::ProjectDocument doc;
    const zul::BoreholeImportPlan plan = zul::PlanBoreholeImport(*read.record, options, choice % 8);
    const bool applied = zul::ApplyBoreholeImport(plan, doc);
    Check(applied == plan.ok());
    if (!applied) {
        Check(!plan.message.empty());
        Check(zul::SameStudy(doc, zul::ProjectDocument()));
        return 0;
    }
    Check(doc.JibanCount >= 1 && doc.JibanCount <= zul::kMaxLayers);
    Check(doc.NCount >= 0 && doc.NCount <= zul::kMaxNPoints);
    for (std::int32_t r = 1; r <= doc.NCount; ++r) {
        const double depth = doc.NData(1, static_cast<std::size_t>(r)).number();
        const double n = doc.NData(2, static_cast<std::size_t>(r)).number();
        Check(depth >= 0 && depth <= 99.999 && n >= 0 && n <= 100);
        if (r > 1) {
            Check(depth >= doc.NData(1, static_cast<std::size_t>(r - 1)).number());
        }
    }
    for (std::int32_t r = 1; r <= doc.JibanCount; ++r) {
        Check(doc.JibanLayer(2, static_cast<std::size_t>(r)).number() >= 0);
    }
    return 0;
}
