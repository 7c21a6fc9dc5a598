#pragma once
// The frame every window action runs in: it reads fields through the lenient number reader, keeps
// track of the step the action is at, and turns a numeric fault thrown anywhere in the action into
// a report naming the kind of fault and that step. What the action wrote before the fault stays.

#include <string>
#include <string_view>
#include <utility>

#include "engine/outcome.h"
#include "form.h"

namespace orvane {

class Action {
public:
    explicit Action(Form& form) : form_(form) {}

    Form& form() { return form_; }
    void at(Step step) { step_ = step; }

    std::string text(std::string_view name) const { return form_.text(name); }
    // The leading number of a field's text (0 when it has none); overflow is reported as a fault
    // at reading that field.
    double number(std::string_view name);
    // The same, rounded to single precision for storing.
    float single(std::string_view name);

    // Runs the body of an action; a numeric fault ends it with a report.
    template <class Body>
    Outcome run(Body&& body) {
        try {
            return std::forward<Body>(body)();
        } catch (const NumericFault& fault) {
            return FaultReport{fault.kind(), step_, field_};
        }
    }

private:
    double read(std::string_view name, bool toSinglePrecision);

    Form& form_;
    Step step_ = Step::ReadingInput;
    std::string field_;
};

}  // namespace orvane
