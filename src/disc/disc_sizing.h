#pragma once
// Sizing a bursting disc: input parameters and Calculate as functions of a case.
//
// derive: the design burst pressure Pb and the design pressure Pd from the disc type and the
// manufacturing grade (from the working pressure for a compressed gas, from the design pressure the
// medium prescribes for a liquefied gas) and the medium's properties from the catalogue.
// size: W (typed, or gas density and relief case at Pb + 0.1) -> A by phase -> bore -> nominal size
// -> the six results, each step in the record. A numeric fault stops it at its step.

#include <array>
#include <optional>
#include <string_view>

#include "engine/real.h"
#include "sizing/case.h"
#include "sizing/derivation.h"
#include "sizing/description.h"
#include "sizing/record.h"
#include "sizing/sizing.h"

namespace orvane::disc {

// The bursting disc's fields, keys, captions and units.
const Description& description();

// Disc types by the captions of their options, with the ratio of the minimum burst pressure to the
// working pressure: "普通正拱" 1.43, "开缝正拱" 1.25, "正拱" 1.7 (forward-acting), "反拱" 1.1
// (reverse-acting). Any other caption counts as the first.
inline constexpr std::array<std::string_view, 4> kDiscTypeCaptions = {"普通正拱", "开缝正拱", "正拱", "反拱"};
double discTypeRatio(std::string_view caption);
bool reverseActing(std::string_view caption);

// Manufacturing grades as the grade list names them.
inline constexpr std::array<std::string_view, 3> kGrades = {"1.0级", "0.5级", "0.25级"};

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

// Coefficient of discharge of a bursting disc, whatever its type.
inline constexpr float kDiscCoefficient = 0.65f;

// Calculated bore (mm) from the discharge area A (mm2): A = pi d^2 / 4 with the window's pi.
Real bore(float A, float pi);

// The smallest nominal pipe size (mm) not below the bore; nothing above DN 200.
std::optional<int> nominalSize(double bore);

// Input parameters: Pb, Pd and the medium's properties.
Derivation derive(const Case& c, ProgramValues& shared, Detail detail = Detail::Steps);

// Calculate: the record of the sizing of the case, its outcome and results among it.
CalculationRecord size(const Case& c, ProgramValues& shared, Detail detail = Detail::Steps);

}  // namespace orvane::disc
