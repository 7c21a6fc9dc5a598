#pragma once
// The medium catalogue: the media whose properties the program knows, and ApplyMedium, which
// writes a medium's properties into a window's quantities and the program-wide values.

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "quantities.h"

namespace orvane {

// Phase texts as the "形态" field shows them.
inline constexpr std::string_view kPhaseGas = "气体";
inline constexpr std::string_view kPhaseSaturated = "饱和气";
inline constexpr std::string_view kPhaseLiquid = "液体";

enum class ZRule {
    NoZ,     // Z is left as it is
    Always,  // Z is written
    At50C,   // Z is written only when the design temperature is exactly 50 deg C
};

enum class PhaseRule {
    NoPhase,    // the phase is left as it is
    Gas,        // "气体"
    Saturated,  // "饱和气"
    FromField,  // steam: "气体" when the phase field says so, "饱和气" otherwise
};

struct MediumEntry {
    std::string_view name;
    std::optional<float> M;
    std::optional<float> k;
    std::optional<float> C;
    ZRule zRule = ZRule::NoZ;
    float Z = 0;  // every catalogue row sets it [equivalent mutants: constant]
    PhaseRule phase = PhaseRule::NoPhase;
    std::optional<double> latentHeat;      // kJ/kg
    std::optional<double> designPressure;  // MPa, prescribed by the regulation for the medium
    bool gasOverride = false;              // a liquefied gas that counts as gas for "压缩气或蒸气"
};

class MediumCatalogue {
public:
    static std::span<const MediumEntry> entries();
    // The entry whose name equals `name` exactly, or null.
    static const MediumEntry* find(std::string_view name);
};

// The medium list of both windows, in order; "液化气" and "丁二烯" have no catalogue entry.
inline constexpr std::array<std::string_view, 15> kMediumListItems = {
    "空气", "氮气", "氧气", "氢气", "液氯", "液氨", "乙炔", "乙烯",
    "丙烯", "丙烷", "液化气", "丁烯", "丁二烯", "丁烷", "水蒸气",
};
inline constexpr std::string_view kSteam = "水蒸气";

// Whether `name` is one of the program's own media: a catalogue entry or an item of the medium list.
bool isBuiltInMedium(std::string_view name);

// What the catalogue entry of a medium gives for a medium type: each property only where the entry
// has it. `phaseField` is the phase the user typed (steam is a gas when it says "气体"), and
// `designTemperature` decides a Z given at 50 deg C only.
struct MediumValues {
    std::optional<float> M, k, C;
    bool zGiven = false;      // the entry decides Z: a value, or none (a liquefied gas taken as gas)
    std::optional<float> Z;
    std::optional<std::string_view> phase;
    std::optional<double> latentHeat;      // kJ/kg
    std::optional<double> designPressure;  // MPa
    std::optional<double> liquidDensity;   // kg/m³; the catalogue gives none
    bool userLibrary = false;              // the values are a medium of the user's library, not the catalogue's
};

// The media the user defined, by name: asked for a name the catalogue lacks. Values it gives carry
// `userLibrary`; it gives every property it has whatever the medium type and design temperature.
class MediumLibrary {
public:
    virtual ~MediumLibrary() = default;
    virtual std::optional<MediumValues> values(std::string_view name) const = 0;
};

// The user's library the program runs with, for every window and case of the process; none at
// first. Set once at start and again whenever the user saves the library; read by every input
// parameters. Safe to set from one thread while others read: a reader keeps the library it took.
void setUserMedia(std::shared_ptr<const MediumLibrary> library);
std::shared_ptr<const MediumLibrary> userMedia();

// Nothing for a name neither the catalogue nor the user's library has.
std::optional<MediumValues> mediumValues(std::string_view medium, std::string_view mediumType,
                                         std::string_view phaseField, std::optional<double> designTemperature);

// Writes the properties of `medium` into `q` (M, k, C, Z) and `shared` (PhaseText, LatentHeat,
// FixedDesignPressure). A name the catalogue lacks changes nothing. `mediumType` is the text of the
// medium type list, `phaseField` the text of the "形态" field before it is rewritten.
void ApplyMedium(SizingQuantities& q, ProgramValues& shared, std::string_view medium,
                 std::string_view mediumType, std::string_view phaseField);

}  // namespace orvane
