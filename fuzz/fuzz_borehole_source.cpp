// Any bytes after the study table given to the borehole source block reader must neither crash,
// hang nor leak; a block that reads is written and read again unchanged, and a damaged one gives
// a message and no source.
#include "FuzzCheck.h"
#include "io/BoreholeSourceBlock.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zul::SourceBlockRead read = zul::ReadBoreholeSourceBlock(bytes, size % 2 == 1);
    if (!read.source) {
        return 0;
    }
    Check(read.message.empty());
    const std::string written = zul::BoreholeSourceBlock(*read.source);
    const zul::SourceBlockRead again = zul::ReadBoreholeSourceBlock(written);
    Check(again.source.has_value() && *again.source == *read.source);
    Check(zul::BoreholeSourceBlock(*again.source) == written);
    return 0;
}
