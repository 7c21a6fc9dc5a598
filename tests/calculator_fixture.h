#pragma once
// The two calculators over in-memory forms, pressed as a user presses their buttons; shared by the
// tests that drive whole calculations.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "disc/disc_input_rules.h"
#include "sizing/record.h"
#include "form/memory_form.h"
#include "form/window_case.h"
#include "sizing/messages.h"
#include "valve/valve_calculation.h"
#include "valve/valve_controls.h"
#include "valve/valve_input_rules.h"

namespace orvane::test {

using Texts = std::initializer_list<std::pair<const char*, const char*>>;

// The step of a window's last calculation with this name, or an empty one.
inline RecordStep stepOf(const CalculatorMemory& memory, std::string_view name) {
    if (memory.record) {
        for (const RecordStep& s : memory.record->steps) {
            if (s.name == name) return s;
        }
    }
    return {};
}

// The texts input parameters derives from as the window shows them now: as if it had just been pressed.
inline std::vector<std::pair<Field, std::string>> basisOf(const Form& form, const Description& d,
                                                         const CalculatorMemory& memory) {
    const Case c = readCase(form, d, memory);
    std::vector<std::pair<Field, std::string>> basis;
    for (Field f : d.derivationInputs()) basis.emplace_back(f, c.text(f));
    return basis;
}

template <class Quantities>
struct Calculator {
    using Press = Outcome (*)(Form&, Quantities&, ProgramValues&);
    using Clear = void (*)(Form&, Quantities&);
    MemoryForm form;
    Quantities q;
    ProgramValues shared;
    Press pressInputParameters;
    Press pressCalculate;
    Clear pressClear;

    void type(Texts texts) {
        for (const auto& [name, text] : texts) form.setText(name, text);
    }
    Outcome inputParameters() { return pressInputParameters(form, q, shared); }
    Outcome calculate() { return pressCalculate(form, q, shared); }
    void clear() { pressClear(form, q); }
    std::string message(const Outcome& o) const { return describe(o).text; }
    // The step of the last calculation's record with this name, or an empty one.
    RecordStep step(std::string_view name) const { return stepOf(q.memory, name); }
};

struct Valve : Calculator<valve::ValveQuantities> {
    Valve()
        : Calculator{MemoryForm(valve::windowTable()), {}, {}, &valve::inputParameters, &valve::calculate,
                     &valve::clear} {}
};
struct Disc : Calculator<disc::DiscQuantities> {
    Disc()
        : Calculator{MemoryForm(disc::windowTable()), {}, {}, &disc::inputParameters, &disc::calculate, &disc::clear} {}
};

inline NoticeKind noticeOf(const Outcome& o) {
    EXPECT_TRUE(std::holds_alternative<Notice>(o));
    return std::holds_alternative<Notice>(o) ? std::get<Notice>(o).kind : NoticeKind::ReadAsZero;
}

// Results given, with no word but that design checks failed (a disc's burst range checked against
// a working pressure its derivation did not start from).
inline bool givenResults(const Outcome& o) {
    if (isDone(o)) return true;
    const Notice* n = std::get_if<Notice>(&o);
    return n != nullptr && n->kind == NoticeKind::CheckFailed;
}

}  // namespace orvane::test
