#pragma once
// A device's description made from its window: each field's caption, unit and default are those of
// the control that shows it, so they are written once, in the control table.

#include <span>
#include <string_view>
#include <vector>

#include "control_table.h"
#include "sizing/description.h"

namespace orvane {

struct FieldSpec {
    Field field;
    Role role;
    std::string_view key;
    std::string_view control;  // the option group: its first option
    std::string_view symbol = {};
    std::string_view name = {};  // where the caption is only a symbol ("k=")
};

Description describeWindow(Device device, const WindowTable& table, std::string_view optionGroup,
                           std::span<const std::string_view> optionControls, std::span<const FieldSpec> fields,
                           std::vector<Field> derivationInputs);

}  // namespace orvane
