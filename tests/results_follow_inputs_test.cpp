// Results that follow the inputs shown, in both calculators over in-memory forms: the program's W is
// computed again, a typed W is the user's until cleared, a changed input of input parameters stops
// Calculate, nothing is sized from a W, A or P not above zero, and every message names what to fix.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <variant>

#include "calculator_fixture.h"
#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "disc/disc_input_rules.h"
#include "form/memory_form.h"
#include "sizing/messages.h"
#include "valve/valve_calculation.h"
#include "valve/valve_controls.h"
#include "valve/valve_input_rules.h"

namespace orvane {
namespace {

using test::Disc;
using test::noticeOf;
using test::Texts;
using test::Valve;

// Liquid ammonia in a horizontal vessel with elliptical heads, D 2000 mm, L 6000 mm, q 1055.4 kJ/kg:
// A_r = 3.14 x 2000 x (6000 + 0.3 x 2000) / 10^6 = 41.448 m2, A_r^0.82 = 21.20.
// Without insulation W = 255000 x 1 x 21.20 / 1055.4 = 5122.4 kg/h; insulated with t 40 C,
// lambda 0.2, delta 100 mm: W = 2.61 x (650 - 40) x 0.2 x 21.20 / (0.1 x 1055.4) = 63.96 kg/h.
template <class C>
void fireCaseFollowsTheReliefCase(C& c, const char* heightField) {
    (void)heightField;
    c.type({{"Combo1", "液氨"}, {"Combo2", "有保温液化气"}});
    ASSERT_TRUE(isDone(c.inputParameters()));
    c.type({{"Text19", "2000"}, {"Text20", "6000"}, {"Text21", "40"}, {"Text22", "100"}, {"Text23", "0.2"}});
    ASSERT_TRUE(test::givenResults(c.calculate()));
    EXPECT_EQ(c.form.text("Text7"), "63.96408");

    c.type({{"Combo2", "无保温液化气"}});
    EXPECT_EQ(noticeOf(c.calculate()), NoticeKind::InputsChanged);
    EXPECT_EQ(c.form.text("Text7"), "63.96408");
    ASSERT_TRUE(isDone(c.inputParameters()));
    ASSERT_TRUE(test::givenResults(c.calculate()));
    EXPECT_EQ(c.form.text("Text7"), "5122.43");

    c.type({{"Combo2", "有保温液化气"}});
    ASSERT_TRUE(isDone(c.inputParameters()));
    ASSERT_TRUE(test::givenResults(c.calculate()));
    EXPECT_EQ(c.form.text("Text7"), "63.96408");
}

TEST(ResultsFollowInputs, InsulatedToUninsulatedAndBackGivesEachCasesOwnCapacity) {
    Valve valve;
    fireCaseFollowsTheReliefCase(valve, "Text26");
    Disc disc;
    fireCaseFollowsTheReliefCase(disc, "Text25");
}

template <class C>
void typedCapacityStaysUntilCleared(C& c) {
    c.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(c.inputParameters()));
    ASSERT_TRUE(isDone(c.calculate()));
    const std::string computed = c.form.text("Text7");
    c.type({{"Text7", "2500"}, {"Text6", "30"}});
    ASSERT_TRUE(isDone(c.calculate()));
    EXPECT_EQ(c.form.text("Text7"), "2500");
    c.type({{"Text5", "100"}});
    ASSERT_TRUE(isDone(c.inputParameters()));
    ASSERT_TRUE(isDone(c.calculate()));
    EXPECT_EQ(c.form.text("Text7"), "2500");
    EXPECT_TRUE(c.q.memory.record->typedCapacity);
    c.clear();
    c.type({{"Text5", "80"}, {"Text6", "15"}});
    ASSERT_TRUE(isDone(c.calculate()));
    EXPECT_EQ(c.form.text("Text7"), computed);
    EXPECT_FALSE(c.q.memory.record->typedCapacity);
}

TEST(ResultsFollowInputs, ATypedCapacityIsKeptThroughInputChangesUntilC) {
    Valve valve;
    typedCapacityStaysUntilCleared(valve);
    EXPECT_EQ(valve.form.text("Text7"), "3040.586");
    Disc disc;
    typedCapacityStaysUntilCleared(disc);
}

TEST(ResultsFollowInputs, AChangedInputOfInputParametersStopsCalculate) {
    struct Case {
        const char* what;
        Texts change;
        const char* option;
        const char* message;
    };
    const Case discCases[] = {
        {"working pressure", {{"Text2", "1.5"}}, nullptr,
         "介质或工况已改动：“工作压力 MPa”已由“0.8”改为“1.5”。\n请先按“输入参数项”，再按“计     算”。"},
        {"grade", {{"Combo5", "0.5级"}}, nullptr,
         "介质或工况已改动：“制造级别”已由“1.0级”改为“0.5级”。\n请先按“输入参数项”，再按“计     算”。"},
        {"disc type", {}, "Option3",
         "介质或工况已改动：“爆破片型式”已由“普通正拱”改为“正拱”。\n请先按“输入参数项”，再按“计     算”。"},
        {"medium", {{"Combo1", "氢气"}}, nullptr,
         "介质或工况已改动：“介  质”已由“空气”改为“氢气”。\n请先按“输入参数项”，再按“计     算”。"},
        {"medium type", {{"Combo2", "无保温液化气"}}, nullptr,
         "介质或工况已改动：“介质类型”已由“压缩气或蒸气”改为“无保温液化气”。\n请先按“输入参数项”，再按“计     算”。"},
    };
    for (const Case& c : discCases) {
        Disc disc;
        disc.type({{"Combo1", "空气"}});
        ASSERT_TRUE(isDone(disc.inputParameters()));
        ASSERT_TRUE(isDone(disc.calculate()));
        EXPECT_EQ(disc.form.text("Text13"), "1.209") << c.what;
        disc.type(c.change);
        if (c.option != nullptr) disc.form.select(c.option);
        const Outcome o = disc.calculate();
        EXPECT_EQ(noticeOf(o), NoticeKind::InputsChanged) << c.what;
        EXPECT_EQ(disc.message(o), c.message) << c.what;
        EXPECT_EQ(disc.form.text("Text13"), "1.209") << c.what;  // nothing written
        EXPECT_FALSE(disc.q.memory.record) << c.what;
        ASSERT_TRUE(isDone(disc.inputParameters()));
        const Outcome again = disc.calculate();
        EXPECT_FALSE(std::holds_alternative<Notice>(again) && std::get<Notice>(again).kind == NoticeKind::InputsChanged)
            << c.what;
    }

    // The valve derives from the medium and the medium type; picking hydrogen after sizing air
    // no longer sizes it with air's molar mass.
    Valve valve;
    valve.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(valve.inputParameters()));
    ASSERT_TRUE(isDone(valve.calculate()));
    valve.type({{"Combo1", "氢气"}});
    EXPECT_EQ(valve.message(valve.calculate()),
              "介质或工况已改动：“介  质”已由“空气”改为“氢气”。\n请先按“输入参数项”，再按“计     算”。");
    ASSERT_TRUE(isDone(valve.inputParameters()));
    EXPECT_EQ(valve.form.text("Text11"), "2.015");
    EXPECT_TRUE(isDone(valve.calculate()));

    // Input parameters shows the seal angle field for the lift type: another lift type asks for it
    // again, so that a conical seat is never sized with an angle the window hides.
    valve.form.select(valve::kConicalLowLift);
    EXPECT_EQ(valve.message(valve.calculate()),
              "介质或工况已改动：“安全阀型式”已由“全 启 式”改为“锥面微启式”。\n请先按“输入参数项”，再按“计     算”。");
    ASSERT_TRUE(isDone(valve.inputParameters()));
    EXPECT_TRUE(valve.form.isShown("Text25"));

    // Before the first input parameters the window's state at open is what counts.
    Valve fresh;
    fresh.type({{"Combo2", "无保温液化气"}});
    EXPECT_EQ(noticeOf(fresh.calculate()), NoticeKind::InputsChanged);
}

TEST(ResultsFollowInputs, TheDiscsOwnWorkingPressureIsNoChange) {
    // In a liquefied case Calculate writes the working pressure Pd / 1.1 itself.
    Disc disc;
    disc.type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}});
    ASSERT_TRUE(isDone(disc.inputParameters()));
    disc.type({{"Text19", "2000"}, {"Text20", "6000"}});
    ASSERT_TRUE(test::givenResults(disc.calculate()));
    EXPECT_EQ(disc.form.text("Text2"), "1.96363644166426");
    EXPECT_TRUE(test::givenResults(disc.calculate()));  // not stopped as a changed input
}

// No device is sized from a W, an A or a relief pressure that is not above zero: W and the pressures
// are written, the area, the diameter and the sizes emptied, and the notice says why.
TEST(NothingSizedFromNothing, ValveCases) {
    struct Case {
        const char* what;
        Texts texts;
        const char* W;
        const char* opening;
        const char* cause;
    };
    const Case cases[] = {
        {"velocity not a number", {{"Text6", "abc"}}, "0", "0.840000012516975", "“进气流速 m/s”的内容“abc”不是数值，按 0 计算。"},
        {"inlet diameter 0", {{"Text5", "0"}}, "0", "0.840000012516975", "· “进气口内径mm”为 0。"},
        // P = 1.1 x 1.05 x (-0.8) + 0.1 = -0.824 MPa: the density, and so W, come out negative.
        {"negative working pressure", {{"Text2", "-0.8"}}, "-2446.722", "-0.840000012516975",
         "· 泄放压力（绝压）P = -0.824 MPa，不大于零：请检查“工作压力 MPa”。"},
    };
    for (const Case& c : cases) {
        Valve v;
        v.type({{"Combo1", "空气"}});
        ASSERT_TRUE(isDone(v.inputParameters()));
        ASSERT_TRUE(isDone(v.calculate()));
        v.type(c.texts);
        const Outcome o = v.calculate();
        EXPECT_EQ(noticeOf(o), NoticeKind::NoDeviceSized) << c.what;
        EXPECT_EQ(v.form.text("Text7"), c.W) << c.what;
        EXPECT_EQ(v.form.text("Text13"), c.opening) << c.what;
        for (const char* empty : {"Text8", "Text15", "Text17", "Text16"}) {
            EXPECT_EQ(v.form.text(empty), "") << c.what << " " << empty;
        }
        EXPECT_NE(v.message(o).find(c.cause), std::string::npos) << v.message(o);
        EXPECT_EQ(v.message(o).rfind("未选定泄放装置：", 0), 0u) << c.what;
        ASSERT_TRUE(v.q.memory.record) << c.what;  // the sheet documents that nothing was sized
    }
}

TEST(NothingSizedFromNothing, AnUndergroundVesselNeedsNoFireReliefInEitherWindow) {
    const auto check = [](auto& c, const char* vessel) {
        c.type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}});
        ASSERT_TRUE(isDone(c.inputParameters()));
        c.type({{"Text19", "2000"}, {"Text20", "6000"}, {"Combo4", "地下"}});
        const Outcome o = c.calculate();
        EXPECT_EQ(noticeOf(o), NoticeKind::NoDeviceSized) << vessel;
        EXPECT_EQ(c.form.text("Text7"), "0") << vessel;
        EXPECT_EQ(c.form.text("Text8"), "") << vessel;
        EXPECT_NE(c.message(o).find("安装位置“地下”的位置系数 F = 0：埋于地下的容器不考虑火灾工况，安全泄放量为 0"),
                  std::string::npos)
            << c.message(o);
    };
    Valve valve;
    check(valve, "valve");
    Disc disc;
    check(disc, "disc");
    EXPECT_EQ(disc.form.text("Text3"), "2.16");
    EXPECT_EQ(disc.form.text("Text13"), "2");
}

TEST(NothingSizedFromNothing, ANegativeTypedCapacityIsStillAFault) {
    Valve valve;
    valve.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(valve.inputParameters()));
    valve.type({{"Text7", "-100"}});
    const Outcome o = valve.calculate();
    ASSERT_TRUE(std::holds_alternative<FaultReport>(o));
    EXPECT_EQ(valve.message(o), "计算喉径时无效的运算：请检查“安全泄放量 kg/h”和“工作压力 MPa”（安全泄放量和泄放压力不能为负数）。");

    Disc disc;
    disc.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(disc.inputParameters()));
    disc.type({{"Text7", "-100"}});
    EXPECT_EQ(disc.message(disc.calculate()), "计算口径时无效的运算：请检查“安全泄放量 kg/h”（安全泄放量不能为负数）。");
}

TEST(NothingSizedFromNothing, OnlyWhatIsNotAboveZeroIsACause) {
    // No flow (v = 0) gives W = 0, while P = 1.1 x 1.05 x (-0.05) + 0.1 = 0.04225 MPa is above zero:
    // the velocity is the cause, not the pressure.
    Valve still;
    still.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(still.inputParameters()));
    still.type({{"Text6", "0"}, {"Text2", "-0.05"}, {"Text4", "0.01"}});
    const Outcome o = still.calculate();
    EXPECT_EQ(noticeOf(o), NoticeKind::NoDeviceSized);
    EXPECT_NE(still.message(o).find("“进气流速 m/s”为 0"), std::string::npos) << still.message(o);
    EXPECT_EQ(still.message(o).find("泄放压力（绝压）P = 0.04225 MPa，不大于零"), std::string::npos) << still.message(o);
    EXPECT_EQ(still.message(o).find("不大于零："), std::string::npos) << still.message(o);

    // A negative C and a negative P give a positive area of 0.0007 mm2 for a typed W of 0.01 kg/h:
    // 0.01 / (0.076 x (-356) x 0.65 x (-0.824) x 0.2994) = 0.00069. The pressure is the cause, not
    // the area.
    Valve negative;
    negative.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(negative.inputParameters()));
    negative.type({{"Text10", "-356"}, {"Text2", "-0.8"}, {"Text7", "0.01"}});
    const Outcome n = negative.calculate();
    EXPECT_EQ(noticeOf(n), NoticeKind::NoDeviceSized) << negative.message(n);
    EXPECT_NE(negative.message(n).find("泄放压力（绝压）P = -0.824 MPa，不大于零"), std::string::npos)
        << negative.message(n);
    EXPECT_EQ(negative.message(n).find("安全泄放面积 A ="), std::string::npos) << negative.message(n);
}

// Just above zero is still something: a W of 0.05 kg/h (an area of hundredths of a mm2) and an
// absolute relief pressure of a few hundredths of a MPa (P = 1.1 x 1.05 x (-0.05) + 0.1 = 0.04225 MPa
// for the valve) size the smallest device.
TEST(NothingSizedFromNothing, QuantitiesJustAboveZeroStillSizeADevice) {
    struct Case {
        const char* what;
        Texts beforeInputParameters;  // the disc derives its pressures from the working pressure
        Texts valveAfter;
        Texts discAfter;  // the disc has no back pressure field
    };
    const Case cases[] = {
        {"W 0.05 kg/h", {{"Combo1", "空气"}}, {{"Text7", "0.05"}}, {{"Text7", "0.05"}}},
        {"P a few hundredths of a MPa", {{"Combo1", "空气"}, {"Text2", "-0.05"}}, {{"Text4", "0.01"}}, {}},
    };
    for (const Case& c : cases) {
        Valve valve;
        valve.type(c.beforeInputParameters);
        ASSERT_TRUE(isDone(valve.inputParameters()));
        valve.type(c.valveAfter);
        const Outcome o = valve.calculate();
        // A negative working pressure puts p_set = 1.05 p_w above Pd = 1.1 p_w: the check fails.
        EXPECT_TRUE(test::givenResults(o)) << c.what << ": " << valve.message(o);
        EXPECT_NE(valve.form.text("Text16"), "") << c.what;

        Disc disc;
        disc.type(c.beforeInputParameters);
        ASSERT_TRUE(isDone(disc.inputParameters()));
        disc.type(c.discAfter);
        const Outcome d = disc.calculate();
        EXPECT_TRUE(test::givenResults(d)) << c.what << ": " << disc.message(d);
        EXPECT_NE(disc.form.text("Text16"), "") << c.what;
    }
}

TEST(MessagesNameWhatToFix, EmptyAndNonNumericFieldsOfTheCaseAreNamed) {
    Valve valve;
    valve.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(valve.inputParameters()));
    valve.type({{"Text2", ""}});
    // P = 0.1 = Po: the sub-critical equation divides by zero.
    EXPECT_EQ(valve.message(valve.calculate()),
              "计算泄放面积时除数为零：请检查“k=”、“M=”、“Z=”、“设计温度 ℃”、“工作压力 MPa”和“泄放侧压力MPa”"
              "（k、M、Z 不能为零，泄放侧压力须低于泄放压力）。\n“工作压力 MPa”的内容为空，按 0 计算。");

    // A field of the case read as 0 is told even when the results could be written.
    Disc disc;
    disc.type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}});
    ASSERT_TRUE(isDone(disc.inputParameters()));
    disc.type({{"Text19", "2000"}, {"Text20", "六米"}});
    const Outcome o = disc.calculate();
    EXPECT_EQ(noticeOf(o), NoticeKind::ReadAsZero);
    // One message tells both: the input read as 0, and the design check the results fail.
    EXPECT_EQ(disc.message(o),
              "已写出计算结果，但下列输入按 0 计算，请核对：\n“容器总长 mm”的内容“六米”不是数值，按 0 计算。\n校核不合格："
              "\n· 制造范围的最低爆破压力不低于工作压力的 r 倍：Pb − 下限 ≥ r × p_w，1.915 < 2.808 MPa，不合格。");
    EXPECT_NE(disc.form.text("Text16"), "");

    // Fields the case does not use are not named: the seal angle of a full-lift valve, the inlet
    // pipe of a fire case.
    Valve full;
    full.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(full.inputParameters()));
    full.type({{"Text6", "-15"}, {"Text25", "abc"}});
    EXPECT_EQ(full.message(full.calculate()),
              "计算喉径时无效的运算：请检查“进气口内径mm”、“进气流速 m/s”和“工作压力 MPa”"
              "（安全泄放量和泄放压力不能为负数）。");
}

TEST(MessagesNameWhatToFix, EachFireCaseNamesTheFieldsOfItsOwnRelation) {
    Valve uninsulated;
    uninsulated.type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}});
    ASSERT_TRUE(isDone(uninsulated.inputParameters()));
    uninsulated.type({{"Text19", "2000"}, {"Text20", "6000"}, {"Text18", "0"}});
    EXPECT_EQ(uninsulated.message(uninsulated.calculate()),
              "计算安全泄放量时除数为零：请检查“容器外径 mm”、“容器总长 mm”和“气化潜热”"
              "（容器尺寸不能为负数，气化潜热不能为零）。");

    Valve insulated;
    insulated.type({{"Combo1", "液氨"}, {"Combo2", "有保温液化气"}});
    ASSERT_TRUE(isDone(insulated.inputParameters()));
    insulated.type({{"Text19", "2000"}, {"Text20", "6000"}, {"Text21", "50"}, {"Text22", "0"}, {"Text23", "0.2"}});
    EXPECT_EQ(insulated.message(insulated.calculate()),
              "计算安全泄放量时除数为零：请检查“容器外径 mm”、“容器总长 mm”、“气化潜热”、“保温厚度 mm”、“导热系数”和“泄放温度 ℃”"
              "（容器尺寸不能为负数，气化潜热和保温厚度不能为零）。");
}

TEST(MessagesNameWhatToFix, OnlyAConicalSeatValveIsAskedForItsSealAngle) {
    Valve conical;
    conical.type({{"Combo1", "空气"}});
    conical.form.select(valve::kConicalLowLift);
    ASSERT_TRUE(isDone(conical.inputParameters()));
    conical.type({{"Text25", ""}});
    EXPECT_EQ(conical.message(conical.calculate()),
              "计算喉径时除数为零：请检查“进气口内径mm”、“进气流速 m/s”、“工作压力 MPa”和“密封半锥角φ”"
              "（安全泄放量和泄放压力不能为负数，密封半锥角须在 0° 与 180° 之间）。\n“密封半锥角φ”的内容为空，按 0 计算。");
}

}  // namespace
}  // namespace orvane
