#pragma once
// What input parameters gives for a case: the texts it writes into the case's fields, each with its
// source, in the order it writes them; the pressures it derived, from which inputs and how; the
// program-wide values it set. A function of the case: the window shows it, a batch row and a case
// file take it into their case.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "case.h"
#include "engine/media.h"
#include "engine/outcome.h"

namespace orvane {

struct Derivation {
    Outcome outcome = Done{};
    std::vector<std::pair<Field, CaseValue>> writes;
    Derived derived;  // basis, pressures, steps and inputs read as 0; the serial is the caller's
    std::uint64_t used = 0;  // the fields it derived from (a bit by Field)
};

// The case as input parameters leaves it: the texts written, the derivation in place (its serial
// counted on). A derivation that ended in a fault changes nothing.
void applyDerivation(Case& c, const Derivation& d);

// The property fields after input parameters for a medium: each property the medium's catalogue
// entry gives (`values`, nothing for a medium the catalogue lacks) is written, marked as the
// catalogue's for `medium` (as the user library's when the values are a medium of the user's
// library); every other property field is emptied unless it holds a text the user typed, which
// stays. Nothing of another medium is ever shown.
void writeMediumProperties(const Case& c, const std::optional<MediumValues>& values, std::string_view medium,
                           std::vector<std::pair<Field, CaseValue>>& writes);

// The phase the user typed; a phase input parameters wrote counts as none (steam after air is
// saturated steam unless the user typed "气体").
std::string_view typedPhase(const Case& c);

// Whether a field holds an input of the case: a text the user typed, or one input parameters derived
// for the medium the case names. What the program wrote for another medium, or as a result, is not.
bool ownInput(const Case& c, Field f);

// The medium's values into the program-wide values, as the catalogue's rules write them.
void applyToProgramValues(const std::optional<MediumValues>& values, ProgramValues& shared);

}  // namespace orvane
