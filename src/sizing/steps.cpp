#include "steps.h"

#include <algorithm>
#include <string>

#include "engine/area.h"
#include "engine/media.h"
#include "engine/number_text.h"
#include "formula.h"
#include "messages.h"

namespace orvane {

std::string numberText(Real x) { return writeRounded(x.value(), 7); }
std::string numberText(float x) { return writeSingle(x); }

RecordStep computedStep(std::string name, std::string symbol, std::string equation, const Term& substituted,
                        double actual, std::string unit, std::string note) {
    return RecordStep{std::move(name),  std::move(symbol), std::move(equation), substituted.text(),
                      printedResult(actual, substituted.evaluated()), std::move(unit), std::move(note)};
}

std::optional<Notice> readDeviceCount(Sizing& s, int& n) {
    n = 1;
    const std::string& text = s.text(Field::DeviceCount);
    if (text.empty()) return std::nullopt;
    std::optional<int> whole;
    if (wholeNumberText(text)) whole = wholeNumber(s.input(Field::DeviceCount), 1, kMostDevices);
    if (!whole) return Notice{NoticeKind::BadDeviceCount, text};
    n = *whole;
    return std::nullopt;
}

float perDevice(Sizing& s, float W, int n, std::string_view each) {
    if (n == 1) return W;
    const float w = toSingle(Real(W) / n);
    s.step([&] {
        return computedStep(std::string(each) + "的泄放量", "W_1", "W_1 = W / n", Term::value(W) / Term::whole(n), w,
                            "kg/h", "n = " + writeInteger(n) + "：安全泄放量由 n 个装置分担，以下面积和尺寸为" + std::string(each));
    });
    return w;
}

void suggestDeviceCount(CalculationRecord& record, const Case& c, const ProgramValues& shared,
                        CalculationRecord (*sizeOnce)(const Case&, ProgramValues&, Detail),
                        std::string (*sizeEach)(const CalculationRecord&)) {
    Notice* n = std::get_if<Notice>(&record.outcome);
    if (n == nullptr || (n->kind != NoticeKind::ThroatAboveStandard && n->kind != NoticeKind::BoreAboveStandard)) return;
    const std::string& count = c.text(Field::DeviceCount);
    const int from = count.empty() ? 1 : static_cast<int>(readNumber(count));  // a whole number: it was sized
    const auto sizedFor = [&](int m) {
        Case trial = c;
        trial[Field::DeviceCount] = CaseValue{writeInteger(m), Source::Typed, {}};
        ProgramValues scratch = shared;
        return sizeOnce(trial, scratch, Detail::ResultsOnly);
    };
    // Each device's share W / n, and so its area and size, only falls as n grows (every rounding on
    // the way keeps the order): the counts that are too few come first. The usual answer is a few
    // devices, so 1, 2, 4, 8 … more than the count sized are tried, then the last gap is halved: a
    // handful of sizings where counting up one by one would take up to a thousand.
    int low = from + 1;           // every count below it is too few
    int high = kMostDevices + 1;  // the fewest known to fit; past the range while none is known
    std::optional<CalculationRecord> atHigh;
    const auto fits = [&](int m) {
        CalculationRecord r = sizedFor(m);
        const Notice* again = std::get_if<Notice>(&r.outcome);
        if (again != nullptr && again->kind == n->kind) {
            low = m + 1;
            return false;
        }
        high = m;
        atHigh = std::move(r);
        return true;
    };
    for (int step = 1; low < high && !fits(std::min(from + step, kMostDevices)); step *= 2) {
    }
    while (low < high) fits(low + (high - low) / 2);
    if (atHigh && !atHigh->results.empty() && !std::holds_alternative<FaultReport>(atHigh->outcome)) {
        n->suggestedCount = high;
        n->suggestedSize = sizeEach(*atHigh);
    }
    if (!record.notices.empty()) record.notices.back() = describe(record.outcome).text;
}

RecordStep temperatureStep(Real t, float T) {
    return computedStep("气体温度", "T", "T = 273 + t", Term::constant("273", 273) + Term::value(t.value()), T, "K",
                        "273：程序常数，摄氏度换算为开尔文");
}

RecordStep densityStep(std::string equation, float M, const Term& P, float T, float rho) {
    return computedStep("气体密度", "ρ", std::move(equation),
                        Term::value(M) * Term::constant("121.9", 121.9) * P / Term::value(T), rho, "kg/m³",
                        "121.9：程序常数，理想气体状态方程 ρ = M × P / (R × T) 在 P 以 MPa（绝压）、T 以 K、"
                        "ρ 以 kg/m³ 计时的系数，未计压缩系数 Z");
}

bool designCheck(Sizing& s, std::string name, std::string condition, double left, std::string_view relation,
                 double right, std::string_view unit) {
    // Compared as printed: the values the printed texts read as (a table of cases wants only the
    // verdict of a check that holds, and no texts).
    const bool atMost = relation == "≤";
    const double a = roundedValue(left, 7), b = roundedValue(right, 7);
    const bool passed = atMost ? a <= b : a >= b;
    if (passed && !s.steps()) {
        s.record().checks.push_back({std::move(name), std::move(condition), {}, passed});
        return passed;
    }
    const std::string l = printed(left), r = printed(right);
    const std::string shown = passed ? std::string(relation) : (atMost ? ">" : "<");
    std::string numbers = l + " " + shown + " " + r;
    if (!unit.empty()) numbers += " " + std::string(unit);
    s.record().checks.push_back({std::move(name), std::move(condition), std::move(numbers), passed});
    return passed;
}

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

// Where the constants of the heated area come from.
constexpr const char* kPiOfTheStandard =
    "3.14：程序常数，受热面积公式中的 π 取 3.14（其余各处取 3.14159）；10^6：mm² 换算为 m²";

RecordStep heatedAreaStep(std::string_view shape, Real D, Real L, Real h, Real Ar) {
    const Term pi = Term::constant("3.14", 3.14), million = Term::constant("10^6", 1e6);
    const Term d = Term::value(D.value());
    if (shape == kShapeEllipticalHeads) {
        return computedStep("受热面积", "A_r", "A_r = 3.14 × D × (L + 0.3 × D) / 10^6",
                            pi * d * (Term::value(L.value()) + Term::constant("0.3", 0.3) * d) / million, Ar.value(),
                            "m²", std::string(kPiOfTheStandard) + "；0.3 × D：两个椭圆封头计入的长度");
    }
    if (shape == kShapeHemisphericalHeads) {
        return computedStep("受热面积", "A_r", "A_r = 3.14 × D × L / 10^6", pi * d * Term::value(L.value()) / million,
                            Ar.value(), "m²", kPiOfTheStandard);
    }
    if (shape == kShapeVertical) {
        return computedStep("受热面积", "A_r", "A_r = 3.14 × D × h / 10^6", pi * d * Term::value(h.value()) / million,
                            Ar.value(), "m²", std::string(kPiOfTheStandard) + "；h：最高液位高度");
    }
    if (shape == kShapeSphere) {
        return computedStep("受热面积", "A_r", "A_r = 1.57 × D² / 10^6",
                            Term::constant("1.57", 1.57) * squared(d) / million, Ar.value(), "m²",
                            "1.57：程序常数，取 π / 2 ≈ 1.57；10^6：mm² 换算为 m²");
    }
    return {"受热面积", "A_r", "A_r = 0（容器形状“" + std::string(shape) + "”不在列表中）", "—", numberText(Ar), "m²"};
}

}  // namespace

Capacity reliefCapacity(Sizing& s, const CaseUse& use, const CaseFields& f, Real Rho, Real q) {
    Capacity w;
    if (use.reliefCase == ReliefCase::CompressedGas) {
        s.at(Step::ReliefCapacity, {Field::InletDiameter, Field::InletVelocity});
        w.W = reliefCompressedGas(Rho, f.v, f.dInlet);
        s.step([&] {
            return computedStep(use.liquid() ? "安全泄放量（液体，进气管）" : "安全泄放量（压缩气或蒸气）", "W",
                                "W = 2.83×10⁻³ × ρ × v × d²",
                                Term::constant("0.00283", 0.00283) * Term::value(Rho.value()) * Term::value(f.v.value()) *
                                    squared(Term::value(f.dInlet.value())),
                                static_cast<double>(w.W), "kg/h",
                                "2.83×10⁻³ = 3600 × π / 4 × 10⁻⁶：进气管内的质量流量（d 以 mm、v 以 m/s 计，每小时），"
                                "GB 150-1998 附录B");
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
    const Term area = pow(Term::value(w.Ar.value()), Term::constant("0.82", 0.82));
    if (use.reliefCase == ReliefCase::Uninsulated) {
        s.step([&] {
            return RecordStep{"安装位置系数", "F", "F（" + use.location + "）", "—", numberText(w.F), "",
                              "表：安装位置系数 F，地面上无喷淋 1、地面上有喷淋 0.6、沙埋地面下 0.3，其他 0"};
        });
        w.W = reliefUninsulated(w.Ar, w.F, q);
        s.step([&] {
            return computedStep("安全泄放量（无保温液化气）", "W", "W = 2.55×10⁵ × F × A_r^0.82 / q",
                                area * (Term::value(w.F.value()) * Term::constant("255000", 255000)) / Term::value(q.value()),
                                static_cast<double>(w.W), "kg/h", "2.55×10⁵、0.82：GB 150-1998 附录B 公式常数");
        });
    } else {
        w.W = reliefInsulated(w.Ar, f.lambda, f.tRelief, f.delta, q);
        s.step([&] {
            return computedStep(
                "安全泄放量（有保温液化气）", "W", "W = 2.61 × (650 − t) × λ × A_r^0.82 / (δ × q)，δ 以 m 计",
                area *
                    (Term::value(f.lambda.value()) *
                     ((Term::constant("650", 650) - Term::value(f.tRelief.value())) * Term::constant("2.61", 2.61))) /
                    (Term::value(f.delta.value()) / Term::constant("1000", 1000)) / Term::value(q.value()),
                static_cast<double>(w.W), "kg/h",
                "2.61、650、0.82：GB 150-1998 附录B 公式常数；保温厚度 δ 以 mm 输入，除以 1000 换算为 m");
        });
    }
    return w;
}

namespace {

// The area equations' constants, and the steam equations applied to a vapour other than water.
std::string steamNote(const Sizing& s) {
    std::string note = "5.25：程序常数，GB 150-1998 附录B 饱和蒸汽面积公式的系数（A 以 mm²、W 以 kg/h、P 以 MPa 计）";
    const std::string& medium = s.kase().text(Field::Medium);
    if (medium != kSteam) note += "；介质“" + medium + "”不是水蒸气，按其形态“饱和气”采用饱和蒸汽的面积公式";
    return note;
}

}  // namespace

std::optional<Notice> liquidInFire(const CaseUse& use) {
    if (use.liquid() && use.fire()) return Notice{NoticeKind::LiquidInFire, use.mediumType};
    return std::nullopt;
}

std::optional<Notice> liquidArea(Sizing& s, SizingQuantities& q, Real rho, std::string_view backPressureNote,
                                 std::vector<Field> check) {
    const Real dp = Real(q.P) - q.Po;
    s.step([&] {
        return computedStep("泄放压差", "Δp", "Δp = P − Po", Term::value(q.P) - Term::value(q.Po), dp.value(), "MPa",
                            std::string(backPressureNote));
    });
    if (dp <= 0.0 || rho <= 0.0) {
        Notice n{NoticeKind::LiquidNothingToSize};
        if (dp <= 0.0) {
            const std::string shown = printedResult(dp.value(), (Term::value(q.P) - Term::value(q.Po)).evaluated());
            n.causes.push_back("泄放压差 Δp = P − Po = " + writeSingle(q.P) + " − " + writeSingle(q.Po) + " = " + shown +
                               " MPa，不大于零");
        }
        if (rho <= 0.0) n.causes.push_back("液体密度 ρ = " + printed(rho.value()) + " kg/m³，不大于零");
        return n;
    }
    s.at(Step::DischargeArea, std::move(check), "安全泄放量不能为负数");
    liquidArea(q, rho, dp);
    s.step([&] {
        return computedStep(
            "安全泄放面积（液体）", "A", "A = W / (5.1 × K × √(ρ × Δp))",
            Term::value(q.W) / Term::constant("5.1", kLiquidOrifice) / Term::value(q.K) /
                sqrt(Term::value(rho.value()) * Term::value(dp.value())),
            q.A, "mm²",
            "5.1 = 3600 × 10⁻⁶ × √(2 × 10⁶) ≈ 5.09：不可压缩流体经孔口的流量 W = K × A × √(2 ρ Δp)（SI 单位）换算为 "
            "W 以 kg/h、A 以 mm²、Δp 以 MPa 计；K 取本程序的排放系数，阀门制造厂给出的液体排放系数与之不同时应以其为准；"
            "粘性液体须另作粘度修正，本程序不作");
    });
    return std::nullopt;
}

bool saturatedSteamArea(Sizing& s, SizingQuantities& q, std::initializer_list<Field> check) {
    s.at(Step::DischargeArea, check, "泄放压力不能为零");
    const auto capacity = [&q] {  // built only where the steps are recorded
        return Term::value(q.W) / Term::constant("5.25", 5.25) / Term::value(q.K) / Term::value(q.P);
    };
    if (q.P <= 10.0f) {
        s.step([&] {
            return RecordStep{"面积公式", "—", "饱和蒸汽，P ≤ 10 MPa", numberText(q.P) + " ≤ 10", "A = W / (5.25 × K × P)", ""};
        });
        Mianji3(q);
        s.step([&] {
            return computedStep("安全泄放面积", "A", "A = W / (5.25 × K × P)", capacity(), static_cast<double>(q.A), "mm²",
                                steamNote(s));
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
            const Term P = Term::value(q.P);
            const Term factor = (Term::constant("229.2", 229.2) * P - Term::constant("7315", 7315)) /
                                (Term::constant("190.6", 190.6) * P - Term::constant("6895", 6895));
            return computedStep("安全泄放面积", "A",
                                "A = W / (5.25 × K × P) × (229.2 × P − 7315) / (190.6 × P − 6895)", capacity() * factor,
                                static_cast<double>(q.A), "mm²", steamNote(s) + "；229.2、7315、190.6、6895：同一附录中 P 高于 10 MPa 时的修正系数");
        });
        return true;
    }
    return false;
}

void criticalGasArea(Sizing& s, SizingQuantities& q) {
    Mianji1(q);
    s.step([&] {
        return computedStep("安全泄放面积（临界）", "A", "A = W / (0.076 × C × K × P × √(M / (Z × T)))",
                            Term::value(q.W) / Term::constant("0.076", 0.076) / Term::value(q.C) / Term::value(q.K) /
                                Term::value(q.P) /
                                sqrt(Term::value(q.M) / Term::value(q.zValue()) / Term::value(q.T)),
                            static_cast<double>(q.A), "mm²", "0.076：程序常数，GB 150-1998 附录B 气体临界流动面积公式的系数（A 以 mm²、W 以 kg/h、P 以 MPa 计）");
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
    // Nor is one that fails a design check: the check is told with whatever else there is to tell.
    std::vector<std::string> failed;
    for (const RecordCheck& c : record.checks) {
        if (!c.passed) failed.push_back(c.name + "：" + c.condition + "，" + c.numbers);
    }
    if (isDone(record.outcome) && !failed.empty()) record.outcome = Notice{NoticeKind::CheckFailed};
    if (auto* notice = std::get_if<Notice>(&record.outcome)) {
        notice->readAsZero = zeros;
        notice->failedChecks = std::move(failed);
        record.notices.push_back(describe(record.outcome).text);
    }
    const Derived& derived = s.kase().derived;
    record.derivation = derived.steps;
    record.tables.insert(record.tables.begin(), derived.tables.begin(), derived.tables.end());
    record.derivationInputs = derived.basis;
    record.derivationSerial = derived.serial;
}

}  // namespace orvane
