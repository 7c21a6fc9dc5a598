#include "window_case.h"

namespace orvane {

namespace {

std::string selectedOption(const Form& form, const Description& d) {
    for (const OptionInfo& o : d.options()) {
        if (form.isSelected(o.control)) return o.caption;
    }
    return {};
}

std::string textOf(const Form& form, const Description& d, const FieldInfo& f) {
    return f.role == Role::Option ? selectedOption(form, d) : form.text(f.control);
}

// The texts the derivation of the window rests on; before the first input parameters, the window as
// it opens.
std::vector<std::pair<Field, std::string>>& basisOf(const Description& d, CalculatorMemory& memory) {
    if (memory.derived.serial == 0 && memory.derived.basis.empty()) {
        for (Field f : d.derivationInputs()) memory.derived.basis.emplace_back(f, d.info(f).defaultText);
    }
    return memory.derived.basis;
}

}  // namespace

Case readCase(const Form& form, const Description& d, const CalculatorMemory& memory) {
    Case c;
    c.device = d.device();
    for (const FieldInfo& f : d.fields()) {
        CaseValue& v = c[f.field];
        v.text = textOf(form, d, f);
        const std::optional<Written>& w = memory.written[indexOf(f.field)];
        if (w && w->text == v.text && !v.text.empty()) {
            v.source = w->source;
            v.origin = w->origin;
        }
    }
    c.derived = memory.derived;
    return c;
}

void writeField(Form& form, const Description& d, CalculatorMemory& memory, Field f, const CaseValue& value) {
    form.setText(d.info(f).control, value.text);
    std::optional<Written>& w = memory.written[indexOf(f)];
    // An empty field and a text the user typed are nobody's and the user's: nothing to remember.
    if (value.text.empty() || value.source == Source::Typed) {
        w.reset();
    } else {
        w = Written{value.text, value.source, value.origin};
    }
}

void showDerivation(Form& form, const Description& d, CalculatorMemory& memory, const Derivation& derivation) {
    if (!isDone(derivation.outcome)) return;
    for (const auto& [field, value] : derivation.writes) writeField(form, d, memory, field, value);
    const int serial = memory.derived.serial;
    memory.derived = derivation.derived;
    memory.derived.serial = serial + 1;
}

void showCalculation(Form& form, const Description& d, CalculatorMemory& memory, CalculationRecord record) {
    for (const RecordResult& r : record.results) {
        writeField(form, d, memory, r.field, CaseValue{r.text, r.source, r.origin});
        // A field the calculation wrote that input parameters derived from (the bursting disc's working
        // pressure) now holds the program's own text: no change of what the derivation rests on.
        for (auto& [field, text] : basisOf(d, memory)) {
            if (field == r.field) text = r.text;
        }
    }
    if (!record.documents()) {
        memory.record.reset();
        memory.calculatedFrom.clear();
        return;
    }
    memory.calculatedFrom.clear();
    for (const FieldInfo& f : d.fields()) memory.calculatedFrom.emplace_back(f.field, textOf(form, d, f));
    memory.record = std::move(record);
}

void clearResults(Form& form, const Description& d, CalculatorMemory& memory) {
    for (const FieldInfo& f : d.fields()) {
        if (f.isResult()) writeField(form, d, memory, f.field, CaseValue{});
    }
    memory.record.reset();
    memory.calculatedFrom.clear();
}

std::optional<std::string> whyNoResults(const Form& form, const Description& d, const CalculatorMemory& memory,
                                        ResultsUse use) {
    const bool print = use == ResultsUse::Print;
    if (!memory.record) return std::string(print ? kNoRecord : kNothingToCopy);
    const std::string redo = print ? "请重新按“计     算”后再打印。" : "请重新按“计     算”后再复制。";
    const std::string onlyShown = print ? "计算书只记录窗口所显示的计算，" : "复制的结果只记录窗口所显示的计算，";
    for (const auto& [field, then] : memory.calculatedFrom) {
        const FieldInfo& f = d.info(field);
        const std::string now = textOf(form, d, f);
        if (now == then) continue;
        // An option is named by its caption as a document writes it ("全启式").
        const auto shown = [&f](const std::string& text) { return f.role == Role::Option ? tidyCaption(text) : text; };
        return "计算后窗口已改动：“" + f.caption + "”已由“" + shown(then) + "”改为“" + shown(now) + "”。" + onlyShown + redo;
    }
    // The bursting disc's Pb and Pd are derived values no field shows until Calculate writes them.
    if (d.device() == Device::BurstingDisc && memory.record->derivationSerial != memory.derived.serial) {
        return "计算后又按了“输入参数项”，设计爆破压力和设计压力已重新确定。" + redo;
    }
    return std::nullopt;
}

std::string resultsTable(const CalculationRecord& record, const Description& d) {
    std::string out = "项目\t数值\t单位\n";
    for (const FieldInfo& f : d.fields()) {
        const RecordResult* r = record.result(f.field);
        if (!f.isResult() || r == nullptr) continue;
        out.append(f.name).append("\t").append(r->text).append("\t").append(f.unit).append("\n");
    }
    return out;
}

}  // namespace orvane
