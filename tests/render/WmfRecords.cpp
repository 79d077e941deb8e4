#include "WmfRecords.h"

#include <QtEndian>

namespace zul::test {

std::int16_t WmfRecord::word(int index) const {
    if (index < 0 || 2 * index + 2 > params.size()) {
        return 0;
    }
    return qFromLittleEndian<std::int16_t>(params.constData() + 2 * index);
}

WmfFile ReadWmf(const QByteArray& bytes) {
    WmfFile file;
    if (bytes.size() < 40) {
        return file;
    }
    const char* d = bytes.constData();
    auto u16 = [d](int at) { return qFromLittleEndian<std::uint16_t>(d + at); };
    auto u32 = [d](int at) { return qFromLittleEndian<std::uint32_t>(d + at); };
    file.key = u32(0);
    for (int i = 0; i < 4; ++i) {
        file.box[i] = static_cast<std::int16_t>(u16(6 + 2 * i));
    }
    file.inch = u16(14);
    file.checksum = u16(20);
    for (int i = 0; i < 10; ++i) {
        file.computedChecksum ^= u16(2 * i);
    }
    file.sizeWords = u32(22 + 6);
    file.objects = u16(22 + 10);
    file.maxRecord = u32(22 + 12);
    qsizetype at = 40;
    while (at + 6 <= bytes.size()) {
        const std::uint32_t words = u32(static_cast<int>(at));
        if (words < 3 || at + 2 * static_cast<qsizetype>(words) > bytes.size()) {
            return file;
        }
        WmfRecord record;
        record.function = u16(static_cast<int>(at + 4));
        record.params = bytes.mid(at + 6, 2 * static_cast<qsizetype>(words) - 6);
        file.largestRecord = std::max(file.largestRecord, words);
        file.records.push_back(record);
        at += 2 * static_cast<qsizetype>(words);
        if (record.function == 0) {
            file.wellFormed =
                at == bytes.size() && file.sizeWords * 2 + 22 == static_cast<std::uint32_t>(bytes.size());
            return file;
        }
    }
    return file;
}

} // namespace zul::test
