#include "calc/LayerValueNotes.h"

#include "document/ConstructionMethod.h"
#include "document/LayerStandardValues.h"
#include "document/SoilKind.h"
#include "util/NumberFormat.h"

#include <set>

namespace zul {

namespace {

// Values count as above the standard only beyond the precision the screen keeps.
constexpr double kAbove = 0.0001;

std::string LayerName(std::int32_t number, const clsZulJiban& layer) {
    return "第 " + std::to_string(number) + " 層（" + std::string(SoilKindName(layer.Kind)) + "、N値 " +
           FormatNumber(layer.N, "0.0") + "）";
}

std::string AboveStandardNote(std::int32_t number, const clsZulJiban& layer, const char* quantity,
                              double entered, double standard, const char* picture) {
    return LayerName(number, layer) + "に入力された" + quantity + " = " + FormatNumber(entered, picture) +
           " kN/m2 が、施工方法・層種・N値による標準値（ﾃﾞﾌｫﾙﾄ値）" + FormatNumber(standard, picture) +
           " kN/m2 を超えています。入力値の根拠を確認して下さい。";
}

} // namespace

double BearingLayerMinimumN(std::int32_t kind) {
    return IsGranular(kind) ? 30 : 20;
}

std::int32_t TipLayerNumber(const CZul& z) {
    const colZulJiban& layers = z.Jiban();
    for (std::int32_t i = 1; i <= layers.Count(); ++i) {
        const clsZulJiban& layer = *layers.Item(i);
        if (z.ELPL() < layer.EU && z.ELPL() >= layer.EL - 1e-9) {
            return i;
        }
    }
    return 0;
}

std::vector<std::string> LayerValueNotes(const ProjectDocument& doc, const CZul& normal) {
    std::vector<std::string> notes;
    const std::int32_t method = doc.InpJyoken.Sekou;
    const colZulJiban& layers = normal.Jiban();
    const auto standard = [&](const clsZulJiban& layer) {
        return StandardLayerValues(method, layer.Kind, layer.Gs1, layer.N);
    };
    const bool endBearing = normal.KuiType() == static_cast<std::int32_t>(PileKind::EndBearing);
    if (const std::int32_t tip = TipLayerNumber(normal); endBearing && tip > 0) {
        const clsZulJiban& layer = *layers.Item(tip);
        const double minimum = BearingLayerMinimumN(layer.Kind);
        if (layer.N < minimum) {
            notes.push_back("支持杭の先端がある" + LayerName(tip, layer) + "は、" +
                            std::string(SoilKindName(layer.Kind)) + "の支持層の目安のN値 " +
                            FormatNumber(minimum, "0") + " 未満です。支持層として妥当か確認して下さい。");
        }
        // The entered value is the tip resistance unless the automatic value stands for it.
        const bool automaticTip = AllowsAutomaticTip(method) && doc.InpJyoken.QdMethod != 0;
        const double qd = standard(layer).qd;
        if (!automaticTip && qd > 0 && layer.qd > qd + kAbove) {
            notes.push_back(AboveStandardNote(tip, layer, "先端支持力度 qd", layer.qd, qd, "0"));
        }
    }
    // The layers along the pile: those of its push-in and pull-out segments with friction.
    std::set<std::int32_t> along;
    for (const colZulLiFis* segments : {&normal.RaLiFi(), &normal.PaLiFi()}) {
        for (const clsZulLiFi& s : *segments) {
            if (!s.IsNonF && s.No >= 1 && s.No <= layers.Count()) {
                along.insert(s.No);
            }
        }
    }
    for (const std::int32_t k : along) {
        const clsZulJiban& layer = *layers.Item(k);
        const double f = standard(layer).f;
        if (f > 0 && layer.f > f + kAbove) {
            notes.push_back(AboveStandardNote(k, layer, "最大周面摩擦力度 f", layer.f, f, "0.0"));
        }
    }
    return notes;
}

} // namespace zul
