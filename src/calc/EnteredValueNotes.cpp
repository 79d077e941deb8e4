#include "calc/EnteredValueNotes.h"

#include "calc/CalcFailureCauses.h"
#include "util/NumberFormat.h"

namespace zul {

namespace {

bool IsZero(const CellValue& cell) {
    const auto value = cell.toNumber();
    return value && *value == 0;
}

} // namespace

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
        } else if (f.n < 0) {
            notes.push_back(std::string(f.what) + "の安全率 n = " + FormatNumber(f.n, "0.00") +
                            " が負のため、許容値の符号が極限値と逆になります。安全率を確認して下さい。");
        }
    }
    for (std::int32_t i = 1; i <= doc.JibanCount && i <= kMaxLayers; ++i) {
        const auto h = doc.JibanLayer(2, static_cast<std::size_t>(i)).toNumber();
        const auto row = static_cast<std::size_t>(i);
        if (h && *h == 0) {
            notes.push_back("第 " + std::to_string(i) + " 層の層厚が 0 m のため、この層は計算に現れません。" +
                            "地層データを確認して下さい。");
        } else if (IsZero(doc.JibanLayer(3, row)) && IsZero(doc.JibanLayer(4, row))) {
            // A layer added on the screen starts with unit weights of 0: the overburden of
            // every layer below then lacks this one's weight.
            notes.push_back("第 " + std::to_string(i) + " 層の単位体積重量 γs、γs' が 0 のままです。" +
                            "地層データを確認して下さい。");
        }
    }
    // An N row added on the screen starts at depth 0 with N 0; after the first row such a row
    // puts a second point at the ground surface.
    for (std::int32_t i = 2; i <= doc.NCount && i <= kMaxNPoints; ++i) {
        const auto row = static_cast<std::size_t>(i);
        if (IsZero(doc.NData(1, row)) && IsZero(doc.NData(2, row))) {
            notes.push_back("Ｎ値の " + std::to_string(i) + " 行目が深度 0 m、Ｎ値 0 のままです。" +
                            "Ｎ値データを確認して下さい。");
        }
    }
    // A value no screen takes came from a file; the calculation takes it as it stands.
    for (const std::string& beyond : InputsBeyondTheirRange(doc)) {
        notes.push_back(beyond + "入力値を確認して下さい。");
    }
    return notes;
}

} // namespace zul
