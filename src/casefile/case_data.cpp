#include "case_data.h"

#include <array>
#include <charconv>
#include <optional>

#include "disc/disc_calculation.h"
#include "engine/number_text.h"
#include "engine/numeric_fault.h"
#include "form/memory_form.h"
#include "valve/valve_calculation.h"

namespace orvane::casefile {

namespace {

constexpr std::array<std::string_view, 2> kValveDerived = {"Pd_MPa", "Pw_MPa"};
constexpr std::array<std::string_view, 2> kDiscDerived = {"Pb_MPa", "Pd_MPa"};
constexpr std::array<std::string_view, 4> kProgramValues = {"fixed_design_pressure_MPa", "latent_heat_kJ_kg",
                                                            "design_temperature_C", "phase"};

struct UnitLabel {
    std::string_view label;
    std::string_view key;
};
// The unit labels that stand under a field's label and are shown and hidden with it.
constexpr std::array<UnitLabel, 3> kValveUnits = {
    {{"Label23", "latent_heat_kJ_kg"}, {"Label31", "gas_density_kg_m3"}, {"Label33", "back_pressure_abs_MPa"}}};
constexpr std::array<UnitLabel, 2> kDiscUnits = {{{"Label23", "latent_heat_kJ_kg"}, {"Label31", "gas_density_kg_m3"}}};

constexpr std::string_view kLamp = "Shape1";
constexpr std::string_view kCapacityField = "Text7";

std::span<const std::string_view> derivationInputs(Device device) {
    return device == Device::SafetyValve ? std::span<const std::string_view>(valve::kDerivationInputs)
                                         : std::span<const std::string_view>(disc::kDerivationInputs);
}

const CaseKey& optionKey(Device device) {
    for (const CaseKey& k : caseKeys(device)) {
        if (k.kind == KeyKind::Option) return k;
    }
    return caseKeys(device).front();
}

const CaseKey* keyOfControl(Device device, std::string_view control) {
    for (const CaseKey& k : caseKeys(device)) {
        if (k.kind != KeyKind::Option && k.control == control) return &k;
    }
    return nullptr;
}

std::string_view optionCaption(Device device, std::string_view option) {
    const ControlRow* c = windowTableOf(device).find(option);
    return c != nullptr ? c->text : std::string_view();
}

std::string selectedCaption(Device device, const Form& form) {
    for (std::string_view option : optionControls(device)) {
        if (form.isSelected(option)) return std::string(optionCaption(device, option));
    }
    return {};
}

std::string optionalText(const std::optional<double>& value) { return value ? exactText(*value) : std::string(); }

// A number text the case wrote; 0 for anything else (the reader lets only number texts through).
double numberOf(const std::string& text) {
    try {
        return readNumber(text);
    } catch (const NumericFault&) {
        return 0;
    }
}

std::optional<double> optionalNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return numberOf(text);
}

const std::string& at(const Texts& texts, std::string_view key) {
    static const std::string kNone;
    const auto it = texts.find(key);
    return it == texts.end() ? kNone : it->second;
}

}  // namespace

std::span<const std::string_view> derivedNames(Device device) {
    return device == Device::SafetyValve ? std::span<const std::string_view>(kValveDerived)
                                         : std::span<const std::string_view>(kDiscDerived);
}

std::span<const std::string_view> programValueNames() { return kProgramValues; }

std::vector<std::pair<std::string_view, std::string>> viewControls(Device device) {
    std::vector<std::pair<std::string_view, std::string>> out;
    const WindowTable& table = windowTableOf(device);
    for (const CaseKey& k : caseKeys(device)) {
        if (k.kind != KeyKind::Field) continue;
        out.emplace_back(k.control, std::string(k.key));
        const ControlRow* c = table.find(k.control);
        if (c != nullptr && !c->label.empty()) out.emplace_back(c->label, std::string(k.key) + ".label");
    }
    const std::span<const UnitLabel> units =
        device == Device::SafetyValve ? std::span<const UnitLabel>(kValveUnits) : std::span<const UnitLabel>(kDiscUnits);
    for (const UnitLabel& u : units) out.emplace_back(u.label, std::string(u.key) + ".unit");
    return out;
}

std::string viewName(Device device, std::string_view control) {
    for (auto& [name, view] : viewControls(device)) {
        if (name == control) return view;
    }
    return {};
}

std::string exactText(double value) {
    const std::string text = writeDouble(value);
    if (numberOf(text) == value) return text;
    std::array<char, 64> buf{};
    const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 17);
    if (ec != std::errc()) return text;
    std::string out(buf.data(), end);
    for (char& ch : out) {
        if (ch == 'e') ch = 'E';
    }
    return out;
}

CaseData capture(Device device, const Form& form, std::span<const float> derived, const CalculatorMemory& memory,
                 const ProgramValues& shared) {
    CaseData d;
    d.device = device;
    const WindowTable& table = windowTableOf(device);
    for (const CaseKey& k : caseKeys(device)) {
        switch (k.kind) {
            case KeyKind::Field: d.inputs.emplace(k.key, form.text(k.control)); break;
            case KeyKind::Option: d.inputs.emplace(k.key, selectedCaption(device, form)); break;
            case KeyKind::Result: d.results.emplace(k.key, form.text(k.control)); break;
        }
    }
    d.capacityTyped = capacityTyped(form.text(kCapacityField), memory);
    d.lampLit = form.isShown(kLamp);
    for (const auto& [control, view] : viewControls(device)) {
        if (form.isShown(control)) d.shown.insert(view);
        const ControlRow* c = table.find(control);
        const int top = form.top(control);
        if (c != nullptr && top != c->at.top) d.moved.emplace(view, writeInteger(top));
    }

    const std::span<const std::string_view> inputs = derivationInputs(device);
    const FieldTexts basis = memory.basis ? *memory.basis : textsAtOpen(table, inputs);
    for (const auto& [control, text] : basis) {
        if (control.starts_with("Option")) {
            if (text == "1") d.basis[std::string(optionKey(device).key)] = optionCaption(device, control);
            else d.basis.try_emplace(std::string(optionKey(device).key));
        } else if (const CaseKey* k = keyOfControl(device, control)) {
            d.basis.emplace(k->key, text);
        }
    }
    for (const auto& [control, text] : memory.catalogue) {
        if (const CaseKey* k = keyOfControl(device, control)) d.catalogue.emplace(k->key, text);
    }
    const std::span<const std::string_view> names = derivedNames(device);
    for (std::size_t i = 0; i < names.size() && i < derived.size(); ++i) {
        d.derived.emplace(names[i], writeSingle(derived[i]));
    }
    d.derivation = memory.derivation;
    d.programValues.emplace(kProgramValues[0], optionalText(shared.FixedDesignPressure));
    d.programValues.emplace(kProgramValues[1], optionalText(shared.LatentHeat));
    d.programValues.emplace(kProgramValues[2], optionalText(shared.DesignTemperature));
    d.programValues.emplace(kProgramValues[3], shared.PhaseText.value_or(""));
    return d;
}

CaseData capture(const Form& form, const valve::ValveQuantities& q, const ProgramValues& shared) {
    const std::array<float, 2> derived = {q.Pd, q.Pw};
    return capture(Device::SafetyValve, form, derived, q.memory, shared);
}

CaseData capture(const Form& form, const disc::DiscQuantities& q, const ProgramValues& shared) {
    const std::array<float, 2> derived = {q.Pb, q.Pd};
    return capture(Device::BurstingDisc, form, derived, q.memory, shared);
}

void restore(const CaseData& data, Form& form, std::span<float> derived, CalculatorMemory& memory,
             ProgramValues& shared, bool withProgramValues) {
    const Device device = data.device;
    const WindowTable& table = windowTableOf(device);
    const std::string& option = at(data.inputs, optionKey(device).key);
    for (std::string_view o : optionControls(device)) {
        if (optionCaption(device, o) == option) form.select(o);
    }
    for (const CaseKey& k : caseKeys(device)) {
        if (k.kind == KeyKind::Field) form.setText(k.control, at(data.inputs, k.key));
        if (k.kind == KeyKind::Result) form.setText(k.control, at(data.results, k.key));
    }
    for (const auto& [control, view] : viewControls(device)) {
        form.setShown(control, data.shown.contains(view));
        const ControlRow* c = table.find(control);
        const auto moved = data.moved.find(view);
        const std::optional<int> movedTop =
            moved != data.moved.end() ? wholeNumber(numberOf(moved->second), 0, kLargestTop) : std::nullopt;
        const int top = movedTop.value_or(c->at.top);
        if (form.top(control) != top) form.setTop(control, top);
    }

    FieldTexts basis;
    for (std::string_view control : derivationInputs(device)) {
        if (control.starts_with("Option")) {
            basis.emplace_back(control, optionCaption(device, control) == at(data.basis, optionKey(device).key) ? "1" : "0");
        } else if (const CaseKey* k = keyOfControl(device, control)) {
            basis.emplace_back(control, at(data.basis, k->key));
        }
    }
    memory.basis = std::move(basis);
    memory.catalogue.clear();
    for (std::string_view control : kPropertyFields) {
        const CaseKey* k = keyOfControl(device, control);
        if (k == nullptr) continue;
        const auto it = data.catalogue.find(k->key);
        if (it != data.catalogue.end()) memory.catalogue.emplace_back(control, it->second);
    }
    const std::string capacity = form.text(kCapacityField);
    if (!data.capacityTyped && !capacity.empty()) memory.programCapacity = capacity;
    else memory.programCapacity.reset();
    memory.derivation = data.derivation;
    memory.record.reset();

    const std::span<const std::string_view> names = derivedNames(device);
    for (std::size_t i = 0; i < names.size() && i < derived.size(); ++i) {
        derived[i] = static_cast<float>(numberOf(at(data.derived, names[i])));
    }
    if (withProgramValues) {
        shared.FixedDesignPressure = optionalNumber(at(data.programValues, kProgramValues[0]));
        shared.LatentHeat = optionalNumber(at(data.programValues, kProgramValues[1]));
        shared.DesignTemperature = optionalNumber(at(data.programValues, kProgramValues[2]));
        const std::string& phase = at(data.programValues, kProgramValues[3]);
        shared.PhaseText = phase.empty() ? std::nullopt : std::optional<std::string>(phase);
    }
    form.setShown(kLamp, data.lampLit);  // last: an edit above may have lit it
}

void restore(const CaseData& data, Form& form, valve::ValveQuantities& q, ProgramValues& shared,
             bool withProgramValues) {
    std::array<float, 2> derived = {q.Pd, q.Pw};
    restore(data, form, derived, q.memory, shared, withProgramValues);
    q.Pd = derived[0];
    q.Pw = derived[1];
}

void restore(const CaseData& data, Form& form, disc::DiscQuantities& q, ProgramValues& shared,
             bool withProgramValues) {
    std::array<float, 2> derived = {q.Pb, q.Pd};
    restore(data, form, derived, q.memory, shared, withProgramValues);
    q.Pb = derived[0];
    q.Pd = derived[1];
}

CaseData freshCase(Device device, const ProgramValues& shared) {
    const MemoryForm form(windowTableOf(device));
    const CalculatorMemory memory;
    const std::array<float, 2> derived = {0, 0};
    return capture(device, form, derived, memory, shared);
}

std::string resultsTable(Device device, const Form& form) {
    std::string out = "项目\t数值\t单位\n";
    for (const CaseKey& k : caseKeys(device)) {
        if (k.kind != KeyKind::Result) continue;
        // The caption names the quantity, then its unit after a blank: "安全泄放量 kg/h".
        const std::string_view caption = keyCaption(device, k);
        const std::size_t blank = caption.find(' ');
        std::string_view name = caption.substr(0, blank);
        std::string_view unit = blank == std::string_view::npos ? std::string_view() : caption.substr(blank);
        while (!unit.empty() && unit.front() == ' ') unit.remove_prefix(1);
        out.append(name).append("\t").append(form.text(k.control)).append("\t").append(unit).append("\n");
    }
    return out;
}

}  // namespace orvane::casefile
