#pragma once
// Input parameters ("输入参数项") and Clear ("C") of the bursting disc window.
//
// Input parameters shows what the derivation of the case gives (disc_sizing.h: the design burst
// pressure Pb and the design pressure Pd from the disc type and the manufacturing grade, and the
// medium's properties), then the fields of the relief case.

#include "disc_calculation.h"
#include "engine/outcome.h"
#include "form/form.h"

namespace orvane::disc {

Outcome inputParameters(Form& form, DiscQuantities& q, ProgramValues& shared);

// Lights the lamp again and empties the six results; the next Calculate computes W again and there
// is no calculation to print.
void clear(Form& form, DiscQuantities& q);

}  // namespace orvane::disc
