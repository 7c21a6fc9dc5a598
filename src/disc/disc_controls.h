#pragma once
// The bursting disc window "防爆片": its control table and the texts its actions compare with.

#include <array>
#include <string_view>

#include "form/control_table.h"

namespace orvane::disc {

const WindowTable& windowTable();

// Disc types, one option button each.
inline constexpr std::array<std::string_view, 4> kDiscTypeOptions = {"Option1", "Option2", "Option3", "Option4"};
inline constexpr std::string_view kReverseActing = "Option4";  // "反拱"


// The six result fields, in the order Calculate writes them.
inline constexpr std::string_view kOutputs[] = {"Text7", "Text8", "Text15", "Text16", "Text13", "Text3"};

}  // namespace orvane::disc
