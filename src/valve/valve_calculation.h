#pragma once
// Calculate of the safety valve window: relief capacity, discharge area, throat diameter, standard
// throat and nominal pipe size, opening pressure.
//
// Pipeline: read the fields -> opening and relief pressure -> W (typed, or by relief case) -> A by
// phase and critical pressure ratio -> throat diameter by lift type -> standard sizes -> write the
// six outputs. A numeric fault stops it at its step with the outputs untouched.

#include <optional>

#include "engine/outcome.h"
#include "engine/quantities.h"
#include "engine/real.h"
#include "form/calculator_memory.h"
#include "form/form.h"

namespace orvane::valve {

// The window's working quantities: those of every calculator plus design and working pressure.
struct ValveQuantities : SizingQuantities {
    float Pd = 0;  // design pressure, MPa
    float Pw = 0;  // working pressure, MPa
    CalculatorMemory memory;
};

// The inputs input parameters derives the window's values from: medium and medium type, and the lift
// type, which shows or hides the seal angle field.
inline constexpr std::string_view kDerivationInputs[] = {"Combo1", "Combo2", "Option1", "Option2", "Option3"};

enum class LiftType { Full, FlatSeatLow, ConicalSeatLow };
LiftType selectedLiftType(const Form& form);

// Coefficient of discharge K by lift type: 0.65 full lift, 0.45 flat seat, 0.3 conical seat.
float dischargeCoefficient(LiftType lift);

// Calculated throat diameter d (mm) from the discharge area A (mm2): full lift A = pi d^2 / 4; low
// lift A = pi d d / 20, and A = pi d d / 40 for a flat seat whose first d is at most 32 mm; conical
// seat A = pi d (d / 20) sin(phi). `pi` is the window's value of pi.
Real throatDiameter(LiftType lift, float A, float pi, Real phiRadians);

struct StandardSize {
    int throat;   // standard throat diameter d0, mm
    int nominal;  // nominal pipe size DN, mm
};
// The standard throat and nominal size for a calculated throat diameter d (mm); p_set (MPa) matters
// for full lift only. Nothing when d exceeds the largest standard throat (125 mm full lift, 80 mm
// low lift): one such valve would be too small.
std::optional<StandardSize> standardSize(LiftType lift, double d, double pSet);
// Whether the column for opening pressures above 6.4 MPa applies: full lift only.
bool highPressureColumn(LiftType lift, double pSet);
// The bound of the row that applies to d; none above the largest.
std::optional<int> sizeBound(LiftType lift, double d);
// A flat seat whose throat by d = √(20 A / π) is at most 32 mm is sized by d = √(40 A / π): the
// throat diameter, the record of its step and the throat check all take this one decision.
inline constexpr double kSmallFlatSeat = 32;  // mm
bool smallFlatSeat(float A, float pi);
inline constexpr double kHighPressure = 6.4;  // MPa: full-lift rows differ above this opening pressure
inline constexpr int kLargestFullLiftThroat = 125;
inline constexpr int kLargestLowLiftThroat = 80;

Outcome calculate(Form& form, ValveQuantities& q, ProgramValues& shared);

}  // namespace orvane::valve
