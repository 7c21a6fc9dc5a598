#include "messages.h"

#include "engine/number_text.h"

namespace orvane {

std::string faultWord(FaultKind kind) {
    switch (kind) {
        case FaultKind::DivisionByZero: return "除数为零";
        case FaultKind::Overflow: return "溢出";
        case FaultKind::InvalidOperation: return "无效的运算";
    }
    return "无效的运算";
}

namespace {

std::string stepText(const FaultReport& r, const WindowTable& window) {
    switch (r.step) {
        case Step::ReadingInput: {
            const ControlRow* c = window.find(r.field);
            const std::string name = c != nullptr ? std::string(window.accessibleName(*c)) : r.field;
            return "读取“" + name + "”";
        }
        case Step::Pressures: return "计算泄放压力和温度";
        case Step::GasDensity: return "计算气体密度";
        case Step::ReliefCapacity: return "计算安全泄放量";
        case Step::CriticalRatio: return "计算临界压力比";
        case Step::DischargeArea: return "计算泄放面积";
        case Step::ThroatDiameter: return "计算喉径";
        case Step::Bore: return "计算口径";
        case Step::DesignPressure: return "计算设计压力";
        case Step::BurstPressure: return "计算设计爆破压力";
    }
    return "计算";
}

std::string hint(const FaultReport& r) {
    switch (r.step) {
        case Step::ReadingInput: return "数值超出范围，请改正该输入";
        case Step::Pressures: return "请检查工作压力和设计温度";
        case Step::GasDensity: return "请检查 M 和设计温度（绝对温度不能为零）";
        case Step::ReliefCapacity:
            return "请检查气化潜热、保温厚度、导热系数、容器外径、总长和液位高度（不能为零或负数）";
        case Step::CriticalRatio: return "请检查 k（k 不能为 1）和压力";
        case Step::DischargeArea: return "请检查 C、M、Z、k 和压力（泄放侧压力须低于泄放压力）";
        case Step::ThroatDiameter: return "请检查安全泄放量和密封半锥角";
        case Step::Bore: return "请检查安全泄放量";
        case Step::DesignPressure:
        case Step::BurstPressure: return "请检查工作压力";
    }
    return {};
}

Message describeNotice(const Notice& n) {
    switch (n.kind) {
        case NoticeKind::NoAreaEquation:
            if (n.text == "液体") {
                return {"无适用的面积公式",
                        "无适用的面积公式：形态为“液体”时本程序没有泄放面积公式。\n"
                        "已写出安全泄放量和开启压力；泄放面积请按液体泄放另行计算。"};
            }
            return {"无适用的面积公式",
                    "无适用的面积公式：饱和蒸汽的泄放压力 " + writeDouble(n.value) +
                        " MPa 超过 22 MPa。\n已写出安全泄放量和开启压力；泄放面积请另行确定。"};
        case NoticeKind::UnknownReliefCase:
            return {"未知的介质类型", "未知的介质类型：“" + n.text +
                                          "”不是列表中的介质类型。\n请从列表中选择介质类型，或直接填写安全泄放量。"};
        case NoticeKind::UnsupportedReliefCase:
            return {"不支持的介质类型", "不支持的介质类型：“" + n.text +
                                            "”的安全泄放量不能在本程序中计算。\n请另行计算后直接填写安全泄放量。"};
        case NoticeKind::MissingWettedHeight:
            return {"缺少液位高度",
                    "缺少液位高度：立式容器的受热面积需要最高液位高度。\n"
                    "请按“输入参数项”，在“液位高度 mm”中填写最高液位高度后再计算。"};
        case NoticeKind::ThroatAboveStandard:
            return {"计算喉径超过最大标准喉径",
                    "计算喉径超过最大标准喉径：计算喉径 " + writeDouble(n.value) + " mm 大于最大标准喉径 " +
                        writeDouble(n.limit) + " mm。\n一只此型安全阀不够，请选用多只安全阀或其他型式。"};
    }
    return {};
}

}  // namespace

Message describe(const Outcome& outcome, const WindowTable& window) {
    if (const auto* r = std::get_if<FaultReport>(&outcome)) {
        return {"数值错误", stepText(*r, window) + "时" + faultWord(r->kind) + "：" + hint(*r) + "。"};
    }
    if (const auto* n = std::get_if<Notice>(&outcome)) return describeNotice(*n);
    return {};
}

}  // namespace orvane
