// Input parameters and Clear of the safety valve window, over an in-memory form.
#include "valve/valve_input_rules.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "form/memory_form.h"
#include "valve/valve_controls.h"

namespace orvane::valve {
namespace {

// Visibility of every case-dependent control, as one text: the names of those shown.
const char* const kCaseControls[] = {"Combo3", "Label5",  "Text5",  "Label6",  "Text6",  "Label16", "Text14",
                                     "Label31", "Label30", "Text24", "Label26", "Combo4", "Label22", "Text18",
                                     "Label23", "Label24", "Text19", "Label25", "Text20", "Label27", "Text21",
                                     "Label28", "Text22",  "Label29", "Text23", "Text9",  "Text10",  "Text12",
                                     "Text25",  "Label34", "Text26"};

class ValveInputParameters : public testing::Test {
protected:
    MemoryForm form{windowTable()};
    ValveQuantities q;
    ProgramValues shared;

    void type(std::initializer_list<std::pair<const char*, const char*>> texts) {
        for (const auto& [name, text] : texts) form.setText(name, text);
    }
    void press() { ASSERT_TRUE(isDone(inputParameters(form, q, shared))); }
    std::string shown() const {
        std::string out;
        for (const char* name : kCaseControls) {
            if (form.isShown(name)) out += std::string(out.empty() ? "" : " ") + name;
        }
        return out;
    }
    void expectProperties(const char* k, const char* C, const char* M, const char* Z, const char* phase,
                          const char* latent) {
        EXPECT_EQ(form.text("Text9"), k);
        EXPECT_EQ(form.text("Text10"), C);
        EXPECT_EQ(form.text("Text11"), M);
        EXPECT_EQ(form.text("Text12"), Z);
        EXPECT_EQ(form.text("Text1"), phase);
        EXPECT_EQ(form.text("Text18"), latent);
    }
};

const std::string kLayoutA = "Label5 Text5 Label6 Text6 Label16 Text14 Label31 Label30 Text24 Text9 Text10 Text12";
const std::string kLayoutB =
    "Combo3 Label26 Combo4 Label22 Text18 Label23 Label24 Text19 Label25 Text20 Text9 Text10 Text12";
const std::string kLayoutC =
    "Combo3 Label22 Text18 Label23 Label24 Text19 Label25 Text20 Label27 Text21 Label28 Text22 Label29 Text23 "
    "Text9 Text10 Text12";

TEST_F(ValveInputParameters, TheOpenWindowShowsTheFieldsOfNoCase) {
    EXPECT_EQ(shown(), "Combo3 Text9 Text10 Text12");
    EXPECT_TRUE(form.isShown("Shape1"));
    EXPECT_TRUE(form.isShown("Label32"));
    EXPECT_FALSE(form.isShown("Text25"));
    EXPECT_TRUE(form.isSelected("Option1"));
}

TEST_F(ValveInputParameters, DefaultsPressedOnceGiveSteamAsCompressedVapour) {
    press();
    EXPECT_FALSE(form.isShown("Shape1"));
    EXPECT_EQ(shown(), "Label5 Text5 Label6 Text6 Label16 Text14 Label31 Label30 Text24");
    EXPECT_EQ(form.text("Text5"), "80");
    EXPECT_EQ(form.text("Text6"), "15");
    EXPECT_EQ(form.text("Text14"), "");
    EXPECT_EQ(form.text("Text24"), "50");
    EXPECT_EQ(form.text("Text3"), "0.88");
    expectProperties("", "0.996", "18", "", "饱和气", "");  // steam has no k and no Z: empty, not 0
    EXPECT_EQ(form.refreshes(), 2);
}

TEST_F(ValveInputParameters, MediaWithAPrescribedDesignPressureGiveTheWorkingPressure) {
    struct Case {
        const char* medium;
        const char* mediumType;
        const std::string& layout;
        const char* Text2;
        const char* Text3;
        const char* k;
        const char* C;
        const char* M;
        const char* Z;
        const char* phase;
        const char* latent;
    };
    const Case cases[] = {
        {"液氯", "无保温液化气", kLayoutB, "1.47272727706216", "1.62", "1.35", "351.5", "70.91", "", "饱和气", ""},
        {"液氨", "压缩气或蒸气", kLayoutA, "1.96363644166426", "2.16", "1.31", "348", "17.03", "", "气体", "1055.4"},
        {"丁烷", "有保温液化气", kLayoutC, "0.718181837688793", "0.79", "1.11", "328", "58.08", "", "饱和气",
         "331.8"},
    };
    for (const Case& c : cases) {
        MemoryForm fresh{windowTable()};
        ValveQuantities qq;
        ProgramValues values;
        fresh.setText("Combo1", c.medium);
        fresh.setText("Combo2", c.mediumType);
        ASSERT_TRUE(isDone(inputParameters(fresh, qq, values)));
        std::string visible;
        for (const char* name : kCaseControls) {
            if (fresh.isShown(name)) visible += std::string(visible.empty() ? "" : " ") + name;
        }
        EXPECT_EQ(visible, c.layout) << c.medium;
        EXPECT_EQ(fresh.text("Text2"), c.Text2) << c.medium;
        EXPECT_EQ(fresh.text("Text3"), c.Text3) << c.medium;
        EXPECT_EQ(fresh.text("Text9"), c.k) << c.medium;
        EXPECT_EQ(fresh.text("Text10"), c.C) << c.medium;
        EXPECT_EQ(fresh.text("Text11"), c.M) << c.medium;
        EXPECT_EQ(fresh.text("Text12"), c.Z) << c.medium;
        EXPECT_EQ(fresh.text("Text1"), c.phase) << c.medium;
        EXPECT_EQ(fresh.text("Text18"), c.latent) << c.medium;
    }
}

TEST_F(ValveInputParameters, DesignPressureFollowsTheWorkingPressure) {
    type({{"Combo1", "空气"}});
    for (const auto& [working, design] : {std::pair{"1.5", "1.65"}, {"abc", "0"}, {"2MPa", "2.2"}, {"", "0"},
                                          {"0.8", "0.88"}, {"－１", "-1.1"}}) {
        form.setText("Text2", working);
        press();
        EXPECT_EQ(form.text("Text3"), design) << working;
        EXPECT_EQ(form.text("Text2"), working);  // the working pressure is not rewritten
    }
    EXPECT_EQ(q.memory.derived.Pw, -1.0f);
}

TEST_F(ValveInputParameters, AWorkingPressureBeyondSinglePrecisionIsAnOverflow) {
    type({{"Combo1", "空气"}, {"Text3", "kept"}, {"Text9", "kept"}});
    for (const char* working : {"3.1e38", "1e39"}) {
        form.setText("Text2", working);
        const Outcome outcome = inputParameters(form, q, shared);
        ASSERT_TRUE(std::holds_alternative<FaultReport>(outcome)) << working;
        EXPECT_EQ(std::get<FaultReport>(outcome).kind, FaultKind::Overflow);
        EXPECT_EQ(form.text("Text3"), "kept");
        EXPECT_EQ(form.text("Text9"), "kept");
    }
}

TEST_F(ValveInputParameters, SealAngleRowMovesToTheMediumTypeRowInTheInsulatedLayout) {
    form.select(kConicalLowLift);
    type({{"Combo1", "丁烷"}, {"Combo2", "有保温液化气"}});
    press();
    EXPECT_TRUE(form.isShown("Text25"));
    EXPECT_EQ(form.top("Text25"), 2393);
    EXPECT_EQ(form.top("Label32"), 2393);
    for (const char* other : {"无保温液化气", "压缩气或蒸气"}) {
        form.setText("Combo2", other);
        press();
        EXPECT_EQ(form.top("Text25"), 4560) << other;
        EXPECT_EQ(form.top("Label32"), 4560) << other;
        EXPECT_TRUE(form.isShown("Text25"));
    }
    form.select(kFullLift);
    press();
    EXPECT_FALSE(form.isShown("Text25"));
    EXPECT_TRUE(form.isShown("Label32"));
}

TEST_F(ValveInputParameters, SteamRuleHidesCAndZUntilAGasLayoutShowsThem) {
    press();  // steam, saturated
    EXPECT_FALSE(form.isShown("Text10"));
    form.setText("Combo1", "空气");
    press();
    EXPECT_TRUE(form.isShown("Text9"));
    EXPECT_FALSE(form.isShown("Text10"));
    EXPECT_FALSE(form.isShown("Text12"));
    EXPECT_EQ(form.text("Text10"), "356");
    EXPECT_EQ(form.text("Text12"), "1");

    // The phase air's entry wrote is no choice of the user's: steam after air is saturated steam.
    type({{"Combo1", "水蒸气"}});
    press();
    EXPECT_EQ(form.text("Text1"), "饱和气");
    EXPECT_FALSE(form.isShown("Text10"));
    // Steam typed as a gas keeps C and Z, but not k.
    type({{"Text1", "气体"}});
    press();
    EXPECT_FALSE(form.isShown("Text9"));
    EXPECT_TRUE(form.isShown("Text10"));
    EXPECT_TRUE(form.isShown("Text12"));
    EXPECT_EQ(form.text("Text1"), "气体");
}

TEST_F(ValveInputParameters, AnotherMediumTypeGivesLayoutAAndKeepsTheShapeList) {
    type({{"Combo1", "液氯"}, {"Combo2", "无保温液化气"}});
    press();
    ASSERT_TRUE(form.isShown("Combo3"));
    form.setText("Combo2", "压缩气");
    press();
    EXPECT_EQ(shown(), "Combo3 " + kLayoutA);
}

TEST_F(ValveInputParameters, AMediumWithoutEntryShowsNothingOfThePreviousMedium) {
    type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}});
    press();
    type({{"Combo1", "液化气"}, {"Text2", "1.5"}});
    press();
    EXPECT_EQ(shown(), kLayoutB);
    expectProperties("", "", "", "", "", "");
    EXPECT_EQ(form.text("Text3"), "1.65");  // no prescribed pressure now: derived from the working pressure
    EXPECT_EQ(form.text("Text2"), "1.5");
}

TEST_F(ValveInputParameters, PressingTwiceChangesNothingMore) {
    type({{"Combo1", "液氨"}, {"Combo2", "压缩气或蒸气"}});
    press();
    MemoryForm once = form;
    press();
    for (const ControlRow& c : windowTable().controls) {
        EXPECT_EQ(form.text(c.name), once.text(c.name)) << c.name;
        EXPECT_EQ(form.isShown(c.name), once.isShown(c.name)) << c.name;
    }
}

TEST_F(ValveInputParameters, ZAtFiftyDegreesFollowsTheLastCalculationAndIsNeverAnotherTemperaturesZ) {
    type({{"Combo1", "液氯"}, {"Combo2", "无保温液化气"}});
    press();
    EXPECT_EQ(form.text("Text12"), "");  // no calculation yet: the catalogue gives no Z, the field is empty
    shared.DesignTemperature = 50.0;  // as a Calculate with the default design temperature leaves it
    press();
    EXPECT_EQ(form.text("Text12"), "0.86");
    shared.DesignTemperature = 60.0;
    press();
    EXPECT_EQ(form.text("Text12"), "");  // 0.86 holds at 50 deg C only
    form.setText("Text12", "0.5");
    press();
    EXPECT_EQ(form.text("Text12"), "0.5");  // what the user typed stays
}

TEST_F(ValveInputParameters, WettedHeightFieldIsShownForAVerticalVesselInFire) {
    type({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}, {"Combo3", "立式容器"}});
    press();
    EXPECT_TRUE(form.isShown("Text26"));
    EXPECT_TRUE(form.isShown("Label34"));
    form.setText("Combo2", "有保温液化气");
    press();
    EXPECT_TRUE(form.isShown("Text26"));
    form.setText("Combo3", "球形容器");
    press();
    EXPECT_FALSE(form.isShown("Text26"));
    type({{"Combo3", "立式容器"}, {"Combo2", "压缩气或蒸气"}});
    press();
    EXPECT_FALSE(form.isShown("Text26"));
    EXPECT_FALSE(form.isShown("Label34"));
}

TEST_F(ValveInputParameters, ACompleteSizingFromTheMediumChoice) {
    type({{"Combo1", "空气"}});
    press();
    ASSERT_TRUE(isDone(calculate(form, q, shared)));
    const char* const expected[] = {"3040.586", "563.8745", "26.7945484798857", "32", "50", "0.840000012516975"};
    for (std::size_t i = 0; i < std::size(kOutputs); ++i) EXPECT_EQ(form.text(kOutputs[i]), expected[i]);
    EXPECT_EQ(form.text("Text14"), "11.19179");
}

TEST_F(ValveInputParameters, ALatentHeatTheUserTypedStaysAsTyped) {
    type({{"Text18", "1.7976931348623157e308"}, {"Text7", "100"}, {"Text1", "饱和气"}});
    ASSERT_TRUE(isDone(calculate(form, q, shared)));
    press();  // steam has no latent heat: the one typed stays, as typed
    EXPECT_EQ(form.text("Text18"), "1.7976931348623157e308");
    form.setText("Text7", "100");
    EXPECT_TRUE(isDone(calculate(form, q, shared)));
}

TEST_F(ValveInputParameters, ClearEmptiesTheOutputsAndLightsTheLampUnlessTheMediumIsSteam) {
    for (const auto& [medium, lampAfter] : {std::pair{"水蒸气", false}, {"空气", true}, {"水蒸气 ", true}}) {
        form.setText("Combo1", medium);
        press();
        for (std::string_view name : kOutputs) form.setText(name, "1");
        form.setText("Text14", "2");
        clear(form, q);
        EXPECT_EQ(form.isShown("Shape1"), lampAfter) << medium;
        for (std::string_view name : kOutputs) EXPECT_EQ(form.text(name), "") << name;
        EXPECT_EQ(form.text("Text14"), "2");
    }
}

}  // namespace
}  // namespace orvane::valve
