#include "sheet.h"

#include <algorithm>
#include <array>
#include <utility>

#include "devices/devices.h"
#include "engine/number_text.h"
#include "engine/quantities.h"
#include "sizing/formula.h"

#ifndef ORVANE_VERSION
#error "ORVANE_VERSION is set by the build from the project's version"
#endif

namespace orvane::sheet {

std::string_view programVersion() {
    return ORVANE_VERSION;
}

std::string_view sheetTitle(Device device) {
    return device == Device::SafetyValve ? "安全阀计算书" : "爆破片计算书";
}

std::string optionGroupCaption(Device device) { return devices::description(device).optionGroup(); }

namespace {

constexpr std::string_view kNone = "—";

std::string orNone(const std::string& text) {
    return text.empty() ? std::string(kNone) : text;
}

const Description& described(const CalculationRecord& r) { return devices::description(r.device); }

// Name and unit of a field, as its description gives them.
NameAndUnit nameAndUnit(const CalculationRecord& r, Field f) {
    const FieldInfo& info = described(r).info(f);
    return {info.name, info.unit};
}

bool isProperty(const CalculationRecord& r, Field field) {
    return std::any_of(r.properties.begin(), r.properties.end(),
                       [field](const RecordProperty& p) { return p.field == field; });
}

// The value used, with what was typed where it differs.
std::string valueAsUsed(const RecordInput& in) {
    if (in.programText) return in.value + "（“" + in.text + "”为上次计算的结果，按 0 计）";
    if (in.readAsZero) {
        return in.value + (in.text.empty() ? "（未输入，按 0 计）" : "（输入“" + in.text + "”，按 0 计）");
    }
    if (in.text != in.value) return in.value + "（输入 " + in.text + "）";
    return in.value;
}

// Whose a value is, as the sheet names it.
std::string sourceText(Source source, const std::string& origin) {
    switch (source) {
        case Source::Catalogue: return origin.empty() ? "物性库" : "物性库（" + origin + "）";
        case Source::UserLibrary: return origin.empty() ? "用户物性库" : "用户物性库（" + origin + "）";
        case Source::Derived: return "输入参数项";
        case Source::Computed: return "计算值";
        case Source::Typed: break;
    }
    return "用户输入";
}

SheetSection basis(const CalculationRecord& r, std::string_view version) {
    SheetTable t{{"项目", "内容"}, {25, 75}, {}};
    t.rows = {
        {"计算标准", "GB 150-1998《钢制压力容器》附录B 超压泄放装置"},
        {"规程", "《压力容器安全技术监察规程》"},
        {"计算程序", "Orvane " + std::string(version)},
        {"计算时间", orNone(r.calculatedAt)},
    };
    return {"1 计算依据", {std::move(t)}};
}

SheetSection conditions(const CalculationRecord& r) {
    SheetTable t{{"项目", "数值", "单位"}, {35, 50, 15}, {}};
    for (const RecordChoice& c : r.choices) {
        if (c.field == Field::Medium) continue;  // with the properties
        if (c.field == Field::DeviceType) {
            t.rows.push_back({optionGroupCaption(r.device), tidyCaption(c.text), ""});
        } else {
            t.rows.push_back({tidyCaption(described(r).caption(c.field)), c.text, ""});
        }
    }
    for (const RecordInput& in : r.inputs) {
        if (isProperty(r, in.field) || in.field == Field::GasDensity) continue;
        NameAndUnit n = nameAndUnit(r, in.field);
        if (in.field == Field::ReliefCapacity) n.name += "（输入值）";
        t.rows.push_back({n.name, valueAsUsed(in), n.unit});
    }
    // What input parameters derived the pressures from and this calculation did not read or compute
    // (a working pressure computed from the design pressure is one of the steps).
    for (const auto& [field, text] : r.derivationInputs) {
        if (field == Field::DeviceType || r.choice(field) != nullptr || r.input(field) != nullptr) continue;
        const NameAndUnit n = nameAndUnit(r, field);
        const auto computed = [&n](const RecordStep& s) { return s.name == n.name; };
        if (std::any_of(r.steps.begin(), r.steps.end(), computed)) continue;
        t.rows.push_back({n.name + "（输入参数项所用）", orNone(text), n.unit});
    }
    return {"2 设计条件", {std::move(t)}};
}

SheetSection properties(const CalculationRecord& r) {
    SheetTable t{{"物性", "符号", "数值", "单位", "来源"}, {26, 10, 24, 16, 24}, {}};
    if (const RecordChoice* medium = r.choice(Field::Medium))
        t.rows.push_back({"介质", std::string(kNone), medium->text, "", "选定"});
    for (const RecordProperty& p : r.properties) {
        const FieldInfo& info = described(r).info(p.field);
        const std::string symbol = info.symbol == info.name ? std::string(kNone) : info.symbol;
        const std::string source = p.text.empty() ? std::string(kNone) : sourceText(p.source, p.origin);
        t.rows.push_back({info.name, symbol, orNone(p.text), info.unit, source});
    }
    if (const RecordInput* rho = r.input(Field::GasDensity)) {
        const NameAndUnit n = nameAndUnit(r, Field::GasDensity);
        t.rows.push_back({n.name, "ρ", valueAsUsed(*rho), n.unit, "用户输入"});
    } else {
        for (const RecordStep& s : r.steps) {
            if (s.symbol == "ρ")
                t.rows.push_back({s.name, s.symbol, s.result, s.unit, "计算值（见第 4 节）"});
        }
    }
    return {"3 介质物性", {std::move(t)}};
}

// A step as a row, numbered, with the row of where its constants and table values come from.
void addStep(SheetTable& t, int& number, const RecordStep& s) {
    t.rows.push_back({writeInteger(++number), s.name, s.symbol, s.equation, s.substituted, s.result, s.unit});
    if (!s.note.empty()) t.rows.push_back(SheetRow({"依据：" + s.note}, RowKind::Note));
}

SheetSection process(const CalculationRecord& r) {
    SheetTable t{{"序号", "名称", "符号", "公式", "代入数值", "结果", "单位"}, {6, 13, 7, 24, 28, 15, 7}, {}};
    int number = 0;
    if (!r.derivation.empty()) {
        t.rows.push_back(SheetRow({"输入参数项：设计爆破压力 Pb 与设计压力 Pd"}, RowKind::Title));
        for (const RecordStep& s : r.derivation)
            addStep(t, number, s);
        t.rows.push_back(SheetRow({"计算"}, RowKind::Title));
    }
    for (const RecordStep& s : r.steps)
        addStep(t, number, s);
    return {"4 计算过程", {std::move(t)}};
}

// A result as the sheet prints it: at most 7 significant digits, with the window's text beside it
// where the window shows more, so that the two are seen to be the same number.
std::string printedResult(const std::string& text) {
    if (text.empty()) return "—（未给出）";
    if (!wholeNumberText(text)) return text;
    const std::string rounded = printed(readNumber(text));
    return rounded == text ? text : rounded + "（窗口显示 " + text + "）";
}

// The number of devices the relief capacity was shared among (an empty field is one device).
int devicesOf(const CalculationRecord& r) {
    const RecordInput* n = r.input(Field::DeviceCount);
    return n != nullptr ? wholeNumber(n->number, 1, kMostDevices).value_or(1) : 1;
}

SheetTable resultTable(const CalculationRecord& r) {
    SheetTable t{{"项目", "结果", "单位"}, {40, 45, 15}, {}};
    const int devices = devicesOf(r);
    const std::string each = r.device == Device::SafetyValve ? "每只" : "每片";
    for (const RecordResult& res : r.results) {
        if (!described(r).info(res.field).isResult()) continue;  // the gas density, a working pressure
        NameAndUnit n = nameAndUnit(r, res.field);
        const bool perDevice = res.field == Field::DischargeArea || res.field == Field::ThroatDiameter ||
                               res.field == Field::StandardThroat || res.field == Field::NominalSize ||
                               res.field == Field::Bore;
        if (devices > 1 && perDevice) n.name += "（" + each + "）";
        if (res.field == Field::OpeningPressure) {
            const RecordInput* typed = r.input(Field::OpeningPressure);
            n.name += typed != nullptr ? "（用户输入）" : "（计算值）";
        }
        t.rows.push_back({n.name, printedResult(res.text), n.unit});
        if (devices > 1 && res.field == Field::ReliefCapacity) {
            t.rows.push_back({"数量 n", writeInteger(devices), r.device == Device::SafetyValve ? "只" : "片"});
        }
    }
    return t;
}

void valveFigures(const CalculationRecord& r, SheetSection& section) {
    if (!r.throatCheck) {
        section.blocks.emplace_back(std::string("未选定标准喉径，不作面积校核（见第 6 节提示）。"));
        return;
    }
    const RecordThroatCheck& c = *r.throatCheck;
    const RecordResult* area = r.result(Field::DischargeArea);
    SheetTable t{{"标准喉径", "数值", "单位"}, {40, 45, 15}, {}};
    t.rows = {
        {"标准喉径 d0", c.throat, "mm"},
        {"标准喉径的排放面积 A0", c.area, "mm²"},
        {"所需排放面积 A", area != nullptr ? area->text : std::string(kNone), "mm²"},
        {"面积裕量 (A0 − A) / A", c.margin, "%"},
    };
    section.blocks.emplace_back(std::move(t));
    section.blocks.emplace_back("A0 按计算喉径所用的同一关系由 d0 求得（见第 4 节），π 取 " +
                                writeSingle(kWindowPi) + "，与计算喉径所用的 π 相同（受热面积公式中的 π 为 3.14，见第 4 节）。");
}

// The result of a step of the calculation by its name; none when the calculation did not take it.
const RecordStep* stepNamed(const CalculationRecord& r, std::string_view name) {
    const RecordStep* found = nullptr;
    for (const std::vector<RecordStep>* steps : {&r.derivation, &r.steps}) {
        for (const RecordStep& s : *steps) {
            if (s.name == name) found = &s;
        }
    }
    return found;
}

void discFigures(const CalculationRecord& r, SheetSection& section) {
    SheetTable t{{"爆破压力", "数值", "单位"}, {40, 45, 15}, {}};
    if (const RecordChoice* type = r.choice(Field::DeviceType))
        t.rows.push_back({optionGroupCaption(r.device), tidyCaption(type->text), ""});
    if (const RecordChoice* grade = r.choice(Field::Grade))
        t.rows.push_back({tidyCaption(described(r).caption(Field::Grade)), grade->text, ""});
    for (const auto& [field, name] : {std::pair{Field::DesignBurstPressure, "设计爆破压力 Pb"},
                                      std::pair{Field::DesignPressure, "设计压力 Pd"}}) {
        if (const RecordResult* res = r.result(field)) t.rows.push_back({name, orNone(res->text), nameAndUnit(r, field).unit});
    }
    for (const auto& [step, name] : {std::pair{"制造范围（校核）", "按 Pb 所查制造范围 上限 / 下限"},
                                     std::pair{"最低爆破压力", "最低爆破压力 Pb − 下限"},
                                     std::pair{"最高爆破压力", "最高爆破压力 Pb + 上限"},
                                     std::pair{"工作压力", "工作压力 p_w（Pd / 1.1）"},
                                     std::pair{"工作压力的 r 倍", "工作压力的 r 倍 r × p_w"}}) {
        if (const RecordStep* s = stepNamed(r, step)) t.rows.push_back({name, s->result, s->unit});
    }
    section.blocks.emplace_back(std::move(t));
}

// Each design check with its numbers and verdict, then the conclusion: 合格 only when every check
// holds and the calculation gave its results without a notice (inputs read as 0 are said with it).
void designChecks(const CalculationRecord& r, SheetSection& section) {
    std::vector<std::string> failed;
    if (!r.checks.empty()) {
        SheetTable t{{"校核项目", "条件", "代入数值", "结论"}, {38, 20, 30, 12}, {}};
        for (const RecordCheck& c : r.checks) {
            t.rows.push_back({c.name, c.condition, c.numbers, c.passed ? "合格" : "不合格"});
            if (!c.passed) failed.push_back("“" + c.name + "”");
        }
        section.blocks.emplace_back(std::move(t));
    }
    std::string conclusion;
    const Notice* notice = std::get_if<Notice>(&r.outcome);
    if (!failed.empty()) {
        conclusion = "结论：不合格，";
        for (std::size_t i = 0; i < failed.size(); ++i) conclusion += (i > 0 ? "、" : "") + failed[i];
        conclusion += "不满足。";
    } else if (r.checks.empty() || (notice != nullptr && notice->kind != NoticeKind::ReadAsZero)) {
        conclusion = "结论：未完成，见第 6 节提示。";
    } else if (notice != nullptr) {
        conclusion = "结论：各项校核合格，但有输入按 0 计算，见第 6 节提示。";
    } else {
        conclusion = "结论：合格。";
    }
    section.blocks.emplace_back(std::move(conclusion));
}

SheetSection results(const CalculationRecord& r) {
    SheetSection s{"5 结果与校核", {resultTable(r)}};
    if (r.device == Device::SafetyValve) {
        valveFigures(r, s);
    } else {
        discFigures(r, s);
    }
    designChecks(r, s);
    return s;
}

// The tables the calculation took values from, the rows taken set bold and marked.
SheetSection appendix(const CalculationRecord& r) {
    SheetSection s{"附录 所用的表", {}};
    for (const RecordTable& table : r.tables) {
        s.blocks.emplace_back("表：" + table.title);
        SheetTable t{table.columns, {}, {}};
        t.columns.push_back("本次选用");
        const int width = 85 / static_cast<int>(table.columns.size());
        t.widths.assign(table.columns.size(), width);
        t.widths.push_back(100 - width * static_cast<int>(table.columns.size()));
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            const bool chosen = std::find(table.chosen.begin(), table.chosen.end(), i) != table.chosen.end();
            std::vector<std::string> cells = table.rows[i];
            cells.push_back(chosen ? "◀ 选用" : "");
            t.rows.emplace_back(std::move(cells), chosen ? RowKind::Chosen : RowKind::Cells);
        }
        s.blocks.emplace_back(std::move(t));
    }
    return s;
}

SheetSection notices(const CalculationRecord& r) {
    SheetSection s{"6 提示", {}};
    if (r.typedCapacity) {
        const RecordInput* w = r.input(Field::ReliefCapacity);
        const std::string value = w != nullptr ? w->value : std::string(kNone);
        s.blocks.emplace_back("安全泄放量为输入值：W = " + value + " kg/h，未按泄放工况计算。");
    }
    for (const std::string& n : r.notices)
        s.blocks.emplace_back(n);
    if (s.blocks.empty()) s.blocks.emplace_back(std::string("无。"));
    return s;
}

}  // namespace

Sheet buildSheet(const CalculationRecord& record, const SheetHeader& header, std::string_view version) {
    Sheet sheet;
    sheet.title = sheetTitle(record.device);
    sheet.program = "Orvane " + std::string(version);
    sheet.header = header;
    sheet.sections = {basis(record, version), conditions(record), properties(record),
                      process(record),        results(record),    notices(record)};
    if (!record.tables.empty()) sheet.sections.push_back(appendix(record));
    sheet.signOff = {{"设计", header.designer}, {"校核", header.checker}, {"审核", header.approver}};
    return sheet;
}

}  // namespace orvane::sheet
