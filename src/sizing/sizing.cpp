#include "sizing.h"

#include "engine/number_text.h"
#include "engine/real.h"

namespace orvane {

Sizing::Sizing(const Case& c, const Description& d, Detail detail) : case_(c), description_(d), detail_(detail) {
    record_.device = c.device;
}

void Sizing::at(Step step, std::initializer_list<Field> check, std::string_view note) {
    step_ = step;
    check_.assign(check);
    note_ = note;
}

void Sizing::at(Step step, std::vector<Field> check, std::string_view note) {
    step_ = step;
    check_ = std::move(check);
    note_ = note;
}

double Sizing::read(Field f, bool toSinglePrecision, bool recorded) {
    const CaseValue& v = case_[f];
    // A result of an earlier calculation left in a field is no input: it reads as an empty field.
    const bool programText = v.source == Source::Computed && !v.text.empty();
    const std::string_view text = programText ? std::string_view() : std::string_view(v.text);
    const Step outer = step_;
    step_ = Step::ReadingInput;
    reading_ = f;
    double value = readNumber(text);
    if (toSinglePrecision) value = static_cast<double>(toSingle(value));
    step_ = outer;
    reading_.reset();
    if (recorded) {
        use(f);
        // The value as the program writes it is for the record's readers; a sizing for results only
        // keeps the number.
        std::string written;
        if (steps()) written = toSinglePrecision ? writeSingle(static_cast<float>(value)) : writeDouble(value);
        record_.inputs.push_back({.field = f,
                                  .text = v.text,
                                  .value = std::move(written),
                                  .number = value,
                                  .readAsZero = value == 0.0 && !beginsWithNumber(text),  // read once more only at 0
                                  .programText = programText});
    }
    return value;
}

double Sizing::number(Field f) { return read(f, false, false); }

float Sizing::single(Field f) { return static_cast<float>(read(f, true, false)); }

double Sizing::input(Field f) { return read(f, false, true); }

float Sizing::inputSingle(Field f) { return static_cast<float>(read(f, true, true)); }

void Sizing::choice(Field f) {
    use(f);
    if (steps()) record_.choices.push_back({f, case_.text(f)});
}

void Sizing::write(Field f, std::string text, Source source, std::string origin) {
    for (RecordResult& r : record_.results) {
        if (r.field == f) {
            r = {f, std::move(text), source, std::move(origin)};
            return;
        }
    }
    record_.results.push_back({f, std::move(text), source, std::move(origin)});
}

std::vector<ZeroRead> Sizing::readAsZero() const {
    std::vector<ZeroRead> out = case_.derived.readAsZero;
    for (const RecordInput& i : record_.inputs) {
        if (!i.readAsZero) continue;
        out.push_back({description_.caption(i.field), i.text, i.programText});
    }
    return out;
}

}  // namespace orvane
