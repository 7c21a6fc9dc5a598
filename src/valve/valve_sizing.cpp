#include "valve_sizing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>
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
    {Field::InsulationThickness, Input, "insulation_thickness_mm", "Text22"},
    {Field::InsulationConductivity, Input, "insulation_conductivity_kJ_m_h_C", "Text23"},
    {Field::SealAngle, Input, "seal_half_cone_angle_deg", "Text25"},
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
    {Field::OpeningPressure, Result, "opening_pressure_MPa", "Text13"},
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

RecordStep throatStep(LiftType lift, float A, float pi, Real phiRad, Real d) {
    const std::string a = numberText(A), p = numberText(pi);
    switch (lift) {
        case LiftType::Full: return {"计算喉径", "d", "d = 2 × √(A / π)", "2 × √(" + a + " / " + p + ")", numberText(d), "mm"};
        case LiftType::FlatSeatLow: {
            if (smallFlatSeat(A, pi)) {
                const Real first = sqrt(20 * Real(A) / pi);
                return {"计算喉径", "d", "d = √(20 × A / π) = " + numberText(first) + " ≤ 32，改用 d = √(40 × A / π)",
                        "√(40 × " + a + " / " + p + ")", numberText(d), "mm"};
            }
            return {"计算喉径", "d", "d = √(20 × A / π)", "√(20 × " + a + " / " + p + ")", numberText(d), "mm"};
        }
        case LiftType::ConicalSeatLow:
            return {"计算喉径", "d", "d = √(20 × A / π / sin φ)",
                    "√(20 × " + a + " / " + p + " / sin " + numberText(phiRad) + ")", numberText(d), "mm"};
    }
    return {};
}

// The discharge area a standard throat d0 gives, by the relation the throat diameter was computed
// with: the inverse of throatDiameter, the flat seat's choice between /20 and /40 made on A as there.
RecordStep throatAreaStep(LiftType lift, float A, int d0, float pi, Real phiRad, Real& area) {
    const Real d = d0;
    const std::string p = numberText(pi), t = writeInteger(d0);
    switch (lift) {
        case LiftType::Full:
            area = Real(pi) * d * d / 4;
            return {"标准喉径的排放面积", "A0", "A0 = π × d0² / 4", p + " × " + t + "² / 4", {}, "mm²"};
        case LiftType::FlatSeatLow: {
            const int divisor = smallFlatSeat(A, pi) ? 40 : 20;
            area = Real(pi) * d * d / divisor;
            const std::string n = writeInteger(divisor);
            return {"标准喉径的排放面积", "A0", "A0 = π × d0² / " + n, p + " × " + t + "² / " + n, {}, "mm²"};
        }
        case LiftType::ConicalSeatLow:
            area = Real(pi) * d * d * sin(phiRad) / 20;
            return {"标准喉径的排放面积",
                    "A0",
                    "A0 = π × d0² × sin φ / 20",
                    p + " × " + t + "² × sin " + numberText(phiRad) + " / 20",
                    {},
                    "mm²"};
    }
    return {};
}

// The chosen standard throat against the required area: its discharge area, the margin, the verdict.
RecordThroatCheck checkThroat(Sizing& s, LiftType lift, float A, int d0, float pi, Real phiRad) {
    Real area;
    RecordStep step = throatAreaStep(lift, A, d0, pi, phiRad, area);
    const float a0 = toSingle(area);
    step.result = numberText(a0);
    s.step([&] { return std::move(step); });
    // In % to two decimals; in double precision, as a tiny A gives a margin beyond the float range.
    const Real margin = std::round(((Real(a0) - A) / A * 10000).value()) / 100;
    const std::string a0Text = numberText(a0), aText = numberText(A);
    const bool passed = a0 >= A;
    s.step([&] {
        return RecordStep{"面积裕量", "η", "η = (A0 − A) / A × 100", "(" + a0Text + " − " + aText + ") / " + aText + " × 100",
                          numberText(margin), "%"};
    });
    s.step([&] {
        return RecordStep{"面积校核", "—", "A0 ≥ A", a0Text + (passed ? " ≥ " : " < ") + aText, passed ? "合格" : "不合格", ""};
    });
    return {writeInteger(d0), a0Text, numberText(margin), passed};
}

// Writes what no device was sized with: W and the opening pressure; the sizes emptied.
void writeNothingSized(Sizing& s, float W, bool typed, Real pSet) {
    writeCapacity(s, W, typed);
    for (Field f : {Field::DischargeArea, Field::ThroatDiameter, Field::StandardThroat, Field::NominalSize}) s.write(f, "");
    s.write(Field::OpeningPressure, writeDouble(pSet.value()));
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

CalculationRecord size(const Case& c, ProgramValues& shared, Detail detail) {
    Sizing s(c, description(), detail);
    SizingQuantities q;
    s.run([&]() -> Outcome {
        if (std::optional<Notice> stale = staleDerivation(c, description())) return *stale;
        CaseUse use = caseOf(c);
        const bool typedCapacity = !use.computeCapacity;
        use.designTemperature = use.gasEquations;
        const bool gas = use.phase == kPhaseGas;
        use.densityField = use.compressedGas() && !gas;
        if (use.computeCapacity) {
            if (auto notice = reliefCaseNotice(s, use)) return *notice;
        }
        const LiftType lift = liftTypeOf(c);
        recordCase(s, use);
        s.choice(Field::DeviceType);
        s.record().typedCapacity = typedCapacity;

        // Inputs; those of the case and device are recorded.
        q.Pi = kWindowPi;
        const float Pw = s.inputSingle(Field::WorkingPressure);
        (void)s.single(Field::DesignPressure);
        q.Po = use.gasEquations ? s.inputSingle(Field::BackPressure) : s.single(Field::BackPressure);
        const CaseFields fields = readCaseFields(s, shared, use);
        q.Rho = use.densityField ? s.inputSingle(Field::GasDensity) : s.single(Field::GasDensity);
        // The gas equations use all four (k for the critical pressure ratio); the steam equations none.
        const bool gasEquations = use.gasEquations;
        readProperties(s, q, {gasEquations, gasEquations, gasEquations, gasEquations});
        Real phiRad = 0;  // used by the conical seat only, which sets it [equivalent mutants: constant]
        if (lift == LiftType::ConicalSeatLow) {
            const Real phi = s.input(Field::SealAngle);
            s.at(Step::ThroatDiameter, {Field::SealAngle});
            phiRad = phi / 180 * Real(q.Pi);
        }
        if (typedCapacity) q.W = s.inputSingle(Field::ReliefCapacity);

        q.K = dischargeCoefficient(lift);
        s.step([&] { return RecordStep{"排放系数", "K", "K（" + std::string(liftCaption(lift)) + "）", "—", numberText(q.K), ""}; });

        // Opening pressure (gauge) and relief pressure (absolute); the gas temperature wherever the
        // gas equations will run.
        s.at(Step::Pressures, {Field::WorkingPressure});
        const Real pSet = Real(Pw) * 1.05;
        shared.FixedDesignPressure = pSet.value();
        s.step([&] { return RecordStep{"开启压力", "p_set", "p_set = 1.05 × p_w", "1.05 × " + numberText(Pw), numberText(pSet), "MPa"}; });
        q.P = toSingle(pSet * 1.03 + 0.1);
        if (gas) q.P = toSingle(pSet * 1.1 + 0.1);
        s.step([&] {
            return RecordStep{"泄放压力（绝压）", "P", gas ? "P = 1.1 × p_set + 0.1" : "P = 1.03 × p_set + 0.1",
                              (gas ? "1.1 × " : "1.03 × ") + numberText(pSet) + " + 0.1", numberText(q.P), "MPa"};
        });
        if (use.gasEquations) {
            s.at(Step::Pressures, {Field::DesignTemperature}, "设计温度不能低于 -273 ℃");
            q.T = toSingle(273 + Real(*shared.DesignTemperature));
            s.step([&] {
                return RecordStep{"气体温度", "T", "T = 273 + t", "273 + " + numberText(Real(*shared.DesignTemperature)),
                                  numberText(q.T), "K"};
            });
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
                    return RecordStep{"气体密度", "ρ", "ρ = M × 121.9 × P / T",
                                      numberText(q.M) + " × 121.9 × " + numberText(q.P) + " / " + numberText(q.T),
                                      numberText(q.Rho), "kg/m³"};
                });
                s.write(Field::GasDensity, writeSingle(q.Rho));
            }
            capacity = reliefCapacity(s, use, fields, q.Rho, *shared.LatentHeat);
            q.W = capacity.W;
        }

        // Discharge area by phase.
        bool areaApplies = true;
        if (use.phase == kPhaseSaturated) {
            areaApplies = saturatedSteamArea(s, q, {Field::WorkingPressure});
        } else if (use.phase == kPhaseLiquid) {
            areaApplies = false;
        } else {
            s.at(Step::CriticalRatio, {Field::AdiabaticExponent}, "k 不能为 1");
            const Real rc = criticalPressureRatio(q.k);
            s.step([&] {
                const std::string k = numberText(q.k);
                return RecordStep{"临界压力比", "r_c", "r_c = (2 / (k + 1))^(k / (k − 1))",
                                  "(2 / (" + k + " + 1))^(" + k + " / (" + k + " − 1))", numberText(rc), ""};
            });
            const bool critical = isCriticalFlow(q);
            s.step([&] {
                const std::string ratio = numberText(toSingle(Real(q.Po) / q.P));
                return RecordStep{"背压比", "Po/P", critical ? "Po / P ≤ r_c：临界" : "Po / P > r_c：亚临界",
                                  numberText(q.Po) + " / " + numberText(q.P) + " = " + ratio +
                                      (critical ? " ≤ " : " > ") + numberText(rc),
                                  critical ? "临界" : "亚临界", ""};
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
                    const std::string r = numberText(q.Po) + " / " + numberText(q.P);
                    const std::string k = numberText(q.k);
                    return RecordStep{
                        "安全泄放面积（亚临界）", "A",
                        "A = W / (55.85 × K × P × √(k/(k−1) × [(Po/P)^(2/k) − (Po/P)^((k+1)/k)]) × √(M / (Z × T)))",
                        numberText(q.W) + " / 55.85 / " + numberText(q.K) + " / " + numberText(q.P) + " / √(" +
                            numberText(q.M) + " / " + numberText(q.zValue()) + " / " + numberText(q.T) + " × " + k +
                            "/(" + k + "−1) × [(" + r + ")^(2/" + k + ") − (" + r + ")^((" + k + "+1)/" + k + ")])",
                        numberText(q.A), "mm²"};
                });
            }
        }
        if (!areaApplies) {
            writeNothingSized(s, q.W, typedCapacity, pSet);
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
        s.step([&] { return throatStep(lift, q.A, q.Pi, phiRad, d); });

        if (!somethingToSize(q.W, q.A, q.P)) {
            writeNothingSized(s, q.W, typedCapacity, pSet);
            Notice n{NoticeKind::NoDeviceSized, {}, static_cast<double>(q.W), static_cast<double>(q.P)};
            n.causes = noSizeCauses(s, use, capacity, q.P, q.A);
            return n;
        }

        const std::optional<StandardSize> size = standardSize(lift, d.value(), pSet.value());
        if (size) {
            s.step([&] {
                const char* column = lift != LiftType::Full                        ? "微启式"
                                     : highPressureColumn(lift, pSet.value()) ? "全启式，p_set > 6.4 MPa 一栏"
                                                                              : "全启式，p_set ≤ 6.4 MPa 一栏";
                return RecordStep{"标准喉径和公称管径", "d0 / DN", column,
                                  "d = " + numberText(d) + " ≤ " + writeInteger(*sizeBound(lift, d.value())),
                                  writeInteger(size->throat) + " / " + writeInteger(size->nominal), "mm"};
            });
            if (s.steps()) s.record().throatCheck = checkThroat(s, lift, q.A, size->throat, q.Pi, phiRad);
        }
        writeCapacity(s, q.W, typedCapacity);
        s.write(Field::DischargeArea, writeSingle(q.A));
        s.write(Field::ThroatDiameter, writeDouble(d.value()));
        s.write(Field::StandardThroat, size ? writeInteger(size->throat) : "");
        s.write(Field::NominalSize, size ? writeInteger(size->nominal) : "");
        s.write(Field::OpeningPressure, writeDouble(pSet.value()));
        if (!size) {
            return Notice{NoticeKind::ThroatAboveStandard, {}, d.value(),
                          static_cast<double>(lift == LiftType::Full ? kLargestFullLiftThroat : kLargestLowLiftThroat)};
        }
        return Done{};
    });
    finishSizing(s);
    return std::move(s.record());
}

}  // namespace orvane::valve
