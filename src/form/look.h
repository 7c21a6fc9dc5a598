#pragma once
// The look both calculator windows share: colours of the label groups and result fields, fonts,
// and the tooltips that give the units the equations expect where a label shows none.

#include <string_view>

#include "control_table.h"

namespace orvane::look {

inline constexpr Rgb kInputLabel{255, 224, 192};     // light orange
inline constexpr Rgb kPropertyLabel{192, 255, 192};  // light green: "k=" to "形态"
inline constexpr Rgb kCyan{192, 255, 255};           // relief capacity and area
inline constexpr Rgb kYellow{255, 255, 192};         // throat or bore and pipe size
inline constexpr Rgb kPink{255, 192, 192};
inline constexpr Rgb kResultGround{224, 224, 224};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kTeal{0, 128, 128};

inline constexpr FontStyle kTitle{Face::Song, 24, false};
inline constexpr FontStyle kBig{Face::Song, 15.75, false};      // the working buttons
inline constexpr FontStyle kClear{Face::Hei, 14.25, true};      // "C"
inline constexpr FontStyle kResult{Face::Song, 10.5, true};
inline constexpr FontStyle kSmall{Face::Song, 9, false};  // captions and lists that would not fit at 10.5 pt

inline constexpr std::string_view kLambdaTip =
    "保温材料的导热系数 λ，单位 kJ/(m·h·℃)。\n以 W/(m·K) 给出的数值须乘以 3.6：1 W/(m·K) = 3.6 kJ/(m·h·℃)。";
inline constexpr std::string_view kDeltaTip = "保温层厚度 δ，单位 mm（计算时换算为 m）。";
inline constexpr std::string_view kHeightTip =
    "立式容器的最高液位高度 h，单位 mm，用于计算受热面积 A = 3.14·D·h。";

}  // namespace orvane::look
