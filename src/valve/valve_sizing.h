#pragma once
// Sizing a safety valve: input parameters and Calculate as functions of a case.
//
// derive: the medium's properties from the catalogue, the design pressure from the working pressure
// (or the working pressure from the design pressure the medium prescribes).
// size: opening and relief pressure -> W (typed, or by relief case) -> A by phase and critical
// pressure ratio -> throat diameter by lift type -> standard throat and nominal size -> the six
// results, each step in the record. A numeric fault stops it at its step.

#include <optional>
#include <string_view>

#include "engine/quantities.h"
#include "engine/real.h"
#include "sizing/case.h"
#include "sizing/derivation.h"
#include "sizing/description.h"
#include "sizing/record.h"
#include "sizing/sizing.h"

namespace orvane::valve {

// The safety valve's fields, keys, captions and units.
const Description& description();

// Lift types and the captions of their options.
enum class LiftType { Full, FlatSeatLow, ConicalSeatLow };
inline constexpr std::string_view kFullLiftCaption = "全 启 式";
inline constexpr std::string_view kFlatLowLiftCaption = "平面微启式";
inline constexpr std::string_view kConicalLowLiftCaption = "锥面微启式";
// The lift type a case's option group names (full lift for any other text).
LiftType liftTypeOf(const Case& c);

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

// Input parameters: the design and working pressure and the medium's properties.
Derivation derive(const Case& c, ProgramValues& shared, Detail detail = Detail::Steps);

// Calculate: the record of the sizing of the case, its outcome and results among it.
CalculationRecord size(const Case& c, ProgramValues& shared, Detail detail = Detail::Steps);

}  // namespace orvane::valve
