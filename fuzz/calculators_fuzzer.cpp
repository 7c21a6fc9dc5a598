// The calculator windows over in-memory controls, driven by a sequence of user steps.
//
// The input is read byte by byte as steps (see LLVMFuzzerTestOneInput): type a text into a field or list,
// select an option button, press input parameters, Calculate or Clear, on the safety valve window
// or, where it is built, the bursting disc window; both share one ProgramValues as in the program.
// After every step:
//  - no exception leaves an action (a numeric problem ends as a FaultReport), nothing crashes and
//    the sanitizers see no undefined behaviour;
//  - every text an action writes is empty, a phase text, or a number text as the program writes it
//    (no "inf", "nan", "-0" or leading blank; read back and written again it is the same text);
//  - the six results are written all together or not at all: untouched after a FaultReport, all
//    written after Done, and after a Notice as the calculation documents for that notice; no device
//    is sized (area, diameter and sizes empty) unless W, A and P are all above zero;
//  - Calculate refuses with a notice, and writes nothing, exactly when an input of input
//    parameters differs from what the last input parameters used (or the window's state at open);
//  - a W shown is the user's or computed from the inputs shown: a computed W is what the window
//    remembers as its own, and a W typed over it (any other text in the field) is used as typed;
//  - after input parameters every property field holds what the catalogue entry of the medium now
//    named gave (remembered as that medium's), what the user had typed there, or nothing: never a
//    value of another medium;
//  - a FaultReport names a control of the window when it is at reading a field, and that field
//    really holds a number beyond range;
//  - every message text is free of "inf" and "nan"; every working quantity and shared value is
//    finite.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/media.h"
#include "engine/number_text.h"
#include "engine/quantities.h"
#include "engine/relief_capacity.h"
#include "form/calculator_memory.h"
#include "form/memory_form.h"
#include "form/window_case.h"
#include "sizing/messages.h"
#include "sizing/steps.h"
#include "fuzz_checks.h"
#include "valve/valve_calculation.h"
#include "valve/valve_controls.h"
#include "valve/valve_input_rules.h"

#if ORVANE_FUZZ_DISC
#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "disc/disc_input_rules.h"
#endif

namespace orvane::fuzz {
namespace {

// ---------------------------------------------------------------------------------------------
// A form that records which texts an action writes.

class RecordingForm final : public Form {
public:
    explicit RecordingForm(MemoryForm& inner) : inner_(inner) {}

    std::string text(std::string_view name) const override { return inner_.text(name); }
    void setText(std::string_view name, std::string_view text) override {
        inner_.setText(name, text);
        written_.emplace(name);
    }
    bool isSelected(std::string_view option) const override { return inner_.isSelected(option); }
    void select(std::string_view option) override { inner_.select(option); }
    bool isShown(std::string_view name) const override { return inner_.isShown(name); }
    void setShown(std::string_view name, bool shown) override { inner_.setShown(name, shown); }
    int top(std::string_view name) const override { return inner_.top(name); }
    void setTop(std::string_view name, int twips) override { inner_.setTop(name, twips); }
    void refresh() override { inner_.refresh(); }

    const std::set<std::string, std::less<>>& written() const { return written_; }
    void forget() { written_.clear(); }

private:
    MemoryForm& inner_;
    std::set<std::string, std::less<>> written_;
};

// ---------------------------------------------------------------------------------------------
// The texts a step can type.

// Numbers near every boundary of the tables and equations, and at the edges of float and double.
constexpr std::string_view kNumbers[] = {
    "0",     "0.1",     "0.16",   "0.26",    "0.4",      "0.7",       "1",          "1.4",       "2.5",
    "3.5",   "6.4",     "10",     "22",      "32",       "40",        "65",         "80",        "100",
    "125",   "200",     "1e38",   "3.4e38",  "1e-40",    "1e999",     "273",        "650",       "0.0999",
    "0.1001", "1.1",    "0.9",    "1.05",    "6.0952381", "9.15395",  "9.9",        "20.24",     "21.9",
    "22.1",  "50",      "20",     "25",      "12",       "16",        "150",        "45",        "30",
    "90",    "180",     "2",      "3.4028235e38", "3.4028236e38", "1.7976931348623157e308", "1e308", "1e-320",
    "4.9e-324", "0.00001", "1e7", "16777217", "1.0000001", "0.65", "1000", "2000", "6000", "1055.4"};

// Texts that are no numbers, or only begin with one.
constexpr std::string_view kOddTexts[] = {
    "",        " ",        "\u3000",     "abc",     "inf",     "-inf",       "nan",       "NaN",
    "infinity", "0x1p3",   "0x10",       "1e",      "1e+",     "e5",         ".",         "-",
    "+",       "+-1",      "--1",        "1..2",    "1e5e5",   "１ｅ３",     "－２",       "\u22123",
    "。5",     "1,5",      "1 000",      "\t7",     "\u00A08", "\u30009",    "\xFF",      "\xE4\xB8",
    "\xC0\xB1", "1\xE2",   "12 MPa",     "-0",      "-0.0",    "+0",         "0e999999",  "1e-999999",
    "9e99999999999999999999", "00000000000000000000000000000000000000001", "１．５", "３．４ｅ３８"};

// List texts: every list item of both windows, the phases, the relief cases and catalogue names.
std::vector<std::string> listTexts(const std::vector<const WindowTable*>& tables) {
    std::set<std::string> texts = {std::string(kPhaseGas), std::string(kPhaseSaturated),
                                   std::string(kPhaseLiquid), std::string(kCaseHeatExchange),
                                   std::string(kCaseReaction)};
    for (const WindowTable* table : tables) {
        for (const ControlRow& c : table->controls) {
            for (std::string_view item : c.items) texts.emplace(item);
            if (c.kind == ControlKind::Combo) texts.emplace(c.text);
        }
    }
    for (const MediumEntry& e : MediumCatalogue::entries()) texts.emplace(e.name);
    return {texts.begin(), texts.end()};
}

// ASCII digits, signs, point and exponent letter in their full-width forms.
std::string fullWidth(std::string_view s) {
    std::string out;
    for (const char c : s) {
        if (c >= '0' && c <= '9') {
            const char32_t cp = U'０' + static_cast<char32_t>(c - '0');
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (c == '.') {
            out += "．";
        } else if (c == 'e') {
            out += "ｅ";
        } else if (c == '-') {
            out += "－";
        } else if (c == '+') {
            out += "＋";
        } else {
            out += c;
        }
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Reading the fuzz input.

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return pos_ >= size_; }
    std::uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string take(std::size_t n) {
        n = std::min(n, size_ - std::min(pos_, size_));
        std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A text to type, by one selector byte and its operands:
//   selector % 4 == 0: a boundary number (index byte) decorated by a flag byte;
//                  1: a list text (index byte);
//                  2: an odd text (index byte);
//                  3: raw bytes (length byte % 33, then the bytes).
std::string textToType(Bytes& in, const std::vector<std::string>& lists) {
    const std::uint8_t selector = in.next();
    switch (selector % 4) {
        case 0: {
            std::string n(kNumbers[in.next() % std::size(kNumbers)]);
            const std::uint8_t flags = in.next();
            if ((flags & 0x01) && n.front() != '-') n.insert(0, "-");
            if (flags & 0x20) n.insert(0, "+");
            if (flags & 0x08) n = fullWidth(n);
            if (flags & 0x40) {
                if (const auto p = n.find('.'); p != std::string::npos) n.replace(p, 1, "。");
            }
            if (flags & 0x80) n += "e0";
            if (flags & 0x02) n.insert(0, "  ");
            if (flags & 0x04) n.insert(0, "\u3000");
            if (flags & 0x10) n += " MPa";
            return n;
        }
        case 1: return lists[in.next() % lists.size()];
        case 2: return std::string(kOddTexts[in.next() % std::size(kOddTexts)]);
        default: return in.take(in.next() % 33);
    }
}

// ---------------------------------------------------------------------------------------------
// The windows and what their actions may write.

enum class ActionKind { InputParameters, Calculate, Clear };

struct WindowUnderTest {
    const char* name;
    const Description& description;
    MemoryForm memory;
    RecordingForm form{memory};
    std::vector<std::string_view> typeable;  // fields and lists
    std::vector<std::string_view> options;
    std::array<std::string_view, 6> outputs;
    std::map<std::string_view, Written> numbers;  // how each field the actions write a number into is written
    bool strictFields;  // a number written into a field missing from `numbers` is a failure

    // `fresh` is the window as it opens (copied: quicker than building it from the table each run).
    WindowUnderTest(const char* n, const Description& d, const MemoryForm& fresh, std::array<std::string_view, 6> out,
                    std::map<std::string_view, Written> nums, bool strict)
        : name(n), description(d), memory(fresh), outputs(out), numbers(std::move(nums)), strictFields(strict) {
        const WindowTable& table = fresh.table();
        for (const ControlRow& c : table.controls) {
            if (c.kind == ControlKind::Text || c.kind == ControlKind::Combo) typeable.push_back(c.name);
            if (c.kind == ControlKind::Option) options.push_back(c.name);
        }
        // By name, so that an input keeps its meaning when the table's rows move.
        std::sort(typeable.begin(), typeable.end());
        std::sort(options.begin(), options.end());
    }
    bool isOutput(std::string_view control) const {
        for (std::string_view o : outputs) {
            if (o == control) return true;
        }
        return false;
    }
};

using Snapshot = std::map<std::string_view, std::string>;

Snapshot outputsOf(const WindowUnderTest& w) {
    Snapshot s;
    for (std::string_view o : w.outputs) s[o] = w.memory.text(o);
    return s;
}

const char* actionName(ActionKind a) {
    switch (a) {
        case ActionKind::InputParameters: return "input parameters";
        case ActionKind::Calculate: return "Calculate";
        case ActionKind::Clear: return "Clear";
    }
    return "?";
}

// Every text the action wrote: empty, a phase, or a number as the program writes it.
void checkWrittenTexts(const WindowUnderTest& w, ActionKind action) {
    for (const std::string& name : w.form.written()) {
        const std::string t = w.memory.text(name);
        const std::string where = std::string(w.name) + " " + actionName(action) + " wrote " + name;
        if (t.empty()) continue;
        if (name == "Text1") {
            if (t != kPhaseGas && t != kPhaseSaturated) fail("%s: phase \"%s\"", where.c_str(), t.c_str());
            continue;
        }
        const auto it = w.numbers.find(name);
        if (it == w.numbers.end() && w.strictFields) fail("%s = \"%s\": not a field it writes", where.c_str(), t.c_str());
        checkWrittenNumber(t, it == w.numbers.end() ? Written::AnyNumber : it->second, where);
    }
}

enum class Results { Untouched, Written };

// The six results as a completed action leaves them: `empty` lists those that must be empty, the
// others must hold a number (standard sizes: an integer).
void expectResults(const WindowUnderTest& w, ActionKind action, const Snapshot& before, Results how,
                   const std::vector<std::string_view>& empty = {}, const char* outcome = "") {
    const std::string where = std::string(w.name) + " " + actionName(action) + " (" + outcome + ")";
    for (std::string_view o : w.outputs) {
        const bool written = w.form.written().contains(o);
        const std::string now = w.memory.text(o);
        if (how == Results::Untouched) {
            if (written || now != before.at(o)) {
                fail("%s: result %s was written (\"%s\" -> \"%s\")", where.c_str(), std::string(o).c_str(),
                     printable(before.at(o)).c_str(), printable(now).c_str());
            }
            continue;
        }
        if (!written) fail("%s: result %s was not written", where.c_str(), std::string(o).c_str());
        const bool mustBeEmpty = std::find(empty.begin(), empty.end(), o) != empty.end();
        if (mustBeEmpty && !now.empty()) {
            fail("%s: result %s = \"%s\", expected empty", where.c_str(), std::string(o).c_str(), now.c_str());
        }
    }
}

// A FaultReport: the step is one the action has, and a reading fault names a field holding a
// number beyond range.
void checkFaultReport(const WindowUnderTest& w, ActionKind action, const FaultReport& r) {
    const std::string where = std::string(w.name) + " " + actionName(action) + " fault";
    if (r.step == Step::ReadingInput) {
        const FieldInfo* field = nullptr;
        for (const FieldInfo& f : w.description.fields()) {
            if (f.caption == r.field) field = &f;
        }
        if (field == nullptr) fail("%s: reading names \"%s\", no field of the window", where.c_str(), r.field.c_str());
        if (r.kind != FaultKind::Overflow) fail("%s: reading %s gives other than overflow", where.c_str(), r.field.c_str());
        const std::string t = w.memory.text(field->control);
        bool overflows = false;
        try {
            overflows = std::isinf(static_cast<float>(readNumber(t)));
        } catch (const NumericFault&) {
            overflows = true;
        }
        if (!overflows) fail("%s: reading %s = \"%s\" reported as overflow", where.c_str(), r.field.c_str(), printable(t).c_str());
    } else if (!r.field.empty()) {
        fail("%s: a computing step names field %s", where.c_str(), r.field.c_str());
    }
}

void checkMessage(const WindowUnderTest& w, const Outcome& outcome) {
    if (isDone(outcome)) return;
    const Message m = describe(outcome);
    if (m.title.empty() || m.text.empty()) fail("%s: a report without message", w.name);
    // A message quotes what the user typed between “ and ”; the rest of it is the program's.
    std::string own;
    for (std::size_t at = 0; at < m.text.size();) {
        const std::size_t open = m.text.find("“", at);
        own += m.text.substr(at, open == std::string::npos ? std::string::npos : open - at);
        if (open == std::string::npos) break;
        const std::size_t close = m.text.find("”", open);
        at = close == std::string::npos ? m.text.size() : close + std::string_view("”").size();
    }
    for (const char* bad : {"inf", "nan", "INF", "NAN"}) {
        if (own.find(bad) != std::string::npos) fail("%s: message \"%s\"", w.name, m.text.c_str());
    }
}

void checkFinite(const Derived& derived, const ProgramValues& shared, const char* where) {
    for (const float v : {derived.Pb, derived.Pd, derived.Pw}) {
        if (!std::isfinite(v)) fail("%s: a derived pressure is %g", where, static_cast<double>(v));
    }
    for (const auto& v : {shared.FixedDesignPressure, shared.LatentHeat, shared.DesignTemperature}) {
        if (v && !std::isfinite(*v)) fail("%s: a shared value is %g", where, *v);
    }
    if (shared.PhaseText && *shared.PhaseText != kPhaseGas && *shared.PhaseText != kPhaseSaturated) {
        fail("%s: shared phase \"%s\"", where, shared.PhaseText->c_str());
    }
}

// The rules every window's actions share: C empties the six results; input parameters leaves them
// and gives no notice; a fault report, and a notice given before anything is computed, leave them.
// Returns false for the outcomes of Calculate whose results the window checks itself.
bool checkSharedRules(const WindowUnderTest& w, ActionKind a, const Outcome& outcome, const Snapshot& before) {
    switch (a) {
        case ActionKind::Clear:
            expectResults(w, a, before, Results::Written, {w.outputs.begin(), w.outputs.end()}, "clear");
            return true;
        case ActionKind::InputParameters:
            if (std::holds_alternative<Notice>(outcome)) fail("%s input parameters gives a notice", w.name);
            expectResults(w, a, before, Results::Untouched, {}, "input parameters");
            return true;
        case ActionKind::Calculate: break;
    }
    if (std::holds_alternative<FaultReport>(outcome)) {
        expectResults(w, a, before, Results::Untouched, {}, "fault");
        return true;
    }
    if (const auto* n = std::get_if<Notice>(&outcome)) {
        switch (n->kind) {
            case NoticeKind::UnknownReliefCase:
            case NoticeKind::UnsupportedReliefCase:
            case NoticeKind::MissingWettedHeight:
            case NoticeKind::InputsChanged:
            case NoticeKind::DerivationDiffers:
            case NoticeKind::BadDeviceCount:
            case NoticeKind::SetPressureOutOfBounds:
            case NoticeKind::LiquidInFire:
                expectResults(w, a, before, Results::Untouched, {}, "notice before computing");
                return true;
            case NoticeKind::NoAreaEquation:
            case NoticeKind::ThroatAboveStandard:
            case NoticeKind::BoreAboveStandard:
            case NoticeKind::NoDeviceSized:
            case NoticeKind::LiquidNothingToSize:
            case NoticeKind::CheckFailed:
            case NoticeKind::ReadAsZero: break;
        }
    }
    return false;
}

// A calculation that wrote W and the pressures but sized no device, and one that wrote every result
// (a failed design check reports, it changes nothing).
bool nothingSized(const Outcome& o) {
    const auto* n = std::get_if<Notice>(&o);
    return n != nullptr && (n->kind == NoticeKind::NoDeviceSized || n->kind == NoticeKind::LiquidNothingToSize);
}
bool fullySized(const Outcome& o) {
    const auto* n = std::get_if<Notice>(&o);
    return isDone(o) || n->kind == NoticeKind::ReadAsZero || n->kind == NoticeKind::CheckFailed;
}

// A number a calculation wrote, or 0 for an empty field.
double shownNumber(const std::string& text) { return text.empty() ? 0.0 : readNumber(text); }

// After a Calculate that wrote its results: the relief capacity shown is the user's (typed over
// the program's, used as typed) or the program's own, computed now; a device is sized only from a
// W, an A and a relief pressure above zero.
void checkCapacityAndSize(const WindowUnderTest& w, const CalculatorMemory& memory,
                          const std::optional<orvane::Written>& capacityBefore, const Snapshot& before,
                          const Outcome& outcome) {
    const std::string typedText = before.at("Text7");
    const bool typed = !typedText.empty() && !(capacityBefore && capacityBefore->text == typedText);
    const std::string shown = w.memory.text("Text7");
    const std::optional<orvane::Written>& capacity = memory.written[indexOf(Field::ReliefCapacity)];
    if (!memory.record || memory.record->typedCapacity != typed) fail("%s Calculate: W typed or not, mixed up", w.name);
    if (typed) {
        if (capacity) fail("%s Calculate: a typed W taken as the program's", w.name);
        if (shown != writeSingle(static_cast<float>(readNumber(typedText)))) {
            fail("%s Calculate: typed W \"%s\" shown as \"%s\"", w.name, printable(typedText).c_str(), shown.c_str());
        }
    } else if (!capacity || capacity->text != shown || capacity->source != Source::Computed) {
        fail("%s Calculate: computed W \"%s\" not remembered as the program's", w.name, shown.c_str());
    }
    double P = 0;
    for (const RecordStep& s : memory.record->steps) {
        if (s.symbol == "P") P = readNumber(s.result);
    }
    const double W = shownNumber(shown), A = shownNumber(w.memory.text("Text8"));
    const bool noSize = nothingSized(outcome);
    const bool sized = fullySized(outcome);
    if (sized && !(W > 0 && A > 0 && P > 0)) fail("%s Calculate sized a device from W %g, A %g, P %g", w.name, W, A, P);
    if (noSize && W > 0 && A > 0 && P > 0) fail("%s Calculate: no device sized without cause", w.name);
    if (isDone(outcome)) {
        for (const RecordInput& i : memory.record->inputs) {
            if (i.readAsZero) {
                fail("%s Calculate done without a word on \"%s\" read as 0", w.name,
                     w.description.caption(i.field).c_str());
            }
        }
    }
}

// After input parameters: each property field holds what the catalogue entry of the medium now named
// gave, the text the user had typed there, or nothing.
void checkProperties(const WindowUnderTest& w, const CalculatorMemory& memory, const std::map<Field, std::string>& typedBefore) {
    const std::string medium = w.memory.text(w.description.info(Field::Medium).control);
    for (Field f : kPropertyFields) {
        const std::string now = w.memory.text(w.description.info(f).control);
        if (now.empty()) continue;
        const std::optional<orvane::Written>& written = memory.written[indexOf(f)];
        if (written && written->text == now) {
            const bool library = written->source == Source::Catalogue || written->source == Source::UserLibrary;
            if (!library || written->origin != medium) {
                fail("%s input parameters: %s \"%s\" is not the catalogue's for \"%s\"", w.name,
                     w.description.caption(f).c_str(), now.c_str(), printable(medium).c_str());
            }
            continue;
        }
        const auto typed = typedBefore.find(f);
        if (typed == typedBefore.end() || typed->second != now) {
            fail("%s input parameters: %s \"%s\" is nobody's", w.name, w.description.caption(f).c_str(), now.c_str());
        }
    }
}

// How the actions write numbers into the fields both windows have.
std::map<std::string_view, Written> sharedNumberFields() {
    return {{"Text2", Written::Double},  {"Text3", Written::Single},  {"Text7", Written::Single},
            {"Text8", Written::Single},  {"Text9", Written::Single},  {"Text10", Written::Single},
            {"Text11", Written::Single}, {"Text12", Written::Single}, {"Text14", Written::Single},
            {"Text15", Written::Double}, {"Text16", Written::Integer}, {"Text18", Written::Double}};
}

template <class... Extra>
std::map<std::string_view, Written> numberFields(Extra... extra) {
    std::map<std::string_view, Written> fields = sharedNumberFields();
    (fields.insert_or_assign(extra.first, extra.second), ...);
    return fields;
}

// ---------------------------------------------------------------------------------------------
// The safety valve window.

struct Valve {
    static const MemoryForm& fresh() {
        static const MemoryForm form(valve::windowTable());
        return form;
    }
    WindowUnderTest w{"valve",
                      valve::description(),
                      fresh(),
                      {"Text7", "Text8", "Text15", "Text17", "Text16", "Text13"},
                      numberFields(std::pair{"Text13", Written::Double}, std::pair{"Text17", Written::Integer}),
                      true};
    valve::ValveQuantities q;
    std::optional<orvane::Written> capacityBefore;

    Outcome run(ActionKind a, ProgramValues& shared) {
        capacityBefore = q.memory.written[indexOf(Field::ReliefCapacity)];
        switch (a) {
            case ActionKind::InputParameters: return valve::inputParameters(w.form, q, shared);
            case ActionKind::Calculate: return valve::calculate(w.form, q, shared);
            case ActionKind::Clear: valve::clear(w.form, q); return Done{};
        }
        return Done{};
    }

    void check(ActionKind a, const Outcome& outcome, const Snapshot& before) {
        if (checkSharedRules(w, a, outcome, before)) return;
        checkCapacityAndSize(w, q.memory, capacityBefore, before, outcome);
        if (nothingSized(outcome)) {
            expectResults(w, a, before, Results::Written, {"Text8", "Text15", "Text17", "Text16"}, "no device sized");
            return;
        }
        if (fullySized(outcome)) {
            expectResults(w, a, before, Results::Written, {}, "done");
            const int throat = wholeNumber(readNumber(w.memory.text("Text17")), 0, 1000).value_or(0);
            const double d = readNumber(w.memory.text("Text15"));
            const bool full = valve::selectedLiftType(w.memory) == valve::LiftType::Full;
            if (d > (full ? valve::kLargestFullLiftThroat : valve::kLargestLowLiftThroat) || throat <= 0 ||
                readNumber(w.memory.text("Text16")) < throat) {
                fail("valve Calculate done: throat %s, standard %s, nominal %s", w.memory.text("Text15").c_str(),
                     w.memory.text("Text17").c_str(), w.memory.text("Text16").c_str());
            }
            return;
        }
        const Notice& n = std::get<Notice>(outcome);
        if (n.kind == NoticeKind::NoAreaEquation) {
            expectResults(w, a, before, Results::Written, {"Text8", "Text15", "Text17", "Text16"}, "no area equation");
            if (w.memory.text("Text7").empty() || w.memory.text("Text13").empty()) {
                fail("valve Calculate, no area equation: capacity or opening pressure empty");
            }
            return;
        }
        expectResults(w, a, before, Results::Written, {"Text17", "Text16"}, "throat above standard");
        if (!(readNumber(w.memory.text("Text15")) > n.limit)) {
            fail("valve Calculate: throat %s is not above the standard %g", w.memory.text("Text15").c_str(), n.limit);
        }
    }
};

// ---------------------------------------------------------------------------------------------
// The bursting disc window.

#if ORVANE_FUZZ_DISC
struct Disc {
    static const MemoryForm& fresh() {
        static const MemoryForm form(disc::windowTable());
        return form;
    }
    WindowUnderTest w{"disc",
                      disc::description(),
                      fresh(),
                      {"Text7", "Text8", "Text15", "Text16", "Text13", "Text3"},
                      numberFields(std::pair{"Text13", Written::Single}),
                      false};
    disc::DiscQuantities q;
    std::optional<orvane::Written> capacityBefore;

    Outcome run(ActionKind a, ProgramValues& shared) {
        capacityBefore = q.memory.written[indexOf(Field::ReliefCapacity)];
        switch (a) {
            case ActionKind::InputParameters: return disc::inputParameters(w.form, q, shared);
            case ActionKind::Calculate: return disc::calculate(w.form, q, shared);
            case ActionKind::Clear: disc::clear(w.form, q); return Done{};
        }
        return Done{};
    }

    void check(ActionKind a, const Outcome& outcome, const Snapshot& before) {
        if (checkSharedRules(w, a, outcome, before)) return;
        checkCapacityAndSize(w, q.memory, capacityBefore, before, outcome);
        if (nothingSized(outcome)) {
            expectResults(w, a, before, Results::Written, {"Text8", "Text15", "Text16"}, "no device sized");
            return;
        }
        const NoticeKind kind = isDone(outcome) ? NoticeKind::ReadAsZero : std::get<Notice>(outcome).kind;
        if (fullySized(outcome) || kind == NoticeKind::BoreAboveStandard) {
            // Above DN 200 the nominal size is empty, and told.
            const bool above = readNumber(w.memory.text("Text15")) > 200;
            if (above != (kind == NoticeKind::BoreAboveStandard)) {
                fail("disc Calculate: bore %s, told above DN 200 or not, mixed up", w.memory.text("Text15").c_str());
            }
            expectResults(w, a, before, Results::Written, above ? std::vector<std::string_view>{"Text16"} : std::vector<std::string_view>{},
                          "done");
            if (!above && w.memory.text("Text16").empty()) fail("disc Calculate done: no nominal size for a bore up to 200");
            for (const char* f : {"Text7", "Text8", "Text15", "Text13", "Text3"}) {
                if (w.memory.text(f).empty()) fail("disc Calculate done: %s empty", f);
            }
            return;
        }
        if (kind != NoticeKind::NoAreaEquation) fail("disc Calculate gives a throat notice");
        expectResults(w, a, before, Results::Written, {"Text8", "Text15", "Text16"}, "no area equation");
        for (const char* f : {"Text7", "Text13", "Text3"}) {
            if (w.memory.text(f).empty()) fail("disc Calculate, no area equation: %s empty", f);
        }
    }
};
#endif

// ---------------------------------------------------------------------------------------------
// One run: the steps of the input on fresh windows.

// ORVANE_FUZZ_TRACE=1 prints the steps and outcomes (for looking at what an input does).
const bool kTrace = std::getenv("ORVANE_FUZZ_TRACE") != nullptr;

std::string outcomeText(const Outcome& o) {
    if (isDone(o)) return "done";
    if (const auto* r = std::get_if<FaultReport>(&o)) {
        return "fault " + faultWord(r->kind) + " at step " + std::to_string(static_cast<int>(r->step)) + " " + r->field;
    }
    const Notice& n = std::get<Notice>(o);
    return "notice " + std::to_string(static_cast<int>(n.kind)) + " " + n.text;
}

template <class Window>
void step(Window& window, std::uint8_t op, Bytes& in, ProgramValues& shared, const std::vector<std::string>& lists) {
    WindowUnderTest& w = window.w;
    switch (op) {
        case 0:
        case 1: {
            const std::string_view control = w.typeable[in.next() % w.typeable.size()];
            const std::string text = textToType(in, lists);
            if (kTrace) std::fprintf(stderr, "%s: type %s = \"%s\"\n", w.name, std::string(control).c_str(), printable(text).c_str());
            w.memory.setText(control, text);
            return;
        }
        case 2: {
            const std::string_view option = w.options[in.next() % w.options.size()];
            if (kTrace) std::fprintf(stderr, "%s: select %s\n", w.name, std::string(option).c_str());
            w.memory.select(option);
            return;
        }
        default: break;
    }
    const ActionKind action = op == 3 ? ActionKind::InputParameters : op == 4 ? ActionKind::Calculate : ActionKind::Clear;
    const Snapshot before = outputsOf(w);
    const bool changed = staleDerivation(readCase(w.memory, w.description, window.q.memory), w.description).has_value();
    // The property texts the user typed, as they stand before the action.
    std::map<Field, std::string> typedBefore;
    const Case shownBefore = readCase(w.memory, w.description, window.q.memory);
    for (Field f : kPropertyFields) {
        if (shownBefore[f].typed()) typedBefore.emplace(f, shownBefore.text(f));
    }
    w.form.forget();
    const Outcome outcome = window.run(action, shared);
    if (action == ActionKind::Calculate) {
        const auto* n = std::get_if<Notice>(&outcome);
        const bool refused = n != nullptr && (n->kind == NoticeKind::InputsChanged || n->kind == NoticeKind::DerivationDiffers);
        if (changed != refused) {
            fail("%s Calculate: inputs of input parameters %s, outcome %s", w.name, changed ? "changed" : "unchanged",
                 outcomeText(outcome).c_str());
        }
    }
    if (kTrace) {
        std::string results;
        for (std::string_view o : w.outputs) results += " " + std::string(o) + "=\"" + w.memory.text(o) + "\"";
        std::fprintf(stderr, "%s: %s -> %s;%s\n", w.name, actionName(action), outcomeText(outcome).c_str(), results.c_str());
    }
    if (const auto* r = std::get_if<FaultReport>(&outcome)) checkFaultReport(w, action, *r);
    checkWrittenTexts(w, action);
    window.check(action, outcome, before);
    checkMessage(w, outcome);
    checkFinite(window.q.memory.derived, shared, w.name);
    if (action == ActionKind::InputParameters && isDone(outcome)) checkProperties(w, window.q.memory, typedBefore);
}

}  // namespace
}  // namespace orvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane::fuzz;
    static const std::vector<std::string> lists = listTexts({&orvane::valve::windowTable()
#if ORVANE_FUZZ_DISC
                                                                 ,
                                                             &orvane::disc::windowTable()
#endif
    });
    orvane::ProgramValues shared;
    std::optional<Valve> valve;  // each window opens at its first step
#if ORVANE_FUZZ_DISC
    std::optional<Disc> disc;
#endif
    Bytes in(data, size);
    for (int steps = 0; steps < 64 && !in.empty(); ++steps) {
        // Step byte: bit 0 the window (the disc where built), the rest the operation:
        // 0, 1 type a text; 2 select an option; 3 input parameters; 4 Calculate; 5 Clear.
        const std::uint8_t b = in.next();
        const auto op = static_cast<std::uint8_t>((b >> 1) % 6);
#if ORVANE_FUZZ_DISC
        if (b & 1) {
            if (!disc) disc.emplace();
            step(*disc, op, in, shared, lists);
            continue;
        }
#endif
        if (!valve) valve.emplace();
        step(*valve, op, in, shared, lists);
    }
    return 0;
}
