// Every value has an owner: what input parameters shows is the catalogue's for the medium now named,
// or what the user typed, never another medium's; a result of a calculation is never read back as an
// input; printing and copying follow the inputs shown. The sizing as functions of a case, by key and
// without a window, and both windows over in-memory forms.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "calculator_fixture.h"
#include "devices/devices.h"
#include "form/window_case.h"
#include "sizing/derivation.h"

namespace orvane {
namespace {

using test::Disc;
using test::noticeOf;
using test::Texts;
using test::Valve;

// A case sized as a table row or `orvane sheet` sizes it: typed values, derived, sized.
struct Sized {
    Case c;
    ProgramValues shared;
    CalculationRecord record;

    Sized(Device device, std::initializer_list<std::pair<Field, const char*>> typed) : c(devices::freshCase(device)) {
        for (const auto& [field, text] : typed) c[field] = CaseValue{text, Source::Typed, {}};
        applyDerivation(c, devices::derive(c, shared));
        record = devices::size(c, shared);
    }
    std::string result(Field f) const {
        const RecordResult* r = record.result(f);
        return r != nullptr ? r->text : "(none)";
    }
};

// Liquid ammonia's properties (k 1.31, C 348, M 17.03, phase, q 1055.4) in a horizontal vessel with
// elliptical heads, D 2000, L 6000: A_r = 3.14 x 2000 x (6000 + 0.3 x 2000) / 10^6 = 41.448 m2,
// A_r^0.82 = 21.20083, W = 255000 x 21.20083 / 1055.4 = 5122.43 kg/h. Butadiene's own latent heat
// 418 kJ/kg gives W = 255000 x 21.20083 / 418 = 12933.52 kg/h, some 2.5 times as much.
TEST(Owners, ButadieneIsSizedWithItsOwnPropertiesNeverAmmonias) {
    for (Device device : {Device::SafetyValve, Device::BurstingDisc}) {
        SCOPED_TRACE(deviceName(device));
        const Sized ammonia(device, {{Field::Medium, "液氨"}, {Field::ReliefCase, "无保温液化气"},
                                     {Field::VesselDiameter, "2000"}, {Field::VesselLength, "6000"}});
        EXPECT_EQ(ammonia.result(Field::ReliefCapacity), "5122.43");

        // Butadiene has no catalogue entry: nothing fills its properties (nor, for the valve, the working
        // pressure ammonia's design pressure gave), and the division by its empty latent heat names
        // every empty field the case uses (with no phase, the gas equations' M, Z, C and k).
        Case butadiene = ammonia.c;
        butadiene[Field::Medium] = CaseValue{"丁二烯", Source::Typed, {}};
        ProgramValues shared = ammonia.shared;
        applyDerivation(butadiene, devices::derive(butadiene, shared));
        for (Field f : kPropertyFields) EXPECT_EQ(butadiene.text(f), "") << indexOf(f);
        const CalculationRecord refused = devices::size(butadiene, shared);
        const bool valve = device == Device::SafetyValve;
        EXPECT_EQ(describe(refused.outcome).text,
                  std::string("计算安全泄放量时除数为零：请检查“容器外径 mm”、“容器总长 mm”和“气化潜热”"
                              "（容器尺寸不能为负数，气化潜热不能为零）。\n") +
                      (valve ? "“工作压力 MPa”的内容为空，按 0 计算。\n" : "") +
                      "“气化潜热”的内容为空，按 0 计算。\n“M=”的内容为空，按 0 计算。\n“Z=”的内容为空，按 0 计算。\n" +
                      (valve ? "“k=”的内容为空，按 0 计算。\n" : "") + "“C=”的内容为空，按 0 计算。");

        const Sized own(device, {{Field::Medium, "丁二烯"}, {Field::ReliefCase, "无保温液化气"},
                                 {Field::VesselDiameter, "2000"}, {Field::VesselLength, "6000"},
                                 {Field::MolarMass, "54.09"}, {Field::AdiabaticExponent, "1.12"},
                                 {Field::GasCoefficient, "327"}, {Field::LatentHeat, "418"},
                                 {Field::Compressibility, "1"}, {Field::Phase, "饱和气"}});
        EXPECT_EQ(own.result(Field::ReliefCapacity), "12933.52");
    }
}

TEST(Owners, InputParametersShowsOnlyWhatTheMediumNowNamedGives) {
    struct Row {
        Texts before;       // the medium whose values are on the window first
        const char* after;  // the medium named then
        std::array<const char*, 6> properties;  // k, C, M, Z, phase, latent heat
    };
    const Texts ammonia = {{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}};
    const Row rows[] = {
        {ammonia, "丁二烯", {"", "", "", "", "", ""}},
        {ammonia, "液化气", {"", "", "", "", "", ""}},
        {ammonia, "氩气", {"", "", "", "", "", ""}},  // a medium typed into the list
        {ammonia, "液体二氧化硫", {"", "", "64", "", "", ""}},
        {ammonia, "氮气", {"1.4", "356", "28.02", "1", "气体", ""}},
        {{{"Combo1", "水蒸气"}, {"Combo2", "无保温液化气"}}, "环氧乙烷", {"", "", "44.05", "", "饱和气", "531.5"}},
    };
    const auto check = [](auto& c, const Row& row) {
        SCOPED_TRACE(row.after);
        c.type(row.before);
        ASSERT_TRUE(isDone(c.inputParameters()));
        c.type({{"Combo1", row.after}});
        ASSERT_TRUE(isDone(c.inputParameters()));
        const char* fields[] = {"Text9", "Text10", "Text11", "Text12", "Text1", "Text18"};
        for (std::size_t i = 0; i < std::size(fields); ++i) EXPECT_EQ(c.form.text(fields[i]), row.properties[i]) << fields[i];
    };
    for (const Row& row : rows) {
        Valve valve;
        check(valve, row);
        Disc disc;
        check(disc, row);
    }
}

TEST(Owners, APropertyTheUserTypedStaysForAMediumWithoutItAndTheCatalogueGivesItsOwn) {
    const auto check = [](auto& c) {
        c.type({{"Combo1", "氩气"}});
        ASSERT_TRUE(isDone(c.inputParameters()));
        c.type({{"Text9", "1.67"}, {"Text11", "39.95"}});
        ASSERT_TRUE(isDone(c.inputParameters()));
        EXPECT_EQ(c.form.text("Text9"), "1.67");
        EXPECT_EQ(c.form.text("Text11"), "39.95");
        c.type({{"Combo1", "液体二氧化硫"}});  // gives M only
        ASSERT_TRUE(isDone(c.inputParameters()));
        EXPECT_EQ(c.form.text("Text9"), "1.67");
        EXPECT_EQ(c.form.text("Text11"), "64");
    };
    Valve valve;
    check(valve);
    Disc disc;
    check(disc);
}

// Steam through the inlet pipe with a density of 5.145 kg/m3: W = 0.00283 x 5.145 x 15 x 80^2 =
// 1397.79 kg/h; P = 1.03 x 0.84 + 0.1 = 0.9652 MPa; A = 1397.79 / (5.25 x 0.65 x 0.9652) = 424.378 mm2.
TEST(Owners, SteamAfterAirIsSaturatedSteamWithoutAirsPhaseOrDensity) {
    Valve v;
    v.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(v.inputParameters()));
    ASSERT_TRUE(isDone(v.calculate()));
    EXPECT_EQ(v.form.text("Text14"), "11.19179");
    v.type({{"Combo1", "水蒸气"}});
    ASSERT_TRUE(isDone(v.inputParameters()));
    EXPECT_EQ(v.form.text("Text1"), "饱和气");  // the 气体 air's entry wrote is nobody's choice
    EXPECT_EQ(v.form.text("Text14"), "");       // air's density goes with air's calculation
    const Outcome none = v.calculate();
    EXPECT_EQ(noticeOf(none), NoticeKind::NoDeviceSized);
    EXPECT_NE(v.message(none).find("“气体密度”的内容为空，按 0 计算。"), std::string::npos);
    v.type({{"Text14", "5.145"}});
    ASSERT_TRUE(isDone(v.calculate()));
    EXPECT_EQ(v.form.text("Text7"), "1397.794");
    EXPECT_EQ(v.form.text("Text8"), "424.3782");
}

TEST(Owners, ADensityACalculationWroteIsNoInputOfTheNext) {
    Valve v;
    v.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(v.inputParameters()));
    ASSERT_TRUE(isDone(v.calculate()));
    // A vapour now, without input parameters: the density is read from its field, which holds the
    // result of the calculation before.
    v.type({{"Text1", "饱和气"}});
    const Outcome o = v.calculate();
    EXPECT_EQ(noticeOf(o), NoticeKind::NoDeviceSized);
    EXPECT_NE(v.message(o).find("“气体密度”的内容“11.19179”是上次计算的结果，不作输入，按 0 计算。"), std::string::npos);
}

TEST(Owners, PrintingAndCopyingFollowTheOneRuleOfTheInputsShown) {
    Valve v;
    v.type({{"Combo1", "空气"}});
    ASSERT_TRUE(isDone(v.inputParameters()));
    ASSERT_TRUE(isDone(v.calculate()));
    const auto why = [&v](ResultsUse use) { return whyNoResults(v.form, valve::description(), v.q.memory, use).value_or(""); };
    EXPECT_EQ(why(ResultsUse::Copy), "");
    v.type({{"Text14", "12"}});
    EXPECT_EQ(why(ResultsUse::Print), "计算后窗口已改动：“气体密度”已由“11.19179”改为“12”。计算书只记录窗口所显示的计算，"
                                      "请重新按“计     算”后再打印。");
    EXPECT_EQ(why(ResultsUse::Copy), "计算后窗口已改动：“气体密度”已由“11.19179”改为“12”。复制的结果只记录窗口所显示的计算，"
                                     "请重新按“计     算”后再复制。");
    v.clear();
    EXPECT_EQ(why(ResultsUse::Copy), "尚无计算结果可复制，请先按“计     算”。");
    EXPECT_EQ(why(ResultsUse::Print), "尚无计算结果，请先按“计     算”。");

    // The disc's working pressure that a liquefied case's Calculate wrote is one of its results.
    Disc d;
    d.type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}});
    ASSERT_TRUE(isDone(d.inputParameters()));
    d.type({{"Text19", "2000"}, {"Text20", "6000"}});
    ASSERT_TRUE(test::givenResults(d.calculate()));
    d.type({{"Text2", "2"}});
    EXPECT_EQ(whyNoResults(d.form, disc::description(), d.q.memory, ResultsUse::Copy).value_or(""),
              "计算后窗口已改动：“工作压力 MPa”已由“1.96363644166426”改为“2”。复制的结果只记录窗口所显示的计算，"
              "请重新按“计     算”后再复制。");
}

TEST(Owners, AWorkingPressureDerivedForAnotherMediumIsNoInput) {
    Valve v;
    v.type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}});
    ASSERT_TRUE(isDone(v.inputParameters()));
    EXPECT_EQ(v.form.text("Text2"), "1.96363644166426");  // 2.16 / 1.1
    // Liquefied gas without an entry prescribes no design pressure: ammonia's working pressure is not
    // taken as its own; the field is emptied for the user to fill.
    v.type({{"Combo1", "液化气"}});
    ASSERT_TRUE(isDone(v.inputParameters()));
    EXPECT_EQ(v.form.text("Text2"), "");
    EXPECT_EQ(v.form.text("Text3"), "0");
    v.type({{"Text2", "1.5"}});
    ASSERT_TRUE(isDone(v.inputParameters()));
    EXPECT_EQ(v.form.text("Text3"), "1.65");
}

}  // namespace
}  // namespace orvane
