#include "control_table.h"

#include <unordered_map>

namespace orvane {

const ControlRow* WindowTable::find(std::string_view name) const {
    // Actions look controls up by name many times a click: each table's rows get an index once.
    using Index = std::unordered_map<std::string_view, const ControlRow*>;
    thread_local std::unordered_map<const ControlRow*, Index> indexes;
    Index& index = indexes[controls.data()];
    if (index.empty()) {
        for (const ControlRow& c : controls) index.emplace(c.name, &c);
    }
    const auto it = index.find(name);
    return it == index.end() ? nullptr : it->second;
}

namespace {
std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}
}  // namespace

std::string_view WindowTable::accessibleName(const ControlRow& c) const {
    if (!c.label.empty()) {
        if (const ControlRow* l = find(c.label)) return trimmed(l->text);
    }
    return trimmed(c.text);
}

}  // namespace orvane
