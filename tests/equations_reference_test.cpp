// The equations of GB 150-1998 Appendix B against hand calculations and physical limits: the
// discharge areas of gas (critical and sub-critical flow) and saturated steam, the critical
// pressure ratio, the gas density and the relief capacity of each relief case. Each expected value
// is worked out in the comment beside it from the standard's equation (inputs in single precision,
// as the windows hold them) or is a published value; none is computed by the code under test.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/area.h"
#include "engine/number_text.h"
#include "engine/relief_capacity.h"

namespace orvane {
namespace {

// ---------------------------------------------------------------------------------------------
// Critical pressure ratio r_c = (2 / (k + 1))^(k / (k - 1)).

TEST(CriticalRatioReference, PublishedValues) {
    // The textbook table of critical pressure ratios of ideal gases.
    const std::pair<float, double> cases[] = {
        {1.1f, 0.5847}, {1.2f, 0.5645}, {1.3f, 0.5457}, {1.4f, 0.5283}, {5.0f / 3.0f, 0.4871},
    };
    for (const auto& [k, rc] : cases) {
        EXPECT_NEAR(criticalPressureRatio(k).value(), rc, 5e-5) << k;
    }
    // Air, k = 1.4 (1.39999998 as a single): 2 / 2.4 = 0.83333331 and 1.4 / 0.4 = 3.5000002 as
    // singles, 0.83333331^3.5000002 = 0.528281720670107.
    EXPECT_EQ(writeDouble(criticalPressureRatio(1.4f).value()), "0.528281720670107");
}

TEST(CriticalRatioReference, CriticalUpToTheRatioAndSubCriticalAbove) {
    // r_c(1.4) = 0.5282817207; the singles next to it are 0.528281689 (below) and 0.528281748
    // (above). With P = 1 the ratio Po / P is Po itself.
    SizingQuantities q;
    q.k = 1.4f;
    q.P = 1.0f;
    q.Po = 0.528281689f;
    EXPECT_TRUE(isCriticalFlow(q));
    q.Po = 0.528281748f;
    EXPECT_FALSE(isCriticalFlow(q));
    // Back pressure 0.1 MPa: relief at 0.2 MPa (ratio 0.5) is critical, at 0.15 MPa (0.667) not.
    q.Po = 0.1f;
    q.P = 0.2f;
    EXPECT_TRUE(isCriticalFlow(q));
    q.P = 0.15f;
    EXPECT_FALSE(isCriticalFlow(q));
    // Exactly at the ratio the flow is critical. No real k gives a ratio a single can hold, but k = 0
    // gives (2 / 1)^0 = 1 exactly, which Po = P meets.
    q.k = 0.0f;
    q.Po = 0.3f;
    q.P = 0.3f;
    EXPECT_EQ(criticalPressureRatio(0.0f).value(), 1.0);
    EXPECT_TRUE(isCriticalFlow(q));
}

// ---------------------------------------------------------------------------------------------
// Discharge areas.

SizingQuantities gas(float W, float K, float P, float M, float Z, float T) {
    SizingQuantities q;
    q.W = W;
    q.K = K;
    q.P = P;
    q.M = M;
    q.Z = Z;
    q.T = T;
    return q;
}

TEST(AreaReference, CriticalGasFlowByHand) {
    // A = W / (0.076 C K P sqrt(M / (Z T))), nitrogen: W 5000 kg/h, C 356, K 0.65, P 1.2 MPa,
    // M 28.02, Z 0.95, T 313 K.
    // sqrt(28.02 / (0.95 x 313)) = sqrt(0.0942324) = 0.3069729;
    // 0.076 x 356 x 0.65 x 1.2 x 0.3069729 = 21.103679 x 0.3069729 = 6.478259;
    // A = 5000 / 6.478259 = 771.8123 mm2.
    SizingQuantities q = gas(5000, 0.65f, 1.2f, 28.02f, 0.95f, 313);
    q.C = 356;
    Mianji1(q);
    EXPECT_EQ(writeSingle(q.A), "771.8123");
}

TEST(AreaReference, SubCriticalGasFlowByHand) {
    // A = W / (55.85 K P sqrt(k/(k-1) [r^(2/k) - r^((k+1)/k)]) sqrt(M / (Z T))), air: W 5000 kg/h,
    // K 0.65, P 0.3 MPa, Po 0.2 MPa (r = 0.6666667 > r_c = 0.5283), k 1.4, M 28.96, Z 0.98, T 300 K.
    // r^(2/1.4) = 0.5603263, r^(2.4/1.4) = 0.4990330, X = (0.5603263 - 0.4990330) x 3.5 = 0.2145268;
    // sqrt(28.96 / 0.98 / 300 x 0.2145268) = sqrt(0.0985034 x 0.2145268) = 0.1453672;
    // 55.85 x 0.65 x 0.3 x 0.1453672 = 1.5831575; A = 5000 / 1.5831575 = 3158.245 mm2.
    SizingQuantities q = gas(5000, 0.65f, 0.3f, 28.96f, 0.98f, 300);
    q.Po = 0.2f;
    q.k = 1.4f;
    Mianji2(q);
    EXPECT_EQ(writeSingle(q.A), "3158.245");
}

TEST(AreaReference, TheGasEquationsMeetAtTheCriticalRatio) {
    // At Po / P = r_c the sub-critical equation is the critical one: 55.85 sqrt(k/(k-1) [...]) equals
    // 0.076 C with C = 520 sqrt(k (2/(k+1))^((k+1)/(k-1))). The (k, C) pairs of the medium table,
    // whose C is rounded to a whole number (0.15 %), give areas that agree to 0.15 %.
    const std::pair<float, float> cases[] = {
        {1.4f, 356}, {1.35f, 351.5f}, {1.31f, 348}, {1.25f, 342}, {1.15f, 332}, {1.13f, 330}, {1.12f, 329},
        {1.11f, 328},
    };
    for (const auto& [k, C] : cases) {
        SizingQuantities q = gas(1000, 0.65f, 1.0f, 28.96f, 1.0f, 323);
        q.k = k;
        q.C = C;
        q.Po = toSingle(criticalPressureRatio(k));
        SizingQuantities critical = q, subCritical = q;
        Mianji1(critical);
        Mianji2(subCritical);
        EXPECT_NEAR(subCritical.A / critical.A, 1.0f, 0.0015f) << "k " << k << ", C " << C;
    }
}

TEST(AreaReference, SaturatedSteamByHand) {
    // Up to 10 MPa A = W / (5.25 K P); above, times (229.2 P - 7315) / (190.6 P - 6895).
    // W 1000 kg/h, K 0.65:
    //   P 10: 1000 / (5.25 x 0.65 x 10) = 1000 / 34.125 = 29.30403;
    //         factor (2292 - 7315) / (1906 - 6895) = 5023 / 4989 = 1.0068150: 29.50374
    //   P 16: 1000 / 54.6 = 18.31502; factor -3647.8 / -3845.4 = 0.9486139: 17.37388
    //   P 22: 1000 / 75.075 = 13.32001; factor -2272.6 / -2701.8 = 0.8411429: 11.20404
    struct Case {
        float P;
        const char* belowTen;  // Mianji3
        const char* aboveTen;  // Mianji4
    };
    const Case cases[] = {
        {10, "29.30403", "29.50374"}, {16, "18.31502", "17.37388"}, {22, "13.32001", "11.20404"}};
    for (const Case& c : cases) {
        SizingQuantities low = gas(1000, 0.65f, c.P, 0, 0, 0), high = low;
        Mianji3(low);
        Mianji4(high);
        EXPECT_EQ(writeSingle(low.A), c.belowTen) << c.P;
        EXPECT_EQ(writeSingle(high.A), c.aboveTen) << c.P;
    }
}

TEST(AreaReference, TheSteamEquationsMeetAtTenMegapascal) {
    // At 10 MPa the two steam equations differ by the factor 5023 / 4989 = 1.006815 only.
    SizingQuantities low = gas(1000, 0.65f, 10, 0, 0, 0), high = low;
    Mianji3(low);
    Mianji4(high);
    EXPECT_NEAR(high.A / low.A, 1.006815f, 2e-6f);
}

TEST(AreaReference, NoCapacityNoArea) {
    SizingQuantities q = gas(0, 0.65f, 1.2f, 28.02f, 0.95f, 313);
    q.C = 356;
    q.Po = 0.1f;
    q.k = 1.4f;
    for (auto* equation : {&Mianji1, &Mianji2, &Mianji3, &Mianji4}) {
        q.A = 7;
        equation(q);
        EXPECT_EQ(q.A, 0.0f);
    }
}

// ---------------------------------------------------------------------------------------------
// Gas density and relief capacity.

TEST(ReliefReference, GasDensityByHand) {
    // Rho = M x 121.9 x P / T:
    //   hydrogen M 2.015, P 0.6 MPa, T 300 K: 147.37711 / 300 = 0.491257 kg/m3
    //   chlorine M 70.91, P 1.8 MPa, T 333 K: 15559.073 / 333 = 46.72394 kg/m3
    EXPECT_EQ(writeSingle(gasDensity(2.015f, 0.6f, 300.0f)), "0.491257");
    EXPECT_EQ(writeSingle(gasDensity(70.91f, 1.8f, 333.0f)), "46.72394");
}

TEST(ReliefReference, CompressedGasByHand) {
    // W = 2.83e-3 x Rho x v x d^2: 0.00283 x 5 kg/m3 x 20 m/s x 50^2 mm2 = 707.5 kg/h.
    EXPECT_EQ(writeSingle(reliefCompressedGas(5.0f, 20, 50)), "707.5");
    // Twice the diameter, four times the flow: 2830 kg/h.
    EXPECT_EQ(writeSingle(reliefCompressedGas(5.0f, 20, 100)), "2830");
}

TEST(ReliefReference, HeatedAreaByHand) {
    // D 1000 mm, L 4000 mm, wetted height 2000 mm, in m2:
    //   elliptical heads 3.14 x 1000 x (4000 + 0.3 x 1000) / 10^6 = 13.502
    //   hemispherical heads 3.14 x 1000 x 4000 / 10^6 = 12.56
    //   vertical 3.14 x 1000 x 2000 / 10^6 = 6.28
    //   sphere 1.57 x 1000^2 / 10^6 = 1.57
    const std::pair<std::string_view, const char*> cases[] = {
        {kShapeEllipticalHeads, "13.502"}, {kShapeHemisphericalHeads, "12.56"},
        {kShapeVertical, "6.28"},          {kShapeSphere, "1.57"},
        {"卧式", "0"},
    };
    for (const auto& [shape, area] : cases) {
        EXPECT_EQ(writeDouble(heatedArea(shape, 1000, 4000, 2000).value()), area) << shape;
    }
}

TEST(ReliefReference, UninsulatedVesselInFireByHand) {
    // W = 2.55e5 F A_r^0.82 / q, A_r 10 m2 (10^0.82 = 6.6069345), q 250 kJ/kg:
    //   above ground, no spray, F 1: 255000 x 6.6069345 / 250 = 6739.073 kg/h
    //   above ground, with water spray, F 0.6: 4043.444 kg/h
    //   buried in sand, F 0.3: 2021.722 kg/h
    const std::pair<const char*, const char*> cases[] = {
        {"地面上无喷淋", "6739.073"}, {"地面上有喷淋", "4043.444"}, {"沙埋地面下", "2021.722"}};
    for (const auto& [location, W] : cases) {
        EXPECT_EQ(writeSingle(reliefUninsulated(10, locationFactor(location), 250)), W) << location;
    }
}

TEST(ReliefReference, FireCasesThroughTheirNames) {
    // A sphere of D 1000 mm: A_r = 1.57 m2, 1.57^0.82 = 1.4475638.
    //   uninsulated, with water spray (F 0.6), q 300: 255000 x 0.6 x 1.4475638 / 300 = 738.2576 kg/h
    //   insulated: 2.61 (650 - 50) lambda A_r^0.82 / (delta q), lambda 0.2, delta 50 mm = 0.05 m,
    //   q 250: 2.61 x 600 x 0.2 x 1.4475638 / (0.05 x 250) = 453.3770 / 12.5 = 36.27016 kg/h
    ReliefInputs in{};
    in.mediumType = kCaseUninsulated;
    in.shape = kShapeSphere;
    in.location = "地面上有喷淋";
    in.D = 1000;
    in.L = 123;  // plays no part for a sphere
    in.q = 300;
    EXPECT_EQ(writeSingle(reliefCapacity(in)), "738.2576");
    in.mediumType = kCaseInsulated;
    in.q = 250;
    in.t = 50;
    in.lambda = 0.2;
    in.deltaMm = 50;
    EXPECT_EQ(writeSingle(reliefCapacity(in)), "36.27016");
}

TEST(ReliefReference, InsulatedVesselInFireByHand) {
    // W = 2.61 (650 - t) lambda A_r^0.82 / (delta q), A_r 10 m2, t 50 C, lambda 0.2 kJ/(m h C),
    // delta 50 mm = 0.05 m, q 250 kJ/kg: 2.61 x 600 x 0.2 x 6.6069345 / (0.05 x 250) = 165.5434 kg/h.
    EXPECT_EQ(writeSingle(reliefInsulated(10, 0.2, 50, 50, 250)), "165.5434");
    // Hotter inside, less heat flows in: at 350 C half the temperature difference, half the flow:
    // 2.61 x 300 x 0.2 x 6.6069345 / 12.5 = 82.77168 kg/h.
    EXPECT_EQ(writeSingle(reliefInsulated(10, 0.2, 350, 50, 250)), "82.77168");
}

}  // namespace
}  // namespace orvane
