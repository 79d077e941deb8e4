// Any report template file must read without crash, hang or leak, and any template line must
// fill: a block read is filled line by line, and a filled line keeps its length.  The first
// input byte chooses the block name and how many values are given; the rest is the file.
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "report/TemplateBlock.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

namespace {

constexpr std::array<const char*, 4> kBlocks = {"計算条件", "一覧", "許容押込み支持力の計算", "X"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    const std::string fmt = FuzzFolder() + "/Zul.fmt";
    WriteFuzzFile(fmt, reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::array<double, 6> numbers = {3.14159, -2.0, 12345.6, 0.0, 1e300, -0.004};
    const std::array<std::string, 4> texts = {"杭", "", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ｶﾅ"};
    const std::size_t numberCount = choice % (numbers.size() + 1);
    const std::size_t textCount = (choice / 8) % (texts.size() + 1);
    try {
        const zul::TemplateBlock block =
            zul::ReadFmtSection(fmt, kBlocks[(choice >> 5) % kBlocks.size()], 1 + (choice % 60));
        for (std::int32_t k = 1; k <= block.limit(); ++k) {
            const std::string& line = block.Text(k);
            try {
                const std::string filled = zul::FillTemplate(line, std::span(numbers.data(), numberCount),
                                                             std::span(texts.data(), textCount));
                Check(filled.size() == line.size());
            } catch (const zul::ReportError&) {
                // more than 20 fields of a kind: the section reports it
            }
        }
    } catch (const zul::ReportError& e) {
        // missing block, a number outside the block, an unreadable file: named in the message
        Check(std::string(e.what()).find(fmt) != std::string::npos);
    }
    // The line itself as a template, too.
    const std::string_view raw(reinterpret_cast<const char*>(data) + 1,
                               std::min<std::size_t>(size - 1, 4096));
    try {
        const std::string filled = zul::FillTemplate(raw, std::span(numbers.data(), numberCount),
                                                     std::span(texts.data(), textCount));
        Check(filled.size() == raw.size());
    } catch (const zul::ReportError&) {
    }
    return 0;
}
