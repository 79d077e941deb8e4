#pragma once

#include "calc/CZul.h"

namespace zul {

// Reaches the private steps of CZul so they can be checked one at a time.
struct CZulTestAccess {
    static void InsertN(double z, colZulNs& list) { CZul::InsertN(z, list); }
    static void MakeLiFi(const CZul& c, double top, double bottom, int mode, colZulLiFis& list) {
        c.MakeLiFi(top, bottom, mode, list);
    }
    static void SplitLiFi(double el, colZulLiFis& list) { CZul::SplitLiFi(el, list); }
    static double GetBeta(double fai) { return CZul::GetBeta(fai); }
    static void SetELPL(CZul& c, double v) { c.ELPL_ = v; }
    static void CalcNeire(CZul& c, double el) { c.CalcNeire(el); }
    static void SetNN(CZul& c, double v) { c.NN_ = v; }
};

} // namespace zul
