#include "control_table.h"

#include <algorithm>

namespace orvane {

const ControlRow* WindowTable::find(std::string_view name) const {
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [name](const ControlRow& c) { return c.name == name; });
    return it == controls.end() ? nullptr : &*it;
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
