#include "valve_calculation.h"

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
        case LiftType::FlatSeatLow: return 0.45f;
        case LiftType::ConicalSeatLow: return 0.3f;
        case LiftType::Full: break;
    }
    return 0.65f;  // full lift
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

}  // namespace

namespace {

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

std::string_view liftOption(LiftType lift) {
    switch (lift) {
        case LiftType::Full: return kFullLift;
        case LiftType::FlatSeatLow: return kFlatLowLift;
        case LiftType::ConicalSeatLow: return kConicalLowLift;
    }
    return kFullLift;
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
RecordThroatCheck checkThroat(Action& act, LiftType lift, float A, int d0, float pi, Real phiRad) {
    Real area;
    RecordStep s = throatAreaStep(lift, A, d0, pi, phiRad, area);
    const float a0 = toSingle(area);
    s.result = numberText(a0);
    act.step(std::move(s));
    // In % to two decimals; in double precision, as a tiny A gives a margin beyond the float range.
    const Real margin = std::round(((Real(a0) - A) / A * 10000).value()) / 100;
    const std::string a0Text = numberText(a0), aText = numberText(A);
    act.step({"面积裕量", "η", "η = (A0 − A) / A × 100",
              "(" + a0Text + " − " + aText + ") / " + aText + " × 100", numberText(margin), "%"});
    const bool passed = a0 >= A;
    act.step({"面积校核", "—", "A0 ≥ A", a0Text + (passed ? " ≥ " : " < ") + aText,
              passed ? "合格" : "不合格", ""});
    return {writeInteger(d0), a0Text, numberText(margin), passed};
}

}  // namespace

Outcome calculate(Form& form, ValveQuantities& q, ProgramValues& shared) {
    Action act(form, windowTable());
    CalculatorMemory& memory = q.memory;
    Outcome outcome = act.run([&]() -> Outcome {
        form.refresh();
        if (auto change = changedSinceInputParameters(form, memory, windowTable(), kDerivationInputs)) {
            return inputsChanged(act, memory, kDerivationInputs, "安全阀型式", *change);
        }
        CaseUse use = caseOf(form, kWettedHeight);
        const bool typedCapacity = capacityTyped(form.text("Text7"), memory);
        use.computeCapacity = !typedCapacity;
        use.designTemperature = use.gasEquations;
        const bool gas = use.phase == kPhaseGas;
        use.densityField = use.compressedGas() && !gas;
        if (use.computeCapacity) {
            if (auto notice = reliefCaseNotice(act, use)) return *notice;
        }
        const LiftType lift = selectedLiftType(form);
        recordCase(act, use, memory);
        act.choice(liftOption(lift), std::string(liftCaption(lift)));
        act.record().device = Device::SafetyValve;
        act.record().typedCapacity = typedCapacity;

        // Inputs; those of the case and device are recorded.
        q.Pi = kWindowPi;
        q.Pw = act.inputSingle("Text2");
        q.Pd = act.single("Text3");
        q.Po = use.gasEquations ? act.inputSingle("Text4") : act.single("Text4");
        const CaseFields fields = readCaseFields(act, shared, use);
        q.Rho = use.densityField ? act.inputSingle("Text14") : act.single("Text14");
        readProperties(act, q, use.gasEquations);
        Real phiRad = 0;  // used by the conical seat only, which sets it [equivalent mutants: constant]
        if (lift == LiftType::ConicalSeatLow) {
            const Real phi = act.input("Text25");
            act.at(Step::ThroatDiameter, {"Text25"});
            phiRad = phi / 180 * Real(q.Pi);
        }
        if (typedCapacity) q.W = act.inputSingle("Text7");

        q.K = dischargeCoefficient(lift);
        act.step({"排放系数", "K", "K（" + std::string(liftCaption(lift)) + "）", "—", numberText(q.K), ""});

        // Opening pressure (gauge) and relief pressure (absolute); the gas temperature wherever the
        // gas equations will run.
        act.at(Step::Pressures, {"Text2"});
        const Real pSet = Real(q.Pw) * 1.05;
        shared.FixedDesignPressure = pSet.value();
        act.step({"开启压力", "p_set", "p_set = 1.05 × p_w", "1.05 × " + numberText(q.Pw), numberText(pSet), "MPa"});
        q.P = toSingle(pSet * 1.03 + 0.1);
        const bool gasPressure = gas;
        if (gasPressure) q.P = toSingle(pSet * 1.1 + 0.1);
        act.step({"泄放压力（绝压）", "P", gasPressure ? "P = 1.1 × p_set + 0.1" : "P = 1.03 × p_set + 0.1",
                  (gasPressure ? "1.1 × " : "1.03 × ") + numberText(pSet) + " + 0.1", numberText(q.P), "MPa"});
        if (use.gasEquations) {
            act.at(Step::Pressures, {"Text24"}, "设计温度不能低于 -273 ℃");
            q.T = toSingle(273 + Real(*shared.DesignTemperature));
            act.step({"气体温度", "T", "T = 273 + t", "273 + " + numberText(Real(*shared.DesignTemperature)),
                      numberText(q.T), "K"});
        }

        // Relief capacity: typed, or by relief case.
        Capacity capacity{q.W};
        if (typedCapacity) {
            act.step({"安全泄放量", "W", "W 为输入值", "—", numberText(q.W), "kg/h"});
        } else {
            if (gas) {
                act.at(Step::GasDensity, {"Text11", "Text24"}, "设计温度不能为 -273 ℃");
                q.Rho = gasDensity(q.M, q.P, q.T);
                act.step({"气体密度", "ρ", "ρ = M × 121.9 × P / T",
                          numberText(q.M) + " × 121.9 × " + numberText(q.P) + " / " + numberText(q.T),
                          numberText(q.Rho), "kg/m³"});
                form.setText("Text14", writeSingle(q.Rho));
            }
            capacity = reliefCapacity(act, use, fields, q.Rho, *shared.LatentHeat);
            q.W = capacity.W;
        }

        // Discharge area by phase.
        bool areaApplies = true;
        if (use.phase == kPhaseSaturated) {
            areaApplies = saturatedSteamArea(act, q, {"Text2"});
        } else if (use.phase == kPhaseLiquid) {
            areaApplies = false;
        } else {
            act.at(Step::CriticalRatio, {"Text9"}, "k 不能为 1");
            const Real rc = criticalPressureRatio(q.k);
            act.step({"临界压力比", "r_c", "r_c = (2 / (k + 1))^(k / (k − 1))",
                      "(2 / (" + numberText(q.k) + " + 1))^(" + numberText(q.k) + " / (" + numberText(q.k) + " − 1))",
                      numberText(rc), ""});
            const bool critical = isCriticalFlow(q);
            const std::string ratio = numberText(toSingle(Real(q.Po) / q.P));
            act.step({"背压比", "Po/P", critical ? "Po / P ≤ r_c：临界" : "Po / P > r_c：亚临界",
                      numberText(q.Po) + " / " + numberText(q.P) + " = " + ratio + (critical ? " ≤ " : " > ") +
                          numberText(rc),
                      critical ? "临界" : "亚临界", ""});
            if (critical) {
                act.at(Step::DischargeArea, {"Text10", "Text11", "Text12", "Text24", "Text2"},
                       "C、M、Z 不能为零");
                criticalGasArea(act, q);
            } else {
                act.at(Step::DischargeArea, {"Text9", "Text11", "Text12", "Text24", "Text2", "Text4"},
                       "k、M、Z 不能为零，泄放侧压力须低于泄放压力");
                Mianji2(q);
                const std::string r = numberText(q.Po) + " / " + numberText(q.P);
                const std::string k = numberText(q.k);
                act.step({"安全泄放面积（亚临界）", "A",
                          "A = W / (55.85 × K × P × √(k/(k−1) × [(Po/P)^(2/k) − (Po/P)^((k+1)/k)]) × √(M / (Z × T)))",
                          numberText(q.W) + " / 55.85 / " + numberText(q.K) + " / " + numberText(q.P) + " / √(" +
                              numberText(q.M) + " / " + numberText(q.zValue()) + " / " + numberText(q.T) + " × " + k +
                              "/(" + k + "−1) × [(" + r + ")^(2/" + k + ") − (" + r + ")^((" + k + "+1)/" + k + ")])",
                          numberText(q.A), "mm²"});
            }
        }
        if (!areaApplies) {
            writeCapacity(act, memory, q.W, typedCapacity);
            for (const char* name : {"Text8", "Text15", "Text17", "Text16"}) act.write(name, "");
            act.write("Text13", writeDouble(pSet.value()));
            return Notice{NoticeKind::NoAreaEquation, use.phase, static_cast<double>(q.P)};
        }

        // Throat diameter by lift type.
        std::vector<std::string_view> check = capacityInputs(use);
        check.push_back("Text2");
        if (lift == LiftType::ConicalSeatLow) {
            check.push_back("Text25");
            act.at(Step::ThroatDiameter, check, "安全泄放量和泄放压力不能为负数，密封半锥角须在 0° 与 180° 之间");
        } else {
            act.at(Step::ThroatDiameter, check, "安全泄放量和泄放压力不能为负数");
        }
        const Real d = throatDiameter(lift, q.A, q.Pi, phiRad);
        act.step(throatStep(lift, q.A, q.Pi, phiRad, d));

        if (!somethingToSize(q.W, q.A, q.P)) {
            writeCapacity(act, memory, q.W, typedCapacity);
            for (const char* name : {"Text8", "Text15", "Text17", "Text16"}) act.write(name, "");
            act.write("Text13", writeDouble(pSet.value()));
            Notice n{NoticeKind::NoDeviceSized, {}, static_cast<double>(q.W), static_cast<double>(q.P)};
            n.causes = noSizeCauses(act, use, capacity, q.P, q.A);
            return n;
        }

        const std::optional<StandardSize> size = standardSize(lift, d.value(), pSet.value());
        if (size) {
            const char* column = lift != LiftType::Full                        ? "微启式"
                                 : highPressureColumn(lift, pSet.value()) ? "全启式，p_set > 6.4 MPa 一栏"
                                                                          : "全启式，p_set ≤ 6.4 MPa 一栏";
            act.step({"标准喉径和公称管径", "d0 / DN", column,
                      "d = " + numberText(d) + " ≤ " + writeInteger(*sizeBound(lift, d.value())),
                      writeInteger(size->throat) + " / " + writeInteger(size->nominal), "mm"});
            act.record().throatCheck = checkThroat(act, lift, q.A, size->throat, q.Pi, phiRad);
        }
        writeCapacity(act, memory, q.W, typedCapacity);
        act.write("Text8", writeSingle(q.A));
        act.write("Text15", writeDouble(d.value()));
        act.write("Text17", size ? writeInteger(size->throat) : "");
        act.write("Text16", size ? writeInteger(size->nominal) : "");
        act.write("Text13", writeDouble(pSet.value()));
        if (!size) {
            return Notice{NoticeKind::ThroatAboveStandard, {}, d.value(),
                          static_cast<double>(lift == LiftType::Full ? kLargestFullLiftThroat : kLargestLowLiftThroat)};
        }
        return Done{};
    });
    return finishCalculate(act, memory, std::move(outcome));
}

}  // namespace orvane::valve
