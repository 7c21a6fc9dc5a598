#pragma once
// The user's own medium library: media the catalogue lacks, with the properties the user gives
// them. A medium has a name and a phase; every other property may be absent, and what it lacks
// input parameters leaves empty (never another medium's value). C is typed, or computed from k.
// Plain C++: the file and the dialog are user_media_file.h and media_dialog.h.

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/media.h"

namespace orvane::media {

// The numeric properties of a medium, in the order the dialog and the file give them.
enum class Property { MolarMass, K, C, Z, LatentHeat, LiquidDensity, DesignPressure };
inline constexpr std::array<Property, 7> kProperties = {Property::MolarMass,  Property::K,
                                                        Property::C,          Property::Z,
                                                        Property::LatentHeat, Property::LiquidDensity,
                                                        Property::DesignPressure};
inline constexpr std::size_t index(Property p) { return static_cast<std::size_t>(p); }

// How the dialog and the messages name a property: "分子量 M"; with its unit: "分子量 M（kg/kmol）".
std::string_view caption(Property p);
std::string_view unit(Property p);
// Its key in the library file: "molar_mass_kg_kmol", "k", "C" ...
std::string_view key(Property p);

inline constexpr std::array<std::string_view, 3> kPhases = {kPhaseGas, kPhaseSaturated, kPhaseLiquid};
// The widest name, in halves of a Chinese character: what the windows' medium lists show whole
// (6 Chinese characters take 72 of the list field's 78 pixels).
inline constexpr std::size_t kNameColumns = 12;

struct UserMedium {
    std::string name;
    std::string phase;  // one of kPhases
    std::array<std::optional<double>, kProperties.size()> values;  // by Property; C empty when cFromK
    bool cFromK = false;  // C is computed from k, not typed

    // The property as it is used: C computed from k (as a single, the way the calculation takes k)
    // when cFromK.
    std::optional<double> value(Property p) const;
    bool operator==(const UserMedium&) const = default;
};

// A medium as texts, as the dialog shows and the file holds it; an empty text is no value.
struct MediumTexts {
    std::string name;
    std::string phase;
    std::array<std::string, kProperties.size()> values;
    bool cFromK = false;
};
// The medium as texts, numbers in the program's form ("39.95"); C empty when computed from k.
MediumTexts textsOf(const UserMedium& m);

// A medium read from texts, or why not: the message names the field and what is wrong with it.
struct MediumRead {
    std::optional<UserMedium> medium;
    std::string fault;
};
// Reads and checks `texts`: the name trimmed, non-empty, at most kNameColumns wide, no
// built-in name, none of `taken`; the phase one of kPhases; each number wholly a number, above 0
// (k above 1), and within the range a single holds; C computed from k needs k.
MediumRead readMedium(const MediumTexts& texts, std::span<const std::string> taken);

// A whole library checked as readMedium checks each medium in turn (names taken by the ones before
// it); the message says which medium: "第 2 个介质（“氩气”）：…".
std::optional<std::string> checkLibrary(std::span<const UserMedium> media);

// The library input parameters asks for a name the catalogue lacks.
class UserMediaLibrary final : public MediumLibrary {
public:
    explicit UserMediaLibrary(std::vector<UserMedium> media) : media_(std::move(media)) {}
    const std::vector<UserMedium>& media() const { return media_; }
    const UserMedium* find(std::string_view name) const;
    std::optional<MediumValues> values(std::string_view name) const override;

private:
    std::vector<UserMedium> media_;
};

// What input parameters takes from a medium: M, k, C and Z as the nearest singles, the others as
// given, the phase; marked as the user library's.
MediumValues valuesOf(const UserMedium& m);

// While a case is derived or sized: the user's medium its file carried, over this machine's library
// (which may lack it or hold it with other values), so that the case is sized with the properties it
// was saved with. No medium: the library stays as it is.
class CaseMediumInForce {
public:
    explicit CaseMediumInForce(const std::optional<UserMedium>& medium);
    ~CaseMediumInForce();
    CaseMediumInForce(const CaseMediumInForce&) = delete;
    CaseMediumInForce& operator=(const CaseMediumInForce&) = delete;

private:
    std::shared_ptr<const MediumLibrary> previous_;
    bool replaced_ = false;
};

}  // namespace orvane::media
