#include "valve_sizing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "engine/area.h"
#include "engine/media.h"
#include "engine/number_text.h"
#include "engine/relief_capacity.h"
#include "form/window_description.h"
#include "sizing/steps.h"
#include "valve_controls.h"

namespace orvane::valve {

namespace {

using enum Role;

// clang-format off
constexpr FieldSpec kFields[] = {
    {Field::DeviceType, Option, "valve_type", "Option1"},
    {Field::Medium, Choice, "medium", "Combo1"},
    {Field::ReliefCase, Choice, "relief_case", "Combo2"},
    {Field::VesselShape, Choice, "vessel_shape", "Combo3"},
    {Field::Location, Choice, "location", "Combo4"},
    {Field::WorkingPressure, Input, "working_pressure_MPa", "Text2"},
    {Field::DesignPressure, Input, "design_pressure_MPa", "Text3"},
    {Field::BackPressure, Input, "back_pressure_abs_MPa", "Text4"},
    {Field::ReliefTemperature, Input, "relief_temperature_C", "Text21"},
    {Field::DesignTemperature, Input, "design_temperature_C", "Text24"},
    {Field::VesselDiameter, Input, "vessel_outer_diameter_mm", "Text19"},
    {Field::VesselLength, Input, "vessel_length_mm", "Text20"},
    {Field::WettedHeight, Input, "wetted_height_mm", "Text26"},
    {Field::InletDiameter, Input, "inlet_inner_diameter_mm", "Text5"},
    {Field::InletVelocity, Input, "inlet_velocity_m_s", "Text6"},
    {Field::LatentHeat, Property, "latent_heat_kJ_kg", "Text18", "q"},
    {Field::GasDensity, Input, "gas_density_kg_m3", "Text14", "ρ"},
    {Field::LiquidDensity, Input, "liquid_density_kg_m3", "Text28", "ρ_L", "液体密度"},
    {Field::InsulationThickness, Input, "insulation_thickness_mm", "Text22"},
    {Field::InsulationConductivity, Input, "insulation_conductivity_kJ_m_h_C", "Text23"},
    {Field::SealAngle, Input, "seal_half_cone_angle_deg", "Text25"},
    {Field::DeviceCount, Input, "device_count", "Text27", "n"},
    {Field::AdiabaticExponent, Property, "k", "Text9", "k", "绝热指数"},
    {Field::GasCoefficient, Property, "C", "Text10", "C", "气体特性系数"},
    {Field::MolarMass, Property, "molar_mass_kg_kmol", "Text11", "M", "摩尔质量"},
    {Field::Compressibility, Property, "Z", "Text12", "Z", "压缩系数"},
    {Field::Phase, Property, "phase", "Text1", "形态"},
    {Field::ReliefCapacity, InputResult, "relief_capacity_kg_h", "Text7"},
    {Field::DischargeArea, Result, "discharge_area_mm2", "Text8"},
    {Field::ThroatDiameter, Result, "throat_diameter_mm", "Text15"},
    {Field::StandardThroat, Result, "standard_throat_mm", "Text17"},
    {Field::NominalSize, Result, "nominal_size_mm", "Text16"},
    {Field::OpeningPressure, InputResult, "opening_pressure_MPa", "Text13", "p_set"},
};
// clang-format on
constexpr std::string_view kOptions[] = {kFullLift, kFlatLowLift, kConicalLowLift};

}  // namespace

const Description& description() {
    // The inputs input parameters derives from: the medium and medium type, and the lift type, which
    // shows or hides the seal angle field.
    static const Description d = describeWindow(Device::SafetyValve, windowTable(), "安全阀型式", kOptions, kFields,
                                                {Field::Medium, Field::ReliefCase, Field::DeviceType});
    return d;
}

LiftType liftTypeOf(const Case& c) {
    const std::string& caption = c.text(Field::DeviceType);
    if (caption == kFlatLowLiftCaption) return LiftType::FlatSeatLow;
    if (caption == kConicalLowLiftCaption) return LiftType::ConicalSeatLow;
    return LiftType::Full;
}

float dischargeCoefficient(LiftType lift) {
    switch (lift) {
        case LiftType::FlatSeatLow: return 0.45f;
        case LiftType::ConicalSeatLow: return 0.3f;
        case LiftType::Full: break;
    }
    return 0.65f;  // full lift
}

namespace {

// Standard throat and nominal size rows: the first row whose bound is not below d applies.
struct SizeRow {
    int bound;          // d up to this bound, mm
    StandardSize up;    // p_set up to 6.4 MPa (all rows for low lift)
    StandardSize high;  // p_set above 6.4 MPa (full lift)
};

constexpr std::array<SizeRow, 9> kFullLiftRows = {{
    {20, {20, 32}, {20, 32}},
    {25, {25, 40}, {25, 40}},
    {32, {32, 50}, {32, 50}},
    {40, {50, 80}, {40, 80}},
    {50, {50, 80}, {50, 80}},
    {65, {65, 100}, {65, 100}},
    {80, {100, 150}, {80, 150}},
    {100, {100, 150}, {100, 150}},
    {kLargestFullLiftThroat, {125, 200}, {125, 200}},
}};

constexpr std::array<SizeRow, 8> kLowLiftRows = {{
    {12, {12, 15}, {12, 15}},
    {16, {16, 20}, {16, 20}},
    {20, {20, 25}, {20, 25}},
    {25, {25, 32}, {25, 32}},
    {32, {32, 40}, {32, 40}},
    {40, {50, 50}, {50, 50}},  // this row's bound is 40 while its throat is 50
    {65, {65, 80}, {65, 80}},
    {kLargestLowLiftThroat, {80, 100}, {80, 100}},
}};

// Bounds rise row by row, no standard throat is smaller than a diameter of its row, the last row
// is the largest standard throat, and a low-lift size does not depend on the pressure.
static_assert(std::ranges::adjacent_find(kFullLiftRows, std::ranges::greater_equal{}, &SizeRow::bound) ==
              kFullLiftRows.end());
static_assert(std::ranges::adjacent_find(kLowLiftRows, std::ranges::greater_equal{}, &SizeRow::bound) ==
              kLowLiftRows.end());
static_assert(std::ranges::all_of(kFullLiftRows, [](const SizeRow& r) {
    return r.up.throat >= r.bound && r.high.throat >= r.bound;
}));
static_assert(std::ranges::all_of(kLowLiftRows, [](const SizeRow& r) {
    return r.up.throat >= r.bound && r.high.throat == r.up.throat && r.high.nominal == r.up.nominal;
}));
static_assert(kFullLiftRows.back().bound == 125 && kFullLiftRows.back().up.throat == 125 &&
              kLowLiftRows.back().bound == 80 && kLowLiftRows.back().up.throat == 80);

// The row of the size table that applies to a calculated throat diameter d, or none above the last.
const SizeRow* sizeRow(LiftType lift, double d) {
    const std::span<const SizeRow> rows =
        lift == LiftType::Full ? std::span<const SizeRow>(kFullLiftRows) : std::span<const SizeRow>(kLowLiftRows);
    for (const SizeRow& row : rows) {
        if (d <= row.bound) return &row;
    }
    return nullptr;
}

}  // namespace

std::optional<int> sizeBound(LiftType lift, double d) {
    if (const SizeRow* row = sizeRow(lift, d)) return row->bound;
    return std::nullopt;
}

std::optional<StandardSize> standardSize(LiftType lift, double d, double pSet) {
    const SizeRow* row = sizeRow(lift, d);
    if (row == nullptr) return std::nullopt;
    return highPressureColumn(lift, pSet) ? row->high : row->up;
}

bool highPressureColumn(LiftType lift, double pSet) { return lift == LiftType::Full && pSet > kHighPressure; }

bool smallFlatSeat(float A, float pi) { return sqrt(20 * Real(A) / pi) <= kSmallFlatSeat; }

Real throatDiameter(LiftType lift, float A, float pi, Real phiRadians) {
    const Real a = A;
    switch (lift) {
        case LiftType::FlatSeatLow: return sqrt((smallFlatSeat(A, pi) ? 40 : 20) * a / pi);
        case LiftType::ConicalSeatLow: return sqrt(20 * a / pi / sin(phiRadians));
        case LiftType::Full: break;
    }
    return 2 * sqrt(a / pi);  // full lift
}

namespace {

std::string_view liftCaption(LiftType lift) {
    switch (lift) {
        case LiftType::Full: return "全启式";
        case LiftType::FlatSeatLow: return "平面微启式";
        case LiftType::ConicalSeatLow: return "锥面微启式";
    }
    return "全启式";
}

constexpr const char* kPiNote = "π：程序取 3.14159";

// sin φ with φ in degrees, as the calculation takes it: φ / 180 × π.
Term sinOfAngle(double phiDegrees, float pi) {
    return sin(Term::value(phiDegrees) / Term::constant("180", 180) * Term::value(pi));
}

RecordStep throatStep(LiftType lift, float A, float pi, double phiDegrees, Real d) {
    const Term a = Term::value(A), p = Term::value(pi);
    switch (lift) {
        case LiftType::Full:
            return computedStep("计算喉径", "d", "d = 2 × √(A / π)", Term::constant("2", 2) * sqrt(a / p), d.value(), "mm",
                                kPiNote);
        case LiftType::FlatSeatLow: {
            const Term twenty = Term::constant("20", 20);
            if (smallFlatSeat(A, pi)) {
                const Term first = sqrt(twenty * a / p);
                return computedStep("计算喉径", "d", "d = √(40 × A / π)（平面密封，√(20 × A / π) ≤ 32 时）",
                                    sqrt(Term::constant("40", 40) * a / p), d.value(), "mm",
                                    std::string(kPiNote) + "；√(20 × A / π) = " + first.text() + " = " +
                                        printedResult(sqrt(20 * Real(A) / pi).value(), first.evaluated()) +
                                        " ≤ 32，故取 40");
            }
            return computedStep("计算喉径", "d", "d = √(20 × A / π)", sqrt(twenty * a / p), d.value(), "mm", kPiNote);
        }
        case LiftType::ConicalSeatLow:
            return computedStep("计算喉径", "d", "d = √(20 × A / π / sin φ)，φ 以度计",
                                sqrt(Term::constant("20", 20) * a / p / sinOfAngle(phiDegrees, pi)), d.value(), "mm",
                                std::string(kPiNote) + "；sin φ 按 φ / 180 × π 弧度取值");
    }
    return {};
}

// The discharge area a standard throat d0 gives, by the relation the throat diameter was computed
// with: the inverse of throatDiameter, the flat seat's choice between /20 and /40 made on A as there.
Real throatArea(LiftType lift, float A, int d0, float pi, Real phiRad) {
    const Real d = d0;
    switch (lift) {
        case LiftType::Full: return Real(pi) * d * d / 4;
        case LiftType::FlatSeatLow: return Real(pi) * d * d / (smallFlatSeat(A, pi) ? 40 : 20);
        case LiftType::ConicalSeatLow: return Real(pi) * d * d * sin(phiRad) / 20;
    }
    return 0;
}

RecordStep throatAreaStep(LiftType lift, float A, int d0, float pi, double phiDegrees, float a0) {
    const Term p = Term::value(pi), d = squared(Term::whole(d0));
    switch (lift) {
        case LiftType::Full:
            return computedStep("标准喉径的排放面积", "A0", "A0 = π × d0² / 4", p * d / Term::constant("4", 4), a0, "mm²",
                                kPiNote);
        case LiftType::FlatSeatLow: {
            const int divisor = smallFlatSeat(A, pi) ? 40 : 20;
            const std::string n = writeInteger(divisor);
            return computedStep("标准喉径的排放面积", "A0", "A0 = π × d0² / " + n,
                                p * d / Term::constant(n, divisor), a0, "mm²",
                                std::string(kPiNote) + "；与计算喉径所用的关系相同");
        }
        case LiftType::ConicalSeatLow:
            return computedStep("标准喉径的排放面积", "A0", "A0 = π × d0² × sin φ / 20",
                                p * d * sinOfAngle(phiDegrees, pi) / Term::constant("20", 20), a0, "mm²",
                                std::string(kPiNote) + "；与计算喉径所用的关系相同");
    }
    return {};
}

// The chosen standard throat against the required area: its discharge area, the margin, the check.
RecordThroatCheck checkThroat(Sizing& s, LiftType lift, float A, int d0, float pi, Real phiRad, double phiDegrees) {
    const float a0 = toSingle(throatArea(lift, A, d0, pi, phiRad));
    s.step([&] { return throatAreaStep(lift, A, d0, pi, phiDegrees, a0); });
    // In % to two decimals; in double precision, as a tiny A gives a margin beyond the float range.
    const Real margin = std::round(((Real(a0) - A) / A * 10000).value()) / 100;
    s.step([&] {
        const Term a = Term::value(A);
        return computedStep("面积裕量", "η", "η = (A0 − A) / A × 100", (Term::value(a0) - a) / a * Term::constant("100", 100),
                            margin.value(), "%", "取两位小数");
    });
    const bool passed = designCheck(s, "标准喉径的排放面积不小于所需排放面积", "A0 ≥ A", a0, "≥", A, "mm²");
    if (!s.steps()) return {{}, {}, {}, passed};  // the texts are the sheet's
    return {writeInteger(d0), numberText(a0), printed(margin.value()), passed};
}

// The size table of a lift type, as the sheet's appendix prints it, the row taken marked.
RecordTable sizeTable(LiftType lift, const SizeRow* taken) {
    RecordTable t;
    const std::span<const SizeRow> rows =
        lift == LiftType::Full ? std::span<const SizeRow>(kFullLiftRows) : std::span<const SizeRow>(kLowLiftRows);
    if (lift == LiftType::Full) {
        t.title = "全启式安全阀标准喉径和公称管径（mm）";
        t.columns = {"计算喉径 d ≤", "d0（p_set ≤ 6.4 MPa）", "DN（p_set ≤ 6.4 MPa）", "d0（p_set > 6.4 MPa）",
                     "DN（p_set > 6.4 MPa）"};
    } else {
        t.title = "微启式安全阀标准喉径和公称管径（mm）";
        t.columns = {"计算喉径 d ≤", "d0", "DN"};
    }
    for (const SizeRow& row : rows) {
        std::vector<std::string> cells = {writeInteger(row.bound), writeInteger(row.up.throat), writeInteger(row.up.nominal)};
        if (lift == LiftType::Full) cells.insert(cells.end(), {writeInteger(row.high.throat), writeInteger(row.high.nominal)});
        if (&row == taken) t.chosen.push_back(t.rows.size());
        t.rows.push_back(std::move(cells));
    }
    return t;
}

// Writes the opening pressure: the user's stays the user's (written back in the program's form).
void writeSetPressure(Sizing& s, Real pSet, bool typed) {
    s.write(Field::OpeningPressure, writeDouble(pSet.value()), typed ? Source::Typed : Source::Computed);
}

// Writes what no device was sized with: W and the opening pressure; the sizes emptied.
void writeNothingSized(Sizing& s, float W, bool typed, Real pSet, bool typedSetPressure) {
    writeCapacity(s, W, typed);
    for (Field f : {Field::DischargeArea, Field::ThroatDiameter, Field::StandardThroat, Field::NominalSize}) s.write(f, "");
    writeSetPressure(s, pSet, typedSetPressure);
}

// The opening pressure: typed, within the working and the design pressure (compared as printed), or
// 1.05 times the working pressure. A typed one outside is refused before anything is computed.
std::variant<Real, Notice> setPressure(Sizing& s, bool typed, float Pw, float Pd) {
    if (!typed) {
        const Real pSet = Real(Pw) * 1.05;
        s.step([&] {
            return computedStep("开启压力", "p_set", "p_set = 1.05 × p_w", Term::constant("1.05", 1.05) * Term::value(Pw),
                                pSet.value(), "MPa", "1.05：程序常数，开启压力取工作压力的 1.05 倍");
        });
        return pSet;
    }
    const Real pSet = s.input(Field::OpeningPressure);
    const std::string text = printed(pSet.value()), low = printed(Pw), high = printed(Pd);
    if (readNumber(text) < readNumber(low) || readNumber(text) > readNumber(high)) {
        Notice n{NoticeKind::SetPressureOutOfBounds, text, pSet.value()};
        n.before = low;
        n.after = high;
        return n;
    }
    s.step([&] {
        return RecordStep{"开启压力", "p_set", "p_set 为输入值", "—", text, "MPa", "用户输入，须不低于工作压力、不高于设计压力"};
    });
    designCheck(s, "开启压力不低于工作压力", "p_set ≥ p_w", pSet.value(), "≥", Pw, "MPa");
    return pSet;
}

std::string sizeEach(const CalculationRecord& r) {
    const auto text = [&r](Field f) {
        const RecordResult* result = r.result(f);
        return result != nullptr ? result->text : std::string();
    };
    return "每只喉径 " + writeRounded(readNumber(text(Field::ThroatDiameter)), 4) + " mm，标准喉径 " +
           text(Field::StandardThroat) + " mm，DN " + text(Field::NominalSize);
}

}  // namespace

Derivation derive(const Case& c, ProgramValues& shared, Detail detail) {
    Derivation d;
    Sizing s(c, description(), detail);
    s.run([&]() -> Outcome {
        shared.FixedDesignPressure = 0.0;
        s.choice(Field::Medium);
        s.choice(Field::ReliefCase);
        const std::string& medium = c.text(Field::Medium);
        const std::optional<MediumValues> values =
            mediumValues(medium, c.text(Field::ReliefCase), typedPhase(c), shared.DesignTemperature);
        applyToProgramValues(values, shared);

        // Working and design pressure, one from the other with the ratio 1.1: from the design pressure
        // this medium prescribes, or from the working pressure the user typed. A working pressure the
        // program wrote for another medium is no input and is emptied.
        s.at(Step::DesignPressure);
        if (values && values->designPressure) {
            d.derived.Pd = toSingle(*values->designPressure);
            d.writes.emplace_back(Field::WorkingPressure,
                                  CaseValue{writeDouble((Real(d.derived.Pd) / 1.1).value()), Source::Derived, medium});
        } else {
            if (!ownInput(c, Field::WorkingPressure) && !c.text(Field::WorkingPressure).empty()) {
                d.writes.emplace_back(Field::WorkingPressure, CaseValue{});
                d.derived.Pw = 0;
            } else {
                d.derived.Pw = s.inputSingle(Field::WorkingPressure);
            }
            d.derived.Pd = toSingle(Real(d.derived.Pw) * 1.1);
        }
        d.writes.emplace_back(Field::DesignPressure, CaseValue{writeSingle(d.derived.Pd), Source::Derived, {}});
        writeMediumProperties(c, values, medium, d.writes);
        // The gas density a calculation wrote is the program's: it goes with the case it was computed for.
        if (c[Field::GasDensity].source == Source::Computed) d.writes.emplace_back(Field::GasDensity, CaseValue{});
        for (Field f : description().derivationInputs()) d.derived.basis.emplace_back(f, c.text(f));
        return Done{};
    });
    d.outcome = s.record().outcome;
    d.used = s.record().used;
    if (!isDone(d.outcome)) d.writes.clear();
    return d;
}

namespace {

CalculationRecord sizeOnce(const Case& c, ProgramValues& shared, Detail detail) {
    Sizing s(c, description(), detail);
    SizingQuantities q;
    s.run([&]() -> Outcome {
        if (std::optional<Notice> stale = staleDerivation(c, description())) return *stale;
        CaseUse use = caseOf(c);
        const bool typedCapacity = !use.computeCapacity;
        use.designTemperature = use.gasEquations;
        const bool gas = use.phase == kPhaseGas;
        use.densityField = use.compressedGas() && !gas && !use.liquid();
        if (use.computeCapacity) {
            if (auto notice = reliefCaseNotice(s, use)) return *notice;
            if (auto notice = liquidInFire(use)) return *notice;
        }
        const LiftType lift = liftTypeOf(c);
        recordCase(s, use);
        s.choice(Field::DeviceType);
        s.record().typedCapacity = typedCapacity;

        // Inputs; those of the case and device are recorded.
        q.Pi = kWindowPi;
        const float Pw = s.inputSingle(Field::WorkingPressure);
        const float Pd = s.inputSingle(Field::DesignPressure);
        int devices = 1;
        if (std::optional<Notice> bad = readDeviceCount(s, devices)) return *bad;
        const bool typedSetPressure = c[Field::OpeningPressure].typed();
        q.Po = use.gasEquations || use.liquid() ? s.inputSingle(Field::BackPressure) : s.single(Field::BackPressure);
        const Real rhoLiquid = use.liquid() ? s.input(Field::LiquidDensity) : Real(0);
        const CaseFields fields = readCaseFields(s, shared, use);
        q.Rho = use.densityField ? s.inputSingle(Field::GasDensity) : s.single(Field::GasDensity);
        // The gas equations use all four (k for the critical pressure ratio); the steam equations none.
        const bool gasEquations = use.gasEquations;
        readProperties(s, q, {gasEquations, gasEquations, gasEquations, gasEquations});
        Real phi = 0, phiRad = 0;  // used by the conical seat only, which sets them [equivalent mutants: constant]
        if (lift == LiftType::ConicalSeatLow) {
            phi = s.input(Field::SealAngle);
            s.at(Step::ThroatDiameter, {Field::SealAngle});
            phiRad = phi / 180 * Real(q.Pi);
        }
        if (typedCapacity) q.W = s.inputSingle(Field::ReliefCapacity);

        q.K = dischargeCoefficient(lift);
        s.step([&] {
            return RecordStep{"排放系数", "K", "K（" + std::string(liftCaption(lift)) + "）", "—", numberText(q.K), "",
                              "表：安全阀排放系数 K，全启式 0.65、平面微启式 0.45、锥面微启式 0.3，本例取" +
                                  std::string(liftCaption(lift)) + "一栏"};
        });

        // Opening pressure (gauge) and relief pressure (absolute); the gas temperature wherever the
        // gas equations will run.
        s.at(Step::Pressures, {Field::WorkingPressure});
        const std::variant<Real, Notice> setAt = setPressure(s, typedSetPressure, Pw, Pd);
        if (const Notice* refused = std::get_if<Notice>(&setAt)) return *refused;
        const Real pSet = std::get<Real>(setAt);
        shared.FixedDesignPressure = pSet.value();
        designCheck(s, "开启压力不高于设计压力", "p_set ≤ Pd", pSet.value(), "≤", Pd, "MPa");
        q.P = toSingle(pSet * 1.03 + 0.1);
        if (gas) q.P = toSingle(pSet * 1.1 + 0.1);
        s.step([&] {
            const Term factor = gas ? Term::constant("1.1", 1.1) : Term::constant("1.03", 1.03);
            return computedStep("泄放压力（绝压）", "P", gas ? "P = 1.1 × p_set + 0.1" : "P = 1.03 × p_set + 0.1",
                                factor * Term::value(pSet.value()) + Term::constant("0.1", 0.1), q.P, "MPa",
                                std::string(gas ? "1.1：程序常数，气体的泄放压力取开启压力的 1.1 倍"
                                                : "1.03：程序常数，泄放压力取开启压力的 1.03 倍") +
                                    "；0.1：程序常数，表压加 0.1 MPa 为绝压");
        });
        if (use.gasEquations) {
            s.at(Step::Pressures, {Field::DesignTemperature}, "设计温度不能低于 -273 ℃");
            q.T = toSingle(273 + Real(*shared.DesignTemperature));
            s.step([&] { return temperatureStep(*shared.DesignTemperature, q.T); });
        }

        // Relief capacity: typed, or by relief case.
        Capacity capacity{q.W};
        if (typedCapacity) {
            s.step([&] { return RecordStep{"安全泄放量", "W", "W 为输入值", "—", numberText(q.W), "kg/h"}; });
        } else {
            if (gas) {
                s.at(Step::GasDensity, {Field::MolarMass, Field::DesignTemperature}, "设计温度不能为 -273 ℃");
                q.Rho = gasDensity(q.M, q.P, q.T);
                s.step([&] {
                    return densityStep("ρ = M × 121.9 × P / T", q.M, Term::value(q.P), q.T, q.Rho);
                });
                s.write(Field::GasDensity, writeSingle(q.Rho));
            }
            capacity = reliefCapacity(s, use, fields, use.liquid() ? rhoLiquid : Real(q.Rho), *shared.LatentHeat);
            q.W = capacity.W;
        }
        const float W = q.W;  // all the valves relieve
        q.W = perDevice(s, W, devices, "每只");

        // Discharge area by phase.
        bool areaApplies = true;
        if (use.phase == kPhaseSaturated) {
            areaApplies = saturatedSteamArea(s, q, {Field::WorkingPressure});
        } else if (use.liquid()) {
            std::vector<Field> check = capacityInputs(use);
            check.insert(check.end(), {Field::LiquidDensity, Field::WorkingPressure, Field::BackPressure});
            if (std::optional<Notice> none = liquidArea(s, q, rhoLiquid, "Po：泄放侧压力（绝压），见设计条件", check)) {
                writeNothingSized(s, W, typedCapacity, pSet, typedSetPressure);
                return *none;
            }
        } else {
            s.at(Step::CriticalRatio, {Field::AdiabaticExponent}, "k 不能为 1");
            const Real rc = criticalPressureRatio(q.k);
            const auto rcTerm = [&q] {
                const Term k = Term::value(q.k), one = Term::constant("1", 1);
                return pow(Term::constant("2", 2) / (k + one), k / (k - one));
            };
            // The text the decision below compares with, as its own row prints it.
            const std::string rcText = s.steps() ? printedResult(rc.value(), rcTerm().evaluated()) : std::string();
            s.step([&] {
                return computedStep("临界压力比", "r_c", "r_c = (2 / (k + 1))^(k / (k − 1))", rcTerm(), rc.value(), "");
            });
            const bool critical = isCriticalFlow(q);
            s.step([&] {
                const Term ratio = Term::value(q.Po) / Term::value(q.P);
                return RecordStep{"背压比", "Po/P", critical ? "Po / P ≤ r_c：临界" : "Po / P > r_c：亚临界",
                                  ratio.text() + " = " + printedResult(toSingle(Real(q.Po) / q.P), ratio.evaluated()) +
                                      (critical ? " ≤ " : " > ") + rcText,
                                  critical ? "临界" : "亚临界", "", "泄放侧压力 Po 为绝压"};
            });
            if (critical) {
                s.at(Step::DischargeArea,
                     {Field::GasCoefficient, Field::MolarMass, Field::Compressibility, Field::DesignTemperature,
                      Field::WorkingPressure},
                     "C、M、Z 不能为零");
                criticalGasArea(s, q);
            } else {
                s.at(Step::DischargeArea,
                     {Field::AdiabaticExponent, Field::MolarMass, Field::Compressibility, Field::DesignTemperature,
                      Field::WorkingPressure, Field::BackPressure},
                     "k、M、Z 不能为零，泄放侧压力须低于泄放压力");
                Mianji2(q);
                s.step([&] {
                    const Term k = Term::value(q.k), one = Term::constant("1", 1);
                    const Term r = Term::value(q.Po) / Term::value(q.P);
                    const Term flow = k / (k - one) *
                                      (pow(r, Term::constant("2", 2) / k) - pow(r, (k + one) / k));
                    return computedStep(
                        "安全泄放面积（亚临界）", "A",
                        "A = W / (55.85 × K × P × √(k/(k−1) × [(Po/P)^(2/k) − (Po/P)^((k+1)/k)]) × √(M / (Z × T)))",
                        Term::value(q.W) / Term::constant("55.85", 55.85) / Term::value(q.K) / Term::value(q.P) /
                            sqrt(Term::value(q.M) / Term::value(q.zValue()) / Term::value(q.T) * flow),
                        q.A, "mm²",
                        "55.85：程序常数，GB 150-1998 附录B 气体亚临界流动面积公式的系数（A 以 mm²、W 以 kg/h、P 以 MPa 计）");
                });
            }
        }
        if (!areaApplies) {
            writeNothingSized(s, W, typedCapacity, pSet, typedSetPressure);
            return Notice{NoticeKind::NoAreaEquation, use.phase, static_cast<double>(q.P)};
        }

        // Throat diameter by lift type.
        std::vector<Field> check = capacityInputs(use);
        check.push_back(Field::WorkingPressure);
        if (lift == LiftType::ConicalSeatLow) {
            check.push_back(Field::SealAngle);
            s.at(Step::ThroatDiameter, check, "安全泄放量和泄放压力不能为负数，密封半锥角须在 0° 与 180° 之间");
        } else {
            s.at(Step::ThroatDiameter, check, "安全泄放量和泄放压力不能为负数");
        }
        const Real d = throatDiameter(lift, q.A, q.Pi, phiRad);
        s.step([&] { return throatStep(lift, q.A, q.Pi, phi.value(), d); });

        if (!somethingToSize(q.W, q.A, q.P)) {
            writeNothingSized(s, W, typedCapacity, pSet, typedSetPressure);
            Notice n{NoticeKind::NoDeviceSized, {}, static_cast<double>(q.W), static_cast<double>(q.P)};
            n.causes = noSizeCauses(s, use, capacity, q.P, q.A);
            return n;
        }

        const std::optional<StandardSize> size = standardSize(lift, d.value(), pSet.value());
        const SizeRow* row = sizeRow(lift, d.value());
        if (s.steps()) s.record().tables.push_back(sizeTable(lift, row));
        if (size) {
            s.step([&] {
                const bool high = highPressureColumn(lift, pSet.value());
                const std::string column = lift != LiftType::Full ? "微启式" : high ? "p_set > 6.4 MPa 一栏" : "p_set ≤ 6.4 MPa 一栏";
                return RecordStep{"标准喉径和公称管径", "d0 / DN", "d ≤ 表中一行的上限，取该行",
                                  printed(d.value()) + " ≤ " + writeInteger(row->bound),
                                  writeInteger(size->throat) + " / " + writeInteger(size->nominal), "mm",
                                  "附录表：" + std::string(liftCaption(lift)) + "安全阀标准喉径和公称管径，d ≤ " +
                                      writeInteger(row->bound) + " 一行，" + column};
            });
            const RecordThroatCheck throat = checkThroat(s, lift, q.A, size->throat, q.Pi, phiRad, phi.value());
            if (s.steps()) s.record().throatCheck = throat;
        } else {
            s.step([&] {
                return RecordStep{"标准喉径和公称管径", "d0 / DN", "d 大于表中最大的标准喉径",
                                  printed(d.value()) + " > " + writeInteger(lift == LiftType::Full ? kLargestFullLiftThroat
                                                                                                 : kLargestLowLiftThroat),
                                  "无", "mm", "附录表：" + std::string(liftCaption(lift)) + "安全阀标准喉径和公称管径"};
            });
        }
        writeCapacity(s, W, typedCapacity);
        s.write(Field::DischargeArea, writeSingle(q.A));
        s.write(Field::ThroatDiameter, writeDouble(d.value()));
        s.write(Field::StandardThroat, size ? writeInteger(size->throat) : "");
        s.write(Field::NominalSize, size ? writeInteger(size->nominal) : "");
        writeSetPressure(s, pSet, typedSetPressure);
        if (!size) {
            return Notice{NoticeKind::ThroatAboveStandard, {}, d.value(),
                          static_cast<double>(lift == LiftType::Full ? kLargestFullLiftThroat : kLargestLowLiftThroat)};
        }
        return Done{};
    });
    finishSizing(s);
    return std::move(s.record());
}

}  // namespace

CalculationRecord size(const Case& c, ProgramValues& shared, Detail detail) {
    CalculationRecord record = sizeOnce(c, shared, detail);
    suggestDeviceCount(record, c, shared, sizeOnce, sizeEach);
    return record;
}

}  // namespace orvane::valve
