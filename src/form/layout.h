#pragma once
// Field layouts of the relief cases: rows of controls that are shown, hidden or kept together.

#include <array>
#include <span>
#include <string_view>

#include "engine/media.h"
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

// Steam fed through the inlet pipe needs no k, C or Z: they are hidden, C and Z shown again when
// the user typed "气体" as its phase before pressing input parameters.
inline void applySteamRule(Form& form, std::string_view medium, std::string_view typedPhase) {
    if (medium != kSteam) return;
    for (const char* name : {"Text9", "Text10", "Text12"}) form.setShown(name, false);
    if (typedPhase == kPhaseGas) {
        form.setShown("Text10", true);
        form.setShown("Text12", true);
    }
}

}  // namespace orvane
