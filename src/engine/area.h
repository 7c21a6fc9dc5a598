#pragma once
// Required discharge area A (mm2) of a relief device, after GB 150-1998 Appendix B.
//
// Each equation reads the window's working quantities and writes only A. Intermediates are checked
// doubles, divisions run one after another left to right, and only the final quotient is rounded
// to single precision. A numeric fault stops the equation before A is written.
// Units: W kg/h, P and Po absolute MPa, T K, M kg/kmol, A mm2.

#include "quantities.h"
#include "real.h"

namespace orvane {

// Gas or vapour at critical flow: A = W / (0.076 C K P sqrt(M / (Z T))).
void Mianji1(SizingQuantities& q);

// Gas or vapour at sub-critical flow:
// A = W / (55.85 K P sqrt(k/(k-1) [(Po/P)^(2/k) - (Po/P)^((k+1)/k)]) sqrt(M / (Z T))).
void Mianji2(SizingQuantities& q);

// Saturated steam up to 10 MPa: A = W / (5.25 K P).
void Mianji3(SizingQuantities& q);

// Saturated steam above 10 and up to 22 MPa:
// A = W / (5.25 K P) * (229.2 P - 7315) / (190.6 P - 6895).
void Mianji4(SizingQuantities& q);

// A liquid (incompressible) through the device: A = W / (5.1 K sqrt(rho dp)), rho the liquid
// density in kg/m3 and dp = P - Po in MPa. The constant comes from the flow of an incompressible
// fluid through an orifice, in SI units W = K A sqrt(2 rho dp) (W kg/s, A m2, rho kg/m3, dp Pa).
// With W in kg/h, A in mm2 and dp in MPa: W / 3600 = K (A 1e-6) sqrt(2 rho dp 1e6), so
// W = 3600 1e-6 sqrt(2e6) K A sqrt(rho dp) = 5.0912 K A sqrt(rho dp), taken as 5.1.
inline constexpr double kLiquidOrifice = 5.1;
void liquidArea(SizingQuantities& q, Real rho, Real dp);

// Critical pressure ratio r_c = (2 / (k + 1))^(k / (k - 1)); base and exponent are rounded to single
// precision, the power is a double.
Real criticalPressureRatio(float k);

// True when Po / P (rounded to single precision) does not exceed r_c: the flow is critical.
bool isCriticalFlow(const SizingQuantities& q);

}  // namespace orvane
