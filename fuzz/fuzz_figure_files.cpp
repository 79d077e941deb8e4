// Any figure index file and figure data file must read and draw without crash, hang or leak,
// and a figure read keeps within the bounds.  The first input byte chooses the reader; the rest
// is the file.
#include "FuzzCheck.h"
#include "QtFuzzApp.h"
#include "printfile/FigureFileReader.h"
#include "render/FigureDrawing.h"
#include "render/PrintDefinitions.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartQtForFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1) {
        if (const auto index = zul::ReadFigureIndexFile(text)) {
            Check(index->Entries.size() <= zul::kMaxFigureIndexEntries);
            Check(index->AreaWidth > 0 && index->AreaHeight > 0);
        }
        return 0;
    }
    const auto figure = zul::ReadFigureDataFile(text);
    if (!figure) {
        return 0;
    }
    Check(figure->Points.size() <= zul::kMaxFigurePoints);
    zul::FigureAsset asset;
    asset.index.AreaWidth = 100;
    asset.index.AreaHeight = 90;
    asset.index.Entries.push_back({"a.fig", 5, 5});
    asset.parts.push_back(*figure);
    zul::FigureDefinitions definitions{zul::DefaultLineDefinitions(), zul::DefaultTextDefinitions()};
    QImage canvas = FuzzCanvas();
    QPainter painter(&canvas);
    zul::DrawFigure(painter, asset, definitions, QRectF(0, 0, 96, 86), 0.96);
    return 0;
}
