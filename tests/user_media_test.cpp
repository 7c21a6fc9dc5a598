// The user's medium library: C from k, the checks of a medium typed or read, and a user medium
// through input parameters and the sheet, owned as the library's and never borrowing another
// medium's values.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "calculator_fixture.h"
#include "engine/gas_coefficient.h"
#include "media/user_media.h"
#include "sheet/sheet.h"

namespace orvane {
namespace {

using media::MediumTexts;
using media::Property;
using media::UserMedium;

// Every catalogue C is the table's, rounded to whole numbers (351.5 to the half): C from the same k
// must agree within half a unit.
TEST(GasCoefficient, FromKGivesTheCatalogueCOfEveryMediumWithBoth) {
    int compared = 0;
    for (const MediumEntry& e : MediumCatalogue::entries()) {
        if (!e.k || !e.C) continue;
        ++compared;
        const std::optional<double> c = gasCoefficientFromK(static_cast<double>(*e.k));
        ASSERT_TRUE(c) << e.name;
        EXPECT_NEAR(*c, static_cast<double>(*e.C), 0.5) << e.name;
    }
    EXPECT_EQ(compared, 14);
}

// k 1.67 (argon, a monatomic gas): 2 / 2.67 = 0.749064, (k + 1) / (k − 1) = 3.985075,
// 0.749064^3.985075 = 0.316190, 520 √(1.67 × 0.316190) = 520 √0.528037 = 377.864.
TEST(GasCoefficient, MonatomicGasByHandAndNothingAtOrBelowOne) {
    EXPECT_NEAR(*gasCoefficientFromK(1.67), 377.864, 0.001);
    for (double k : {1.0, 0.9, -1.4, std::nan("")}) EXPECT_FALSE(gasCoefficientFromK(k)) << k;
}

MediumTexts argonTexts() { return {"氩气", "气体", {"39.95", "1.67", "", "1", "", "", ""}, true}; }

TEST(UserMediumRead, RefusesEachFaultNamingTheField) {
    struct Row {
        const char* what;
        void (*change)(MediumTexts&);
        const char* fault;
    };
    const Row rows[] = {
        {"empty name", [](MediumTexts& t) { t.name = "\u3000 "; }, "“名称”不能为空。"},
        {"catalogue name", [](MediumTexts& t) { t.name = " 空气"; }, "名称“空气”是内置介质的名称，用户介质须另取名称。"},
        {"list item", [](MediumTexts& t) { t.name = "丁二烯"; }, "名称“丁二烯”是内置介质的名称，用户介质须另取名称。"},
        {"entry off the list", [](MediumTexts& t) { t.name = "环氧乙烷"; }, "名称“环氧乙烷”是内置介质的名称，用户介质须另取名称。"},
        {"taken", [](MediumTexts& t) { t.name = "R134a "; }, "名称“R134a”已有，每个介质的名称只能用一次。"},
        {"too wide", [](MediumTexts& t) { t.name = "液化石油气AB1"; },
         "“名称”太长：最多 6 个汉字或 12 个字母、数字（窗口的介质列表只显示得下这么多）。"},
        {"phase", [](MediumTexts& t) { t.phase = "固体"; }, "“形态”应为“气体”、“饱和气”或“液体”（现为“固体”）。"},
        {"no number", [](MediumTexts& t) { t.values[0] = "2,000"; }, "“分子量 M”的内容“2,000”不是数值。"},
        {"zero M", [](MediumTexts& t) { t.values[0] = "0"; }, "“分子量 M”须大于 0（现为“0”）。"},
        {"overflow", [](MediumTexts& t) { t.values[0] = "1e999"; }, "“分子量 M”的内容“1e999”超出数值范围。"},
        {"k of 1", [](MediumTexts& t) { t.values[1] = "1"; }, "“绝热指数 k”须大于 1（现为“1”）。"},
        {"k 1 as a single", [](MediumTexts& t) { t.values[1] = "1.00000001"; }, "“绝热指数 k”须大于 1（现为“1.00000001”）。"},
        {"negative C", [](MediumTexts& t) { t.cFromK = false, t.values[2] = "-356"; }, "“气体特性系数 C”须大于 0（现为“-356”）。"},
        {"Z no single", [](MediumTexts& t) { t.values[3] = "1e-50"; }, "“压缩系数 Z”的内容“1e-50”超出可用的范围（1E-38 至 3E+38）。"},
        {"latent heat", [](MediumTexts& t) { t.values[4] = "-1"; }, "“气化潜热”须大于 0（现为“-1”）。"},
        {"density", [](MediumTexts& t) { t.values[5] = "0"; }, "“液体密度”须大于 0（现为“0”）。"},
        {"pressure", [](MediumTexts& t) { t.values[6] = "-0.1"; }, "“设计压力”须大于 0（现为“-0.1”）。"},
        {"C from no k", [](MediumTexts& t) { t.values[1] = ""; }, "“气体特性系数 C”要由 k 计算，须先填写“绝热指数 k”。"},
    };
    const std::string taken[] = {"R134a"};
    for (const Row& row : rows) {
        MediumTexts t = argonTexts();
        row.change(t);
        const media::MediumRead read = media::readMedium(t, taken);
        EXPECT_FALSE(read.medium) << row.what;
        EXPECT_EQ(read.fault, row.fault) << row.what;
    }
    // C computed from k takes no typed C, whatever it says.
    MediumTexts t = argonTexts();
    t.values[2] = "abc";
    const media::MediumRead read = media::readMedium(t, taken);
    ASSERT_TRUE(read.medium) << read.fault;
    EXPECT_FALSE(read.medium->values[media::index(Property::C)]);
    EXPECT_NEAR(*read.medium->value(Property::C), 377.864, 0.001);
}

// The library in force for one test.
struct LibraryInForce {
    explicit LibraryInForce(std::vector<UserMedium> media) {
        setUserMedia(std::make_shared<const media::UserMediaLibrary>(std::move(media)));
    }
    ~LibraryInForce() { setUserMedia(nullptr); }
};

UserMedium argon() { return *media::readMedium(argonTexts(), {}).medium; }
// R134a gives M, its latent heat, liquid density and design pressure, and no k, C or Z.
UserMedium r134a() {
    return *media::readMedium({"R134a", "饱和气", {"102.03", "", "", "", "217", "1206", "1.6"}, false}, {}).medium;
}

TEST(UserMediumOwners, InputParametersShowsTheLibrarysValuesAndNothingOfTheMediumBefore) {
    const LibraryInForce library({argon(), r134a()});
    struct Row {
        const char* before;
        const char* after;
        std::array<const char*, 6> properties;  // k, C, M, Z, phase, latent heat
    };
    const Row rows[] = {
        {"液氨", "氩气", {"1.67", "377.864", "39.95", "1", "气体", ""}},
        {"氩气", "R134a", {"", "", "102.03", "", "饱和气", "217"}},
        {"R134a", "液体二氧化硫", {"", "", "64", "", "", ""}},
    };
    const auto check = [](auto& c, const Row& row) {
        SCOPED_TRACE(std::string(row.before) + " → " + row.after);
        c.type({{"Combo1", row.before}, {"Combo2", "无保温液化气"}});
        ASSERT_TRUE(isDone(c.inputParameters()));
        c.type({{"Combo1", row.after}});
        ASSERT_TRUE(isDone(c.inputParameters()));
        const char* fields[] = {"Text9", "Text10", "Text11", "Text12", "Text1", "Text18"};
        for (std::size_t i = 0; i < std::size(fields); ++i) EXPECT_EQ(c.form.text(fields[i]), row.properties[i]) << fields[i];
        const std::optional<Written>& m = c.q.memory.written[indexOf(Field::MolarMass)];
        ASSERT_TRUE(m);
        const bool own = std::string(row.after) != "液体二氧化硫";
        EXPECT_EQ(m->source, own ? Source::UserLibrary : Source::Catalogue);
        EXPECT_EQ(m->origin, row.after);
    };
    for (const Row& row : rows) {
        test::Valve valve;
        check(valve, row);
        test::Disc disc;
        check(disc, row);
    }
    // R134a prescribes 1.6 MPa: the valve's design pressure is that (after air's 0.88 from 0.8 MPa).
    test::Valve valve;
    valve.type({{"Combo1", "空气"}, {"Text2", "0.8"}});
    ASSERT_TRUE(isDone(valve.inputParameters()));
    valve.type({{"Combo1", "R134a"}});
    ASSERT_TRUE(isDone(valve.inputParameters()));
    EXPECT_EQ(valve.form.text("Text3"), "1.6");
}

// The sheet names the user's library as the source of each property it gave.
TEST(UserMediumOwners, TheSheetNamesTheUserLibrary) {
    const LibraryInForce library({argon()});
    test::Valve valve;
    valve.type({{"Combo1", "氩气"}, {"Text2", "0.8"}});
    ASSERT_TRUE(isDone(valve.inputParameters()));
    ASSERT_TRUE(test::givenResults(valve.calculate()));
    const sheet::Sheet s = sheet::buildSheet(*valve.q.memory.record, {}, "1");
    std::vector<std::string> sources;
    for (const sheet::SheetSection& section : s.sections) {
        if (section.title != "3 介质物性") continue;
        for (const sheet::SheetBlock& b : section.blocks) {
            if (const auto* t = std::get_if<sheet::SheetTable>(&b)) {
                for (const sheet::SheetRow& r : t->rows) {
                    if (r.cells.size() == 5 && r.cells[4].find("物性库") != std::string::npos) sources.push_back(r.cells[2] + " " + r.cells[4]);
                }
            }
        }
    }
    EXPECT_EQ(sources, (std::vector<std::string>{"气体 用户物性库（氩气）", "39.95 用户物性库（氩气）",
                                                 "1.67 用户物性库（氩气）", "377.864 用户物性库（氩气）",
                                                 "1 用户物性库（氩气）"}));
}

}  // namespace
}  // namespace orvane
