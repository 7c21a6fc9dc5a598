#include "valve_calculation.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "engine/area.h"
#include "engine/media.h"
#include "engine/number_text.h"
#include "engine/relief_capacity.h"
#include "form/action.h"
#include "form/case_fields.h"
#include "valve_controls.h"

namespace orvane::valve {

LiftType selectedLiftType(const Form& form) {
    if (form.isSelected(kFlatLowLift)) return LiftType::FlatSeatLow;
    if (form.isSelected(kConicalLowLift)) return LiftType::ConicalSeatLow;
    return LiftType::Full;
}

float dischargeCoefficient(LiftType lift) {
    switch (lift) {
        case LiftType::Full: return 0.65f;
        case LiftType::FlatSeatLow: return 0.45f;
        case LiftType::ConicalSeatLow: return 0.3f;
    }
    return 0.65f;
}

namespace {

constexpr std::string_view kWettedHeight = "Text26";

// Standard throat and nominal size rows: the first row whose bound is not below d applies.
struct SizeRow {
    int bound;        // d up to this bound, mm
    StandardSize up;  // p_set up to 6.4 MPa (all rows for low lift)
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

constexpr double kHighPressure = 6.4;  // MPa: full-lift rows differ above this opening pressure

}  // namespace

std::optional<StandardSize> standardSize(LiftType lift, double d, double pSet) {
    const bool full = lift == LiftType::Full;
    const std::span<const SizeRow> rows = full ? std::span<const SizeRow>(kFullLiftRows) : kLowLiftRows;
    for (const SizeRow& row : rows) {
        if (d <= row.bound) return full && pSet > kHighPressure ? row.high : row.up;
    }
    return std::nullopt;
}

Real throatDiameter(LiftType lift, float A, float pi, Real phiRadians) {
    const Real a = A;
    switch (lift) {
        case LiftType::Full: return 2 * sqrt(a / pi);
        case LiftType::FlatSeatLow: {
            const Real d = sqrt(20 * a / pi);
            return d <= 32 ? sqrt(40 * a / pi) : d;
        }
        case LiftType::ConicalSeatLow: return sqrt(20 * a / pi / sin(phiRadians));
    }
    return 0;
}

Outcome calculate(Form& form, ValveQuantities& q, ProgramValues& shared) {
    Action act(form);
    return act.run([&]() -> Outcome {
        form.refresh();
        const bool typedCapacity = !form.text("Text7").empty();
        if (!typedCapacity) {
            if (auto notice = reliefCaseNotice(act, kWettedHeight)) return *notice;
        }

        // Inputs.
        q.Pi = kWindowPi;
        q.Pw = act.single("Text2");
        q.Pd = act.single("Text3");
        q.Po = act.single("Text4");
        const CaseFields fields = readCaseFields(act, shared, kWettedHeight);
        q.Rho = act.single("Text14");
        readProperties(act, q);
        const std::string phase = form.text("Text1");
        const LiftType lift = selectedLiftType(form);
        Real phiRad = 0;
        if (lift == LiftType::ConicalSeatLow) {
            const Real phi = act.number("Text25");
            act.at(Step::ThroatDiameter);
            phiRad = phi / 180 * Real(q.Pi);
        }

        q.K = dischargeCoefficient(lift);

        // Opening pressure (gauge) and relief pressure (absolute); the gas temperature wherever the
        // gas equations will run.
        act.at(Step::Pressures);
        const Real pSet = Real(q.Pw) * 1.05;
        shared.FixedDesignPressure = pSet.value();
        q.P = toSingle(pSet * 1.03 + 0.1);
        const bool gas = phase == kPhaseGas;
        if (gas) q.P = toSingle(pSet * 1.1 + 0.1);
        const bool gasEquations = phase != kPhaseSaturated && phase != kPhaseLiquid;
        if (gasEquations) q.T = toSingle(273 + Real(*shared.DesignTemperature));

        // Relief capacity: typed, or by relief case.
        if (typedCapacity) {
            q.W = act.single("Text7");
        } else {
            if (gas) {
                act.at(Step::GasDensity);
                q.Rho = gasDensity(q.M, q.P, q.T);
                form.setText("Text14", writeSingle(q.Rho));
            }
            q.W = reliefCapacity(act, fields, q.Rho, *shared.LatentHeat);
        }

        // Discharge area by phase.
        bool areaApplies = true;
        if (phase == kPhaseSaturated) {
            act.at(Step::DischargeArea);
            if (q.P <= 10.0f) {
                Mianji3(q);
            } else if (q.P <= 22.0f) {
                Mianji4(q);
            } else {
                areaApplies = false;
            }
        } else if (phase == kPhaseLiquid) {
            areaApplies = false;
        } else {
            act.at(Step::CriticalRatio);
            const bool critical = isCriticalFlow(q);
            act.at(Step::DischargeArea);
            critical ? Mianji1(q) : Mianji2(q);
        }
        if (!areaApplies) {
            form.setText("Text7", writeSingle(q.W));
            for (const char* name : {"Text8", "Text15", "Text17", "Text16"}) form.setText(name, "");
            form.setText("Text13", writeDouble(pSet.value()));
            return Notice{NoticeKind::NoAreaEquation, phase, static_cast<double>(q.P)};
        }

        // Throat diameter by lift type.
        act.at(Step::ThroatDiameter);
        const Real d = throatDiameter(lift, q.A, q.Pi, phiRad);
        const std::optional<StandardSize> size = standardSize(lift, d.value(), pSet.value());

        form.setText("Text7", writeSingle(q.W));
        form.setText("Text8", writeSingle(q.A));
        form.setText("Text15", writeDouble(d.value()));
        form.setText("Text17", size ? writeInteger(size->throat) : "");
        form.setText("Text16", size ? writeInteger(size->nominal) : "");
        form.setText("Text13", writeDouble(pSet.value()));
        if (!size) {
            return Notice{NoticeKind::ThroatAboveStandard, {}, d.value(),
                          static_cast<double>(lift == LiftType::Full ? kLargestFullLiftThroat : kLargestLowLiftThroat)};
        }
        return Done{};
    });
}

}  // namespace orvane::valve
