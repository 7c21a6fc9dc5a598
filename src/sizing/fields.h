#pragma once
// The quantities a case of either device is made of, each named once. A device has some of them
// (its description says which, under which key, caption and unit); the same field means the same
// quantity in both devices, whatever the windows call their controls.

#include <cstddef>
#include <cstdint>

namespace orvane {

enum class Device { SafetyValve, BurstingDisc };

enum class Field : std::uint8_t {
    // The option group (lift type or disc type, by its caption) and the lists.
    DeviceType,
    Grade,
    Medium,
    ReliefCase,
    VesselShape,
    Location,
    // Numbers the user types.
    WorkingPressure,
    DesignPressure,  // the valve's input; the bursting disc's result
    BackPressure,
    ReliefTemperature,
    DesignTemperature,
    VesselDiameter,
    VesselLength,
    WettedHeight,
    InletDiameter,
    InletVelocity,
    LatentHeat,
    GasDensity,
    LiquidDensity,  // a liquid's: its relief capacity and area
    InsulationThickness,
    InsulationConductivity,
    SealAngle,
    DeviceCount,  // how many devices share the relief capacity
    // The medium's properties, as input parameters fills them.
    AdiabaticExponent,  // k
    GasCoefficient,     // C
    MolarMass,          // M
    Compressibility,    // Z
    Phase,              // 形态
    // Results (the relief capacity is also an input).
    ReliefCapacity,
    DischargeArea,
    ThroatDiameter,
    StandardThroat,
    Bore,
    NominalSize,
    OpeningPressure,
    DesignBurstPressure,
};

inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::DesignBurstPressure) + 1;

constexpr std::size_t indexOf(Field f) { return static_cast<std::size_t>(f); }

// The medium's properties, in the order the property row shows them.
inline constexpr Field kPropertyFields[] = {Field::AdiabaticExponent, Field::GasCoefficient, Field::MolarMass,
                                            Field::Compressibility, Field::Phase, Field::LatentHeat};

}  // namespace orvane
