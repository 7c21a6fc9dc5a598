#include "sheet.h"

#include <algorithm>
#include <array>
#include <utility>

#include "casefile/case_keys.h"
#include "engine/number_text.h"
#include "engine/quantities.h"

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

std::string optionGroupCaption(Device device) {
    for (const casefile::CaseKey& k : casefile::caseKeys(device)) {
        if (k.kind == casefile::KeyKind::Option) return std::string(casefile::keyCaption(device, k));
    }
    return {};
}

namespace {

// UTF-8 text as code points with the byte range of each.
struct CodePoint {
    char32_t value;
    std::size_t begin, end;
};

std::vector<CodePoint> codePoints(std::string_view s) {
    std::vector<CodePoint> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : n == 2 ? (b & 0x1Fu) : n == 3 ? (b & 0x0Fu) : (b & 0x07u);
        for (std::size_t k = 1; k < n && i + k < s.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
        out.push_back({c, i, std::min(i + n, s.size())});
        i += n;
    }
    return out;
}

// Chinese characters and full-width punctuation.
bool chinese(char32_t c) {
    return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

// What a unit at the end of a caption is written with.
bool unitCharacter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' ||
           c == '(' || c == ')' || c == '%' || c == U'℃' || c == U'°' || c == U'²' || c == U'³' ||
           c == U'·' || c == ' ';
}

void replaceAll(std::string& s, std::string_view from, std::string_view to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
        s.replace(at, from.size(), to);
    }
}

}  // namespace

std::string tidyCaption(std::string_view caption) {
    const std::vector<CodePoint> cps = codePoints(caption);
    std::string out;
    for (std::size_t i = 0; i < cps.size();) {
        if (cps[i].value != ' ') {
            out.append(caption.substr(cps[i].begin, cps[i].end - cps[i].begin));
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < cps.size() && cps[j].value == ' ')
            ++j;
        const bool between = i > 0 && j < cps.size() && chinese(cps[i - 1].value) && chinese(cps[j].value);
        if (i > 0 && j < cps.size() && !between) out += ' ';
        i = j;
    }
    replaceAll(out, "^2", "²");
    replaceAll(out, "^3", "³");
    if (out.ends_with('=')) out.pop_back();
    return out;
}

NameAndUnit splitCaption(std::string_view caption) {
    const std::string tidy = tidyCaption(caption);
    const std::vector<CodePoint> cps = codePoints(tidy);
    std::size_t tail = cps.size();
    for (std::size_t i = cps.size(); i > 0; --i) {
        if (chinese(cps[i - 1].value)) break;
        if (!unitCharacter(cps[i - 1].value)) return {tidy, {}};
        tail = i - 1;
    }
    if (tail == 0 || tail == cps.size()) return {tidy, {}};
    std::string name = tidy.substr(0, cps[tail].begin);
    std::string unit = tidy.substr(cps[tail].begin);
    while (name.ends_with(' '))
        name.pop_back();
    while (unit.starts_with(' '))
        unit.erase(0, 1);
    return {name, unit};
}

namespace {

constexpr std::string_view kNone = "—";
// Fields both windows have under the same name.
constexpr std::string_view kMedium = "Combo1";
constexpr std::string_view kDensity = "Text14";
constexpr std::string_view kCapacity = "Text7";

// The name of a property by its symbol, where the window shows the symbol only.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kPropertyNames = {{
    {"M", "摩尔质量"},
    {"k", "绝热指数"},
    {"C", "气体特性系数"},
    {"Z", "压缩系数"},
}};

std::string orNone(const std::string& text) {
    return text.empty() ? std::string(kNone) : text;
}

// Name and unit of a field: the unit the record gives, else the one its caption ends with.
NameAndUnit nameAndUnit(std::string_view caption, const std::string& unit) {
    NameAndUnit n = splitCaption(caption);
    if (!unit.empty()) n.unit = unit;
    return n;
}

bool isOption(std::string_view field) {
    return field.starts_with("Option");
}

const RecordChoice* choice(const CalculationRecord& r, std::string_view field) {
    for (const RecordChoice& c : r.choices) {
        if (c.field == field) return &c;
    }
    return nullptr;
}

const RecordChoice* selectedOption(const CalculationRecord& r) {
    for (const RecordChoice& c : r.choices) {
        if (isOption(c.field)) return &c;
    }
    return nullptr;
}

bool isProperty(const CalculationRecord& r, std::string_view field) {
    return std::any_of(r.properties.begin(), r.properties.end(),
                       [field](const RecordProperty& p) { return p.field == field; });
}

// The value used, with what was typed where it differs.
std::string valueAsUsed(const RecordInput& in) {
    if (in.readAsZero) {
        return in.value + (in.text.empty() ? "（未输入，按 0 计）" : "（输入“" + in.text + "”，按 0 计）");
    }
    if (in.text != in.value) return in.value + "（输入 " + in.text + "）";
    return in.value;
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
        if (c.field == kMedium) continue;  // with the properties
        const std::string name = isOption(c.field) ? optionGroupCaption(r.device) : tidyCaption(c.caption);
        t.rows.push_back({name, c.text, ""});
    }
    for (const RecordInput& in : r.inputs) {
        if (isProperty(r, in.field) || in.field == kDensity) continue;
        NameAndUnit n = nameAndUnit(in.caption, in.unit);
        if (in.field == kCapacity) n.name += "（输入值）";
        t.rows.push_back({n.name, valueAsUsed(in), n.unit});
    }
    // What input parameters derived the pressures from and this calculation did not read or compute
    // (a working pressure computed from the design pressure is one of the steps).
    for (const RecordChoice& d : r.derivationInputs) {
        if (isOption(d.field) || choice(r, d.field) != nullptr || r.input(d.field) != nullptr) continue;
        const NameAndUnit n = nameAndUnit(d.caption, {});
        const auto computed = [&n](const RecordStep& s) { return s.name == n.name; };
        if (std::any_of(r.steps.begin(), r.steps.end(), computed)) continue;
        t.rows.push_back({n.name + "（输入参数项所用）", orNone(d.text), n.unit});
    }
    return {"2 设计条件", {std::move(t)}};
}

SheetSection properties(const CalculationRecord& r) {
    SheetTable t{{"物性", "符号", "数值", "单位", "来源"}, {26, 10, 24, 16, 24}, {}};
    if (const RecordChoice* medium = choice(r, kMedium))
        t.rows.push_back({"介质", std::string(kNone), medium->text, "", "选定"});
    for (const RecordProperty& p : r.properties) {
        NameAndUnit n = nameAndUnit(p.caption, p.unit);
        for (const auto& [symbol, name] : kPropertyNames) {
            if (p.symbol == symbol) n.name = name;
        }
        const std::string symbol = p.symbol == n.name ? std::string(kNone) : p.symbol;
        const std::string source = p.text.empty()                          ? std::string(kNone)
                                   : p.source == PropertySource::Catalogue ? "物性库"
                                                                           : "用户输入";
        t.rows.push_back({n.name, symbol, orNone(p.text), n.unit, source});
    }
    if (const RecordInput* rho = r.input(kDensity)) {
        const NameAndUnit n = nameAndUnit(rho->caption, rho->unit);
        t.rows.push_back({n.name, "ρ", valueAsUsed(*rho), n.unit, "用户输入"});
    } else {
        for (const RecordStep& s : r.steps) {
            if (s.symbol == "ρ")
                t.rows.push_back({s.name, s.symbol, s.result, s.unit, "计算值（见第 4 节）"});
        }
    }
    return {"3 介质物性", {std::move(t)}};
}

std::vector<std::string> stepRow(const RecordStep& s) {
    return {s.name, s.symbol, s.equation, s.substituted, s.result, s.unit};
}

SheetSection process(const CalculationRecord& r) {
    SheetTable t{{"名称", "符号", "公式", "代入数值", "结果", "单位"}, {14, 7, 25, 27, 20, 7}, {}};
    if (!r.derivation.empty()) {
        t.rows.push_back({"输入参数项：设计爆破压力 Pb 与设计压力 Pd"});
        for (const RecordStep& s : r.derivation)
            t.rows.push_back(stepRow(s));
        t.rows.push_back({"计算"});
    }
    for (const RecordStep& s : r.steps)
        t.rows.push_back(stepRow(s));
    return {"4 计算过程", {std::move(t)}};
}

SheetTable resultTable(const CalculationRecord& r) {
    SheetTable t{{"项目", "结果", "单位"}, {45, 40, 15}, {}};
    for (const RecordResult& res : r.results) {
        const NameAndUnit n = nameAndUnit(res.caption, res.unit);
        t.rows.push_back({n.name, res.text.empty() ? "—（未给出）" : res.text, n.unit});
    }
    return t;
}

void valveCheck(const CalculationRecord& r, SheetSection& section) {
    if (!r.throatCheck) {
        section.blocks.emplace_back(std::string("未选定标准喉径，不作面积校核（见第 6 节提示）。"));
        return;
    }
    const RecordThroatCheck& c = *r.throatCheck;
    const RecordResult* area = r.result("Text8");
    SheetTable t{{"标准喉径校核", "数值", "单位"}, {45, 40, 15}, {}};
    t.rows = {
        {"标准喉径 d0", c.throat, "mm"},
        {"标准喉径的排放面积 A0", c.area, "mm²"},
        {"所需排放面积 A", area != nullptr ? area->text : std::string(kNone), "mm²"},
        {"面积裕量 (A0 − A) / A", c.margin, "%"},
        {"结论", c.passed ? "合格" : "不合格", ""},
    };
    section.blocks.emplace_back(std::move(t));
    section.blocks.emplace_back("A0 按计算喉径所用的同一关系由 d0 求得（见第 4 节），π 取 " +
                                writeSingle(kWindowPi) + "，与程序各处计算所用的 π 相同。");
}

void discCheck(const CalculationRecord& r, SheetSection& section) {
    SheetTable t{{"爆破压力", "数值", "单位"}, {45, 40, 15}, {}};
    if (const RecordChoice* type = selectedOption(r))
        t.rows.push_back({optionGroupCaption(r.device), type->text, ""});
    if (const RecordChoice* grade = choice(r, "Combo5"))
        t.rows.push_back({tidyCaption(grade->caption), grade->text, ""});
    const RecordStep* range = nullptr;
    for (const RecordStep& s : r.derivation) {
        if (s.symbol == "上限 / 下限") range = &s;
    }
    if (range != nullptr) {
        t.rows.push_back({"制造范围 上限 / 下限", range->result, range->unit});
    } else {
        t.rows.push_back(
            {"制造范围", r.derivation.empty() ? "—（未按“输入参数项”）" : "—（反拱型不查制造范围）", ""});
    }
    for (const auto& [field, name] :
         {std::pair{"Text13", "设计爆破压力 Pb"}, std::pair{"Text3", "设计压力 Pd"}}) {
        if (const RecordResult* res = r.result(field)) {
            t.rows.push_back({name, orNone(res->text), nameAndUnit(res->caption, res->unit).unit});
        }
    }
    section.blocks.emplace_back(std::move(t));
}

SheetSection results(const CalculationRecord& r) {
    SheetSection s{"5 结果与校核", {resultTable(r)}};
    if (r.device == Device::SafetyValve) {
        valveCheck(r, s);
    } else {
        discCheck(r, s);
    }
    return s;
}

SheetSection notices(const CalculationRecord& r) {
    SheetSection s{"6 提示", {}};
    if (r.typedCapacity) {
        const RecordInput* w = r.input(kCapacity);
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
    sheet.signOff = {{"设计", header.designer}, {"校核", header.checker}, {"审核", header.approver}};
    return sheet;
}

}  // namespace orvane::sheet
