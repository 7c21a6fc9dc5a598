// Values at their edges: the working quantities as a window opens, numbers too small for a double,
// the pressure bounds of the steam equations in the bursting disc, and how the disc's input
// parameters writes down its two range lookups.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <variant>

#include "calculator_fixture.h"
#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "disc/disc_input_rules.h"
#include "engine/number_text.h"
#include "engine/real.h"
#include "sizing/messages.h"
#include "valve/valve_controls.h"
#include "valve/valve_input_rules.h"
#include "sizing/record.h"
#include "form/memory_form.h"
#include "valve/valve_calculation.h"

namespace orvane {
namespace {

using test::noticeOf;
using test::Texts;
using test::Valve;

TEST(WorkingQuantities, AreZeroWhenASizingBeginsAndNothingIsDerivedWhenAWindowOpens) {
    const SizingQuantities q;
    for (const float x : {q.W, q.C, q.P, q.T, q.k, q.Po, q.K, q.M, q.Pi, q.Rho, q.A}) EXPECT_EQ(x, 0.0f);
    ASSERT_TRUE(q.Z.has_value());
    EXPECT_EQ(*q.Z, 0.0f);
    for (const Derived& d : {valve::ValveQuantities().memory.derived, disc::DiscQuantities().memory.derived}) {
        for (const float x : {d.Pd, d.Pw, d.Pb}) EXPECT_EQ(x, 0.0f);
        EXPECT_EQ(d.serial, 0);
        EXPECT_TRUE(d.basis.empty());
    }
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

TEST_F(DiscEdges, BeforeInputParametersTheBurstAndDesignPressuresShowZeroAndFailTheirCheck) {
    // P = Pb + 0.1 = 0.1 MPa with Pb = Pd = 0; a burst pressure of 0 is below 1.43 × 0.8 = 1.144.
    form.setText("Text1", "饱和气");
    form.setText("Text7", "100");
    const Outcome o = disc::calculate(form, q, shared);
    ASSERT_EQ(test::noticeOf(o), NoticeKind::CheckFailed);
    EXPECT_NE(describe(o).text.find("Pb − 下限 ≥ r × p_w，0 < 1.144 MPa，不合格"), std::string::npos);
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
        q.memory.derived.Pb = c.Pb;
        const Outcome o = disc::calculate(form, q, shared);
        if (c.choice == nullptr) {
            ASSERT_TRUE(std::holds_alternative<Notice>(o)) << c.Pb;
            EXPECT_EQ(std::get<Notice>(o).kind, NoticeKind::NoAreaEquation);
            EXPECT_EQ(form.text("Text8"), "");
            continue;
        }
        ASSERT_TRUE(test::givenResults(o)) << c.Pb;  // Pd 0 is below the burst range
        bool found = false;
        for (const RecordStep& s : q.memory.record->steps) found = found || s.equation == c.choice;
        EXPECT_TRUE(found) << c.Pb;
    }
}

TEST_F(DiscEdges, InputParametersWritesDownBothRangeLookups) {
    // Working pressure 0.68, 普通正拱 (1.43), 1.0级: p_min = 0.9724 lies in the row above 0.7, the
    // second lookup at 0.9724 + 0.045 = 1.0174 in the row above 1; Pb = 0.9724 + 0.065, Pd = 0.11 + Pb.
    form.setText("Text2", "0.68");
    ASSERT_TRUE(isDone(disc::inputParameters(form, q, shared)));
    const auto& steps = q.memory.derived.steps;
    const std::vector<std::vector<std::string>> expected = {
        {"最小爆破压力", "1.43 × 0.68", "0.9724", "表：爆破片型式的比值 r，普通正拱 1.43、开缝正拱 1.25、正拱 1.7、反拱 1.1"},
        {"制造范围（第 1 次）", "—", "0.085 / 0.045", "附录表：爆破片制造范围，1.0级，0.7 < P ≤ 1 一行"},
        {"查表压力（第 2 次）", "0.9724 + 0.045", "1.0174", ""},
        {"制造范围（第 2 次）", "—", "0.11 / 0.065", "附录表：爆破片制造范围，1.0级，1 < P ≤ 1.4 一行"},
        {"设计爆破压力", "0.9724 + 0.065", "1.0374", ""},
        {"设计压力", "0.11 + 1.0374", "1.1474", ""},
    };
    ASSERT_EQ(steps.size(), expected.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ((std::vector<std::string>{steps[i].name, steps[i].substituted, steps[i].result, steps[i].note}),
                  expected[i]);
    }
    ASSERT_EQ(q.memory.derived.tables.size(), 1u);
    EXPECT_EQ(q.memory.derived.tables[0].chosen, (std::vector<std::size_t>{4, 5}));  // rows above 0.7 and 1
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

// Why nothing was sized, in the notice: each cause that holds, and not one that does not.
TEST(NothingSizedFromNothingCauses, NameWhatIsNotAboveZeroAndNothingElse) {
    struct Case {
        const char* what;
        Texts beforeInputParameters;
        Texts afterInputParameters;
        const char* cause;
        const char* notACause;
    };
    const Case cases[] = {
        // D 100 mm, L 100 mm: A_r = 3.14 x 100 x (100 + 30) / 10^6 = 0.0408 m2, above zero; t 650 C
        // makes 650 - t zero, so W = 0.
        {"insulated vessel at 650 C", {{"Combo1", "液氨"}, {"Combo2", "有保温液化气"}},
         {{"Text19", "100"}, {"Text20", "100"}, {"Text21", "650"}, {"Text22", "100"}, {"Text23", "0.2"}},
         "泄放温度 650 ℃ 不低于 650 ℃", "受热面积"},
        // W = 1.5e-45 kg/h (about the smallest float) is above zero, but its area, about 2.6e-46 mm2,
        // rounds to 0 in single precision: the area is the cause, not the typed W.
        {"an area too small for a single", {{"Combo1", "空气"}}, {{"Text7", "1.5e-45"}},
         "安全泄放面积 A = 0 mm²，不大于零", "安全泄放量为输入值"},
        // A vertical vessel of outer diameter 0 heats no area: W = 0. The shape is one of the list.
        {"a listed shape of no size", {{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}, {"Combo3", "立式容器"}},
         {{"Text19", "0"}, {"Text26", "1500"}}, "受热面积 A_r = 0 m²：请检查容器尺寸", "不在列表中"},
        // A case file or a batch row may name a shape the list does not have: it heats no area.
        {"a shape not in the list", {{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}}, {{"Combo3", "卧式"}},
         "容器形状“卧式”不在列表中，受热面积 A_r 按 0 计算", "请检查容器尺寸"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Valve v;
        v.type(c.beforeInputParameters);
        ASSERT_TRUE(isDone(v.inputParameters()));
        v.type(c.afterInputParameters);
        const Outcome o = v.calculate();
        EXPECT_EQ(noticeOf(o), NoticeKind::NoDeviceSized);
        EXPECT_EQ(v.form.text("Text17"), "");
        EXPECT_EQ(v.form.text("Text16"), "");
        EXPECT_NE(v.message(o).find(c.cause), std::string::npos) << v.message(o);
        EXPECT_EQ(v.message(o).find(c.notACause), std::string::npos) << v.message(o);
    }
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
        SCOPED_TRACE(c.shape);
        Valve v;
        v.type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}});
        ASSERT_TRUE(isDone(v.inputParameters()));
        v.type({{"Combo3", c.shape}, {"Text19", "2000"}, {"Text20", "6000"}, {"Text26", "4000"}});
        (void)v.calculate();
        const RecordStep step = v.step("受热面积");
        EXPECT_EQ(step.equation, c.equation);
        EXPECT_EQ(step.substituted, c.substituted);
        EXPECT_EQ(step.result, c.area);
    }
}

// The chosen standard throat against the required area, by the relation each seat was sized with
// (window's pi 3.14159 as a single, 3.14159011840820).
TEST(ThroatCheck, EachSeatByTheAreaOfItsOwnRelation) {
    struct Case {
        const char* what;
        std::string_view lift;
        Texts texts;
        const char* throat;
        const char* area;
        const char* margin;
    };
    const Case cases[] = {
        // A typed W of 1694.04296875 kg/h needs A = 1694.043 / 5.392311 = 314.159 mm2, as a single
        // exactly the area of the 20 mm throat, 3.14159 x 20^2 / 4: no margin, and it passes (A0 >= A).
        {"full lift, A0 exactly A", valve::kFullLift, {{"Text7", "1694.04296875"}}, "20", "314.159", "0"},
        // Flat seat: A = 814.4854 mm2, d = 72.0 mm > 32, so A = pi d d / 20; d0 = 80:
        // A0 = 3.14159 x 80 x 80 / 20 = 1005.309 mm2, margin (1005.309 - 814.4854) / 814.4854 = 23.43 %.
        {"flat seat", valve::kFlatLowLift, {}, "80", "1005.309", "23.43"},
        // Flat seat, inlet 20 mm: W = 3040.586 / 16 = 190.037 kg/h, A = 203.6213 / 4 = 50.9053 mm2;
        // sqrt(20 x 50.90533 / 3.14159) = 18.0020 <= 32, so d = sqrt(40 x 50.90533 / 3.14159) = 25.4587
        // -> d0 32; A0 = 3.14159 x 32^2 / 40 = 80.42471 mm2, margin 57.99 %.
        {"small flat seat", valve::kFlatLowLift, {{"Text5", "20"}}, "32", "80.42471", "57.99"},
        // Conical seat at 45 degrees, inlet 40 mm: A = 305.432 mm2, d = 52.44 mm, d0 = 65;
        // phi = 0.78539753 rad, sin phi = 0.70710633: A0 = 3.14159 x 65 x 65 x 0.70710633 / 20
        // = 469.2788 mm2, margin (469.2788 - 305.432) / 305.432 = 53.64 %.
        {"conical seat", valve::kConicalLowLift, {{"Text5", "40"}, {"Text25", "45"}}, "65", "469.2788", "53.64"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Valve v;
        v.type({{"Combo1", "空气"}});
        v.form.select(c.lift);
        ASSERT_TRUE(isDone(v.inputParameters()));
        v.type(c.texts);
        ASSERT_TRUE(isDone(v.calculate()));
        const auto& check = v.q.memory.record->throatCheck;
        ASSERT_TRUE(check);
        EXPECT_EQ(check->throat, c.throat);
        EXPECT_EQ(check->area, c.area);
        EXPECT_EQ(check->margin, c.margin);
        EXPECT_TRUE(check->passed);
    }
}

TEST(ThroatCheck, TheRecordSaysWhichRelationAndWhichColumn) {
    // The small flat seat of the table above: its first d and the change to 40.
    Valve flat;
    flat.type({{"Combo1", "空气"}});
    flat.form.select(valve::kFlatLowLift);
    ASSERT_TRUE(isDone(flat.inputParameters()));
    flat.type({{"Text5", "20"}});
    ASSERT_TRUE(isDone(flat.calculate()));
    EXPECT_EQ(flat.step("计算喉径").equation, "d = √(40 × A / π)（平面密封，√(20 × A / π) ≤ 32 时）");
    EXPECT_EQ(flat.step("计算喉径").note, "π：程序取 3.14159；√(20 × A / π) = √(20 × 50.90533 / 3.14159) = 18.00205 ≤ 32，故取 40");
    EXPECT_EQ(flat.step("计算喉径").substituted, "√(40 × 50.90533 / 3.14159)");
    EXPECT_EQ(flat.step("计算喉径").result, "25.45874");
    EXPECT_EQ(flat.step("标准喉径和公称管径").note, "附录表：平面微启式安全阀标准喉径和公称管径，d ≤ 32 一行，微启式");
    EXPECT_EQ(flat.step("标准喉径和公称管径").result, "32 / 40");
    EXPECT_EQ(flat.step("标准喉径的排放面积").equation, "A0 = π × d0² / 40");

    // The full-lift valve whose A0 is exactly A, then above 6.4 MPa, where it takes the other column.
    Valve full;
    full.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(full.inputParameters()));
    full.type({{"Text7", "1694.04296875"}});
    ASSERT_TRUE(isDone(full.calculate()));
    EXPECT_EQ(full.step("标准喉径和公称管径").note, "附录表：全启式安全阀标准喉径和公称管径，d ≤ 20 一行，p_set ≤ 6.4 MPa 一栏");
    ASSERT_EQ(full.q.memory.record->checks.size(), 2u);
    EXPECT_EQ(full.q.memory.record->checks[1].numbers, "314.159 ≥ 314.159 mm²");
    full.type({{"Text2", "7"}, {"Text3", "7.7"}});
    ASSERT_TRUE(isDone(full.calculate()));
    EXPECT_EQ(full.step("标准喉径和公称管径").note, "附录表：全启式安全阀标准喉径和公称管径，d ≤ 20 一行，p_set > 6.4 MPa 一栏");
}

}  // namespace
}  // namespace orvane
