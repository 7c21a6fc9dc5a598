// Values at their edges: the working quantities as a window opens, numbers too small for a double,
// the pressure bounds of the steam equations in the bursting disc, and how the disc's input
// parameters writes down its two range lookups.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <variant>

#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "disc/disc_input_rules.h"
#include "engine/number_text.h"
#include "engine/real.h"
#include "form/messages.h"
#include "valve/valve_controls.h"
#include "valve/valve_input_rules.h"
#include "form/calculation_record.h"
#include "form/memory_form.h"
#include "valve/valve_calculation.h"

namespace orvane {
namespace {

TEST(WorkingQuantities, AreZeroWhenAWindowOpens) {
    const valve::ValveQuantities v;
    const disc::DiscQuantities d;
    for (const SizingQuantities* q : {static_cast<const SizingQuantities*>(&v), static_cast<const SizingQuantities*>(&d)}) {
        for (const float x : {q->W, q->C, q->P, q->T, q->k, q->Po, q->K, q->M, q->Pi, q->Rho, q->A}) EXPECT_EQ(x, 0.0f);
        ASSERT_TRUE(q->Z.has_value());
        EXPECT_EQ(*q->Z, 0.0f);
    }
    EXPECT_EQ(v.Pd, 0.0f);
    EXPECT_EQ(v.Pw, 0.0f);
    EXPECT_EQ(d.Pb, 0.0f);
    EXPECT_EQ(d.Pd, 0.0f);
}

TEST(ReadNumber, ANumberBelowTheDoubleRangeReadsAsZero) {
    // 350 zeros after the point and then 1e10: 1e-341, below the smallest double (4.9e-324) for all
    // its positive exponent. 400 leading zeros and 1e-350: 1e-350, the zeros count for nothing.
    const std::string zerosAfterPoint = "0." + std::string(350, '0') + "1e10";
    const std::string leadingZeros = std::string(400, '0') + "1e-350";
    for (const std::string& text : {std::string("1e-400"), std::string("-1e-400"), std::string("0.5e-330"),
                                    std::string("123e-500"), zerosAfterPoint, leadingZeros}) {
        EXPECT_EQ(writeDouble(readNumber(text)), "0") << text;
        EXPECT_FALSE(std::signbit(readNumber(text))) << text;
    }
}

class DiscEdges : public testing::Test {
protected:
    MemoryForm form{disc::windowTable()};
    disc::DiscQuantities q;
    ProgramValues shared;
};

TEST_F(DiscEdges, BeforeInputParametersTheBurstAndDesignPressuresShowZero) {
    // P = Pb + 0.1 = 0.1 MPa with Pb = Pd = 0.
    form.setText("Text1", "饱和气");
    form.setText("Text7", "100");
    ASSERT_TRUE(isDone(disc::calculate(form, q, shared)));
    EXPECT_EQ(form.text("Text13"), "0");
    EXPECT_EQ(form.text("Text3"), "0");
    // 100 / 5.25 / 0.65 / 0.1 = 293.04 mm2
    EXPECT_EQ(form.text("Text8"), "293.0403");
}

TEST_F(DiscEdges, SaturatedVapourTakesTheEquationOfItsPressureOnEachSideOfTenAndTwentyTwo) {
    struct Case {
        float Pb;
        const char* choice;  // the recorded choice of the area equation, or nothing
    };
    const Case cases[] = {
        {9.9f, "饱和蒸汽，P ≤ 10 MPa"},           // P = 10
        {9.95f, "饱和蒸汽，10 MPa < P ≤ 22 MPa"},  // P = 10.05
        {21.9f, "饱和蒸汽，10 MPa < P ≤ 22 MPa"},  // P = 22
        {21.95f, nullptr},                          // P = 22.05: no equation
    };
    form.setText("Text1", "饱和气");
    form.setText("Text7", "1000");
    for (const Case& c : cases) {
        q.Pb = c.Pb;
        const Outcome o = disc::calculate(form, q, shared);
        if (c.choice == nullptr) {
            ASSERT_TRUE(std::holds_alternative<Notice>(o)) << c.Pb;
            EXPECT_EQ(std::get<Notice>(o).kind, NoticeKind::NoAreaEquation);
            EXPECT_EQ(form.text("Text8"), "");
            continue;
        }
        ASSERT_TRUE(isDone(o)) << c.Pb;
        bool found = false;
        for (const RecordStep& s : q.memory.record->steps) found = found || s.equation == c.choice;
        EXPECT_TRUE(found) << c.Pb;
    }
}

TEST_F(DiscEdges, InputParametersWritesDownBothRangeLookups) {
    // Working pressure 0.68, 普通正拱 (1.43), 1.0级: p_min = 0.9724 lies in the row above 0.7, the
    // second lookup at 0.9724 + 0.045 = 1.0174 in the row above 1.
    form.setText("Text2", "0.68");
    ASSERT_TRUE(isDone(disc::inputParameters(form, q, shared)));
    const auto& steps = q.memory.derivation;
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].result, "0.9724");
    EXPECT_EQ(steps[1].name, "制造范围（第 1 次）");
    EXPECT_EQ(steps[1].result, "0.085 / 0.045");
    EXPECT_EQ(steps[2].name, "制造范围（第 2 次）");
    EXPECT_EQ(steps[2].result, "0.11 / 0.065");
    EXPECT_EQ(steps[3].result, "1.0374");
    EXPECT_EQ(steps[4].result, "1.1474");
}


TEST(CheckedPower, ZeroToANegativePowerIsADivisionByZeroToZeroOneAndToAPositiveOneZero) {
    // 0^-0.5 = 1 / sqrt(0); 0^0.05 = 0.
    try {
        (void)pow(Real(0.0), Real(-0.5));
        ADD_FAILURE() << "no fault";
    } catch (const NumericFault& f) {
        EXPECT_EQ(f.kind(), FaultKind::DivisionByZero);
    }
    EXPECT_EQ(pow(Real(0.0), Real(0.05)).value(), 0.0);
    // 0^0 = 1, as for any base: no fault.
    EXPECT_EQ(pow(Real(0.0), Real(0.0)).value(), 1.0);
}

TEST(NothingSizedFromNothingCauses, ASmallInsulatedVesselAt650DegreesIsToldByItsTemperatureOnly) {
    // D 100 mm, L 100 mm: A_r = 3.14 x 100 x (100 + 30) / 10^6 = 0.0408 m2, above zero; t 650 C makes
    // 650 - t zero, so W = 0.
    MemoryForm form{valve::windowTable()};
    valve::ValveQuantities q;
    ProgramValues shared;
    form.setText("Combo1", "液氨");
    form.setText("Combo2", "有保温液化气");
    ASSERT_TRUE(isDone(valve::inputParameters(form, q, shared)));
    for (const auto& [field, text] : {std::pair{"Text19", "100"}, {"Text20", "100"}, {"Text21", "650"},
                                      {"Text22", "100"}, {"Text23", "0.2"}}) {
        form.setText(field, text);
    }
    const Outcome o = valve::calculate(form, q, shared);
    ASSERT_TRUE(std::holds_alternative<Notice>(o));
    const std::string text = describe(o, form.table()).text;
    EXPECT_NE(text.find("泄放温度 650 ℃ 不低于 650 ℃"), std::string::npos) << text;
    EXPECT_EQ(text.find("受热面积"), std::string::npos) << text;
}

TEST(NothingSizedFromNothingCauses, AnAreaTooSmallForSinglePrecisionSizesNothing) {
    // W = 1.4e-45 kg/h (the smallest float) is above zero, but its area, about 2.6e-46 mm2, rounds to 0
    // in single precision.
    MemoryForm form{valve::windowTable()};
    valve::ValveQuantities q;
    ProgramValues shared;
    form.setText("Combo1", "空气");
    ASSERT_TRUE(isDone(valve::inputParameters(form, q, shared)));
    form.setText("Text7", "1.5e-45");
    const Outcome o = valve::calculate(form, q, shared);
    ASSERT_TRUE(std::holds_alternative<Notice>(o));
    EXPECT_EQ(std::get<Notice>(o).kind, NoticeKind::NoDeviceSized);
    EXPECT_EQ(form.text("Text17"), "");
    EXPECT_EQ(form.text("Text16"), "");
    // The cause is the area; the typed W is above zero and no cause.
    const std::string text = describe(o, form.table()).text;
    EXPECT_NE(text.find("安全泄放面积 A = 0 mm²，不大于零"), std::string::npos) << text;
    EXPECT_EQ(text.find("安全泄放量为输入值"), std::string::npos) << text;
}

TEST(NothingSizedFromNothingCauses, AListedShapeWithNoAreaIsToldToCheckItsSize) {
    // A vertical vessel of outer diameter 0 heats no area: W = 0. The shape is one of the list.
    MemoryForm form{valve::windowTable()};
    valve::ValveQuantities q;
    ProgramValues shared;
    form.setText("Combo1", "液氨");
    form.setText("Combo2", "无保温液化气");
    form.setText("Combo3", "立式容器");
    ASSERT_TRUE(isDone(valve::inputParameters(form, q, shared)));
    form.setText("Text19", "0");
    form.setText("Text26", "1500");
    const std::string text = describe(valve::calculate(form, q, shared), form.table()).text;
    EXPECT_NE(text.find("受热面积 A_r = 0 m²：请检查容器尺寸"), std::string::npos) << text;
    EXPECT_EQ(text.find("不在列表中"), std::string::npos) << text;
}

TEST(HeatedAreaStep, EachShapeRecordsItsOwnRelationAndNumbers) {
    // D 2000 mm, L 6000 mm, h 4000 mm, uninsulated liquid ammonia above ground:
    //   elliptical heads: 3.14 x 2000 x (6000 + 600) / 10^6 = 41.448 m2
    //   hemispherical heads: 3.14 x 2000 x 6000 / 10^6 = 37.68 m2
    //   vertical: 3.14 x 2000 x 4000 / 10^6 = 25.12 m2
    //   sphere: 1.57 x 2000^2 / 10^6 = 6.28 m2
    //   a shape not in the list heats no area.
    struct Case {
        const char* shape;
        const char* equation;
        const char* substituted;
        const char* area;
    };
    const Case cases[] = {
        {"椭封卧式", "A_r = 3.14 × D × (L + 0.3 × D) / 10^6", "3.14 × 2000 × (6000 + 0.3 × 2000) / 10^6", "41.448"},
        {"球封卧式", "A_r = 3.14 × D × L / 10^6", "3.14 × 2000 × 6000 / 10^6", "37.68"},
        {"立式容器", "A_r = 3.14 × D × h / 10^6", "3.14 × 2000 × 4000 / 10^6", "25.12"},
        {"球形容器", "A_r = 1.57 × D² / 10^6", "1.57 × 2000² / 10^6", "6.28"},
        {"卧式", "A_r = 0（容器形状“卧式”不在列表中）", "—", "0"},
    };
    for (const Case& c : cases) {
        MemoryForm form{valve::windowTable()};
        valve::ValveQuantities q;
        ProgramValues shared;
        form.setText("Combo1", "液氨");
        form.setText("Combo2", "无保温液化气");
        ASSERT_TRUE(isDone(valve::inputParameters(form, q, shared)));
        form.setText("Combo3", c.shape);
        for (const auto& [field, text] : {std::pair{"Text19", "2000"}, {"Text20", "6000"}, {"Text26", "4000"}}) {
            form.setText(field, text);
        }
        (void)valve::calculate(form, q, shared);
        ASSERT_TRUE(q.memory.record) << c.shape;
        const RecordStep* step = nullptr;
        for (const RecordStep& s : q.memory.record->steps) {
            if (s.symbol == "A_r") step = &s;
        }
        ASSERT_NE(step, nullptr) << c.shape;
        EXPECT_EQ(step->equation, c.equation) << c.shape;
        EXPECT_EQ(step->substituted, c.substituted) << c.shape;
        EXPECT_EQ(step->result, c.area) << c.shape;
    }
}

TEST(NothingSizedFromNothingCauses, AShapeNotInTheListIsNamed) {
    // A case file or a batch row may name a shape the list does not have: it heats no area, W = 0.
    MemoryForm form{valve::windowTable()};
    valve::ValveQuantities q;
    ProgramValues shared;
    form.setText("Combo1", "液氨");
    form.setText("Combo2", "无保温液化气");
    ASSERT_TRUE(isDone(valve::inputParameters(form, q, shared)));
    form.setText("Combo3", "卧式");
    const Outcome o = valve::calculate(form, q, shared);
    ASSERT_TRUE(std::holds_alternative<Notice>(o));
    const std::string text = describe(o, form.table()).text;
    EXPECT_NE(text.find("容器形状“卧式”不在列表中，受热面积 A_r 按 0 计算"), std::string::npos) << text;
    EXPECT_EQ(text.find("请检查容器尺寸"), std::string::npos) << text;
}

TEST(ThroatCheck, AConicalSeatValveIsCheckedWithTheSineOfItsSealAngle) {
    // Compressed air through an inlet of 40 mm, conical seat at 45 degrees: A = 305.432 mm2, d = 52.44 mm,
    // d0 = 65. With the window's pi (3.14159 as a single, 3.14159011840820) phi = 0.78539753 rad and
    // sin phi = 0.70710633: A0 = 3.14159 x 65 x 65 x 0.70710633 / 20 = 469.2788 mm2, margin
    // (469.2788 - 305.432) / 305.432 = 53.64 %.
    MemoryForm form{valve::windowTable()};
    valve::ValveQuantities q;
    ProgramValues shared;
    form.setText("Combo1", "空气");
    form.select(valve::kConicalLowLift);
    ASSERT_TRUE(isDone(valve::inputParameters(form, q, shared)));
    form.setText("Text25", "45");
    form.setText("Text5", "40");
    ASSERT_TRUE(isDone(valve::calculate(form, q, shared)));
    EXPECT_EQ(form.text("Text8"), "305.432");
    ASSERT_TRUE(q.memory.record->throatCheck);
    EXPECT_EQ(q.memory.record->throatCheck->throat, "65");
    EXPECT_EQ(q.memory.record->throatCheck->area, "469.2788");
    EXPECT_EQ(q.memory.record->throatCheck->margin, "53.64");
    EXPECT_TRUE(q.memory.record->throatCheck->passed);
}

// The recorded step of the given name, or an empty one.
RecordStep stepNamed(const CalculationRecord& record, std::string_view name) {
    for (const RecordStep& s : record.steps) {
        if (s.name == name) return s;
    }
    return {};
}

TEST(ThroatCheck, ASmallFlatSeatIsSizedAndCheckedWithForty) {
    // Compressed air through an inlet of 20 mm, flat seat: W = 3040.586 / 16 = 190.037 kg/h,
    // A = 203.6213 / 4 = 50.9053 mm2; sqrt(20 x 50.90533 / 3.14159) = 18.0020 <= 32, so
    // d = sqrt(40 x 50.90533 / 3.14159) = 25.4587 -> d0 32, DN 40; A0 = 3.14159 x 32^2 / 40 = 80.42471 mm2,
    // margin (80.42471 - 50.90533) / 50.90533 = 57.99 %.
    MemoryForm form{valve::windowTable()};
    valve::ValveQuantities q;
    ProgramValues shared;
    form.setText("Combo1", "空气");
    form.select(valve::kFlatLowLift);
    ASSERT_TRUE(isDone(valve::inputParameters(form, q, shared)));
    form.setText("Text5", "20");
    ASSERT_TRUE(isDone(valve::calculate(form, q, shared)));
    const CalculationRecord& r = *q.memory.record;
    EXPECT_EQ(stepNamed(r, "计算喉径").equation, "d = √(20 × A / π) = 18.0020467159046 ≤ 32，改用 d = √(40 × A / π)");
    EXPECT_EQ(stepNamed(r, "计算喉径").substituted, "√(40 × 50.90533 / 3.14159)");
    EXPECT_EQ(stepNamed(r, "计算喉径").result, "25.4587386161064");
    EXPECT_EQ(stepNamed(r, "标准喉径和公称管径").equation, "微启式");
    EXPECT_EQ(stepNamed(r, "标准喉径和公称管径").result, "32 / 40");
    EXPECT_EQ(stepNamed(r, "标准喉径的排放面积").equation, "A0 = π × d0² / 40");
    ASSERT_TRUE(r.throatCheck);
    EXPECT_EQ(r.throatCheck->area, "80.42471");
    EXPECT_EQ(r.throatCheck->margin, "57.99");
    EXPECT_TRUE(r.throatCheck->passed);
}

TEST(ThroatCheck, AStandardAreaExactlyTheRequiredOnePasses) {
    // A typed W of 1694.04296875 kg/h needs A = 1694.043 / 5.392311 = 314.159 mm2, as a single exactly
    // the area of the 20 mm standard throat, 3.14159 x 20^2 / 4: no margin, and it passes (A0 >= A).
    MemoryForm form{valve::windowTable()};
    valve::ValveQuantities q;
    ProgramValues shared;
    form.setText("Combo1", "空气");
    ASSERT_TRUE(isDone(valve::inputParameters(form, q, shared)));
    form.setText("Text7", "1694.04296875");
    ASSERT_TRUE(isDone(valve::calculate(form, q, shared)));
    const CalculationRecord& r = *q.memory.record;
    EXPECT_EQ(form.text("Text8"), "314.159");
    EXPECT_EQ(stepNamed(r, "标准喉径和公称管径").equation, "全启式，p_set ≤ 6.4 MPa 一栏");
    ASSERT_TRUE(r.throatCheck);
    EXPECT_EQ(r.throatCheck->throat, "20");
    EXPECT_EQ(r.throatCheck->area, "314.159");
    EXPECT_EQ(r.throatCheck->margin, "0");
    EXPECT_TRUE(r.throatCheck->passed);
    EXPECT_EQ(stepNamed(r, "面积校核").substituted, "314.159 ≥ 314.159");

    // Above 6.4 MPa the full-lift valve takes the other column, and says so.
    form.setText("Text2", "7");
    ASSERT_TRUE(isDone(valve::calculate(form, q, shared)));
    EXPECT_EQ(stepNamed(*q.memory.record, "标准喉径和公称管径").equation, "全启式，p_set > 6.4 MPa 一栏");
}

TEST(ThroatCheck, AFlatSeatValveIsCheckedWithTheAreaOfItsOwnRelation) {
    // Compressed air, flat-seat low lift: A = 814.4854 mm2, d = 72.0 mm > 32, so A = pi d d / 20;
    // d0 = 80: A0 = 3.14159 x 80 x 80 / 20 = 1005.309 mm2, margin (1005.309 - 814.4854) / 814.4854
    // = 23.43 %.
    MemoryForm form{valve::windowTable()};
    valve::ValveQuantities q;
    ProgramValues shared;
    form.setText("Combo1", "空气");
    form.select(valve::kFlatLowLift);
    ASSERT_TRUE(isDone(valve::inputParameters(form, q, shared)));
    ASSERT_TRUE(isDone(valve::calculate(form, q, shared)));
    ASSERT_TRUE(q.memory.record->throatCheck);
    EXPECT_EQ(q.memory.record->throatCheck->throat, "80");
    EXPECT_EQ(q.memory.record->throatCheck->area, "1005.309");
    EXPECT_EQ(q.memory.record->throatCheck->margin, "23.43");
    EXPECT_TRUE(q.memory.record->throatCheck->passed);
}

}  // namespace
}  // namespace orvane
