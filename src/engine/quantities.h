#pragma once
// The working quantities of a calculator window and the values the whole program shares.

#include <optional>
#include <string>

namespace orvane {

// Single-precision working quantities of one calculator window, zero when the window is created
// and kept for the window's life. Z may have no value (a liquefied gas taken as compressed gas
// leaves it for the user to fill in); no value reads as 0.
struct SizingQuantities {
    float W = 0;                 // required relief capacity, kg/h
    float C = 0;                 // gas characteristic coefficient
    float P = 0;                 // relief pressure, absolute, MPa
    float T = 0;                 // gas temperature at relief, K
    std::optional<float> Z = 0;  // compressibility factor
    float k = 0;                 // adiabatic exponent
    float Po = 0;                // back pressure on the discharge side, absolute, MPa
    float K = 0;                 // coefficient of discharge
    float M = 0;                 // molar mass, kg/kmol
    float Pi = 0;                // the window's value of pi
    float Rho = 0;               // gas density, kg/m3
    float A = 0;                 // required discharge area, mm2

    float zValue() const { return Z.value_or(0.0f); }
};

// The window's value of pi: 3.14159 stored as a float.
inline constexpr float kWindowPi = 3.14159f;

// The four values shared by both calculator windows for the whole run, owned by the program and
// passed to each window. Each starts with no value, which reads as 0 and shows as an empty text.
struct ProgramValues {
    std::optional<double> FixedDesignPressure;  // design pressure the medium prescribes, MPa (0: none)
    std::optional<double> LatentHeat;           // latent heat of vaporisation, kJ/kg
    std::optional<double> DesignTemperature;    // design temperature of the last Calculate, deg C
    std::optional<std::string> PhaseText;       // "气体" or "饱和气"
};

}  // namespace orvane
