#pragma once

#include "TestDocuments.h"
#include "document/ProjectDocument.h"

#include <string>
#include <vector>

namespace zul::examples {

// One bundled sample study: its file name under examples/ and the document it holds.
struct ExampleStudy {
    std::string fileName;
    ProjectDocument doc;
};

// A cast-in-place end-bearing pile, D = 1.0 m and 10 m long, through 5 m of sand into sandy
// gravel, with the pile's weight counted in both allowable values.
inline ExampleStudy EndBearingPile() {
    ExampleStudy e{"end-bearing-pile.zul", {}};
    CInpJyoken& c = e.doc.InpJyoken;
    c.InpFlg = true;
    c.Title = "場所打ち杭（支持杭）の計算例";
    c.D = 1.0;
    c.Dw = 1.5;
    c.Dwi = 0.5;
    c.L = 10.0;
    c.Sekou = 1;
    c.Siji = 0;
    c.IsWpRa = 1;
    c.IsWpPa = 1;
    c.Gp1 = 24.5;
    c.Gp2 = 14.5;
    c.QdMethod = 0;
    testdocs::SetGround(e.doc, 0.0, -3.0, 0.0, 0.0,
                        {{0, 5.0, 18, 9, 10, 20, 1500, 1}, {1, 10.0, 20, 10, 40, 100, 5000, 1}});
    testdocs::SetNValues(e.doc,
                         {{1, 8}, {2, 10}, {3, 9}, {4, 12}, {5, 25}, {6, 38}, {8, 42}, {10, 45}, {12, 50}});
    testdocs::SetStudyTable(e.doc, 6.0, 15.0, 0.5, {"0.8", "1.0", "1.2"});
    return e;
}

// A driven steel pipe pile, D = 0.8 m, whose tip resistance is found automatically from the
// N-values near the tip and the embedment into the bearing sand layer.
inline ExampleStudy DrivenPileAutoTip() {
    ExampleStudy e{"driven-pile-auto-tip.zul", {}};
    CInpJyoken& c = e.doc.InpJyoken;
    c.InpFlg = true;
    c.Title = "打込み鋼管杭（先端支持力の自動計算）";
    c.D = 0.8;
    c.Dw = 1.2;
    c.Dwi = 0.4;
    c.L = 10.0;
    c.Sekou = 0;
    c.Siji = 0;
    c.IsWpRa = 0;
    c.IsWpPa = 0;
    c.QdMethod = 1;
    c.QdSiji = 1;
    c.Bottom = 0;
    testdocs::SetGround(e.doc, 0.0, -2.0, 0.0, 0.0,
                        {{2, 8.0, 16, 6, 8, 80, 0, 0.67}, {0, 10.0, 19, 9, 40, 80, 0, 1}});
    testdocs::SetNValues(e.doc, {{1, 5}, {5, 10}, {8, 20}, {9, 40}, {12, 50}});
    testdocs::SetStudyTable(e.doc, 8.0, 16.0, 0.5, {"0.6", "0.8", "1.0"});
    return e;
}

// A rotary press-in steel pipe pile with 0.6 m blades, 5 m into dense sand: the blades bear
// at the tip and resist pull-out with the soil above them.
inline ExampleStudy RotaryPressInPile() {
    ExampleStudy e{"rotary-press-in-pile.zul", {}};
    CInpJyoken& c = e.doc.InpJyoken;
    c.InpFlg = true;
    c.Title = "回転圧入鋼管杭（砂質土）";
    c.D = 0.4;
    c.Dw = 0.6;
    c.Dwi = 0.2;
    c.L = 8.0;
    c.Sekou = 7;
    c.Siji = 0;
    c.IsWpRa = 0;
    c.IsWpPa = 0;
    c.QdMethod = 0;
    testdocs::SetGround(e.doc, 0.0, -1.0, 0.0, 0.0,
                        {{2, 3.0, 17, 7, 3, 30, 0, 0.5}, {0, 12.0, 19, 9, 30, 60, 9000, 1}});
    testdocs::SetNValues(e.doc, {{1, 3}, {2, 3}, {3, 12}, {4, 26}, {6, 30}, {8, 32}, {10, 33}, {14, 35}});
    testdocs::SetStudyTable(e.doc, 4.0, 12.0, 0.5, {"0.3", "0.4", "0.5"});
    return e;
}

// A pre-bored friction pile, D = 0.6 m and 20 m long, carried by skin friction in soft
// cohesive layers; the top layer's friction is halved in the earthquake case.
inline ExampleStudy FrictionPileClay() {
    ExampleStudy e{"friction-pile-clay.zul", {}};
    CInpJyoken& c = e.doc.InpJyoken;
    c.InpFlg = true;
    c.Title = "摩擦杭（粘性土地盤）";
    c.D = 0.6;
    c.Dw = 0.9;
    c.Dwi = 0.3;
    c.L = 20.0;
    c.Sekou = 6;
    c.Siji = 1;
    c.IsWpRa = 1;
    c.IsWpPa = 1;
    c.Gp1 = 24.5;
    c.Gp2 = 14.5;
    c.QdMethod = 0;
    testdocs::SetGround(
        e.doc, 0.0, -1.0, 0.0, -1.5,
        {{2, 6.0, 16, 6, 2, 20, 0, 0.5}, {2, 10.0, 17, 7, 5, 50, 0, 1}, {2, 12.0, 17, 7, 8, 80, 0, 1}});
    testdocs::SetNValues(e.doc,
                         {{1, 1}, {3, 2}, {5, 2}, {7, 4}, {10, 5}, {13, 6}, {16, 7}, {20, 8}, {25, 9}});
    testdocs::SetStudyTable(e.doc, 10.0, 28.0, 1.0, {"0.5", "0.6", "0.8"});
    return e;
}

inline std::vector<ExampleStudy> AllExamples() {
    return {EndBearingPile(), DrivenPileAutoTip(), RotaryPressInPile(), FrictionPileClay()};
}

} // namespace zul::examples
