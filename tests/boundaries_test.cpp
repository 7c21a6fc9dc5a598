// Values at their edges: the working quantities as a window opens, numbers too small for a double,
// the pressure bounds of the steam equations in the bursting disc, and how the disc's input
// parameters writes down its two range lookups.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "disc/disc_input_rules.h"
#include "engine/number_text.h"
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
    for (const char* text : {"1e-400", "-1e-400", "0.5e-330", "123e-500"}) {
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

}  // namespace
}  // namespace orvane
