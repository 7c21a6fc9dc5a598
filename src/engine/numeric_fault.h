#pragma once
// Numeric faults of the sizing arithmetic. Every checked operation (real.h) and the number reader
// throw NumericFault at the operation where the fault happens; the window actions catch it at their
// boundary and turn it into a report that names the kind of fault and the step (outcome.h).

#include <stdexcept>

namespace orvane {

enum class FaultKind {
    DivisionByZero,    // x / 0 with x != 0, or 0 to a negative power
    Overflow,          // a result beyond double precision, or a value stored beyond single precision
    InvalidOperation,  // 0 / 0, square root of a negative number, negative base to a fractional power
};

class NumericFault : public std::runtime_error {
public:
    explicit NumericFault(FaultKind kind);
    FaultKind kind() const noexcept { return kind_; }

private:
    FaultKind kind_;
};

}  // namespace orvane
