#pragma once
// Calculate of the bursting disc window: the window's fields read into a case, the case sized, the
// record's results written back (disc_sizing.h does the sizing).

#include <string_view>

#include "disc_sizing.h"
#include "engine/outcome.h"
#include "engine/quantities.h"
#include "form/calculator_memory.h"
#include "form/form.h"

namespace orvane::disc {

// What the bursting disc window keeps between its actions; the design burst pressure and the design
// pressure its last input parameters derived are memory.derived.Pb and .Pd.
struct DiscQuantities {
    CalculatorMemory memory;
};

// The selected disc type option and its caption.
std::string_view selectedDiscType(const Form& form);
std::string_view discTypeCaption(const Form& form);

Outcome calculate(Form& form, DiscQuantities& q, ProgramValues& shared);

}  // namespace orvane::disc
