#pragma once
// The two calculators over in-memory forms, pressed as a user presses their buttons; shared by the
// tests that drive whole calculations.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "disc/disc_calculation.h"
#include "disc/disc_controls.h"
#include "disc/disc_input_rules.h"
#include "form/calculation_record.h"
#include "form/memory_form.h"
#include "form/messages.h"
#include "valve/valve_calculation.h"
#include "valve/valve_controls.h"
#include "valve/valve_input_rules.h"

namespace orvane::test {

using Texts = std::initializer_list<std::pair<const char*, const char*>>;

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
    std::string message(const Outcome& o) const { return describe(o, form.table()).text; }
    // The step of the last calculation's record with this name, or an empty one.
    RecordStep step(std::string_view name) const {
        if (q.memory.record) {
            for (const RecordStep& s : q.memory.record->steps) {
                if (s.name == name) return s;
            }
        }
        return {};
    }
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

}  // namespace orvane::test
