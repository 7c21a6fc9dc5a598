#include "steps.h"

#include <string>

#include "engine/area.h"
#include "engine/media.h"
#include "engine/number_text.h"
#include "messages.h"

namespace orvane {

std::string numberText(Real x) { return writeDouble(x.value()); }
std::string numberText(float x) { return writeSingle(x); }

CaseUse caseOf(const Case& c) {
    CaseUse use;
    use.mediumType = c.text(Field::ReliefCase);
    use.shape = c.text(Field::VesselShape);
    use.location = c.text(Field::Location);
    use.phase = c.text(Field::Phase);
    use.reliefCase = reliefCaseOf(use.mediumType);
    use.gasEquations = use.phase != kPhaseSaturated && use.phase != kPhaseLiquid;
    use.computeCapacity = !capacityTyped(c);
    return use;
}

bool capacityTyped(const Case& c) { return c[Field::ReliefCapacity].typed(); }

std::optional<Notice> reliefCaseNotice(Sizing& s, const CaseUse& use) {
    // A case without a wetted height is given any height but 0 [equivalent mutants: constant].
    const Real h = use.usesHeight() ? s.number(Field::WettedHeight) : Real(1);
    return reliefCaseNotice(use.mediumType, use.shape, h);
}

CaseFields readCaseFields(Sizing& s, ProgramValues& shared, const CaseUse& use) {
    const auto read = [&s](Field f, bool used) { return used ? s.input(f) : s.number(f); };
    CaseFields f;
    f.tRelief = read(Field::ReliefTemperature, use.insulated());
    f.D = read(Field::VesselDiameter, use.fire());
    f.L = read(Field::VesselLength, use.usesLength());
    shared.LatentHeat = read(Field::LatentHeat, use.fire());
    f.delta = read(Field::InsulationThickness, use.insulated());
    f.lambda = read(Field::InsulationConductivity, use.insulated());
    f.dInlet = read(Field::InletDiameter, use.compressedGas());
    f.v = read(Field::InletVelocity, use.compressedGas());
    shared.DesignTemperature = read(Field::DesignTemperature, use.designTemperature);
    f.h = read(Field::WettedHeight, use.usesHeight());
    return f;
}

void readProperties(Sizing& s, SizingQuantities& q, PropertiesUsed used) {
    const auto read = [&s](Field f, bool recorded) { return recorded ? s.inputSingle(f) : s.single(f); };
    q.M = read(Field::MolarMass, used.M);
    q.Z = read(Field::Compressibility, used.Z);
    q.k = read(Field::AdiabaticExponent, used.k);
    q.C = read(Field::GasCoefficient, used.C);
}

void recordCase(Sizing& s, const CaseUse& use) {
    s.choice(Field::Medium);
    s.choice(Field::ReliefCase);
    if (use.fire()) s.choice(Field::VesselShape);
    // The location's factor F enters the uninsulated case only.
    if (use.fire() && use.reliefCase == ReliefCase::Uninsulated) s.choice(Field::Location);
    s.use(Field::Phase);  // it chooses the area equation
    if (!s.steps()) return;  // the properties with their sources are for the record's readers
    for (Field f : {Field::Phase, Field::MolarMass, Field::AdiabaticExponent, Field::GasCoefficient,
                    Field::Compressibility, Field::LatentHeat}) {
        const CaseValue& v = s.kase()[f];
        s.record().properties.push_back({f, v.text, v.source, v.origin});
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

Capacity reliefCapacity(Sizing& s, const CaseUse& use, const CaseFields& f, Real Rho, Real q) {
    Capacity w;
    if (use.reliefCase == ReliefCase::CompressedGas) {
        s.at(Step::ReliefCapacity, {Field::InletDiameter, Field::InletVelocity});
        w.W = reliefCompressedGas(Rho, f.v, f.dInlet);
        s.step([&] {
            return RecordStep{"安全泄放量（压缩气或蒸气）", "W", "W = 2.83×10⁻³ × ρ × v × d²",
                              "0.00283 × " + numberText(Rho) + " × " + numberText(f.v) + " × " +
                                  numberText(f.dInlet) + "²",
                              numberText(w.W), "kg/h"};
        });
        return w;
    }
    std::vector<Field> check = {Field::VesselDiameter};
    if (use.usesLength()) check.push_back(Field::VesselLength);
    if (use.usesHeight()) check.push_back(Field::WettedHeight);
    check.push_back(Field::LatentHeat);
    if (use.reliefCase == ReliefCase::Uninsulated) {
        s.at(Step::ReliefCapacity, check, "容器尺寸不能为负数，气化潜热不能为零");
    } else {
        check.insert(check.end(), {Field::InsulationThickness, Field::InsulationConductivity, Field::ReliefTemperature});
        s.at(Step::ReliefCapacity, check, "容器尺寸不能为负数，气化潜热和保温厚度不能为零");
    }
    // Shape and location are both evaluated for either fire case.
    w.Ar = heatedArea(use.shape, f.D, f.L, f.h);
    s.step([&] { return heatedAreaStep(use.shape, f.D, f.L, f.h, w.Ar); });
    w.F = locationFactor(use.location);
    if (use.reliefCase == ReliefCase::Uninsulated) {
        s.step([&] { return RecordStep{"安装位置系数", "F", "F（" + use.location + "）", "—", numberText(w.F), ""}; });
        w.W = reliefUninsulated(w.Ar, w.F, q);
        s.step([&] {
            return RecordStep{"安全泄放量（无保温液化气）", "W", "W = 2.55×10⁵ × F × A_r^0.82 / q",
                              numberText(w.Ar) + "^0.82 × (" + numberText(w.F) + " × 255000) / " + numberText(q),
                              numberText(w.W), "kg/h"};
        });
    } else {
        w.W = reliefInsulated(w.Ar, f.lambda, f.tRelief, f.delta, q);
        s.step([&] {
            return RecordStep{"安全泄放量（有保温液化气）", "W",
                              "W = 2.61 × (650 − t) × λ × A_r^0.82 / (δ × q)，δ 以 m 计",
                              numberText(w.Ar) + "^0.82 × (" + numberText(f.lambda) + " × ((650 − " +
                                  numberText(f.tRelief) + ") × 2.61)) / (" + numberText(f.delta) + " / 1000) / " +
                                  numberText(q),
                              numberText(w.W), "kg/h"};
        });
    }
    return w;
}

bool saturatedSteamArea(Sizing& s, SizingQuantities& q, std::initializer_list<Field> check) {
    s.at(Step::DischargeArea, check, "泄放压力不能为零");
    if (q.P <= 10.0f) {
        s.step([&] {
            return RecordStep{"面积公式", "—", "饱和蒸汽，P ≤ 10 MPa", numberText(q.P) + " ≤ 10",
                              "A = W / (5.25 × K × P)", ""};
        });
        Mianji3(q);
        s.step([&] {
            return RecordStep{"安全泄放面积", "A", "A = W / (5.25 × K × P)",
                              numberText(q.W) + " / 5.25 / " + numberText(q.K) + " / " + numberText(q.P),
                              numberText(q.A), "mm²"};
        });
        return true;
    }
    if (q.P <= 22.0f) {
        s.step([&] {
            return RecordStep{"面积公式", "—", "饱和蒸汽，10 MPa < P ≤ 22 MPa", "10 < " + numberText(q.P) + " ≤ 22",
                              "A = W / (5.25 × K × P) × (229.2P − 7315) / (190.6P − 6895)", ""};
        });
        Mianji4(q);
        s.step([&] {
            const std::string p = numberText(q.P);
            return RecordStep{"安全泄放面积", "A", "A = W / (5.25 × K × P) × (229.2 × P − 7315) / (190.6 × P − 6895)",
                              numberText(q.W) + " / 5.25 / " + numberText(q.K) + " / " + p + " × (229.2 × " + p +
                                  " − 7315) / (190.6 × " + p + " − 6895)",
                              numberText(q.A), "mm²"};
        });
        return true;
    }
    return false;
}

void criticalGasArea(Sizing& s, SizingQuantities& q) {
    Mianji1(q);
    s.step([&] {
        return RecordStep{"安全泄放面积（临界）", "A", "A = W / (0.076 × C × K × P × √(M / (Z × T)))",
                          numberText(q.W) + " / 0.076 / " + numberText(q.C) + " / " + numberText(q.K) + " / " +
                              numberText(q.P) + " / √(" + numberText(q.M) + " / " + numberText(q.zValue()) + " / " +
                              numberText(q.T) + ")",
                          numberText(q.A), "mm²"};
    });
}

std::vector<Field> capacityInputs(const CaseUse& use) {
    if (!use.computeCapacity) return {Field::ReliefCapacity};
    if (use.reliefCase == ReliefCase::CompressedGas) {
        std::vector<Field> fields = {Field::InletDiameter, Field::InletVelocity};
        if (use.densityField) fields.push_back(Field::GasDensity);
        return fields;
    }
    std::vector<Field> fields = {Field::VesselDiameter};
    if (use.usesLength()) fields.push_back(Field::VesselLength);
    if (use.usesHeight()) fields.push_back(Field::WettedHeight);
    fields.push_back(Field::LatentHeat);
    if (use.insulated()) {
        fields.insert(fields.end(), {Field::ReliefTemperature, Field::InsulationThickness, Field::InsulationConductivity});
    }
    return fields;
}

bool somethingToSize(float W, float A, float P) {
    if (A <= 0.0f) return false;  // also W > 0 with an area too small for a float
    // W = 0 gives A = 0, and P = 0 is a division by zero in the area step before this, so for W and
    // P only the sign decides [equivalent mutants: comparison].
    return W > 0.0f && P > 0.0f;
}

std::vector<std::string> noSizeCauses(Sizing& s, const CaseUse& use, const Capacity& w, float P, float A) {
    std::vector<std::string> causes;
    // P = 0 is a division by zero in the area step before this [equivalent mutants: comparison].
    if (P <= 0.0f) {
        causes.push_back("泄放压力（绝压）P = " + writeSingle(P) + " MPa，不大于零：请检查“" +
                         s.description().caption(Field::WorkingPressure) + "”");
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
        for (const RecordInput& in : s.record().inputs) {
            if (!in.readAsZero && in.number == 0) causes.push_back("“" + s.description().caption(in.field) + "”为 0");
        }
        if (use.insulated()) {
            if (const RecordInput* t = s.record().input(Field::ReliefTemperature);
                t != nullptr && readNumber(t->text) >= 650) {
                causes.push_back("泄放温度 " + writeDouble(t->number) + " ℃ 不低于 650 ℃，有保温容器的吸热量不大于零");
            }
        }
    } else if (A <= 0.0f) {
        causes.push_back("安全泄放面积 A = " + writeSingle(A) + " mm²，不大于零");
    }
    if (causes.empty() && s.readAsZero().empty()) {
        causes.push_back("安全泄放量 W = " + writeSingle(w.W) + " kg/h，不大于零");
    }
    return causes;
}

void writeCapacity(Sizing& s, float W, bool typed) {
    s.write(Field::ReliefCapacity, writeSingle(W), typed ? Source::Typed : Source::Computed);
}

namespace {

// The texts the derivation of a case rests on: those of its last input parameters, or before the
// first one the window as it opens.
std::vector<std::pair<Field, std::string>> basisOf(const Case& c, const Description& d) {
    if (c.derived.serial > 0 || !c.derived.basis.empty()) return c.derived.basis;
    std::vector<std::pair<Field, std::string>> atOpen;
    for (Field f : d.derivationInputs()) atOpen.emplace_back(f, d.info(f).defaultText);
    return atOpen;
}

}  // namespace

std::optional<Notice> staleDerivation(const Case& c, const Description& d) {
    if (const std::optional<Mismatch>& m = c.derived.mismatch) {
        Notice n{NoticeKind::DerivationDiffers, m->what};
        n.before = m->stored;
        n.after = m->again;
        return n;
    }
    for (const auto& [field, before] : basisOf(c, d)) {
        const std::string& now = c.text(field);
        if (now == before) continue;
        Notice n{NoticeKind::InputsChanged, field == Field::DeviceType ? d.optionGroup() : d.caption(field)};
        n.before = before;
        n.after = now;
        return n;
    }
    return std::nullopt;
}

void finishSizing(Sizing& s) {
    CalculationRecord& record = s.record();
    if (std::holds_alternative<FaultReport>(record.outcome) || record.results.empty()) return;
    // A result computed with inputs that were read as 0 is not given without a word.
    const std::vector<ZeroRead> zeros = s.readAsZero();
    if (isDone(record.outcome) && !zeros.empty()) record.outcome = Notice{NoticeKind::ReadAsZero};
    if (auto* notice = std::get_if<Notice>(&record.outcome)) {
        notice->readAsZero = zeros;
        record.notices.push_back(describe(record.outcome).text);
    }
    const Derived& derived = s.kase().derived;
    record.derivation = derived.steps;
    record.derivationInputs = derived.basis;
    record.derivationSerial = derived.serial;
}

}  // namespace orvane
