// Any print file must read, lay out and draw without crash, hang or leak: the reader of its lines
// and records, the page layout (bounded pages and lines) and the first and last page drawn.
// The records may name files of the fuzzing folder (a.idx, a.fig, a.wmf), which the input's
// first bytes fill.
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "QtFuzzApp.h"
#include "render/PrintDocument.h"
#include "render/PrintPageLayout.h"
#include "render/PrintPageRenderer.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// "@/" in the input stands for the fuzzing folder, so that records can name its files.
std::string inFolder(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '@' && i + 1 < bytes.size() && bytes[i + 1] == '/') {
            out += FuzzFolder();
        } else {
            out += bytes[i];
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartQtForFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Three referenced files first, each "<length byte><bytes>", then the print file.
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const char* names[] = {"/a.idx", "/a.fig", "/a.wmf"};
    for (const char* name : names) {
        const std::size_t length =
            rest.empty() ? 0 : std::min<std::size_t>(static_cast<std::uint8_t>(rest[0]), rest.size() - 1);
        const std::string_view bytes = rest.empty() ? std::string_view() : rest.substr(1, length);
        const std::string contents = inFolder(bytes);
        WriteFuzzFile(FuzzFolder() + name, contents.data(), contents.size());
        rest.remove_prefix(rest.empty() ? 0 : 1 + length);
    }
    zul::PrintInputLimits limits;
    limits.referencedBytes = 4096;
    const zul::PrintDocument document =
        zul::BuildPrintDocument(inFolder(rest), QString::fromStdString(FuzzFolder()), limits);
    const auto pages = zul::LayoutPrintPages(document);
    Check(!pages.empty() && pages.size() <= static_cast<std::size_t>(zul::kMaxPrintPages));
    for (const zul::PrintPage& page : pages) {
        for (const zul::PagePlacement& placement : page.placements) {
            Check(placement.line.text.size() <= zul::kMaxPrintLineBytes);
        }
    }
    static_cast<void>(zul::DocumentProblems(document));
    const zul::PrintPageRenderer renderer(document);
    QImage canvas = FuzzCanvas();
    QPainter painter(&canvas);
    renderer.paintPage(painter, 0, QRectF(canvas.rect()));
    renderer.paintPage(painter, renderer.pageCount() - 1, QRectF(canvas.rect()));
    return 0;
}
