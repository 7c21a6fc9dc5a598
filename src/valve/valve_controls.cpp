#include "valve_controls.h"

#include <array>

#include "engine/media.h"
#include "engine/relief_capacity.h"
#include "form/look.h"

namespace orvane::valve {

namespace {

using enum ControlKind;
using namespace look;

// clang-format off
constexpr std::array kControls = std::to_array<ControlRow>({
    // Title and lift type.
    {.name = "Label9", .kind = Label, .text = "安 全 阀 计 算", .at = {1200, 360, 3660, 705},
     .background = kTeal, .foreground = kWhite, .font = kTitle, .centred = true},
    {.name = "Option1", .kind = Option, .text = "全 启 式", .at = {720, 1320, 1440, 375}, .selected = true,
     .background = kPink},
    {.name = "Option2", .kind = Option, .text = "平面微启式", .at = {2160, 1320, 1560, 375}, .background = kPink},
    {.name = "Option3", .kind = Option, .text = "锥面微启式", .at = {3720, 1320, 1575, 375}, .background = kPink},

    // Medium, medium type, vessel shape and the input parameters button with its lamp.
    {.name = "Label1", .kind = Label, .text = " 介  质", .at = {240, 1950, 1140, 270}, .background = kInputLabel},
    {.name = "Combo1", .kind = Combo, .text = kSteam, .at = {1440, 1920, 1515, 330}, .label = "Label1",
     .items = kMediumListItems, .font = kSmall, .toolTip = "介质；选定后按“输入参数项”填入物性。"},
    {.name = "Command4", .kind = Command, .text = "输入参数项", .at = {3600, 1920, 1200, 330}},
    {.name = "Shape1", .kind = Lamp, .at = {4800, 1920, 255, 330}},
    {.name = "Label20", .kind = Label, .text = "介质类型", .at = {240, 2420, 1140, 270}, .background = kInputLabel},
    {.name = "Combo2", .kind = Combo, .text = kCaseCompressedGas, .at = {1440, 2393, 1515, 300},
     .label = "Label20", .items = kMediumTypeItems, .font = kSmall, .toolTip = "介质类型（泄放工况）：压缩气或蒸气、无保温液化气或有保温液化气。"},
    {.name = "Label26", .kind = Label, .text = "安装位置", .at = {2985, 2415, 945, 270}, .shown = false,
     .background = kInputLabel},
    {.name = "Combo4", .kind = Combo, .text = "地面上无喷淋", .at = {3960, 2400, 1740, 300}, .shown = false,
     .label = "Label26", .items = kLocationItems, .font = kSmall, .toolTip = "安装位置，决定火灾工况的位置系数 F。"},
    {.name = "Label30", .kind = Label, .text = "设计温度 ℃", .at = {3420, 2540, 1230, 270}, .shown = false,
     .background = kInputLabel},
    {.name = "Text24", .kind = Text, .text = "50", .at = {4680, 2520, 735, 315}, .shown = false,
     .label = "Label30", .toolTip = "设计温度 t，单位 ℃；气体温度 T = 273 + t（K）。", .unit = "℃"},
    {.name = "Label21", .kind = Label, .text = "容器形状", .at = {240, 2866, 1140, 270}, .background = kInputLabel},
    {.name = "Combo3", .kind = Combo, .text = kShapeEllipticalHeads, .at = {1440, 2836, 1515, 330},
     .label = "Label21", .items = kVesselShapeItems, .font = kSmall, .toolTip = "容器形状，用于计算火灾工况的受热面积。"},

    // Right column: vessel, inlet pipe and insulation data (places shared between the cases).
    {.name = "Label24", .kind = Label, .text = "容器外径 mm", .at = {2970, 2866, 1335, 270}, .shown = false,
     .background = kInputLabel},
    {.name = "Text19", .kind = Text, .at = {4320, 2836, 1095, 330}, .shown = false, .label = "Label24", .toolTip = "容器外径 D，单位 mm。", .unit = "mm"},
    {.name = "Label5", .kind = Label, .text = "进气口内径mm", .at = {3060, 3025, 1590, 270}, .shown = false,
     .background = kInputLabel},
    {.name = "Text5", .kind = Text, .text = "80", .at = {4680, 3000, 735, 315}, .shown = false, .label = "Label5", .toolTip = "进气口内径 d，单位 mm。", .unit = "mm"},
    {.name = "Label25", .kind = Label, .text = "容器总长 mm", .at = {2970, 3327, 1335, 270}, .shown = false,
     .background = kInputLabel},
    {.name = "Text20", .kind = Text, .at = {4320, 3297, 1095, 330}, .shown = false, .label = "Label25", .toolTip = "容器总长 L，单位 mm（球形容器不用）。", .unit = "mm"},
    {.name = "Label6", .kind = Label, .text = "进气流速 m/s", .at = {3240, 3505, 1410, 270}, .shown = false,
     .background = kInputLabel},
    {.name = "Text6", .kind = Text, .text = "15", .at = {4680, 3480, 735, 315}, .shown = false, .label = "Label6", .toolTip = "进气流速 v，单位 m/s。", .unit = "m/s"},
    {.name = "Label22", .kind = Label, .text = "气化潜热", .at = {2970, 3735, 1335, 240}, .shown = false,
     .background = kInputLabel},
    {.name = "Label23", .kind = Label, .text = "kj/kg ", .at = {2970, 3975, 1335, 225}, .shown = false,
     .background = kInputLabel, .font = kSmall},
    {.name = "Text18", .kind = Text, .at = {4320, 3758, 1095, 330}, .shown = false, .label = "Label22", .toolTip = "介质的气化潜热 q，单位 kJ/kg。", .unit = "kJ/kg"},
    {.name = "Label16", .kind = Label, .text = "气体密度", .at = {3300, 4065, 1350, 240}, .shown = false,
     .background = kInputLabel},
    {.name = "Label31", .kind = Label, .text = "kg/m^3", .at = {3300, 4305, 1350, 225}, .shown = false,
     .background = kInputLabel, .font = kSmall},
    {.name = "Text14", .kind = Text, .at = {4680, 4080, 735, 315}, .shown = false, .label = "Label16", .toolTip = "气体密度 ρ，单位 kg/m³；介质为气体时由计算写出。", .unit = "kg/m³"},
    {.name = "Label28", .kind = Label, .text = "保温厚度 mm", .at = {2970, 4249, 1335, 270}, .shown = false,
     .background = kInputLabel, .toolTip = kDeltaTip},
    {.name = "Text22", .kind = Text, .at = {4320, 4219, 1095, 330}, .shown = false, .label = "Label28",
     .toolTip = kDeltaTip, .unit = "mm"},
    {.name = "Label32", .kind = Label, .text = "密封半锥角φ", .at = {3360, 4585, 1290, 270},
     .background = kInputLabel},
    {.name = "Text25", .kind = Text, .at = {4680, 4560, 735, 315}, .shown = false, .label = "Label32", .toolTip = "锥面微启式安全阀的密封半锥角 φ，单位 度（°）。", .unit = "°"},
    {.name = "Label29", .kind = Label, .text = "导热系数", .at = {2970, 4710, 1335, 270}, .shown = false,
     .background = kInputLabel, .toolTip = kLambdaTip},
    {.name = "Text23", .kind = Text, .at = {4320, 4680, 1095, 330}, .shown = false, .label = "Label29",
     .toolTip = kLambdaTip, .unit = "kJ/(m·h·℃)"},

    // Left column: pressures and the relief temperature.
    {.name = "Label2", .kind = Label, .text = "工作压力 MPa", .at = {240, 3341, 1770, 270},
     .background = kInputLabel},
    {.name = "Text2", .kind = Text, .text = "0.8", .at = {2040, 3311, 855, 330}, .label = "Label2", .toolTip = "工作压力 p_w（表压），单位 MPa。", .unit = "MPa"},
    {.name = "Label3", .kind = Label, .text = "设计压力 MPa", .at = {240, 3797, 1770, 270},
     .background = kInputLabel},
    {.name = "Text3", .kind = Text, .text = "0.88", .at = {2040, 3767, 855, 330}, .label = "Label3", .toolTip = "设计压力（表压），单位 MPa；按“输入参数项”时取工作压力的 1.1 倍。", .unit = "MPa"},
    {.name = "Label4", .kind = Label, .text = "泄放侧压力MPa", .at = {240, 4230, 1770, 255},
     .background = kInputLabel},
    {.name = "Label33", .kind = Label, .text = "(绝压}", .at = {1260, 4485, 720, 180},
     .background = kInputLabel, .font = {Face::Song, 7.5, false}},
    {.name = "Text4", .kind = Text, .text = "0.1", .at = {2040, 4223, 855, 330}, .label = "Label4", .toolTip = "泄放侧压力 Po（背压，绝压），单位 MPa。", .unit = "MPa"},
    {.name = "Label27", .kind = Label, .text = "泄放温度 ℃", .at = {240, 4710, 1770, 270}, .shown = false,
     .background = kInputLabel},
    {.name = "Text21", .kind = Text, .at = {2040, 4680, 855, 330}, .shown = false, .label = "Label27", .toolTip = "泄放时介质的温度 t，单位 ℃（有保温液化气）。", .unit = "℃"},

    // The wetted height of a vertical vessel, under the picture.
    {.name = "Label34", .kind = Label, .text = "液位高度 mm", .at = {5520, 4770, 1350, 270}, .shown = false,
     .background = kInputLabel, .toolTip = kHeightTip},
    {.name = "Text26", .kind = Text, .at = {6900, 4740, 1095, 330}, .shown = false, .label = "Label34",
     .toolTip = kHeightTip, .unit = "mm"},

    // Medium properties.
    {.name = "Label10", .kind = Label, .text = "k=", .at = {360, 5180, 420, 270}, .background = kPropertyLabel},
    {.name = "Text9", .kind = Text, .at = {840, 5160, 855, 315}, .label = "Label10", .toolTip = "绝热指数 k（无量纲）。"},
    {.name = "Label12", .kind = Label, .text = "C=", .at = {1880, 5180, 420, 270}, .background = kPropertyLabel},
    {.name = "Text10", .kind = Text, .at = {2360, 5160, 855, 315}, .label = "Label12", .toolTip = "气体特性系数 C（无量纲）。"},
    {.name = "Label13", .kind = Label, .text = "M=", .at = {3400, 5180, 420, 270}, .background = kPropertyLabel},
    {.name = "Text11", .kind = Text, .at = {3880, 5160, 855, 315}, .label = "Label13", .toolTip = "分子量 M，单位 kg/kmol。", .unit = "kg/kmol"},
    {.name = "Label14", .kind = Label, .text = "Z=", .at = {4920, 5180, 420, 270}, .background = kPropertyLabel},
    {.name = "Text12", .kind = Text, .at = {5400, 5160, 855, 315}, .label = "Label14", .toolTip = "压缩系数 Z（无量纲）。"},
    {.name = "Label11", .kind = Label, .text = "形态", .at = {6480, 5180, 660, 270}, .background = kPropertyLabel},
    {.name = "Text1", .kind = Text, .at = {7200, 5160, 855, 315}, .label = "Label11", .toolTip = "介质形态：“气体”、“饱和气”或“液体”，决定泄放面积公式。"},

    // Buttons.
    {.name = "Command3", .kind = Command, .text = "打  印", .at = {600, 5760, 1695, 615}, .font = kBig},
    {.name = "Command5", .kind = Command, .text = "C", .at = {2880, 5760, 480, 615},
     .font = kClear},
    {.name = "Command1", .kind = Command, .text = "计     算", .at = {3360, 5760, 2535, 615}, .font = kBig},
    {.name = "Command2", .kind = Command, .text = "返  回", .at = {6480, 5760, 1695, 615}, .font = kBig},

    // Results.
    {.name = "Label7", .kind = Label, .text = "安全泄放量 kg/h", .at = {120, 6780, 1770, 345}, .background = kCyan, .font = kSmall},
    {.name = "Text7", .kind = Text, .at = {1920, 6750, 1215, 405}, .label = "Label7",
     .background = kResultGround, .foreground = kRed, .font = kResult, .toolTip = "安全泄放量 W，单位 kg/h。可直接输入；输入值一直使用，直到按“C”或清空此栏。", .unit = "kg/h"},
    {.name = "Label8", .kind = Label, .text = "安全泄放面积 mm^2", .at = {60, 7530, 1830, 345},
     .background = kCyan, .font = kSmall},
    {.name = "Text8", .kind = Text, .at = {1920, 7500, 1215, 405}, .label = "Label8",
     .background = kResultGround, .foreground = kRed, .font = kResult, .toolTip = "安全泄放面积 A，单位 mm²。", .unit = "mm²", .result = true},
    {.name = "Label15", .kind = Label, .text = "  计算喉径  mm", .at = {3180, 6780, 1470, 345},
     .background = kYellow, .font = kSmall},
    {.name = "Text15", .kind = Text, .at = {4680, 6750, 1215, 405}, .label = "Label15",
     .background = kResultGround, .foreground = kRed, .font = kResult, .toolTip = "计算喉径 d，单位 mm。", .unit = "mm", .result = true},
    {.name = "Label17", .kind = Label, .text = "  标准喉径  mm", .at = {3180, 7530, 1470, 345},
     .background = kYellow, .font = kSmall},
    {.name = "Text17", .kind = Text, .at = {4680, 7500, 1215, 405}, .label = "Label17",
     .background = kResultGround, .foreground = kRed, .font = kResult, .toolTip = "标准喉径 d0，单位 mm。", .unit = "mm", .result = true},
    {.name = "Label18", .kind = Label, .text = " 公称管径  mm", .at = {5910, 6780, 1275, 345},
     .background = kPink, .font = kSmall},
    {.name = "Text16", .kind = Text, .at = {7200, 6750, 1215, 405}, .label = "Label18",
     .background = kResultGround, .foreground = kRed, .font = kResult, .toolTip = "公称管径 DN，单位 mm。", .unit = "mm", .result = true},
    {.name = "Label19", .kind = Label, .text = " 开启压力  MPa", .at = {5910, 7530, 1275, 345},
     .background = kPink, .font = kSmall},
    {.name = "Text13", .kind = Text, .at = {7200, 7500, 1215, 405}, .label = "Label19",
     .background = kResultGround, .foreground = kRed, .font = kResult, .toolTip = "开启压力 p_set（表压），单位 MPa：空着则取 1.05 × 工作压力；可直接输入，须不低于工作压力、不高于设计压力，输入值一直使用，直到按“C”或清空此栏。", .unit = "MPa"},

    // A liquid's density, for the liquid relief equation.
    {.name = "Label36", .kind = Label, .text = "液体密度 kg/m³", .at = {3180, 8115, 1470, 345}, .background = kYellow, .font = kSmall},
    {.name = "Text28", .kind = Text, .at = {4680, 8085, 1215, 405}, .label = "Label36", .font = kResult,
     .toolTip = "液体密度 ρ，单位 kg/m³；形态为“液体”时用于安全泄放量（进气管）和液体的泄放面积。", .unit = "kg/m³"},

    // How many valves share the relief capacity.
    {.name = "Label35", .kind = Label, .text = "数量（只）", .at = {120, 8115, 1770, 345}, .background = kCyan, .font = kSmall},
    {.name = "Text27", .kind = Text, .text = "1", .at = {1920, 8085, 1215, 405}, .label = "Label35",
     .font = kResult, .toolTip = "安全阀的数量 n：安全泄放量由 n 只安全阀分担，面积、喉径和管径为每只的数值。"},

    // Decoration.
    {.name = "Picture1", .kind = Picture, .at = {5760, 600, 2655, 4095}},
});
// clang-format on

constexpr WindowTable kWindow{
    .objectName = "安全阀",
    .caption = "超压泄放装置计算 （按GB150-1998及《压力容器安全技术监察规程》编制）",
    .width = 9165,
    .height = 8595,
    .background = {192, 192, 255},
    .controls = kControls,
};

}  // namespace

const WindowTable& windowTable() { return kWindow; }

}  // namespace orvane::valve
