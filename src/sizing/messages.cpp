#include "messages.h"

#include "engine/number_text.h"

#include <vector>

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

std::string stepText(const FaultReport& r) {
    switch (r.step) {
        case Step::ReadingInput: return "读取“" + r.field + "”";
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

// What to check when the step named no fields of its own (the steps of input parameters).
std::string hint(const FaultReport& r) {
    switch (r.step) {
        case Step::ReadingInput: return "数值超出范围，请改正该输入";
        case Step::DesignPressure:
        case Step::BurstPressure: return "请检查工作压力";
        default: return "请检查输入";
    }
}

std::string quotedList(const std::vector<std::string>& captions) {
    std::string out;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (i > 0) out += i + 1 == captions.size() ? "和" : "、";
        out += "“" + captions[i] + "”";
    }
    return out;
}

// The inputs read as 0, one line each.
std::string zeroLines(const std::vector<ZeroRead>& zeros) {
    std::string out;
    for (const ZeroRead& z : zeros) {
        out += "\n“" + z.caption + "”";
        if (z.programText) {
            out += "的内容“" + z.text + "”是上次计算的结果，不作输入，按 0 计算。";
        } else {
            out += z.text.empty() ? "的内容为空，按 0 计算。" : "的内容“" + z.text + "”不是数值，按 0 计算。";
        }
    }
    return out;
}

// The fewest devices that do, when one is not enough.
std::string suggestion(const Notice& n, std::string_view each) {
    if (n.suggestedCount == 0) return {};
    return "\n需 " + writeInteger(n.suggestedCount) + " " + std::string(each) + "：" + n.suggestedSize + "。";
}

Message describeNotice(const Notice& n) {
    switch (n.kind) {
        case NoticeKind::NoAreaEquation:
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
                        writeDouble(n.limit) + " mm。\n一只此型安全阀不够，请选用多只安全阀或其他型式。" + suggestion(n, "只")};
        case NoticeKind::InputsChanged:
            return {"介质或工况已改动", "介质或工况已改动：“" + n.text + "”已由“" + n.before + "”改为“" + n.after +
                                            "”。\n请先按“输入参数项”，再按“计     算”。"};
        case NoticeKind::DerivationDiffers:
            return {"输入参数项的结果与输入不符", "输入参数项的结果与输入不符：案例中“" + n.text + "”为“" + n.before +
                                                      "”，按案例的输入重新得出为“" + n.after +
                                                      "”。\n请先按“输入参数项”，再按“计     算”。"};
        case NoticeKind::NoDeviceSized: {
            std::string text = "未选定泄放装置：安全泄放量 W = " + writeDouble(n.value) + " kg/h，泄放压力（绝压）P = " +
                               writeDouble(n.limit) + " MPa。";
            for (const std::string& cause : n.causes) text += "\n· " + cause + "。";
            text += "\n已写出安全泄放量和压力；泄放面积、直径和公称管径已清空。";
            return {"未选定泄放装置", text};
        }
        case NoticeKind::ReadAsZero:
            return {"部分输入按 0 计算", "已写出计算结果，但下列输入按 0 计算，请核对："};
        case NoticeKind::BadDeviceCount:
            return {"数量有误", "数量有误：数量应为 1 至 " + writeInteger(kMostDevices) + " 的整数，现为“" + n.text +
                                   "”。\n请改正数量（空着即为 1）后再计算。"};
        case NoticeKind::SetPressureOutOfBounds:
            return {"开启压力超出范围",
                    "开启压力超出范围：输入的开启压力 " + n.text + " MPa " +
                        (readNumber(n.text) < readNumber(n.before) ? "低于工作压力 " + n.before
                                                                    : "高于设计压力 " + n.after) +
                        " MPa。\n开启压力须不低于工作压力 " + n.before + " MPa、不高于设计压力 " + n.after +
                        " MPa；清空此栏则取工作压力的 1.05 倍。"};
        case NoticeKind::BoreAboveStandard:
            return {"计算口径超过最大公称管径",
                    "计算口径超过最大公称管径：计算口径 " + writeDouble(n.value) + " mm 大于 DN " + writeDouble(n.limit) +
                        "。\n一片爆破片不够，请选用多片爆破片。" + suggestion(n, "片")};
        case NoticeKind::LiquidInFire:
            return {"液体不按火灾工况计算",
                    "液体不按火灾工况计算：形态为“液体”（满液容器）时，介质类型“" + n.text +
                        "”的火灾工况不适用。\n请选择“压缩气或蒸气”（按进口管计算安全泄放量），或直接填写安全泄放量。"};
        case NoticeKind::LiquidNothingToSize: {
            std::string text = "液体无法确定泄放面积：";
            for (const std::string& cause : n.causes) text += "\n· " + cause + "。";
            text += "\n已写出安全泄放量和压力；泄放面积、直径和公称管径已清空。";
            return {"液体无法确定泄放面积", text};
        }
        case NoticeKind::CheckFailed:
            return {"校核不合格", "已写出计算结果，但下列校核不合格，该装置不能按此采用："};
    }
    return {};
}

}  // namespace

Message describe(const Outcome& outcome) {
    if (const auto* r = std::get_if<FaultReport>(&outcome)) {
        std::string advice = r->check.empty() || r->step == Step::ReadingInput ? hint(*r) : "请检查" + quotedList(r->check);
        if (!r->note.empty() && r->step != Step::ReadingInput) advice += "（" + r->note + "）";
        return {"数值错误", stepText(*r) + "时" + faultWord(r->kind) + "：" + advice + "。" + zeroLines(r->readAsZero)};
    }
    if (const auto* n = std::get_if<Notice>(&outcome)) {
        Message m = describeNotice(*n);
        m.text += zeroLines(n->readAsZero);
        if (!n->failedChecks.empty() && n->kind != NoticeKind::CheckFailed) m.text += "\n校核不合格：";
        for (const std::string& check : n->failedChecks) m.text += "\n· " + check + "，不合格。";
        return m;
    }
    return {};
}

}  // namespace orvane
