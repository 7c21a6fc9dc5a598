#pragma once
// A calculator window as a case: everything that makes it show what it shows and makes Calculate
// give the same results again, under the readable keys of case_keys.h. capture() reads it from a
// window's controls (any Form: the Qt window or an in-memory form) and what the window remembers;
// restore() puts it back. Plain C++; the file format is case_json.h.

#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "case_keys.h"
#include "engine/quantities.h"
#include "form/calculator_memory.h"
#include "form/form.h"

namespace orvane::valve {
struct ValveQuantities;
}
namespace orvane::disc {
struct DiscQuantities;
}

namespace orvane::casefile {

using Texts = std::map<std::string, std::string, std::less<>>;

inline constexpr std::string_view kFormatName = "orvane-case";
inline constexpr int kFormatVersion = 1;
// The largest top a case may give a moved control, in twips (the windows are under 9 000 tall).
inline constexpr int kLargestTop = 20000;

struct CaseData {
    Device device = Device::SafetyValve;
    // Every input field and list by key, and the option group's selected caption under its key.
    Texts inputs;
    // The result fields as last shown.
    Texts results;
    // The relief capacity field holds a W the user typed (used as typed by the next Calculate).
    bool capacityTyped = false;
    // The parameters-needed lamp is lit.
    bool lampLit = true;
    // The case-dependent controls that are shown (viewName), and those not at their place at open
    // (viewName -> top in twips).
    std::set<std::string, std::less<>> shown;
    Texts moved;
    // The last input parameters: the inputs it derived from (basis), the property texts it wrote from
    // the catalogue, the pressures it derived (valve Pd_MPa, Pw_MPa; disc Pb_MPa, Pd_MPa, as float
    // texts) and, for the disc, its steps with the manufacturing range used.
    Texts basis;
    Texts catalogue;
    Texts derived;
    std::vector<RecordStep> derivation;
    // The program-wide values (see programValueNames); an empty text is no value.
    Texts programValues;

    bool operator==(const CaseData&) const = default;
};

// The working quantities a case carries, by device: valve Pd, Pw; disc Pb, Pd.
std::span<const std::string_view> derivedNames(Device device);
// fixed_design_pressure_MPa, latent_heat_kJ_kg, design_temperature_C, phase.
std::span<const std::string_view> programValueNames();

// The readable name of a control that input parameters shows, hides or moves: the key of a field or
// list, "<key>.label" for the label naming it, "<key>.unit" for the unit under that label; empty
// for any other control.
std::string viewName(Device device, std::string_view control);
// Every control that has a view name, with it.
std::vector<std::pair<std::string_view, std::string>> viewControls(Device device);

// The window as a case. `derived` holds the pressures of derivedNames(device), in that order.
CaseData capture(Device device, const Form& form, std::span<const float> derived, const CalculatorMemory& memory,
                 const ProgramValues& shared);
CaseData capture(const Form& form, const valve::ValveQuantities& q, const ProgramValues& shared);
CaseData capture(const Form& form, const disc::DiscQuantities& q, const ProgramValues& shared);

// Puts a case on the window. `data` must be complete (every key of its device; case_json's reader
// gives only such). The record of the last Calculate is dropped: the case's results stand as shown
// until the next Calculate. With `withProgramValues` false the program-wide values stay as they are.
void restore(const CaseData& data, Form& form, std::span<float> derived, CalculatorMemory& memory,
             ProgramValues& shared, bool withProgramValues = true);
void restore(const CaseData& data, Form& form, valve::ValveQuantities& q, ProgramValues& shared,
             bool withProgramValues = true);
void restore(const CaseData& data, Form& form, disc::DiscQuantities& q, ProgramValues& shared,
             bool withProgramValues = true);

// The window as it opens, with the given program-wide values.
CaseData freshCase(Device device, const ProgramValues& shared);

// A double as a number text that reads back to the same double: the program's 15-digit form when
// that reads back exactly, otherwise 17 significant digits in the same form.
std::string exactText(double value);

// The six results as a table to paste into a spreadsheet: a header row, then caption, value and
// unit of each result, tab-separated, one row per line.
std::string resultsTable(Device device, const Form& form);

}  // namespace orvane::casefile
