#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace zul::test {

// A reading of a placeable metafile, just deep enough to check what the writer produced.
struct WmfRecord {
    std::uint16_t function = 0;
    QByteArray params; // the bytes after size and function
    std::int16_t word(int index) const;
};

struct WmfFile {
    std::uint32_t key = 0;
    std::int16_t box[4] = {};
    std::uint16_t inch = 0;
    std::uint16_t checksum = 0;
    std::uint16_t computedChecksum = 0;
    std::uint32_t sizeWords = 0; // from the metafile header
    std::uint16_t objects = 0;   // from the metafile header
    std::uint32_t maxRecord = 0; // from the metafile header
    std::uint32_t largestRecord = 0;
    std::vector<WmfRecord> records; // up to and including the end record
    bool wellFormed = false;        // every size consistent, ends with the end record
};

WmfFile ReadWmf(const QByteArray& bytes);

} // namespace zul::test
