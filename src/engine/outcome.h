#pragma once
// What a window action reports back to its window: done, a numeric fault at a named step, or a
// notice that the case cannot be sized as entered (no arithmetic went wrong; the engineer must act).

#include <string>
#include <utility>
#include <variant>
#include <vector>

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

// An input of the case that was read as 0 because its text is empty or does not begin with a number.
struct ZeroRead {
    std::string caption;  // the caption of the field
    std::string text;     // what it holds
    bool programText = false;  // a result of an earlier calculation, which is no input
};

struct FaultReport {
    FaultKind kind;
    Step step;
    std::string field;               // the caption of the field being read, for Step::ReadingInput
    std::vector<std::string> check;  // captions of the fields this step uses in the current case
    std::string note;                // what must hold of them, where the step has such a rule
    std::vector<ZeroRead> readAsZero;
};

// The most devices a case may share its relief capacity among.
inline constexpr int kMostDevices = 1000;

enum class NoticeKind {
    NoAreaEquation,         // saturated steam above 22 MPa: `text` the phase, `value` P
    UnknownReliefCase,      // a medium type text with no rule: `text` the medium type
    UnsupportedReliefCase,  // "换热发生汽", "反应气": no input or rule for them here
    MissingWettedHeight,    // a vertical vessel in fire without its wetted height
    ThroatAboveStandard,    // `value` the calculated diameter, `limit` the largest standard throat
    InputsChanged,          // an input of input parameters changed since: `text` its caption,
                            // `before` what input parameters used, `after` what the field holds now
    DerivationDiffers,      // a case holds a derived value its inputs no longer give: `text` what,
                            // `before` the case's text, `after` what deriving again gives
    NoDeviceSized,          // W <= 0, A <= 0 or P <= 0: `causes` say why, `value` W, `limit` P
    ReadAsZero,             // results written, but inputs of the case were read as 0 (`readAsZero`)
    CheckFailed,            // results written, but a design check failed (`failedChecks`)
    BadDeviceCount,         // the number of devices is no whole number from 1 to 1000: `text` it
    SetPressureOutOfBounds, // a typed opening pressure `value` below the working pressure or above the
                            // design pressure: `before` and `after` the two, as printed
    BoreAboveStandard,      // bursting disc: `value` the bore, `limit` the largest nominal size
    LiquidInFire,           // phase "液体" with a fire case: `text` the medium type
    LiquidNothingToSize,    // a liquid with Δp or ρ not above zero: `causes` say which
};

struct Notice {
    // A kind that shows no value or limit is given none, and its message does not read them
    // [equivalent mutants: constant].
    Notice(NoticeKind k, std::string t = {}, double v = 0, double l = 0)  // NOLINT: implicit on purpose
        : kind(k), text(std::move(t)), value(v), limit(l) {}

    NoticeKind kind;
    std::string text;
    double value;  // set by the constructor, as are the two above
    double limit;
    std::string before;
    std::string after;
    std::vector<std::string> causes;
    std::vector<ZeroRead> readAsZero;
    std::vector<std::string> failedChecks;  // any notice with results: each failed design check, in words
    // One device too small (ThroatAboveStandard, BoreAboveStandard): the fewest devices each of which
    // the table holds, and what each would be ("每只喉径 118.4 mm，标准喉径 125 mm，DN 200").
    int suggestedCount = 0;
    std::string suggestedSize;
};

using Outcome = std::variant<Done, FaultReport, Notice>;

inline bool isDone(const Outcome& o) { return std::holds_alternative<Done>(o); }

}  // namespace orvane
