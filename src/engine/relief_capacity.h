#pragma once
// Required relief capacity W (kg/h) of a pressure vessel by relief case, after GB 150-1998
// Appendix B, with the gas density that feeds the inlet-pipe case and the heated (wetted) area and
// installation location factor of the fire cases.
//
// Every product, quotient and power is a checked double (real.h), formed in the order the standard
// writes it; W is rounded to single precision only when stored.

#include <array>
#include <optional>
#include <string_view>

#include "outcome.h"
#include "real.h"

namespace orvane {

// Medium types (relief cases) as the "介质类型" lists name them.
inline constexpr std::string_view kCaseCompressedGas = "压缩气或蒸气";
inline constexpr std::string_view kCaseUninsulated = "无保温液化气";
inline constexpr std::string_view kCaseInsulated = "有保温液化气";
inline constexpr std::string_view kCaseHeatExchange = "换热发生汽";  // named by the standard, no input here
inline constexpr std::string_view kCaseReaction = "反应气";          // named by the standard, no rule
inline constexpr std::array<std::string_view, 3> kMediumTypeItems = {kCaseCompressedGas, kCaseUninsulated,
                                                                     kCaseInsulated};

enum class ReliefCase { CompressedGas, Uninsulated, Insulated, HeatExchange, Reaction, Unknown };
ReliefCase reliefCaseOf(std::string_view mediumType);
inline bool isFireCase(ReliefCase c) { return c == ReliefCase::Uninsulated || c == ReliefCase::Insulated; }

// Vessel shapes and installation locations as the lists name them.
inline constexpr std::string_view kShapeEllipticalHeads = "椭封卧式";
inline constexpr std::string_view kShapeHemisphericalHeads = "球封卧式";
inline constexpr std::string_view kShapeVertical = "立式容器";
inline constexpr std::string_view kShapeSphere = "球形容器";
inline constexpr std::array<std::string_view, 4> kVesselShapeItems = {
    kShapeHemisphericalHeads, kShapeVertical, kShapeSphere, kShapeEllipticalHeads};
inline constexpr std::array<std::string_view, 3> kLocationItems = {"沙埋地面下", "地面上无喷淋",
                                                                   "地面上有喷淋"};

// Gas density at relief, kg/m3: Rho = M * 121.9 * P / T, with M in kg/kmol, P the absolute relief
// pressure in MPa and T in K.
float gasDensity(Real M, Real P, Real T);

// Heated area A_r (m2) of a vessel in fire, D, L and the wetted height h in mm:
// "椭封卧式" 3.14 D (L + 0.3 D), "球封卧式" 3.14 D L, "立式容器" 3.14 D h, "球形容器" 1.57 D^2,
// each / 10^6; 0 for any other shape text.
Real heatedArea(std::string_view shape, Real D, Real L, Real h);

// Installation location factor F: 1 above ground without water spray, 0.6 with, 0.3 buried in sand,
// 0 for any other text.
Real locationFactor(std::string_view location);

// W = 2.83e-3 * Rho * v * d^2: gas or vapour through an inlet pipe of inner diameter d (mm) at
// velocity v (m/s), Rho in kg/m3.
float reliefCompressedGas(Real Rho, Real v, Real d);

// W = 2.55e5 * F * A_r^0.82 / q: liquefied gas, vessel without insulation, in fire; q in kJ/kg.
float reliefUninsulated(Real Ar, Real F, Real q);

// W = 2.61 (650 - t) lambda A_r^0.82 / (delta q): liquefied gas, insulated vessel, in fire; t the
// temperature at relief (deg C), lambda in kJ/(m h deg C), delta the insulation thickness, which the
// windows take in mm and the equation uses in metres.
float reliefInsulated(Real Ar, Real lambda, Real t, Real deltaMm, Real q);

// What the relief cases need from the window, read from its fields.
struct ReliefInputs {
    std::string_view mediumType;
    Real Rho, v, d;                        // compressed gas
    std::string_view shape, location;      // fire cases
    Real D, L, h, q;                       // fire cases
    Real t, lambda, deltaMm;               // insulated
};

// Why the relief capacity of `mediumType` cannot be computed here, or nothing when it can: a text
// that names no relief case, a case with no input or rule in this program, or a vertical vessel in
// fire whose wetted height is missing (its heated area would silently be zero).
std::optional<Notice> reliefCaseNotice(std::string_view mediumType, std::string_view shape, Real wettedHeight);

// The relief capacity of the case that `in.mediumType` names; only for the three computable cases
// (compressed gas, uninsulated, insulated). Throws NumericFault on a numeric fault.
float reliefCapacity(const ReliefInputs& in);

}  // namespace orvane
