#include "StudyCases.h"

namespace zul::reference {

ProjectDocument StudyWithGround(double groundTop, double water, double designGround,
                                std::initializer_list<LayerRow> layers) {
    ProjectDocument doc;
    doc.JibanLevel(1) = CellValue::Number(groundTop);
    doc.JibanLevel(2) = CellValue::Number(water);
    doc.JibanLevel(3) = CellValue::Number(designGround);
    doc.JibanLevel(4) = CellValue::Number(designGround);
    std::size_t r = 0;
    for (const LayerRow& layer : layers) {
        ++r;
        const double values[8] = {static_cast<double>(layer.kind),
                                  layer.h,
                                  layer.gs1,
                                  layer.gs2,
                                  layer.n,
                                  layer.f,
                                  layer.qd,
                                  layer.de};
        for (std::size_t c = 1; c <= 8; ++c) {
            doc.JibanLayer(c, r) = CellValue::Number(values[c - 1]);
        }
    }
    doc.JibanCount = static_cast<std::int32_t>(r);
    return doc;
}

void SetNValues(ProjectDocument& doc, std::initializer_list<std::pair<double, double>> points) {
    std::size_t r = 0;
    for (const auto& [z, n] : points) {
        ++r;
        doc.NData(1, r) = CellValue::Number(z);
        doc.NData(2, r) = CellValue::Number(n);
    }
    doc.NCount = static_cast<std::int32_t>(r);
}

void SetLengthTable(ProjectDocument& doc, double from, double to, double step,
                    std::initializer_list<double> diameters) {
    doc.RaTable(1) = CellValue::Number(from);
    doc.RaTable(2) = CellValue::Number(to);
    doc.RaTable(3) = CellValue::Number(step);
    for (std::size_t i = 11; i <= 20; ++i) {
        doc.RaTable(i) = CellValue();
    }
    std::size_t i = 11;
    for (double d : diameters) {
        doc.RaTable(i++) = CellValue::Number(d);
    }
    doc.RaTableInpFlg = true;
}

ProjectDocument DrivenPileExample(int openEnded) {
    ProjectDocument doc =
        StudyWithGround(0.0, -20.0, 0.0, {{0, 8.0, 18, 9, 10, 20, 0, 1}, {1, 10.0, 20, 10, 40, 50, 0, 1}});
    SetNValues(doc, {{1, 5}, {5, 10}, {8, 20}, {9, 40}, {12, 50}});
    CInpJyoken& c = doc.InpJyoken;
    c.D = 0.8;
    c.L = 10.0;
    c.ELPU = 0.0;
    c.Sekou = 0;
    c.Siji = 0;
    c.QdMethod = 1;
    c.QdSiji = 1;
    c.Bottom = openEnded;
    return doc;
}

ProjectDocument CastInPlaceExample(bool withWeights) {
    ProjectDocument doc =
        StudyWithGround(0.0, -3.0, 0.0, {{0, 5.0, 18, 9, 10, 20, 0, 1}, {1, 10.0, 20, 10, 40, 100, 5000, 1}});
    CInpJyoken& c = doc.InpJyoken;
    c.D = 1.0;
    c.L = 10.0;
    c.ELPU = 0.0;
    c.Sekou = 1;
    c.Siji = 0;
    c.Gp1 = 24.5;
    c.Gp2 = 14.5;
    c.IsWpRa = withWeights ? 1 : 0;
    c.IsWpPa = withWeights ? 1 : 0;
    return doc;
}

} // namespace zul::reference
