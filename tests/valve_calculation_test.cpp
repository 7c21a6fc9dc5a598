// Calculate of the safety valve window, over an in-memory form with the window's defaults.
#include "valve/valve_calculation.h"

#include <gtest/gtest.h>

#include "sizing/formula.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/number_text.h"
#include "calculator_fixture.h"
#include "form/memory_form.h"
#include "valve/valve_input_rules.h"
#include "valve/valve_controls.h"

namespace orvane::valve {
namespace {

using Texts = std::initializer_list<std::pair<const char*, const char*>>;

class ValveCalculate : public testing::Test {
protected:
    MemoryForm form{windowTable()};
    ValveQuantities q;
    ProgramValues shared;

    template <class Pairs = Texts>
    void type(const Pairs& texts) {
        for (const auto& [name, text] : texts) form.setText(name, text);
    }
    Outcome calculate() { return valve::calculate(form, q, shared); }
    // As if input parameters had been pressed with the medium and medium type now on the window.
    void derived() { q.memory.derived.basis = test::basisOf(form, description(), q.memory); }
    std::string step(std::string_view name) const { return test::stepOf(q.memory, name).result; }

    // The property fields as input parameters leaves them for air.
    void air() {
        type({{"Text1", "气体"}, {"Text9", "1.4"}, {"Text10", "356"}, {"Text11", "28.96"}, {"Text12", "1"}, {"Text3", "0.88"}});
    }
    // Liquid ammonia in a horizontal vessel in fire, as input parameters leaves it.
    void ammoniaInFire(const char* mediumType) {
        type({{"Combo2", mediumType}, {"Text1", "饱和气"}, {"Text9", "1.31"}, {"Text10", "348"}, {"Text11", "17.03"},
              {"Text12", ""}, {"Text2", "1.96363644166426"}, {"Text3", "2.16"}, {"Text18", "1055.4"},
              {"Text19", "2000"}, {"Text20", "6000"}});
        derived();
    }
    void expectOutputs(const char* W, const char* A, const char* d, const char* d0, const char* dn,
                       const char* pSet) {
        EXPECT_EQ(form.text("Text7"), W);
        EXPECT_EQ(form.text("Text8"), A);
        EXPECT_EQ(form.text("Text15"), d);
        EXPECT_EQ(form.text("Text17"), d0);
        EXPECT_EQ(form.text("Text16"), dn);
        EXPECT_EQ(form.text("Text13"), pSet);
    }
    // Marks the outputs of an earlier calculation, with the capacity field empty so that W is computed.
    // The two results the user may also type (W, p_set) are left empty: computed.
    void markOutputs() {
        for (std::string_view name : kOutputs) form.setText(name, "old");
        form.setText("Text7", "");
        form.setText("Text13", "");
        form.setText("Text14", "old");
    }
    void expectOutputsUntouched() {
        for (std::string_view name : kOutputs) {
            if (name != "Text7" && name != "Text13") {
                EXPECT_EQ(form.text(name), "old") << name;
            }
        }
    }
};

TEST_F(ValveCalculate, CompressedAirFullLiftFromTheDefaults) {
    air();
    ASSERT_TRUE(isDone(calculate()));
    expectOutputs("3040.586", "563.8745", "26.7945484798857", "32", "50", "0.840000012516975");
    EXPECT_EQ(form.text("Text14"), "11.19179");
    EXPECT_EQ(step("泄放压力（绝压）"), "1.024");
    EXPECT_EQ(step("气体温度"), "323");
    EXPECT_EQ(step("排放系数"), "0.65");
    EXPECT_EQ(test::stepOf(q.memory, "计算喉径").substituted, "2 × √(563.8745 / 3.14159)");
    EXPECT_EQ(writeDouble(*shared.FixedDesignPressure), "0.840000012516975");
    EXPECT_EQ(shared.DesignTemperature, 50.0);
    EXPECT_EQ(shared.LatentHeat, 0.0);
    EXPECT_EQ(form.refreshes(), 1);
}

TEST_F(ValveCalculate, ReliefPressureOfOtherPhasesUsesTenPercentLess) {
    type({{"Text1", "饱和气"}, {"Text7", "1000"}});
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(step("泄放压力（绝压）"), "0.9652");
    expectOutputs("1000", "303.6058", "19.6612102709479", "20", "32", "0.840000012516975");
    EXPECT_EQ(form.text("Text14"), "");  // not a gas: the density is not computed
}

TEST_F(ValveCalculate, TheProgramsCapacityFollowsTheInputsAndATypedOneIsKeptUntilCleared) {
    air();
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(form.text("Text7"), "3040.586");
    // W = 2.83e-3 rho v d^2: twice the velocity, twice the capacity.
    type({{"Text6", "30"}, {"Text14", "typed"}});
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(form.text("Text7"), "6081.173");
    EXPECT_EQ(form.text("Text14"), "11.19179");

    // Typed over the program's W: used as typed, and kept when the inputs change.
    type({{"Text7", "1000abc"}});
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(form.text("Text7"), "1000");
    // 1000 / (0.076 x 356 x 0.65 x 1.024 x sqrt(28.96 / 323)) = 185.449 mm2
    EXPECT_EQ(form.text("Text8"), "185.4492");
    type({{"Text6", "15"}});
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(form.text("Text7"), "1000");
    EXPECT_EQ(form.text("Text8"), "185.4492");

    // C empties it: the next Calculate computes W from the inputs again.
    clear(form, q);
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(form.text("Text7"), "3040.586");
    // So does emptying the field by hand.
    type({{"Text7", "500"}});
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(form.text("Text7"), "500");
    type({{"Text7", ""}, {"Text6", "30"}});
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(form.text("Text7"), "6081.173");
}

TEST_F(ValveCalculate, SaturatedSteamUsesTheEquationOfItsPressureRange) {
    struct Case {
        const char* workingPressure;
        const char* P;
        const char* A;
    };
    // P = 10 exactly, just above 10, 22 exactly.
    for (const Case& c : {Case{"9.153953", "10", "29.30403"}, Case{"9.153954", "10", "29.50373"},
                          Case{"20.249652", "22", "11.20404"}}) {
        type({{"Text1", "饱和气"}, {"Text7", "1000"}, {"Text2", c.workingPressure}, {"Text3", "30"}});
        ASSERT_TRUE(isDone(calculate())) << c.workingPressure;
        EXPECT_EQ(step("泄放压力（绝压）"), c.P);
        EXPECT_EQ(form.text("Text8"), c.A) << c.workingPressure;
    }
}

TEST_F(ValveCalculate, LiquefiedGasInFire) {
    struct Case {
        const char* mediumType;
        const char* shape;
        Texts more;
        const char* W;
        const char* A;
        const char* d;
    };
    const Case cases[] = {
        {"无保温液化气", "椭封卧式", {}, "5122.43", "675.0446", "29.3171314086313"},
        {"有保温液化气", "椭封卧式", {{"Text21", "40"}, {"Text22", "100"}, {"Text23", "0.2"}}, "63.96408",
         "8.429322", "3.27605785596871"},
        {"无保温液化气", "立式容器", {{"Text26", "1500"}}, "1520.004", "200.3094", "15.9700356538673"},
    };
    for (const Case& c : cases) {
        form.setText("Text7", "");
        ammoniaInFire(c.mediumType);
        type({{"Combo3", c.shape}});
        type(c.more);
        ASSERT_TRUE(isDone(calculate())) << c.mediumType << c.shape;
        EXPECT_EQ(form.text("Text7"), c.W) << c.mediumType << c.shape;
        EXPECT_EQ(form.text("Text8"), c.A);
        EXPECT_EQ(form.text("Text15"), c.d);
        EXPECT_EQ(form.text("Text13"), "2.0618182182312");
        EXPECT_EQ(step("泄放压力（绝压）"), "2.223673");
    }
}

TEST_F(ValveCalculate, InsulationThicknessIsTypedInMillimetres) {
    // A sphere of 50.0 m2 (D chosen for it), lambda 0.18, 50 C, 100 mm, q 300: about 230 kg/h, not 0.23.
    ammoniaInFire("有保温液化气");
    type({{"Combo3", "球形容器"}, {"Text19", "5643.326"}, {"Text21", "50"}, {"Text22", "100"}, {"Text23", "0.18"},
          {"Text18", "300"}});
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_NEAR(readNumber(form.text("Text7")), 232.33, 0.01);
}

TEST_F(ValveCalculate, LiftTypeSetsDischargeCoefficientAndThroat) {
    air();
    form.select(kFlatLowLift);
    derived();
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(step("排放系数"), "0.45");
    expectOutputs("3040.586", "814.4854", "72.0081868636185", "80", "100", "0.840000012516975");
}

TEST_F(ValveCalculate, ThroatAboveTheLargestStandardIsNotSizedDown) {
    air();
    form.select(kConicalLowLift);
    derived();
    type({{"Text25", "45"}});
    markOutputs();
    const Outcome outcome = calculate();
    ASSERT_TRUE(std::holds_alternative<Notice>(outcome));
    const auto& notice = std::get<Notice>(outcome);
    EXPECT_EQ(notice.kind, NoticeKind::ThroatAboveStandard);
    EXPECT_EQ(notice.limit, 80.0);
    EXPECT_EQ(writeDouble(std::get<Notice>(outcome).value), "104.87817464971");
    expectOutputs("3040.586", "1221.728", "104.87817464971", "", "", "0.840000012516975");
    // Two valves of 1221.728 / 2 mm² each: d = √(20 × 610.864 / 3.14159 / sin 45°) = 74.16 -> 80, DN 100.
    EXPECT_EQ(notice.suggestedCount, 2);
    EXPECT_EQ(describe(outcome).text,
              "计算喉径超过最大标准喉径：计算喉径 104.87817464971 mm 大于最大标准喉径 80 mm。\n"
              "一只此型安全阀不够，请选用多只安全阀或其他型式。\n需 2 只：每只喉径 74.16 mm，标准喉径 80 mm，DN 100。");
}

// n valves share W: each is sized for W / n. Air, full lift, typed W 198000 kg/h: A = W / 5.392311
// (the critical equation's denominator 0.076 × 356 × 0.65 × 1.024 × √(28.96 / 323)), d = 2 √(A / π).
TEST_F(ValveCalculate, SeveralValvesShareTheReliefCapacity) {
    struct Case {
        const char* n;
        const char* A;  // each
        const char* d;  // each
        const char* d0;
        const char* dn;
        int suggested;  // when one is too small: the fewest that fit
    };
    const Case cases[] = {
        {"1", "36718.95", "216.222", "", "", 3},      // d 216.2 > 125
        {"2", "18359.48", "152.892", "", "", 3},      // 99000 each: d 152.9 > 125, so 2 is too few
        {"3", "12239.65", "124.835", "125", "200", 0},  // 66000 each: d 124.8 -> 125, DN 200
        {"4", "9179.738", "108.11", "125", "200", 0},     // 49500 each: d 108.1 -> the row up to 125
    };
    air();
    derived();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        type({{"Text7", "198000"}, {"Text27", c.n}});
        const Outcome o = calculate();
        EXPECT_EQ(form.text("Text7"), "198000");  // W stays all the valves' relief capacity
        EXPECT_EQ(form.text("Text8"), c.A);
        EXPECT_EQ(form.text("Text15").substr(0, std::string(c.d).size()), c.d);
        EXPECT_EQ(form.text("Text17"), c.d0);
        EXPECT_EQ(form.text("Text16"), c.dn);
        if (c.suggested == 0) {
            EXPECT_TRUE(isDone(o)) << describe(o).text;
            EXPECT_EQ(test::stepOf(q.memory, "每只的泄放量").substituted, "198000 / " + std::string(c.n));
        } else {
            ASSERT_EQ(test::noticeOf(o), NoticeKind::ThroatAboveStandard);
            EXPECT_EQ(std::get<Notice>(o).suggestedCount, c.suggested);
            EXPECT_EQ(std::get<Notice>(o).suggestedSize, "每只喉径 124.8 mm，标准喉径 125 mm，DN 200");
        }
    }
    // 1E+300 and 2147483648 lie beyond an int: refused before any conversion.
    for (const char* bad : {"0", "2.5", "两只", "-1", "1001", "1E+300", "2147483648"}) {
        type({{"Text27", bad}});
        const Outcome o = calculate();
        ASSERT_EQ(test::noticeOf(o), NoticeKind::BadDeviceCount) << bad;
        EXPECT_EQ(describe(o).text, "数量有误：数量应为 1 至 1000 的整数，现为“" + std::string(bad) + "”。\n请改正数量（空着即为 1）后再计算。");
    }
    type({{"Text27", ""}, {"Text7", "3040.586"}});
    EXPECT_TRUE(isDone(calculate()));  // empty: one valve, d 26.79 -> 32
    EXPECT_EQ(form.text("Text17"), "32");
}

// A typed opening pressure is used as typed, within the working and the design pressure; outside
// them it is refused before anything is computed. Air: p_w 0.8, Pd 0.88; P = 1.1 × p_set + 0.1.
TEST_F(ValveCalculate, ATypedOpeningPressureWithinItsBounds) {
    struct Case {
        const char* typed;
        const char* P;  // empty: refused
        const char* message = "";
    };
    const Case cases[] = {
        {"0.8", "0.98"},   // at the working pressure: 1.1 × 0.8 + 0.1
        {"0.85", "1.035"},  // inside
        {"0.88", "1.068"},  // at the design pressure
        {"0.7999", "", "开启压力超出范围：输入的开启压力 0.7999 MPa 低于工作压力 0.8 MPa。\n"
                       "开启压力须不低于工作压力 0.8 MPa、不高于设计压力 0.88 MPa；清空此栏则取工作压力的 1.05 倍。"},
        {"0.8801", "", "开启压力超出范围：输入的开启压力 0.8801 MPa 高于设计压力 0.88 MPa。\n"
                       "开启压力须不低于工作压力 0.8 MPa、不高于设计压力 0.88 MPa；清空此栏则取工作压力的 1.05 倍。"},
    };
    air();
    derived();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        form.setText("Text8", "old");
        type({{"Text13", c.typed}});
        const Outcome o = calculate();
        if (std::string(c.P).empty()) {
            EXPECT_EQ(describe(o).text, c.message);
            EXPECT_EQ(form.text("Text8"), "old");  // nothing computed, nothing written
            continue;
        }
        ASSERT_TRUE(isDone(o)) << describe(o).text;
        EXPECT_EQ(step("泄放压力（绝压）"), c.P);
        EXPECT_EQ(form.text("Text13"), c.typed);  // the user's, still
        EXPECT_EQ(test::stepOf(q.memory, "开启压力").equation, "p_set 为输入值");
    }
    // Emptied: 1.05 × 0.8 again.
    type({{"Text13", ""}});
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(form.text("Text13"), "0.840000012516975");
}

TEST(ThroatDiameter, FlatSeatUpToThirtyTwoIsRecomputedWithForty) {
    // The first diameter just below 32 (31.9999997) becomes 32 sqrt 2; just above it stays.
    const Real below = throatDiameter(LiftType::FlatSeatLow, 160.8494110107422f, 3.14159f, 0);
    const Real above = throatDiameter(LiftType::FlatSeatLow, 160.84942626953125f, 3.14159f, 0);
    EXPECT_EQ(writeDouble(below.value()), "45.2548335666344");
    EXPECT_EQ(writeDouble(above.value()), "32.0000012142568");
    EXPECT_EQ(standardSize(LiftType::FlatSeatLow, below.value(), 0)->throat, 65);
    EXPECT_EQ(standardSize(LiftType::FlatSeatLow, above.value(), 0)->throat, 50);
    EXPECT_EQ(throatDiameter(LiftType::Full, 0, 3.14159f, 0).value(), 0.0);
}

TEST(StandardSize, RowsAndTheirBounds) {
    struct Case {
        LiftType lift;
        double d;
        double pSet;
        int throat;
        int nominal;
    };
    const Case cases[] = {
        {LiftType::Full, 0, 0.84, 20, 32},       {LiftType::Full, 20, 0.84, 20, 32},
        {LiftType::Full, 20.0001, 0.84, 25, 40}, {LiftType::Full, 38, 6.4, 50, 80},
        {LiftType::Full, 38, 6.41, 40, 80},      {LiftType::Full, 70, 6.4, 100, 150},
        {LiftType::Full, 70, 6.41, 80, 150},     {LiftType::Full, 100, 9, 100, 150},
        {LiftType::Full, 100.5, 1, 125, 200},    {LiftType::Full, 125, 1, 125, 200},
        {LiftType::FlatSeatLow, 0, 1, 12, 15},   {LiftType::FlatSeatLow, 12, 1, 12, 15},
        {LiftType::ConicalSeatLow, 38, 1, 50, 50}, {LiftType::ConicalSeatLow, 40, 1, 50, 50},
        {LiftType::ConicalSeatLow, 45, 1, 65, 80}, {LiftType::ConicalSeatLow, 65.5, 9, 80, 100},
        {LiftType::FlatSeatLow, 80, 1, 80, 100},
    };
    for (const Case& c : cases) {
        const auto size = standardSize(c.lift, c.d, c.pSet);
        ASSERT_TRUE(size) << c.d;
        EXPECT_EQ(size->throat, c.throat) << c.d << " at " << c.pSet;
        EXPECT_EQ(size->nominal, c.nominal) << c.d << " at " << c.pSet;
    }
    EXPECT_FALSE(standardSize(LiftType::Full, 125.0001, 1));
    EXPECT_FALSE(standardSize(LiftType::FlatSeatLow, 80.0001, 1));
}

TEST_F(ValveCalculate, NoAreaEquationWritesTheCapacityAndEmptiesWhatDependsOnTheArea) {
    for (const auto& [phase, workingPressure] : {std::pair{"饱和气", "20.249654"}}) {
        markOutputs();
        type({{"Text1", phase}, {"Text2", workingPressure}, {"Text3", "30"}, {"Text7", ""}, {"Text14", "2"}});
        const Outcome outcome = calculate();
        ASSERT_TRUE(std::holds_alternative<Notice>(outcome)) << phase;
        EXPECT_EQ(std::get<Notice>(outcome).kind, NoticeKind::NoAreaEquation);
        EXPECT_EQ(std::get<Notice>(outcome).text, phase);
        EXPECT_NE(form.text("Text7"), "old");
        EXPECT_EQ(form.text("Text7"), step("安全泄放量（压缩气或蒸气）"));
        for (const char* name : {"Text8", "Text15", "Text17", "Text16"}) EXPECT_EQ(form.text(name), "") << name;
        EXPECT_EQ(printed(readNumber(form.text("Text13"))), step("开启压力"));  // the window's, as printed
    }
}

TEST_F(ValveCalculate, AnUnknownReliefCaseWritesNothing) {
    for (const char* mediumType : {"压缩气", "换热发生汽", "反应气", "无保温液化气 "}) {
        air();
        markOutputs();
        type({{"Combo2", mediumType}, {"Text7", ""}});
        derived();
        const Outcome outcome = calculate();
        ASSERT_TRUE(std::holds_alternative<Notice>(outcome)) << mediumType;
        const NoticeKind kind = std::get<Notice>(outcome).kind;
        EXPECT_TRUE(kind == NoticeKind::UnknownReliefCase || kind == NoticeKind::UnsupportedReliefCase);
        EXPECT_EQ(std::get<Notice>(outcome).text, mediumType);
        EXPECT_EQ(form.text("Text7"), "");
        expectOutputsUntouched();
        EXPECT_EQ(form.text("Text14"), "old");
    }
    // With a typed capacity the relief case does not matter.
    type({{"Text7", "500"}});
    EXPECT_TRUE(isDone(calculate()));
}

TEST_F(ValveCalculate, AVerticalVesselInFireNeedsItsWettedHeight) {
    ammoniaInFire("无保温液化气");
    type({{"Combo3", "立式容器"}});
    markOutputs();
    const Outcome outcome = calculate();
    ASSERT_TRUE(std::holds_alternative<Notice>(outcome));
    EXPECT_EQ(std::get<Notice>(outcome).kind, NoticeKind::MissingWettedHeight);
    EXPECT_EQ(form.text("Text8"), "old");
}

struct FaultCase {
    const char* what;
    std::vector<std::pair<const char*, const char*>> texts;
    FaultKind kind;
    Step step;
    const char* field = "";  // the caption of the field being read
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.what; }

class ValveCalculateFault : public ValveCalculate, public testing::WithParamInterface<FaultCase> {};

TEST_P(ValveCalculateFault, StopsAtItsStepAndLeavesTheOutputs) {
    const FaultCase& c = GetParam();
    air();
    markOutputs();
    form.setText("Text7", "");
    type(c.texts);
    derived();
    const Outcome outcome = calculate();
    ASSERT_TRUE(std::holds_alternative<FaultReport>(outcome)) << c.what;
    const auto& report = std::get<FaultReport>(outcome);
    EXPECT_EQ(report.kind, c.kind) << c.what;
    EXPECT_EQ(report.step, c.step) << c.what;
    EXPECT_EQ(report.field, c.field) << c.what;
    expectOutputsUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    ReachableFaults, ValveCalculateFault,
    testing::Values(
        FaultCase{"C empty for a gas", {{"Text10", ""}}, FaultKind::DivisionByZero, Step::DischargeArea},
        FaultCase{"M zero for a gas: 0 / 0", {{"Text11", "0"}}, FaultKind::InvalidOperation, Step::DischargeArea},
        FaultCase{"M zero, typed W", {{"Text11", "0"}, {"Text7", "100"}}, FaultKind::DivisionByZero,
                  Step::DischargeArea},
        FaultCase{"Z empty for a gas", {{"Text12", ""}}, FaultKind::DivisionByZero, Step::DischargeArea},
        FaultCase{"k = 1", {{"Text9", "1"}}, FaultKind::DivisionByZero, Step::CriticalRatio},
        FaultCase{"k = 0 sub-critical", {{"Text9", "0"}, {"Text4", "1.5"}}, FaultKind::DivisionByZero,
                  Step::DischargeArea},
        FaultCase{"working pressure empty", {{"Text2", ""}}, FaultKind::DivisionByZero, Step::DischargeArea},
        FaultCase{"back pressure = relief pressure", {{"Text4", "1.024"}}, FaultKind::DivisionByZero,
                  Step::DischargeArea},
        FaultCase{"back pressure above relief pressure", {{"Text4", "1.5"}}, FaultKind::InvalidOperation,
                  Step::DischargeArea},
        FaultCase{"latent heat zero, uninsulated",
                  {{"Text1", "饱和气"}, {"Combo2", "无保温液化气"}, {"Text19", "2000"}, {"Text20", "6000"}},
                  FaultKind::DivisionByZero, Step::ReliefCapacity},
        FaultCase{"insulation thickness zero",
                  {{"Text1", "饱和气"}, {"Combo2", "有保温液化气"}, {"Text19", "2000"}, {"Text20", "6000"},
                   {"Text18", "300"}, {"Text23", "0.2"}},
                  FaultKind::DivisionByZero, Step::ReliefCapacity},
        FaultCase{"negative diameter in fire",
                  {{"Text1", "饱和气"}, {"Combo2", "无保温液化气"}, {"Text19", "-2000"}, {"Text20", "6000"},
                   {"Text18", "300"}},
                  FaultKind::InvalidOperation, Step::ReliefCapacity},
        FaultCase{"design temperature -273", {{"Text24", "-273"}}, FaultKind::DivisionByZero, Step::GasDensity},
        FaultCase{"negative pressure", {{"Text1", "饱和气"}, {"Text2", "-5"}, {"Text7", "100"}},
                  FaultKind::InvalidOperation, Step::ThroatDiameter},
        FaultCase{"working pressure beyond single", {{"Text2", "1e39"}}, FaultKind::Overflow, Step::ReadingInput,
                  "工作压力 MPa"},
        FaultCase{"opening pressure beyond single", {{"Text2", "3e38"}}, FaultKind::Overflow, Step::Pressures},
        FaultCase{"relief temperature beyond double", {{"Text21", "1e999"}}, FaultKind::Overflow,
                  Step::ReadingInput, "泄放温度 ℃"},
        FaultCase{"capacity beyond single", {{"Text7", "4e38"}}, FaultKind::Overflow, Step::ReadingInput,
                  "安全泄放量 kg/h"},
        FaultCase{"capacity overflows", {{"Text5", "1e20"}}, FaultKind::Overflow, Step::ReliefCapacity}));

TEST_F(ValveCalculate, ConicalSeatAngleFaults) {
    air();
    form.select(kConicalLowLift);
    derived();
    for (const auto& [angle, kind] :
         {std::pair{"0", FaultKind::DivisionByZero}, {"200", FaultKind::InvalidOperation}}) {
        markOutputs();
        type({{"Text25", angle}, {"Text7", "100"}});
        const Outcome outcome = calculate();
        ASSERT_TRUE(std::holds_alternative<FaultReport>(outcome)) << angle;
        EXPECT_EQ(std::get<FaultReport>(outcome).kind, kind) << angle;
        EXPECT_EQ(std::get<FaultReport>(outcome).step, Step::ThroatDiameter);
        EXPECT_EQ(form.text("Text7"), "100");
        expectOutputsUntouched();
    }
}

TEST_F(ValveCalculate, WhatWasWrittenBeforeAFaultStays) {
    air();
    markOutputs();
    type({{"Text10", "0"}, {"Text18", "77"}});
    ASSERT_FALSE(isDone(calculate()));
    EXPECT_EQ(form.text("Text14"), "11.19179");  // the density was written before the area failed
    EXPECT_EQ(shared.LatentHeat, 77.0);
    expectOutputsUntouched();
}

}  // namespace
}  // namespace orvane::valve
