#include "sheet_check.h"

#include "casefile/case_keys.h"
#include "sheet.h"

namespace orvane::sheet {

namespace {

constexpr std::string_view kCalculateAgain = "请重新按“计     算”后再打印。";

std::string changed(std::string_view caption, std::string_view before, std::string_view after) {
    return "计算后窗口已改动：“" + std::string(caption) + "”已由“" + std::string(before) + "”改为“" +
           std::string(after) + "”。计算书只记录窗口所显示的计算，" + std::string(kCalculateAgain);
}

// The caption of the option selected now, as the record writes a selected option.
std::string selectedOptionText(Device device, const Form& form) {
    const WindowTable& table = casefile::windowTableOf(device);
    for (std::string_view option : casefile::optionControls(device)) {
        if (!form.isSelected(option)) continue;
        const ControlRow* c = table.find(option);
        return c != nullptr ? tidyCaption(c->text) : std::string(option);
    }
    return {};
}

}  // namespace

std::optional<std::string> whyNoSheet(const CalculatorMemory& memory, const Form& form) {
    if (!memory.record) return std::string(kNoRecord);
    const CalculationRecord& r = *memory.record;
    for (const RecordChoice& c : r.choices) {
        if (c.field.starts_with("Option")) {
            if (!form.isSelected(c.field))
                return changed(optionGroupCaption(r.device), c.text, selectedOptionText(r.device, form));
        } else if (const std::string now = form.text(c.field); now != c.text) {
            return changed(c.caption, c.text, now);
        }
    }
    // A field the calculation also wrote is checked with the results, as the window shows what it wrote.
    for (const RecordInput& in : r.inputs) {
        if (r.result(in.field) != nullptr) continue;
        if (const std::string now = form.text(in.field); now != in.text)
            return changed(in.caption, in.text, now);
    }
    for (const RecordProperty& p : r.properties) {
        if (const std::string now = form.text(p.field); now != p.text) return changed(p.caption, p.text, now);
    }
    for (const RecordChoice& d : r.derivationInputs) {
        if (d.field.starts_with("Option")) continue;  // the selected option is among the choices
        if (const std::string now = form.text(d.field); now != d.text) return changed(d.caption, d.text, now);
    }
    for (const RecordResult& res : r.results) {
        if (const std::string now = form.text(res.field); now != res.text)
            return changed(res.caption, res.text, now);
    }
    if (r.device == Device::BurstingDisc && r.derivationSerial != memory.derivationSerial) {
        return "计算后又按了“输入参数项”，设计爆破压力和设计压力已重新确定。" + std::string(kCalculateAgain);
    }
    return std::nullopt;
}

}  // namespace orvane::sheet
