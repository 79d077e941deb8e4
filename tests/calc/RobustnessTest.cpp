#include "calc/basCalcMain.h"

#include "TestDocuments.h"
#include "TestPiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace zul {
namespace {

void ExpectFinite(const CZul& c) {
    for (double v :
         {c.ELPL(), c.N1(), c.N2(), c.NN(),   c.Neire(), c.NeireA(), c.RNeireDp(), c.RQdNN(), c.L1(),
          c.L2(),   c.Wp(), c.Ws(), c.qd(),   c.QfRa(),  c.QfPa(),   c.Ru(),       c.Pu(),    c.Ra(),
          c.Pa(),   c.Qw(), c.H(),  c.Gave(), c.Beta(),  c.Fai(),    c.QdELNeire()}) {
        ASSERT_TRUE(std::isfinite(v));
    }
    for (const colZulLiFis* list : {&c.RaLiFi(), &c.PaLiFi()}) {
        for (const clsZulLiFi& s : *list) {
            for (double v : {s.EU, s.EL, s.Li, s.Lii, s.Gs, s.Ws, s.Fi, s.LiFi}) {
                ASSERT_TRUE(std::isfinite(v));
            }
        }
    }
    for (const clsZulNeire& r : c.Neires()) {
        for (double v : {r.EU, r.EL, r.Li, r.Lii, r.DNU, r.DNL, r.Ni, r.LiNi}) {
            ASSERT_TRUE(std::isfinite(v));
        }
    }
}

// A document with every input drawn at random, now and then at an extreme.
ProjectDocument RandomDocument(std::mt19937& rng) {
    std::uniform_real_distribution<double> unit(0, 1);
    auto pick = [&](double lo, double hi) {
        const double u = unit(rng);
        if (u < 0.03) {
            return 0.0;
        }
        if (u < 0.05) {
            return (unit(rng) < 0.5 ? -1 : 1) * std::pow(10.0, 1 + unit(rng) * 300);
        }
        return lo + (hi - lo) * unit(rng);
    };
    auto pickInt = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    ProjectDocument doc;
    CInpJyoken& c = doc.InpJyoken;
    c.D = pick(0, 3);
    c.Dw = pick(0, 4);
    c.Dwi = pick(0, 2);
    c.L = pick(0, 60);
    c.Theta = unit(rng) < 0.3 ? pick(0, 99.9) : 0;
    c.ELPU = pick(-10, 10);
    c.Sekou = pickInt(0, 7);
    c.Siji = pickInt(0, 1);
    c.IsWpRa = pickInt(0, 1);
    c.IsWpPa = pickInt(0, 1);
    c.Gp1 = pick(0, 30);
    c.Gp2 = pick(0, 20);
    c.QdMethod = pickInt(0, 1);
    c.QdSiji = pickInt(0, 2);
    c.ELSL = pick(-60, 5);
    c.Bottom = pickInt(0, 1);
    for (std::size_t i = 1; i <= 6; ++i) {
        doc.Anzen(i) = CellValue::Number(pick(0.5, 6));
    }
    for (std::size_t i = 1; i <= 4; ++i) {
        doc.JibanLevel(i) = CellValue::Number(pick(-20, 10));
    }
    doc.JibanCount = pickInt(0, 20);
    for (std::size_t r = 1; r <= static_cast<std::size_t>(doc.JibanCount); ++r) {
        doc.JibanLayer(1, r) = CellValue::Number(pickInt(0, 2));
        doc.JibanLayer(2, r) = CellValue::Number(pick(0.001, 12));
        doc.JibanLayer(3, r) = CellValue::Number(pick(10, 22));
        doc.JibanLayer(4, r) = CellValue::Number(pick(5, 12));
        doc.JibanLayer(5, r) = CellValue::Number(pick(0, 80));
        doc.JibanLayer(6, r) = CellValue::Number(pick(0, 200));
        doc.JibanLayer(7, r) = CellValue::Number(pick(0, 12000));
        doc.JibanLayer(8, r) = CellValue::Number(pick(0, 1));
    }
    doc.NCount = pickInt(0, 40);
    double z = pick(0, 3);
    for (std::size_t r = 1; r <= static_cast<std::size_t>(doc.NCount); ++r) {
        doc.NData(1, r) = CellValue::Number(z);
        doc.NData(2, r) = CellValue::Number(pick(0, 60));
        z += unit(rng) < 0.1 ? -pick(0, 2) : pick(0, 3);
    }
    testdocs::SetTable(doc, pick(0, 20), pick(0, 30), pick(0, 3), {pick(0, 2), pick(0, 2), pick(0, 2)});
    return doc;
}

TEST(Robustness, RandomDocumentsNeverCrashOrGiveNonFiniteResults) {
    std::mt19937 rng(20240601);
    int succeeded = 0;
    for (int run = 0; run < 1500; ++run) {
        const ProjectDocument doc = RandomDocument(rng);
        basCalcMain driver;
        if (driver.CalcRa(doc)) {
            ++succeeded;
            ExpectFinite(driver.CalcPair(0));
            ExpectFinite(driver.CalcPair(1));
        }
        driver.CalcRaTable(doc);
        for (int i = 0; i < driver.ResultCount(); ++i) {
            for (const clsRaTable& row : driver.ResultTables(i)) {
                ASSERT_TRUE(std::isfinite(row.Ra) && std::isfinite(row.Pa) && std::isfinite(row.Rae) &&
                            std::isfinite(row.Pae));
            }
        }
    }
    EXPECT_GT(succeeded, 300); // most random studies are calculable
}

TEST(Robustness, EndlessBalanceClimbIsStopped) {
    // A constant N of 50 down to a kilometre: the balance area stays positive all the way up.
    CZul c = testpiles::DrivenExample();
    c.setQdNeireType(2);
    c.N().Clear();
    c.N().Add(0, 50);
    c.N().Add(1000, 50);
    c.Jiban().Clear();
    c.Jiban().Add(0, 2000, 0, 18, 9, 0, 50, 0, 10, 0, 1);
    c.setL(900);
    c.CalcPaRa();
    EXPECT_EQ(c.Neire(), 900);
    // Beyond ten kilometres of climbing the search gives up as a calculation error.
    c.N().Item(2)->Z = 30000;
    c.Jiban().Item(1)->H = 40000;
    c.Jiban().Item(1)->EL = -40000;
    c.setL(20000);
    EXPECT_THROW(c.CalcPaRa(), CalcError);
    // Depths beyond the 32-bit millimetre range fail instead of wrapping.
    c.N().Item(2)->Z = 3e6;
    c.Jiban().Item(1)->H = 4e6;
    c.Jiban().Item(1)->EL = -4e6;
    c.setL(2.5e6);
    EXPECT_THROW(c.CalcPaRa(), CalcError);
}

TEST(Robustness, HugeElevationsCannotStallTheSearch) {
    // At 1e17 m a step of 0.1 m no longer changes the elevation: the search must still end.
    CZul c = testpiles::DrivenExample();
    c.setQdNeireType(2);
    c.N().Clear();
    c.N().Add(0, 50);
    c.N().Add(100, 50);
    c.Jiban().Clear();
    c.Jiban().Add(1e17, 200, 0, 18, 9, 0, 50, 0, 10, 0, 1);
    c.setELPU(1e17);
    c.setELGL(1e17);
    c.setELWL(1e17);
    c.CalcPaRa();
    EXPECT_EQ(c.NN(), 40);
    EXPECT_EQ(c.Neire(), 0);
    EXPECT_EQ(c.qd(), 4000);
}

} // namespace
} // namespace zul
