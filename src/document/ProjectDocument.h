#pragma once

#include "document/BoreholeSource.h"
#include "document/CInpJyoken.h"
#include "document/CellValue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace zul {

// A row of cells addressed 1..N, as the document's one-dimensional arrays are.
template <std::size_t N> class CellArray {
public:
    static constexpr std::size_t size = N;
    CellValue& operator()(std::size_t i) { return cells_.at(checked(i)); }
    const CellValue& operator()(std::size_t i) const { return cells_.at(checked(i)); }
    bool operator==(const CellArray&) const = default;

private:
    static std::size_t checked(std::size_t i) {
        if (i < 1 || i > N) {
            throw std::out_of_range("cell index");
        }
        return i - 1;
    }
    std::array<CellValue, N> cells_{};
};

// A table of cells addressed (column 1..Cols, row 1..Rows).
template <std::size_t Cols, std::size_t Rows> class CellTable {
public:
    static constexpr std::size_t columns = Cols;
    static constexpr std::size_t rows = Rows;
    CellValue& operator()(std::size_t c, std::size_t r) { return cells_.at(checked(c, r)); }
    const CellValue& operator()(std::size_t c, std::size_t r) const { return cells_.at(checked(c, r)); }
    bool operator==(const CellTable&) const = default;

private:
    static std::size_t checked(std::size_t c, std::size_t r) {
        if (c < 1 || c > Cols || r < 1 || r > Rows) {
            throw std::out_of_range("cell index");
        }
        return (r - 1) * Cols + (c - 1);
    }
    std::array<CellValue, Cols * Rows> cells_{};
};

inline constexpr std::int32_t kMaxLayers = 20;
inline constexpr std::int32_t kMaxNPoints = 100;
inline constexpr std::int32_t kMaxTableDiameters = 10;

// The complete input of one study case and the run state that goes with it.
struct ProjectDocument {
    // 1. calculation conditions
    CInpJyoken InpJyoken;
    // 2. safety factors: 1..3 normal case (push-in end-bearing, push-in friction, pull-out),
    //    4..6 the same for the level-1 earthquake case, 7..10 unused
    bool AnzenInpFlg = true;
    CellArray<10> Anzen;
    // 3. ground: levels 1 ground surface, 2 water level, 3/4 design ground surface normal/earthquake
    bool JibanInpFlg = false;
    CellArray<10> JibanLevel;
    std::int32_t JibanCount = 0;
    CellTable<8, kMaxLayers> JibanLayer; // columns: kind, h, gs1, gs2, N, f, qd, DE
    // 4. N values: column 1 depth, column 2 N value
    std::int32_t NCount = 0;
    CellTable<2, kMaxNPoints> NData;
    // 5. study graph table: 1 length from, 2 length to, 3 step, 11..20 diameters
    bool RaTableInpFlg = false;
    CellArray<20> RaTable;
    // 6. the borehole the ground was imported from (none: entered by hand)
    std::optional<BoreholeSource> boreholeSource;

    // 7. run state, not reset by InitInputData
    bool DataEdited = false;
    std::string DataFileName;
    std::int32_t DataKind = 1;
    bool RaTableDone = false;
    std::string IniFileName;
    std::string FmtFileName;
    std::string DataFolder;

    ProjectDocument();

    // Entered state of each input area as the main window shows it.
    bool conditionsEntered() const { return InpJyoken.InpFlg; }
    bool safetyFactorsEntered() const { return AnzenInpFlg; }
    bool groundEntered() const { return JibanCount >= 1; }
    bool nValuesEntered() const { return NCount >= 1; }
    bool tableEntered() const { return RaTableInpFlg; }
};

// Resets the document to a new one: empty arrays, default conditions, the standard safety
// factors 3, 4, 6, 2, 3, 3, no layers, no N values, no table, no borehole source.  Leaves JibanInpFlg,
// DataEdited, DataFileName, DataKind and the paths as they are.
void InitInputData(ProjectDocument& doc);

// A confirmed input screen changed the study: the data is edited, and the study graph made
// before (RaTableDone) no longer belongs to it, so the graph report cannot print it.
void MarkInputEdited(ProjectDocument& doc);

// True when both documents hold the same study case (inputs, counts, flags, the borehole source;
// not the run state).
bool SameStudy(const ProjectDocument& a, const ProjectDocument& b);

} // namespace zul
