// Relief capacity by case, heated area, location factor and gas density.
#include "engine/relief_capacity.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/number_text.h"

namespace orvane {
namespace {

FaultKind faultOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const NumericFault& fault) {
        return fault.kind();
    }
    ADD_FAILURE() << "no fault";
    return FaultKind::Overflow;
}

TEST(HeatedArea, FollowsTheVesselShape) {
    EXPECT_EQ(writeDouble(heatedArea(kShapeEllipticalHeads, 2000, 6000, 1500).value()), "41.448");
    EXPECT_EQ(writeDouble(heatedArea(kShapeHemisphericalHeads, 2000, 6000, 1500).value()), "37.68");
    EXPECT_EQ(writeDouble(heatedArea(kShapeVertical, 2000, 6000, 1500).value()), "9.42");
    EXPECT_EQ(writeDouble(heatedArea(kShapeSphere, 2000, 6000, 1500).value()), "6.28");
    // The sphere ignores L, the hemispherical heads add nothing beyond D L.
    EXPECT_EQ(heatedArea(kShapeSphere, 2000, 1, 0), heatedArea(kShapeSphere, 2000, 99999, 0));
    EXPECT_EQ(writeDouble(heatedArea(kShapeHemisphericalHeads, 1000, 3000, 0).value()), "9.42");
    for (const char* other : {"椭封卧式 ", "立式", "", "球形"}) {
        EXPECT_EQ(heatedArea(other, 2000, 6000, 1500).value(), 0.0) << other;
    }
}

TEST(LocationFactor, FollowsTheInstallationLocation) {
    EXPECT_EQ(locationFactor("地面上无喷淋").value(), 1.0);
    EXPECT_EQ(locationFactor("地面上有喷淋").value(), 0.6);
    EXPECT_EQ(locationFactor("沙埋地面下").value(), 0.3);
    EXPECT_EQ(locationFactor("地面上").value(), 0.0);
}

TEST(GasDensity, IsMolarMassTimesPressureOverTemperature) {
    EXPECT_EQ(writeSingle(gasDensity(28.96f, 1.024f, 323.0f)), "11.19179");
    EXPECT_EQ(faultOf([] { (void)gasDensity(28.96f, 1.024f, 0.0f); }), FaultKind::DivisionByZero);
    EXPECT_EQ(faultOf([] { (void)gasDensity(0.0f, 1.024f, 0.0f); }), FaultKind::InvalidOperation);
}

TEST(ReliefCapacity, CompressedGasGrowsWithTheSquareOfTheInletDiameter) {
    const float rho = gasDensity(28.96f, 1.024f, 323.0f);
    EXPECT_EQ(writeSingle(reliefCompressedGas(rho, 15, 80)), "3040.586");
    EXPECT_EQ(reliefCompressedGas(rho, 15, 160), 4 * reliefCompressedGas(rho, 15, 80));
    EXPECT_EQ(reliefCompressedGas(0.0f, 15, 80), 0.0f);
}

TEST(ReliefCapacity, UninsulatedVesselInFire) {
    EXPECT_EQ(writeSingle(reliefUninsulated(41.448, 1, 1055.4)), "5122.43");
    EXPECT_EQ(reliefUninsulated(0, 1, 300), 0.0f);  // a shape that matches no name: no area, W = 0
    EXPECT_EQ(faultOf([] { (void)reliefUninsulated(41.448, 1, 0); }), FaultKind::DivisionByZero);
    EXPECT_EQ(faultOf([] { (void)reliefUninsulated(0, 1, 0); }), FaultKind::InvalidOperation);
    EXPECT_EQ(faultOf([] { (void)reliefUninsulated(-3, 1, 300); }), FaultKind::InvalidOperation);
}

TEST(ReliefCapacity, InsulatedVesselTakesTheThicknessInMillimetres) {
    // 50 m2, lambda 0.18 kJ/(m h C), 50 C, 100 mm of insulation, q 300 kJ/kg: about 230 kg/h.
    EXPECT_EQ(writeSingle(reliefInsulated(50, 0.18, 50, 100, 300)), "232.3263");
    // Ten times the insulation, a tenth of the heat.
    EXPECT_NEAR(static_cast<double>(reliefInsulated(50, 0.18, 50, 1000, 300)), 23.23263, 1e-4);
    // At 650 C or above nothing more flows in.
    EXPECT_EQ(reliefInsulated(50, 0.18, 650, 100, 300), 0.0f);
    EXPECT_LT(reliefInsulated(50, 0.18, 700, 100, 300), 0.0f);
    EXPECT_EQ(faultOf([] { (void)reliefInsulated(50, 0.18, 50, 0, 300); }), FaultKind::DivisionByZero);
    EXPECT_EQ(faultOf([] { (void)reliefInsulated(50, 0.18, 50, 100, 0); }), FaultKind::DivisionByZero);
    EXPECT_EQ(faultOf([] { (void)reliefInsulated(0, 0.18, 50, 100, 0); }), FaultKind::InvalidOperation);
    EXPECT_EQ(faultOf([] { (void)reliefInsulated(1e300, 1e300, 50, 1e-300, 1); }), FaultKind::Overflow);
}

TEST(ReliefCapacity, OverflowOfTheStoredCapacity) {
    EXPECT_EQ(faultOf([] { (void)reliefCompressedGas(3e38f, 1e10, 1e10); }), FaultKind::Overflow);
}

TEST(ReliefCaseNotice, NamesWhatCannotBeComputed) {
    EXPECT_FALSE(reliefCaseNotice(kCaseCompressedGas, kShapeVertical, 0));
    EXPECT_FALSE(reliefCaseNotice(kCaseUninsulated, kShapeVertical, 1500));
    EXPECT_FALSE(reliefCaseNotice(kCaseInsulated, kShapeSphere, 0));
    EXPECT_EQ(reliefCaseNotice("压缩气", kShapeSphere, 0)->kind, NoticeKind::UnknownReliefCase);
    EXPECT_EQ(reliefCaseNotice("压缩气或蒸气 ", kShapeSphere, 0)->kind, NoticeKind::UnknownReliefCase);
    EXPECT_EQ(reliefCaseNotice("换热发生汽", kShapeSphere, 0)->kind, NoticeKind::UnsupportedReliefCase);
    EXPECT_EQ(reliefCaseNotice("反应气", kShapeSphere, 0)->kind, NoticeKind::UnsupportedReliefCase);
    EXPECT_EQ(reliefCaseNotice(kCaseUninsulated, kShapeVertical, 0)->kind, NoticeKind::MissingWettedHeight);
    EXPECT_EQ(reliefCaseNotice(kCaseInsulated, kShapeVertical, 0)->kind, NoticeKind::MissingWettedHeight);
}

}  // namespace
}  // namespace orvane
