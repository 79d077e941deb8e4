#include "calc/EnteredValueNotes.h"

#include "util/NumberFormat.h"

namespace zul {

std::vector<std::string> EnteredValueNotes(const ProjectDocument& doc, const CZul& normal,
                                           const CZul& quake) {
    std::vector<std::string> notes;
    const struct {
        const char* what;
        double n;
    } factors[] = {{"常時の押込み", normal.nRa()},
                   {"常時の引抜き", normal.nPa()},
                   {"地震時の押込み", quake.nRa()},
                   {"地震時の引抜き", quake.nPa()}};
    for (const auto& f : factors) {
        if (f.n > 0 && f.n < 1) {
            notes.push_back(std::string(f.what) + "の安全率 n = " + FormatNumber(f.n, "0.00") +
                            " が 1 より小さいため、許容値が極限値を上回ります。安全率を確認して下さい。");
        }
    }
    for (std::int32_t i = 1; i <= doc.JibanCount && i <= kMaxLayers; ++i) {
        const auto h = doc.JibanLayer(2, static_cast<std::size_t>(i)).toNumber();
        if (h && *h == 0) {
            notes.push_back("第 " + std::to_string(i) + " 層の層厚が 0 m のため、この層は計算に現れません。" +
                            "地層データを確認して下さい。");
        }
    }
    return notes;
}

} // namespace zul
