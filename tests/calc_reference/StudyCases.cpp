#include "StudyCases.h"

namespace zul::reference {

ProjectDocument StudyWithGround(double groundTop, double water, double designGround,
                                const std::vector<LayerRow>& layers) {
    ProjectDocument doc;
    testdocs::SetGround(doc, groundTop, water, designGround, designGround, layers);
    return doc;
}

void SetLengthTable(ProjectDocument& doc, double from, double to, double step,
                    std::initializer_list<double> diameters) {
    for (std::size_t i = 11; i <= 20; ++i) {
        doc.RaTable(i) = CellValue();
    }
    testdocs::SetTable(doc, from, to, step, diameters);
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
