#include "gas_coefficient.h"

#include <cmath>

namespace orvane {

std::optional<double> gasCoefficientFromK(double k) {
    if (!std::isfinite(k) || !(k > 1.0)) return std::nullopt;
    // For k just above 1 the power tends to 1/e and for a huge k the product tends to 2: C stays
    // between 520 √(1/e) ≈ 315.4 and 520 √2 ≈ 735.4, never an overflow or a zero.
    const double power = std::pow(2.0 / (k + 1.0), (k + 1.0) / (k - 1.0));
    return 520.0 * std::sqrt(k * power);
}

}  // namespace orvane
