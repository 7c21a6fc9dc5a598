#include "description.h"

#include <algorithm>
#include <stdexcept>

namespace orvane {

Description::Description(Device device, std::string optionGroup, std::vector<OptionInfo> options,
                         std::vector<FieldInfo> fields, std::vector<Field> derivationInputs)
    : device_(device),
      optionGroup_(std::move(optionGroup)),
      options_(std::move(options)),
      fields_(std::move(fields)),
      derivationInputs_(std::move(derivationInputs)) {
    index_.fill(-1);
    for (std::size_t i = 0; i < fields_.size(); ++i) index_[indexOf(fields_[i].field)] = static_cast<int>(i);
}

const FieldInfo& Description::info(Field f) const {
    const int i = index_[indexOf(f)];
    if (i < 0) throw std::logic_error("the device has no field " + std::to_string(indexOf(f)));
    return fields_[static_cast<std::size_t>(i)];
}

const FieldInfo* Description::byKey(std::string_view key) const {
    for (const FieldInfo& f : fields_) {
        if (f.key == key || f.caption == key) return &f;
    }
    return nullptr;
}

const FieldInfo* Description::byControl(std::string_view control) const {
    for (const FieldInfo& f : fields_) {
        if (f.control == control) return &f;
    }
    return nullptr;
}

const OptionInfo* Description::option(std::string_view caption) const {
    for (const OptionInfo& o : options_) {
        if (o.caption == caption) return &o;
    }
    return nullptr;
}

const OptionInfo* Description::optionByControl(std::string_view control) const {
    for (const OptionInfo& o : options_) {
        if (o.control == control) return &o;
    }
    return nullptr;
}

std::string_view deviceName(Device device) { return device == Device::SafetyValve ? "valve" : "disc"; }

namespace {

// UTF-8 text as code points with the byte range of each.
struct CodePoint {
    char32_t value;
    std::size_t begin, end;
};

std::vector<CodePoint> codePoints(std::string_view s) {
    std::vector<CodePoint> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : n == 2 ? (b & 0x1Fu) : n == 3 ? (b & 0x0Fu) : (b & 0x07u);
        for (std::size_t k = 1; k < n && i + k < s.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
        out.push_back({c, i, std::min(i + n, s.size())});
        i += n;
    }
    return out;
}

// Chinese characters and full-width punctuation.
bool chinese(char32_t c) {
    return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

// What a unit at the end of a caption is written with.
bool unitCharacter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' ||
           c == '(' || c == ')' || c == '%' || c == U'℃' || c == U'°' || c == U'²' || c == U'³' ||
           c == U'·' || c == ' ';
}

void replaceAll(std::string& s, std::string_view from, std::string_view to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
        s.replace(at, from.size(), to);
    }
}

}  // namespace

std::string tidyCaption(std::string_view caption) {
    const std::vector<CodePoint> cps = codePoints(caption);
    std::string out;
    for (std::size_t i = 0; i < cps.size();) {
        if (cps[i].value != ' ') {
            out.append(caption.substr(cps[i].begin, cps[i].end - cps[i].begin));
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < cps.size() && cps[j].value == ' ')
            ++j;
        const bool between = i > 0 && j < cps.size() && chinese(cps[i - 1].value) && chinese(cps[j].value);
        if (i > 0 && j < cps.size() && !between) out += ' ';
        i = j;
    }
    replaceAll(out, "^2", "²");
    replaceAll(out, "^3", "³");
    if (out.ends_with('=')) out.pop_back();
    return out;
}

NameAndUnit splitCaption(std::string_view caption) {
    const std::string tidy = tidyCaption(caption);
    const std::vector<CodePoint> cps = codePoints(tidy);
    std::size_t tail = cps.size();
    for (std::size_t i = cps.size(); i > 0; --i) {
        if (chinese(cps[i - 1].value)) break;
        if (!unitCharacter(cps[i - 1].value)) return {tidy, {}};
        tail = i - 1;
    }
    if (tail == 0 || tail == cps.size()) return {tidy, {}};
    std::string name = tidy.substr(0, cps[tail].begin);
    std::string unit = tidy.substr(cps[tail].begin);
    while (name.ends_with(' '))
        name.pop_back();
    while (unit.starts_with(' '))
        unit.erase(0, 1);
    return {name, unit};
}


}  // namespace orvane
