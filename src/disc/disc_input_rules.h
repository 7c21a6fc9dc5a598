#pragma once
// Input parameters ("输入参数项") and Clear ("C") of the bursting disc window.
//
// Input parameters derives the design burst pressure Pb and the design pressure Pd from the disc
// type and the manufacturing grade — from the working pressure for a compressed gas, from the
// design pressure the medium prescribes for a liquefied gas — applies the medium catalogue, shows
// the fields of the relief case and fills the property fields.

#include <string_view>

#include "disc_calculation.h"
#include "engine/outcome.h"
#include "form/form.h"

namespace orvane::disc {

// Burst-pressure range of a manufacturing grade at a pressure, MPa.
struct Range {
    double upper = 0;
    double lower = 0;
};

// Overwrites `range` with the row of the manufacturing range table for pressure P (MPa) and the
// grade text: rows are tested from the top, the first with P >= 0.1, the others with P > bound, and
// the last row that holds wins. Below 0.1 or for a grade text that is none of the three nothing
// changes.
void LookUpRange(double P, std::string_view grade, Range& range);

// Ratio of the minimum burst pressure to the working pressure for each disc type (Option1..4).
double discTypeRatio(const Form& form);

Outcome inputParameters(Form& form, DiscQuantities& q, ProgramValues& shared);

// Lights the lamp again and empties the six results; the next Calculate computes W again and there
// is no calculation to print.
void clear(Form& form, DiscQuantities& q);

}  // namespace orvane::disc
