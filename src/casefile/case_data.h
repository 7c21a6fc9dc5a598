#pragma once
// A calculator window as a case: everything that makes it show what it shows and makes Calculate
// give the same results again, under the keys of the device's description. capture() reads it from
// a window's controls (any Form: the Qt window or an in-memory form) and what the window remembers;
// restore() puts it back. Plain C++; the file format is case_json.h.

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/quantities.h"
#include "form/calculator_memory.h"
#include "form/form.h"
#include "sizing/description.h"

namespace orvane::casefile {

using Texts = std::map<std::string, std::string, std::less<>>;

inline constexpr std::string_view kFormatName = "orvane-case";
// Version 2 holds the owner of every text the program wrote; version 1 files still open.
inline constexpr int kFormatVersion = 2;
// The largest top a case may give a moved control, in twips (the windows are under 9 000 tall).
inline constexpr int kLargestTop = 20000;

// A text the program wrote into a field and still shows there, with whose it is.
struct WrittenText {
    std::string text;
    Source source = Source::Computed;
    std::string origin;  // the medium a catalogue or derived value belongs to
    bool operator==(const WrittenText&) const = default;
};

struct CaseData {
    Device device = Device::SafetyValve;
    // Every input field and list by key, and the option group's selected caption under its key.
    Texts inputs;
    // The result fields as last shown.
    Texts results;
    // The texts the program wrote that the fields still show, by key: everything else is the user's.
    std::map<std::string, WrittenText, std::less<>> written;
    // The parameters-needed lamp is lit.
    bool lampLit = true;
    // The case-dependent controls that are shown (viewName), and those not at their place at open
    // (viewName -> top in twips).
    std::set<std::string, std::less<>> shown;
    Texts moved;
    // The last input parameters: whether it ran, the inputs it derived from (basis), the pressures it
    // derived (valve Pd_MPa, Pw_MPa; disc Pb_MPa, Pd_MPa, as float texts) and, for the disc, its steps
    // with the manufacturing range used.
    bool derivedDone = false;
    Texts basis;
    Texts derived;
    std::vector<RecordStep> derivation;
    // The program-wide values (see programValueNames); an empty text is no value.
    Texts programValues;
    // What heads the case's calculation sheet (files written before it was kept have none).
    TitleBlock titleBlock;
    // The user's medium the case uses, with its properties, so that it opens on another machine.
    std::optional<media::UserMedium> userMedium;

    bool operator==(const CaseData&) const = default;
};

// The pressures a case carries, by device: valve Pd_MPa, Pw_MPa; disc Pb_MPa, Pd_MPa.
std::span<const std::string_view> derivedNames(Device device);
// fixed_design_pressure_MPa, latent_heat_kJ_kg, design_temperature_C, phase.
std::span<const std::string_view> programValueNames();
// "catalogue", "user_library", "derived", "computed" ("typed" for completeness; the user's texts are
// not written).
std::string_view sourceName(Source source);
std::optional<Source> sourceNamed(std::string_view name);

// The readable name of a control that input parameters shows, hides or moves: the key of a field or
// list, "<key>.label" for the label naming it, "<key>.unit" for the unit under that label; empty
// for any other control.
std::string viewName(Device device, std::string_view control);
// Every control that has a view name, with it.
std::vector<std::pair<std::string_view, std::string>> viewControls(Device device);

// The window as a case.
CaseData capture(Device device, const Form& form, const CalculatorMemory& memory, const ProgramValues& shared);

// What restoring a case found: a derived value the case holds that its inputs no longer give.
struct Restored {
    std::optional<Mismatch> mismatch;
};

// Puts a case on the window. `data` must be complete (every key of its device; case_json's reader
// gives only such). The record of the last Calculate is dropped: the case's results stand as shown
// until the next Calculate. With `withProgramValues` false the program-wide values stay as they are.
// The pressures the case derived are derived again from the inputs they came from: where they agree
// the derivation stands as derived; where they differ the case's texts are kept, the lamp is lit and
// Calculate asks for input parameters first (the mismatch is returned, to be told).
Restored restore(const CaseData& data, Form& form, CalculatorMemory& memory, ProgramValues& shared,
                 bool withProgramValues = true);

// The window as it opens, with the given program-wide values.
CaseData freshCase(Device device, const ProgramValues& shared);

// The case a calculation sizes, from a case's data: its inputs with their owners and the derivation
// it holds, its pressures derived again from the inputs they came from (with `shared` as the
// program-wide values): where they agree the derivation stands as derived (exact, steps included);
// where they differ the case's texts are kept and the case carries the mismatch.
Case sizingCase(const CaseData& data, const ProgramValues& shared);

// The user's medium a window's case uses: the one it was opened with, or this machine's library's.
std::optional<media::UserMedium> userMediumOf(std::string_view medium, const CalculatorMemory& memory);

// The program-wide values a case holds.
ProgramValues programValuesOf(const CaseData& data);

// A double as a number text that reads back to the same double: the program's 15-digit form when
// that reads back exactly, otherwise 17 significant digits in the same form.
std::string exactText(double value);

}  // namespace orvane::casefile
