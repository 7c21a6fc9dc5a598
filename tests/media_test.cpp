// The medium catalogue and ApplyMedium.
#include "engine/media.h"

#include <gtest/gtest.h>

#include "engine/number_text.h"
#include "engine/relief_capacity.h"

namespace orvane {
namespace {

struct Applied {
    SizingQuantities q;
    ProgramValues shared;
};

// Shows a quantity as the property fields do.
std::string shown(std::optional<float> v) { return v ? writeSingle(*v) : ""; }
std::string shown(const std::optional<double>& v) { return v ? writeDouble(*v) : ""; }

TEST(ApplyMedium, WritesTheEntryOfTheMedium) {
    struct Case {
        const char* medium;
        const char* M;
        const char* k;
        const char* C;
        const char* phase;
        const char* latent;
        const char* pressure;
    };
    const Case cases[] = {
        {"空气", "28.96", "1.4", "356", "气体", "", ""},
        {"氢气", "2.015", "1.4", "356", "气体", "", ""},
        {"液氯", "70.91", "1.35", "351.5", "饱和气", "", "1.62"},
        {"液氨", "17.03", "1.31", "348", "饱和气", "1055.4", "2.16"},
        {"乙炔", "26.02", "1.25", "342", "饱和气", "", "8.15"},
        {"乙烯", "28.03", "1.25", "342", "气体", "", ""},
        {"液化石油气1", "44", "1.13", "330", "饱和气", "285.96", "2.16"},
        {"丙烯", "42.05", "1.15", "332", "饱和气", "278.23", "2.16"},
        {"丁烯", "56.11", "1.12", "329", "饱和气", "329", "0.79"},
        {"丁烷", "58.08", "1.11", "328", "饱和气", "331.8", "0.79"},
        {"水蒸气", "18", "0", "0.996", "饱和气", "", ""},
    };
    for (const Case& c : cases) {
        Applied a;
        ApplyMedium(a.q, a.shared, c.medium, kCaseUninsulated, "");
        EXPECT_EQ(writeSingle(a.q.M), c.M) << c.medium;
        EXPECT_EQ(writeSingle(a.q.k), c.k) << c.medium;
        EXPECT_EQ(writeSingle(a.q.C), c.C) << c.medium;
        EXPECT_EQ(a.shared.PhaseText.value_or(""), c.phase) << c.medium;
        EXPECT_EQ(shown(a.shared.LatentHeat), c.latent) << c.medium;
        EXPECT_EQ(shown(a.shared.FixedDesignPressure), c.pressure) << c.medium;
    }
}

TEST(ApplyMedium, SteamCoefficientIsTheNearestSingle) {
    Applied a;
    ApplyMedium(a.q, a.shared, "水蒸气", kCaseCompressedGas, "");
    EXPECT_EQ(a.q.C, 0.996f);
    EXPECT_EQ(writeDouble(static_cast<double>(a.q.C)), "0.995999991893768");
}

TEST(ApplyMedium, WritesZAtFiftyDegreesOnlyWhenTheDesignTemperatureIsFifty) {
    struct Case {
        const char* medium;
        std::optional<double> designTemperature;
        const char* Z;  // as shown, the quantity starting at 0
    };
    const Case cases[] = {
        {"液氯", std::nullopt, "0"}, {"液氯", 50.0, "0.86"},       {"液氯", 60.0, "0"},
        {"液氯", 50.0000001, "0"},   {"液化石油气1", 20.0, "0.73"}, {"丙烯", std::nullopt, "0.73"},
        {"液化石油气2", 20.0, "0"},  {"液化石油气2", 50.0, "0.73"}, {"空气", std::nullopt, "1"},
    };
    for (const Case& c : cases) {
        Applied a;
        a.shared.DesignTemperature = c.designTemperature;
        ApplyMedium(a.q, a.shared, c.medium, kCaseUninsulated, "");
        EXPECT_EQ(shown(a.q.Z), c.Z) << c.medium;
    }
}

TEST(ApplyMedium, LiquefiedGasAsCompressedGasIsAGasWithoutZ) {
    Applied a;
    a.shared.DesignTemperature = 50.0;
    ApplyMedium(a.q, a.shared, "液氨", kCaseCompressedGas, "");
    EXPECT_EQ(a.shared.PhaseText, "气体");
    EXPECT_FALSE(a.q.Z.has_value());
    EXPECT_EQ(a.q.zValue(), 0.0f);
    EXPECT_EQ(writeSingle(a.q.M), "17.03");
    EXPECT_EQ(shown(a.shared.LatentHeat), "1055.4");
    EXPECT_EQ(shown(a.shared.FixedDesignPressure), "2.16");

    // Ethylene and the plain gases do not look at the medium type.
    Applied e;
    e.q.Z = 0.5f;
    ApplyMedium(e.q, e.shared, "乙烯", kCaseCompressedGas, "");
    EXPECT_EQ(e.shared.PhaseText, "气体");
    EXPECT_EQ(e.q.Z, 0.5f);
}

TEST(ApplyMedium, SteamTakesItsPhaseFromThePhaseField) {
    for (const auto& [field, phase] : {std::pair{"", "饱和气"}, {"气体", "气体"}, {"液体", "饱和气"},
                                       {"饱和气", "饱和气"}, {" 气体", "饱和气"}}) {
        Applied a;
        ApplyMedium(a.q, a.shared, "水蒸气", kCaseCompressedGas, field);
        EXPECT_EQ(a.shared.PhaseText, phase) << "field \"" << field << "\"";
    }
}

TEST(ApplyMedium, UnknownNamesAndPartialEntriesKeepWhatTheyDoNotName) {
    Applied a;
    ApplyMedium(a.q, a.shared, "液氨", kCaseUninsulated, "");
    const Applied before = a;
    for (const char* name : {"液化气", "丁二烯", " 空气", "空气 ", "", "AIR"}) {
        ApplyMedium(a.q, a.shared, name, kCaseUninsulated, "");
        EXPECT_EQ(writeSingle(a.q.M), "17.03") << name;
        EXPECT_EQ(a.shared.PhaseText, before.shared.PhaseText) << name;
        EXPECT_EQ(a.shared.LatentHeat, before.shared.LatentHeat) << name;
        EXPECT_EQ(a.shared.FixedDesignPressure, before.shared.FixedDesignPressure) << name;
    }
    // Liquid sulphur dioxide writes only M and the design pressure.
    ApplyMedium(a.q, a.shared, "液体二氧化硫", kCaseUninsulated, "");
    EXPECT_EQ(writeSingle(a.q.M), "64");
    EXPECT_EQ(writeSingle(a.q.k), "1.31");
    EXPECT_EQ(writeSingle(a.q.C), "348");
    EXPECT_EQ(a.shared.PhaseText, "饱和气");
    EXPECT_EQ(shown(a.shared.LatentHeat), "1055.4");
    EXPECT_EQ(shown(a.shared.FixedDesignPressure), "0.98");
}

TEST(MediumCatalogue, EveryListedMediumButTwoHasAnEntry) {
    int missing = 0;
    for (std::string_view name : kMediumListItems) {
        if (MediumCatalogue::find(name) == nullptr) {
            ++missing;
            EXPECT_TRUE(name == "液化气" || name == "丁二烯") << name;
        }
    }
    EXPECT_EQ(missing, 2);
    EXPECT_EQ(MediumCatalogue::entries().size(), 17u);
    for (const char* typedOnly : {"环氧乙烷", "液化石油气1", "液化石油气2", "液体二氧化硫"}) {
        EXPECT_NE(MediumCatalogue::find(typedOnly), nullptr) << typedOnly;
    }
}

}  // namespace
}  // namespace orvane
