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
    {Field::LiquidDensity, Input, "liquid_density_kg_m3", "Text28", "ρ_L", "液体密度"},
    {Field::InsulationThickness, Input, "insulation_thickness_mm", "Text22"},
    {Field::InsulationConductivity, Input, "insulation_conductivity_kJ_m_h_C", "Text23"},
    {Field::DeviceCount, Input, "device_count", "Text27", "n"},
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

// The row of the manufacturing range table that holds at P: the last whose bound P passes.
std::optional<std::size_t> rangeRow(double P) {
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < kManufacturingRangeTable.size(); ++i) {
        const RangeRow& row = kManufacturingRangeTable[i];
        if (row.inclusive ? P >= row.bound : P > row.bound) found = i;
    }
    return found;
}

// A row's condition on P as the sheet prints it: "1 < P ≤ 1.4".
std::string rowCondition(std::size_t i) {
    const RangeRow& row = kManufacturingRangeTable[i];
    std::string text = writeDouble(row.bound) + (row.inclusive ? " ≤ P" : " < P");
    if (i + 1 < kManufacturingRangeTable.size()) text += " ≤ " + writeDouble(kManufacturingRangeTable[i + 1].bound);
    return text;
}

// A grade's limit in a row: the pressure itself for a fixed row, its fraction of P for the last.
std::string limitText(const RangeRow& row, double limit) {
    return row.proportional ? writeDouble(limit) + " × P" : writeDouble(limit);
}

// The manufacturing range table of a grade, as the sheet's appendix prints it, `taken` marked.
RecordTable rangeTable(std::size_t grade, const std::vector<std::size_t>& taken) {
    RecordTable t{"爆破片制造范围（MPa），" + std::string(kGrades[grade]), {"设计爆破压力 P", "上限", "下限"}, {}, taken};
    for (std::size_t i = 0; i < kManufacturingRangeTable.size(); ++i) {
        const RangeRow& row = kManufacturingRangeTable[i];
        const Range& r = row.byGrade[grade];
        t.rows.push_back({rowCondition(i), limitText(row, r.upper), limitText(row, r.lower)});
    }
    std::ranges::sort(t.chosen);
    t.chosen.erase(std::unique(t.chosen.begin(), t.chosen.end()), t.chosen.end());
    return t;
}

// Looks the range up at P, as LookUpRange does, and records the step: the row with its condition,
// or why none applies. A row in proportion gives its limits as two computed steps.
struct RangeLookup {
    Sizing& s;
    std::vector<RecordStep>& steps;
    std::vector<std::size_t> taken;  // rows of the table looked up

    void operator()(Range& range, double P, const std::string& grade, const std::string& what, const std::string& at) {
        const std::optional<std::size_t> g = gradeIndex(grade);
        const std::optional<std::size_t> i = g ? rangeRow(P) : std::nullopt;
        LookUpRange(P, grade, range);
        if (!s.steps()) return;
        const std::string equation = "按 " + grade + " 查 " + at + " = " + printed(P) + " MPa";
        if (!g || !i) {
            steps.push_back({"制造范围（" + what + "）", "上限 / 下限", equation, "—",
                             printed(range.upper) + " / " + printed(range.lower), "MPa",
                             !g ? "制造级别“" + grade + "”不在列表中，不查表，上限、下限沿用前值"
                                : "P 低于 0.1 MPa，表中无此行，上限、下限沿用前值"});
            return;
        }
        taken.push_back(*i);
        const RangeRow& row = kManufacturingRangeTable[*i];
        const std::string note = "附录表：爆破片制造范围，" + grade + "，" + rowCondition(*i) + " 一行";
        if (!row.proportional) {
            steps.push_back({"制造范围（" + what + "）", "上限 / 下限", equation, "—", rangeText(range), "MPa", note});
            return;
        }
        const Range& r = row.byGrade[*g];
        steps.push_back(computedStep("制造范围上限（" + what + "）", "上限", equation + "，上限 = " + limitText(row, r.upper),
                                     Term::value(r.upper) * Term::value(P), range.upper, "MPa", note));
        steps.push_back(computedStep("制造范围下限（" + what + "）", "下限", "下限 = " + limitText(row, r.lower),
                                     Term::value(r.lower) * Term::value(P), range.lower, "MPa", note));
    }

    static std::string rangeText(const Range& r) { return printed(r.upper) + " / " + printed(r.lower); }
};

std::string ratioNote() {
    std::string note = "表：爆破片型式的比值 r，";
    for (std::size_t i = 0; i < kDiscTypeCaptions.size(); ++i) {
        note += (i > 0 ? "、" : "") + std::string(kDiscTypeCaptions[i]) + " " + writeDouble(kDiscTypeRatio[i]);
    }
    return note;
}

std::string reverseFactorNote() {
    std::string note = "表：反拱型爆破片的制造级别系数 f，";
    for (std::size_t i = 0; i < kGrades.size(); ++i) {
        note += (i > 0 ? "、" : "") + std::string(kGrades[i]) + " " + writeDouble(kReverseGradeFactor[i]);
    }
    return note;
}

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
        steps.push_back(computedStep("最小爆破压力", "p_min", "p_min = r × p_w（" + type + "）",
                                     Term::value(ratio.value()) * Term::value(pWorking.value()), pMin.value(), "MPa",
                                     ratioNote()));
    }
    s.choice(Field::Grade);
    const std::string& grade = c.text(Field::Grade);
    if (!reverseActing(type)) {
        // Two passes: the second looks the range up at the first pass's design burst pressure.
        Range range;
        RangeLookup lookUp{s, steps, {}};
        for (int pass = 0; pass < 2; ++pass) {
            const Real at = pMin + range.lower;
            const std::string what = "第 " + writeInteger(pass + 1) + " 次";
            if (detailed && pass > 0) {
                steps.push_back(computedStep("查表压力（" + what + "）", "P", "P = p_min + 下限",
                                             Term::value(pMin.value()) + Term::value(range.lower), at.value(), "MPa"));
            }
            lookUp(range, at.value(), grade, what, pass == 0 ? "P = p_min" : "P");
            d.derived.Pb = toSingle(pMin + range.lower);
            d.derived.Pd = toSingle(range.upper + Real(d.derived.Pb));
        }
        if (detailed) {
            steps.push_back(computedStep("设计爆破压力", "Pb", "Pb = p_min + 下限",
                                         Term::value(pMin.value()) + Term::value(range.lower), d.derived.Pb, "MPa"));
            steps.push_back(computedStep("设计压力", "Pd", "Pd = 上限 + Pb",
                                         Term::value(range.upper) + Term::value(d.derived.Pb), d.derived.Pd, "MPa"));
            if (const std::optional<std::size_t> g = gradeIndex(grade)) d.derived.tables.push_back(rangeTable(*g, lookUp.taken));
        }
        return;
    }
    // A grade that is none of the list has no factor: the disc bursts at the minimum burst pressure.
    const std::optional<std::size_t> g = gradeIndex(grade);
    const double factor = g ? kReverseGradeFactor[*g] : 1.0;
    d.derived.Pb = toSingle(factor * pMin);
    d.derived.Pd = d.derived.Pb;
    if (detailed) {
        steps.push_back(computedStep("设计爆破压力（反拱）", "Pb",
                                     g ? "Pb = f × p_min（" + grade + "）" : "Pb = p_min（制造级别“" + grade + "”不在列表中）",
                                     Term::value(factor) * Term::value(pMin.value()), d.derived.Pb, "MPa",
                                     reverseFactorNote()));
        steps.push_back(computedStep("设计压力", "Pd", "Pd = Pb", Term::value(d.derived.Pb), d.derived.Pd, "MPa",
                                     "反拱型爆破片的设计压力取设计爆破压力"));
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
        if (detailed) {
            steps.push_back({"设计压力", "Pd", "介质规定的设计压力", "—", writeSingle(d.derived.Pd), "MPa",
                             std::string(values->userLibrary ? "用户物性库" : "物性库") + "：介质“" +
                                 c.text(Field::Medium) + "”规定的设计压力"});
        }
    } else {
        const Real pWorking = workingPressure(s, d);
        s.at(Step::DesignPressure);
        d.derived.Pd = toSingle(pWorking * 1.1);
        if (detailed) {
            steps.push_back(computedStep("设计压力", "Pd", "Pd = 1.1 × p_w（介质“" + c.text(Field::Medium) + "”无规定的设计压力）",
                                         Term::constant("1.1", 1.1) * Term::value(pWorking.value()), d.derived.Pd, "MPa",
                                         "1.1：程序常数，设计压力取工作压力的 1.1 倍"));
        }
    }
    s.at(Step::BurstPressure);
    if (reverseActing(c.text(Field::DeviceType))) {
        d.derived.Pb = d.derived.Pd;
        if (detailed) {
            steps.push_back(computedStep("设计爆破压力（反拱）", "Pb", "Pb = Pd", Term::value(d.derived.Pd), d.derived.Pb,
                                         "MPa", "反拱型爆破片的设计爆破压力取设计压力"));
        }
        return;
    }
    s.choice(Field::Grade);
    const std::string& grade = c.text(Field::Grade);
    Range range;
    RangeLookup lookUp{s, steps, {}};
    lookUp(range, static_cast<double>(d.derived.Pd), grade, "第 1 次", "P = Pd");
    d.derived.Pb = toSingle(Real(d.derived.Pd) - range.upper);
    if (detailed) {
        steps.push_back(computedStep("查表压力（第 2 次）", "P", "P = Pd − 上限",
                                     Term::value(d.derived.Pd) - Term::value(range.upper), d.derived.Pb, "MPa"));
    }
    lookUp(range, static_cast<double>(d.derived.Pb), grade, "第 2 次", "P");
    d.derived.Pb = toSingle(Real(d.derived.Pd) - range.upper);
    if (detailed) {
        steps.push_back(computedStep("设计爆破压力", "Pb", "Pb = Pd − 上限",
                                     Term::value(d.derived.Pd) - Term::value(range.upper), d.derived.Pb, "MPa"));
        if (const std::optional<std::size_t> g = gradeIndex(grade)) d.derived.tables.push_back(rangeTable(*g, lookUp.taken));
    }
}

// The working pressure the burst range is checked against: the one typed for a compressed gas, on
// the liquefied route the one the program gives from the design pressure, p_w = Pd / 1.1.
float workingPressureChecked(Sizing& s, const CaseUse& use, float Pd) {
    if (use.mediumType == kCaseCompressedGas) return s.single(Field::WorkingPressure);
    s.at(Step::Pressures);
    const Real pw = Real(Pd) / 1.1;
    s.step([&] {
        return computedStep("工作压力", "p_w", "p_w = Pd / 1.1", Term::value(Pd) / Term::constant("1.1", 1.1), pw.value(),
                            "MPa", "1.1：程序常数，设计压力取工作压力的 1.1 倍");
    });
    return toSingle(pw);
}

// The burst pressure's manufacturing range at Pb against the working pressure and the design
// pressure: its lowest burst pressure not below r × p_w, its highest not above Pd. A reverse-acting
// disc's Pb already carries its grade's factor: it is checked as it stands.
void checkBurstRange(Sizing& s, float Pw, float Pb, float Pd) {
    const std::string& type = s.kase().text(Field::DeviceType);
    const std::string& grade = s.kase().text(Field::Grade);
    const double ratio = discTypeRatio(type);
    const Real least = ratio * Real(Pw);
    s.step([&] {
        return computedStep("工作压力的 r 倍", "r × p_w", "r × p_w（" + type + "）",
                            Term::value(ratio) * Term::value(Pw), least.value(), "MPa", ratioNote());
    });
    if (reverseActing(type)) {
        designCheck(s, "设计爆破压力不低于工作压力的 r 倍", "Pb ≥ r × p_w", Pb, "≥", least.value(), "MPa");
        designCheck(s, "设计爆破压力不高于设计压力", "Pb ≤ Pd", Pb, "≤", Pd, "MPa");
        return;
    }
    Range range;
    std::vector<RecordStep> lookUpSteps;
    RangeLookup lookUp{s, lookUpSteps, {}};
    lookUp(range, static_cast<double>(Pb), grade, "校核", "Pb");
    for (RecordStep& step : lookUpSteps) s.step([&] { return std::move(step); });
    const Real lowest = Real(Pb) - range.lower, highest = Real(Pb) + range.upper;
    s.step([&] {
        return computedStep("最低爆破压力", "Pb − 下限", "Pb − 下限", Term::value(Pb) - Term::value(range.lower),
                            lowest.value(), "MPa");
    });
    s.step([&] {
        return computedStep("最高爆破压力", "Pb + 上限", "Pb + 上限", Term::value(Pb) + Term::value(range.upper),
                            highest.value(), "MPa");
    });
    designCheck(s, "制造范围的最低爆破压力不低于工作压力的 r 倍", "Pb − 下限 ≥ r × p_w", lowest.value(), "≥",
                least.value(), "MPa");
    designCheck(s, "制造范围的最高爆破压力不高于设计压力", "Pb + 上限 ≤ Pd", highest.value(), "≤", Pd, "MPa");
}

// The nominal sizes, as the sheet's appendix prints them, the one taken marked.
RecordTable nominalSizeTable(std::optional<int> taken) {
    RecordTable t{"爆破片公称管径（mm）：取不小于计算口径的最小者", {"公称管径 DN"}, {}, {}};
    for (auto n = kNominalSizes.rbegin(); n != kNominalSizes.rend(); ++n) {
        if (taken == *n) t.chosen.push_back(t.rows.size());
        t.rows.push_back({writeInteger(*n)});
    }
    return t;
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

namespace {

CalculationRecord sizeOnce(const Case& c, ProgramValues& shared, Detail detail) {
    Sizing s(c, description(), detail);
    SizingQuantities q;
    s.run([&]() -> Outcome {
        if (std::optional<Notice> stale = staleDerivation(c, description())) return *stale;
        CaseUse use = caseOf(c);
        const bool typedCapacity = !use.computeCapacity;
        use.designTemperature = use.computeCapacity || use.gasEquations;
        if (use.computeCapacity) {
            if (auto notice = reliefCaseNotice(s, use)) return *notice;
            if (auto notice = liquidInFire(use)) return *notice;
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
        int devices = 1;
        if (std::optional<Notice> bad = readDeviceCount(s, devices)) return *bad;
        // M gives the gas density of a computed W; C and Z the critical gas equation; k is not used here.
        readProperties(s, q, {use.computeCapacity || use.gasEquations, use.gasEquations, false, use.gasEquations});
        q.K = kDiscCoefficient;
        const Real tDesign = *shared.DesignTemperature;
        if (typedCapacity) q.W = s.inputSingle(Field::ReliefCapacity);
        s.step([&] { return RecordStep{"排放系数", "K", "K（爆破片）", "—", numberText(q.K), "", "程序常数：爆破片的排放系数取 0.65"}; });
        s.step([&] { return RecordStep{"设计爆破压力", "Pb", "由“输入参数项”确定", "—", numberText(Pb), "MPa", "见上方输入参数项各行"}; });
        const Real rhoLiquid = use.liquid() ? s.input(Field::LiquidDensity) : Real(0);
        const float Pw = workingPressureChecked(s, use, Pd);
        checkBurstRange(s, Pw, Pb, Pd);

        Capacity capacity{q.W};
        if (typedCapacity) {
            s.step([&] { return RecordStep{"安全泄放量", "W", "W 为输入值", "—", numberText(q.W), "kg/h"}; });
        } else {
            if (use.mediumType != kCaseCompressedGas) {
                // Derived from the design pressure of this medium: input parameters may read it again.
                s.write(Field::WorkingPressure, writeDouble((Real(Pd) / 1.1).value()), Source::Derived, c.text(Field::Medium));
            }
            if (!use.liquid()) {
                s.at(Step::Pressures, {Field::DesignTemperature}, "设计温度不能低于 -273 ℃");
                q.T = toSingle(273 + tDesign);
                s.step([&] { return temperatureStep(tDesign, q.T); });
                s.at(Step::GasDensity, {Field::MolarMass, Field::DesignTemperature}, "设计温度不能为 -273 ℃");
                const Real pRelief = Real(Pb) + 0.1;
                q.Rho = gasDensity(q.M, pRelief, q.T);
                s.step([&] {
                    return densityStep("ρ = M × 121.9 × (Pb + 0.1) / T", q.M, Term::value(Pb) + Term::constant("0.1", 0.1),
                                       q.T, q.Rho);
                });
                s.write(Field::GasDensity, writeSingle(q.Rho));
            }
            capacity = reliefCapacity(s, use, fields, use.liquid() ? rhoLiquid : Real(q.Rho), *shared.LatentHeat);
            q.W = capacity.W;
        }
        const float W = q.W;  // all the discs relieve
        q.W = perDevice(s, W, devices, "每片");
        s.at(Step::Pressures, {Field::DesignTemperature}, "设计温度不能低于 -273 ℃");
        q.T = toSingle(273 + tDesign);

        // Discharge area by phase; there is no back pressure here, so gas flow is critical and a
        // liquid flows out against the atmosphere.
        bool areaApplies = true;
        q.P = toSingle(Real(Pb) + 0.1);
        s.step([&] {
            return computedStep("泄放压力（绝压）", "P", "P = Pb + 0.1", Term::value(Pb) + Term::constant("0.1", 0.1), q.P,
                                "MPa", "0.1：程序常数，表压加 0.1 MPa 为绝压");
        });
        std::optional<Notice> liquidNone;
        if (use.liquid()) {
            q.Po = 0.1f;
            std::vector<Field> check = capacityInputs(use);
            check.push_back(Field::LiquidDensity);
            liquidNone = liquidArea(s, q, rhoLiquid, "Po：爆破片泄放侧按大气压计，取 0.1 MPa（绝压）", check);
        } else {
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
            writeCapacity(s, W, typedCapacity);
            for (Field f : {Field::DischargeArea, Field::Bore, Field::NominalSize}) s.write(f, "");
            writePressures();
        };
        if (liquidNone) {
            writeNothingSized();
            return *liquidNone;
        }
        if (!areaApplies) {
            writeNothingSized();
            return Notice{NoticeKind::NoAreaEquation, use.phase, static_cast<double>(q.P)};
        }

        s.at(Step::Bore, capacityInputs(use), "安全泄放量不能为负数");
        const Real d = bore(q.A, q.Pi);
        s.step([&] {
            return computedStep("计算口径", "d", "d = 2 × √(A / π)",
                                Term::constant("2", 2) * sqrt(Term::value(q.A) / Term::value(q.Pi)), d.value(), "mm",
                                "π：程序取 3.14159");
        });

        if (!somethingToSize(q.W, q.A, q.P)) {
            writeNothingSized();
            Notice n{NoticeKind::NoDeviceSized, {}, static_cast<double>(q.W), static_cast<double>(q.P)};
            n.causes = noSizeCauses(s, use, capacity, q.P, q.A);
            return n;
        }

        const std::optional<int> size = nominalSize(d.value());
        s.step([&] {
            return RecordStep{"公称管径", "DN", "不小于计算口径的最小公称管径",
                              printed(d.value()) + (size ? " ≤ " + writeInteger(*size) : " > 200"),
                              size ? writeInteger(*size) : "大于 DN 200", "mm", "附录表：爆破片公称管径"};
        });
        if (s.steps()) s.record().tables.push_back(nominalSizeTable(size));
        writeCapacity(s, W, typedCapacity);
        s.write(Field::DischargeArea, writeSingle(q.A));
        s.write(Field::Bore, writeDouble(d.value()));
        s.write(Field::NominalSize, size ? writeInteger(*size) : "");
        writePressures();
        if (!size) return Notice{NoticeKind::BoreAboveStandard, {}, d.value(), static_cast<double>(kNominalSizes.front())};
        return Done{};
    });
    finishSizing(s);
    return std::move(s.record());
}

std::string sizeEach(const CalculationRecord& r) {
    const auto text = [&r](Field f) {
        const RecordResult* result = r.result(f);
        return result != nullptr ? result->text : std::string();
    };
    return "每片口径 " + writeRounded(readNumber(text(Field::Bore)), 4) + " mm，DN " + text(Field::NominalSize);
}

}  // namespace

CalculationRecord size(const Case& c, ProgramValues& shared, Detail detail) {
    CalculationRecord record = sizeOnce(c, shared, detail);
    suggestDeviceCount(record, c, shared, sizeOnce, sizeEach);
    return record;
}

}  // namespace orvane::disc
