#pragma once
// Checked double-precision arithmetic.
//
// Every intermediate of the sizing equations is a Real: a double whose every operation is checked
// as it happens. A division by zero, an overflow or an invalid operation throws NumericFault at
// that very operation, so a value that exists is always finite. Stored quantities are floats;
// toSingle() rounds a Real for storing and reports an overflow when the value does not fit.
//
// Expressions keep the order in which they are written: (a * b) / c is evaluated exactly as the
// equation in the standard spells it, one rounding per operation, as with plain doubles.

#include "numeric_fault.h"

namespace orvane {

class Real {
public:
    constexpr Real() = default;
    constexpr Real(double v) : v_(v) {}                             // NOLINT: implicit on purpose
    constexpr Real(float v) : v_(static_cast<double>(v)) {}         // NOLINT: widening is exact
    constexpr Real(int v) : v_(static_cast<double>(v)) {}           // NOLINT: exact integer constants
    constexpr double value() const { return v_; }

    friend Real operator+(Real a, Real b);
    friend Real operator-(Real a, Real b);
    friend Real operator*(Real a, Real b);
    friend Real operator/(Real a, Real b);
    friend Real operator-(Real a) { return Real(-a.v_); }

    friend constexpr bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend constexpr auto operator<=>(Real a, Real b) { return a.v_ <=> b.v_; }

private:
    double v_ = 0.0;
};

Real sqrt(Real x);             // invalid for x < 0
Real pow(Real base, Real e);   // invalid for a negative base and a fractional exponent
Real sin(Real x);

// Rounds to single precision for storing; overflow when the value lies beyond the float range.
float toSingle(Real x);


}  // namespace orvane
