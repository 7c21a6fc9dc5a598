#pragma once
// Calculate of the bursting disc window: relief capacity, discharge area with the disc's fixed
// coefficient of discharge, bore and nominal pipe size; the design burst pressure and design
// pressure set by input parameters are shown with them.
//
// Pipeline: read the fields -> W (typed, or gas density and relief case at Pb + 0.1) -> A by phase
// -> bore -> nominal size -> write the six results. A numeric fault stops it at its step with the
// results untouched.

#include <optional>

#include "engine/outcome.h"
#include "engine/quantities.h"
#include "engine/real.h"
#include "form/calculator_memory.h"
#include "form/form.h"

namespace orvane::disc {

// The window's working quantities: those of every calculator plus the two pressures that input
// parameters derives from the disc type and the manufacturing grade.
struct DiscQuantities : SizingQuantities {
    float Pb = 0;  // design burst pressure, gauge, MPa
    float Pd = 0;  // design pressure, gauge, MPa
    CalculatorMemory memory;
};

// The inputs input parameters derives Pb and Pd from: medium, medium type, grade, working pressure
// and disc type.
inline constexpr std::string_view kDerivationInputs[] = {"Combo1",  "Combo2",  "Combo5",  "Text2",
                                                         "Option1", "Option2", "Option3", "Option4"};

// The selected disc type option and its caption.
std::string_view selectedDiscType(const Form& form);
std::string_view discTypeCaption(const Form& form);

// Coefficient of discharge of a bursting disc, whatever its type.
inline constexpr float kDiscCoefficient = 0.65f;

// Calculated bore (mm) from the discharge area A (mm2): A = pi d^2 / 4 with the window's pi.
Real bore(float A, float pi);

// The smallest nominal pipe size (mm) not below the bore; nothing above DN 200.
std::optional<int> nominalSize(double bore);

Outcome calculate(Form& form, DiscQuantities& q, ProgramValues& shared);

}  // namespace orvane::disc
