#pragma once

#include "calc/CZul.h"

#include <cmath>

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
    // The N-value steps as they use the kept profile of the points, and the plain way (copying
    // the points, inserting the two ends and keeping the range) for comparison.
    static void CalcN4D(CZul& c) {
        c.SyncProfile();
        c.CalcN4D();
    }
    static void PlainCalcN4D(CZul& c) {
        c.profileUsable_ = false;
        c.CalcN4D();
    }
    static void PlainCalcNeire(CZul& c, double el) {
        c.profileUsable_ = false;
        c.EvaluateNeire(el);
        c.SumNeireIntervals(true);
    }

    // The area-balance search written out plainly, one plain evaluation per step, with the
    // bound at the ground top or the pile head: the reference for the search that skips
    // evaluations.
    static void NaiveBalanceSearch(CZul& c) {
        const double top = c.Jiban().Item(1)->EU;
        const double limit = top < c.ELPU() ? top : c.ELPU();
        double step = 0.1;
        double el = c.ELPL() + 0.1;
        for (;;) {
            PlainCalcNeire(c, el);
            if (std::fabs(c.NeireA()) < 0.001 || step < 0.001) {
                return;
            }
            if (c.NeireA() > 0) {
                if (el + step > limit) {
                    PlainCalcNeire(c, limit);
                    return;
                }
                el = el + step;
            } else {
                el = el - step;
                step = step / 2;
            }
        }
    }
};

} // namespace zul
