// A liquid through a safety valve or a bursting disc: A = W / (5.1 K √(ρ Δp)), W typed or from the
// inlet pipe with the liquid's density, the fire cases refused, nothing sized where Δp or ρ is not
// above zero. Each case worked out by hand in its comment.
#include <gtest/gtest.h>

#include <cmath>

#include "calculator_fixture.h"
#include "engine/area.h"
#include "engine/number_text.h"

namespace orvane {
namespace {

using test::noticeOf;

// Incompressible flow through an orifice, W = K A √(2 ρ Δp) in SI units (kg/s, m², kg/m³, Pa): with
// W in kg/h, A in mm² and Δp in MPa, W = 3600 × 10⁻⁶ × √(2 × 10⁶) × K A √(ρ Δp) = 5.0912 K A √(ρ Δp).
TEST(LiquidArea, TheConstantIsThatOfAnOrificeInTheseUnits) {
    EXPECT_EQ(writeRounded(3600 * 1e-6 * std::sqrt(2e6), 2), writeRounded(kLiquidOrifice, 2));
    EXPECT_EQ(writeRounded(kLiquidOrifice, 7), "5.1");
}

// Water (ρ 1000 kg/m³, typed) through a full-lift valve, p_w 0.8: p_set = 0.84, P = 1.03 × 0.84 + 0.1
// = 0.9652, Po 0.1, Δp = 0.8652; 5.1 × 0.65 × √(1000 × 0.8652) = 97.5084.
// Typed W 36000: A = 369.1992, d = 2 √(A / π) = 21.6813 -> d0 25, DN 40.
// From the inlet pipe, d 80 mm at 2 m/s: W = 0.00283 × 1000 × 2 × 80² = 36224, A = 371.4964, d = 21.7487.
TEST(LiquidArea, ASafetyValveForWater) {
    struct Case {
        const char* what;
        test::Texts after;
        const char* W;
        const char* A;
        const char* d;
    };
    const Case cases[] = {
        {"typed W", {{"Text7", "36000"}}, "36000", "369.1992", "21.6813"},
        {"from the inlet pipe", {{"Text6", "2"}}, "36224", "371.4964", "21.7486"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::Valve v;
        v.type({{"Combo1", "水"}});
        ASSERT_TRUE(isDone(v.inputParameters()));
        v.type({{"Text1", "液体"}, {"Text28", "1000"}});
        v.type(c.after);
        const Outcome o = v.calculate();
        ASSERT_TRUE(isDone(o)) << v.message(o);
        EXPECT_EQ(v.form.text("Text7"), c.W);
        EXPECT_EQ(v.form.text("Text8"), c.A);
        EXPECT_EQ(v.form.text("Text15").substr(0, 7), c.d);
        EXPECT_EQ(v.form.text("Text17"), "25");
        EXPECT_EQ(v.form.text("Text16"), "40");
        EXPECT_EQ(v.step("泄放压差").result, "0.8652");
        EXPECT_EQ(v.step("安全泄放面积（液体）").equation, "A = W / (5.1 × K × √(ρ × Δp))");
    }
}

// A disc of the air case (Pb 1.209): P = 1.309, Po the atmosphere 0.1, Δp = 1.209; ρ 800, W 10000:
// A = 10000 / (5.1 × 0.65 × √(800 × 1.209)) = 96.99700, bore 11.1131 -> DN 15.
TEST(LiquidArea, ABurstingDiscDischargingToTheAtmosphere) {
    test::Disc d;
    d.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(d.inputParameters()));
    d.type({{"Text1", "液体"}, {"Text28", "800"}, {"Text7", "10000"}});
    const Outcome o = d.calculate();
    ASSERT_TRUE(isDone(o)) << d.message(o);
    EXPECT_EQ(d.form.text("Text8"), "96.99701");  // the float nearest 96.997005
    EXPECT_EQ(d.form.text("Text15").substr(0, 7), "11.1130");
    EXPECT_EQ(d.form.text("Text16"), "15");
    EXPECT_EQ(d.step("泄放压差").substituted, "1.309 − 0.1");
}

// Nothing to size without a pressure difference or a density; no fire case for a liquid-full vessel.
TEST(LiquidArea, RefusalsNameWhatIsWrong) {
    struct Case {
        const char* what;
        test::Texts after;
        const char* message;
    };
    const Case cases[] = {
        {"back pressure above P", {{"Text7", "36000"}, {"Text28", "1000"}, {"Text4", "1"}},
         "液体无法确定泄放面积：\n· 泄放压差 Δp = P − Po = 0.9652 − 1 = -0.0348 MPa，不大于零。\n"
         "已写出安全泄放量和压力；泄放面积、直径和公称管径已清空。"},
        {"no density", {{"Text7", "36000"}, {"Text28", "0"}},
         "液体无法确定泄放面积：\n· 液体密度 ρ = 0 kg/m³，不大于零。\n已写出安全泄放量和压力；泄放面积、直径和公称管径已清空。"},
        {"in fire", {{"Combo2", "无保温液化气"}},
         "液体不按火灾工况计算：形态为“液体”（满液容器）时，介质类型“无保温液化气”的火灾工况不适用。\n"
         "请选择“压缩气或蒸气”（按进口管计算安全泄放量），或直接填写安全泄放量。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::Valve v;
        v.type({{"Combo1", "水"}});
        v.type(c.after);
        ASSERT_TRUE(isDone(v.inputParameters()));
        v.type({{"Text1", "液体"}, {"Text8", "old"}});
        const Outcome o = v.calculate();
        EXPECT_EQ(v.message(o), c.message);
        // Nothing sized: no area beside the notice (a fire case is refused before anything is computed).
        if (std::get<Notice>(o).kind == NoticeKind::LiquidNothingToSize) {
            EXPECT_EQ(v.form.text("Text8"), "");
        }
    }
}

}  // namespace
}  // namespace orvane
