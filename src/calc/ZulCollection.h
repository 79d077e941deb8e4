#pragma once

#include "calc/CalcError.h"

#include <cstdint>
#include <vector>

namespace zul {

// An ordered list of records addressed by 1-based position, without keys.  Item hands out
// the stored record itself, so callers change records in place; a pointer or reference
// from Item or Add stays valid until the collection itself is changed (Add, Remove, Clear).
template <typename Record> class ZulCollection {
public:
    using value_type = Record;

    // Removes every record.
    void Clear() { items_.clear(); }

    // Removes the record at lngIndex; false (and nothing changes) outside 1..Count.
    bool Remove(std::int32_t lngIndex) {
        if (lngIndex < 1 || lngIndex > Count()) {
            return false;
        }
        items_.erase(items_.begin() + (lngIndex - 1));
        return true;
    }

    std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }

    // The stored record at lngIndex, or nullptr outside 1..Count.
    Record* Item(std::int32_t lngIndex) {
        return lngIndex < 1 || lngIndex > Count() ? nullptr : &items_[lngIndex - 1];
    }
    const Record* Item(std::int32_t lngIndex) const {
        return lngIndex < 1 || lngIndex > Count() ? nullptr : &items_[lngIndex - 1];
    }

    // Iteration in position order (the collection's enumerator).
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const ZulCollection&) const = default;

protected:
    Record& Append(const Record& record) {
        items_.push_back(record);
        return items_.back();
    }

    // Appends with lngIndex 0; otherwise inserts before (blnBefore) or after the record at
    // lngIndex, which must lie within 1..Count.
    Record& Insert(const Record& record, std::int32_t lngIndex, bool blnBefore) {
        if (lngIndex == 0) {
            return Append(record);
        }
        if (lngIndex < 1 || lngIndex > Count()) {
            throw CalcError("insertion position out of range");
        }
        const std::int32_t at = blnBefore ? lngIndex - 1 : lngIndex;
        return *items_.insert(items_.begin() + at, record);
    }

    // Keeps the storage of earlier runs so repeated runs do not allocate.
    void Reserve(std::size_t n) { items_.reserve(n); }

private:
    std::vector<Record> items_;
};

} // namespace zul
