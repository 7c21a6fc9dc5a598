#pragma once
// What one calculation read, decided and computed, as the calculation itself wrote it down while it
// computed: the inputs as read, each step with its equation as evaluated, the results exactly as the
// window shows them, the outcome and every notice given. The window, the calculation sheet, the
// case files and the batch command read this record; none of them computes a number again.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/outcome.h"
#include "fields.h"

namespace orvane {

// Where a value of a case comes from. Decided where the value is made, and carried with it.
enum class Source {
    Typed,      // the user typed it, or a table cell gave it
    Catalogue,  // the medium catalogue's entry for the medium named with it, by input parameters
    UserLibrary,  // the user's own medium library, for the medium named with it, by input parameters
    Derived,    // worked out by input parameters from the case's inputs (design pressure ...)
    Computed,   // a result of a calculation: never read back as an input
};

// A field as the calculation read it.
struct RecordInput {
    Field field;
    std::string text;   // the text as shown
    std::string value;  // the value used, as the program writes numbers (kept with the steps only)
    double number = 0;  // the value used
    bool readAsZero = false;   // the text is empty or does not begin with a number
    bool programText = false;  // the text is a result of an earlier calculation, not an input
};

// A list or the option group, with its text.
struct RecordChoice {
    Field field;
    std::string text;
};

// A property of the medium with its source.
struct RecordProperty {
    Field field;
    std::string text;
    Source source = Source::Typed;
    std::string origin;  // the medium whose catalogue (or user library) entry gave it
};

// One step as taken.
struct RecordStep {
    std::string name;         // e.g. "开启压力"
    std::string symbol;       // e.g. "p_set"
    std::string equation;     // e.g. "p_set = 1.05 × p_w"
    std::string substituted;  // e.g. "1.05 × 0.8"
    std::string result;       // as printed, e.g. "0.84"
    std::string unit;         // e.g. "MPa"
    std::string note = {};    // where its constants and table values come from

    bool operator==(const RecordStep&) const = default;
};

// A field the calculation wrote, in the order it wrote them; empty text: the field was emptied.
struct RecordResult {
    Field field;
    std::string text;
    Source source = Source::Computed;  // typed: the user's W, written back in the program's form
    std::string origin;                // derived: the medium it was derived for
};

// Safety valve: the discharge area the chosen standard throat gives, against the required area.
struct RecordThroatCheck {
    std::string throat;   // d0, mm, as written
    std::string area;     // A0, mm², by the relation of the lift type with the window's pi
    std::string margin;   // (A0 - A) / A in %
    bool passed = false;  // A0 >= A
};

// A table a value was taken from, as the sheet prints it in its appendix, its rows taken marked.
struct RecordTable {
    std::string title;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::size_t> chosen;  // the rows the calculation took

    bool operator==(const RecordTable&) const = default;
};

// A design check the calculation made: the condition, the numbers as printed, the verdict.
struct RecordCheck {
    std::string name;       // e.g. "开启压力不高于设计压力"
    std::string condition;  // e.g. "p_set ≤ Pd"
    std::string numbers;    // e.g. "0.84 ≤ 0.88"
    bool passed = false;

    bool operator==(const RecordCheck&) const = default;
};

struct CalculationRecord {
    Device device = Device::SafetyValve;
    Outcome outcome = Done{};
    std::vector<RecordChoice> choices;
    std::vector<RecordInput> inputs;
    std::vector<RecordProperty> properties;
    bool typedCapacity = false;          // W was typed by the user, not computed
    std::vector<RecordStep> derivation;  // bursting disc: how input parameters derived Pb and Pd
    // The inputs input parameters derived from, as they were then (the option group by its caption).
    std::vector<std::pair<Field, std::string>> derivationInputs;
    std::vector<RecordStep> steps;
    std::vector<RecordResult> results;
    std::vector<std::string> notices;  // the message texts, as the window showed them
    std::optional<RecordThroatCheck> throatCheck;  // safety valve with a standard throat
    std::vector<RecordCheck> checks;               // the design checks, in the order made
    std::vector<RecordTable> tables;               // the tables values were taken from
    int derivationSerial = 0;  // which input parameters the calculation used
    std::uint64_t used = 0;    // the fields the case used (a bit by Field), whatever the detail kept
    std::string calculatedAt;  // local date and time of the calculation, "2026-12-09 14:05"

    const RecordInput* input(Field f) const {
        for (const RecordInput& i : inputs) {
            if (i.field == f) return &i;
        }
        return nullptr;
    }
    const RecordResult* result(Field f) const {
        for (const RecordResult& r : results) {
            if (r.field == f) return &r;
        }
        return nullptr;
    }
    const RecordChoice* choice(Field f) const {
        for (const RecordChoice& c : choices) {
            if (c.field == f) return &c;
        }
        return nullptr;
    }
    bool uses(Field f) const { return (used >> indexOf(f) & 1u) != 0; }
    // Whether the record documents a calculation: no fault, and results were written.
    bool documents() const { return !std::holds_alternative<FaultReport>(outcome) && !results.empty(); }
};

}  // namespace orvane
