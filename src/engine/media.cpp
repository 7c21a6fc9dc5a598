#include "media.h"

#include <algorithm>
#include <mutex>

#include "relief_capacity.h"

namespace orvane {

namespace {

using enum ZRule;
using enum PhaseRule;

// M, k, C and Z are the decimals of the table rounded to the nearest float; latent heats and
// prescribed design pressures are doubles (the latent heat of butylene is the whole number 329).
// Source: the medium table of the pressure vessel regulation, Z at a design temperature of 50 deg C.
constexpr std::array<MediumEntry, 17> kCatalogue = {{
    {"水蒸气", 18.0f, {}, 0.996f, NoZ, 0, FromField, {}, {}, false},
    {"空气", 28.96f, 1.4f, 356.0f, Always, 1.0f, Gas, {}, {}, false},
    {"氧气", 32.0f, 1.4f, 356.0f, Always, 1.0f, Gas, {}, {}, false},
    {"氮气", 28.02f, 1.4f, 356.0f, Always, 1.0f, Gas, {}, {}, false},
    {"氢气", 2.015f, 1.4f, 356.0f, Always, 1.0f, Gas, {}, {}, false},
    {"液氯", 70.91f, 1.35f, 351.5f, At50C, 0.86f, Saturated, {}, 1.62, true},
    {"液氨", 17.03f, 1.31f, 348.0f, At50C, 0.84f, Saturated, 1055.4, 2.16, true},
    {"乙炔", 26.02f, 1.25f, 342.0f, At50C, 0.46f, Saturated, {}, 8.15, true},
    {"乙烯", 28.03f, 1.25f, 342.0f, NoZ, 0, Gas, {}, {}, false},
    {"环氧乙烷", 44.05f, {}, {}, NoZ, 0, Saturated, 531.5, 3.874, true},
    {"液化石油气1", 44.0f, 1.13f, 330.0f, Always, 0.73f, Saturated, 285.96, 2.16, true},
    {"液化石油气2", 44.0f, 1.13f, 330.0f, At50C, 0.73f, Saturated, 285.96, 1.77, true},
    {"丙烯", 42.05f, 1.15f, 332.0f, Always, 0.73f, Saturated, 278.23, 2.16, true},
    {"丙烷", 44.05f, 1.13f, 330.0f, At50C, 0.8f, Saturated, 283.98, 1.77, true},
    {"丁烯", 56.11f, 1.12f, 329.0f, At50C, 0.82f, Saturated, 329.0, 0.79, true},
    {"丁烷", 58.08f, 1.11f, 328.0f, At50C, 0.85f, Saturated, 331.8, 0.79, true},
    {"液体二氧化硫", 64.0f, {}, {}, NoZ, 0, NoPhase, {}, 0.98, false},
}};
// An entry that writes no Z carries none; the liquefied gases taken as gas prescribe a pressure.
static_assert(std::ranges::all_of(kCatalogue,
                                  [](const MediumEntry& e) { return e.zRule != NoZ || e.Z == 0; }));
static_assert(std::ranges::all_of(kCatalogue,
                                  [](const MediumEntry& e) { return !e.gasOverride || e.designPressure; }));

std::mutex& userMediaMutex() {
    static std::mutex m;
    return m;
}
std::shared_ptr<const MediumLibrary>& userMediaSlot() {
    static std::shared_ptr<const MediumLibrary> library;
    return library;
}

}  // namespace

void setUserMedia(std::shared_ptr<const MediumLibrary> library) {
    const std::scoped_lock lock(userMediaMutex());
    userMediaSlot() = std::move(library);
}

std::shared_ptr<const MediumLibrary> userMedia() {
    const std::scoped_lock lock(userMediaMutex());
    return userMediaSlot();
}

bool isBuiltInMedium(std::string_view name) {
    return MediumCatalogue::find(name) != nullptr || std::ranges::find(kMediumListItems, name) != kMediumListItems.end();
}

std::span<const MediumEntry> MediumCatalogue::entries() { return kCatalogue; }

const MediumEntry* MediumCatalogue::find(std::string_view name) {
    const auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                                 [name](const MediumEntry& e) { return e.name == name; });
    return it == kCatalogue.end() ? nullptr : &*it;
}

std::optional<MediumValues> mediumValues(std::string_view medium, std::string_view mediumType,
                                         std::string_view phaseField, std::optional<double> designTemperature) {
    const MediumEntry* e = MediumCatalogue::find(medium);
    if (e == nullptr) {
        // The list's own names without an entry ("液化气", "丁二烯") are never the user's.
        if (isBuiltInMedium(medium)) return std::nullopt;
        const std::shared_ptr<const MediumLibrary> library = userMedia();
        return library ? library->values(medium) : std::nullopt;
    }
    MediumValues v{e->M, e->k, e->C, false, std::nullopt, std::nullopt, e->latentHeat, e->designPressure, std::nullopt, false};
    const bool at50 = designTemperature.has_value() && *designTemperature == 50.0;
    if (e->zRule == Always || (e->zRule == At50C && at50)) {
        v.zGiven = true;
        v.Z = e->Z;
    }
    switch (e->phase) {
        case Gas: v.phase = kPhaseGas; break;
        case Saturated: v.phase = kPhaseSaturated; break;
        case FromField: v.phase = phaseField == kPhaseGas ? kPhaseGas : kPhaseSaturated; break;
        case NoPhase: break;
    }
    if (e->gasOverride && mediumType == kCaseCompressedGas) {
        v.phase = kPhaseGas;
        v.zGiven = true;
        v.Z.reset();
    }
    return v;
}

void ApplyMedium(SizingQuantities& q, ProgramValues& shared, std::string_view medium,
                 std::string_view mediumType, std::string_view phaseField) {
    const std::optional<MediumValues> v = mediumValues(medium, mediumType, phaseField, shared.DesignTemperature);
    if (!v) return;
    if (v->M) q.M = *v->M;
    if (v->k) q.k = *v->k;
    if (v->C) q.C = *v->C;
    if (v->latentHeat) shared.LatentHeat = *v->latentHeat;
    if (v->designPressure) shared.FixedDesignPressure = *v->designPressure;
    if (v->zGiven) q.Z = v->Z;
    if (v->phase) shared.PhaseText = std::string(*v->phase);
}

}  // namespace orvane
