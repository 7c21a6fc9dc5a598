#pragma once
// The steps both devices take alike: which inputs the case uses, the relief capacity by relief case,
// the area equations by phase, what "nothing to size" means and why, and the rule that ends a
// sizing. Each reads the case through the sizing frame and writes its steps into the record.

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "case.h"
#include "engine/outcome.h"
#include "engine/media.h"
#include "engine/quantities.h"
#include "engine/real.h"
#include "engine/relief_capacity.h"
#include "formula.h"
#include "sizing.h"

namespace orvane {

// Which inputs the case uses, decided from its texts before anything is read.
struct CaseUse {
    ReliefCase reliefCase = ReliefCase::Unknown;
    std::string mediumType, shape, location, phase;
    bool computeCapacity = true;    // W is computed, not typed
    bool gasEquations = true;       // the gas area equations run (phase neither "饱和气" nor "液体")
    bool designTemperature = true;  // T = 273 + the design temperature enters the calculation
    bool densityField = false;      // the gas density is read from its field
    bool liquid() const { return phase == kPhaseLiquid; }

    bool fire() const { return computeCapacity && isFireCase(reliefCase); }
    bool compressedGas() const { return computeCapacity && reliefCase == ReliefCase::CompressedGas; }
    bool usesLength() const { return fire() && shape != kShapeSphere && shape != kShapeVertical; }
    bool usesHeight() const { return fire() && shape == kShapeVertical; }
    bool insulated() const { return computeCapacity && reliefCase == ReliefCase::Insulated; }
};

// Medium type, vessel shape, location and phase of the case; whether W is typed.
CaseUse caseOf(const Case& c);

// Whether the relief capacity of the case is the user's: a text typed into its field. The program's
// own W (a result of the last calculation) is computed again.
bool capacityTyped(const Case& c);

// Relief case data as typed, in the units of the captions.
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

// Why the case's relief case cannot be computed, or nothing.
std::optional<Notice> reliefCaseNotice(Sizing& s, const CaseUse& use);

// Reads the relief case data; the latent heat and the design temperature go to the program-wide
// values, as the other window and the medium catalogue read them from there. The fields the case
// uses are recorded.
CaseFields readCaseFields(Sizing& s, ProgramValues& shared, const CaseUse& use);

// Reads M, Z, k and C from the case; those the case uses are recorded as its inputs.
struct PropertiesUsed {
    bool M = false, Z = false, k = false, C = false;
};
void readProperties(Sizing& s, SizingQuantities& q, PropertiesUsed used);

// Records the medium, the case lists and each property with its source.
void recordCase(Sizing& s, const CaseUse& use);

struct Capacity {
    float W = 0;  // kg/h; set on every path of reliefCapacity [equivalent mutants: constant]
    Real Ar = 0;  // heated area, m2; read only in the fire cases, which set it [equivalent mutants: constant]
    Real F = 0;   // location factor; read only in the fire cases, which set it [equivalent mutants: constant]
};

// The relief capacity of the case's relief case, with the gas density Rho and the latent heat q;
// its steps are recorded.
Capacity reliefCapacity(Sizing& s, const CaseUse& use, const CaseFields& f, Real Rho, Real q);

// Saturated steam: Mianji3 up to 10 MPa, Mianji4 above 10 and up to 22 MPa, both recorded with the
// choice; false above 22 MPa, where no equation applies. `check` names the fields the step uses.
bool saturatedSteamArea(Sizing& s, SizingQuantities& q, std::initializer_list<Field> check);
// Gas at critical flow (Mianji1), recorded.
void criticalGasArea(Sizing& s, SizingQuantities& q);

// A liquid-full vessel in fire: no relief case of the program applies (a notice), when W is computed.
std::optional<Notice> liquidInFire(const CaseUse& use);
// A liquid: A = W / (5.1 K √(ρ Δp)), Δp = P − Po, recorded with where its constant comes from. False,
// with the notice naming them, when Δp or ρ is not above zero (nothing to size). `backPressureNote`
// says where Po comes from.
std::optional<Notice> liquidArea(Sizing& s, SizingQuantities& q, Real rho, std::string_view backPressureNote,
                                 std::vector<Field> check);

// The fields W comes from: the capacity field when it was typed, the inputs of the relief case when
// it was computed.
std::vector<Field> capacityInputs(const CaseUse& use);

// Whether W, the area A and the absolute relief pressure P leave a device to size: all above zero.
bool somethingToSize(float W, float A, float P);

// Why a calculation sized no device (W <= 0, A <= 0 or P <= 0), in words.
std::vector<std::string> noSizeCauses(Sizing& s, const CaseUse& use, const Capacity& w, float P, float A);

// Writes W: the user's W stays the user's (written back in the program's number form).
void writeCapacity(Sizing& s, float W, bool typed);

// The input of input parameters that changed since it was pressed, or the derived value the case
// holds that its inputs no longer give: the notice that asks for input parameters. Nothing when the
// derivation the case rests on still holds. The window's lamp and Calculate both ask this.
std::optional<Notice> staleDerivation(const Case& c, const Description& d);

// Ends a sizing: a result computed with inputs read as 0 is not given without a word; the notice's
// text, the derivation the case rests on and its inputs go into the record.
void finishSizing(Sizing& s);

// A step whose result is computed: its substitution printed from `substituted`, its result `actual`
// printed as that substitution confirms it (formula.h).
RecordStep computedStep(std::string name, std::string symbol, std::string equation, const Term& substituted,
                        double actual, std::string unit, std::string note = {});

// The gas temperature T = 273 + t and the gas density ρ = M × 121.9 × P / T as steps; `P` as the
// equation substitutes it.
RecordStep temperatureStep(Real t, float T);
RecordStep densityStep(std::string equation, float M, const Term& P, float T, float rho);

// The number of devices n the case gives (an empty field: 1), or the notice refusing what it holds
// (not a whole number from 1 to 1000).
std::optional<Notice> readDeviceCount(Sizing& s, int& n);
// W shared by n devices: W / n for each, recorded as a step when n > 1 (`each` names one: "每只").
float perDevice(Sizing& s, float W, int n, std::string_view each);

// When one device is too small (the throat or bore above the largest the tables hold): the fewest
// devices each of which they hold, found by sizing the case again for 2, 3 ... devices, and what
// each would be (`sizeEach`); the notice and the record's notice text say it.
void suggestDeviceCount(CalculationRecord& record, const Case& c, const ProgramValues& shared,
                        CalculationRecord (*sizeOnce)(const Case&, ProgramValues&, Detail),
                        std::string (*sizeEach)(const CalculationRecord&));

// A design check made on the two numbers as printed (at most 7 digits each, as the sheet shows
// them): `left` must stand to `right` as `relation` says ("≤" or "≥"). Recorded with its verdict
// whatever the detail, as a failed check is told; returns whether it passed.
bool designCheck(Sizing& s, std::string name, std::string condition, double left, std::string_view relation,
                 double right, std::string_view unit);

// Texts of numbers for the record: as a document prints them (at most 7 significant digits).
std::string numberText(Real x);
std::string numberText(float x);

}  // namespace orvane
