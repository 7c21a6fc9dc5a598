#pragma once
// What a window action reports back to its window: done, a numeric fault at a named step, or a
// notice that the case cannot be sized as entered (no arithmetic went wrong; the engineer must act).

#include <string>
#include <variant>

#include "numeric_fault.h"

namespace orvane {

// The steps of the calculators' actions, named in fault reports.
enum class Step {
    ReadingInput,    // reading a field; `field` names it
    Pressures,       // opening / relief pressure and gas temperature
    GasDensity,
    ReliefCapacity,  // including the heated area
    CriticalRatio,
    DischargeArea,
    ThroatDiameter,  // safety valve
    Bore,            // bursting disc
    DesignPressure,  // design and working pressure of input parameters
    BurstPressure,   // design burst pressure of the bursting disc
};

struct Done {};

struct FaultReport {
    FaultKind kind;
    Step step;
    std::string field;  // the control being read, for Step::ReadingInput
};

enum class NoticeKind {
    NoAreaEquation,         // phase "液体", or saturated steam above 22 MPa: `text` the phase, `value` P
    UnknownReliefCase,      // a medium type text with no rule: `text` the medium type
    UnsupportedReliefCase,  // "换热发生汽", "反应气": no input or rule for them here
    MissingWettedHeight,    // a vertical vessel in fire without its wetted height
    ThroatAboveStandard,    // `value` the calculated diameter, `limit` the largest standard throat
};

struct Notice {
    NoticeKind kind;
    std::string text;
    double value = 0;
    double limit = 0;
};

using Outcome = std::variant<Done, FaultReport, Notice>;

inline bool isDone(const Outcome& o) { return std::holds_alternative<Done>(o); }

}  // namespace orvane
