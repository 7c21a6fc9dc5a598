#pragma once
// The fields both calculator windows share under the same names: the data of the relief cases
// (vessel, insulation, inlet pipe, temperatures, latent heat) and the medium's properties
// ("k=", "C=", "M=", "Z=", "形态", "气化潜热"), with the rules that read, record and fill them alike.

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "action.h"
#include "calculator_memory.h"
#include "engine/outcome.h"
#include "engine/quantities.h"
#include "engine/real.h"
#include "engine/relief_capacity.h"

namespace orvane {

// Which inputs the case on the window uses, decided from its texts before anything is read.
struct CaseUse {
    ReliefCase reliefCase = ReliefCase::Unknown;
    std::string mediumType, shape, location, phase;
    bool computeCapacity = true;  // W is computed, not typed
    bool gasEquations = true;     // the gas area equations run (phase neither "饱和气" nor "液体")
    bool designTemperature = true;  // T = 273 + the design temperature enters the calculation
    bool densityField = false;      // the gas density is read from its field
    std::string_view wettedHeightField;

    bool fire() const { return computeCapacity && isFireCase(reliefCase); }
    bool compressedGas() const { return computeCapacity && reliefCase == ReliefCase::CompressedGas; }
    bool usesLength() const { return fire() && shape != kShapeSphere && shape != kShapeVertical; }
    bool usesHeight() const { return fire() && shape == kShapeVertical; }
    bool insulated() const { return computeCapacity && reliefCase == ReliefCase::Insulated; }
};

// Medium type (Combo2), vessel shape (Combo3), location (Combo4) and phase (Text1) of the window.
CaseUse caseOf(const Form& form, std::string_view wettedHeightField);

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

// Why the window's relief case cannot be computed, or nothing.
std::optional<Notice> reliefCaseNotice(Action& act, const CaseUse& use);

// Reads the relief case data; the latent heat (Text18) and the design temperature (Text24) go to
// the program-wide values, as the other window and the medium catalogue read them from there. The
// fields the case uses are recorded.
CaseFields readCaseFields(Action& act, ProgramValues& shared, const CaseUse& use);

// Reads M, Z, k and C back from their fields: the user may have overwritten what the catalogue gave.
// `used` records them as inputs of the gas equations.
void readProperties(Action& act, SizingQuantities& q, bool used);

// Records the medium, the case lists and where each property text came from.
void recordCase(Action& act, const CaseUse& use, const CalculatorMemory& memory);

struct Capacity {
    float W = 0;  // kg/h; set on every path of reliefCapacity [equivalent mutants: constant]
    Real Ar = 0;  // heated area, m2; read only in the fire cases, which set it [equivalent mutants: constant]
    Real F = 0;   // location factor; read only in the fire cases, which set it [equivalent mutants: constant]
};

// The relief capacity of the window's relief case, with the gas density Rho and the latent heat q;
// its steps are recorded.
Capacity reliefCapacity(Action& act, const CaseUse& use, const CaseFields& f, Real Rho, Real q);

// Saturated steam: Mianji3 up to 10 MPa, Mianji4 above 10 and up to 22 MPa, both recorded with the
// choice; false above 22 MPa, where no equation applies. `check` names the fields the step uses.
bool saturatedSteamArea(Action& act, SizingQuantities& q, std::initializer_list<std::string_view> check);
// Gas at critical flow (Mianji1), recorded.
void criticalGasArea(Action& act, SizingQuantities& q);

// The fields W comes from: the capacity field when it was typed, the inputs of the relief case when
// it was computed.
std::vector<std::string_view> capacityInputs(const CaseUse& use);

// Whether W, the area A and the absolute relief pressure P leave a device to size: all above zero.
bool somethingToSize(float W, float A, float P);

// Why a calculation sized no device (W <= 0, A <= 0 or P <= 0), in words.
std::vector<std::string> noSizeCauses(Action& act, const CaseUse& use, const Capacity& w, float P, float A);

// The fields both windows have whose text is fixed as the relief capacity, and how it is written:
// the program's own W (computed) is remembered so that the next Calculate computes it again.
void writeCapacity(Action& act, CalculatorMemory& memory, float W, bool typed);

// Steam fed through the inlet pipe needs no k, C or Z: they are hidden, C and Z shown again when
// the user typed "气体" as its phase before pressing input parameters.
void applySteamRule(Form& form, std::string_view medium, std::string_view phaseField);

// Writes the medium's properties into their fields; no value shows as an empty field. What is
// written is remembered as the catalogue's.
void showProperties(Form& form, const SizingQuantities& q, const ProgramValues& shared, CalculatorMemory& memory);

// Texts of numbers for the record.
std::string numberText(Real x);
std::string numberText(float x);

// The notice that an input of input parameters (one of `fields`) changed since it was pressed; a
// changed option is named by `optionGroup` and the captions of the options.
Notice inputsChanged(Action& act, const CalculatorMemory& memory, std::span<const std::string_view> fields,
                     std::string_view optionGroup, const Change& change);

// Ends a Calculate: keeps its record with the notice it gave, or drops the record when it wrote
// nothing (a fault, or a notice given before computing).
Outcome finishCalculate(Action& act, CalculatorMemory& memory, Outcome outcome);

}  // namespace orvane
