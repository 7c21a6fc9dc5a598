#include "help_text.h"

#include "sizing/description.h"

namespace orvane::casefile {

namespace {

constexpr std::string_view kWorkflow =
    "一、计算步骤\n"
    "1. 选择介质、介质类型（泄放工况）和容器形状{device_choice}。\n"
    "2. 按“输入参数项”：红灯熄灭，显示本工况需要的输入项，并从介质库填入 k、C、M、Z、形态和气化潜热。\n"
    "3. 填写或核对各输入项，按“计     算”：得出安全泄放量、泄放面积和尺寸。\n"
    "4. “C”清除结果并重新点亮红灯；“打  印”或菜单“计算书…”给出本次计算的计算书。\n\n"
    "二、红灯\n"
    "窗口打开或按“C”后红灯亮着，表示还没有按“输入参数项”。按过之后若再改动介质、介质类型{lamp_inputs}，"
    "计算前会提示重新按“输入参数项”。\n\n"
    "三、单位\n"
    "压力：MPa，表压；泄放侧压力为绝压。温度：℃。长度（直径、总长、液位高度、保温厚度）：mm。"
    "进气流速：m/s。气化潜热：kJ/kg。气体密度：kg/m³。导热系数：kJ/(m·h·℃)，1 W/(m·K) = 3.6 kJ/(m·h·℃)。"
    "安全泄放量：kg/h。泄放面积：mm²。{angle}M：kg/kmol；k、C、Z 无量纲。\n\n"
    "四、泄放工况（介质类型）\n"
    "压缩气或蒸气：由进气管的内径和流速计算安全泄放量。\n"
    "无保温液化气：容器受火，按受热面积、安装位置和气化潜热计算。\n"
    "有保温液化气：容器受火，按受热面积、保温厚度、导热系数、泄放温度和气化潜热计算。\n"
    "立式容器受火时须填写液位高度（最高液位）。\n"
    "“安全泄放量”中由用户输入的数值按输入值使用，直到清空该栏；由程序算出的数值每次计算都重新计算。\n\n"
    "五、提示的含义\n"
    "· 没有适用的面积公式：形态为“液体”，或饱和蒸汽的泄放压力超过 22 MPa。\n"
    "· 介质类型无法计算：介质类型不是列表中的一种，或本程序不提供该工况的计算。\n"
    "· 缺少液位高度：立式容器受火时须填写液位高度。\n"
    "· 计算{size}超过最大标准规格：一个装置不够，须分成几个或另选。\n"
    "· 输入参数项的输入已改动：请先按“输入参数项”，再计算。\n"
    "· 没有确定装置尺寸：安全泄放量、泄放面积或泄放压力不大于零，提示中说明原因。\n"
    "· 部分输入按 0 计：这些栏为空或不以数字开头，请核对。\n"
    "· 除以零、溢出、无效运算：计算在提示所说的步骤停止，结果栏保持原样；请检查提示中列出的输入项。\n\n"
    "六、案例文件\n"
    "“文件”菜单可保存和打开案例（.orvane）：保存窗口上的全部输入、所选型式、红灯、输入参数项得出的数值和上次的结果，"
    "打开后按“计     算”得到与保存时相同的结果。标题栏的“*”表示有未保存的改动。"
    "“编辑 → 复制结果”把六项结果以表格形式复制，可直接粘贴到电子表格。\n\n"
    "七、介质物性库\n"
    "“编辑 → 介质物性库…”列出内置介质（灰色，只供参照）和用户自己的介质，可新增、编辑、删除，按“保存”写入文件。"
    "C 可以填写，也可以选“由 k 计算”（C = 520 √( k (2 / (k + 1))^((k + 1) / (k − 1)) )）。保存后用户介质列在“介质”列表的内置介质之后；"
    "“输入参数项”填入它给出的物性（计算书注明“用户物性库（名称）”），没有给出的物性留空，不取其他介质的数值。"
    "保存改动了窗口上取自物性库的数值时，红灯亮，须重新按“输入参数项”。\n";

void replace(std::string& text, std::string_view what, std::string_view with) {
    const std::size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
}

}  // namespace

std::string guideText(Device device) {
    const bool valve = device == Device::SafetyValve;
    std::string text = valve ? "安全阀计算 使用说明\n\n" : "爆破片计算 使用说明\n\n";
    text += kWorkflow;
    replace(text, "{device_choice}", valve ? "，以及安全阀型式（全启式、平面微启式、锥面微启式）"
                                           : "，以及爆破片型式和制造级别");
    replace(text, "{lamp_inputs}", valve ? "" : "、爆破片型式、制造级别或工作压力");
    replace(text, "{angle}", valve ? "密封半锥角φ：度。" : "");
    replace(text, "{size}", valve ? "喉径" : "口径");
    return text;
}

std::string aboutText(std::string_view version, std::string_view qtVersion) {
    std::string text = "Orvane ";
    text.append(version).append(
        "\n\n压力容器超压泄放装置（安全阀、爆破片）计算。\n"
        "依据 GB 150-1998《钢制压力容器》附录 B（超压泄放装置）和《压力容器安全技术监察规程》。\n\n"
        "Qt ");
    text.append(qtVersion).append("\n");
    return text;
}

}  // namespace orvane::casefile
