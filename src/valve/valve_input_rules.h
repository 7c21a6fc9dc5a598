#pragma once
// Input parameters ("输入参数项") and Clear ("C") of the safety valve window.
//
// Input parameters shows the fields of the chosen relief case and hides the others, then shows what
// the derivation of the case gives (valve_sizing.h): the design pressure from the working pressure
// (or the working pressure from the design pressure the medium prescribes) and the medium's
// properties.

#include "engine/outcome.h"
#include "form/form.h"
#include "valve_calculation.h"

namespace orvane::valve {

Outcome inputParameters(Form& form, ValveQuantities& q, ProgramValues& shared);

// Lights the lamp again (unless the medium is steam) and empties the six outputs; the next Calculate
// computes W again and there is no calculation to print.
void clear(Form& form, ValveQuantities& q);

}  // namespace orvane::valve
