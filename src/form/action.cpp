#include "action.h"

#include "engine/number_text.h"
#include "engine/real.h"

namespace orvane {

void Action::at(Step step, std::initializer_list<std::string_view> check, std::string note) {
    at(step, std::vector<std::string_view>(check), std::move(note));
}

void Action::at(Step step, const std::vector<std::string_view>& check, std::string note) {
    step_ = step;
    check_ = check;
    note_ = std::move(note);
}

std::string Action::caption(std::string_view name) const {
    const ControlRow* c = table_.find(name);
    return c != nullptr ? std::string(table_.accessibleName(*c)) : std::string(name);
}

double Action::read(std::string_view name, bool toSinglePrecision, bool record) {
    const Step outer = step_;
    step_ = Step::ReadingInput;
    field_ = name;
    const std::string text = form_.text(name);
    double value = readNumber(text);
    if (toSinglePrecision) value = static_cast<double>(toSingle(value));
    step_ = outer;
    field_.clear();
    if (record) {
        const ControlRow* c = table_.find(name);
        record_.inputs.push_back({.field = std::string(name),
                                  .caption = caption(name),
                                  .text = text,
                                  .value = toSinglePrecision ? writeSingle(static_cast<float>(value)) : writeDouble(value),
                                  .unit = c != nullptr ? std::string(c->unit) : std::string(),
                                  .readAsZero = !beginsWithNumber(text)});
    }
    return value;
}

double Action::number(std::string_view name) { return read(name, false, false); }

float Action::single(std::string_view name) { return static_cast<float>(read(name, true, false)); }

double Action::input(std::string_view name) { return read(name, false, true); }

float Action::inputSingle(std::string_view name) { return static_cast<float>(read(name, true, true)); }

void Action::choice(std::string_view name, std::string text) {
    record_.choices.push_back({std::string(name), caption(name), std::move(text)});
}

void Action::write(std::string_view name, std::string text) {
    form_.setText(name, text);
    const ControlRow* c = table_.find(name);
    for (RecordResult& r : record_.results) {
        if (r.field == name) {
            r.text = std::move(text);
            return;
        }
    }
    record_.results.push_back(
        {std::string(name), caption(name), std::move(text), c != nullptr ? std::string(c->unit) : std::string()});
}

std::vector<ZeroRead> Action::readAsZero() const {
    std::vector<ZeroRead> out;
    for (const RecordInput& i : record_.inputs) {
        if (i.readAsZero) out.push_back({i.caption, i.text});
    }
    return out;
}

}  // namespace orvane
