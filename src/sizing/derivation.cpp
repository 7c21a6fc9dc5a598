#include "derivation.h"

#include <string>
#include <unordered_map>

#include "engine/number_text.h"

namespace orvane {

void applyDerivation(Case& c, const Derivation& d) {
    if (std::holds_alternative<FaultReport>(d.outcome)) return;
    for (const auto& [field, value] : d.writes) c[field] = value;
    const int serial = c.derived.serial;
    c.derived = d.derived;
    c.derived.serial = serial + 1;
}

void writeMediumProperties(const Case& c, const std::optional<MediumValues>& values, std::string_view medium,
                           std::vector<std::pair<Field, CaseValue>>& writes) {
    const Source owner = values && values->userLibrary ? Source::UserLibrary : Source::Catalogue;
    const auto put = [&](Field f, std::optional<std::string> given) {
        if (given) {
            writes.emplace_back(f, CaseValue{std::move(*given), owner, std::string(medium)});
        } else if (!c[f].typed()) {
            writes.emplace_back(f, CaseValue{});
        }
    };
    // The catalogue's few numbers are written once each (a table of thousands of rows asks for the
    // same texts again and again).
    const auto single = [](std::optional<float> v) -> std::optional<std::string> {
        if (!v) return std::nullopt;
        thread_local std::unordered_map<float, std::string> written;
        auto it = written.find(*v);
        if (it == written.end()) it = written.emplace(*v, writeSingle(*v)).first;
        return it->second;
    };
    const MediumValues none;
    const MediumValues& v = values ? *values : none;
    put(Field::Phase, v.phase ? std::optional<std::string>(std::string(*v.phase)) : std::nullopt);
    put(Field::AdiabaticExponent, single(v.k));
    put(Field::GasCoefficient, single(v.C));
    put(Field::MolarMass, single(v.M));
    // A liquefied gas taken as gas has no Z: the entry gives the empty field for the user to fill.
    put(Field::Compressibility, v.zGiven ? std::optional<std::string>(v.Z ? *single(v.Z) : "") : std::nullopt);
    put(Field::LatentHeat, v.latentHeat ? std::optional<std::string>(writeDouble(*v.latentHeat)) : std::nullopt);
    put(Field::LiquidDensity, v.liquidDensity ? std::optional<std::string>(writeDouble(*v.liquidDensity)) : std::nullopt);
}

std::string_view typedPhase(const Case& c) {
    const CaseValue& phase = c[Field::Phase];
    return phase.source == Source::Typed ? std::string_view(phase.text) : std::string_view();
}

bool ownInput(const Case& c, Field f) {
    const CaseValue& v = c[f];
    return v.typed() || (v.source == Source::Derived && v.origin == c.text(Field::Medium));
}

void applyToProgramValues(const std::optional<MediumValues>& values, ProgramValues& shared) {
    if (!values) return;
    if (values->latentHeat) shared.LatentHeat = *values->latentHeat;
    if (values->designPressure) shared.FixedDesignPressure = *values->designPressure;
    if (values->phase) shared.PhaseText = std::string(*values->phase);
}

}  // namespace orvane
