#include "CZulTestAccess.h"
#include "TestPiles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zul {
namespace {

TEST(Capacity, WorkedExampleOfAnEndBearingPile) {
    CZul c = testpiles::EndBearingExample();
    c.CalcPaRa();
    EXPECT_EQ(c.Error(), 0);
    EXPECT_EQ(c.ELPL(), -10.0);
    EXPECT_EQ(c.L1(), 3.0);
    EXPECT_EQ(c.L2(), 7.0);
    EXPECT_EQ(c.Wp(), 137.45);
    ASSERT_EQ(c.RaLiFi().Count(), 3);
    const double eu[] = {0.0, -3.0, -5.0};
    const double el[] = {-3.0, -5.0, -10.0};
    const double gs[] = {18, 9, 10};
    const double fi[] = {20, 20, 100};
    const double ws[] = {42.41, 14.14, 39.27};
    const double lifi[] = {60.0, 40.0, 500.0};
    for (int k = 0; k < 3; ++k) {
        const clsZulLiFi& s = *c.RaLiFi().Item(k + 1);
        SCOPED_TRACE(k);
        EXPECT_EQ(s.EU, eu[k]);
        EXPECT_EQ(s.EL, el[k]);
        EXPECT_EQ(s.Gs, gs[k]);
        EXPECT_EQ(s.Fi, fi[k]);
        EXPECT_EQ(s.Ws, ws[k]);
        EXPECT_EQ(s.LiFi, lifi[k]);
    }
    EXPECT_DOUBLE_EQ(c.Ws(), 95.82);
    EXPECT_EQ(c.QfRa(), 600);
    EXPECT_EQ(c.qd(), 5000);
    EXPECT_EQ(c.Ru(), 5812.2);
    EXPECT_EQ(c.Ra(), 1863.8);
    EXPECT_EQ(c.QfPa(), 600);
    EXPECT_EQ(c.Pu(), 1885.2);
    EXPECT_EQ(c.Pa(), 451.7);
    // Pull-out segments carry overburden increments: 18 x 3, 9 x 2, 10 x 5.
    EXPECT_EQ(c.PaLiFi().Item(1)->Ws, 54);
    EXPECT_EQ(c.Qw(), 54 + 18 + 50);

    c.setIsWpRa(false);
    c.setIsWpPa(false);
    c.CalcPaRa();
    EXPECT_EQ(c.Ra(), 1937.4);
    EXPECT_EQ(c.Pa(), 314.2);
}

TEST(Capacity, WaterLevelAlongThePile) {
    CZul c = testpiles::EndBearingExample();
    c.setELWL(5.0); // above the head
    c.CalcPaRa();
    EXPECT_EQ(c.L1(), 0);
    EXPECT_EQ(c.L2(), 10);
    EXPECT_EQ(c.Wp(), 113.88); // 14.5 x 10 x 0.7854 = 113.883
    c.setELWL(-20.0);          // below the tip
    c.CalcPaRa();
    EXPECT_EQ(c.L1(), 10);
    EXPECT_EQ(c.L2(), 0);
    c.setELWL(-0.0005); // less than a millimetre below the head counts as at the head
    c.CalcPaRa();
    EXPECT_EQ(c.L1(), 0);
    c.setAlpha(60);
    c.setELWL(-2.0);
    c.CalcPaRa();
    EXPECT_EQ(c.ELPL(), -5.0);
    EXPECT_EQ(c.L1(), 4.0);
    EXPECT_EQ(c.L2(), 6.0);
}

TEST(Capacity, DesignGroundSurfaceBelowTheHead) {
    CZul c = testpiles::EndBearingExample();
    c.setELGL(-2.0);
    c.CalcPaRa();
    EXPECT_EQ(c.RaLiFi().Item(1)->EU, -2.0);
    EXPECT_EQ(c.QfRa(), 560);
    EXPECT_EQ(c.Wp(), 137.45);
    // The head below the design surface starts the range at the head.
    c.setELGL(3.0);
    c.CalcPaRa();
    EXPECT_EQ(c.RaLiFi().Item(1)->EU, 0.0);
}

TEST(Capacity, FrictionPileCountsSkinFrictionOnly) {
    CZul c = testpiles::EndBearingExample();
    c.setKuiType(1);
    c.setIsWpRa(false);
    c.CalcPaRa();
    EXPECT_EQ(c.qd(), 0);
    EXPECT_EQ(c.Ru(), 1885.2); // 3.142 x 600
    EXPECT_EQ(c.Ra(), 628.4);
}

TEST(Capacity, RotaryPressInPileInSand) {
    // D = 0.2 m with 0.3 m blades, 2.0 m into sand with N = 20 (water far below).
    CZul c;
    c.Jiban().Add(0, 10, 0, 18, 9, 0, 20, 0, 10, 3000, 1);
    c.setIsEcoPile(true);
    c.setKuiType(0);
    c.setDp(0.2);
    c.setDw(0.3);
    c.setDwi(0.1);
    c.setUp(0.628);
    c.setAp(0.0314);
    c.setAw(0.0628);
    c.setL(2.0);
    c.setELWL(-30);
    c.setnRa(3);
    c.setnPa(6);
    c.CalcPaRa();
    // Push-in: friction over 1.7 m, tip on the blade area.
    EXPECT_EQ(c.QfRa(), 17);
    EXPECT_EQ(c.Ru(), 199.08); // 3000 x 0.0628 + 0.628 x 17 = 188.4 + 10.676
    // Pull-out: zone 0.75 m, overburden 18 x 1.25 = 22.5 at its top.
    EXPECT_EQ(c.H(), 0.75);
    EXPECT_EQ(c.Gave(), 18);
    EXPECT_EQ(c.Qw(), 22.5);
    EXPECT_EQ(c.QfPa(), 12.5);
    // sv at mid (-1.625) is 29.25 < 50: Nc = 170 x 20 / 120 = 28.33, Fai = R0(37.05).
    EXPECT_EQ(c.Fai(), 37);
    EXPECT_EQ(c.Beta(), 2.65);
    // 0.75 x (pi x 0.3 x (0.5 x 18 x 0.75 + 22.5)) x 2.65 x tan 37 + 0.628 x 12.5 = 49.14
    EXPECT_EQ(c.Pu(), 49.14);
    EXPECT_EQ(c.Pa(), 8.2);

    // The same run again gives the same overburden and capacities.
    const double qw = c.Qw();
    const double pu = c.Pu();
    c.CalcPaRa();
    EXPECT_EQ(c.Qw(), qw);
    EXPECT_EQ(c.Pu(), pu);
    EXPECT_EQ(c.Pa(), 8.2);
}

TEST(Capacity, RotaryPressInPileBladeNeedsFrictionalSoil) {
    CZul c;
    c.Jiban().Add(0, 10, 2, 18, 9, 0, 20, 0, 10, 3000, 1); // cohesive
    c.setIsEcoPile(true);
    c.setDp(0.2);
    c.setDw(0.3);
    c.setUp(0.628);
    c.setL(2.0);
    c.setELWL(-30);
    c.setnRa(3);
    c.setnPa(6);
    c.CalcPaRa();
    EXPECT_EQ(c.Fai(), 0);
    EXPECT_EQ(c.Beta(), 0);
    EXPECT_EQ(c.Pu(), 7.85); // 0.628 x 12.5
    c.Jiban().Item(1)->Kind = 0;
    c.Jiban().Item(1)->N = 4; // sand too loose for the blade
    c.CalcPaRa();
    EXPECT_EQ(c.Fai(), 0);
    EXPECT_EQ(c.Pu(), 7.85);
    c.Jiban().Item(1)->N = 0.5; // corrected N below 1 lowers the angle
    c.Jiban().Item(1)->Kind = 1;
    c.Jiban().Add(-10, 10, 0, 18, 9, 0, 0, 0, 10, 3000, 1);
    c.CalcPaRa();
    EXPECT_EQ(c.Fai(), 0);
}

TEST(Capacity, BladeCoefficientTable) {
    const double expected[][2] = {{-5, 0},    {0, 0},     {29, 0},     {30, 1.48}, {31, 1.61}, {32, 1.75},
                                  {33, 1.89}, {34, 2.02}, {35, 2.16},  {36, 2.40}, {37, 2.65}, {38, 2.89},
                                  {39, 3.14}, {40, 3.38}, {41, 3.77},  {42, 4.16}, {43, 4.55}, {44, 4.93},
                                  {45, 5.3},  {60, 5.3},  {44.9, 4.93}};
    for (const auto& [fai, beta] : expected) {
        EXPECT_EQ(CZulTestAccess::GetBeta(fai), beta) << fai;
    }
}

TEST(Capacity, FailuresAbortTheRun) {
    {
        CZul c = testpiles::EndBearingExample();
        c.setnRa(0);
        EXPECT_THROW(c.CalcPaRa(), CalcError);
    }
    {
        CZul c = testpiles::EndBearingExample();
        c.setnPa(0);
        EXPECT_THROW(c.CalcPaRa(), CalcError);
        EXPECT_EQ(c.Ra(), 1863.8); // computed before the failure
    }
    {
        CZul c = testpiles::EndBearingExample();
        c.Jiban().Clear();
        EXPECT_THROW(c.CalcPaRa(), CalcError);
    }
    {
        CZul c = testpiles::EndBearingExample();
        c.setGp1(1e300);
        c.setAp(1e300);
        EXPECT_THROW(c.CalcPaRa(), CalcError);
    }
    {
        CZul c = testpiles::EndBearingExample();
        c.setELWL(std::nan(""));
        EXPECT_THROW(c.CalcPaRa(), CalcError);
    }
}

TEST(Capacity, InclinationOfNinetyDegreesOrMoreFails) {
    for (double theta : {90.0, 95.0, 99.9, 180.0, 269.9}) {
        CZul c = testpiles::EndBearingExample();
        c.setAlpha(theta);
        EXPECT_THROW(c.CalcPaRa(), CalcError) << theta;
    }
    CZul steep = testpiles::EndBearingExample();
    steep.setAlpha(89.9);
    steep.setKuiType(1);
    EXPECT_NO_THROW(steep.CalcPaRa());
    EXPECT_EQ(steep.ELPL(), -0.017);
    CZul negative = testpiles::EndBearingExample();
    negative.setAlpha(-10); // the cosine is what counts
    negative.CalcPaRa();
    EXPECT_EQ(negative.ELPL(), -9.848);
}

} // namespace
} // namespace zul
