// Any metafile must play back without crash, hang or leak: the header and size readers, the
// bounds check of the preview and the player onto a small picture.
#include "QtFuzzApp.h"
#include "render/WmfPlayer.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartQtForFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static_cast<void>(zul::MetafileSizeMm(bytes));
    static_cast<void>(zul::MetafileBeyondBounds(bytes));
    if (!zul::IsMetafile(bytes)) {
        return 0;
    }
    QImage canvas = FuzzCanvas();
    QPainter painter(&canvas);
    zul::PlayMetafile(painter, bytes, QRectF(canvas.rect()));
    return 0;
}
