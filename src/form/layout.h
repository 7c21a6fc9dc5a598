#pragma once
// Field layouts of the relief cases: rows of controls that are shown, hidden or kept together.

#include <array>
#include <span>
#include <string_view>

#include "form.h"

namespace orvane {

enum class Visibility { Shown, Hidden, Kept };

// The three layouts, one per relief case of the medium type list.
enum class Layout { CompressedGas = 0, Uninsulated = 1, Insulated = 2 };

struct LayoutRow {
    std::array<std::string_view, 3> controls;  // unused places are empty
    std::array<Visibility, 3> in;               // by Layout
};

inline void applyLayout(Form& form, std::span<const LayoutRow> rows, Layout layout) {
    for (const LayoutRow& row : rows) {
        const Visibility v = row.in[static_cast<std::size_t>(layout)];
        if (v == Visibility::Kept) continue;
        for (std::string_view name : row.controls) {
            if (!name.empty()) form.setShown(name, v == Visibility::Shown);
        }
    }
}

}  // namespace orvane
