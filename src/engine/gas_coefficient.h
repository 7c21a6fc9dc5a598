#pragma once
// The gas coefficient C of the critical-flow equation from the adiabatic exponent k:
//
//     C = 520 √( k (2 / (k + 1))^((k + 1) / (k − 1)) )
//
// The catalogue's C are this value rounded (k 1.4 gives 356.06, printed 356). A medium of the
// user's own library may take its C from here instead of a typed one.

#include <optional>

namespace orvane {

// C for `k`; nothing unless k is a finite number above 1 (at k = 1 the exponent divides by zero).
std::optional<double> gasCoefficientFromK(double k);

}  // namespace orvane
