#pragma once
// Calculate of the safety valve window: the window's fields read into a case, the case sized, the
// record's results written back (valve_sizing.h does the sizing).

#include "engine/outcome.h"
#include "engine/quantities.h"
#include "form/calculator_memory.h"
#include "form/form.h"
#include "valve_sizing.h"

namespace orvane::valve {

// What the safety valve window keeps between its actions; the design and working pressure its last
// input parameters derived are memory.derived.Pd and .Pw.
struct ValveQuantities {
    CalculatorMemory memory;
};

// The lift type the window's options select.
LiftType selectedLiftType(const Form& form);

Outcome calculate(Form& form, ValveQuantities& q, ProgramValues& shared);

}  // namespace orvane::valve
