#include "disc_calculation.h"

#include <algorithm>
#include <array>
#include <string>

#include "disc_controls.h"
#include "engine/area.h"
#include "engine/media.h"
#include "engine/number_text.h"
#include "engine/relief_capacity.h"
#include "form/action.h"
#include "form/case_fields.h"

namespace orvane::disc {

namespace {
constexpr std::string_view kWettedHeight = "Text25";
// Nominal pipe sizes, mm, from the largest down: the last one not below the bore wins.
constexpr std::array<int, 13> kNominalSizes = {200, 150, 125, 100, 80, 65, 50, 40, 32, 25, 20, 15, 10};
static_assert(std::ranges::adjacent_find(kNominalSizes, std::ranges::less_equal{}) == kNominalSizes.end());
}  // namespace

std::string_view selectedDiscType(const Form& form) {
    // One option of the group is always selected: the first unless another one is.
    for (std::size_t i = 1; i < kDiscTypeOptions.size(); ++i) {
        if (form.isSelected(kDiscTypeOptions[i])) return kDiscTypeOptions[i];
    }
    return kDiscTypeOptions[0];
}

std::string_view discTypeCaption(const Form& form) {
    const ControlRow* c = windowTable().find(selectedDiscType(form));
    return c != nullptr ? c->text : std::string_view();
}

Real bore(float A, float pi) { return 2 * sqrt(Real(A) / pi); }

std::optional<int> nominalSize(double boreMm) {
    std::optional<int> size;
    for (int n : kNominalSizes) {
        if (boreMm <= n) size = n;
    }
    return size;
}

Outcome calculate(Form& form, DiscQuantities& q, ProgramValues& shared) {
    Action act(form, windowTable());
    CalculatorMemory& memory = q.memory;
    Outcome outcome = act.run([&]() -> Outcome {
        form.refresh();
        if (auto change = changedSinceInputParameters(form, memory, windowTable(), kDerivationInputs)) {
            return inputsChanged(act, memory, kDerivationInputs, "爆破片型式", *change);
        }
        CaseUse use = caseOf(form, kWettedHeight);
        const bool typedCapacity = capacityTyped(form.text("Text7"), memory);
        use.computeCapacity = !typedCapacity;
        use.designTemperature = use.computeCapacity || use.gasEquations;
        if (use.computeCapacity) {
            if (auto notice = reliefCaseNotice(act, use)) return *notice;
        }
        recordCase(act, use, memory);
        act.choice(selectedDiscType(form), std::string(discTypeCaption(form)));
        act.choice("Combo5", form.text("Combo5"));
        act.record().device = Device::BurstingDisc;
        act.record().typedCapacity = typedCapacity;

        // Inputs; the working pressure is shown only (a liquefied case rewrites it below).
        q.Pi = kWindowPi;
        const CaseFields fields = readCaseFields(act, shared, use);
        readProperties(act, q, use.gasEquations || use.computeCapacity);
        q.K = kDiscCoefficient;
        const Real tDesign = *shared.DesignTemperature;
        if (typedCapacity) q.W = act.inputSingle("Text7");
        act.step({"排放系数", "K", "K（爆破片）", "—", numberText(q.K), ""});
        act.step({"设计爆破压力", "Pb", "由“输入参数项”确定", "—", numberText(q.Pb), "MPa"});

        Capacity capacity{q.W};
        if (typedCapacity) {
            act.step({"安全泄放量", "W", "W 为输入值", "—", numberText(q.W), "kg/h"});
        } else {
            if (use.mediumType != kCaseCompressedGas) {
                act.at(Step::Pressures);
                const std::string working = writeDouble((Real(q.Pd) / 1.1).value());
                act.step({"工作压力", "p_w", "p_w = Pd / 1.1", numberText(q.Pd) + " / 1.1", working, "MPa"});
                // The program's own text: no change of the inputs of input parameters.
                if (!memory.basis) memory.basis = textsAtOpen(windowTable(), kDerivationInputs);
                for (auto& [name, text] : *memory.basis) {
                    if (name == "Text2") text = working;
                }
                form.setText("Text2", working);
            }
            act.at(Step::Pressures, {"Text24"}, "设计温度不能低于 -273 ℃");
            q.T = toSingle(273 + tDesign);
            act.step({"气体温度", "T", "T = 273 + t", "273 + " + numberText(tDesign), numberText(q.T), "K"});
            act.at(Step::GasDensity, {"Text11", "Text24"}, "设计温度不能为 -273 ℃");
            const Real pRelief = Real(q.Pb) + 0.1;
            q.Rho = gasDensity(q.M, pRelief, q.T);
            act.step({"气体密度", "ρ", "ρ = M × 121.9 × (Pb + 0.1) / T",
                      numberText(q.M) + " × 121.9 × " + numberText(pRelief) + " / " + numberText(q.T),
                      numberText(q.Rho), "kg/m³"});
            form.setText("Text14", writeSingle(q.Rho));
            capacity = reliefCapacity(act, use, fields, q.Rho, *shared.LatentHeat);
            q.W = capacity.W;
        }
        act.at(Step::Pressures, {"Text24"}, "设计温度不能低于 -273 ℃");
        q.T = toSingle(273 + tDesign);

        // Discharge area by phase; there is no back pressure here, so gas flow is critical.
        bool areaApplies = true;
        if (use.phase == kPhaseLiquid) {
            areaApplies = false;
        } else {
            q.P = toSingle(Real(q.Pb) + 0.1);
            act.step({"泄放压力（绝压）", "P", "P = Pb + 0.1", numberText(q.Pb) + " + 0.1", numberText(q.P), "MPa"});
            if (use.phase != kPhaseSaturated) {
                act.step({"面积公式", "—", "气体，无背压，按临界流动", "—", "A = W / (0.076 × C × K × P × √(M / (Z × T)))", ""});
                act.at(Step::DischargeArea, {"Text10", "Text11", "Text12", "Text24"}, "C、M、Z 不能为零");
                criticalGasArea(act, q);
            } else {
                areaApplies = saturatedSteamArea(act, q, {"Text7"});
            }
        }
        const auto writePressures = [&] {
            act.write("Text13", writeSingle(q.Pb));
            act.write("Text3", writeSingle(q.Pd));
        };
        if (!areaApplies) {
            writeCapacity(act, memory, q.W, typedCapacity);
            for (const char* name : {"Text8", "Text15", "Text16"}) act.write(name, "");
            writePressures();
            return Notice{NoticeKind::NoAreaEquation, use.phase, static_cast<double>(q.P)};
        }

        act.at(Step::Bore, capacityInputs(use), "安全泄放量不能为负数");
        const Real d = bore(q.A, q.Pi);
        act.step({"计算口径", "d", "d = 2 × √(A / π)", "2 × √(" + numberText(q.A) + " / " + numberText(q.Pi) + ")",
                  numberText(d), "mm"});

        if (!somethingToSize(q.W, q.A, q.P)) {
            writeCapacity(act, memory, q.W, typedCapacity);
            for (const char* name : {"Text8", "Text15", "Text16"}) act.write(name, "");
            writePressures();
            Notice n{NoticeKind::NoDeviceSized, {}, static_cast<double>(q.W), static_cast<double>(q.P)};
            n.causes = noSizeCauses(act, use, capacity, q.P, q.A);
            return n;
        }

        const std::optional<int> size = nominalSize(d.value());
        act.step({"公称管径", "DN", "不小于计算口径的最小公称管径", "d = " + numberText(d),
                  size ? writeInteger(*size) : "大于 DN 200", "mm"});
        writeCapacity(act, memory, q.W, typedCapacity);
        act.write("Text8", writeSingle(q.A));
        act.write("Text15", writeDouble(d.value()));
        act.write("Text16", size ? writeInteger(*size) : "");
        writePressures();
        return Done{};
    });
    return finishCalculate(act, memory, std::move(outcome));
}

}  // namespace orvane::disc
