#include "disc_controls.h"

#include "disc_sizing.h"

#include "engine/media.h"
#include "engine/relief_capacity.h"
#include "form/look.h"

namespace orvane::disc {

namespace {

using enum ControlKind;
using namespace look;

constexpr Rgb kFrameGround{232, 240, 255};  // the grade list's box

// clang-format off
constexpr std::array kControls = std::to_array<ControlRow>({
    // Title, disc type and manufacturing grade.
    {.name = "Label9", .kind = Label, .text = "爆 破 片 计 算", .at = {1230, 360, 3660, 705}, .background = kTeal,
     .foreground = kWhite, .font = kTitle, .centred = true},
    {.name = "Option1", .kind = Option, .text = "普通正拱", .at = {600, 1290, 735, 570}, .selected = true, .font = kSmall},
    {.name = "Option2", .kind = Option, .text = "开缝正拱", .at = {1500, 1290, 735, 570}, .font = kSmall},
    {.name = "Option3", .kind = Option, .text = "正拱", .at = {2400, 1290, 735, 570}, .font = kSmall},
    {.name = "Option4", .kind = Option, .text = "反拱", .at = {3300, 1290, 735, 570}, .font = kSmall},
    {.name = "Label4", .kind = Frame, .text = "制造级别", .at = {4200, 1080, 1185, 680}, .background = kFrameGround,
     .font = kSmall},
    {.name = "Combo5", .kind = Combo, .text = "1.0级", .at = {4320, 1470, 975, 285}, .label = "Label4",
     .items = kGrades, .font = kSmall, .toolTip = "爆破片的制造级别，决定制造范围。"},

    // Medium, medium type, vessel shape and the input parameters button with its lamp.
    {.name = "Label1", .kind = Label, .text = " 介  质", .at = {270, 1950, 1140, 270}},
    {.name = "Combo1", .kind = Combo, .text = kSteam, .at = {1470, 1920, 1515, 330}, .label = "Label1",
     .items = kMediumListItems, .font = kSmall, .toolTip = "介质；选定后按“输入参数项”填入物性。"},
    {.name = "Command4", .kind = Command, .text = "输入参数项", .at = {3630, 1920, 1200, 330}},
    {.name = "Shape1", .kind = Lamp, .at = {4845, 1898, 255, 375}},
    {.name = "Label20", .kind = Label, .text = "介质类型", .at = {270, 2415, 1140, 270}},
    {.name = "Combo2", .kind = Combo, .text = kCaseCompressedGas, .at = {1470, 2400, 1515, 300}, .label = "Label20",
     .items = kMediumTypeItems, .font = kSmall, .toolTip = "介质类型（泄放工况）：压缩气或蒸气、无保温液化气或有保温液化气。"},
    {.name = "Label26", .kind = Label, .text = "安装位置", .at = {3015, 2415, 945, 270}, .shown = false},
    {.name = "Combo4", .kind = Combo, .text = "地面上无喷淋", .at = {3990, 2400, 1740, 300}, .shown = false,
     .label = "Label26", .items = kLocationItems, .font = kSmall, .toolTip = "安装位置，决定火灾工况的位置系数 F。"},
    {.name = "Label21", .kind = Label, .text = "容器形状", .at = {270, 2865, 1140, 270}},
    {.name = "Combo3", .kind = Combo, .text = kShapeEllipticalHeads, .at = {1470, 2835, 1515, 330},
     .label = "Label21", .items = kVesselShapeItems, .font = kSmall, .toolTip = "容器形状，用于计算火灾工况的受热面积。"},

    // Right column: inlet pipe (compressed gas) and vessel data (fire cases) share their places.
    {.name = "Label5", .kind = Label, .text = "进气口内径mm", .at = {3030, 2780, 1530, 270}, .shown = false},
    {.name = "Text5", .kind = Text, .text = "80", .at = {4590, 2760, 735, 315}, .shown = false, .label = "Label5", .toolTip = "进气口内径 d，单位 mm。", .unit = "mm"},
    {.name = "Label24", .kind = Label, .text = "容器外径 mm", .at = {3000, 2865, 1335, 270}, .shown = false},
    {.name = "Text19", .kind = Text, .at = {4350, 2835, 1095, 330}, .shown = false, .label = "Label24", .toolTip = "容器外径 D，单位 mm。", .unit = "mm"},
    {.name = "Label6", .kind = Label, .text = "进气流速 m/s", .at = {3120, 3260, 1440, 270}, .shown = false},
    {.name = "Text6", .kind = Text, .text = "15", .at = {4590, 3240, 735, 315}, .shown = false, .label = "Label6", .toolTip = "进气流速 v，单位 m/s。", .unit = "m/s"},
    {.name = "Label25", .kind = Label, .text = "容器总长 mm", .at = {3000, 3330, 1335, 270}, .shown = false},
    {.name = "Text20", .kind = Text, .at = {4350, 3300, 1095, 330}, .shown = false, .label = "Label25", .toolTip = "容器总长 L，单位 mm（球形容器不用）。", .unit = "mm"},
    {.name = "Label22", .kind = Label, .text = "气化潜热", .at = {3000, 3745, 1335, 240}, .shown = false},
    {.name = "Label23", .kind = Label, .text = "kj/kg ", .at = {3000, 3985, 600, 210}, .shown = false,
     .font = kSmall},
    {.name = "Text18", .kind = Text, .at = {4350, 3765, 1095, 330}, .shown = false, .label = "Label22", .toolTip = "介质的气化潜热 q，单位 kJ/kg。", .unit = "kJ/kg"},
    {.name = "Label16", .kind = Label, .text = "气体密度", .at = {3300, 3820, 1260, 240}, .shown = false},
    {.name = "Label31", .kind = Label, .text = "kg/m^3", .at = {3660, 4080, 690, 180}, .shown = false,
     .font = kSmall},
    {.name = "Text14", .kind = Text, .at = {4590, 3840, 735, 315}, .shown = false, .label = "Label16", .toolTip = "气体密度 ρ，单位 kg/m³；介质为气体时由计算写出。", .unit = "kg/m³"},
    {.name = "Label28", .kind = Label, .text = "保温厚度 mm", .at = {3000, 4260, 1335, 255}, .shown = false,
     .toolTip = kDeltaTip},
    {.name = "Text22", .kind = Text, .at = {4350, 4215, 1095, 330}, .shown = false, .label = "Label28",
     .toolTip = kDeltaTip, .unit = "mm"},
    {.name = "Label29", .kind = Label, .text = "导热系数", .at = {3000, 4710, 1335, 270}, .shown = false,
     .toolTip = kLambdaTip},
    {.name = "Text23", .kind = Text, .at = {4350, 4680, 1095, 330}, .shown = false, .label = "Label29",
     .toolTip = kLambdaTip, .unit = "kJ/(m·h·℃)"},

    // Left column: working pressure, wetted height, design and relief temperature.
    {.name = "Label2", .kind = Label, .text = "工作压力 MPa", .at = {270, 3345, 1770, 270}},
    {.name = "Text2", .kind = Text, .text = "0.8", .at = {2070, 3315, 855, 330}, .label = "Label2", .toolTip = "工作压力 p_w（表压），单位 MPa。", .unit = "MPa"},
    {.name = "Label32", .kind = Label, .text = "液位高度 mm", .at = {270, 3790, 1770, 270}, .shown = false,
     .toolTip = kHeightTip},
    {.name = "Text25", .kind = Text, .at = {2070, 3760, 855, 330}, .shown = false, .label = "Label32",
     .toolTip = kHeightTip, .unit = "mm"},
    {.name = "Label30", .kind = Label, .text = "设计温度 ℃", .at = {270, 4230, 1770, 270}, .shown = false},
    {.name = "Text24", .kind = Text, .text = "50", .at = {2070, 4200, 855, 330}, .shown = false, .label = "Label30", .toolTip = "设计温度 t，单位 ℃；气体温度 T = 273 + t（K）。", .unit = "℃"},
    {.name = "Label27", .kind = Label, .text = "泄放温度 ℃", .at = {270, 4710, 1770, 270}, .shown = false},
    {.name = "Text21", .kind = Text, .at = {2070, 4680, 855, 330}, .shown = false, .label = "Label27", .toolTip = "泄放时介质的温度 t，单位 ℃（有保温液化气）。", .unit = "℃"},

    // Medium properties.
    {.name = "Label10", .kind = Label, .text = "k=", .at = {390, 5180, 420, 270}, .background = kPropertyLabel},
    {.name = "Text9", .kind = Text, .at = {870, 5160, 855, 315}, .label = "Label10", .toolTip = "绝热指数 k（无量纲）。"},
    {.name = "Label12", .kind = Label, .text = "C=", .at = {1905, 5180, 420, 270}, .background = kPropertyLabel},
    {.name = "Text10", .kind = Text, .at = {2385, 5160, 855, 315}, .label = "Label12", .toolTip = "气体特性系数 C（无量纲）。"},
    {.name = "Label13", .kind = Label, .text = "M=", .at = {3435, 5180, 420, 270}, .background = kPropertyLabel},
    {.name = "Text11", .kind = Text, .at = {3915, 5160, 855, 315}, .label = "Label13", .toolTip = "分子量 M，单位 kg/kmol。", .unit = "kg/kmol"},
    {.name = "Label14", .kind = Label, .text = "Z=", .at = {4950, 5180, 420, 270}, .background = kPropertyLabel},
    {.name = "Text12", .kind = Text, .at = {5430, 5160, 855, 315}, .label = "Label14", .toolTip = "压缩系数 Z（无量纲）。"},
    {.name = "Label11", .kind = Label, .text = "形态", .at = {6510, 5180, 660, 270}, .background = kPropertyLabel},
    {.name = "Text1", .kind = Text, .at = {7230, 5160, 855, 315}, .label = "Label11", .toolTip = "介质形态：“气体”、“饱和气”或“液体”，决定泄放面积公式。"},

    // Buttons.
    {.name = "Command3", .kind = Command, .text = "打  印", .at = {630, 5760, 1695, 615}, .font = kBig},
    {.name = "Command5", .kind = Command, .text = "C", .at = {2910, 5760, 480, 615}, .font = kClear},
    {.name = "Command1", .kind = Command, .text = "计     算", .at = {3390, 5760, 2535, 615}, .font = kBig},
    {.name = "Command2", .kind = Command, .text = "返  回", .at = {6510, 5760, 1695, 615}, .font = kBig},

    // Results.
    {.name = "Label7", .kind = Label, .text = "安全泄放量 kg/h", .at = {150, 6780, 1770, 345}, .background = kCyan,
     .font = kSmall},
    {.name = "Text7", .kind = Text, .at = {1950, 6750, 1215, 405}, .label = "Label7", .background = kResultGround,
     .foreground = kRed, .font = kResult, .toolTip = "安全泄放量 W，单位 kg/h。可直接输入；输入值一直使用，直到按“C”或清空此栏。", .unit = "kg/h"},
    {.name = "Label34", .kind = Label, .text = "液体密度 kg/m³", .at = {3195, 8115, 1455, 345}, .background = kYellow,
     .font = kSmall},
    {.name = "Text28", .kind = Text, .at = {4680, 8085, 1215, 405}, .label = "Label34", .font = kResult,
     .toolTip = "液体密度 ρ，单位 kg/m³；形态为“液体”时用于安全泄放量（进气管）和液体的泄放面积。", .unit = "kg/m³"},
    {.name = "Label33", .kind = Label, .text = "数量（片）", .at = {150, 8115, 1770, 345}, .background = kCyan,
     .font = kSmall},
    {.name = "Text27", .kind = Text, .text = "1", .at = {1950, 8085, 1215, 405}, .label = "Label33", .font = kResult,
     .toolTip = "爆破片的数量 n：安全泄放量由 n 片爆破片分担，面积、口径和管径为每片的数值。"},
    {.name = "Label8", .kind = Label, .text = "安全泄放面积 mm^2", .at = {90, 7530, 1830, 345}, .background = kCyan,
     .font = kSmall},
    {.name = "Text8", .kind = Text, .at = {1950, 7500, 1215, 405}, .label = "Label8", .background = kResultGround,
     .foreground = kRed, .font = kResult, .toolTip = "安全泄放面积 A，单位 mm²。", .unit = "mm²", .result = true},
    {.name = "Label15", .kind = Label, .text = "  计算口径  mm", .at = {3195, 6780, 1365, 345},
     .background = kYellow, .font = kSmall},
    {.name = "Text15", .kind = Text, .at = {4590, 6750, 1215, 405}, .label = "Label15", .background = kResultGround,
     .foreground = kRed, .font = kResult, .toolTip = "计算口径 d，单位 mm。", .unit = "mm", .result = true},
    {.name = "Label17", .kind = Label, .text = "  公称管径  mm", .at = {3195, 7500, 1365, 345},
     .background = kYellow, .font = kSmall},
    {.name = "Text16", .kind = Text, .at = {4590, 7470, 1215, 405}, .label = "Label17", .background = kResultGround,
     .foreground = kRed, .font = kResult, .toolTip = "公称管径 DN，单位 mm。", .unit = "mm", .result = true},
    {.name = "Label3", .kind = Label, .text = "  设计压力  MPa", .at = {5835, 6795, 1590, 345}, .background = kPink,
     .font = kSmall},
    {.name = "Text3", .kind = Text, .at = {7440, 6765, 1215, 405}, .label = "Label3", .background = kResultGround,
     .foreground = kRed, .font = kResult, .toolTip = "设计压力 Pd（表压），单位 MPa，由“输入参数项”确定。", .unit = "MPa", .result = true},
    {.name = "Label19", .kind = Label, .text = "设计爆破压力 MPa", .at = {5835, 7470, 1590, 345},
     .background = kPink, .font = kSmall},
    {.name = "Text13", .kind = Text, .at = {7440, 7440, 1215, 405}, .label = "Label19", .background = kResultGround,
     .foreground = kRed, .font = kResult, .toolTip = "设计爆破压力 Pb（表压），单位 MPa，由爆破片型式和制造级别确定。", .unit = "MPa", .result = true},

    // Decoration.
    {.name = "Image1", .kind = Picture, .at = {5760, 480, 3195, 3060}},
    {.name = "Shape2", .kind = Picture, .at = {5760, 3600, 3195, 1335}},
    {.name = "Image2", .kind = Picture, .at = {5775, 3615, 3165, 1305}},
});
// clang-format on

constexpr WindowTable kWindow{
    .objectName = "防爆片",
    .caption = "超压泄放装置计算（按GB150-1998及《压力容器安全技术监察规程》编制）",
    .width = 9330,
    .height = 8595,
    .background = {210, 228, 248},
    .controls = kControls,
};

}  // namespace

const WindowTable& windowTable() { return kWindow; }

}  // namespace orvane::disc
