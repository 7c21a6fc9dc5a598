#include "disc_input_rules.h"

#include <algorithm>
#include <array>
#include <string>

#include "disc_controls.h"
#include "engine/media.h"
#include "engine/number_text.h"
#include "engine/relief_capacity.h"
#include "form/action.h"
#include "form/case_fields.h"
#include "form/layout.h"

namespace orvane::disc {

namespace {

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

std::optional<std::size_t> gradeIndex(std::string_view grade) {
    for (std::size_t i = 0; i < kGrades.size(); ++i) {
        if (grade == kGrades[i]) return i;
    }
    return std::nullopt;
}

using enum Visibility;

// Controls shown, hidden or kept together, per layout: compressed gas (and any other text),
// uninsulated, insulated.
constexpr std::array<LayoutRow, 16> kLayouts = {{
    {{"Label5", "Text5"}, {Shown, Hidden, Hidden}},             // inlet pipe inner diameter
    {{"Label6", "Text6"}, {Shown, Hidden, Hidden}},             // inlet velocity
    {{"Label16", "Text14"}, {Shown, Hidden, Hidden}},           // gas density
    {{"Label31"}, {Shown, Kept, Kept}},                         // its unit
    {{"Label30", "Text24"}, {Shown, Kept, Kept}},               // design temperature
    {{"Text9"}, {Shown, Shown, Shown}},                         // k (steam rule below)
    {{"Text10", "Text12"}, {Kept, Shown, Shown}},               // C, Z (steam rule below)
    {{"Label26", "Combo4"}, {Hidden, Shown, Hidden}},           // installation location
    {{"Label22", "Text18"}, {Hidden, Shown, Shown}},            // latent heat
    {{"Label23"}, {Hidden, Shown, Shown}},
    {{"Label24", "Text19"}, {Hidden, Shown, Shown}},            // vessel outer diameter
    {{"Label25"}, {Hidden, Shown, Shown}},                      // vessel total length
    {{"Text20"}, {Hidden, Shown, Shown}},                       // (sphere rule below)
    {{"Label27", "Text21"}, {Hidden, Hidden, Shown}},           // relief temperature
    {{"Label28", "Text22"}, {Hidden, Hidden, Shown}},           // insulation thickness
    {{"Label29", "Text23"}, {Hidden, Hidden, Shown}},           // thermal conductivity
}};

constexpr std::array<std::string_view, 2> kWettedHeight = {"Label32", "Text25"};

}  // namespace

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

double discTypeRatio(const Form& form) {
    // One option of the group is always selected: the first unless another one is.
    for (std::size_t i = 1; i < kDiscTypeOptions.size(); ++i) {
        if (form.isSelected(kDiscTypeOptions[i])) return kDiscTypeRatio[i];
    }
    return kDiscTypeRatio[0];
}

namespace {

std::string rangeText(const Range& r) { return writeDouble(r.upper) + " / " + writeDouble(r.lower); }

// Compressed gas: Pb and Pd from the working pressure, the disc type and the grade.
void compressedGasRoute(Action& act, DiscQuantities& q, std::vector<RecordStep>& steps) {
    Form& form = act.form();
    const Real pWorking = act.number("Text2");
    act.at(Step::BurstPressure);
    const Real ratio = discTypeRatio(form);
    const Real pMin = pWorking * ratio;
    steps.push_back({"最小爆破压力", "p_min", "p_min = r × p_w（" + std::string(discTypeCaption(form)) + "）",
                     writeDouble(ratio.value()) + " × " + writeDouble(pWorking.value()), writeDouble(pMin.value()),
                     "MPa"});
    const std::string grade = form.text("Combo5");
    if (!form.isSelected(kReverseActing)) {
        // Two passes: the second looks the range up at the first pass's design burst pressure.
        Range range;
        for (int pass = 0; pass < 2; ++pass) {
            const Real at = pMin + range.lower;
            LookUpRange(at.value(), grade, range);
            steps.push_back({"制造范围（第 " + writeInteger(pass + 1) + " 次）", "上限 / 下限",
                             "按 " + grade + " 查 " + writeDouble(at.value()) + " MPa", "—", rangeText(range), "MPa"});
            q.Pb = toSingle(pMin + range.lower);
            q.Pd = toSingle(range.upper + Real(q.Pb));
        }
        steps.push_back({"设计爆破压力", "Pb", "Pb = p_min + 下限", writeDouble(pMin.value()) + " + " +
                         writeDouble(range.lower), writeSingle(q.Pb), "MPa"});
        steps.push_back({"设计压力", "Pd", "Pd = 上限 + Pb", writeDouble(range.upper) + " + " + writeSingle(q.Pb),
                         writeSingle(q.Pd), "MPa"});
    } else if (const std::optional<std::size_t> g = gradeIndex(grade)) {
        q.Pb = toSingle(kReverseGradeFactor[*g] * pMin);
        q.Pd = q.Pb;
        steps.push_back({"设计爆破压力（反拱）", "Pb", "Pb = f × p_min（" + grade + "）",
                         writeDouble(kReverseGradeFactor[*g]) + " × " + writeDouble(pMin.value()), writeSingle(q.Pb),
                         "MPa"});
        steps.push_back({"设计压力", "Pd", "Pd = Pb", writeSingle(q.Pb), writeSingle(q.Pd), "MPa"});
    }
}

// Liquefied gas: Pd is the design pressure the medium prescribes, Pb worked down from it by the
// upper limit of the grade's range. A reverse-acting disc bursts at the design pressure itself, as
// it does on the compressed-gas route.
void liquefiedRoute(Action& act, DiscQuantities& q, const ProgramValues& shared, std::vector<RecordStep>& steps) {
    Form& form = act.form();
    act.at(Step::DesignPressure);
    q.Pd = toSingle(shared.FixedDesignPressure.value_or(0.0));
    steps.push_back({"设计压力", "Pd", "介质规定的设计压力", "—", writeSingle(q.Pd), "MPa"});
    act.at(Step::BurstPressure);
    if (form.isSelected(kReverseActing)) {
        q.Pb = q.Pd;
        steps.push_back({"设计爆破压力（反拱）", "Pb", "Pb = Pd", writeSingle(q.Pd), writeSingle(q.Pb), "MPa"});
        return;
    }
    const std::string grade = form.text("Combo5");
    Range range;
    LookUpRange(static_cast<double>(q.Pd), grade, range);
    steps.push_back({"制造范围（第 1 次）", "上限 / 下限", "按 " + grade + " 查 " + writeSingle(q.Pd) + " MPa", "—",
                     rangeText(range), "MPa"});
    q.Pb = toSingle(Real(q.Pd) - range.upper);
    LookUpRange(static_cast<double>(q.Pb), grade, range);
    steps.push_back({"制造范围（第 2 次）", "上限 / 下限", "按 " + grade + " 查 " + writeSingle(q.Pb) + " MPa", "—",
                     rangeText(range), "MPa"});
    q.Pb = toSingle(Real(q.Pd) - range.upper);
    steps.push_back({"设计爆破压力", "Pb", "Pb = Pd − 上限", writeSingle(q.Pd) + " − " + writeDouble(range.upper),
                     writeSingle(q.Pb), "MPa"});
}

}  // namespace

Outcome inputParameters(Form& form, DiscQuantities& q, ProgramValues& shared) {
    Action act(form, windowTable());
    return act.run([&]() -> Outcome {
        form.refresh();
        form.setShown("Shape1", false);
        const std::string medium = form.text("Combo1");
        const std::string phaseField = form.text("Text1");
        const std::string mediumType = form.text("Combo2");
        std::vector<RecordStep> steps;
        if (mediumType == kCaseCompressedGas) {
            compressedGasRoute(act, q, steps);
            ApplyMedium(q, shared, medium, mediumType, phaseField);
        } else {
            ApplyMedium(q, shared, medium, mediumType, phaseField);
            liquefiedRoute(act, q, shared, steps);
        }

        const std::string layoutType = form.text("Combo2");
        const ReliefCase reliefCase = reliefCaseOf(layoutType);
        const Layout layout = reliefCase == ReliefCase::Uninsulated ? Layout::Uninsulated
                              : reliefCase == ReliefCase::Insulated ? Layout::Insulated
                                                                    : Layout::CompressedGas;
        applyLayout(form, kLayouts, layout);
        if (layout == Layout::CompressedGas) applySteamRule(form, medium, phaseField);
        const std::string shape = form.text("Combo3");
        if (layout == Layout::Uninsulated && shape == kShapeSphere) form.setShown("Text20", false);
        const bool vertical = layout != Layout::CompressedGas && shape == kShapeVertical;
        for (std::string_view name : kWettedHeight) form.setShown(name, vertical);

        showProperties(form, q, shared, q.memory);
        q.memory.basis = readTexts(form, kDerivationInputs);
        q.memory.derivation = std::move(steps);
        ++q.memory.derivationSerial;
        return Done{};
    });
}

void clear(Form& form, DiscQuantities& q) {
    form.setShown("Shape1", true);
    for (std::string_view name : {"Text7", "Text8", "Text15", "Text3", "Text16", "Text13"}) form.setText(name, "");
    q.memory.programCapacity.reset();
    q.memory.record.reset();
}

}  // namespace orvane::disc
