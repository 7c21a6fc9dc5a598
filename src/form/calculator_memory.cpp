#include "calculator_memory.h"

namespace orvane {

namespace {
std::string optionText(bool selected) { return selected ? "1" : "0"; }
}  // namespace

FieldTexts readTexts(const Form& form, std::span<const std::string_view> fields) {
    FieldTexts out;
    for (std::string_view name : fields) {
        const bool option = name.starts_with("Option");
        out.emplace_back(std::string(name), option ? optionText(form.isSelected(name)) : form.text(name));
    }
    return out;
}

FieldTexts textsAtOpen(const WindowTable& table, std::span<const std::string_view> fields) {
    FieldTexts out;
    for (std::string_view name : fields) {
        const ControlRow* c = table.find(name);
        if (c == nullptr) continue;
        out.emplace_back(std::string(name),
                         c->kind == ControlKind::Option ? optionText(c->selected) : std::string(c->text));
    }
    return out;
}

std::optional<Change> changedSinceInputParameters(const Form& form, const CalculatorMemory& memory,
                                                  const WindowTable& table,
                                                  std::span<const std::string_view> fields) {
    const FieldTexts basis = memory.basis ? *memory.basis : textsAtOpen(table, fields);
    for (const auto& [name, before] : basis) {
        const std::string now = name.starts_with("Option") ? optionText(form.isSelected(name)) : form.text(name);
        if (now != before) return Change{name, before, now};
    }
    return std::nullopt;
}

bool capacityTyped(const std::string& capacityText, const CalculatorMemory& memory) {
    if (capacityText.empty()) return false;
    return !(memory.programCapacity && *memory.programCapacity == capacityText);
}

}  // namespace orvane
