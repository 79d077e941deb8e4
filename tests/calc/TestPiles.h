#pragma once

#include "calc/CZul.h"

namespace zul::testpiles {

// The vertical end-bearing pile of the worked capacity example: D = 1.0 m, head 0.0,
// length 10.0, water at -3.0, sandy soil 0.0..-5.0 over sandy gravel -5.0..-15.0.
inline CZul EndBearingExample() {
    CZul c;
    c.setKuiType(0);
    c.setDp(1.0);
    c.setUp(3.142);
    c.setAp(0.7854);
    c.setL(10.0);
    c.setELPU(0.0);
    c.setELWL(-3.0);
    c.setELGL(0.0);
    c.setGp1(24.5);
    c.setGp2(14.5);
    c.setnRa(3);
    c.setnPa(6);
    c.setIsWpRa(true);
    c.setIsWpPa(true);
    c.setQdMethod(0);
    c.Jiban().Add(0.0, 5.0, 0, 18, 9, 0, 10, 0, 20, 3000, 1);
    c.Jiban().Add(-5.0, 10.0, 1, 20, 10, 0, 40, 0, 100, 5000, 1);
    return c;
}

// The driven pile of the worked tip example: D = 0.8 m, head 0.0, length 10.0, layers
// 0.0..-8.0 and -8.0..-18.0, N-values (1, 5), (5, 10), (8, 20), (9, 40), (12, 50),
// automatic tip resistance with the embedment into the layer of the tip.
inline CZul DrivenExample() {
    CZul c;
    c.setKuiType(0);
    c.setDp(0.8);
    c.setUp(2.513);
    c.setAp(0.5027);
    c.setL(10.0);
    c.setELPU(0.0);
    c.setELWL(-2.0);
    c.setELGL(0.0);
    c.setGp1(0);
    c.setGp2(0);
    c.setnRa(3);
    c.setnPa(6);
    c.setQdMethod(1);
    c.setQdNeireType(1);
    c.Jiban().Add(0.0, 8.0, 2, 17, 8, 0, 6, 0, 30, 0, 1);
    c.Jiban().Add(-8.0, 10.0, 0, 19, 9, 0, 35, 0, 60, 0, 1);
    const double points[][2] = {{1, 5}, {5, 10}, {8, 20}, {9, 40}, {12, 50}};
    for (const auto& p : points) {
        c.N().Add(p[0], p[1]);
    }
    return c;
}

} // namespace zul::testpiles
