// The bursting disc window's actions over an in-memory form: input parameters with the disc types
// and the manufacturing range table, Calculate, Clear.
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "disc/disc_input_rules.h"
#include "engine/area.h"
#include "engine/number_text.h"
#include "form/memory_form.h"
#include "calculator_fixture.h"

namespace orvane::disc {
namespace {

class Disc : public testing::Test {
protected:
    MemoryForm form{windowTable()};
    DiscQuantities q;
    ProgramValues shared;

    void type(std::initializer_list<std::pair<const char*, const char*>> texts) {
        for (const auto& [name, text] : texts) form.setText(name, text);
    }
    void press() { ASSERT_TRUE(isDone(inputParameters(form, q, shared))); }
    Outcome calculate() { return disc::calculate(form, q, shared); }
    // As if input parameters had been pressed with the inputs it derives from now on the window.
    void derived() { q.memory.derived.basis = test::basisOf(form, description(), q.memory); }
    std::pair<std::string, std::string> pressures() const {
        return {writeSingle(q.memory.derived.Pb), writeSingle(q.memory.derived.Pd)};
    }
    // The step of the last calculation's record with this name, or an empty one.
    RecordStep step(std::string_view name) const { return test::stepOf(q.memory, name); }
    using Pressures = std::pair<std::string, std::string>;
};

TEST_F(Disc, TheOpenWindowHasItsDefaults) {
    EXPECT_EQ(form.text("Text2"), "0.8");
    EXPECT_EQ(form.text("Text24"), "50");
    EXPECT_EQ(form.text("Text5"), "80");
    EXPECT_EQ(form.text("Text6"), "15");
    for (const char* hidden : {"Text24", "Text5", "Text6", "Label5", "Label6", "Label16", "Label31", "Combo4"}) {
        EXPECT_FALSE(form.isShown(hidden)) << hidden;
    }
    EXPECT_TRUE(form.isSelected("Option1"));
    EXPECT_EQ(form.text("Combo5"), "1.0级");
    EXPECT_TRUE(form.isShown("Shape1"));
}

TEST_F(Disc, CompressedGasBurstPressureFromWorkingPressureTypeAndGrade) {
    struct Case {
        const char* working;
        const char* option;
        const char* grade;
        Pressures expected;  // Pb, Pd
    };
    const Case cases[] = {
        {"0.8", "Option1", "1.0级", {"1.209", "1.319"}},         // both passes in the row above 1
        {"0.8", "Option1", "1.0", {"1.144", "1.144"}},           // no grade matches
        {"0.68", "Option1", "1.0级", {"1.0374", "1.1474"}},      // the second pass moves to the next row
        {"3", "Option1", "1.0级", {"4.422561", "4.687683"}},     // above 3.5: limits in proportion
        {"0.05", "Option1", "1.0级", {"0.0715", "0.0715"}},      // below the table
        {"0.8", "Option4", "1.0级", {"0.968", "0.968"}},         // reverse acting, grade factors
        {"0.8", "Option4", "0.5级", {"0.924", "0.924"}},
        {"0.8", "Option4", "0.25级", {"0.88", "0.88"}},
        {"abc", "Option2", "0.5级", {"0", "0"}},
        {"", "Option3", "1.0级", {"0", "0"}},
    };
    for (const Case& c : cases) {
        MemoryForm fresh{windowTable()};
        DiscQuantities dq;
        ProgramValues values;
        fresh.setText("Text2", c.working);
        fresh.select(c.option);
        fresh.setText("Combo5", c.grade);
        ASSERT_TRUE(isDone(inputParameters(fresh, dq, values)));
        EXPECT_EQ(Pressures(writeSingle(dq.memory.derived.Pb), writeSingle(dq.memory.derived.Pd)), c.expected)
            << c.working << " " << c.option << " " << c.grade;
    }
}

TEST_F(Disc, ReverseActingWithAnUnknownGradeBurstsAtTheMinimumBurstPressure) {
    // Nothing of the earlier derivation is kept: the grade gives no factor, so Pb = Pd = 1.1 x 5.
    press();
    form.select("Option4");
    type({{"Combo5", "2级"}, {"Text2", "5"}});
    press();
    EXPECT_EQ(pressures(), Pressures("5.5", "5.5"));
}

TEST(ManufacturingRange, RowsHoldFromTheTopAndTheLastOneWins) {
    struct Case {
        double P;
        const char* grade;
        double upper;
        double lower;
    };
    const Case cases[] = {
        {0.1, "1.0级", 0.028, 0.014},  {0.16, "1.0级", 0.028, 0.014}, {0.1600001, "1.0级", 0.036, 0.02},
        {1, "1.0级", 0.085, 0.045},    {1.4, "0.5级", 0.06, 0.04},    {2.6, "0.25级", 0.04, 0.025},
        {static_cast<double>(0.4f), "1.0级", 0.065, 0.035},  // the 32-bit 0.4 lies above 0.4
        {0.4, "1.0级", 0.045, 0.025},
    };
    for (const Case& c : cases) {
        Range r;
        LookUpRange(c.P, c.grade, r);
        EXPECT_EQ(r.upper, c.upper) << c.P << c.grade;
        EXPECT_EQ(r.lower, c.lower) << c.P << c.grade;
    }
    Range kept{7, 8};
    LookUpRange(0.0999, "1.0级", kept);
    LookUpRange(5, "1.0", kept);
    EXPECT_EQ(kept.upper, 7);
    EXPECT_EQ(kept.lower, 8);
    Range proportional;
    LookUpRange(4, "0.5级", proportional);
    EXPECT_EQ(proportional.upper, 0.03 * 4);
    EXPECT_EQ(proportional.lower, 0.015 * 4);
}

TEST_F(Disc, LiquefiedGasTakesThePrescribedDesignPressure) {
    struct Case {
        const char* medium;
        const char* mediumType;
        const char* option;
        Pressures expected;
    };
    const Case cases[] = {
        {"液氨", "无保温液化气", "Option1", {"2", "2.16"}},
        {"液氨", "无保温液化气", "Option3", {"2", "2.16"}},
        {"乙炔", "有保温液化气", "Option2", {"7.69034", "8.15"}},
        {"液氨", "无保温液化气", "Option4", {"2.16", "2.16"}},  // reverse acting bursts at the design pressure
    };
    for (const Case& c : cases) {
        MemoryForm fresh{windowTable()};
        DiscQuantities dq;
        ProgramValues values;
        fresh.setText("Combo1", c.medium);
        fresh.setText("Combo2", c.mediumType);
        fresh.setText("Text2", "99");  // plays no part
        fresh.select(c.option);
        ASSERT_TRUE(isDone(inputParameters(fresh, dq, values)));
        EXPECT_EQ(Pressures(writeSingle(dq.memory.derived.Pb), writeSingle(dq.memory.derived.Pd)), c.expected) << c.medium << c.option;
    }
}

TEST_F(Disc, ALiquefiedCaseWhoseMediumPrescribesNoDesignPressureTakesItFromItsWorkingPressure) {
    type({{"Combo1", "液氯"}, {"Combo2", "无保温液化气"}});
    press();
    EXPECT_EQ(pressures(), Pressures("1.46", "1.62"));  // 1.62 - 0.16 (row above 1.4, twice)
    // Air prescribes none: not chlorine's 1.62, nor what the other window left, but 1.1 x 0.8 typed;
    // Pb = 0.88 - 0.085 (row above 0.7, twice).
    shared.FixedDesignPressure = 8.15;
    type({{"Combo1", "空气"}});
    press();
    EXPECT_EQ(pressures(), Pressures("0.795", "0.88"));
    EXPECT_EQ(q.memory.derived.steps.front().equation, "Pd = 1.1 × p_w（介质“空气”无规定的设计压力）");
}

TEST_F(Disc, AnotherMediumTypeTakesTheLiquefiedRouteAndTheFirstLayout) {
    type({{"Combo1", "液氨"}, {"Combo2", "压缩气"}});
    press();
    EXPECT_EQ(pressures(), Pressures("2", "2.16"));
    EXPECT_TRUE(form.isShown("Text5"));
    EXPECT_FALSE(form.isShown("Text18"));
}

TEST_F(Disc, LayoutsWithTheSteamAndSphereRules) {
    press();  // steam, compressed: k, C, Z hidden
    EXPECT_FALSE(form.isShown("Text9"));
    EXPECT_FALSE(form.isShown("Text10"));
    EXPECT_FALSE(form.isShown("Text12"));
    EXPECT_EQ(form.text("Text1"), "饱和气");
    for (const char* shown : {"Label5", "Text5", "Label6", "Text6", "Label16", "Text14", "Label31", "Label30", "Text24"}) {
        EXPECT_TRUE(form.isShown(shown)) << shown;
    }
    type({{"Text1", "气体"}});
    press();
    EXPECT_FALSE(form.isShown("Text9"));
    EXPECT_TRUE(form.isShown("Text10"));
    EXPECT_TRUE(form.isShown("Text12"));

    type({{"Combo1", "空气"}, {"Text1", ""}});
    MemoryForm steam{windowTable()};
    (void)inputParameters(steam, q, shared);
    steam.setText("Combo1", "空气");
    (void)inputParameters(steam, q, shared);
    EXPECT_TRUE(steam.isShown("Text9"));
    EXPECT_FALSE(steam.isShown("Text10"));  // the first layout keeps them as the steam rule left them
    EXPECT_FALSE(steam.isShown("Text12"));

    type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}, {"Combo3", "球形容器"}});
    press();
    EXPECT_FALSE(form.isShown("Text20"));
    EXPECT_TRUE(form.isShown("Label25"));
    EXPECT_TRUE(form.isShown("Combo4"));
    EXPECT_TRUE(form.isShown("Text24"));  // kept from the compressed-gas layout
    EXPECT_TRUE(form.isShown("Label31"));
    type({{"Combo2", "有保温液化气"}});
    press();
    EXPECT_TRUE(form.isShown("Text20"));
    EXPECT_TRUE(form.isShown("Label25"));
    EXPECT_FALSE(form.isShown("Combo4"));
    EXPECT_TRUE(form.isShown("Text23"));
}

TEST_F(Disc, AWindowThatSawOnlyLiquefiedLayoutsKeepsTheDesignTemperatureHidden) {
    type({{"Combo1", "液氯"}, {"Combo2", "压缩气或蒸气"}});
    MemoryForm liquefied{windowTable()};
    liquefied.setText("Combo2", "无保温液化气");
    ASSERT_TRUE(isDone(inputParameters(liquefied, q, shared)));
    EXPECT_FALSE(liquefied.isShown("Text24"));
    EXPECT_FALSE(liquefied.isShown("Label31"));
    press();
    EXPECT_EQ(form.text("Text1"), "气体");
    EXPECT_EQ(form.text("Text12"), "");
}

TEST_F(Disc, WettedHeightFieldForAVerticalVesselInFire) {
    type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}, {"Combo3", "立式容器"}});
    press();
    EXPECT_TRUE(form.isShown("Text25"));
    type({{"Combo3", "椭封卧式"}});
    press();
    EXPECT_FALSE(form.isShown("Text25"));
}

TEST_F(Disc, AWorkingPressureBeyondSinglePrecisionIsAnOverflow) {
    press();
    const std::string before = form.text("Text9");
    for (const char* working : {"3e38", "1e300", "1e999"}) {
        type({{"Text2", working}});
        const Outcome outcome = inputParameters(form, q, shared);
        ASSERT_TRUE(std::holds_alternative<FaultReport>(outcome)) << working;
        EXPECT_EQ(std::get<FaultReport>(outcome).kind, FaultKind::Overflow);
        EXPECT_EQ(pressures(), Pressures("1.209", "1.319"));
    }
    // A liquefied gas without a prescribed design pressure takes 1.1 times the working pressure.
    type({{"Combo2", "无保温液化气"}, {"Combo1", "液化气"}, {"Text2", "3.2e38"}});
    const Outcome liquefied = inputParameters(form, q, shared);
    ASSERT_TRUE(std::holds_alternative<FaultReport>(liquefied));
    EXPECT_EQ(std::get<FaultReport>(liquefied).step, Step::DesignPressure);
}

// Calculate.

TEST_F(Disc, CompressedAirFromTheDefaultDisc) {
    type({{"Combo1", "空气"}});
    press();
    ASSERT_TRUE(isDone(calculate()));
    const std::vector<std::string> expected = {"3886.844", "563.8745", "26.7945499300395", "32", "1.209", "1.319"};
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(form.text(kOutputs[i]), expected[i]) << kOutputs[i];
    EXPECT_EQ(form.text("Text14"), "14.3067");
    EXPECT_EQ(form.text("Text2"), "0.8");
    EXPECT_EQ(step("排放系数").result, "0.65");
    EXPECT_EQ(step("气体温度").result, "323");
    EXPECT_EQ(shared.DesignTemperature, 50.0);
}

TEST_F(Disc, LiquefiedGasRewritesTheWorkingPressureFromTheDesignPressure) {
    type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}});
    press();
    type({{"Text19", "2000"}, {"Text20", "6000"}});
    ASSERT_TRUE(test::givenResults(calculate()));
    EXPECT_EQ(form.text("Text2"), "1.96363644166426");
    EXPECT_EQ(form.text("Text7"), "5122.43");
    EXPECT_EQ(form.text("Text8"), "714.7993");
    EXPECT_EQ(form.text("Text15"), "30.1680528526684");
    EXPECT_EQ(form.text("Text16"), "32");
    EXPECT_EQ(form.text("Text13"), "2");
    EXPECT_EQ(form.text("Text3"), "2.16");
    EXPECT_EQ(form.text("Text14"), "13.49693");  // written for every relief case
    EXPECT_EQ(step("泄放压力（绝压）").result, "2.1");

    // The design pressure 1.1 as a float, divided by 1.1 in double precision: not 1.
    q.memory.derived.Pd = 1.1f;
    type({{"Text7", ""}});
    ASSERT_TRUE(test::givenResults(calculate()));
    EXPECT_EQ(form.text("Text2"), "1.00000002167442");
}

TEST_F(Disc, InsulationThicknessIsTypedInMillimetres) {
    type({{"Combo1", "丁烷"}, {"Combo2", "有保温液化气"}});
    press();
    type({{"Text19", "2000"}, {"Text20", "6000"}, {"Text21", "40"}, {"Text22", "100"}, {"Text23", "0.2"}});
    ASSERT_TRUE(test::givenResults(calculate()));
    EXPECT_EQ(form.text("Text7"), "203.459");
    EXPECT_EQ(form.text("Text8"), "74.0642");
    EXPECT_EQ(form.text("Text15"), "9.71089831649084");
    EXPECT_EQ(form.text("Text13"), "0.705");
}

TEST_F(Disc, InsulatedFireExampleGivesAboutTwoHundredThirtyKilogramsAnHour) {
    // A sphere of 50.0 m2, lambda 0.18 kJ/(m h C), 50 C, 100 mm of insulation, q 300 kJ/kg.
    type({{"Combo1", "丁烷"}, {"Combo2", "有保温液化气"}, {"Combo3", "球形容器"}});
    press();
    type({{"Text19", "5643.326"}, {"Text21", "50"}, {"Text22", "100"}, {"Text23", "0.18"}, {"Text18", "300"}});
    ASSERT_TRUE(test::givenResults(calculate()));
    EXPECT_NEAR(readNumber(form.text("Text7")), 232.33, 0.01);
}

TEST_F(Disc, ASecondCalculateComputesTheCapacityAgainFromTheInputsShown) {
    type({{"Combo1", "空气"}});
    press();
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(form.text("Text7"), "3886.844");  // the float 3886.8435
    // W = 2.83e-3 rho v d^2: twice the velocity, twice the capacity (a doubling is exact in binary).
    type({{"Text6", "30"}});
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(form.text("Text7"), "7773.687");

    // With a typed capacity the working pressure and the density stay as they are, even liquefied.
    type({{"Combo2", "无保温液化气"}, {"Text2", "typed"}});
    press();
    const std::string density = form.text("Text14");
    type({{"Text7", "1000"}, {"Text1", "饱和气"}});
    // Pb was derived from a working pressure read as 0: said with the results.
    EXPECT_EQ(test::noticeOf(calculate()), NoticeKind::ReadAsZero);
    EXPECT_EQ(form.text("Text2"), "typed");
    EXPECT_EQ(form.text("Text14"), density);
    EXPECT_EQ(form.text("Text7"), "1000");
}

TEST_F(Disc, SaturatedVapourUsesTheSteamEquationOfItsPressure) {
    type({{"Text1", "饱和气"}, {"Text7", "1000"}});
    // W 1000, K 0.65: at P = 10 A = 1000 / (5.25 x 0.65 x 10) = 29.3040; at P = 22 the factor
    // (229.2 x 22 - 7315) / (190.6 x 22 - 6895) = -2272.6 / -2701.8 = 0.841143 gives
    // 1000 / (5.25 x 0.65 x 22) x 0.841143 = 13.3200 x 0.841143 = 11.2040.
    for (const auto& [Pb, P, A] : {std::tuple{9.9f, "10", "29.30403"}, {21.9f, "22", "11.20404"}}) {
        q.memory.derived.Pb = Pb;
        ASSERT_TRUE(test::givenResults(calculate()));
        EXPECT_EQ(step("泄放压力（绝压）").result, P);
        EXPECT_EQ(form.text("Text8"), A);
    }
}

TEST(Bore, AndNominalSizeWithTheirBoundaries) {
    EXPECT_EQ(writeDouble(bore(100, 3.14159f).value()), "11.2837962238175");
    EXPECT_EQ(nominalSize(11.2837962238175), 15);
    EXPECT_EQ(nominalSize(50), 50);
    EXPECT_EQ(nominalSize(50.01), 65);
    EXPECT_EQ(nominalSize(0), 10);
    EXPECT_EQ(nominalSize(200), 200);
    EXPECT_EQ(nominalSize(200.01), std::nullopt);
}

TEST_F(Disc, ABoreAbove200LeavesTheNominalSizeEmptyAndAsksForMoreDiscs) {
    // P = 0.1 before input parameters: A = 3e6 / (5.25 × 0.65 × 0.1) = 8791209 mm²; a bore of 200 mm
    // holds 31416 mm², so 280 discs: each 199.94 mm (279 would be 200.30).
    type({{"Text1", "饱和气"}, {"Text7", "3e6"}, {"Text16", "old"}});
    const Outcome o = calculate();
    ASSERT_EQ(test::noticeOf(o), NoticeKind::BoreAboveStandard);
    EXPECT_GT(readNumber(form.text("Text15")), 200);
    EXPECT_EQ(form.text("Text16"), "");
    EXPECT_EQ(std::get<Notice>(o).suggestedCount, 280);
    EXPECT_NE(describe(o).text.find("需 280 片：每片口径 199.9 mm，DN 200。"), std::string::npos) << describe(o).text;
    // Ten times the capacity needs 2800 discs (10 × 279 still too few): beyond the 1000 the count
    // allows, so no count is offered.
    type({{"Text7", "3e7"}});
    const Outcome beyond = calculate();
    ASSERT_EQ(test::noticeOf(beyond), NoticeKind::BoreAboveStandard);
    EXPECT_EQ(std::get<Notice>(beyond).suggestedCount, 0);
    EXPECT_EQ(describe(beyond).text.find("需 "), std::string::npos) << describe(beyond).text;
}

TEST_F(Disc, UnknownPhasesUseTheCriticalGasEquation) {
    type({{"Text7", "1000"}, {"Text9", "1.4"}, {"Text10", "356"}, {"Text11", "28.96"}, {"Text12", "1"}});
    q.memory.derived.Pb = 1;
    std::string gas;
    for (const char* phase : {"气体", "蒸气", ""}) {
        form.setText("Text1", phase);
        ASSERT_TRUE(test::givenResults(calculate())) << phase;
        if (gas.empty()) gas = form.text("Text8");
        EXPECT_EQ(form.text("Text8"), gas) << phase;
    }
}

TEST_F(Disc, NothingSizedAndUnknownCasesShowNoStaleResults) {
    // A liquid without its density sizes nothing.
    type({{"Text1", "液体"}, {"Text7", "500"}, {"Text8", "old"}, {"Text15", "old"}, {"Text16", "old"}});
    Outcome outcome = calculate();
    ASSERT_TRUE(std::holds_alternative<Notice>(outcome));
    EXPECT_EQ(std::get<Notice>(outcome).kind, NoticeKind::LiquidNothingToSize);
    EXPECT_EQ(form.text("Text7"), "500");
    for (const char* name : {"Text8", "Text15", "Text16"}) EXPECT_EQ(form.text(name), "") << name;
    EXPECT_EQ(form.text("Text13"), "0");

    type({{"Text7", ""}, {"Combo2", "反应气"}, {"Text8", "old"}, {"Text14", "old"}, {"Text2", "0.8"}});
    derived();
    outcome = calculate();
    ASSERT_TRUE(std::holds_alternative<Notice>(outcome));
    EXPECT_EQ(std::get<Notice>(outcome).kind, NoticeKind::UnsupportedReliefCase);
    EXPECT_EQ(form.text("Text8"), "old");
    EXPECT_EQ(form.text("Text14"), "old");
    EXPECT_EQ(form.text("Text2"), "0.8");
}

struct FaultCase {
    const char* what;
    std::vector<std::pair<const char*, const char*>> texts;
    FaultKind kind;
    Step step;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.what; }

class DiscFault : public Disc, public testing::WithParamInterface<FaultCase> {};

TEST_P(DiscFault, StopsAtItsStepAndLeavesTheResults) {
    type({{"Combo1", "空气"}});
    press();
    for (std::string_view name : kOutputs) form.setText(name, "old");
    form.setText("Text7", "");
    for (const auto& [name, text] : GetParam().texts) form.setText(name, text);
    derived();
    const Outcome outcome = calculate();
    ASSERT_TRUE(std::holds_alternative<FaultReport>(outcome));
    EXPECT_EQ(std::get<FaultReport>(outcome).kind, GetParam().kind);
    EXPECT_EQ(std::get<FaultReport>(outcome).step, GetParam().step);
    for (std::string_view name : kOutputs) {
        if (name != "Text7") {
            EXPECT_EQ(form.text(name), "old") << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ReachableFaults, DiscFault,
    testing::Values(
        FaultCase{"design temperature -273", {{"Text24", "-273"}}, FaultKind::DivisionByZero, Step::GasDensity},
        FaultCase{"latent heat empty", {{"Combo2", "无保温液化气"}, {"Text19", "2000"}, {"Text20", "600"}},
                  FaultKind::DivisionByZero, Step::ReliefCapacity},
        FaultCase{"insulation empty",
                  {{"Combo2", "有保温液化气"}, {"Text19", "2000"}, {"Text20", "600"}, {"Text18", "300"}, {"Text23", "0.2"}},
                  FaultKind::DivisionByZero, Step::ReliefCapacity},
        FaultCase{"insulation and conductivity empty: 0 / 0",
                  {{"Combo2", "有保温液化气"}, {"Text19", "2000"}, {"Text20", "600"}, {"Text18", "300"}},
                  FaultKind::InvalidOperation, Step::ReliefCapacity},
        FaultCase{"C empty", {{"Text10", ""}}, FaultKind::DivisionByZero, Step::DischargeArea},
        FaultCase{"Z empty", {{"Text12", ""}}, FaultKind::DivisionByZero, Step::DischargeArea},
        FaultCase{"M empty: 0 / 0", {{"Text11", ""}}, FaultKind::InvalidOperation, Step::DischargeArea},
        FaultCase{"negative diameter in fire",
                  {{"Combo2", "无保温液化气"}, {"Text19", "-2000"}, {"Text20", "6000"}, {"Text18", "300"}},
                  FaultKind::InvalidOperation, Step::ReliefCapacity},
        FaultCase{"negative typed capacity", {{"Text7", "-100"}}, FaultKind::InvalidOperation, Step::Bore},
        FaultCase{"capacity beyond double", {{"Text7", "1e999"}}, FaultKind::Overflow, Step::ReadingInput}));

TEST_F(Disc, ClearEmptiesTheResultsButNotTheDensityAndLightsTheLamp) {
    type({{"Combo1", "空气"}});
    press();
    ASSERT_TRUE(isDone(calculate()));
    clear(form, q);
    EXPECT_TRUE(form.isShown("Shape1"));
    for (std::string_view name : kOutputs) EXPECT_EQ(form.text(name), "") << name;
    EXPECT_EQ(form.text("Text14"), "14.3067");
    EXPECT_EQ(form.text("Text2"), "0.8");
    ASSERT_TRUE(isDone(calculate()));
    EXPECT_EQ(form.text("Text13"), "1.209");
    EXPECT_EQ(form.text("Text3"), "1.319");
}

}  // namespace
}  // namespace orvane::disc
