#include "memory_form.h"

#include <stdexcept>
#include <utility>

namespace orvane {

MemoryForm::MemoryForm(const WindowTable& table) : table_(table) {
    controls_.reserve(table.controls.size());
    for (const ControlRow& c : table.controls) {
        controls_.push_back(State{&c, std::string(c.text), c.shown, c.selected, c.at.top});
    }
}

MemoryForm::State& MemoryForm::state(std::string_view name) {
    return const_cast<State&>(std::as_const(*this).state(name));  // NOLINT: the same lookup for both
}

const MemoryForm::State& MemoryForm::state(std::string_view name) const {
    const ControlRow* row = table_.find(name);
    if (row == nullptr) throw std::out_of_range("no control named " + std::string(name));
    return controls_[static_cast<std::size_t>(row - table_.controls.data())];
}

std::string MemoryForm::text(std::string_view name) const { return state(name).text; }

void MemoryForm::setText(std::string_view name, std::string_view text) { state(name).text = text; }

bool MemoryForm::isSelected(std::string_view option) const {
    const State& s = state(option);
    if (s.row->kind != ControlKind::Option) throw std::invalid_argument(std::string(option) + " is no option");
    return s.selected;
}

void MemoryForm::select(std::string_view option) {
    State& chosen = state(option);
    if (chosen.row->kind != ControlKind::Option) throw std::invalid_argument(std::string(option) + " is no option");
    for (State& s : controls_) {
        if (s.row->kind == ControlKind::Option) s.selected = false;
    }
    chosen.selected = true;
}

bool MemoryForm::isShown(std::string_view name) const { return state(name).shown; }

void MemoryForm::setShown(std::string_view name, bool shown) { state(name).shown = shown; }

int MemoryForm::top(std::string_view name) const { return state(name).top; }

void MemoryForm::setTop(std::string_view name, int twips) { state(name).top = twips; }

}  // namespace orvane
