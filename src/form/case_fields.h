#pragma once
// The fields both calculator windows share under the same names: the data of the relief cases
// (vessel, insulation, inlet pipe, temperatures, latent heat) and the medium's properties
// ("k=", "C=", "M=", "Z=", "形态", "气化潜热"), with the rules that read and fill them alike.

#include <optional>
#include <string_view>

#include "action.h"
#include "engine/outcome.h"
#include "engine/quantities.h"
#include "engine/real.h"

namespace orvane {

// Relief case data as typed, in the units of the labels.
struct CaseFields {
    Real tRelief;  // relief temperature, deg C
    Real D;        // vessel outer diameter, mm
    Real L;        // vessel total length, mm
    Real delta;    // insulation thickness, mm
    Real lambda;   // thermal conductivity of the insulation, kJ/(m h deg C)
    Real dInlet;   // inlet pipe inner diameter, mm
    Real v;        // inlet velocity, m/s
    Real h;        // wetted height of a vertical vessel, mm
};

// Why the window's relief case cannot be computed (medium type Combo2, vessel shape Combo3, the
// wetted height field), or nothing.
std::optional<Notice> reliefCaseNotice(Action& act, std::string_view wettedHeightField);

// Reads the relief case data; the latent heat (Text18) and the design temperature (Text24) go to
// the program-wide values, as the other window and the medium catalogue read them from there.
CaseFields readCaseFields(Action& act, ProgramValues& shared, std::string_view wettedHeightField);

// Reads M, Z, k and C back from their fields: the user may have overwritten what the catalogue gave.
void readProperties(Action& act, SizingQuantities& q);

// The relief capacity of the window's relief case (Combo2), vessel shape (Combo3) and location
// (Combo4), with the gas density Rho and the latent heat q.
float reliefCapacity(Action& act, const CaseFields& f, Real Rho, Real q);

// Steam fed through the inlet pipe needs no k, C or Z: they are hidden, C and Z shown again when
// the user typed "气体" as its phase before pressing input parameters.
void applySteamRule(Form& form, std::string_view medium, std::string_view phaseField);

// Writes the medium's properties into their fields; no value shows as an empty field.
void showProperties(Form& form, const SizingQuantities& q, const ProgramValues& shared);

}  // namespace orvane
