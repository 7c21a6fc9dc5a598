// The calculation sheet built from the record of a real Calculate on an in-memory form, and the
// check that a window may give its sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "disc/disc_input_rules.h"
#include "form/memory_form.h"
#include "sheet/sheet.h"
#include "form/window_case.h"
#include "calculator_fixture.h"
#include "sizing/messages.h"
#include "valve/valve_calculation.h"
#include "valve/valve_controls.h"
#include "valve/valve_input_rules.h"

namespace orvane::sheet {
namespace {

using Texts = std::initializer_list<std::pair<const char*, const char*>>;
using Row = std::vector<std::string>;

// The rows of the tables of a section, and its paragraphs.
std::vector<Row> rows(const Sheet& sheet, std::string_view title) {
    std::vector<Row> out;
    for (const SheetSection& s : sheet.sections) {
        if (s.title != title) continue;
        for (const SheetBlock& b : s.blocks) {
            if (const auto* t = std::get_if<SheetTable>(&b)) {
                // The steps without their numbers, so that a step is found by its name.
                const bool numbered = !t->columns.empty() && t->columns[0] == "序号";
                for (const SheetRow& r : t->rows) {
                    out.push_back(r.cells);
                    if (numbered && r.kind == RowKind::Cells) out.back().erase(out.back().begin());
                }
            } else {
                out.push_back({std::get<std::string>(b)});
            }
        }
    }
    return out;
}

// The row of a section whose first cell is `name` (the last one when there are several).
Row row(const Sheet& sheet, std::string_view title, std::string_view name) {
    Row found;
    for (const Row& r : rows(sheet, title)) {
        if (!r.empty() && r[0] == name) found = r;
    }
    return found;
}

bool holds(const Sheet& sheet, std::string_view title, const Row& expected) {
    const std::vector<Row> all = rows(sheet, title);
    return std::find(all.begin(), all.end(), expected) != all.end();
}

class ValveSheet : public testing::Test {
  protected:
    MemoryForm form{valve::windowTable()};
    valve::ValveQuantities q;
    ProgramValues shared;

    void type(Texts texts) {
        for (const auto& [name, text] : texts)
            form.setText(name, text);
    }
    Outcome calculate(Texts medium, Texts fields = {}) {
        type(medium);
        valve::inputParameters(form, q, shared);
        type(fields);
        return valve::calculate(form, q, shared);
    }
    Sheet sheet(const SheetHeader& header = {}) { return buildSheet(*q.memory.record, header, "9.8.7"); }
    std::string why() { return whyNoResults(form, valve::description(), q.memory, ResultsUse::Print).value_or(""); }
};

TEST_F(ValveSheet, CompressedAirFromTheRecordOfItsCalculation) {
    ASSERT_TRUE(isDone(calculate({{"Combo1", "空气"}})));
    const Sheet s = sheet({.project = "P", .designer = {"张三", "2026-12-09"}});
    EXPECT_EQ(s.title, "安全阀计算书");
    EXPECT_EQ(s.program, "Orvane 9.8.7");
    std::vector<std::string> titles;
    for (const SheetSection& section : s.sections)
        titles.push_back(section.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"1 计算依据", "2 设计条件", "3 介质物性", "4 计算过程",
                                                "5 结果与校核", "6 提示", "附录 所用的表"}));
    EXPECT_EQ(row(s, "1 计算依据", "计算程序"), (Row{"计算程序", "Orvane 9.8.7"}));
    EXPECT_EQ(row(s, "2 设计条件", "安全阀型式"), (Row{"安全阀型式", "全启式", ""}));
    EXPECT_EQ(row(s, "2 设计条件", "泄放侧压力"), (Row{"泄放侧压力", "0.1", "MPa"}));
    EXPECT_EQ(row(s, "2 设计条件", "设计压力"), (Row{"设计压力", "0.88", "MPa"}));
    EXPECT_EQ(row(s, "3 介质物性", "介质"), (Row{"介质", "—", "空气", "", "选定"}));
    EXPECT_EQ(row(s, "3 介质物性", "气体特性系数"), (Row{"气体特性系数", "C", "356", "", "物性库（空气）"}));
    EXPECT_EQ(row(s, "3 介质物性", "摩尔质量"), (Row{"摩尔质量", "M", "28.96", "kg/kmol", "物性库（空气）"}));
    EXPECT_EQ(row(s, "3 介质物性", "气化潜热")[4], "—");  // no value: no source
    EXPECT_EQ(row(s, "3 介质物性", "气体密度"),
              (Row{"气体密度", "ρ", "11.19179", "kg/m³", "计算值（见第 4 节）"}));

    const std::string p = "4 计算过程";
    EXPECT_TRUE(holds(s, p,
                      {"背压比", "Po/P", "Po / P ≤ r_c：临界", "0.1 / 1.024 = 0.09765625 ≤ 0.5282817", "临界", ""}));
    // 0.00283 × 11.19179 × 15 × 6400 = 3040.5855
    EXPECT_TRUE(holds(s, p,
                      {"安全泄放量（压缩气或蒸气）", "W", "W = 2.83×10⁻³ × ρ × v × d²",
                       "0.00283 × 11.19179 × 15 × 80²", "3040.586", "kg/h"}));
    EXPECT_TRUE(holds(s, p, {"依据：2.83×10⁻³ = 3600 × π / 4 × 10⁻⁶：进气管内的质量流量（d 以 mm、v 以 m/s 计，每小时），"
                             "GB 150-1998 附录B"}));
    EXPECT_EQ(row(s, p, "计算喉径")[4], "26.79455");  // 2 × √(563.8745 / 3.14159) = 26.7945502
    EXPECT_EQ(row(s, p, "标准喉径的排放面积"),
              (Row{"标准喉径的排放面积", "A0", "A0 = π × d0² / 4", "3.14159 × 32² / 4", "804.2471", "mm²"}));

    const std::string r = "5 结果与校核";
    // Printed to 7 digits, with the window's text beside those it shows longer.
    const std::pair<const char*, const char*> results[] = {
        {"安全泄放量", "3040.586"},
        {"安全泄放面积", "563.8745"},
        {"计算喉径", "26.79455（窗口显示 26.7945484798857）"},
        {"标准喉径", "32"},
        {"公称管径", "50"},
        {"开启压力（计算值）", "0.84（窗口显示 0.840000012516975）"}};
    for (const auto& [name, text] : results)
        EXPECT_EQ(row(s, r, name).at(1), text) << name;
    EXPECT_EQ(row(s, r, "标准喉径的排放面积 A0"), (Row{"标准喉径的排放面积 A0", "804.2471", "mm²"}));
    EXPECT_EQ(row(s, r, "面积裕量 (A0 − A) / A"), (Row{"面积裕量 (A0 − A) / A", "42.63", "%"}));
    EXPECT_TRUE(holds(s, r, {"开启压力不高于设计压力", "p_set ≤ Pd", "0.84 ≤ 0.88 MPa", "合格"}));
    EXPECT_TRUE(holds(s, r, {"标准喉径的排放面积不小于所需排放面积", "A0 ≥ A", "804.2471 ≥ 563.8745 mm²", "合格"}));
    EXPECT_EQ(std::get<std::string>(s.sections[4].blocks.back()), "结论：合格。");
    EXPECT_EQ(row(s, "附录 所用的表", "32"), (Row{"32", "32", "50", "32", "50", "◀ 选用"}));
    EXPECT_EQ(row(s, "附录 所用的表", "40"), (Row{"40", "50", "80", "40", "80", ""}));
    EXPECT_EQ(rows(s, "6 提示"), (std::vector<Row>{{"无。"}}));
    EXPECT_EQ(s.signOff[0].role + s.signOff[0].signature.name + s.signOff[2].role, "设计张三审核");
}

// Two valves with the opening pressure typed: W, n and W / n, the figures of each valve, the set
// pressure marked the user's and checked against both bounds.
TEST_F(ValveSheet, SeveralValvesAndATypedOpeningPressure) {
    ASSERT_TRUE(isDone(calculate({{"Combo1", "空气"}}, {{"Text27", "2"}, {"Text13", "0.84"}})));
    const Sheet s = sheet();
    EXPECT_EQ(row(s, "2 设计条件", "数量（只）"), (Row{"数量（只）", "2", ""}));
    // 0.00283 × 11.19179 × 15 × 80² = 3040.586, shared by two: 1520.293 each.
    EXPECT_TRUE(holds(s, "4 计算过程", {"每只的泄放量", "W_1", "W_1 = W / n", "3040.586 / 2", "1520.293", "kg/h"}));
    EXPECT_TRUE(holds(s, "4 计算过程", {"开启压力", "p_set", "p_set 为输入值", "—", "0.84", "MPa"}));
    const std::string r = "5 结果与校核";
    EXPECT_EQ(row(s, r, "安全泄放量"), (Row{"安全泄放量", "3040.586", "kg/h"}));
    EXPECT_EQ(row(s, r, "数量 n"), (Row{"数量 n", "2", "只"}));
    EXPECT_EQ(row(s, r, "安全泄放面积（每只）").at(1), "281.9372");  // 563.8745 / 2
    EXPECT_EQ(row(s, r, "开启压力（用户输入）").at(1), "0.84");
    EXPECT_TRUE(holds(s, r, {"开启压力不低于工作压力", "p_set ≥ p_w", "0.84 ≥ 0.8 MPa", "合格"}));
    EXPECT_TRUE(holds(s, r, {"开启压力不高于设计压力", "p_set ≤ Pd", "0.84 ≤ 0.88 MPa", "合格"}));
}

TEST_F(ValveSheet, ATypedCapacityAndAnOverwrittenPropertyAreSaidToBeTheUsers) {
    ASSERT_TRUE(isDone(calculate({{"Combo1", "空气"}}, {{"Text7", "5000.0"}, {"Text10", "350"}})));
    const Sheet s = sheet();
    EXPECT_EQ(row(s, "2 设计条件", "安全泄放量（输入值）"),
              (Row{"安全泄放量（输入值）", "5000（输入 5000.0）", "kg/h"}));
    EXPECT_TRUE(holds(s, "4 计算过程", {"安全泄放量", "W", "W 为输入值", "—", "5000", "kg/h"}));
    EXPECT_EQ(row(s, "3 介质物性", "气体特性系数")[4], "用户输入");
    EXPECT_EQ(row(s, "3 介质物性", "摩尔质量")[4], "物性库（空气）");
    EXPECT_EQ(rows(s, "6 提示"),
              (std::vector<Row>{{"安全泄放量为输入值：W = 5000 kg/h，未按泄放工况计算。"}}));
    EXPECT_EQ(why(), "");  // the field shows the program's "5000" now, as the record has it
}

TEST_F(ValveSheet, TheThroatCheckOfAVanishingAreaIsNoFault) {
    // A0 / A lies beyond the float range here: the margin is kept in double precision.
    ASSERT_TRUE(isDone(calculate({{"Combo1", "空气"}}, {{"Text7", "1e-34"}})));
    ASSERT_TRUE(q.memory.record->throatCheck);
    EXPECT_TRUE(q.memory.record->throatCheck->passed);
    EXPECT_EQ(row(sheet(), "5 结果与校核", "标准喉径 d0"), (Row{"标准喉径 d0", "20", "mm"}));
}

TEST_F(ValveSheet, AnUndergroundVesselDocumentsThatNoFireReliefIsNeeded) {
    const Outcome o = calculate({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}},
                                {{"Combo4", "地下"}, {"Text19", "2000"}, {"Text20", "6000"}});
    ASSERT_TRUE(std::holds_alternative<Notice>(o));
    const Sheet s = sheet();
    EXPECT_EQ(row(s, "2 设计条件", "安装位置"), (Row{"安装位置", "地下", ""}));
    EXPECT_EQ(row(s, "2 设计条件", "工作压力"),
              (Row{"工作压力", "1.963636（输入 1.96363644166426）", "MPa"}));
    EXPECT_TRUE(holds(s, "4 计算过程", {"安装位置系数", "F", "F（地下）", "—", "0", ""}));
    EXPECT_EQ(std::get<std::string>(s.sections[4].blocks.back()), "结论：未完成，见第 6 节提示。");
    EXPECT_EQ(row(s, "5 结果与校核", "安全泄放量"), (Row{"安全泄放量", "0", "kg/h"}));
    EXPECT_EQ(row(s, "5 结果与校核", "标准喉径"), (Row{"标准喉径", "—（未给出）", "mm"}));
    EXPECT_TRUE(holds(s, "5 结果与校核", {"未选定标准喉径，不作面积校核（见第 6 节提示）。"}));
    const std::vector<Row> notes = rows(s, "6 提示");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0][0].find("埋于地下的容器不考虑火灾工况，安全泄放量为 0"), std::string::npos);
}

TEST_F(ValveSheet, NoSheetWithoutARecordOrOnceTheWindowChanged) {
    EXPECT_EQ(why(), kNoRecord);
    ASSERT_TRUE(isDone(calculate({{"Combo1", "空气"}})));
    EXPECT_EQ(why(), "");

    const std::string again = "计算书只记录窗口所显示的计算，请重新按“计     算”后再打印。";
    struct Change {
        const char* field;
        const char* text;
        std::string message;
    };
    const Change changes[] = {
        {"Text2", "1.5", "计算后窗口已改动：“工作压力 MPa”已由“0.8”改为“1.5”。" + again},
        {"Text8", "563", "计算后窗口已改动：“安全泄放面积 mm^2”已由“563.8745”改为“563”。" + again},
        {"Text9", "", "计算后窗口已改动：“k=”已由“1.4”改为“”。" + again},
        {"Combo1", "氮气", "计算后窗口已改动：“介  质”已由“空气”改为“氮气”。" + again},
    };
    for (const Change& c : changes) {
        const std::string before = form.text(c.field);
        form.setText(c.field, c.text);
        EXPECT_EQ(why(), c.message);
        form.setText(c.field, before);
        EXPECT_EQ(why(), "");
    }
    form.select("Option2");
    EXPECT_EQ(why(), "计算后窗口已改动：“安全阀型式”已由“全启式”改为“平面微启式”。" + again);
    form.select("Option1");
    form.setText("Text3", "9");  // read by the calculation, though no step of this case uses it
    EXPECT_EQ(why(), "计算后窗口已改动：“设计压力 MPa”已由“0.88”改为“9”。" + again);
    form.setText("Text3", "0.88");

    valve::clear(form, q);
    EXPECT_EQ(why(), kNoRecord);
    ASSERT_TRUE(isDone(valve::calculate(form, q, shared)));
    form.setText("Text10", "0");
    ASSERT_TRUE(std::holds_alternative<FaultReport>(valve::calculate(form, q, shared)));
    EXPECT_EQ(why(), kNoRecord);
}

class DiscSheet : public testing::Test {
  protected:
    MemoryForm form{disc::windowTable()};
    disc::DiscQuantities q;
    ProgramValues shared;

    void type(Texts texts) {
        for (const auto& [name, text] : texts)
            form.setText(name, text);
    }
    Sheet calculated(Texts medium, Texts fields) {
        type(medium);
        disc::inputParameters(form, q, shared);
        type(fields);
        const Outcome o = disc::calculate(form, q, shared);
        EXPECT_TRUE(q.memory.record && q.memory.record->documents()) << describe(o).text;
        return buildSheet(*q.memory.record, {}, "1");
    }
    std::optional<std::string> noSheet() const {
        return whyNoResults(form, disc::description(), q.memory, ResultsUse::Print);
    }
};

TEST_F(DiscSheet, UninsulatedFireWithTheDerivationOfThePressures) {
    const Sheet s = calculated({{"Combo1", "液氨"}, {"Combo2", "无保温液化气"}},
                               {{"Text19", "2000"}, {"Text20", "6000"}});
    EXPECT_EQ(s.title, "爆破片计算书");
    EXPECT_EQ(row(s, "2 设计条件", "爆破片型式"), (Row{"爆破片型式", "普通正拱", ""}));
    EXPECT_EQ(row(s, "2 设计条件", "容器外径"), (Row{"容器外径", "2000", "mm"}));
    EXPECT_EQ(row(s, "2 设计条件", "工作压力（输入参数项所用）"), Row{});  // computed here, from Pd
    EXPECT_EQ(row(s, "4 计算过程", "工作压力")[4], "1.963636");
    EXPECT_EQ(row(s, "3 介质物性", "形态"), (Row{"形态", "—", "饱和气", "", "物性库（液氨）"}));
    EXPECT_EQ(row(s, "3 介质物性", "气化潜热")[2], "1055.4");
    const std::vector<Row> steps = rows(s, "4 计算过程");
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps[0], (Row{"输入参数项：设计爆破压力 Pb 与设计压力 Pd"}));
    EXPECT_EQ(steps[1], (Row{"设计压力", "Pd", "介质规定的设计压力", "—", "2.16", "MPa"}));
    EXPECT_EQ(steps[2], (Row{"依据：物性库：介质“液氨”规定的设计压力"}));
    EXPECT_TRUE(holds(s, "4 计算过程", {"计算"}));
    EXPECT_TRUE(holds(s, "4 计算过程",
                      {"受热面积", "A_r", "A_r = 3.14 × D × (L + 0.3 × D) / 10^6",
                       "3.14 × 2000 × (6000 + 0.3 × 2000) / 10^6", "41.448", "m²"}));
    EXPECT_TRUE(holds(s, "4 计算过程", {"安装位置系数", "F", "F（地面上无喷淋）", "—", "1", ""}));
    const std::string r = "5 结果与校核";
    EXPECT_EQ(row(s, r, "安全泄放量"), (Row{"安全泄放量", "5122.43", "kg/h"}));
    EXPECT_EQ(row(s, r, "计算口径"), (Row{"计算口径", "30.16805（窗口显示 30.1680528526684）", "mm"}));
    EXPECT_EQ(row(s, r, "制造级别"), (Row{"制造级别", "1.0级", ""}));
    EXPECT_EQ(row(s, r, "按 Pb 所查制造范围 上限 / 下限"), (Row{"按 Pb 所查制造范围 上限 / 下限", "0.16 / 0.085", "MPa"}));
    EXPECT_EQ(row(s, r, "设计爆破压力 Pb"), (Row{"设计爆破压力 Pb", "2", "MPa"}));
    EXPECT_EQ(row(s, r, "设计压力 Pd"), (Row{"设计压力 Pd", "2.16", "MPa"}));
    // Pb − 0.085 = 1.915 against 1.43 × 2.16 / 1.1 = 2.808; Pb + 0.16 = 2.16 against Pd 2.16.
    EXPECT_TRUE(holds(s, r, {"制造范围的最低爆破压力不低于工作压力的 r 倍", "Pb − 下限 ≥ r × p_w", "1.915 < 2.808 MPa", "不合格"}));
    EXPECT_TRUE(holds(s, r, {"制造范围的最高爆破压力不高于设计压力", "Pb + 上限 ≤ Pd", "2.16 ≤ 2.16 MPa", "合格"}));
    EXPECT_EQ(std::get<std::string>(s.sections[4].blocks.back()),
              "结论：不合格，“制造范围的最低爆破压力不低于工作压力的 r 倍”不满足。");
}

TEST_F(DiscSheet, InsulatedFireListsTheInsulation) {
    const Sheet s = calculated(
        {{"Combo1", "丁烷"}, {"Combo2", "有保温液化气"}},
        {{"Text19", "2000"}, {"Text20", "6000"}, {"Text21", "40"}, {"Text22", "100"}, {"Text23", "0.2"}});
    EXPECT_EQ(row(s, "2 设计条件", "保温厚度"), (Row{"保温厚度", "100", "mm"}));
    EXPECT_EQ(row(s, "2 设计条件", "泄放温度"), (Row{"泄放温度", "40", "℃"}));
    EXPECT_EQ(row(s, "2 设计条件", "导热系数")[1], "0.2");
    EXPECT_EQ(row(s, "4 计算过程", "安全泄放量（有保温液化气）")[4], "203.459");
    EXPECT_EQ(row(s, "5 结果与校核", "安全泄放面积")[1], "74.0642");
    EXPECT_EQ(row(s, "5 结果与校核", "公称管径")[1], "10");
    EXPECT_EQ(row(s, "5 结果与校核", "按 Pb 所查制造范围 上限 / 下限")[1], "0.085 / 0.045");
}

TEST_F(DiscSheet, CompressedGasKeepsTheWorkingPressureItsBurstPressureCameFrom) {
    const Sheet s = calculated({{"Combo1", "空气"}}, {});
    EXPECT_EQ(row(s, "2 设计条件", "工作压力（输入参数项所用）"),
              (Row{"工作压力（输入参数项所用）", "0.8", "MPa"}));
    EXPECT_EQ(noSheet(), std::nullopt);

    type({{"Text2", "1"}});
    EXPECT_EQ(noSheet().value_or(""),
              "计算后窗口已改动：“工作压力 MPa”已由“0.8”改为“1”。计算书只记录窗口所显示的计算，请重新按“计   "
              "  算”后再打印。");
    type({{"Text2", "0.8"}});
    disc::inputParameters(form, q, shared);
    ASSERT_TRUE(isDone(disc::calculate(form, q, shared)));
    disc::inputParameters(form, q, shared);  // changes no text, but Pb and Pd are derived anew
    EXPECT_EQ(noSheet().value_or(""),
              "计算后又按了“输入参数项”，设计爆破压力和设计压力已重新确定。请重新按“计     算”后再打印。");
    form.select("Option4");
    ASSERT_TRUE(
        std::holds_alternative<Notice>(disc::calculate(form, q, shared)));  // asks for input parameters
    EXPECT_EQ(noSheet(), kNoRecord);
    disc::inputParameters(form, q, shared);
    ASSERT_TRUE(isDone(disc::calculate(form, q, shared)));
    // Reverse acting, 1.0级: Pb = Pd = 1.1 × 1.1 × 0.8 = 0.968, checked as it stands against
    // 1.1 × 0.8 = 0.88 and against Pd.
    const Sheet reverse = buildSheet(*q.memory.record, {}, "1");
    EXPECT_TRUE(holds(reverse, "5 结果与校核", {"设计爆破压力不低于工作压力的 r 倍", "Pb ≥ r × p_w", "0.968 ≥ 0.88 MPa", "合格"}));
    EXPECT_TRUE(holds(reverse, "5 结果与校核", {"设计爆破压力不高于设计压力", "Pb ≤ Pd", "0.968 ≤ 0.968 MPa", "合格"}));
    EXPECT_EQ(std::get<std::string>(reverse.sections[4].blocks.back()), "结论：合格。");
    disc::clear(form, q);
    EXPECT_EQ(noSheet(), kNoRecord);
}

// Each design check on both sides of its bound: the window's message and the sheet's rows and
// conclusion. The numbers are compared as printed, so that what the checker reads decides.
TEST(DesignChecks, EachOnBothSidesOfItsBoundInTheWindowAndOnTheSheet) {
    struct Check {
        const char* name;
        const char* condition;
        const char* numbers;
        bool passed;
    };
    struct Case {
        const char* what;
        Device device;
        Texts before;  // before input parameters
        Texts after;
        std::vector<Check> checks;
    };
    const Case cases[] = {
        // p_set = 1.05 × 0.8 = 0.84 against the design pressure typed; A0 = 804.2471 of d0 32.
        {"valve, p_set at Pd", Device::SafetyValve, {{"Combo1", "空气"}}, {{"Text3", "0.84"}},
         {{"开启压力不高于设计压力", "p_set ≤ Pd", "0.84 ≤ 0.84 MPa", true},
          {"标准喉径的排放面积不小于所需排放面积", "A0 ≥ A", "804.2471 ≥ 563.8745 mm²", true}}},
        {"valve, p_set above Pd", Device::SafetyValve, {{"Combo1", "空气"}}, {{"Text3", "0.83"}},
         {{"开启压力不高于设计压力", "p_set ≤ Pd", "0.84 > 0.83 MPa", false},
          {"标准喉径的排放面积不小于所需排放面积", "A0 ≥ A", "804.2471 ≥ 563.8745 mm²", true}}},
        // Air, 普通正拱, 1.0级: p_min = 1.43 × 0.8 = 1.144, Pb = 1.144 + 0.065 = 1.209, Pd = 1.319;
        // at Pb the range is 0.11 / 0.065: 1.209 − 0.065 = 1.144, 1.209 + 0.11 = 1.319, both at their bound.
        {"disc, range at both bounds", Device::BurstingDisc, {{"Combo1", "空气"}}, {},
         {{"制造范围的最低爆破压力不低于工作压力的 r 倍", "Pb − 下限 ≥ r × p_w", "1.144 ≥ 1.144 MPa", true},
          {"制造范围的最高爆破压力不高于设计压力", "Pb + 上限 ≤ Pd", "1.319 ≤ 1.319 MPa", true}}},
        // Air as a liquefied gas, p_w 1.39: Pd = 1.1 × 1.39 = 1.529; the range at 1.529 (0.16) gives
        // 1.369, the range there (0.11) Pb = 1.419, whose own range is 0.16 / 0.085 again:
        // 1.419 − 0.085 = 1.334 < 1.43 × 1.529 / 1.1 = 1.9877; 1.419 + 0.16 = 1.579 > 1.529.
        {"disc, range beyond both bounds", Device::BurstingDisc,
         {{"Combo1", "空气"}, {"Combo2", "无保温液化气"}, {"Text2", "1.39"}}, {{"Text7", "1000"}},
         {{"制造范围的最低爆破压力不低于工作压力的 r 倍", "Pb − 下限 ≥ r × p_w", "1.334 < 1.9877 MPa", false},
          {"制造范围的最高爆破压力不高于设计压力", "Pb + 上限 ≤ Pd", "1.579 > 1.529 MPa", false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto run = [&c](auto calculator) {
            calculator.type(c.before);
            calculator.inputParameters();
            calculator.type(c.after);
            const Outcome o = calculator.calculate();
            return std::pair{o, *calculator.q.memory.record};
        };
        const auto [outcome, record] = c.device == Device::SafetyValve ? run(test::Valve{}) : run(test::Disc{});
        const Sheet s = buildSheet(record, {}, "1");
        std::string message = "已写出计算结果，但下列校核不合格，该装置不能按此采用：";
        std::string conclusion;
        for (const Check& check : c.checks) {
            const std::string condition = check.condition;
            EXPECT_TRUE(holds(s, "5 结果与校核", {check.name, condition, check.numbers, check.passed ? "合格" : "不合格"}))
                << check.name;
            if (!check.passed) {
                message += "\n· " + std::string(check.name) + "：" + condition + "，" + check.numbers + "，不合格。";
                conclusion += (conclusion.empty() ? "" : "、") + std::string("“") + check.name + "”";
            }
        }
        if (conclusion.empty()) {
            EXPECT_TRUE(isDone(outcome)) << describe(outcome).text;
            EXPECT_EQ(std::get<std::string>(s.sections[4].blocks.back()), "结论：合格。");
        } else {
            EXPECT_EQ(describe(outcome).text, message);
            EXPECT_EQ(std::get<std::string>(s.sections[4].blocks.back()), "结论：不合格，" + conclusion + "不满足。");
        }
    }
}

TEST(SheetCaption, NamesAndUnitsAsTheSheetWritesThem) {
    const std::pair<const char*, NameAndUnit> cases[] = {
        {" 介  质", {"介质", ""}},
        {"泄放侧压力MPa", {"泄放侧压力", "MPa"}},
        {"  计算喉径  mm", {"计算喉径", "mm"}},
        {"安全泄放面积 mm^2", {"安全泄放面积", "mm²"}},
        {"设计温度 ℃", {"设计温度", "℃"}},
        {"进气流速 m/s", {"进气流速", "m/s"}},
        {"密封半锥角φ", {"密封半锥角φ", ""}},
        {"k=", {"k", ""}},
        {"全 启 式", {"全启式", ""}},
    };
    for (const auto& [caption, expected] : cases) {
        const NameAndUnit n = splitCaption(caption);
        EXPECT_EQ(n.name, expected.name) << caption;
        EXPECT_EQ(n.unit, expected.unit) << caption;
    }
}

}  // namespace
}  // namespace orvane::sheet
