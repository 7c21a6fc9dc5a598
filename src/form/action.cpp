#include "action.h"

#include "engine/number_text.h"
#include "engine/real.h"

namespace orvane {

double Action::read(std::string_view name, bool toSinglePrecision) {
    const Step outer = step_;
    step_ = Step::ReadingInput;
    field_ = name;
    double value = readNumber(form_.text(name));
    if (toSinglePrecision) value = static_cast<double>(toSingle(value));
    step_ = outer;
    field_.clear();
    return value;
}

double Action::number(std::string_view name) { return read(name, false); }

float Action::single(std::string_view name) { return static_cast<float>(read(name, true)); }

}  // namespace orvane
