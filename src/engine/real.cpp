#include "real.h"

#include <cmath>
#include <limits>

namespace orvane {

namespace {

const char* describe(FaultKind kind) {
    switch (kind) {
        case FaultKind::DivisionByZero: return "division by zero";
        case FaultKind::Overflow: return "overflow";
        case FaultKind::InvalidOperation: return "invalid operation";
    }
    return "numeric fault";
}

// The operands of every checked operation are finite, so an infinite result is an overflow and a
// NaN an invalid operation.
Real checked(double r) {
    if (std::isnan(r)) throw NumericFault(FaultKind::InvalidOperation);
    if (std::isinf(r)) throw NumericFault(FaultKind::Overflow);
    return Real(r);
}

}  // namespace

NumericFault::NumericFault(FaultKind kind) : std::runtime_error(describe(kind)), kind_(kind) {}

Real operator+(Real a, Real b) { return checked(a.v_ + b.v_); }
Real operator-(Real a, Real b) { return checked(a.v_ - b.v_); }
Real operator*(Real a, Real b) { return checked(a.v_ * b.v_); }

Real operator/(Real a, Real b) {
    if (b.v_ == 0.0) {
        throw NumericFault(a.v_ == 0.0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero);
    }
    return checked(a.v_ / b.v_);
}

Real sqrt(Real x) {
    if (x.value() < 0.0) throw NumericFault(FaultKind::InvalidOperation);
    return Real(std::sqrt(x.value()));
}

Real pow(Real base, Real e) {
    const double b = base.value();
    const double x = e.value();
    if (b < 0.0 && std::trunc(x) != x) throw NumericFault(FaultKind::InvalidOperation);
    if (b == 0.0 && x < 0.0) throw NumericFault(FaultKind::DivisionByZero);
    return checked(std::pow(b, x));
}

Real sin(Real x) { return checked(std::sin(x.value())); }

float toSingle(Real x) {
    const auto f = static_cast<float>(x.value());
    if (std::isinf(f)) throw NumericFault(FaultKind::Overflow);
    return f;
}

}  // namespace orvane
