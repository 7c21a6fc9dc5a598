#include "case_data.h"

#include <array>
#include <charconv>
#include <optional>

#include "devices/devices.h"
#include "engine/number_text.h"
#include "engine/numeric_fault.h"
#include "form/memory_form.h"
#include "form/window_case.h"

namespace orvane::casefile {

namespace {

constexpr std::array<std::string_view, 2> kValveDerived = {"Pd_MPa", "Pw_MPa"};
constexpr std::array<std::string_view, 2> kDiscDerived = {"Pb_MPa", "Pd_MPa"};
constexpr std::array<std::string_view, 4> kProgramValues = {"fixed_design_pressure_MPa", "latent_heat_kJ_kg",
                                                            "design_temperature_C", "phase"};
constexpr std::array<std::pair<Source, std::string_view>, 5> kSourceNames = {{{Source::Typed, "typed"},
                                                                            {Source::Catalogue, "catalogue"},
                                                                            {Source::UserLibrary, "user_library"},
                                                                            {Source::Derived, "derived"},
                                                                            {Source::Computed, "computed"}}};

struct UnitLabel {
    std::string_view label;
    Field field;
};
// The unit labels that stand under a field's label and are shown and hidden with it.
constexpr std::array<UnitLabel, 3> kValveUnits = {
    {{"Label23", Field::LatentHeat}, {"Label31", Field::GasDensity}, {"Label33", Field::BackPressure}}};
constexpr std::array<UnitLabel, 2> kDiscUnits = {{{"Label23", Field::LatentHeat}, {"Label31", Field::GasDensity}}};

constexpr std::string_view kLamp = "Shape1";

// The fields a case file holds as inputs and whose shown state it keeps.
bool isInput(const FieldInfo& f) { return !f.isResult(); }
bool hasView(const FieldInfo& f) { return isInput(f) && f.role != Role::Option; }

std::string optionalText(const std::optional<double>& value) { return value ? exactText(*value) : std::string(); }

// A number text the case wrote; 0 for anything else (the reader lets only number texts through).
double numberOf(const std::string& text) {
    try {
        return readNumber(text);
    } catch (const NumericFault&) {
        return 0;
    }
}

// A derived pressure as the program holds it, a single (the reader lets through only pressures
// within the single range).
float singleOf(const std::string& text) { return static_cast<float>(numberOf(text)); }

std::optional<double> optionalNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return numberOf(text);
}

const std::string& at(const Texts& texts, std::string_view key) {
    static const std::string kNone;
    const auto it = texts.find(key);
    return it == texts.end() ? kNone : it->second;
}

std::array<float*, 2> derivedOf(Device device, Derived& d) {
    if (device == Device::SafetyValve) return {&d.Pd, &d.Pw};
    return {&d.Pb, &d.Pd};
}

// The derivation a case's data holds, with the pressures as its float texts give them.
Derived derivedOf(const CaseData& data) {
    const Description& desc = devices::description(data.device);
    Derived d;
    if (data.derivedDone) {
        for (Field f : desc.derivationInputs()) d.basis.emplace_back(f, at(data.basis, desc.info(f).key));
        d.serial = 1;
    }
    const std::array<float*, 2> pressures = derivedOf(data.device, d);
    const std::span<const std::string_view> names = derivedNames(data.device);
    for (std::size_t i = 0; i < names.size(); ++i) *pressures[i] = singleOf(at(data.derived, names[i]));
    d.steps = data.derivation;
    return d;
}

}  // namespace

std::span<const std::string_view> derivedNames(Device device) {
    return device == Device::SafetyValve ? std::span<const std::string_view>(kValveDerived)
                                         : std::span<const std::string_view>(kDiscDerived);
}

std::span<const std::string_view> programValueNames() { return kProgramValues; }

std::string_view sourceName(Source source) {
    for (const auto& [s, name] : kSourceNames) {
        if (s == source) return name;
    }
    return "typed";
}

std::optional<Source> sourceNamed(std::string_view name) {
    for (const auto& [s, n] : kSourceNames) {
        if (n == name) return s;
    }
    return std::nullopt;
}

std::vector<std::pair<std::string_view, std::string>> viewControls(Device device) {
    std::vector<std::pair<std::string_view, std::string>> out;
    const WindowTable& table = devices::windowTable(device);
    for (const FieldInfo& f : devices::description(device).fields()) {
        if (!hasView(f)) continue;
        out.emplace_back(f.control, f.key);
        const ControlRow* c = table.find(f.control);
        if (c != nullptr && !c->label.empty()) out.emplace_back(c->label, f.key + ".label");
    }
    const std::span<const UnitLabel> units =
        device == Device::SafetyValve ? std::span<const UnitLabel>(kValveUnits) : std::span<const UnitLabel>(kDiscUnits);
    for (const UnitLabel& u : units) out.emplace_back(u.label, devices::description(device).info(u.field).key + ".unit");
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

CaseData capture(Device device, const Form& form, const CalculatorMemory& memory, const ProgramValues& shared) {
    CaseData d;
    d.device = device;
    const Description& desc = devices::description(device);
    const WindowTable& table = devices::windowTable(device);
    const Case c = readCase(form, desc, memory);
    for (const FieldInfo& f : desc.fields()) {
        const CaseValue& v = c[f.field];
        (isInput(f) ? d.inputs : d.results).emplace(f.key, v.text);
        if (v.source != Source::Typed) d.written.emplace(f.key, WrittenText{v.text, v.source, v.origin});
    }
    d.lampLit = form.isShown(kLamp);
    for (const auto& [control, view] : viewControls(device)) {
        if (form.isShown(control)) d.shown.insert(view);
        const ControlRow* row = table.find(control);
        const int top = form.top(control);
        if (row != nullptr && top != row->at.top) d.moved.emplace(view, writeInteger(top));
    }

    d.derivedDone = memory.derived.serial > 0 || !memory.derived.basis.empty();
    for (Field f : desc.derivationInputs()) {
        std::string text = desc.info(f).defaultText;
        for (const auto& [field, then] : memory.derived.basis) {
            if (field == f) text = then;
        }
        d.basis.emplace(desc.info(f).key, std::move(text));
    }
    Derived derived = memory.derived;
    const std::array<float*, 2> pressures = derivedOf(device, derived);
    const std::span<const std::string_view> names = derivedNames(device);
    for (std::size_t i = 0; i < names.size(); ++i) d.derived.emplace(names[i], writeSingle(*pressures[i]));
    d.derivation = memory.derived.steps;
    d.titleBlock = memory.titleBlock;
    d.userMedium = userMediumOf(c.text(Field::Medium), memory);
    d.programValues.emplace(kProgramValues[0], optionalText(shared.FixedDesignPressure));
    d.programValues.emplace(kProgramValues[1], optionalText(shared.LatentHeat));
    d.programValues.emplace(kProgramValues[2], optionalText(shared.DesignTemperature));
    d.programValues.emplace(kProgramValues[3], shared.PhaseText.value_or(""));
    return d;
}

namespace {

// The case's inputs with their owners and the derivation as the data holds it.
Case storedCase(const CaseData& data) {
    Case c;
    c.device = data.device;
    for (const FieldInfo& f : devices::description(data.device).fields()) {
        CaseValue& v = c[f.field];
        v.text = at(isInput(f) ? data.inputs : data.results, f.key);
        const auto w = data.written.find(f.key);
        if (w != data.written.end() && w->second.text == v.text && !v.text.empty()) {
            v.source = w->second.source;
            v.origin = w->second.origin;
        }
    }
    c.derived = derivedOf(data);
    return c;
}

// Derives the bursting disc's pressures again from the inputs they were derived from: the mismatch
// when they do not give the pressures the case holds (compared as the program writes them, so
// "2.160" is "2.16"), otherwise the derivation with exact pressures.
void deriveAgain(const CaseData& data, const ProgramValues& shared, Case& c) {
    if (data.device != Device::BurstingDisc || !data.derivedDone) return;
    Case basis = c;
    for (const auto& [field, text] : c.derived.basis) {
        if (basis[field].text != text) basis[field] = CaseValue{text, Source::Typed, {}};
    }
    ProgramValues scratch = shared;
    const Derivation again = devices::derive(basis, scratch);
    const char* what[] = {"设计爆破压力 Pb", "设计压力 Pd"};
    const std::pair<const char*, float> values[] = {{"Pb_MPa", again.derived.Pb}, {"Pd_MPa", again.derived.Pd}};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const std::string fresh = isDone(again.outcome) ? writeSingle(values[i].second) : "（无法得出）";
        if (fresh != writeSingle(singleOf(at(data.derived, values[i].first)))) {
            c.derived.mismatch = Mismatch{what[i], at(data.derived, values[i].first), fresh};
            return;
        }
    }
    const std::vector<std::pair<Field, std::string>> held = c.derived.basis;
    c.derived = again.derived;
    c.derived.basis = held;
    c.derived.serial = 1;
}

}  // namespace

std::optional<media::UserMedium> userMediumOf(std::string_view medium, const CalculatorMemory& memory) {
    if (memory.caseMedium && memory.caseMedium->name == medium) return memory.caseMedium;
    const auto library = std::dynamic_pointer_cast<const media::UserMediaLibrary>(userMedia());
    const media::UserMedium* m = library ? library->find(medium) : nullptr;
    if (m == nullptr) return std::nullopt;
    return *m;
}

namespace {


}  // namespace

Case sizingCase(const CaseData& data, const ProgramValues& shared) {
    Case c = storedCase(data);
    const media::CaseMediumInForce medium(data.userMedium);
    deriveAgain(data, shared, c);
    return c;
}

ProgramValues programValuesOf(const CaseData& data) {
    ProgramValues shared;
    shared.FixedDesignPressure = optionalNumber(at(data.programValues, kProgramValues[0]));
    shared.LatentHeat = optionalNumber(at(data.programValues, kProgramValues[1]));
    shared.DesignTemperature = optionalNumber(at(data.programValues, kProgramValues[2]));
    const std::string& phase = at(data.programValues, kProgramValues[3]);
    shared.PhaseText = phase.empty() ? std::nullopt : std::optional<std::string>(phase);
    return shared;
}

Restored restore(const CaseData& data, Form& form, CalculatorMemory& memory, ProgramValues& shared,
                 bool withProgramValues) {
    const Device device = data.device;
    const Description& desc = devices::description(device);
    const WindowTable& table = devices::windowTable(device);
    if (withProgramValues) shared = programValuesOf(data);
    const Case c = sizingCase(data, shared);
    if (const OptionInfo* o = desc.option(c.text(Field::DeviceType))) form.select(o->control);
    memory.written = {};
    for (const FieldInfo& f : desc.fields()) {
        if (f.role == Role::Option) continue;
        writeField(form, desc, memory, f.field, c[f.field]);
    }
    for (const auto& [control, view] : viewControls(device)) {
        form.setShown(control, data.shown.contains(view));
        const ControlRow* row = table.find(control);
        const auto moved = data.moved.find(view);
        const std::optional<int> movedTop =
            moved != data.moved.end() ? wholeNumber(numberOf(moved->second), 0, kLargestTop) : std::nullopt;
        const int top = movedTop.value_or(row->at.top);
        if (form.top(control) != top) form.setTop(control, top);
    }
    memory.derived = c.derived;
    memory.titleBlock = data.titleBlock;
    memory.caseMedium = data.userMedium;
    memory.record.reset();
    memory.calculatedFrom.clear();
    form.setShown(kLamp, data.lampLit || c.derived.mismatch.has_value());  // last: an edit above may have lit it
    return {c.derived.mismatch};
}

CaseData freshCase(Device device, const ProgramValues& shared) {
    const MemoryForm form(devices::windowTable(device));
    const CalculatorMemory memory;
    return capture(device, form, memory, shared);
}

}  // namespace orvane::casefile
