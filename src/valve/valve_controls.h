#pragma once
// The safety valve window "安全阀": its control table and the texts its actions compare with.

#include <string_view>

#include "form/control_table.h"

namespace orvane::valve {

const WindowTable& windowTable();

// Lift type options and their captions.
inline constexpr std::string_view kFullLift = "Option1";         // "全 启 式"
inline constexpr std::string_view kFlatLowLift = "Option2";      // "平面微启式"
inline constexpr std::string_view kConicalLowLift = "Option3";   // "锥面微启式"

// Tops of the seal half-cone angle row (Label32, Text25): its place at open, and the medium type
// row it moves to when the insulated layout frees that row.
inline constexpr int kSealRowTop = 4560;
inline constexpr int kSealRowTopInsulated = 2393;

// The six output fields, in the order Calculate writes them.
inline constexpr std::string_view kOutputs[] = {"Text7", "Text8", "Text15", "Text17", "Text16", "Text13"};

}  // namespace orvane::valve
