#include "disc_sizing.h"

#include <algorithm>
#include <array>
#include <string>

#include "disc_controls.h"
#include "engine/area.h"
#include "engine/media.h"
#include "engine/number_text.h"
#include "engine/relief_capacity.h"
#include "form/window_description.h"
#include "sizing/steps.h"

namespace orvane::disc {

namespace {

using enum Role;

// clang-format off
constexpr FieldSpec kFields[] = {
    {Field::DeviceType, Option, "disc_type", "Option1"},
    {Field::Grade, Choice, "grade", "Combo5"},
    {Field::Medium, Choice, "medium", "Combo1"},
    {Field::ReliefCase, Choice, "relief_case", "Combo2"},
    {Field::VesselShape, Choice, "vessel_shape", "Combo3"},
    {Field::Location, Choice, "location", "Combo4"},
    {Field::WorkingPressure, Input, "working_pressure_MPa", "Text2"},
    {Field::ReliefTemperature, Input, "relief_temperature_C", "Text21"},
    {Field::DesignTemperature, Input, "design_temperature_C", "Text24"},
    {Field::VesselDiameter, Input, "vessel_outer_diameter_mm", "Text19"},
    {Field::VesselLength, Input, "vessel_length_mm", "Text20"},
    {Field::WettedHeight, Input, "wetted_height_mm", "Text25"},
    {Field::InletDiameter, Input, "inlet_inner_diameter_mm", "Text5"},
    {Field::InletVelocity, Input, "inlet_velocity_m_s", "Text6"},
    {Field::LatentHeat, Property, "latent_heat_kJ_kg", "Text18", "q"},
    {Field::GasDensity, Input, "gas_density_kg_m3", "Text14", "ρ"},  // written by Calculate, shown only
    {Field::InsulationThickness, Input, "insulation_thickness_mm", "Text22"},
    {Field::InsulationConductivity, Input, "insulation_conductivity_kJ_m_h_C", "Text23"},
    {Field::AdiabaticExponent, Property, "k", "Text9", "k", "绝热指数"},
    {Field::GasCoefficient, Property, "C", "Text10", "C", "气体特性系数"},
    {Field::MolarMass, Property, "molar_mass_kg_kmol", "Text11", "M", "摩尔质量"},
    {Field::Compressibility, Property, "Z", "Text12", "Z", "压缩系数"},
    {Field::Phase, Property, "phase", "Text1", "形态"},
    {Field::ReliefCapacity, InputResult, "relief_capacity_kg_h", "Text7"},
    {Field::DischargeArea, Result, "discharge_area_mm2", "Text8"},
    {Field::Bore, Result, "bore_mm", "Text15"},
    {Field::NominalSize, Result, "nominal_size_mm", "Text16"},
    {Field::DesignPressure, Result, "design_pressure_MPa", "Text3"},
    {Field::DesignBurstPressure, Result, "design_burst_pressure_MPa", "Text13"},
};
// clang-format on

// The manufacturing range table: upper / lower limit (MPa) of the burst pressure by grade
// ("1.0级", "0.5级", "0.25级"); above 3.5 MPa the limits are fractions of the pressure.
struct RangeRow {
    double bound;
    bool inclusive;  // the first row holds from its bound on, the others above it
    bool proportional;
    std::array<Range, 3> byGrade;
};

constexpr std::array<RangeRow, 9> kManufacturingRangeTable = {{
    {0.1, true, false, {{{0.028, 0.014}, {0.014, 0.01}, {0.008, 0.004}}}},
    {0.16, false, false, {{{0.036, 0.02}, {0.02, 0.01}, {0.01, 0.005}}}},
    {0.26, false, false, {{{0.045, 0.025}, {0.025, 0.015}, {0.01, 0.01}}}},
    {0.4, false, false, {{{0.065, 0.035}, {0.03, 0.02}, {0.02, 0.01}}}},
    {0.7, false, false, {{{0.085, 0.045}, {0.04, 0.02}, {0.02, 0.01}}}},
    {1, false, false, {{{0.11, 0.065}, {0.06, 0.04}, {0.04, 0.02}}}},
    {1.4, false, false, {{{0.16, 0.085}, {0.08, 0.04}, {0.04, 0.02}}}},
    {2.5, false, false, {{{0.21, 0.105}, {0.1, 0.05}, {0.04, 0.025}}}},
    {3.5, false, true, {{{0.06, 0.03}, {0.03, 0.015}, {0.015, 0.008}}}},
}};
// Bounds rise row by row; only the first row holds from its bound on and only the last is in
// proportion; no lower limit exceeds its upper limit.
static_assert(std::ranges::adjacent_find(kManufacturingRangeTable, std::ranges::greater_equal{},
                                         &RangeRow::bound) == kManufacturingRangeTable.end());
static_assert(std::ranges::count_if(kManufacturingRangeTable, &RangeRow::inclusive) == 1 &&
              kManufacturingRangeTable.front().inclusive);
static_assert(std::ranges::count_if(kManufacturingRangeTable, &RangeRow::proportional) == 1 &&
              kManufacturingRangeTable.back().proportional);
static_assert(std::ranges::all_of(kManufacturingRangeTable, [](const RangeRow& row) {
    return std::ranges::all_of(row.byGrade, [](const Range& r) { return r.lower <= r.upper; });
}));

// Reverse-acting discs: the design burst pressure is this factor times the minimum burst pressure.
constexpr std::array<double, 3> kReverseGradeFactor = {1.1, 1.05, 1};

constexpr std::array<double, 4> kDiscTypeRatio = {1.43, 1.25, 1.7, 1.1};

// Nominal pipe sizes, mm, from the largest down: the last one not below the bore wins.
constexpr std::array<int, 13> kNominalSizes = {200, 150, 125, 100, 80, 65, 50, 40, 32, 25, 20, 15, 10};
static_assert(std::ranges::adjacent_find(kNominalSizes, std::ranges::less_equal{}) == kNominalSizes.end());

std::optional<std::size_t> gradeIndex(std::string_view grade) {
    for (std::size_t i = 0; i < kGrades.size(); ++i) {
        if (grade == kGrades[i]) return i;
    }
    return std::nullopt;
}

std::size_t discTypeIndex(std::string_view caption) {
    for (std::size_t i = 1; i < kDiscTypeCaptions.size(); ++i) {
        if (caption == kDiscTypeCaptions[i]) return i;
    }
    return 0;
}

std::string rangeText(const Range& r) { return writeDouble(r.upper) + " / " + writeDouble(r.lower); }

}  // namespace

const Description& description() {
    static const Description d =
        describeWindow(Device::BurstingDisc, windowTable(), "爆破片型式", kDiscTypeOptions, kFields,
                       {Field::Medium, Field::ReliefCase, Field::Grade, Field::WorkingPressure, Field::DeviceType});
    return d;
}

double discTypeRatio(std::string_view caption) { return kDiscTypeRatio[discTypeIndex(caption)]; }

bool reverseActing(std::string_view caption) { return discTypeIndex(caption) == kDiscTypeCaptions.size() - 1; }

void LookUpRange(double P, std::string_view grade, Range& range) {
    const std::optional<std::size_t> g = gradeIndex(grade);
    if (!g) return;
    for (const RangeRow& row : kManufacturingRangeTable) {
        const bool holds = row.inclusive ? P >= row.bound : P > row.bound;
        if (!holds) continue;
        const Range& r = row.byGrade[*g];
        range = row.proportional ? Range{r.upper * P, r.lower * P} : r;
    }
}

Real bore(float A, float pi) { return 2 * sqrt(Real(A) / pi); }

std::optional<int> nominalSize(double boreMm) {
    std::optional<int> size;
    for (int n : kNominalSizes) {
        if (boreMm <= n) size = n;
    }
    return size;
}

namespace {

// The working pressure input parameters reads: one the user typed, or one derived for this same
// medium. One the program wrote for another medium is no input: it is emptied and reads as 0.
Real workingPressure(Sizing& s, Derivation& d) {
    const Case& c = s.kase();
    const CaseValue& w = c[Field::WorkingPressure];
    const std::string& caption = s.description().caption(Field::WorkingPressure);
    if (!ownInput(c, Field::WorkingPressure) && !w.text.empty()) {
        d.writes.emplace_back(Field::WorkingPressure, CaseValue{});
        d.derived.readAsZero.push_back({caption, w.text, true});
        return 0;
    }
    const Real p = s.number(Field::WorkingPressure);
    s.use(Field::WorkingPressure);
    if (!beginsWithNumber(w.text)) d.derived.readAsZero.push_back({caption, w.text});
    return p;
}

// Compressed gas: Pb and Pd from the working pressure, the disc type and the grade.
void compressedGasRoute(Sizing& s, Derivation& d) {
    const Case& c = s.kase();
    const Real pWorking = workingPressure(s, d);
    s.at(Step::BurstPressure);
    const std::string& type = c.text(Field::DeviceType);
    const Real ratio = discTypeRatio(type);
    const Real pMin = pWorking * ratio;
    std::vector<RecordStep>& steps = d.derived.steps;
    const bool detailed = s.steps();
    if (detailed) {
        steps.push_back({"最小爆破压力", "p_min", "p_min = r × p_w（" + type + "）",
                         writeDouble(ratio.value()) + " × " + writeDouble(pWorking.value()), writeDouble(pMin.value()),
                         "MPa"});
    }
    s.choice(Field::Grade);
    const std::string& grade = c.text(Field::Grade);
    if (!reverseActing(type)) {
        // Two passes: the second looks the range up at the first pass's design burst pressure.
        Range range;
        for (int pass = 0; pass < 2; ++pass) {
            const Real at = pMin + range.lower;
            LookUpRange(at.value(), grade, range);
            if (detailed) {
                steps.push_back({"制造范围（第 " + writeInteger(pass + 1) + " 次）", "上限 / 下限",
                                 "按 " + grade + " 查 " + writeDouble(at.value()) + " MPa", "—", rangeText(range), "MPa"});
            }
            d.derived.Pb = toSingle(pMin + range.lower);
            d.derived.Pd = toSingle(range.upper + Real(d.derived.Pb));
        }
        if (detailed) {
            steps.push_back({"设计爆破压力", "Pb", "Pb = p_min + 下限",
                             writeDouble(pMin.value()) + " + " + writeDouble(range.lower), writeSingle(d.derived.Pb), "MPa"});
            steps.push_back({"设计压力", "Pd", "Pd = 上限 + Pb", writeDouble(range.upper) + " + " + writeSingle(d.derived.Pb),
                             writeSingle(d.derived.Pd), "MPa"});
        }
        return;
    }
    // A grade that is none of the list has no factor: the disc bursts at the minimum burst pressure.
    const std::optional<std::size_t> g = gradeIndex(grade);
    const double factor = g ? kReverseGradeFactor[*g] : 1.0;
    d.derived.Pb = toSingle(factor * pMin);
    d.derived.Pd = d.derived.Pb;
    if (detailed) {
        steps.push_back({"设计爆破压力（反拱）", "Pb",
                         g ? "Pb = f × p_min（" + grade + "）" : "Pb = p_min（制造级别“" + grade + "”不在列表中）",
                         writeDouble(factor) + " × " + writeDouble(pMin.value()), writeSingle(d.derived.Pb), "MPa"});
        steps.push_back({"设计压力", "Pd", "Pd = Pb", writeSingle(d.derived.Pb), writeSingle(d.derived.Pd), "MPa"});
    }
}

// Liquefied gas: Pd is the design pressure the medium prescribes (for a medium that prescribes none,
// 1.1 times the working pressure typed, as the safety valve derives it), Pb worked down from it by
// the upper limit of the grade's range. A reverse-acting disc bursts at the design pressure itself.
void liquefiedRoute(Sizing& s, Derivation& d, const std::optional<MediumValues>& values) {
    const Case& c = s.kase();
    const bool detailed = s.steps();
    std::vector<RecordStep>& steps = d.derived.steps;
    s.at(Step::DesignPressure);
    if (values && values->designPressure) {
        d.derived.Pd = toSingle(*values->designPressure);
        if (detailed) steps.push_back({"设计压力", "Pd", "介质规定的设计压力", "—", writeSingle(d.derived.Pd), "MPa"});
    } else {
        const Real pWorking = workingPressure(s, d);
        s.at(Step::DesignPressure);
        d.derived.Pd = toSingle(pWorking * 1.1);
        if (detailed) {
            steps.push_back({"设计压力", "Pd", "Pd = 1.1 × p_w（介质“" + c.text(Field::Medium) + "”无规定的设计压力）",
                             "1.1 × " + writeDouble(pWorking.value()), writeSingle(d.derived.Pd), "MPa"});
        }
    }
    s.at(Step::BurstPressure);
    if (reverseActing(c.text(Field::DeviceType))) {
        d.derived.Pb = d.derived.Pd;
        if (detailed) {
            steps.push_back({"设计爆破压力（反拱）", "Pb", "Pb = Pd", writeSingle(d.derived.Pd), writeSingle(d.derived.Pb),
                             "MPa"});
        }
        return;
    }
    s.choice(Field::Grade);
    const std::string& grade = c.text(Field::Grade);
    Range range;
    LookUpRange(static_cast<double>(d.derived.Pd), grade, range);
    if (detailed) {
        steps.push_back({"制造范围（第 1 次）", "上限 / 下限", "按 " + grade + " 查 " + writeSingle(d.derived.Pd) + " MPa",
                         "—", rangeText(range), "MPa"});
    }
    d.derived.Pb = toSingle(Real(d.derived.Pd) - range.upper);
    LookUpRange(static_cast<double>(d.derived.Pb), grade, range);
    if (detailed) {
        steps.push_back({"制造范围（第 2 次）", "上限 / 下限", "按 " + grade + " 查 " + writeSingle(d.derived.Pb) + " MPa",
                         "—", rangeText(range), "MPa"});
    }
    d.derived.Pb = toSingle(Real(d.derived.Pd) - range.upper);
    if (detailed) {
        steps.push_back({"设计爆破压力", "Pb", "Pb = Pd − 上限", writeSingle(d.derived.Pd) + " − " + writeDouble(range.upper),
                         writeSingle(d.derived.Pb), "MPa"});
    }
}

}  // namespace

Derivation derive(const Case& c, ProgramValues& shared, Detail detail) {
    Derivation d;
    Sizing s(c, description(), detail);
    s.run([&]() -> Outcome {
        for (Field f : {Field::Medium, Field::ReliefCase, Field::DeviceType}) s.choice(f);
        const std::string& medium = c.text(Field::Medium);
        const std::string& mediumType = c.text(Field::ReliefCase);
        const std::optional<MediumValues> values =
            mediumValues(medium, mediumType, typedPhase(c), shared.DesignTemperature);
        applyToProgramValues(values, shared);
        if (mediumType == kCaseCompressedGas) {
            compressedGasRoute(s, d);
        } else {
            liquefiedRoute(s, d, values);
        }
        writeMediumProperties(c, values, medium, d.writes);
        for (Field f : description().derivationInputs()) {
            // The working pressure as it stands once input parameters is done: emptied when it was not
            // this medium's.
            std::string text = c.text(f);
            for (const auto& [written, value] : d.writes) {
                if (written == f) text = value.text;
            }
            d.derived.basis.emplace_back(f, std::move(text));
        }
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
        use.designTemperature = use.computeCapacity || use.gasEquations;
        if (use.computeCapacity) {
            if (auto notice = reliefCaseNotice(s, use)) return *notice;
        }
        recordCase(s, use);
        s.choice(Field::DeviceType);
        s.choice(Field::Grade);
        s.record().typedCapacity = typedCapacity;

        // Inputs; the working pressure is shown only (a liquefied case rewrites it below).
        q.Pi = kWindowPi;
        const float Pb = c.derived.Pb;
        const float Pd = c.derived.Pd;
        const CaseFields fields = readCaseFields(s, shared, use);
        // M gives the gas density of a computed W; C and Z the critical gas equation; k is not used here.
        readProperties(s, q, {use.computeCapacity || use.gasEquations, use.gasEquations, false, use.gasEquations});
        q.K = kDiscCoefficient;
        const Real tDesign = *shared.DesignTemperature;
        if (typedCapacity) q.W = s.inputSingle(Field::ReliefCapacity);
        s.step([&] { return RecordStep{"排放系数", "K", "K（爆破片）", "—", numberText(q.K), ""}; });
        s.step([&] { return RecordStep{"设计爆破压力", "Pb", "由“输入参数项”确定", "—", numberText(Pb), "MPa"}; });

        Capacity capacity{q.W};
        if (typedCapacity) {
            s.step([&] { return RecordStep{"安全泄放量", "W", "W 为输入值", "—", numberText(q.W), "kg/h"}; });
        } else {
            if (use.mediumType != kCaseCompressedGas) {
                s.at(Step::Pressures);
                const std::string working = writeDouble((Real(Pd) / 1.1).value());
                s.step([&] { return RecordStep{"工作压力", "p_w", "p_w = Pd / 1.1", numberText(Pd) + " / 1.1", working, "MPa"}; });
                // Derived from the design pressure of this medium: input parameters may read it again.
                s.write(Field::WorkingPressure, working, Source::Derived, c.text(Field::Medium));
            }
            s.at(Step::Pressures, {Field::DesignTemperature}, "设计温度不能低于 -273 ℃");
            q.T = toSingle(273 + tDesign);
            s.step([&] { return RecordStep{"气体温度", "T", "T = 273 + t", "273 + " + numberText(tDesign), numberText(q.T), "K"}; });
            s.at(Step::GasDensity, {Field::MolarMass, Field::DesignTemperature}, "设计温度不能为 -273 ℃");
            const Real pRelief = Real(Pb) + 0.1;
            q.Rho = gasDensity(q.M, pRelief, q.T);
            s.step([&] {
                return RecordStep{"气体密度", "ρ", "ρ = M × 121.9 × (Pb + 0.1) / T",
                                  numberText(q.M) + " × 121.9 × " + numberText(pRelief) + " / " + numberText(q.T),
                                  numberText(q.Rho), "kg/m³"};
            });
            s.write(Field::GasDensity, writeSingle(q.Rho));
            capacity = reliefCapacity(s, use, fields, q.Rho, *shared.LatentHeat);
            q.W = capacity.W;
        }
        s.at(Step::Pressures, {Field::DesignTemperature}, "设计温度不能低于 -273 ℃");
        q.T = toSingle(273 + tDesign);

        // Discharge area by phase; there is no back pressure here, so gas flow is critical.
        bool areaApplies = true;
        if (use.phase == kPhaseLiquid) {
            areaApplies = false;
        } else {
            q.P = toSingle(Real(Pb) + 0.1);
            s.step([&] { return RecordStep{"泄放压力（绝压）", "P", "P = Pb + 0.1", numberText(Pb) + " + 0.1", numberText(q.P), "MPa"}; });
            if (use.phase != kPhaseSaturated) {
                s.step([&] {
                    return RecordStep{"面积公式", "—", "气体，无背压，按临界流动", "—",
                                      "A = W / (0.076 × C × K × P × √(M / (Z × T)))", ""};
                });
                s.at(Step::DischargeArea,
                     {Field::GasCoefficient, Field::MolarMass, Field::Compressibility, Field::DesignTemperature},
                     "C、M、Z 不能为零");
                criticalGasArea(s, q);
            } else {
                areaApplies = saturatedSteamArea(s, q, {Field::ReliefCapacity});
            }
        }
        const auto writePressures = [&] {
            s.write(Field::DesignBurstPressure, writeSingle(Pb));
            s.write(Field::DesignPressure, writeSingle(Pd));
        };
        const auto writeNothingSized = [&] {
            writeCapacity(s, q.W, typedCapacity);
            for (Field f : {Field::DischargeArea, Field::Bore, Field::NominalSize}) s.write(f, "");
            writePressures();
        };
        if (!areaApplies) {
            writeNothingSized();
            return Notice{NoticeKind::NoAreaEquation, use.phase, static_cast<double>(q.P)};
        }

        s.at(Step::Bore, capacityInputs(use), "安全泄放量不能为负数");
        const Real d = bore(q.A, q.Pi);
        s.step([&] {
            return RecordStep{"计算口径", "d", "d = 2 × √(A / π)", "2 × √(" + numberText(q.A) + " / " + numberText(q.Pi) + ")",
                              numberText(d), "mm"};
        });

        if (!somethingToSize(q.W, q.A, q.P)) {
            writeNothingSized();
            Notice n{NoticeKind::NoDeviceSized, {}, static_cast<double>(q.W), static_cast<double>(q.P)};
            n.causes = noSizeCauses(s, use, capacity, q.P, q.A);
            return n;
        }

        const std::optional<int> size = nominalSize(d.value());
        s.step([&] {
            return RecordStep{"公称管径", "DN", "不小于计算口径的最小公称管径", "d = " + numberText(d),
                              size ? writeInteger(*size) : "大于 DN 200", "mm"};
        });
        writeCapacity(s, q.W, typedCapacity);
        s.write(Field::DischargeArea, writeSingle(q.A));
        s.write(Field::Bore, writeDouble(d.value()));
        s.write(Field::NominalSize, size ? writeInteger(*size) : "");
        writePressures();
        return Done{};
    });
    finishSizing(s);
    return std::move(s.record());
}

}  // namespace orvane::disc
