#include "case_fields.h"

#include <string>

#include "engine/area.h"
#include "engine/media.h"
#include "engine/number_text.h"
#include "messages.h"

namespace orvane {

std::string numberText(Real x) { return writeDouble(x.value()); }
std::string numberText(float x) { return writeSingle(x); }

CaseUse caseOf(const Form& form, std::string_view wettedHeightField) {
    CaseUse use;
    use.mediumType = form.text("Combo2");
    use.shape = form.text("Combo3");
    use.location = form.text("Combo4");
    use.phase = form.text("Text1");
    use.reliefCase = reliefCaseOf(use.mediumType);
    use.gasEquations = use.phase != kPhaseSaturated && use.phase != kPhaseLiquid;
    use.wettedHeightField = wettedHeightField;
    return use;
}

std::optional<Notice> reliefCaseNotice(Action& act, const CaseUse& use) {
    // A case without a wetted height is given any height but 0 [equivalent mutants: constant].
    const Real h = use.usesHeight() ? act.number(use.wettedHeightField) : Real(1);
    return reliefCaseNotice(use.mediumType, use.shape, h);
}

CaseFields readCaseFields(Action& act, ProgramValues& shared, const CaseUse& use) {
    const auto read = [&act](std::string_view name, bool used) { return used ? act.input(name) : act.number(name); };
    CaseFields f;
    f.tRelief = read("Text21", use.insulated());
    f.D = read("Text19", use.fire());
    f.L = read("Text20", use.usesLength());
    shared.LatentHeat = read("Text18", use.fire());
    f.delta = read("Text22", use.insulated());
    f.lambda = read("Text23", use.insulated());
    f.dInlet = read("Text5", use.compressedGas());
    f.v = read("Text6", use.compressedGas());
    shared.DesignTemperature = read("Text24", use.designTemperature);
    f.h = read(use.wettedHeightField, use.usesHeight());
    return f;
}

void readProperties(Action& act, SizingQuantities& q, bool used) {
    const auto read = [&act, used](std::string_view name) { return used ? act.inputSingle(name) : act.single(name); };
    q.M = read("Text11");
    q.Z = read("Text12");
    q.k = read("Text9");
    q.C = read("Text10");
}

namespace {

struct PropertyField {
    std::string_view field;
    std::string_view symbol;
};
constexpr PropertyField kProperties[] = {{"Text1", "形态"}, {"Text11", "M"}, {"Text9", "k"},
                                         {"Text10", "C"},   {"Text12", "Z"}, {"Text18", "q"}};

}  // namespace

void recordCase(Action& act, const CaseUse& use, const CalculatorMemory& memory) {
    Form& form = act.form();
    act.choice("Combo1", form.text("Combo1"));
    act.choice("Combo2", use.mediumType);
    if (use.fire()) {
        act.choice("Combo3", use.shape);
        act.choice("Combo4", use.location);
    }
    for (const PropertyField& p : kProperties) {
        const std::string text = form.text(p.field);
        bool fromCatalogue = false;
        for (const auto& [name, written] : memory.catalogue) {
            if (name == p.field) fromCatalogue = written == text;
        }
        const ControlRow* c = act.table().find(p.field);
        act.record().properties.push_back({.field = std::string(p.field),
                                           .symbol = std::string(p.symbol),
                                           .caption = act.caption(p.field),
                                           .text = text,
                                           .unit = c != nullptr ? std::string(c->unit) : std::string(),
                                           .source = fromCatalogue ? PropertySource::Catalogue : PropertySource::User});
    }
}

namespace {

RecordStep heatedAreaStep(std::string_view shape, Real D, Real L, Real h, Real Ar) {
    RecordStep s{"受热面积", "A_r", {}, {}, numberText(Ar), "m²"};
    const std::string d = numberText(D);
    if (shape == kShapeEllipticalHeads) {
        s.equation = "A_r = 3.14 × D × (L + 0.3 × D) / 10^6";
        s.substituted = "3.14 × " + d + " × (" + numberText(L) + " + 0.3 × " + d + ") / 10^6";
    } else if (shape == kShapeHemisphericalHeads) {
        s.equation = "A_r = 3.14 × D × L / 10^6";
        s.substituted = "3.14 × " + d + " × " + numberText(L) + " / 10^6";
    } else if (shape == kShapeVertical) {
        s.equation = "A_r = 3.14 × D × h / 10^6";
        s.substituted = "3.14 × " + d + " × " + numberText(h) + " / 10^6";
    } else if (shape == kShapeSphere) {
        s.equation = "A_r = 1.57 × D² / 10^6";
        s.substituted = "1.57 × " + d + "² / 10^6";
    } else {
        s.equation = "A_r = 0（容器形状“" + std::string(shape) + "”不在列表中）";
        s.substituted = "—";
    }
    return s;
}

}  // namespace

Capacity reliefCapacity(Action& act, const CaseUse& use, const CaseFields& f, Real Rho, Real q) {
    Capacity w;
    if (use.reliefCase == ReliefCase::CompressedGas) {
        act.at(Step::ReliefCapacity, {"Text5", "Text6"});
        w.W = reliefCompressedGas(Rho, f.v, f.dInlet);
        act.step({"安全泄放量（压缩气或蒸气）", "W", "W = 2.83×10⁻³ × ρ × v × d²",
                  "0.00283 × " + numberText(Rho) + " × " + numberText(f.v) + " × " + numberText(f.dInlet) + "²",
                  numberText(w.W), "kg/h"});
        return w;
    }
    std::vector<std::string_view> check = {"Text19"};
    if (use.usesLength()) check.push_back("Text20");
    if (use.usesHeight()) check.push_back(use.wettedHeightField);
    check.push_back("Text18");
    if (use.reliefCase == ReliefCase::Uninsulated) {
        act.at(Step::ReliefCapacity, check, "容器尺寸不能为负数，气化潜热不能为零");
    } else {
        check.insert(check.end(), {"Text22", "Text23", "Text21"});
        act.at(Step::ReliefCapacity, check, "容器尺寸不能为负数，气化潜热和保温厚度不能为零");
    }
    // Shape and location are both evaluated for either fire case.
    w.Ar = heatedArea(use.shape, f.D, f.L, f.h);
    act.step(heatedAreaStep(use.shape, f.D, f.L, f.h, w.Ar));
    w.F = locationFactor(use.location);
    if (use.reliefCase == ReliefCase::Uninsulated) {
        act.step({"安装位置系数", "F", "F（" + use.location + "）", "—", numberText(w.F), ""});
        w.W = reliefUninsulated(w.Ar, w.F, q);
        act.step({"安全泄放量（无保温液化气）", "W", "W = 2.55×10⁵ × F × A_r^0.82 / q",
                  numberText(w.Ar) + "^0.82 × (" + numberText(w.F) + " × 255000) / " + numberText(q), numberText(w.W),
                  "kg/h"});
    } else {
        w.W = reliefInsulated(w.Ar, f.lambda, f.tRelief, f.delta, q);
        act.step({"安全泄放量（有保温液化气）", "W", "W = 2.61 × (650 − t) × λ × A_r^0.82 / (δ × q)，δ 以 m 计",
                  numberText(w.Ar) + "^0.82 × (" + numberText(f.lambda) + " × ((650 − " + numberText(f.tRelief) +
                      ") × 2.61)) / (" + numberText(f.delta) + " / 1000) / " + numberText(q),
                  numberText(w.W), "kg/h"});
    }
    return w;
}

bool saturatedSteamArea(Action& act, SizingQuantities& q, std::initializer_list<std::string_view> check) {
    act.at(Step::DischargeArea, check, "泄放压力不能为零");
    if (q.P <= 10.0f) {
        act.step({"面积公式", "—", "饱和蒸汽，P ≤ 10 MPa", numberText(q.P) + " ≤ 10", "A = W / (5.25 × K × P)", ""});
        Mianji3(q);
        act.step({"安全泄放面积", "A", "A = W / (5.25 × K × P)",
                  numberText(q.W) + " / 5.25 / " + numberText(q.K) + " / " + numberText(q.P), numberText(q.A), "mm²"});
        return true;
    }
    if (q.P <= 22.0f) {
        act.step({"面积公式", "—", "饱和蒸汽，10 MPa < P ≤ 22 MPa", "10 < " + numberText(q.P) + " ≤ 22",
                  "A = W / (5.25 × K × P) × (229.2P − 7315) / (190.6P − 6895)", ""});
        Mianji4(q);
        const std::string p = numberText(q.P);
        act.step({"安全泄放面积", "A", "A = W / (5.25 × K × P) × (229.2 × P − 7315) / (190.6 × P − 6895)",
                  numberText(q.W) + " / 5.25 / " + numberText(q.K) + " / " + p + " × (229.2 × " + p + " − 7315) / (190.6 × " +
                      p + " − 6895)",
                  numberText(q.A), "mm²"});
        return true;
    }
    return false;
}

void criticalGasArea(Action& act, SizingQuantities& q) {
    Mianji1(q);
    act.step({"安全泄放面积（临界）", "A", "A = W / (0.076 × C × K × P × √(M / (Z × T)))",
              numberText(q.W) + " / 0.076 / " + numberText(q.C) + " / " + numberText(q.K) + " / " + numberText(q.P) +
                  " / √(" + numberText(q.M) + " / " + numberText(q.zValue()) + " / " + numberText(q.T) + ")",
              numberText(q.A), "mm²"});
}

std::vector<std::string_view> capacityInputs(const CaseUse& use) {
    if (!use.computeCapacity) return {"Text7"};
    if (use.reliefCase == ReliefCase::CompressedGas) {
        std::vector<std::string_view> fields = {"Text5", "Text6"};
        if (use.densityField) fields.push_back("Text14");
        return fields;
    }
    std::vector<std::string_view> fields = {"Text19"};
    if (use.usesLength()) fields.push_back("Text20");
    if (use.usesHeight()) fields.push_back(use.wettedHeightField);
    fields.push_back("Text18");
    if (use.insulated()) fields.insert(fields.end(), {"Text21", "Text22", "Text23"});
    return fields;
}

bool somethingToSize(float W, float A, float P) {
    if (A <= 0.0f) return false;  // also W > 0 with an area too small for a float
    // W = 0 gives A = 0, and P = 0 is a division by zero in the area step before this, so for W and
    // P only the sign decides [equivalent mutants: comparison].
    return W > 0.0f && P > 0.0f;
}

std::vector<std::string> noSizeCauses(Action& act, const CaseUse& use, const Capacity& w, float P, float A) {
    std::vector<std::string> causes;
    // P = 0 is a division by zero in the area step before this [equivalent mutants: comparison].
    if (P <= 0.0f) {
        causes.push_back("泄放压力（绝压）P = " + writeSingle(P) + " MPa，不大于零：请检查“" + act.caption("Text2") +
                         "”");
    }
    if (w.W <= 0.0f) {
        if (!use.computeCapacity) {
            causes.push_back("安全泄放量为输入值 " + writeSingle(w.W) + " kg/h");
        } else if (use.fire()) {
            if (w.F.value() == 0.0) {
                causes.push_back("安装位置“" + use.location +
                                 "”的位置系数 F = 0：埋于地下的容器不考虑火灾工况，安全泄放量为 0");
            }
            if (w.Ar.value() <= 0.0) {
                if (!(use.shape == kShapeEllipticalHeads || use.shape == kShapeHemisphericalHeads ||
                      use.shape == kShapeVertical || use.shape == kShapeSphere)) {
                    causes.push_back("容器形状“" + use.shape + "”不在列表中，受热面积 A_r 按 0 计算");
                } else {
                    causes.push_back("受热面积 A_r = " + numberText(w.Ar) + " m²：请检查容器尺寸");
                }
            }
        }
        for (const RecordInput& in : act.record().inputs) {
            if (!in.readAsZero && in.value == "0") causes.push_back("“" + in.caption + "”为 0");
        }
        if (use.insulated()) {
            if (const RecordInput* t = act.record().input("Text21"); t != nullptr && readNumber(t->text) >= 650) {
                causes.push_back("泄放温度 " + t->value + " ℃ 不低于 650 ℃，有保温容器的吸热量不大于零");
            }
        }
    } else if (A <= 0.0f) {
        causes.push_back("安全泄放面积 A = " + writeSingle(A) + " mm²，不大于零");
    }
    if (causes.empty() && act.readAsZero().empty()) {
        causes.push_back("安全泄放量 W = " + writeSingle(w.W) + " kg/h，不大于零");
    }
    return causes;
}

void writeCapacity(Action& act, CalculatorMemory& memory, float W, bool typed) {
    const std::string text = writeSingle(W);
    act.write("Text7", text);
    if (typed) {
        memory.programCapacity.reset();
    } else {
        memory.programCapacity = text;
    }
}

void applySteamRule(Form& form, std::string_view medium, std::string_view phaseField) {
    if (medium != kSteam) return;
    for (const char* name : {"Text9", "Text10", "Text12"}) form.setShown(name, false);
    if (phaseField == kPhaseGas) {
        form.setShown("Text10", true);
        form.setShown("Text12", true);
    }
}

void showProperties(Form& form, const SizingQuantities& q, const ProgramValues& shared, CalculatorMemory& memory) {
    form.setText("Text1", shared.PhaseText.value_or(""));
    form.setText("Text9", writeSingle(q.k));
    form.setText("Text10", writeSingle(q.C));
    form.setText("Text11", writeSingle(q.M));
    form.setText("Text12", q.Z ? writeSingle(*q.Z) : "");
    form.setText("Text18", shared.LatentHeat ? writeDouble(*shared.LatentHeat) : "");
    memory.catalogue = readTexts(form, kPropertyFields);
}

Notice inputsChanged(Action& act, const CalculatorMemory& memory, std::span<const std::string_view> fields,
                     std::string_view optionGroup, const Change& change) {
    if (!change.field.starts_with("Option")) {
        Notice n{NoticeKind::InputsChanged, act.caption(change.field)};
        n.before = change.before;
        n.after = change.after;
        return n;
    }
    // An option group is named by the captions of the options chosen then and now.
    Notice n{NoticeKind::InputsChanged, std::string(optionGroup)};
    const FieldTexts basis = memory.basis ? *memory.basis : textsAtOpen(act.table(), fields);
    for (const auto& [name, text] : basis) {
        if (name.starts_with("Option") && text == "1") n.before = act.caption(name);
    }
    for (std::string_view name : fields) {
        if (name.starts_with("Option") && act.form().isSelected(name)) n.after = act.caption(name);
    }
    return n;
}

Outcome finishCalculate(Action& act, CalculatorMemory& memory, Outcome outcome) {
    CalculationRecord& record = act.record();
    if (std::holds_alternative<FaultReport>(outcome) || record.results.empty()) {
        memory.record.reset();
        return outcome;
    }
    // A result computed with inputs that were read as 0 is not given without a word.
    if (isDone(outcome) && !act.readAsZero().empty()) outcome = Notice{NoticeKind::ReadAsZero};
    if (auto* notice = std::get_if<Notice>(&outcome)) {
        notice->readAsZero = act.readAsZero();
        record.notices.push_back(describe(outcome, act.table()).text);
    }
    record.derivation = memory.derivation;
    if (memory.basis) {
        for (const auto& [name, text] : *memory.basis)
            record.derivationInputs.push_back({name, act.caption(name), text});
    }
    record.derivationSerial = memory.derivationSerial;
    memory.record = record;
    return outcome;
}

}  // namespace orvane
