// The discharge area equations and the critical pressure ratio.
#include "engine/area.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/number_text.h"

namespace orvane {
namespace {

SizingQuantities air(float P) {
    SizingQuantities q;
    q.W = 1000;
    q.C = 356;
    q.K = 0.65f;
    q.P = P;
    q.Po = 0.1f;
    q.k = 1.4f;
    q.M = 28.96f;
    q.Z = 1.0f;
    q.T = 323;
    return q;
}

FaultKind faultOf(SizingQuantities q, void (*equation)(SizingQuantities&)) {
    try {
        equation(q);
    } catch (const NumericFault& f) {
        return f.kind();
    }
    ADD_FAILURE() << "no fault";
    return FaultKind::Overflow;
}

TEST(CriticalPressureRatio, ForAirRoundsBaseAndExponentToSingle) {
    EXPECT_NEAR(criticalPressureRatio(1.4f).value(), 0.52828, 5e-6);
    EXPECT_EQ(writeDouble(criticalPressureRatio(1.4f).value()), "0.528281720670107");
}

TEST(CriticalPressureRatio, ChoosesCriticalFlowUpToTheRatio) {
    EXPECT_TRUE(isCriticalFlow(air(0.2f)));    // 0.5
    EXPECT_FALSE(isCriticalFlow(air(0.15f)));  // 0.667
    SizingQuantities q = air(0.2f);
    q.k = 1;
    try {
        (void)isCriticalFlow(q);
        ADD_FAILURE() << "k = 1 gives no fault";
    } catch (const NumericFault& f) {
        EXPECT_EQ(f.kind(), FaultKind::DivisionByZero);
    }
}

TEST(Mianji, GasEquationsGiveExactAreas) {
    SizingQuantities critical = air(0.2f);
    Mianji1(critical);
    EXPECT_EQ(writeSingle(critical.A), "949.5002");
    SizingQuantities subcritical = air(0.15f);
    Mianji2(subcritical);
    EXPECT_EQ(writeSingle(subcritical.A), "1324.139");
}

TEST(Mianji, GasEquationsMeetAtTheCriticalRatio) {
    const float P = toSingle(Real(0.1f) / criticalPressureRatio(1.4f));
    SizingQuantities a = air(P), b = air(P);
    Mianji1(a);
    Mianji2(b);
    EXPECT_EQ(writeSingle(a.A), "1003.207");
    EXPECT_EQ(writeSingle(b.A), "1003.75");
    EXPECT_LT(std::abs(a.A - b.A) / a.A, 0.001f);
}

TEST(Mianji, SteamEquationsMeetAtTenMegapascal) {
    SizingQuantities low = air(10.0f), high = air(std::nextafter(10.0f, 11.0f)), top = air(22.0f);
    Mianji3(low);
    Mianji4(high);
    Mianji4(top);
    EXPECT_EQ(writeSingle(low.A), "29.30403");
    EXPECT_EQ(writeSingle(high.A), "29.50373");
    EXPECT_EQ(writeSingle(top.A), "11.20404");
    EXPECT_LT((high.A - low.A) / low.A, 0.007f);
}

TEST(Mianji, NoCapacityNoArea) {
    for (auto* equation : {&Mianji1, &Mianji2, &Mianji3, &Mianji4}) {
        SizingQuantities q = air(0.15f);
        q.W = 0;
        q.A = 7;
        equation(q);
        EXPECT_EQ(q.A, 0.0f);
    }
}

TEST(Mianji, FaultsLeaveTheAreaUnwritten) {
    struct Case {
        const char* what;
        void (*equation)(SizingQuantities&);
        std::function<void(SizingQuantities&)> change;
        FaultKind expected;
    };
    const Case cases[] = {
        {"Mianji1 C = 0", &Mianji1, [](auto& q) { q.C = 0; }, FaultKind::DivisionByZero},
        {"Mianji1 K = 0", &Mianji1, [](auto& q) { q.K = 0; }, FaultKind::DivisionByZero},
        {"Mianji1 Z = 0", &Mianji1, [](auto& q) { q.Z = 0.0f; }, FaultKind::DivisionByZero},
        {"Mianji1 Z none", &Mianji1, [](auto& q) { q.Z.reset(); }, FaultKind::DivisionByZero},
        {"Mianji1 T = 0", &Mianji1, [](auto& q) { q.T = 0; }, FaultKind::DivisionByZero},
        {"Mianji1 M = 0", &Mianji1, [](auto& q) { q.M = 0; }, FaultKind::DivisionByZero},
        {"Mianji1 M = 0, W = 0", &Mianji1, [](auto& q) { q.M = 0; q.W = 0; }, FaultKind::InvalidOperation},
        {"Mianji1 M < 0", &Mianji1, [](auto& q) { q.M = -1; }, FaultKind::InvalidOperation},
        {"Mianji1 A too large", &Mianji1, [](auto& q) { q.W = 3e38f; q.C = 1e-30f; }, FaultKind::Overflow},
        {"Mianji2 Po = 0", &Mianji2, [](auto& q) { q.Po = 0; }, FaultKind::DivisionByZero},
        {"Mianji2 Po = P", &Mianji2, [](auto& q) { q.Po = q.P; }, FaultKind::DivisionByZero},
        {"Mianji2 Po > P", &Mianji2, [](auto& q) { q.Po = 0.2f; }, FaultKind::InvalidOperation},
        {"Mianji2 Po < 0", &Mianji2, [](auto& q) { q.Po = -0.1f; }, FaultKind::InvalidOperation},
        {"Mianji2 k = 0", &Mianji2, [](auto& q) { q.k = 0; }, FaultKind::DivisionByZero},
        {"Mianji2 k = 1", &Mianji2, [](auto& q) { q.k = 1; }, FaultKind::DivisionByZero},
        {"Mianji2 P = 0", &Mianji2, [](auto& q) { q.P = 0; }, FaultKind::DivisionByZero},
        {"Mianji3 P = 0", &Mianji3, [](auto& q) { q.P = 0; }, FaultKind::DivisionByZero},
        {"Mianji3 K = 0", &Mianji3, [](auto& q) { q.K = 0; }, FaultKind::DivisionByZero},
        {"Mianji3 K = 0, W = 0", &Mianji3, [](auto& q) { q.K = 0; q.W = 0; }, FaultKind::InvalidOperation},
        {"Mianji4 P = 0", &Mianji4, [](auto& q) { q.P = 0; }, FaultKind::DivisionByZero},
        {"Mianji3 A too large", &Mianji3, [](auto& q) { q.W = 3e38f; q.P = 1e-3f; }, FaultKind::Overflow},
    };
    for (const Case& c : cases) {
        SizingQuantities q = air(0.15f);
        q.A = 42;
        c.change(q);
        EXPECT_EQ(faultOf(q, c.equation), c.expected) << c.what;
        SizingQuantities after = q;
        try {
            c.equation(after);
        } catch (const NumericFault&) {
        }
        EXPECT_EQ(after.A, 42.0f) << c.what;
    }
}

}  // namespace
}  // namespace orvane
