// Checked arithmetic: every fault kind at the operation where it happens.
#include "engine/real.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

namespace orvane {
namespace {

struct FaultCase {
    const char* what;
    std::function<void()> op;
    FaultKind expected;
};

TEST(Real, EachFaultIsReportedWithItsKind) {
    const FaultCase cases[] = {
        {"1 / 0", [] { (void)(Real(1) / 0); }, FaultKind::DivisionByZero},
        {"-1 / 0", [] { (void)(Real(-1) / 0); }, FaultKind::DivisionByZero},
        {"0 / 0", [] { (void)(Real(0) / 0); }, FaultKind::InvalidOperation},
        {"sqrt(-1)", [] { (void)sqrt(Real(-1)); }, FaultKind::InvalidOperation},
        {"(-8)^(1/3)", [] { (void)pow(Real(-8), Real(1.0 / 3.0)); }, FaultKind::InvalidOperation},
        {"(-0.5)^0.82", [] { (void)pow(Real(-0.5), Real(0.82)); }, FaultKind::InvalidOperation},
        {"0^-1", [] { (void)pow(Real(0), Real(-1)); }, FaultKind::DivisionByZero},
        {"1e308 * 10", [] { (void)(Real(1e308) * 10); }, FaultKind::Overflow},
        {"1e308 + 1e308", [] { (void)(Real(1e308) + 1e308); }, FaultKind::Overflow},
        {"-1e308 - 1e308", [] { (void)(Real(-1e308) - 1e308); }, FaultKind::Overflow},
        {"1e300 / 1e-300", [] { (void)(Real(1e300) / 1e-300); }, FaultKind::Overflow},
        {"10^400", [] { (void)pow(Real(10), Real(400)); }, FaultKind::Overflow},
        {"single(1e39)", [] { (void)toSingle(Real(1e39)); }, FaultKind::Overflow},
        {"single(-3.5e38)", [] { (void)toSingle(Real(-3.5e38)); }, FaultKind::Overflow},
    };
    for (const auto& c : cases) {
        try {
            c.op();
            ADD_FAILURE() << c.what << ": no fault";
        } catch (const NumericFault& f) {
            EXPECT_EQ(f.kind(), c.expected) << c.what;
        }
    }
}

TEST(Real, ValuesAtTheEdgeOfTheRangesAreNoFault) {
    EXPECT_EQ(toSingle(Real(static_cast<double>(FLT_MAX))), FLT_MAX);
    EXPECT_EQ(toSingle(Real(1e-50)), 0.0f);  // too small for a float: zero, no fault
    EXPECT_EQ(pow(Real(-2), Real(2)).value(), 4.0);  // a negative base to a whole power is fine
    EXPECT_EQ(pow(Real(0), Real(0.82)).value(), 0.0);
    EXPECT_EQ(sqrt(Real(0)).value(), 0.0);
}

TEST(Real, ANewOneIsZero) {
    // A sum or an area started with `Real x;` begins at nothing.
    const Real x;
    EXPECT_EQ(x.value(), 0.0);
}

TEST(Real, KeepsTheOrderOfOperationsAsWritten) {
    // Single-precision 0.8 widened, then multiplied: the widening error shows in the 10th digit.
    EXPECT_EQ((Real(0.8f) * 1.05).value(), static_cast<double>(0.8f) * 1.05);
    EXPECT_NE((Real(0.8f) * 1.05).value(), 0.84);
    // Divisions one after another, left to right.
    EXPECT_EQ((Real(1000) / 5.25 / 0.65 / 10).value(), 1000.0 / 5.25 / 0.65 / 10.0);
}

}  // namespace
}  // namespace orvane
