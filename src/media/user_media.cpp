#include "user_media.h"

#include <algorithm>
#include <cfloat>

#include "engine/gas_coefficient.h"
#include "engine/number_text.h"
#include "engine/numeric_fault.h"

namespace orvane::media {

namespace {

struct PropertyInfo {
    std::string_view caption;
    std::string_view unit;
    std::string_view key;
    double above;  // the value must exceed it
};
constexpr std::array<PropertyInfo, kProperties.size()> kInfo = {{
    {"分子量 M", "kg/kmol", "molar_mass_kg_kmol", 0},
    {"绝热指数 k", "", "k", 1},
    {"气体特性系数 C", "", "C", 0},
    {"压缩系数 Z", "", "Z", 0},
    {"气化潜热", "kJ/kg", "latent_heat_kJ_kg", 0},
    {"液体密度", "kg/m³", "liquid_density_kg_m3", 0},
    {"设计压力", "MPa", "design_pressure_MPa", 0},
}};

// Blanks around a text: ASCII white space, the ideographic space and the no-break space.
constexpr std::string_view kBlanks[] = {" ", "\t", "\n", "\r", "\v", "\f", "\u3000", "\u00a0"};

std::string trimmed(std::string_view s) {
    for (bool cut = true; cut;) {
        cut = false;
        for (std::string_view blank : kBlanks) {
            if (s.starts_with(blank)) {
                s.remove_prefix(blank.size());
                cut = true;
            }
            if (s.ends_with(blank)) {
                s.remove_suffix(blank.size());
                cut = true;
            }
        }
    }
    return std::string(s);
}

// The width of a name in the medium list, in halves of a Chinese character: a character from U+1000
// on (Chinese, full-width forms) counts 2, any other 1.
std::size_t columns(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0u) == 0x80u) continue;  // continues a character
        n += byte >= 0xE1u ? 2 : 1;
    }
    return n;
}

std::string quoted(std::string_view s) { return "“" + std::string(s) + "”"; }

std::string fieldName(Property p) { return quoted(caption(p)); }

// A property from its text: nothing for an empty text, the value, or the fault.
std::optional<std::string> readValue(Property p, const std::string& text, std::optional<double>& value) {
    value.reset();
    const std::string t = trimmed(text);
    if (t.empty()) return std::nullopt;
    if (!wholeNumberText(t)) return fieldName(p) + "的内容" + quoted(t) + "不是数值。";
    double v = 0;
    try {
        v = readNumber(t);
    } catch (const NumericFault&) {
        return fieldName(p) + "的内容" + quoted(t) + "超出数值范围。";
    }
    const double above = kInfo[index(p)].above;
    // The calculation takes M, k, C and Z as singles: k must stay above 1 there too.
    if (!(v > above) || (p == Property::K && !(static_cast<float>(v) > 1.0f))) {
        return fieldName(p) + "须大于 " + writeDouble(above) + "（现为" + quoted(t) + "）。";
    }
    if (v < static_cast<double>(FLT_MIN) || v > static_cast<double>(FLT_MAX)) {
        return fieldName(p) + "的内容" + quoted(t) + "超出可用的范围（1E-38 至 3E+38）。";
    }
    value = v;
    return std::nullopt;
}

}  // namespace

std::string_view caption(Property p) { return kInfo[index(p)].caption; }
std::string_view unit(Property p) { return kInfo[index(p)].unit; }
std::string_view key(Property p) { return kInfo[index(p)].key; }

std::optional<double> UserMedium::value(Property p) const {
    if (p == Property::C && cFromK) {
        const std::optional<double> k = values[index(Property::K)];
        if (!k) return std::nullopt;
        return gasCoefficientFromK(static_cast<double>(static_cast<float>(*k)));
    }
    return values[index(p)];
}

MediumTexts textsOf(const UserMedium& m) {
    MediumTexts t{m.name, m.phase, {}, m.cFromK};
    for (Property p : kProperties) {
        const std::optional<double>& v = m.values[index(p)];
        if (v) t.values[index(p)] = writeDouble(*v);
    }
    return t;
}

MediumRead readMedium(const MediumTexts& texts, std::span<const std::string> taken) {
    const auto refuse = [](std::string fault) { return MediumRead{std::nullopt, std::move(fault)}; };
    UserMedium m;
    m.name = trimmed(texts.name);
    if (m.name.empty()) return refuse("“名称”不能为空。");
    if (std::ranges::any_of(m.name, [](char c) { return static_cast<unsigned char>(c) < 0x20u || c == 0x7F; })) {
        return refuse("“名称”不能含换行、制表符等控制字符。");
    }
    if (columns(m.name) > kNameColumns) {
        return refuse("“名称”太长：最多 " + std::to_string(kNameColumns / 2) + " 个汉字或 " + std::to_string(kNameColumns) +
                      " 个字母、数字（窗口的介质列表只显示得下这么多）。");
    }
    if (isBuiltInMedium(m.name)) return refuse("名称" + quoted(m.name) + "是内置介质的名称，用户介质须另取名称。");
    if (std::ranges::find(taken, m.name) != taken.end()) {
        return refuse("名称" + quoted(m.name) + "已有，每个介质的名称只能用一次。");
    }
    const auto phase = std::ranges::find(kPhases, trimmed(texts.phase));
    if (phase == kPhases.end()) {
        return refuse("“形态”应为“气体”、“饱和气”或“液体”（现为" + quoted(texts.phase) + "）。");
    }
    m.phase = std::string(*phase);
    m.cFromK = texts.cFromK;
    for (Property p : kProperties) {
        if (p == Property::C && m.cFromK) continue;  // computed, whatever the text
        if (auto fault = readValue(p, texts.values[index(p)], m.values[index(p)])) return refuse(std::move(*fault));
    }
    if (m.cFromK && !m.values[index(Property::K)]) {
        return refuse("“气体特性系数 C”要由 k 计算，须先填写“绝热指数 k”。");
    }
    return {std::move(m), {}};
}

std::optional<std::string> checkLibrary(std::span<const UserMedium> media) {
    std::vector<std::string> taken;
    for (std::size_t i = 0; i < media.size(); ++i) {
        const MediumRead read = readMedium(textsOf(media[i]), taken);
        if (!read.medium) {
            return "第 " + std::to_string(i + 1) + " 个介质（" + quoted(media[i].name) + "）：" + read.fault;
        }
        taken.push_back(read.medium->name);
    }
    return std::nullopt;
}

const UserMedium* UserMediaLibrary::find(std::string_view name) const {
    const auto it = std::ranges::find(media_, name, &UserMedium::name);
    return it == media_.end() ? nullptr : &*it;
}

std::optional<MediumValues> UserMediaLibrary::values(std::string_view name) const {
    const UserMedium* m = find(name);
    if (m == nullptr) return std::nullopt;
    return valuesOf(*m);
}

MediumValues valuesOf(const UserMedium& m) {
    const auto single = [&m](Property p) -> std::optional<float> {
        const std::optional<double> v = m.value(p);
        if (!v) return std::nullopt;
        return static_cast<float>(*v);
    };
    MediumValues v;
    v.M = single(Property::MolarMass);
    v.k = single(Property::K);
    v.C = single(Property::C);
    v.Z = single(Property::Z);
    v.zGiven = v.Z.has_value();
    const auto phase = std::ranges::find(kPhases, m.phase);
    if (phase != kPhases.end()) v.phase = *phase;
    v.latentHeat = m.value(Property::LatentHeat);
    v.liquidDensity = m.value(Property::LiquidDensity);
    v.designPressure = m.value(Property::DesignPressure);
    v.userLibrary = true;
    return v;
}

CaseMediumInForce::CaseMediumInForce(const std::optional<UserMedium>& medium) : previous_(userMedia()) {
    if (!medium) return;
    std::vector<UserMedium> media = {*medium};
    if (const auto library = std::dynamic_pointer_cast<const UserMediaLibrary>(previous_)) {
        for (const UserMedium& m : library->media()) {
            if (m.name != medium->name) media.push_back(m);
        }
    }
    setUserMedia(std::make_shared<const UserMediaLibrary>(std::move(media)));
    replaced_ = true;
}

CaseMediumInForce::~CaseMediumInForce() {
    if (replaced_) setUserMedia(previous_);
}

}  // namespace orvane::media
