#pragma once
// What one Calculate read, decided and computed, as the calculation itself wrote it down while it
// computed: the inputs as read, each step with its equation as evaluated, the results exactly as the
// window shows them and every notice given. The calculation sheet, the case files and the batch
// command read this record; none of them computes a number again.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

enum class Device { SafetyValve, BurstingDisc };

// A field as Calculate read it.
struct RecordInput {
    std::string field;    // control name, e.g. "Text2"
    std::string caption;  // the caption of its label, trimmed, e.g. "工作压力 MPa"
    std::string text;     // the text as typed
    std::string value;    // the value used, as the program writes numbers
    std::string unit;     // e.g. "MPa"; empty for a pure number
    bool readAsZero = false;  // the text is empty or does not begin with a number
};

// A list, an option group or a text that selects a case.
struct RecordChoice {
    std::string field;    // control name ("Combo1", "Option1" ...)
    std::string caption;  // e.g. "介质"
    std::string text;     // the list's text or the selected option's caption
};

enum class PropertySource { Catalogue, User };

// A medium property field: what input parameters wrote from the catalogue, or what the user typed
// over it since.
struct RecordProperty {
    std::string field;
    std::string symbol;   // "k", "C", "M", "Z", "形态", "q", "ρ"
    std::string caption;
    std::string text;
    std::string unit;
    PropertySource source = PropertySource::User;
};

// One step as taken.
struct RecordStep {
    std::string name;         // e.g. "开启压力"
    std::string symbol;       // e.g. "p_set"
    std::string equation;     // e.g. "p_set = 1.05 × p_w"
    std::string substituted;  // e.g. "1.05 × 0.8"
    std::string result;       // as stored, e.g. "0.840000012516975"
    std::string unit;         // e.g. "MPa"

    bool operator==(const RecordStep&) const = default;
};

struct RecordResult {
    std::string field;
    std::string caption;
    std::string text;  // exactly as written into the field; empty when the field was emptied
    std::string unit;
};

// Safety valve: the discharge area the chosen standard throat gives, against the required area.
struct RecordThroatCheck {
    std::string throat;   // d0, mm, as written
    std::string area;     // A0, mm², by the relation of the lift type with the window's pi
    std::string margin;   // (A0 - A) / A in %
    bool passed = false;  // A0 >= A
};

struct CalculationRecord {
    Device device = Device::SafetyValve;
    std::vector<RecordChoice> choices;
    std::vector<RecordInput> inputs;
    std::vector<RecordProperty> properties;
    bool typedCapacity = false;           // W was typed by the user, not computed
    std::vector<RecordStep> derivation;   // bursting disc: how input parameters derived Pb and Pd
    // The inputs of the input parameters the calculation used, as they were then (an option as "1"
    // or "0"): for the bursting disc the working pressure, disc type and grade of Pb and Pd. Empty
    // when input parameters never ran.
    std::vector<RecordChoice> derivationInputs;
    std::vector<RecordStep> steps;
    std::vector<RecordResult> results;
    std::vector<std::string> notices;     // the message texts, as the window showed them
    std::optional<RecordThroatCheck> throatCheck;  // safety valve with a standard throat
    int derivationSerial = 0;             // which input parameters the calculation used
    std::string calculatedAt;             // local date and time of the calculation, "2026-12-09 14:05"

    const RecordInput* input(std::string_view field) const {
        for (const RecordInput& i : inputs) {
            if (i.field == field) return &i;
        }
        return nullptr;
    }
    const RecordResult* result(std::string_view field) const {
        for (const RecordResult& r : results) {
            if (r.field == field) return &r;
        }
        return nullptr;
    }
};

}  // namespace orvane
