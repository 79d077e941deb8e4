#include "calc/PileWeightNote.h"

#include "util/NumberFormat.h"

namespace zul {

std::optional<std::string> PileWeightNote(const CZul& normal) {
    if (!(normal.IsWpRa() || normal.IsWpPa()) || normal.Wp() != 0) {
        return std::nullopt;
    }
    return "杭の自重を考慮する設定ですが、杭の単位体積重量が γp1 = " + FormatNumber(normal.Gp1(), "0.00") +
           "、γp2 = " + FormatNumber(normal.Gp2(), "0.00") +
           " kN/m3 のため、杭の自重 W が 0 です。計算条件の γp1・γp2 を確認して下さい。";
}

} // namespace zul
